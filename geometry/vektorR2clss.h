#pragma once

// Vector records shared by the plane and the spatial calculator, their common
// base class TEuklidGeo and the plane calculator TEuklidGeoR2.

#include <cstdint>
#include <limits>
#include <string_view>

// All geometry is done in the 80-bit x87 format; the tolerances below assume its
// 64-bit significand.
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the 80-bit extended format");

// A point or direction in space.
struct TVektorR3 {
  long double x = 0;
  long double y = 0;
  long double z = 0;
  friend bool operator==(const TVektorR3&, const TVektorR3&) = default;
};

// A point or direction in the plane.
struct TVektorR2 {
  long double x = 0;
  long double y = 0;
  friend bool operator==(const TVektorR2&, const TVektorR2&) = default;
};

// 3x3 matrix stored by columns: e1, e2, e3 form the first column.
struct TMatrixR3 {
  long double e1 = 0, e2 = 0, e3 = 0;
  long double e4 = 0, e5 = 0, e6 = 0;
  long double e7 = 0, e8 = 0, e9 = 0;
  friend bool operator==(const TMatrixR3&, const TMatrixR3&) = default;
};

// Tolerances of the whole geometry library.
namespace geometry_tolerance {
// Null vectors, parallel tests on dot products, snapping of rotation results.
inline constexpr long double zero = 1e-16L;
// Whether figures touch, a point lies on a figure, two lengths are the same.
inline constexpr long double equal = 1e-10L;
}  // namespace geometry_tolerance

// The operations the plane and the spatial calculator share. Stateless.
class TEuklidGeo {
 public:
  // abs(a) <= 1e-16.
  static bool isZero(long double a) noexcept;
  // Relative comparison: abs(a - b) <= max(min(abs(a), abs(b)) * 1e-16, 1e-16).
  static bool sameValue(long double a, long double b) noexcept;
  // Absolute comparison: abs(a - b) <= 1e-10.
  static bool isEqual(long double a, long double b) noexcept;

  // True when u and v are linearly independent. lambda receives the factor that
  // would map v onto u (unless one of them is a null vector).
  static bool areIndependent(TVektorR3 u, TVektorR3 v, long double& lambda) noexcept;

  static bool isNullVectorR2(TVektorR2 v) noexcept;
  static bool isNullVectorR3(TVektorR3 v) noexcept;
  static TVektorR2 vectorR2(long double x, long double y) noexcept { return {x, y}; }
  static TVektorR3 vectorR3(long double x, long double y, long double z) noexcept {
    return {x, y, z};
  }
  static TVektorR2 differenceR2(TVektorR2 p, TVektorR2 q) noexcept { return {p.x - q.x, p.y - q.y}; }
  static TVektorR3 differenceR3(TVektorR3 p, TVektorR3 q) noexcept {
    return {p.x - q.x, p.y - q.y, p.z - q.z};
  }
  static bool samePointR2(TVektorR2 p, TVektorR2 q) noexcept {
    return isNullVectorR2(differenceR2(p, q));
  }
};

// The plane calculator. Its only state is the last reported error and whether
// errors are also shown to the user.
class TEuklidGeoR2 : public TEuklidGeo {
 public:
  explicit TEuklidGeoR2(bool showErrors = false) noexcept : showErrors_(showErrors) {}

  // Text of the last reported error; empty until one is reported, never cleared.
  std::string_view lastError() const noexcept { return lastError_; }
  bool showErrors() const noexcept { return showErrors_; }

  // Stores the text of `code` in lastError and, with showErrors, shows it as an
  // error message.
  void reportError(int code);
  // The text of `code` in this calculator's message table; empty when it has none.
  static const char* messageText(int code) noexcept;

 private:
  // Points into the static message table, so that storing it never allocates.
  const char* lastError_ = "";
  bool showErrors_;
};
