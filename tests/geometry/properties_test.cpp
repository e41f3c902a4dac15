// Properties over many random figures (fixed seeds, so failures repeat).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "geometry/vektorR3clss.h"
#include "tests/geometry/test_util.h"

namespace {

using geometry_test::closeTo;
using G = TEuklidGeoR3;

class RandomFigures {
 public:
  explicit RandomFigures(std::uint64_t seed) : rng_(seed) {}
  long double uniform(long double lo, long double hi) {
    return lo + (hi - lo) * std::uniform_real_distribution<long double>(0, 1)(rng_);
  }
  TVektorR3 point(long double range) { return {uniform(-range, range), uniform(-range, range), uniform(-range, range)}; }
  // A unit vector, uniformly distributed over the sphere.
  TVektorR3 direction() {
    for (;;) {
      const TVektorR3 v = point(1);
      const long double len = G::length(v);
      if (len > 0.1L && len <= 1) return G::multiply(v, 1 / len);
    }
  }

 private:
  std::mt19937_64 rng_;
};

// Orthonormal axes of a plane whose direction vectors need not be orthonormal.
void orthonormalAxes(const TEbeneR3& E, TVektorR3& b1, TVektorR3& b2) {
  b1 = G::normalize(E.direction1);
  b2 = G::normalize(G::differenceR3(E.direction2, G::multiply(b1, G::dotProduct(E.direction2, b1))));
}

long double distanceToLine(TVektorR3 X, const TGeradeR3& g) {
  return G::length(G::crossProduct(G::differenceR3(X, g.point), g.direction)) / G::length(g.direction);
}

TEST(GeometryProperties, CircleOfIntersectingSpheresLiesOnBoth) {
  RandomFigures random(1);
  TEuklidGeoR3 geo;
  int cutting = 0;
  for (int i = 0; i < 3000; ++i) {
    // Sizes as in the position fix: satellites some 20000 km from the receiver.
    const TKugelR3 K1{random.point(30000), random.uniform(15000, 30000)};
    const long double r2 = random.uniform(15000, 30000);
    const long double d = random.uniform(std::fabs(K1.radius - r2) + 1, K1.radius + r2 - 1);
    const TKugelR3 K2{G::sum(K1.center, G::multiply(random.direction(), d)), r2};
    std::uint8_t relation = 99;
    TKreisR3 circle;
    geo.intersectSpheres(K1, K2, relation, circle);
    ASSERT_EQ(relation, 4);
    ++cutting;
    ASSERT_GT(circle.radius, 0);
    TVektorR3 b1, b2;
    orthonormalAxes(circle.plane, b1, b2);
    for (long double phi = 0; phi < 6.28L; phi += 0.7L) {
      const TVektorR3 P = G::sum(circle.center, G::sum(G::multiply(b1, circle.radius * std::cos(phi)),
                                                      G::multiply(b2, circle.radius * std::sin(phi))));
      ASSERT_TRUE(closeTo(G::distance(P, K1.center), K1.radius, 1e-9L)) << "figure " << i;
      ASSERT_TRUE(closeTo(G::distance(P, K2.center), K2.radius, 1e-9L)) << "figure " << i;
    }
  }
  EXPECT_EQ(cutting, 3000);
  EXPECT_TRUE(geo.lastError().empty());
}

TEST(GeometryProperties, LineSpherePointsLieOnSphereAndLine) {
  RandomFigures random(2);
  TEuklidGeoR3 geo;
  int counts[3] = {0, 0, 0};
  for (int i = 0; i < 5000; ++i) {
    const TKugelR3 K{random.point(10000), random.uniform(1000, 30000)};
    const TGeradeR3 g{random.point(40000), G::multiply(random.direction(), random.uniform(0.001L, 50000))};
    std::uint8_t code = 99;
    TPunktpaarR3 points{{1, 2, 3}, {4, 5, 6}};
    geo.intersectLineSphere(g, K, code, points);
    ASSERT_LE(code, 2);
    ++counts[code];
    if (code == 0) {
      EXPECT_EQ(points, (TPunktpaarR3{{1, 2, 3}, {4, 5, 6}}));
      EXPECT_GT(distanceToLine(K.center, g), K.radius);
      continue;
    }
    for (TVektorR3 P : {points.first, points.second}) {
      ASSERT_TRUE(closeTo(G::distance(P, K.center), K.radius, 1e-9L)) << "figure " << i;
      ASSERT_TRUE(closeTo(distanceToLine(P, g), 0, 1e-9L)) << "figure " << i;
    }
  }
  EXPECT_GT(counts[0], 100);
  EXPECT_GT(counts[2], 100);
}

TEST(GeometryProperties, SegmentSphereAgreesWithLineSphere) {
  // A segment from the receiver to a satellite either misses the earth or
  // passes through it; the earth's surface is hit exactly when the line's
  // nearer intersection lies between the two.
  RandomFigures random(3);
  TEuklidGeoR3 geo;
  const TKugelR3 earth{{0, 0, 0}, 6371};
  int visible = 0, hidden = 0;
  for (int i = 0; i < 3000; ++i) {
    const TVektorR3 receiver = G::multiply(random.direction(), 6371 + random.uniform(0.001L, 11));
    const TVektorR3 satellite = G::multiply(random.direction(), 26560);
    std::uint8_t code = 99;
    TPunktpaarR3 points;
    geo.intersectSegmentSphere({receiver, satellite}, earth, code, points);
    ASSERT_TRUE(code == 1 || code == 6) << int(code);
    // Independent check: the point of the segment nearest to the earth's centre.
    const TVektorR3 along = G::differenceR3(satellite, receiver);
    const long double t =
        std::clamp(-G::dotProduct(receiver, along) / G::dotProduct(along, along), 0.0L, 1.0L);
    const long double nearest = G::length(G::sum(receiver, G::multiply(along, t)));
    if (std::fabs(nearest - 6371) < 1e-6L) continue;  // too close to a tangent to judge
    const bool aboveHorizon = nearest > 6371;
    EXPECT_EQ(code == 1, aboveHorizon) << "figure " << i;
    if (code == 1) {
      ++visible;
    } else {
      ++hidden;
      for (TVektorR3 P : {points.first, points.second})
        EXPECT_TRUE(closeTo(G::length(P), 6371, 1e-9L)) << "figure " << i;
    }
  }
  EXPECT_GT(visible, 100);
  EXPECT_GT(hidden, 100);
}

TEST(GeometryProperties, RotationsKeepAnglesBetweenVectors) {
  RandomFigures random(4);
  for (int i = 0; i < 2000; ++i) {
    const TVektorR3 u = random.point(30000), v = random.point(30000), axis = random.point(5);
    const long double a = random.uniform(-7, 7);
    const long double before = G::dotProduct(u, v);
    const long double scale = G::length(u) * G::length(v) * 1e-17L;
    EXPECT_TRUE(closeTo(G::dotProduct(G::rotateAroundAxis(u, axis, a), G::rotateAroundAxis(v, axis, a)), before,
                        scale));
    EXPECT_TRUE(closeTo(G::dotProduct(G::rotateY(u, a), G::rotateY(v, a)), before, scale));
  }
}

// Every operation that can fail leaves all of its outputs alone when it does.
TEST(GeometryProperties, FailingChecksWriteNoOutput) {
  RandomFigures random(5);
  for (int i = 0; i < 200; ++i) {
    TEuklidGeoR3 geo;
    const TVektorR3 p = random.point(100);
    const TKugelR3 goodSphere{random.point(100), random.uniform(1, 50)};
    const TKugelR3 badSphere{random.point(100), -random.uniform(0, 5)};
    const TGeradeR3 goodLine{p, random.direction()};
    const TGeradeR3 badLine{p, G::multiply(random.direction(), 1e-17L)};
    const TEbeneR3 goodPlane{p, random.direction(), random.direction()};
    const TVektorR3 dir = random.direction();
    const TEbeneR3 badPlane{p, dir, G::multiply(dir, random.uniform(-3, 3))};
    const TEbenengleichungR3 badEquation{0, 0, 0, random.uniform(-5, 5)};
    const TStreckeR3 badSegment{p, G::sum(p, G::multiply(random.direction(), 5e-11L))};

    const std::uint8_t codeBefore = 77;
    const TVektorR3 pointBefore{11, 12, 13};
    const TGeradeR3 lineBefore{{1, 2, 3}, {4, 5, 6}};
    const TPunktpaarR3 pairBefore{{1, 2, 3}, {4, 5, 6}};
    const TKreisR3 circleBefore{{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, {10, 11, 12}, 13};
    std::uint8_t code = codeBefore;
    TVektorR3 point = pointBefore;
    TGeradeR3 line = lineBefore;
    TPunktpaarR3 pair = pairBefore;
    TKreisR3 circle = circleBefore;

    geo.intersectLinePlaneEquation(badLine, {1, 2, 3, 4}, code, point);
    geo.intersectLinePlaneEquation(goodLine, badEquation, code, point);
    geo.intersectLinePlane(badLine, goodPlane, code, point);
    geo.intersectLinePlane(goodLine, badPlane, code, point);
    geo.intersectPlaneEquations(badEquation, goodPlane, code, line);
    geo.intersectPlaneEquations({1, 2, 3, 4}, badPlane, code, line);
    geo.intersectPlanes(badPlane, goodPlane, code, line);
    geo.intersectPlanes(goodPlane, badPlane, code, line);
    geo.intersectLineSphere(badLine, goodSphere, code, pair);
    geo.intersectLineSphere(goodLine, badSphere, code, pair);
    geo.intersectPlaneSphere(badEquation, goodSphere, code, circle);
    geo.intersectPlaneSphere({1, 2, 3, 4}, badSphere, code, circle);
    geo.intersectSpheres(badSphere, goodSphere, code, circle);
    geo.intersectSpheres(goodSphere, badSphere, code, circle);
    geo.intersectSegmentSphere(badSegment, goodSphere, code, pair);
    geo.intersectSegmentSphere({p, random.point(100)}, badSphere, code, pair);
    geo.orthogonalVector1(TVektorR3{1e-17L, -1e-17L, 0}, point);
    geo.orthogonalVector2(TVektorR3{0, 0, 0}, point);
    EXPECT_EQ(code, codeBefore);
    EXPECT_EQ(point, pointBefore);
    EXPECT_EQ(line, lineBefore);
    EXPECT_EQ(pair, pairBefore);
    EXPECT_EQ(circle, circleBefore);
    EXPECT_FALSE(geo.lastError().empty());

    TEuklidGeoR2 plane;
    const TKreisR2 goodCircle{{p.x, p.y}, random.uniform(1, 50)};
    const TKreisR2 badCircle{{p.x, p.y}, -random.uniform(0, 5)};
    const TPunktpaarR2 pair2Before{{1, 2}, {3, 4}};
    const TGeradengleichungR2 equationBefore{5, 6, 7};
    TPunktpaarR2 pair2 = pair2Before;
    TGeradengleichungR2 equation = equationBefore;
    plane.radicalLine(badCircle, goodCircle, code, equation);
    plane.radicalLine(goodCircle, badCircle, code, equation);
    plane.intersectLineCircle({{p.x, p.y}, {0, 0}}, goodCircle, code, pair2);
    plane.intersectLineCircle({{p.x, p.y}, {1, 0}}, badCircle, code, pair2);
    plane.intersectCircles(badCircle, goodCircle, code, pair2);
    plane.intersectCircles(goodCircle, badCircle, code, pair2);
    plane.intersectSegmentCircle({{p.x, p.y}, {p.x + 1e-17L, p.y}}, goodCircle, code, pair2);
    plane.intersectSegmentCircle({{p.x, p.y}, {p.x + 1, p.y}}, badCircle, code, pair2);
    EXPECT_EQ(code, codeBefore);
    EXPECT_EQ(pair2, pair2Before);
    EXPECT_EQ(equation, equationBefore);
    EXPECT_FALSE(plane.lastError().empty());
  }
}

}  // namespace
