// Splitting comma-separated lines and reading the numbers of weather and station files.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace heatwise::climate {

// The fields of one comma-separated line, blanks trimmed and enclosing quotes removed.
std::vector<std::string> SplitCsvLine(std::string_view line);

// The text without leading and trailing blanks, tabs and carriage returns.
std::string_view TrimBlanks(std::string_view text);

// A plain non-negative whole number of at most nine digits, or nothing.
std::optional<int> ParseWholeNumber(std::string_view text);

// A temperature in degrees Celsius with an optional sign and at most one decimal, as an exact
// count of tenths of a degree ("-12.5" gives -125, "7" gives 70), or nothing. Very long numbers
// give nothing rather than wrapping around.
std::optional<int> ParseTenthsCelsius(std::string_view text);

// A date "MM/DD/YYYY" (month and day may have one digit) of the 365-day year, or nothing.
struct MonthDay {
    int month;
    int day;
};
std::optional<MonthDay> ParseCsvDate(std::string_view text);

// An hour-ending time "HH:00" from 01:00 to 24:00 as its hour 1..24, or nothing.
std::optional<int> ParseCsvTime(std::string_view text);

}  // namespace heatwise::climate
