#include "weather_samples.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "year_calendar.h"

namespace heatwise::climate::samples {

namespace {

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// "-12.5", "0.0", "7.3": a temperature as a weather file writes it.
std::string TenthsText(int c10) {
    return (c10 < 0 ? "-" : "") + std::to_string(std::abs(c10) / 10) + "." +
           std::to_string(std::abs(c10) % 10);
}

}  // namespace

HourlyWeather MakeYear(const std::function<int(int index)>& c10_of, std::string source) {
    HourlyWeather weather{std::move(source), {}};
    for (int i = 0; i < kHoursPerYear; ++i) {
        const HourOfYear when = NthHourOfYear(i);
        weather.hours.push_back(HourlyReading{when.month, when.day, when.hour, c10_of(i)});
    }
    return weather;
}

std::vector<std::string> Tmy3Lines(const HourlyWeather& weather) {
    std::vector<std::string> lines = {
        R"(722540,"AUSTIN MUELLER MUNICIPAL AP [UT]",TX,-6.0,30.290,-97.740,213)",
        "Date (MM/DD/YYYY),Time (HH:MM),Dry-bulb (C)"};
    for (const HourlyReading& r : weather.hours) {
        // Each month of a typical year comes from its own year of record.
        lines.push_back(TwoDigits(r.month) + "/" + TwoDigits(r.day) + "/" +
                        std::to_string(1990 + r.month) + "," + TwoDigits(r.hour) + ":00," +
                        TenthsText(r.c10));
    }
    return lines;
}

std::vector<std::string> FullTmy3Lines(const HourlyWeather& weather) {
    std::vector<std::string> lines = {
        R"(725300,"CHICAGO OHARE INTL AP, ""ORD""",IL,-6.0,41.983,-87.917,201)",
        "Time (HH:MM),ETR (W/m^2),GHI (W/m^2),Dry-bulb source,Dry-bulb uncert (%),"
        "Dew-point (C),\"Station, name\",Dry-bulb (C),RHum (%),Date (MM/DD/YYYY),Alb (unitless)"};
    for (const HourlyReading& r : weather.hours) {
        lines.push_back(TwoDigits(r.hour) + ":00,0,0,A,7,-3.9,\"ORD, IL\"," + TenthsText(r.c10) +
                        ",69," + TwoDigits(r.month) + "/" + TwoDigits(r.day) + "/1997,0.18");
    }
    return lines;
}

std::vector<std::string> EpwLines(const HourlyWeather& weather) {
    std::vector<std::string> lines = {
        "LOCATION,Key West Intl Arpt,FL,USA,TMY3,722010,24.55,-81.75,-5.0,1.0",
        "DESIGN CONDITIONS,0",
        "TYPICAL/EXTREME PERIODS,0",
        "GROUND TEMPERATURES,0",
        "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0",
        "COMMENTS 1,Custom/User Format -- WMO#722010; NREL TMY Data Set (2008)",
        "COMMENTS 2, -- Ground temps produced with a standard soil diffusivity",
        "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31"};
    for (const HourlyReading& r : weather.hours) {
        lines.push_back("1988," + std::to_string(r.month) + "," + std::to_string(r.day) + "," +
                        std::to_string(r.hour) + ",0,?9?9?9?9E0?9?9?9," + TenthsText(r.c10) +
                        ",18.5,78,101500,0,0,315");
    }
    return lines;
}

void WriteLines(const std::string& name, const std::vector<std::string>& lines,
                std::string_view line_end) {
    std::ofstream stream(name, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) {
        stream << line << line_end;
    }
}

std::string ReadText(const std::string& name) {
    std::ifstream stream(name, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

}  // namespace heatwise::climate::samples
