#include "render3d/DreiDclss.h"

#include <cmath>

T3DObjekt::T3DObjekt() : points(std::make_unique<TListe>()) {}

T3DObjekt::~T3DObjekt() = default;

// -----------------------------------------------------------------------------

T3DStrecke::T3DStrecke(const TStreckeR3& segment) {
  kind = 3;
  points->append(std::make_unique<TVektorR3Class>(segment.startPoint));
  points->append(std::make_unique<TVektorR3Class>(segment.endPoint));
}

// -----------------------------------------------------------------------------

T3DKreis::T3DKreis(const TKreisR3& circle, std::uint16_t n) {
  kind = 7;
  appendCirclePoints(*points, circle, n, geometry);
}

void T3DKreis::appendCirclePoints(TListe& dest, const TKreisR3& circle, std::uint16_t n,
                                  TEuklidGeoR3& geometry) {
  const TVektorR3 axis =
      geometry.normalize(geometry.crossProduct(circle.plane.direction1, circle.plane.direction2));
  const TVektorR3 radiusVector =
      geometry.multiply(geometry.normalize(circle.plane.direction1), circle.radius);
  const std::uint32_t steps = n == 0 ? 2 : n;
  const long double step = kTwoPi3D / steps;
  for (std::uint32_t k = 0; k <= steps; ++k) {
    const TVektorR3 p =
        geometry.sum(circle.center, geometry.rotateAroundAxis(radiusVector, axis, k * step));
    dest.append(std::make_unique<TVektorR3Class>(p));
  }
}

// -----------------------------------------------------------------------------

T3DKugel::T3DKugel(const TKugelR3& sphere, TVektorR3 axis, std::uint16_t meridianSteps,
                   std::uint16_t latitudeCount, std::uint16_t pointsPerCircle) {
  kind = 8;
  // With one step there would be no half turn to test the meridians against.
  const std::uint16_t m = meridianSteps < 2 ? 2 : meridianSteps;
  const std::uint16_t l = latitudeCount == 0 ? 1 : latitudeCount;
  const long double step = kTwoPi3D / m;
  const TVektorR3 w = geometry.orthogonalVector1(axis);
  const TKugelR3& K = sphere;

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
    T3DKreis::appendCirclePoints(*list, meridian, pointsPerCircle, geometry);
    points->append(std::move(list));
  }

  // Latitude circles on the grid 2r / (l + 1) along the axis; the equator only for
  // an odd count, so that exactly l circles are made.
  const TVektorR3 w2 = geometry.orthogonalVector2(axis);
  const TVektorR3 unitAxis = geometry.normalize(axis);
  const int reach = l / 2;
  for (int k = -reach; k <= reach; ++k) {
    if (k == 0 && l % 2 == 0) continue;
    const long double h = 2.0L * K.radius * k / (l + 1);
    const long double rho = std::fabs(K.radius * std::cos(std::asin(h / K.radius)));
    const TVektorR3 c = geometry.sum(K.center, geometry.multiply(unitAxis, h));
    TKreisR3 latitude;
    latitude.plane = {c, w, w2};
    latitude.center = c;
    latitude.radius = rho;
    auto list = std::make_unique<TListe>();
    T3DKreis::appendCirclePoints(*list, latitude, pointsPerCircle, geometry);
    points->append(std::move(list));
  }
}
