#pragma once
#include "platform/extended.h"

// Vector records shared by the plane and the spatial calculator, their common
// base class TEuklidGeo and the plane calculator TEuklidGeoR2.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

// The tolerances below were chosen for the x87 format's 64-bit significand; a wider
// type (binary128) keeps them, since it only adds digits.

// A point or direction in space.
struct TVektorR3 {
  Extended x = 0;
  Extended y = 0;
  Extended z = 0;
  friend bool operator==(const TVektorR3&, const TVektorR3&) = default;
};

// A point or direction in the plane.
struct TVektorR2 {
  Extended x = 0;
  Extended y = 0;
  friend bool operator==(const TVektorR2&, const TVektorR2&) = default;
};

// 3x3 matrix stored by columns: e1, e2, e3 form the first column.
struct TMatrixR3 {
  Extended e1 = 0, e2 = 0, e3 = 0;
  Extended e4 = 0, e5 = 0, e6 = 0;
  Extended e7 = 0, e8 = 0, e9 = 0;
  friend bool operator==(const TMatrixR3&, const TMatrixR3&) = default;
};

// Tolerances of the whole geometry library.
namespace geometry_tolerance {
// The tolerances were made for the x87 format's 64 bits and are about its rounding at
// the lesson's sizes (a cross product of 30,000 km vectors is some 1e9). A narrower
// Extended (double in the browser page) widens them by what it lacks, 2^11 for double;
// x87 and binary128 keep them as they are.
inline constexpr Extended scale =
    std::numeric_limits<Extended>::digits >= 64
        ? Extended(1)
        : Extended(std::uint64_t{1} << (64 - std::numeric_limits<Extended>::digits));
// Null vectors, parallel tests on dot products, snapping of rotation results.
inline constexpr Extended zero = 1e-16L * scale;
// Whether figures touch, a point lies on a figure, two lengths are the same.
inline constexpr Extended equal = 1e-10L * scale;
}  // namespace geometry_tolerance

// The operations the plane and the spatial calculator share. Stateless.
class TEuklidGeo {
 public:
  // abs(a) <= 1e-16.
  static bool isZero(Extended a) noexcept { return std::fabs(a) <= geometry_tolerance::zero; }
  // Relative comparison: abs(a - b) <= max(min(abs(a), abs(b)) * 1e-16, 1e-16).
  static bool sameValue(Extended a, Extended b) noexcept {
    const Extended tolerance =
        std::max(std::min(std::fabs(a), std::fabs(b)) * geometry_tolerance::zero,
                 geometry_tolerance::zero);
    return std::fabs(a - b) <= tolerance;
  }
  // Absolute comparison: abs(a - b) <= 1e-10.
  static bool isEqual(Extended a, Extended b) noexcept {
    return std::fabs(a - b) <= geometry_tolerance::equal;
  }

  // True when u and v are linearly independent. lambda receives the factor that
  // would map v onto u (unless one of them is a null vector).
  static bool areIndependent(TVektorR3 u, TVektorR3 v, Extended& lambda) noexcept;

  static bool isNullVectorR2(TVektorR2 v) noexcept { return isZero(v.x) && isZero(v.y); }
  static bool isNullVectorR3(TVektorR3 v) noexcept {
    return isZero(v.x) && isZero(v.y) && isZero(v.z);
  }
  static TVektorR2 vectorR2(Extended x, Extended y) noexcept { return {x, y}; }
  static TVektorR3 vectorR3(Extended x, Extended y, Extended z) noexcept {
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

// --- plane figures -----------------------------------------------------------

// The line point + t * direction.
struct TGeradeR2 {
  TVektorR2 point;
  TVektorR2 direction;
  friend bool operator==(const TGeradeR2&, const TGeradeR2&) = default;
};

// The line a * x + b * y = c.
struct TGeradengleichungR2 {
  Extended a = 0, b = 0, c = 0;
  friend bool operator==(const TGeradengleichungR2&, const TGeradengleichungR2&) = default;
};

struct TStreckeR2 {
  TVektorR2 startPoint;
  TVektorR2 endPoint;
  friend bool operator==(const TStreckeR2&, const TStreckeR2&) = default;
};

struct TKreisR2 {
  TVektorR2 center;
  Extended radius = 0;
  friend bool operator==(const TKreisR2&, const TKreisR2&) = default;
};

// Two intersection points; both the same when there is only one.
struct TPunktpaarR2 {
  TVektorR2 first;
  TVektorR2 second;
  friend bool operator==(const TPunktpaarR2&, const TPunktpaarR2&) = default;
};

// 2x2 matrix stored by columns: e1, e2 first column, e3, e4 second.
struct TMatrixR2 {
  Extended e1 = 0, e2 = 0, e3 = 0, e4 = 0;
  friend bool operator==(const TMatrixR2&, const TMatrixR2&) = default;
};

// Relation and result codes of the calculators, one byte each. Circles and spheres
// ("rounds") share their codes, as do segments against either.
namespace geocode {

// pointCircleRelation, pointSphereRelation
namespace pointRound {
inline constexpr std::uint8_t inside = 0, outside = 1, on = 2;
}

// circleRelation, sphereRelation, and the relation of intersectCircles/Spheres
namespace twoRounds {
inline constexpr std::uint8_t concentric = 0;       // same centre, different radii
inline constexpr std::uint8_t oneInside = 1;        // one lies inside the other
inline constexpr std::uint8_t touchingInside = 2;
inline constexpr std::uint8_t identical = 3;
inline constexpr std::uint8_t cutting = 4;          // two points, resp. a circle
inline constexpr std::uint8_t touchingOutside = 5;
inline constexpr std::uint8_t apart = 6;
// The relations for which two rounds have common points: those an intersection writes.
constexpr bool cutsOrTouches(std::uint8_t relation) {
  return relation == touchingInside || relation == cutting || relation == touchingOutside;
}
}  // namespace twoRounds

// intersectLineCircle, intersectLineSphere
namespace lineRound {
inline constexpr std::uint8_t none = 0, touching = 1, twoPoints = 2;
}

// pointSegmentRelation (plane); `invalid` for a segment that fails its check
namespace pointSegment {
inline constexpr std::uint8_t invalid = 0, on = 2, beforeStart = 4, beyondEnd = 5, rightOf = 6,
                              leftOf = 7;
}

// intersectSegmentCircle, intersectSegmentSphere
namespace segmentRound {
inline constexpr std::uint8_t inside = 0;            // both ends inside
inline constexpr std::uint8_t apart = 1;             // no common point
inline constexpr std::uint8_t bothEndsOn = 2;
inline constexpr std::uint8_t oneCrossing = 3;       // one end inside, one outside
inline constexpr std::uint8_t endOnOtherInside = 4;
inline constexpr std::uint8_t endOnLeaving = 5;      // one end on it, the segment leaves it
inline constexpr std::uint8_t twoCrossings = 6;
inline constexpr std::uint8_t tangent = 7;           // touching between the ends
inline constexpr std::uint8_t endOnAtTangent = 8;    // one end on it, where the line touches
}  // namespace segmentRound

}  // namespace geocode

// The plane calculator. Its only state is the last reported error and whether
// errors are also shown to the user. Its codes are in geocode above.
// An operation whose input fails its check returns at once and writes none of its
// outputs; relation functions then answer "no common point" (pointRound::outside
// resp. twoRounds::apart, pointSegment::invalid).
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

  // --- checks: each reports its code and answers false -----------------------
  bool checkCircle(const TKreisR2& k);                // radius > 0; code 1
  bool checkLineEquation(const TGeradengleichungR2& g);  // a, b not both 0; code 2
  bool checkLineR2(const TGeradeR2& g);               // direction not exactly 0; code 3
  bool checkSegmentR2(const TStreckeR2& s);           // end points differ by isZero; code 6

  // --- vectors -----------------------------------------------------------
  static Extended dotProductR2(TVektorR2 p, TVektorR2 q) noexcept { return p.x * q.x + p.y * q.y; }
  static Extended lengthR2(TVektorR2 v) noexcept;
  static Extended distanceR2(TVektorR2 p, TVektorR2 q) noexcept { return lengthR2(differenceR2(p, q)); }
  static TMatrixR2 rotationMatrixR2(Extended angle) noexcept;
  static TVektorR2 matrixTimesVectorR2(const TMatrixR2& m, TVektorR2 v) noexcept {
    return {m.e1 * v.x + m.e3 * v.y, m.e2 * v.x + m.e4 * v.y};
  }
  // Counter-clockwise about the origin; small components are kept as computed.
  static TVektorR2 rotatePointR2(TVektorR2 p, Extended angle) noexcept {
    return matrixTimesVectorR2(rotationMatrixR2(angle), p);
  }

  // --- lines and relations --------------------------------------------------
  // (P, Q - P); reports code 3 when P = Q exactly but returns the line anyway.
  TGeradeR2 lineThroughPointsR2(TVektorR2 P, TVektorR2 Q);
  // An invalid equation gives the zero line.
  TGeradeR2 lineEquationToParametric(const TGeradengleichungR2& g);
  std::uint8_t pointCircleRelation(TVektorR2 X, const TKreisR2& k);
  std::uint8_t circleRelation(const TKreisR2& k1, const TKreisR2& k2);
  // The line through the common points of two circles (written whenever both are valid).
  void radicalLine(const TKreisR2& k1, const TKreisR2& k2, std::uint8_t& relation, TGeradengleichungR2& g);
  std::uint8_t pointSegmentRelation(TVektorR2 X, const TStreckeR2& s);

  // --- intersections --------------------------------------------------------
  void intersectLineCircle(const TGeradeR2& g, const TKreisR2& k, std::uint8_t& code, TPunktpaarR2& points);
  // Points where twoRounds::cutsOrTouches(relation) (unless rounding leaves the radical line just
  // outside the circle).
  void intersectCircles(const TKreisR2& k1, const TKreisR2& k2, std::uint8_t& relation, TPunktpaarR2& points);
  void intersectSegmentCircle(const TStreckeR2& s, const TKreisR2& k, std::uint8_t& code, TPunktpaarR2& points);

 private:
  // The same without the validity checks, for callers that have made them.
  static std::uint8_t pointCircleRelationOf(TVektorR2 X, const TKreisR2& k) noexcept;
  static std::uint8_t circleRelationOf(const TKreisR2& k1, const TKreisR2& k2) noexcept;
  static std::uint8_t pointSegmentRelationOf(TVektorR2 X, const TStreckeR2& s) noexcept;
  static TGeradeR2 lineEquationToParametricOf(const TGeradengleichungR2& g) noexcept;
  static void intersectLineCircleOf(const TGeradeR2& g, const TKreisR2& k, std::uint8_t& code,
                                    TPunktpaarR2& points) noexcept;


  // Points into the static message table, so that storing it never allocates.
  const char* lastError_ = "";
  bool showErrors_;
};
