#include "weather_file.h"

#include <string_view>

#include "engine/printable_text.h"
#include "line_reader.h"
#include "text_fields.h"
#include "year_calendar.h"

namespace heatwise::climate {

namespace {

constexpr std::string_view kTmy3DateColumn = "Date (MM/DD/YYYY)";
constexpr std::string_view kTmy3TimeColumn = "Time (HH:MM)";
constexpr std::string_view kTmy3DryBulbColumn = "Dry-bulb (C)";

// EPW rows are positional; these are the 0-based positions and names of the fields used.
constexpr int kEpwHeaderLines = 8;
constexpr std::size_t kEpwYearField = 0;
constexpr std::size_t kEpwMonthField = 1;
constexpr std::size_t kEpwDayField = 2;
constexpr std::size_t kEpwHourField = 3;
constexpr std::size_t kEpwDryBulbField = 6;
constexpr std::string_view kEpwMonthName = "Month (field 2)";
constexpr std::string_view kEpwDayName = "Day (field 3)";
constexpr std::string_view kEpwHourName = "Hour (field 4)";
constexpr std::string_view kEpwDryBulbName = "Dry Bulb Temperature (field 7)";

// A field of a row as the file wrote it, kept so that a message can quote it.
struct FieldText {
    std::string_view name;
    std::string text;
};

// A row's hour together with the fields that gave its month, day and hour.
struct ParsedRow {
    HourlyReading reading;
    FieldText month_field;
    FieldText day_field;
    FieldText hour_field;
    HourStamp stamp;
};

// Reads a weather file line by line and collects its hours, checking that they follow each other
// through the year.
class WeatherReader : public LineReader<WeatherFileError> {
  public:
    explicit WeatherReader(const std::filesystem::path& path)
        : LineReader<WeatherFileError>(path, "a weather file") {
        weather_.source = source();
        weather_.hours.reserve(kHoursPerYear);
        weather_.stamps.reserve(kHoursPerYear);
    }

    [[noreturn]] void FailField(std::string_view name, std::string_view value,
                                std::string_view reason) const {
        Fail("field '" + std::string(name) + "': '" + PrintableText(value) + "' " +
             std::string(reason));
    }

    int ParseTemperature(std::string_view name, const std::string& text) const {
        std::optional<int> c10 = ParseTenthsCelsius(text);
        if (!c10) {
            FailField(name, text,
                      "is not a temperature in degrees Celsius with at most one decimal");
        }
        if (*c10 < kColdestTenthsCelsius || *c10 > kHottestTenthsCelsius) {
            FailField(name, text, "is outside the accepted range -90.0 to 60.0 degrees Celsius");
        }
        return *c10;
    }

    void AddRow(const ParsedRow& row) {
        const int count = static_cast<int>(weather_.hours.size());
        const HourOfYear got{row.reading.month, row.reading.day, row.reading.hour};
        if (count == kHoursPerYear) {
            Fail("a row after 12/31 24:00; a year of hourly weather has exactly 8760 rows");
        }
        const HourOfYear expected = NthHourOfYear(count);
        if (got != expected) {
            const FieldText& field = got.month != expected.month ? row.month_field
                                     : got.day != expected.day   ? row.day_field
                                                                 : row.hour_field;
            if (count == 0) {
                FailField(field.name, field.text,
                          "does not start the year: the first row must be 01/01 01:00, it reads " +
                              FormatHourOfYear(got));
            }
            FailField(field.name, field.text,
                      "is out of sequence: the row reads " + FormatHourOfYear(got) + " but after " +
                          FormatHourOfYear(NthHourOfYear(count - 1)) + " comes " +
                          FormatHourOfYear(expected) +
                          " (an hour is missing, repeated or out of order)");
        }
        weather_.hours.push_back(row.reading);
        weather_.stamps.push_back(row.stamp);
    }

    HourlyWeather Finish() {
        const int count = static_cast<int>(weather_.hours.size());
        if (count == 0) {
            Fail("the file ends without any hourly rows");
        }
        if (count < kHoursPerYear) {
            Fail("the file ends after " + std::to_string(count) + " hours, at " +
                 FormatHourOfYear(NthHourOfYear(count - 1)) +
                 "; a year of hourly weather runs through 12/31 24:00 (8760 hours)");
        }
        return std::move(weather_);
    }

  private:
    HourlyWeather weather_;
};

bool IsBlankLine(std::string_view line) {
    return TrimBlanks(line).empty();
}

constexpr std::string_view kTmy3HeaderAdvice = "; a TMY3 CSV file names its columns on line 2";

HourlyWeather ReadTmy3(WeatherReader& reader) {
    // Line 1, the station line, has been read; line 2 names the columns.
    std::string line;
    if (!reader.NextLine(line)) {
        reader.Fail("the file ends before the column header on line 2 of a TMY3 CSV file");
    }
    const std::vector<std::string> header = SplitCsvLine(line);
    const std::size_t date_column = FindColumn(reader, header, kTmy3DateColumn, kTmy3HeaderAdvice);
    const std::size_t time_column = FindColumn(reader, header, kTmy3TimeColumn, kTmy3HeaderAdvice);
    const std::size_t dry_bulb_column =
        FindColumn(reader, header, kTmy3DryBulbColumn, kTmy3HeaderAdvice);
    const std::pair<std::size_t, std::string_view> columns[] = {
        {date_column, kTmy3DateColumn},
        {time_column, kTmy3TimeColumn},
        {dry_bulb_column, kTmy3DryBulbColumn}};

    while (reader.NextLine(line)) {
        if (IsBlankLine(line)) {
            continue;
        }
        const std::vector<std::string> fields = SplitCsvLine(line);
        for (const auto& [column, name] : columns) {
            if (column >= fields.size()) {
                reader.Fail("field '" + std::string(name) + "' is missing: the row has " +
                            std::to_string(fields.size()) + " of the header's " +
                            std::to_string(header.size()) + " fields");
            }
        }
        const std::string& date_text = fields[date_column];
        const std::string& time_text = fields[time_column];
        std::optional<MonthDay> date = ParseCsvDate(date_text);
        if (!date) {
            reader.FailField(kTmy3DateColumn, date_text,
                             "is not a date MM/DD/YYYY of a 365-day year (no 29 February)");
        }
        std::optional<int> hour = ParseCsvTime(time_text);
        if (!hour) {
            reader.FailField(kTmy3TimeColumn, time_text,
                             "is not an hour-ending time from 01:00 to 24:00");
        }
        const int c10 = reader.ParseTemperature(kTmy3DryBulbColumn, fields[dry_bulb_column]);
        reader.AddRow(
            ParsedRow{HourlyReading{date->month, date->day, *hour, c10},
                      FieldText{kTmy3DateColumn, date_text}, FieldText{kTmy3DateColumn, date_text},
                      FieldText{kTmy3TimeColumn, time_text}, HourStamp{date_text, time_text}});
    }
    return reader.Finish();
}

HourlyWeather ReadEpw(WeatherReader& reader) {
    // Line 1, the LOCATION line, has been read; seven more header lines end with DATA PERIODS.
    std::string line;
    for (int line_number = 2; line_number <= kEpwHeaderLines; ++line_number) {
        if (!reader.NextLine(line)) {
            reader.Fail("the file ends within the 8 header lines of an EPW file");
        }
    }
    if (!line.starts_with("DATA PERIODS,")) {
        reader.Fail("expected the DATA PERIODS line that ends the 8 header lines of an EPW file");
    }

    while (reader.NextLine(line)) {
        if (IsBlankLine(line)) {
            continue;
        }
        const std::vector<std::string> fields = SplitCsvLine(line);
        if (fields.size() <= kEpwDryBulbField) {
            reader.Fail("field '" + std::string(kEpwDryBulbName) + "' is missing: the row has " +
                        std::to_string(fields.size()) + " fields");
        }
        const std::string& month_text = fields[kEpwMonthField];
        const std::string& day_text = fields[kEpwDayField];
        const std::string& hour_text = fields[kEpwHourField];
        std::optional<int> month = ParseWholeNumber(month_text);
        if (!month || DaysInMonth(*month) == 0) {
            reader.FailField(kEpwMonthName, month_text, "is not a month from 1 to 12");
        }
        std::optional<int> day = ParseWholeNumber(day_text);
        if (!day || !IsDayOfYear(*month, *day)) {
            reader.FailField(kEpwDayName, day_text,
                             "is not a day of month " + std::to_string(*month) + ", from 1 to " +
                                 std::to_string(DaysInMonth(*month)) + " in a 365-day year");
        }
        std::optional<int> hour = ParseWholeNumber(hour_text);
        if (!hour || *hour < 1 || *hour > kHoursPerDay) {
            reader.FailField(kEpwHourName, hour_text, "is not an hour-ending hour from 1 to 24");
        }
        const int c10 = reader.ParseTemperature(kEpwDryBulbName, fields[kEpwDryBulbField]);
        reader.AddRow(
            ParsedRow{HourlyReading{*month, *day, *hour, c10}, FieldText{kEpwMonthName, month_text},
                      FieldText{kEpwDayName, day_text}, FieldText{kEpwHourName, hour_text},
                      HourStamp{month_text + "/" + day_text + "/" + fields[kEpwYearField],
                                hour_text + ":00"}});
    }
    return reader.Finish();
}

}  // namespace

HourlyWeather ReadWeatherFile(const std::filesystem::path& path) {
    WeatherReader reader(path);
    std::string first_line;
    if (!reader.NextLine(first_line)) {
        reader.FailWholeFile("the file is empty; expected a TMY3 CSV or EPW weather file");
    }
    if (first_line.starts_with("LOCATION,")) {
        return ReadEpw(reader);
    }
    return ReadTmy3(reader);
}

}  // namespace heatwise::climate
