#pragma once
#include "platform/extended.h"

// Drawable 3D objects: colours, pen width, a drawing kind and a list of points,
// filled once by the constructor. T3DProjektion draws and turns them.

#include <cstdint>
#include <memory>
#include <vector>

#include "containers/listClss.h"
#include "geometry/vektorR3clss.h"
#include "platform/Canvas.h"

// 2 pi as the drawing code has always used it; circles close on the last point
// through the repetition of the first, not through this constant.
inline constexpr Extended kTwoPi3D = 6.283185307179586L;

// TEuklidGeoR3::matrixTimesVector where the compiler can inline it into the
// per-point loops: the same sums in the same order, so the same results.
inline TVektorR3 matrixTimesVector3D(const TMatrixR3& m, TVektorR3 v) noexcept {
  return {TEuklidGeoR3::dotProduct({m.e1, m.e4, m.e7}, v),
          TEuklidGeoR3::dotProduct({m.e2, m.e5, m.e8}, v),
          TEuklidGeoR3::dotProduct({m.e3, m.e6, m.e9}, v)};
}

// What T3DProjektion::draw makes of an object's points.
namespace drawKind {
inline constexpr std::uint8_t twoWidths = 0;           // six sub-lists, the last three at width 3
inline constexpr std::uint8_t disc = 1;                // around the first point
inline constexpr std::uint8_t polyline = 2;
inline constexpr std::uint8_t segment = 3;
inline constexpr std::uint8_t consumingPolylines = 5;  // five points, then pairs; points are taken
inline constexpr std::uint8_t circle = 7;
inline constexpr std::uint8_t wireFrame = 8;
inline constexpr std::uint8_t firstMiddleLast = 11;    // middle sub-lists in secondColor
inline constexpr std::uint8_t firstThenSecond = 12;    // all but the first in secondColor
inline constexpr std::uint8_t mixed = 13;              // points between value elements
inline constexpr std::uint8_t last = 15;               // higher kinds draw nothing
// The point list is one polyline.
constexpr bool isOnePolyline(std::uint8_t k) { return k == 2 || k == 3 || k == 4 || k == 6 || k == 7; }
// Each sub-list is one polyline.
constexpr bool isPolylineList(std::uint8_t k) { return k == 8 || k == 9 || k == 10 || k == 14 || k == 15; }
// Points are turned one by one; the others turn their sub-lists.
constexpr bool rotatesPoints(std::uint8_t k) { return (k >= 1 && k <= 7) || k == mixed; }
constexpr bool rotatesSublists(std::uint8_t k) { return k == twoWidths || (k >= 8 && k <= last && k != mixed); }
}  // namespace drawKind

class T3DObjekt {
 public:
  T3DObjekt();
  virtual ~T3DObjekt();
  T3DObjekt(const T3DObjekt&) = delete;
  T3DObjekt& operator=(const T3DObjekt&) = delete;

  platform::Color color = 0;
  // Second pen colour of firstMiddleLast and firstThenSecond.
  platform::Color secondColor = 0;
  // Pen width in pixels; also the disc radius of disc and mixed.
  std::int32_t penWidth = 0;
  // drawKind; see T3DProjektion::draw.
  std::uint8_t kind = 0;
  // Points (TVektorR3Class) or, for the kinds drawn as several polylines, lists of
  // points.
  std::unique_ptr<TListe> points;
  TEuklidGeoR3 geometry{false};
};

// drawKind::segment: [start point, end point].
class T3DStrecke : public T3DObjekt {
 public:
  explicit T3DStrecke(const TStreckeR3& segment);
};

// The angles k * 2 pi / n (k = 0 .. n) of a circle's points with their cosines and
// sines, made once for all circles of one object: a wire frame sphere has dozens
// of circles with the same number of points.
class TCircleSteps {
 public:
  // n = 0 counts as 2.
  explicit TCircleSteps(std::uint16_t n);
  std::uint32_t steps() const { return steps_; }
  Extended cosine(std::uint32_t k) const { return table_[k].c; }
  Extended sine(std::uint32_t k) const { return table_[k].s; }

 private:
  struct CosSin {
    Extended c, s;
  };
  std::uint32_t steps_;
  std::vector<CosSin> table_;
};

// drawKind::circle: n + 1 points on the circle, the last one repeating the first; n = 0
// counts as 2.
class T3DKreis : public T3DObjekt {
 public:
  T3DKreis(const TKreisR3& circle, std::uint16_t n);

  // Appends the points of the circle to `dest`: the centre plus the radius vector
  // along the first direction, turned about the plane's normal by each angle.
  // The circle's direction vectors must be independent; its plane point is not read.
  static void appendCirclePoints(TListe& dest, const TKreisR3& circle, const TCircleSteps& steps,
                                 TEuklidGeoR3& geometry);
};

// drawKind::wireFrame: one point list per circle: great circles through both ends
// of the axis (meridians), then latitude circles perpendicular to it.
class T3DKugel : public T3DObjekt {
 public:
  // Fewer than 2 meridian steps count as 2, a latitude count of 0 as 1.
  T3DKugel(const TKugelR3& sphere, TVektorR3 axis, std::uint16_t meridianSteps,
           std::uint16_t latitudeCount, std::uint16_t pointsPerCircle);
};
