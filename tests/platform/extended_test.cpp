// The platform's Extended arithmetic, where one platform got it wrong.
#include "platform/extended.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// Emscripten's compiler-rt gave 2 for 1 / (1 - 2^-113) (platform/divtf3.cpp). Quotients
// of significands full of ones, checked through the exact residual of fma.
TEST(ExtendedArithmetic, DivisionIsRoundedToNearest) {
  const Extended belowOne = std::nextafter(Extended(1), Extended(0));
  EXPECT_EQ(1 / belowOne, std::nextafter(Extended(1), Extended(2)));
  std::mt19937_64 rng(113);
  for (int i = 0; i < 2000; ++i) {
    const Extended a = std::ldexp(Extended(1) + Extended(rng() >> 11) * 0x1p-53L, int(rng() % 64) - 32);
    const Extended b = std::ldexp(std::nextafter(Extended(1), Extended(0)) -
                                      Extended(rng() % 8) * (1 - belowOne),
                                  int(rng() % 64) - 32);
    const Extended q = a / b;
    const Extended halfUlp = (std::nextafter(q, Extended(4) * q) - q) / 2;
    ASSERT_LE(std::fabs(std::fma(-q, b, a)), halfUlp * b) << double(a) << " / " << double(b);
  }
}

}  // namespace
