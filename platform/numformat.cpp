#include "platform/numformat.h"
#include "platform/extended.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <type_traits>
#include <locale.h>

namespace platform {
namespace {

std::string& separatorStorage() {
  static std::string separator = ".";
  return separator;
}

std::string& groupStorage() {
  static std::string separator = ".";
  return separator;
}

std::string replacePoint(std::string text, std::string_view separator) {
  const auto dot = text.find('.');
  if (dot != std::string::npos) text.replace(dot, 1, separator);
  return text;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string_view trim(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The C library's printf in the "C" locale, not std::to_chars: some standard libraries
// lack to_chars for long double (emscripten's) or round it through double (libc++).
// printf converts exactly wherever we run, and libstdc++'s to_chars for long double is
// printf, so x86-64 keeps its digits. The locale is switched for this thread only,
// because Qt sets the C library's from the environment.
template <std::size_t N>
int print(char (&buffer)[N], Extended value, bool scientific, int decimals) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
  const locale_t previous = uselocale(cLocale);
  int n = 0;
  if constexpr (std::is_same_v<Extended, double>) {
    n = scientific ? std::snprintf(buffer, N, "%.*e", decimals, value)
                   : std::snprintf(buffer, N, "%.*f", decimals, value);
  } else {
    const long double v = value;
    n = scientific ? std::snprintf(buffer, N, "%.*Le", decimals, v)
                   : std::snprintf(buffer, N, "%.*Lf", decimals, v);
  }
  uselocale(previous);
  return n > 0 && std::size_t(n) < N ? n : 0;
}

// Up to 15 significant digits every double shows as they were meant; asked for more,
// printf would go on into the binary value's expansion and invent digits (0.1 as
// 0.100000000000000006). Its shortest decimal that reads back as the same double
// (at most 17 digits, found by printf as well) is padded with zeros instead.
// Returns the decimals to print before padding: `decimals` or fewer.
[[maybe_unused]] int meaningfulDecimals(double value, bool scientific, int decimals) {
  if (!std::isfinite(value) || value == 0) return decimals;
  if (scientific ? decimals < 15 : std::fabs(value) * std::pow(10.0, decimals) < 1e14)
    return decimals;
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
  char text[40];
  int digits = 15;
  for (;; ++digits) {
    print(text, value, true, digits - 1);
    if (digits == 17 || strtod_l(text, nullptr, cLocale) == value) break;
  }
  const char* e = std::strchr(text, 'e');
  if (e == nullptr) return decimals;
  int exponent = 0;
  std::from_chars(e + (e[1] == '+' ? 2 : 1), text + std::strlen(text), exponent);
  for (const char* d = e - 1; *d == '0'; --d) --digits;  // the mantissa's trailing zeros
  const int needed = std::max(scientific ? digits - 1 : digits - 1 - exponent, 0);
  return std::min(needed, decimals);
}

template <std::size_t N>
std::string_view write(char (&buffer)[N], Extended value, bool scientific, int decimals) {
  if constexpr (std::is_same_v<Extended, double>) {
    const int printed = meaningfulDecimals(value, scientific, decimals);
    const int n = print(buffer, value, scientific, printed);
    if (printed == decimals || n == 0) return {buffer, std::size_t(n)};
    // The zeros go before the exponent, the point first if printf wrote none.
    std::string_view text(buffer, std::size_t(n));
    const std::size_t at = scientific ? text.find('e') : text.size();
    std::string padding = printed == 0 ? "." : "";
    padding.append(std::size_t(decimals - printed), '0');
    if (std::size_t(n) + padding.size() >= N) return {buffer, 0};
    std::memmove(buffer + at + padding.size(), buffer + at, std::size_t(n) - at);
    std::memcpy(buffer + at, padding.data(), padding.size());
    return {buffer, std::size_t(n) + padding.size()};
  } else {
    return {buffer, std::size_t(print(buffer, value, scientific, decimals))};
  }
}

}  // namespace

const std::string& decimalSeparator() { return separatorStorage(); }
void setDecimalSeparator(std::string separator) {
  separatorStorage() = separator.empty() ? std::string(".") : std::move(separator);
}

const std::string& groupSeparator() { return groupStorage(); }
void setGroupSeparator(std::string separator) { groupStorage() = std::move(separator); }

std::string groupedInteger(std::uint64_t value) {
  std::string digits = std::to_string(value);
  for (auto i = static_cast<std::ptrdiff_t>(digits.size()) - 3; i > 0; i -= 3)
    digits.insert(static_cast<std::size_t>(i), groupSeparator());
  return digits;
}

std::string formatFixed(Extended value, int decimals, int precision,
                        std::string_view separator) {
  decimals = std::clamp(decimals, 0, 60);
  precision = std::clamp(precision, 1, 30);
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

  char buffer[128];
  // The decimal exponent after rounding to `precision` significant digits tells
  // how many digits the integer part has.
  std::string_view scientific =
      write(buffer, value, true, precision - 1);
  int exponent = 0;
  if (const auto e = scientific.find('e'); e != std::string_view::npos) {
    const char* digits = scientific.data() + e + 1;
    if (*digits == '+') ++digits;  // from_chars takes a minus sign only
    std::from_chars(digits, scientific.data() + scientific.size(), exponent);
  }
  const bool zero = value == 0;
  const int integerDigits = zero ? 1 : exponent + 1;

  if (integerDigits > precision) {
    std::string text(scientific);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return replacePoint(std::move(text), separator);
  }
  const int allowed = std::min(decimals, precision - std::max(integerDigits, 0));
  std::string text(write(buffer, value, false, std::max(allowed, 0)));
  if (allowed < decimals) {
    if (allowed <= 0) text += '.';
    text.append(std::size_t(decimals - std::max(allowed, 0)), '0');
  }
  if (decimals == 0 && !text.empty() && text.back() == '.') text.pop_back();
  if (!text.empty() && text.front() == '-' &&
      std::none_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; })) {
    text.erase(0, 1);
  }
  return replacePoint(std::move(text), separator);
}

std::string formatFixed(Extended value, int decimals, int precision) {
  return formatFixed(value, decimals, precision, decimalSeparator());
}

DegreesMinutesText formatDegreesMinutes(int degrees, Extended minutes, int decimals, int precision,
                                        int maxDegrees, std::string_view separator) {
  std::string text = formatFixed(minutes, decimals, precision, separator);
  // Decided on the text, so that it agrees with the digits shown to the last one.
  const std::optional<Extended> shown = parseDecimal(text, separator);
  if (shown && *shown >= 60 && degrees < maxDegrees)
    return {degrees + 1, formatFixed(0, decimals, precision, separator)};
  return {degrees, std::move(text)};
}

std::optional<Extended> parseDecimal(std::string_view text, std::string_view separator) {
  text = trim(text);
  if (separator.empty()) separator = ".";
  // Validate the shape first, then hand a normalised copy to strtold, so that
  // neither "1.5" under a comma locale nor hex floats, "inf" or "nan" slip through.
  std::string normal;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) normal += text[i++];
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i])) normal += text[i++], ++digits;
  if (text.substr(i).starts_with(separator)) {
    i += separator.size();
    normal += '.';
    while (i < text.size() && isDigit(text[i])) normal += text[i++], ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    normal += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) normal += text[i++];
    std::size_t expDigits = 0;
    while (i < text.size() && isDigit(text[i])) normal += text[i++], ++expDigits;
    if (expDigits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  // strtold_l with the "C" locale: plain strtold follows the C library's locale,
  // which Qt sets from the environment, and would stop at the point under a German one.
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
  errno = 0;
  Extended value = 0;
  if constexpr (std::is_same_v<Extended, double>)
    value = strtod_l(normal.c_str(), nullptr, cLocale);  // rounded once, not via long double
  else
    value = strtold_l(normal.c_str(), nullptr, cLocale);
  if (errno == ERANGE && std::isinf(value)) return std::nullopt;
  return value;
}

std::optional<Extended> parseDecimal(std::string_view text) {
  return parseDecimal(text, decimalSeparator());
}

std::optional<int> parseInteger(std::string_view text) {
  text = trim(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (!isDigit(text[i])) return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max()) return std::nullopt;
  return int(value);
}

}  // namespace platform
