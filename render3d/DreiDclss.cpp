#include "render3d/DreiDclss.h"
#include "platform/extended.h"

#include <cmath>

T3DObjekt::T3DObjekt() : points(std::make_unique<TListe>()) {}

T3DObjekt::~T3DObjekt() = default;

// -----------------------------------------------------------------------------

T3DStrecke::T3DStrecke(const TStreckeR3& segment) {
  kind = drawKind::segment;
  points->append(std::make_unique<TVektorR3Class>(segment.startPoint));
  points->append(std::make_unique<TVektorR3Class>(segment.endPoint));
}

// -----------------------------------------------------------------------------

TCircleSteps::TCircleSteps(std::uint16_t n) : steps_(n == 0 ? 2 : n), table_(steps_ + 1) {
  const Extended step = kTwoPi3D / steps_;
  for (std::uint32_t k = 0; k <= steps_; ++k) {
    const Extended angle = k * step;
    table_[k] = {std::cos(angle), std::sin(angle)};
  }
}

T3DKreis::T3DKreis(const TKreisR3& circle, std::uint16_t n) {
  kind = drawKind::circle;
  appendCirclePoints(*points, circle, TCircleSteps(n), geometry);
}

namespace {

inline Extended snapped(Extended a) { return TEuklidGeo::isZero(a) ? Extended(0) : a; }

// rotateAroundAxis with the cosine and sine given: the same matrix, product and
// snapping, term for term, so that the points are exactly those of the calculator.
// The products of the axis' coordinates are the first factor of each term and do
// not change along a circle, so they are made once.
class TurnAbout {
 public:
  explicit TurnAbout(TVektorR3 n)
      : n_(n), xx_(n.x * n.x), xy_(n.x * n.y), xz_(n.x * n.z), yy_(n.y * n.y), yz_(n.y * n.z),
        zz_(n.z * n.z) {}

  TVektorR3 operator()(TVektorR3 v, Extended c, Extended s) const {
    const Extended C = 1 - c;
    // The matrix of rotationMatrixAxis row by row, each row used at once: the x87
    // stack then holds what it needs instead of spilling nine entries.
    // Row 1: e1, e4, e7; row 2: e2, e5, e8; row 3: e3, e6, e9.
    const Extended e1 = xx_ * C + c, e4 = xy_ * C + s * n_.z, e7 = xz_ * C - s * n_.y;
    const Extended rx = TEuklidGeoR3::dotProduct({e1, e4, e7}, v);
    const Extended e2 = xy_ * C - s * n_.z, e5 = yy_ * C + c, e8 = yz_ * C + s * n_.x;
    const Extended ry = TEuklidGeoR3::dotProduct({e2, e5, e8}, v);
    const Extended e3 = xz_ * C + s * n_.y, e6 = yz_ * C - s * n_.x, e9 = zz_ * C + c;
    const Extended rz = TEuklidGeoR3::dotProduct({e3, e6, e9}, v);
    return {snapped(rx), snapped(ry), snapped(rz)};
  }

 private:
  TVektorR3 n_;
  Extended xx_, xy_, xz_, yy_, yz_, zz_;
};

}  // namespace

void T3DKreis::appendCirclePoints(TListe& dest, const TKreisR3& circle, const TCircleSteps& steps,
                                  TEuklidGeoR3& geometry) {
  const TVektorR3 axis =
      geometry.normalize(geometry.crossProduct(circle.plane.direction1, circle.plane.direction2));
  // rotateAroundAxis normalises its axis once more.
  const TVektorR3 n = geometry.normalize(axis);
  const TVektorR3 radiusVector =
      geometry.multiply(geometry.normalize(circle.plane.direction1), circle.radius);
  const TurnAbout turn(n);
  for (std::uint32_t k = 0; k <= steps.steps(); ++k) {
    const TVektorR3 p =
        geometry.sum(circle.center, turn(radiusVector, steps.cosine(k), steps.sine(k)));
    dest.append(std::make_unique<TVektorR3Class>(p));
  }
}

// -----------------------------------------------------------------------------

T3DKugel::T3DKugel(const TKugelR3& sphere, TVektorR3 axis, std::uint16_t meridianSteps,
                   std::uint16_t latitudeCount, std::uint16_t pointsPerCircle) {
  kind = drawKind::wireFrame;
  // With one step there would be no half turn to test the meridians against.
  const std::uint16_t m = meridianSteps < 2 ? 2 : meridianSteps;
  const std::uint16_t l = latitudeCount == 0 ? 1 : latitudeCount;
  const Extended step = kTwoPi3D / m;
  const TVektorR3 w = geometry.orthogonalVector1(axis);
  const TKugelR3& K = sphere;
  const TCircleSteps circleSteps(pointsPerCircle);

  // Meridians: great circles through both ends of the axis. With a single latitude
  // circle only the multiples of a half turn are drawn, which for an even m is one
  // and the same circle three times.
  const std::uint16_t half = m / 2;
  for (std::uint32_t k = 0; k <= m; ++k) {
    if (l == 1 && k % half != 0) continue;
    TKreisR3 meridian;
    meridian.plane = {K.center, axis, geometry.rotateAroundAxis(w, axis, k * step)};
    meridian.center = K.center;
    meridian.radius = K.radius;
    auto list = std::make_unique<TListe>();
    T3DKreis::appendCirclePoints(*list, meridian, circleSteps, geometry);
    points->append(std::move(list));
  }

  // Latitude circles on the grid 2r / (l + 1) along the axis; the equator only for
  // an odd count, so that exactly l circles are made.
  const TVektorR3 w2 = geometry.orthogonalVector2(axis);
  const TVektorR3 unitAxis = geometry.normalize(axis);
  const int reach = l / 2;
  for (int k = -reach; k <= reach; ++k) {
    if (k == 0 && l % 2 == 0) continue;
    const Extended h = 2 * K.radius * k / (l + 1);
    const Extended rho = std::fabs(K.radius * std::cos(std::asin(h / K.radius)));
    const TVektorR3 c = geometry.sum(K.center, geometry.multiply(unitAxis, h));
    TKreisR3 latitude;
    latitude.plane = {c, w, w2};
    latitude.center = c;
    latitude.radius = rho;
    auto list = std::make_unique<TListe>();
    T3DKreis::appendCirclePoints(*list, latitude, circleSteps, geometry);
    points->append(std::move(list));
  }
}
