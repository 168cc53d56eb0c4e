#include "climate_derivation.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "hour_repair.h"
#include "year_calendar.h"

namespace heatwise::climate {

namespace {

// The design temperatures are the 1 % values of the year: the winter design temperature is the
// 88th coldest hour and the summer design temperature the 88th hottest, 88 hours being 1 % of
// 8760, rounded.
constexpr int kWinterDesignPosition = 87;
constexpr int kSummerDesignPosition = 8672;

// Degree days are counted from 65 °F. In hundredths of °F·days, a day whose highest and lowest
// temperatures are max_c10 and min_c10 contributes 3300 - 9 * (max_c10 + min_c10), because
// 65 - ((max_c10 + min_c10) / 2 * 0.18 + 32) = (3300 - 9 * (max_c10 + min_c10)) / 100.
constexpr long long kDegreeDayBaseHundredths = 3300;

// Mathematical floor of a quotient with a positive divisor, also for negative numerators.
int FloorDivide(int numerator, int divisor) {
    int quotient = numerator / divisor;
    if (numerator % divisor != 0 && numerator < 0) {
        --quotient;
    }
    return quotient;
}

[[noreturn]] void FailHour(const HourlyWeather& weather, int index, const std::string& text) {
    throw WeatherFileError(weather.source + ": hour " + std::to_string(index + 1) +
                           " of the year: " + text);
}

void CheckYearOfHours(const HourlyWeather& weather) {
    if (weather.hours.size() != static_cast<std::size_t>(kHoursPerYear)) {
        throw WeatherFileError(weather.source + ": holds " + std::to_string(weather.hours.size()) +
                               " hours; a year of hourly weather holds exactly 8760 (365 days of "
                               "24 hours)");
    }
    for (int i = 0; i < kHoursPerYear; ++i) {
        const HourlyReading& reading = weather.hours[i];
        const HourOfYear got{reading.month, reading.day, reading.hour};
        const HourOfYear expected = NthHourOfYear(i);
        if (got != expected) {
            FailHour(weather, i,
                     "reads " + FormatHourOfYear(got) + " where " + FormatHourOfYear(expected) +
                         " belongs (an hour is missing, repeated or out of order)");
        }
        if (reading.c10 < kColdestTenthsCelsius || reading.c10 > kHottestTenthsCelsius) {
            FailHour(weather, i,
                     "dry-bulb " + std::to_string(reading.c10) +
                         " tenths of a degree Celsius is outside the accepted range -900 to 600");
        }
    }
}

int DegreeDays(const std::vector<int>& c10) {
    long long hundredths = 0;
    for (int day = 0; day < kDaysPerYear; ++day) {
        auto first = c10.begin() + day * kHoursPerDay;
        auto [coldest, hottest] = std::minmax_element(first, first + kHoursPerDay);
        const long long deficit = kDegreeDayBaseHundredths - 9LL * (*hottest + *coldest);
        hundredths += std::max(0LL, deficit);
    }
    // Rounded once, at the end, to the nearest whole degree day; halves go upward.
    return static_cast<int>((hundredths + 50) / 100);
}

}  // namespace

int TenthsCelsiusToFahrenheit(int c10) {
    return FloorDivide(9 * c10 + 1625, 50);
}

int BinOfFahrenheit(int fahrenheit) {
    // Bin b spans 105 - 5b to 109 - 5b °F.
    return std::clamp(FloorDivide(109 - fahrenheit, 5), 1, kBinCount);
}

int ColdBinOfFahrenheit(int fahrenheit) {
    // Cold bin b spans 105 - 5b to 109 - 5b °F as the other bins do.
    return std::clamp(FloorDivide(109 - fahrenheit, 5), kFirstColdBin, kLastColdBin);
}

int ShiftOfHour(int hour) {
    return (hour - 1) / 8 + 1;
}

StationClimate DeriveStationClimate(const HourlyWeather& weather) {
    CheckYearOfHours(weather);

    std::vector<int> c10;
    c10.reserve(kHoursPerYear);
    for (const HourlyReading& reading : weather.hours) {
        c10.push_back(reading.c10);
    }
    StationClimate climate{};
    for (const HourRepair& repair : FindHourRepairs(c10)) {
        c10[repair.hour] = repair.used_c10;
        const bool stamped = weather.stamps.size() == weather.hours.size();
        const HourOfYear when = NthHourOfYear(repair.hour);
        const std::string date =
            stamped ? weather.stamps[repair.hour].date : FormatHourOfYear(when).substr(0, 5);
        const std::string time =
            stamped ? weather.stamps[repair.hour].time : FormatHourOfYear(when).substr(6);
        climate.repairs.push_back(RepairedHour{date, time, repair.read_c10, repair.used_c10});
    }

    for (int i = 0; i < kHoursPerYear; ++i) {
        const int fahrenheit = TenthsCelsiusToFahrenheit(c10[i]);
        const int shift = ShiftOfHour(weather.hours[i].hour);
        ++climate.bin_hours[BinValueIndex(shift, BinOfFahrenheit(fahrenheit))];
        if (fahrenheit < 0) {
            ++climate.cold_bin_hours[ColdBinValueIndex(shift, ColdBinOfFahrenheit(fahrenheit))];
        }
    }

    climate.degree_days = DegreeDays(c10);
    std::sort(c10.begin(), c10.end());
    climate.winter_design = TenthsCelsiusToFahrenheit(c10[kWinterDesignPosition]);
    climate.summer_design = TenthsCelsiusToFahrenheit(c10[kSummerDesignPosition]);
    return climate;
}

namespace {

template <std::size_t count>
std::string FormatHours(const std::array<int, count>& hours) {
    std::string record;
    for (int value : hours) {
        if (!record.empty()) {
            record += ' ';
        }
        record += std::to_string(value);
    }
    record += '\n';
    return record;
}

}  // namespace

std::string FormatBinRecord(const StationClimate& climate) {
    return FormatHours(climate.bin_hours);
}

std::string FormatColdBinRecord(const StationClimate& climate) {
    return FormatHours(climate.cold_bin_hours);
}

std::string FormatTenths(int c10) {
    return (c10 < 0 ? "-" : "") + std::to_string(std::abs(c10) / 10) + "." +
           std::to_string(std::abs(c10) % 10);
}

std::string FormatDesignRecord(const StationClimate& climate) {
    return std::to_string(climate.winter_design) + ' ' + std::to_string(climate.degree_days) + ' ' +
           std::to_string(climate.summer_design) + '\n';
}

}  // namespace heatwise::climate
