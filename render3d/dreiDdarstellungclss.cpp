#include "render3d/dreiDdarstellungclss.h"
#include "platform/extended.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <string_view>
#include <typeinfo>

namespace {

// Pixel coordinates far outside the image are passed on as they are, but they must
// still fit the canvas's integers.
std::int32_t toPixel(Extended v) {
  if (std::isnan(v)) return 0;
  constexpr Extended lo = std::numeric_limits<std::int32_t>::min();
  constexpr Extended hi = std::numeric_limits<std::int32_t>::max();
  // rint, unlike nearbyint, need not save and restore the floating-point
  // environment: this runs for every point of every frame.
  const Extended r = std::rint(v);
  if (r <= lo) return std::numeric_limits<std::int32_t>::min();
  if (r >= hi) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(r);
}

// The exact class is checked first: that is what the point lists hold, and it spares
// the per-point dynamic_cast. Derived classes still take the general way.
TVektorR3Class* asPoint(TBase* e) {
  if (e && typeid(*e) == typeid(TVektorR3Class)) return static_cast<TVektorR3Class*>(e);
  return dynamic_cast<TVektorR3Class*>(e);
}
TListe* asList(TBase* e) {
  if (e && typeid(*e) == typeid(TListe)) return static_cast<TListe*>(e);
  return dynamic_cast<TListe*>(e);
}

bool classNameIs(const TBase& e, std::string_view upperName) {
  const std::string_view name = e.className();
  if (name.size() != upperName.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(name[i])) != upperName[i]) return false;
  return true;
}

// The three coordinate rotations of one call, with their matrices made once for
// the whole list instead of once per point. Each step is the product and the
// snapping that rotateX, rotateY and rotateZ perform, so the results are the same.
class AxisRotation {
 public:
  explicit AxisRotation(TVektorR3 angles)
      : doX_(angles.x != 0), doY_(angles.y != 0), doZ_(angles.z != 0),
        mx_(doX_ ? TEuklidGeoR3::rotationMatrixX(angles.x) : TMatrixR3{}),
        my_(doY_ ? TEuklidGeoR3::rotationMatrixY(angles.y) : TMatrixR3{}),
        mz_(doZ_ ? TEuklidGeoR3::rotationMatrixZ(angles.z) : TMatrixR3{}) {}

  bool any() const { return doX_ || doY_ || doZ_; }

  TVektorR3 apply(TVektorR3 v) const {
    if (doX_) {
      v = matrixTimesVector3D(mx_, v);
      v.y = snapped(v.y), v.z = snapped(v.z);
    }
    if (doY_) {
      v = matrixTimesVector3D(my_, v);
      v.x = snapped(v.x), v.z = snapped(v.z);
    }
    if (doZ_) {
      v = matrixTimesVector3D(mz_, v);
      v.x = snapped(v.x), v.y = snapped(v.y);
    }
    return v;
  }

 private:
  static Extended snapped(Extended a) { return TEuklidGeo::isZero(a) ? Extended(0) : a; }

  bool doX_, doY_, doZ_;
  TMatrixR3 mx_, my_, mz_;
};

void rotateList(TListe& list, const AxisRotation& rotation) {
  // The points are turned in place: the list ends up as if each element had been
  // replaced by a new one, without two allocations per point and frame.
  for (list.toFirst(); !list.atEnd(); list.next())
    if (TVektorR3Class* p = asPoint(list.getElem())) p->vector = rotation.apply(p->vector);
}

}  // namespace

// -----------------------------------------------------------------------------

TTransformer::TTransformer(const TViewWindow& window, const platform::Canvas& image)
    : viewWindow(window), left(0), bottom(image.height()), right(image.width()), top(0) {}

namespace {

inline platform::Point mapToPixel(const TTransformer& t, TVektorR2 p) {
  const TVektorR2 a = t.viewWindow.first;
  const TVektorR2 b = t.viewWindow.second;
  const Extended px =
      t.left + static_cast<Extended>(t.right - t.left) * (p.x - a.x) / (b.x - a.x);
  const Extended py =
      t.bottom + static_cast<Extended>(t.top - t.bottom) * (p.y - a.y) / (b.y - a.y);
  return {toPixel(px), toPixel(py)};
}

}  // namespace

platform::Point TTransformer::worldToPixel(TVektorR2 p) const { return mapToPixel(*this, p); }

// -----------------------------------------------------------------------------

T3DProjektion::T3DProjektion(T3DObjekt& obj, std::uint8_t kind, platform::Canvas& img,
                             const TViewWindow& window, TVektorR3 eyePoint)
    : object(obj), projectionKind(kind), eye(eyePoint), viewWindow(window), image(img),
      transformer(window, img) {
  // The image plane depends on the eye alone: build it once, as the projections
  // of the calculator do, instead of once per point.
  geometry.parallelProjection({0, 0, 0}, eye, imagePlane_);
  imagePlane_.point = {0, 0, 0};
  planeValid_ = geometry.checkPlane(imagePlane_);
  if (planeValid_) planeEquation_ = geometry.parametricToPlane(imagePlane_);
  equationValid_ = planeValid_ && (planeEquation_.a != 0 || planeEquation_.b != 0 ||
                                   planeEquation_.c != 0);
}

namespace {

// What centralProjection and parallelProjection do after building the plane,
// for a plane equation that passes the calculator's check: intersect the
// projecting line with it by the operations of intersectLinePlaneEquation, in the
// same order. False when the line's own check would fail; Q stays the origin when
// line and plane do not meet in one point.
inline bool projectUnchecked(TVektorR3 P, bool centralKind, TVektorR3 eye,
                             const TEbenengleichungR3& E, const TEbeneR3& plane,
                             const TTransformer& transformer, platform::Point& pixel) {
  const TGeradeR3 line = centralKind ? TGeradeR3{eye, TEuklidGeo::differenceR3(P, eye)}
                                     : TGeradeR3{P, eye};
  if (TEuklidGeo::isNullVectorR3(line.direction)) return false;
  const TVektorR3 n{E.a, E.b, E.c};
  const Extended nu = TEuklidGeoR3::dotProduct(n, line.direction);
  const Extended np = TEuklidGeoR3::dotProduct(n, line.point);
  TVektorR3 Q{0, 0, 0};
  if (!TEuklidGeo::isZero(nu)) {
    const Extended t = (E.d - np) / nu;
    Q = TEuklidGeoR3::sum(line.point, TEuklidGeoR3::multiply(line.direction, t));
  }
  pixel = mapToPixel(transformer, {TEuklidGeoR3::dotProduct(Q, plane.direction1),
                                   TEuklidGeoR3::dotProduct(Q, plane.direction2)});
  return true;
}

}  // namespace

platform::Point T3DProjektion::projectPoint(TVektorR3 P) {
  platform::Point pixel{};
  if (equationValid_ && projectUnchecked(P, projectionKind == central, eye, planeEquation_,
                                         imagePlane_, transformer, pixel))
    return pixel;
  // The rare cases that report an error: the calculator's own way.
  const TGeradeR3 line =
      projectionKind == central ? geometry.lineThroughPoints(eye, P) : TGeradeR3{P, eye};
  TVektorR3 Q{0, 0, 0};
  if (planeValid_) {
    std::uint8_t code = geocode::linePlane::onePoint;
    geometry.intersectLinePlaneEquation(line, planeEquation_, code, Q);
  }
  const TVektorR2 q{TEuklidGeoR3::dotProduct(Q, imagePlane_.direction1),
                    TEuklidGeoR3::dotProduct(Q, imagePlane_.direction2)};
  return transformer.worldToPixel(q);
}

void T3DProjektion::drawPolyline(TListe& list) {
  // The points are projected a run at a time before the run goes to the canvas:
  // they do not depend on one another, so the processor can overlap their
  // divisions instead of waiting for each between two canvas calls.
  constexpr int kRun = 32;
  platform::Point run[kRun];
  int n = 0;
  bool first = true;
  auto handOver = [&] {
    for (int i = 0; i < n; ++i) {
      if (first)
        canvas().moveTo(run[i].x, run[i].y);
      else
        canvas().lineTo(run[i].x, run[i].y);
      first = false;
    }
    n = 0;
  };
  // Local copies: the canvas calls can not change them, so what depends on them
  // alone (the parallel kind's line direction, the window's extent) is worked out
  // once for the loop.
  const bool centralKind = projectionKind == central;
  const TVektorR3 eyePoint = eye;
  const TEbenengleichungR3 E = planeEquation_;
  const TEbeneR3 plane = imagePlane_;
  const TTransformer pixels = transformer;
  for (list.toFirst(); !list.atEnd(); list.next()) {
    const TVektorR3Class* p = asPoint(list.getElem());
    if (!p) continue;
    if (!equationValid_ ||
        !projectUnchecked(p->vector, centralKind, eyePoint, E, plane, pixels, run[n]))
      run[n] = projectPoint(p->vector);
    if (++n == kRun) handOver();
  }
  handOver();
}

void T3DProjektion::drawPolylines(TListe& list) {
  drawSublists(list, 0, std::numeric_limits<std::uint32_t>::max());
}

void T3DProjektion::drawSublists(TListe& list, std::uint32_t from, std::uint32_t to) {
  list.setPosition(static_cast<std::int32_t>(from));
  for (std::uint32_t i = from; i < to && !list.atEnd(); ++i, list.next())
    if (TListe* sub = asList(list.getElem())) drawPolyline(*sub);
}

void T3DProjektion::draw() {
  platform::Canvas& c = canvas();
  c.setPenColor(object.color);
  c.setBrushColor(object.color);
  c.setPenWidth(object.penWidth);
  TListe& list = *object.points;
  const std::uint32_t count = list.count();
  const std::uint8_t kind = object.kind;
  if (drawKind::isOnePolyline(kind)) {
    drawPolyline(list);
    return;
  }
  if (drawKind::isPolylineList(kind)) {
    drawPolylines(list);
    return;
  }
  switch (kind) {
    case drawKind::twoWidths:
      drawSublists(list, 0, 3);
      c.setPenWidth(3);
      drawSublists(list, 3, 6);
      break;
    case drawKind::disc: {
      list.toFirst();
      if (const TVektorR3Class* p = asPoint(list.getElem())) {
        const platform::Point px = projectPoint(p->vector);
        const int r = object.penWidth;
        c.ellipse(px.x - r, px.y - r, px.x + r, px.y + r);
      }
      break;
    }
    case drawKind::consumingPolylines:
      drawConsumingPolylines();
      break;
    case drawKind::firstMiddleLast:
      drawSublists(list, 0, 1);
      if (count >= 2) {
        c.setPenColor(object.secondColor);
        drawSublists(list, 1, count - 1);
        c.setPenColor(object.color);
        drawSublists(list, count - 1, count);
      }
      break;
    case drawKind::firstThenSecond:
      drawSublists(list, 0, 1);
      c.setPenColor(object.secondColor);
      drawSublists(list, 1, count);
      break;
    case drawKind::mixed:
      drawMixed();
      break;
    default:
      break;
  }
}

// drawKind::consumingPolylines: a polyline of the first five points, then one segment per following
// pair. Each point leaves the object as it is drawn.
void T3DProjektion::drawConsumingPolylines() {
  TListe& list = *object.points;
  TListe taken;
  auto take = [&](int n) {
    list.toFirst();
    for (int i = 0; i < n && !list.atEnd(); ++i) {
      taken.append(list.getElem()->copy());
      list.del();
    }
    drawPolyline(taken);
    taken.clear();
  };
  take(5);
  while (!list.empty()) take(2);
}

// drawKind::mixed: points between value elements. A leading text marks a marker: a disc
// at the second element, or one or two lines from it. Otherwise a Boolean lifts
// the pen and points are joined while it is down.
void T3DProjektion::drawMixed() {
  TListe& list = *object.points;
  platform::Canvas& c = canvas();
  list.toFirst();
  if (list.atEnd()) return;
  if (classNameIs(*list.getElem(), "TSTRING")) {
    list.next();
    const TVektorR3Class* a = asPoint(list.getElem());
    if (!a) return;
    const platform::Point pa = projectPoint(a->vector);
    c.moveTo(pa.x, pa.y);
    list.next();
    if (list.atEnd()) {
      const int r = object.penWidth;
      c.ellipse(pa.x - r, pa.y - r, pa.x + r, pa.y + r);
      return;
    }
    for (int line = 0; line < 2 && !list.atEnd(); ++line, list.next()) {
      const TVektorR3Class* b = asPoint(list.getElem());
      if (!b) continue;
      const platform::Point pb = projectPoint(b->vector);
      if (line > 0) c.moveTo(pa.x, pa.y);
      c.lineTo(pb.x, pb.y);
    }
    return;
  }
  bool penDown = false;
  for (; !list.atEnd(); list.next()) {
    TBase* e = list.getElem();
    if (classNameIs(*e, "TBOOLEAN")) {
      penDown = false;
    } else if (const TVektorR3Class* p = asPoint(e)) {
      const platform::Point px = projectPoint(p->vector);
      if (penDown)
        c.lineTo(px.x, px.y);
      else
        c.moveTo(px.x, px.y);
      penDown = true;
    }
  }
}

void T3DProjektion::rotate(TVektorR3 angles) {
  TListe& list = *object.points;
  if (drawKind::rotatesPoints(object.kind))
    rotatePoints(list, angles);  // for mixed: the points among its value elements
  else if (drawKind::rotatesSublists(object.kind))
    rotatePolylines(list, angles);  // twoWidths: its lists of points like wireFrame
}

void T3DProjektion::rotatePoints(TListe& list, TVektorR3 angles) {
  const AxisRotation rotation(angles);
  if (rotation.any()) rotateList(list, rotation);
}

void T3DProjektion::rotatePolylines(TListe& list, TVektorR3 angles) {
  const AxisRotation rotation(angles);
  if (!rotation.any()) return;
  for (list.toFirst(); !list.atEnd(); list.next())
    if (TListe* sub = asList(list.getElem())) rotateList(*sub, rotation);
}
