// The stream's 10-byte extended floats, coded by value: the same bytes on every platform,
// exact where the platform's type is wide enough, rounded to nearest where it is not.
#include "containers/streamClss.h"

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

using Image = std::array<std::uint8_t, 10>;
using L = std::numeric_limits<long double>;

Image image(bool negative, int exponent, std::uint64_t significand) {
  Image b{};
  for (int i = 0; i < 8; ++i) b[i] = std::uint8_t(significand >> (8 * i));
  b[8] = std::uint8_t(exponent);
  b[9] = std::uint8_t((exponent >> 8) | (negative ? 0x80 : 0));
  return b;
}

template <class T>
Image encoded(T value) {
  Image b{};
  extended10::encode(value, b.data());
  return b;
}

template <class T>
T decoded(const Image& b) {
  return extended10::decode<T>(b.data());
}

// Same value and same sign (zeros), or both NaN with the same sign.
template <class T>
::testing::AssertionResult same(T expected, T got) {
  if (std::signbit(expected) == std::signbit(got) &&
      (expected == got || (std::isnan(expected) && std::isnan(got))))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "expected " << double(expected) << ", got "
                                       << double(got);
}

constexpr std::uint64_t kTop = std::uint64_t{1} << 63;

// Values the format holds, with their bytes: every platform type here (x87, binary128)
// holds them, so each is written to these bytes and read back to itself.
struct FormatCase {
  const char* what;
  long double value;
  Image bytes;
};

std::vector<FormatCase> formatCases() {
  return {
      {"zero", 0.0L, image(false, 0, 0)},
      {"negative zero", -0.0L, image(true, 0, 0)},
      {"one", 1.0L, image(false, 16383, kTop)},
      {"minus two", -2.0L, image(true, 16384, kTop)},
      {"a third to 64 bits", std::ldexp(static_cast<long double>(0xAAAAAAAAAAAAAAABull), -65),
       image(false, 16381, 0xAAAAAAAAAAAAAAABull)},
      {"largest", std::ldexp(static_cast<long double>(~std::uint64_t{0}), 16320),
       image(false, 0x7FFE, ~std::uint64_t{0})},
      {"smallest normal", std::ldexp(1.0L, -16382), image(false, 1, kTop)},
      {"largest denormal", -std::ldexp(static_cast<long double>(kTop - 1), -16445),
       image(true, 0, kTop - 1)},
      {"smallest denormal", std::ldexp(1.0L, -16445), image(false, 0, 1)},
      {"infinity", L::infinity(), image(false, 0x7FFF, kTop)},
      {"minus infinity", -L::infinity(), image(true, 0x7FFF, kTop)},
      {"NaN", L::quiet_NaN(), image(false, 0x7FFF, kTop | kTop >> 1)},
      {"negative NaN", -L::quiet_NaN(), image(true, 0x7FFF, kTop | kTop >> 1)},
  };
}

TEST(Extended10, FormatValuesHaveTheirBytesAndComeBackExactly) {
  for (const FormatCase& c : formatCases()) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(encoded(c.value), c.bytes);
    EXPECT_TRUE(same(c.value, decoded<long double>(c.bytes)));
  }
}

// Any image of the format read and written again gives the same bytes (unnormals and
// pseudo-NaNs aside, which no writer makes).
TEST(Extended10, RandomImagesRoundTripByteForByte) {
  std::mt19937_64 rng(10);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t bits = rng();
    const int exponent = int(bits % 0x7FFF);  // finite
    std::uint64_t significand = rng();
    if (exponent != 0) significand |= kTop;
    else significand &= ~kTop;
    const Image b = image(bits >> 63, exponent, significand);
    ASSERT_EQ(encoded(decoded<long double>(b)), b) << exponent << " " << significand;
  }
}

// Where the platform's type is wider than 64 bits, writing rounds to nearest, ties to
// even, and a value the format can not hold is refused rather than written as infinity.
TEST(Extended10, WiderValuesRoundToNearestEven) {
  if constexpr (L::digits <= 64) {
    GTEST_SKIP() << "long double has no bits beyond the format's 64 here";
  } else {
    const long double ulp = std::ldexp(1.0L, -63);  // at 1
    const struct {
      long double value;
      Image bytes;
    } cases[] = {
        {1 + ulp / 2, image(false, 16383, kTop)},                              // tie, even
        {1 + ulp + ulp / 2, image(false, 16383, kTop + 2)},                    // tie, up
        {1 + ulp / 2 + ulp / 1024, image(false, 16383, kTop + 1)},             // above half
        {2 - ulp / 4, image(false, 16384, kTop)},                              // carries
        {-std::ldexp(3.0L, -16446), image(true, 0, 2)},                        // denormal tie
        {std::ldexp(1.0L, -16446), image(false, 0, 0)},                        // to zero
        {-std::ldexp(1.0L, -16446), image(true, 0, 0)},
        {std::ldexp(static_cast<long double>(kTop) - 0.5L, -16445), image(false, 1, kTop)},
    };
    for (const auto& c : cases) EXPECT_EQ(encoded(c.value), c.bytes) << double(c.value);
    EXPECT_THROW(encoded(L::max()), EWriteError);
    EXPECT_NO_THROW(encoded(std::ldexp(static_cast<long double>(~std::uint64_t{0}), 16320)));
  }
}

// A narrower type (double, float) reads the format rounded to nearest, ties to even,
// down into its denormals; what it can not hold is a read error, not an infinity.
TEST(Extended10, NarrowerTypesRoundAndRefuseWhatTheyCanNotHold) {
  const std::uint64_t halfUlp = std::uint64_t{1} << 10;  // of a double's 53 bits at 1
  const struct {
    Image bytes;
    double expected;
  } cases[] = {
      {image(false, 16383, kTop | halfUlp), 1.0},                                 // tie, even
      {image(false, 16383, kTop | 3 * halfUlp), 1.0 + 4 * DBL_EPSILON / 2},       // tie, up
      {image(false, 16383, kTop | halfUlp | 1), 1.0 + DBL_EPSILON},               // above
      {image(true, 16383 + 1023, ~std::uint64_t{0} - halfUlp), -DBL_MAX},        // just below
      {image(false, 16383 - 1075, kTop), 0.0},                                    // tie to zero
      {image(true, 16383 - 1075, kTop | 1), -std::ldexp(1.0, -1074)},
      {image(false, 16383 - 1074, kTop | kTop >> 1), 2 * std::ldexp(1.0, -1074)}, // tie, even
      {image(false, 0, 1), 0.0},
      {image(true, 0x7FFF, kTop), -HUGE_VAL},
  };
  for (const auto& c : cases) EXPECT_TRUE(same(c.expected, decoded<double>(c.bytes)));
  EXPECT_TRUE(std::isnan(decoded<double>(image(false, 0x7FFF, kTop | 1))));
  for (const Image& b : {image(false, 16383 + 1024, kTop),                          // 2^1024
                         image(true, 16383 + 1023, ~std::uint64_t{0} - halfUlp + 1),  // rounds up
                         image(false, 0x7FFE, kTop)}) {
    EXPECT_THROW(decoded<double>(b), EReadError);
  }
  EXPECT_EQ(decoded<float>(image(false, 16383 + 127, kTop)), std::ldexp(1.0f, 127));
  EXPECT_THROW(decoded<float>(image(false, 16383 + 128, kTop)), EReadError);
}

// Every double, denormals included, is written exactly and read back to itself.
TEST(Extended10, DoublesRoundTrip) {
  std::mt19937_64 rng(53);
  for (int i = 0; i < 20000; ++i) {
    std::uint64_t bits = rng();
    if (i % 4 == 0) bits &= 0x800FFFFFFFFFFFFFull;  // a denormal
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (std::isnan(d)) continue;
    ASSERT_TRUE(same(d, decoded<double>(encoded(d)))) << bits;
    ASSERT_TRUE(same(static_cast<long double>(d), decoded<long double>(encoded(d))));
  }
}

// x86-64: the encoder gives exactly the memory image the files held when the stream
// copied it, and the decoder the value such an image held.
TEST(Extended10, X87ImageIsTheMemoryImage) {
#if defined(__x86_64__)
  static_assert(L::digits == 64 && L::max_exponent == 16384, "x87 extended");
  std::mt19937_64 rng(87);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t bits = rng();
    const int exponent = int(bits % 0x8000);
    std::uint64_t significand = rng();
    if (exponent != 0) significand |= kTop;
    else significand &= ~kTop;
    if (exponent == 0x7FFF) significand = i % 2 ? kTop : kTop | kTop >> 1;
    const Image b = image(bits >> 63, exponent, significand);
    long double v = 0;
    std::memcpy(&v, b.data(), 10);
    ASSERT_EQ(encoded(v), b);
    const long double back = decoded<long double>(b);
    ASSERT_EQ(std::memcmp(&back, &v, 10), 0);
  }
#else
  GTEST_SKIP() << "only x86-64 kept the x87 image in memory";
#endif
}

}  // namespace
