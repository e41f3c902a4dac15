#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "geometry/vektorR3clss.h"

namespace geometry_test {

// Compares in long double; EXPECT_NEAR would round to double first and lose the
// last bits that the extended format keeps.
inline ::testing::AssertionResult closeTo(long double actual, long double expected, long double tolerance) {
  if (std::fabs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
  std::ostringstream out;
  out.precision(21);
  out << actual << " differs from " << expected << " by " << std::fabs(actual - expected) << " > "
      << tolerance;
  return ::testing::AssertionFailure() << out.str();
}

inline ::testing::AssertionResult closeTo(TVektorR3 actual, TVektorR3 expected, long double tolerance) {
  if (std::fabs(actual.x - expected.x) <= tolerance && std::fabs(actual.y - expected.y) <= tolerance &&
      std::fabs(actual.z - expected.z) <= tolerance)
    return ::testing::AssertionSuccess();
  std::ostringstream out;
  out.precision(21);
  out << "(" << actual.x << ", " << actual.y << ", " << actual.z << ") is not within " << tolerance << " of ("
      << expected.x << ", " << expected.y << ", " << expected.z << ")";
  return ::testing::AssertionFailure() << out.str();
}

inline ::testing::AssertionResult closeTo(TVektorR2 actual, TVektorR2 expected, long double tolerance) {
  return closeTo(TVektorR3{actual.x, actual.y, 0}, TVektorR3{expected.x, expected.y, 0}, tolerance);
}

}  // namespace geometry_test
