#include "platform/numformat.h"
#include "platform/extended.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <random>
#include <string>
#include <type_traits>

#if defined(__GLIBCXX__)
#include <algorithm>
#include <charconv>
#endif

using platform::formatFixed;
using platform::parseDecimal;
using platform::parseInteger;

namespace {

// Switches the C library's number conversions to a German locale, as Qt does on start
// from the environment. Built with localedef when the machine has none installed.
class GermanCLocale {
 public:
  GermanCLocale() : previous_(std::setlocale(LC_NUMERIC, nullptr)) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
      if (use(name)) return;
    std::string dir = (std::filesystem::temp_directory_path() / "ortivo-locale-XXXXXX").string();
    if (!mkdtemp(dir.data())) return;
    dir_ = dir;
    const std::string command = "localedef -i de_DE -f UTF-8 '" + dir + "/de_DE.UTF-8' >/dev/null 2>&1";
    (void)std::system(command.c_str());  // warnings give a non-zero status; try it anyway
    setenv("LOCPATH", dir.c_str(), 1);
    use("de_DE.UTF-8");
  }
  ~GermanCLocale() {
    std::setlocale(LC_NUMERIC, previous_.c_str());
    if (!dir_.empty()) {
      unsetenv("LOCPATH");
      std::error_code ignored;
      std::filesystem::remove_all(dir_, ignored);
    }
  }
  bool active() const { return active_; }

 private:
  bool use(const char* name) {
    active_ = std::setlocale(LC_NUMERIC, name) && std::localeconv()->decimal_point == std::string(",");
    return active_;
  }
  std::string previous_;
  std::string dir_;
  bool active_ = false;
};

}  // namespace

TEST(NumberTexts, IgnoreTheCLibraryLocale) {
  GermanCLocale german;
  if (!german.active()) GTEST_SKIP() << "no German locale and no localedef to build one";
  EXPECT_EQ(parseDecimal("6371,5", ","), 6371.5L);
  EXPECT_EQ(parseDecimal("-0,25e1", ","), -2.5L);
  EXPECT_EQ(parseDecimal("0.75", "."), 0.75L);
  EXPECT_EQ(formatFixed(6371.25L, 3, 18, "."), "6371.250");
  EXPECT_EQ(formatFixed(-21751.7634L, 3, 18, ","), "-21751,763");
  EXPECT_EQ(formatFixed(12345.6L, 3, 4, "."), "1.235E+04");
}

TEST(FormatFixed, WritesExactlyTheDecimalsWithTheSeparator) {
  EXPECT_EQ(formatFixed(0, 3, 18, ","), "0,000");
  EXPECT_EQ(formatFixed(26554, 3, 18, ","), "26554,000");
  EXPECT_EQ(formatFixed(-21751.7634, 3, 18, ","), "-21751,763");
  EXPECT_EQ(formatFixed(1.5L, 10, 18, "."), "1.5000000000");
  EXPECT_EQ(formatFixed(42, 0, 18, ","), "42");
}

TEST(FormatFixed, RoundsHalfwayOnTheExactBinaryValue) {
  // 0.125 is exact in binary: halves go to even in the last kept digit.
  EXPECT_EQ(formatFixed(0.125L, 2, 18, "."), "0.12");
  EXPECT_EQ(formatFixed(0.375L, 2, 18, "."), "0.38");
  // 2.0005 lies just above the half in the x87 format and just below it in binary128.
  if (std::numeric_limits<long double>::digits == 64) {
    EXPECT_EQ(formatFixed(2.0005L, 3, 18, "."), "2.001");
  } else {
    EXPECT_EQ(formatFixed(2.0005L, 3, 18, "."), "2.000");
    EXPECT_EQ(formatFixed(std::nextafter(2.0005L, 3.0L), 3, 18, "."), "2.001");
  }
}

TEST(FormatFixed, PrecisionLimitsSignificantDigitsBeforeDecimalsArePadded) {
  EXPECT_EQ(formatFixed(1234.5678L, 2, 7, ","), "1234,57");
  EXPECT_EQ(formatFixed(12345.678L, 3, 7, ","), "12345,680");
  EXPECT_EQ(formatFixed(360.00049L, 3, 4, ","), "360,000");
  EXPECT_EQ(formatFixed(9.9996L, 3, 4, ","), "10,000");  // the carry adds an integer digit
  EXPECT_EQ(formatFixed(1234.6L, 3, 4, ","), "1235,000");
  EXPECT_EQ(formatFixed(10999.994L, 2, 7, ","), "10999,99");
}

TEST(FormatFixed, MoreIntegerDigitsThanPrecisionGoScientific) {
  EXPECT_EQ(formatFixed(12345.6L, 3, 4, ","), "1,235E+04");
  EXPECT_EQ(formatFixed(-99999.7L, 2, 4, "."), "-1.000E+05");
  EXPECT_EQ(formatFixed(123456789.0L, 3, 8, ","), "1,2345679E+08");
  EXPECT_EQ(formatFixed(99999999.0L, 3, 8, ","), "99999999,000");
}

TEST(FormatFixed, EachTextIsReadOnlyAsFarAsItWasWritten) {
  // A long text first leaves digits behind in the working buffer; they must not
  // lengthen the exponent of the shorter texts that follow.
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(formatFixed(-1.23456789012345678901234567e-300L, 60, 30, "."),
              "0.000000000000000000000000000000000000000000000000000000000000");
    EXPECT_EQ(formatFixed(21010.59001998269L, 3, 8, ","), "21010,590");
    EXPECT_EQ(formatFixed(123456789.0L, 3, 8, ","), "1,2345679E+08");
  }
}

TEST(FormatFixed, NoNegativeZero) {
  EXPECT_EQ(formatFixed(-0.0L, 3, 18, ","), "0,000");
  EXPECT_EQ(formatFixed(-0.0004L, 3, 18, ","), "0,000");
  EXPECT_EQ(formatFixed(-0.0006L, 3, 18, ","), "-0,001");
}

TEST(FormatFixed, NonFiniteValuesAreNamed) {
  EXPECT_EQ(formatFixed(std::numeric_limits<long double>::quiet_NaN(), 3, 18, ","), "NAN");
  EXPECT_EQ(formatFixed(-std::numeric_limits<long double>::infinity(), 3, 18, ","), "-INF");
}

#if defined(__GLIBCXX__)
// The texts were libstdc++'s to_chars digits until the core had to build where that is
// missing; exact halves (k / 2^m) and arbitrary values of many magnitudes keep them.
TEST(FormatFixed, DigitsAreThoseOfLibstdcxxToChars) {
  if (!std::is_same_v<Extended, long double>) GTEST_SKIP() << "texts of long double values";
  std::mt19937_64 rng(31);
  char buffer[128];
  for (int i = 0; i < 20000; ++i) {
    const bool half = i % 2 == 0;
    const long double fixedValue =
        half ? std::ldexp(static_cast<long double>(rng() >> 42), -int(rng() % 16))
             : std::ldexp(static_cast<long double>(rng()), -int(rng() % 44) - 20);
    const int decimals = int(rng() % 13);
    auto r = std::to_chars(buffer, buffer + 128, fixedValue, std::chars_format::fixed, decimals);
    ASSERT_EQ(formatFixed(fixedValue, decimals, 30, "."), std::string(buffer, r.ptr))
        << static_cast<double>(fixedValue) << " " << decimals;

    const long double large = std::ldexp(static_cast<long double>(rng() | 1), int(rng() % 20) + 4);
    const int precision = 1 + int(rng() % 8);
    r = std::to_chars(buffer, buffer + 128, large, std::chars_format::scientific, precision - 1);
    std::string expected(buffer, r.ptr);
    std::replace(expected.begin(), expected.end(), 'e', 'E');
    ASSERT_EQ(formatFixed(large, 3, precision, "."), expected) << static_cast<double>(large);
  }
}
#endif

// Where Extended is double (the browser page), digits beyond the shortest text that
// reads back as the same double are zeros, not the binary value's expansion; fewer
// digits than that are rounded on the exact value as everywhere.
TEST(FormatFixed, ADoubleShowsNoDigitsItDoesNotHold) {
  if (!std::is_same_v<Extended, double>) GTEST_SKIP() << "only where Extended is double";
  const struct {
    double value;
    int decimals, precision;
    const char* text;
  } cases[] = {
      {0.1, 20, 30, "0.10000000000000000000"},
      {-26554.1, 12, 18, "-26554.100000000000"},
      {697916820.2339356, 10, 30, "697916820.2339356000"},
      {1.0 / 3, 18, 30, "0.333333333333333300"},
      {1.0 / 3, 15, 30, "0.333333333333333"},
      {1e22, 3, 18, "1.00000000000000000E+22"},
      {0x1p60, 0, 18, "1.15292150460684700E+18"},
      {0x1p60, 0, 16, "1.152921504606847E+18"},
      {2.0005, 3, 18, "2.001"},  // the double lies above the half
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatFixed(c.value, c.decimals, c.precision, "."), c.text) << c.value;
}

TEST(FormatFixed, UsesTheInstalledSeparatorByDefault) {
  platform::setDecimalSeparator(",");
  EXPECT_EQ(formatFixed(6371.25L, 2, 7), "6371,25");
  platform::setDecimalSeparator(".");
  EXPECT_EQ(formatFixed(6371.25L, 2, 7), "6371.25");
}

TEST(ParseDecimal, AcceptsTheLocaleFormWithBlanksSignAndExponent) {
  EXPECT_EQ(parseDecimal(" 6371,5 ", ","), 6371.5L);
  EXPECT_EQ(parseDecimal("-0,25", ","), -0.25L);
  EXPECT_EQ(parseDecimal("+12", ","), 12.0L);
  EXPECT_EQ(parseDecimal("1,5e3", ","), 1500.0L);
  EXPECT_EQ(parseDecimal(",5", ","), 0.5L);
  EXPECT_EQ(parseDecimal("5,", ","), 5.0L);
}

TEST(ParseDecimal, RefusesWhatIsNotANumber) {
  for (const char* bad : {"", "  ", "1.5", "1,5,5", "abc", "1e", "e5", ",", "-", "1 5", "inf",
                          "nan", "0x10", "1e99999"}) {
    EXPECT_FALSE(parseDecimal(bad, ",").has_value()) << bad;
  }
  EXPECT_EQ(parseDecimal("1.5", "."), 1.5L);
}

TEST(ParseInteger, WholeNumbersInThe32BitRange) {
  EXPECT_EQ(parseInteger(" 180 "), 180);
  EXPECT_EQ(parseInteger("-2147483648"), -2147483648LL);
  EXPECT_EQ(parseInteger("2147483647"), 2147483647);
  EXPECT_FALSE(parseInteger("2147483648"));
  EXPECT_FALSE(parseInteger("1,5"));
  EXPECT_FALSE(parseInteger(""));
  EXPECT_FALSE(parseInteger("-"));
}

TEST(FormatDegreesMinutes, MinutesThatRoundTo60CarryIntoTheNextDegree) {
  struct Case {
    int degrees;
    long double minutes;
    int decimals, maxDegrees;
    int shownDegrees;
    const char* shownMinutes;
  };
  const Case cases[] = {
      {1, 59.99999999994L, 3, 90, 2, "0,000"},
      {1, 59.99999999999999L, 10, 90, 2, "0,0000000000"},
      {1, 59.9994L, 3, 90, 1, "59,999"},  // rounds below 60: stays
      {179, 59.9999999L, 3, 180, 180, "0,000"},
      {89, 59.99999L, 3, 90, 90, "0,000"},
      {0, 0.0L, 10, 180, 0, "0,0000000000"},
  };
  for (const Case& c : cases) {
    const auto shown = platform::formatDegreesMinutes(c.degrees, c.minutes, c.decimals, 18,
                                                      c.maxDegrees, ",");
    EXPECT_EQ(shown.degrees, c.shownDegrees) << c.degrees << " " << double(c.minutes);
    EXPECT_EQ(shown.minutes, c.shownMinutes) << c.degrees << " " << double(c.minutes);
  }
}
