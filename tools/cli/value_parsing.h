// Reading option values the way the form reads its fields: whole numbers and reals checked
// against the form's ranges, with messages that name the option, the value and the range.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/climate_data.h"
#include "engine/input_defaults.h"
#include "engine/printable_text.h"

namespace heatwise::cli {

// A command line that cannot be carried out: a bad option, a missing value, a value outside
// its range. The program reports it and stops with exit status 2, computing nothing.
// The message shows the bytes of the text it quotes escaped where they cannot be read, so that
// it is whole even past a NUL.
class UsageError : public std::runtime_error {
  public:
    explicit UsageError(const std::string& message) : std::runtime_error(PrintableText(message)) {}
};

// Whether a range's words end with its exact single-precision limits.
enum class RangeDetail { kWords, kWithLimits };

// The accepted values of a real field in words. Bounds that lie just inside their decimal text
// say so ("above 0.05 and below 0.35"), so a refused 0.05 is not a riddle.
std::string DescribeRange(const RealRange& range, RangeDetail detail = RangeDetail::kWithLimits);
std::string DescribeRange(const IntegerRange& range);

// A whole number (optional sign, digits) inside `range`.
std::int32_t ParseWholeNumber(std::string_view option, std::string_view text,
                              const IntegerRange& range);

// A decimal number read in double precision and compared with the range's bounds widened
// exactly to double, kept in double precision, as the heat pump's model takes its inputs.
double ParseDouble(std::string_view option, std::string_view text, const RealRange& range);

// A decimal number read in double precision and compared with the range's single-precision
// bounds widened exactly to double, as the form compares typed text; the value is then kept in
// single precision, as the form hands it to the calculation.
float ParseReal(std::string_view option, std::string_view text, const RealRange& range);

// Three whole numbers separated by commas, one per shift, each inside `range`.
std::array<std::int32_t, kShiftCount> ParseShiftTriple(std::string_view option,
                                                       std::string_view text,
                                                       const IntegerRange& range);

// A city by its number 1..211 or its list text (see FindCities); a text that names several
// entries or none is refused.
int ParseCity(std::string_view option, std::string_view text);

}  // namespace heatwise::cli
