#pragma once
#include "platform/extended.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The locale's decimal separator as the user interface has set it; "." until then.
const std::string& decimalSeparator();
void setDecimalSeparator(std::string separator);
// The separator of thousands in counts; "." (German) until the user interface sets another.
const std::string& groupSeparator();
void setGroupSeparator(std::string separator);
// A count with its thousands separated: 10.000.
std::string groupedInteger(std::uint64_t value);

// Rounds value to `precision` significant digits (and to at most `decimals`
// decimals), then writes it in fixed-point notation with exactly `decimals`
// decimals. When the integer part has more digits than `precision`, the value is
// written in scientific notation with `precision` significant digits instead.
// A value that rounds to zero is written without a minus sign.
std::string formatFixed(Extended value, int decimals, int precision,
                        std::string_view separator);
std::string formatFixed(Extended value, int decimals, int precision);

// Degrees and minutes as written with `decimals` decimals of the minutes. Minutes
// that round to 60 are written as 0 of the next degree, up to `maxDegrees`; the
// value itself is left as it is.
struct DegreesMinutesText {
  int degrees;
  std::string minutes;
};
DegreesMinutesText formatDegreesMinutes(int degrees, Extended minutes, int decimals, int precision,
                                        int maxDegrees, std::string_view separator);

// Reads a decimal number written with `separator`: surrounding blanks, a sign and
// an exponent are allowed, nothing else. Empty for text that is not a number.
std::optional<Extended> parseDecimal(std::string_view text, std::string_view separator);
std::optional<Extended> parseDecimal(std::string_view text);

// Reads a whole number (surrounding blanks and a sign allowed) in the 32-bit range.
std::optional<int> parseInteger(std::string_view text);

}  // namespace platform
