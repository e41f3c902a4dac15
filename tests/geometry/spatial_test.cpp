#include <gtest/gtest.h>

#include <cmath>

#include "geometry/vektorR3clss.h"
#include "tests/geometry/test_util.h"

namespace {

using geometry_test::closeTo;

const TKugelR3 kEarth{{0, 0, 0}, 6371};
const TKugelR3 kUnitSphere{{0, 0, 0}, 1};

TEST(SpatialChecks, TextsOfTheReportedCodes) {
  TEuklidGeoR3 geo;
  EXPECT_FALSE(geo.checkSphere({{1, 2, 3}, 0}));
  EXPECT_EQ(geo.lastError(), "Kreise müssen positive Radien haben");
  EXPECT_FALSE(geo.checkPlaneEquation({0, 0, 0, 5}));
  EXPECT_EQ(geo.lastError(), "Nicht alle Koeffizienten der linken Seite einer Ebenengleichung dürfen 0 sein");
  EXPECT_FALSE(geo.checkLine({{1, 1, 1}, {1e-17L, 0, 0}}));
  EXPECT_EQ(geo.lastError(),
            "Der Richtungsvektor einer Geraden darf nicht der Nullvektor sein - bzw. die beiden Punkte sind identisch");
  EXPECT_FALSE(geo.checkPlane({{0, 0, 0}, {1, 2, 3}, {-2, -4, -6}}));
  EXPECT_EQ(geo.lastError(),
            "Die Richtungsvektoren einer Ebene müssen linear unabhängig sein bzw.  die drei Punkte dürfen nicht auf "
            "einer Geraden liegen");
  // A segment of 5e-11 is too short, one of 2e-10 is not.
  EXPECT_TRUE(geo.checkSegment({{1, 0, 0}, {1 + 2e-10L, 0, 0}}));
  EXPECT_FALSE(geo.checkSegment({{1, 0, 0}, {1 + 5e-11L, 0, 0}}));
  EXPECT_EQ(geo.lastError(),
            "Anfangs- und Endpunkt einer Strecke müssen verschieden sein bzw. weiter auseinander liegen");
  EXPECT_TRUE(geo.checkSphere({{0, 0, 0}, 1e-30L}));
  EXPECT_TRUE(geo.checkPlaneEquation({0, 0, 1e-30L, 0}));
}

TEST(SpatialConversions, PlaneForms) {
  TEuklidGeoR3 geo;
  EXPECT_EQ(geo.planeToParametric({0, 0, 2, 4}), (TEbeneR3{{0, 0, 2}, {1, 0, 0}, {0, 1, 0}}));
  EXPECT_EQ(geo.planeToParametric({0, 2, 4, 6}), (TEbeneR3{{0, 3, 0}, {1, 0, 0}, {0, -2, 1}}));
  EXPECT_EQ(geo.planeToParametric({2, 4, 6, 8}), (TEbeneR3{{4, 0, 0}, {-2, 1, 0}, {-3, 0, 1}}));
  // Back to the equation: the normal is not normalised.
  EXPECT_EQ(geo.parametricToPlane({{0, 0, 2}, {1, 0, 0}, {0, 1, 0}}), (TEbenengleichungR3{0, 0, 1, 2}));
  const TEbenengleichungR3 E = geo.parametricToPlane(geo.planeToParametric({2, 4, 6, 8}));
  EXPECT_TRUE(closeTo(E.d / E.a, 4, 1e-18L));
  EXPECT_TRUE(closeTo(E.b / E.a, 2, 1e-18L));
  EXPECT_TRUE(closeTo(E.c / E.a, 3, 1e-18L));

  const TGeradeR3 h = geo.perpendicularFoot({5, 7, 9}, {0, 0, 2, 4});
  EXPECT_EQ(h, (TGeradeR3{{5, 7, 2}, {0, 0, 2}}));
  EXPECT_TRUE(geo.lastError().empty());
}

TEST(SpatialRelations, PointOnLineAndSegment) {
  TEuklidGeoR3 geo;
  EXPECT_EQ(geo.pointOnLine({3, 6, 9}, {{1, 2, 3}, {1, 2, 3}}), 2);
  EXPECT_EQ(geo.pointOnLine({3, 6, 9.001L}, {{1, 2, 3}, {1, 2, 3}}), 3);
  EXPECT_EQ(geo.pointOnLine({0, 5, 1}, {{0, 0, 0}, {0, 5, 1}}), 2);  // u.x = 0
  EXPECT_EQ(geo.pointOnLine({0.1L, 5, 1}, {{0, 0, 0}, {0, 5, 1}}), 3);
  EXPECT_EQ(geo.pointOnLine({0, 0, -7}, {{0, 0, 0}, {0, 0, 1}}), 2);  // along z
  EXPECT_EQ(geo.pointOnLine({0, 1e-3L, -7}, {{0, 0, 0}, {0, 0, 1}}), 3);

  const TStreckeR3 s{{0, 0, 0}, {2, 4, 6}};
  EXPECT_EQ(geo.pointOnSegment({1, 2, 3}, s), 2);
  EXPECT_EQ(geo.pointOnSegment({2, 4, 6}, s), 2);
  EXPECT_EQ(geo.pointOnSegment({3, 6, 9}, s), 3);
  EXPECT_EQ(geo.pointOnSegment({-1, -2, -3}, s), 3);
  EXPECT_EQ(geo.pointOnSegment({1, 2, 3.5L}, s), 3);
  // Parallel to the z axis: decided by z alone, in either direction.
  const TStreckeR3 vertical{{1, 1, 5}, {1, 1, -5}};
  EXPECT_EQ(geo.pointOnSegment({1, 1, 0}, vertical), 2);
  EXPECT_EQ(geo.pointOnSegment({1, 1, -5 - 5e-11L}, vertical), 2);
  EXPECT_EQ(geo.pointOnSegment({1, 1, 5.001L}, vertical), 3);
  EXPECT_TRUE(geo.lastError().empty());
}

TEST(SpatialRelations, SphereRelations) {
  TEuklidGeoR3 geo;
  EXPECT_EQ(geo.pointSphereRelation({0, 0, 6371}, kEarth), 2);
  EXPECT_EQ(geo.pointSphereRelation({0, 0, 6371 + 5e-11L}, kEarth), 2);  // isEqual, not exact
  EXPECT_EQ(geo.pointSphereRelation({0, 0, 6372}, kEarth), 1);
  EXPECT_EQ(geo.pointSphereRelation({0, 0, 6370}, kEarth), 0);

  const TKugelR3 k{{0, 0, 0}, 5};
  EXPECT_EQ(TEuklidGeoR3::sphereRelation(k, k), 3);
  EXPECT_EQ(TEuklidGeoR3::sphereRelation(k, {{0, 0, 5e-11L}, 5 + 5e-11L}), 3);
  EXPECT_EQ(TEuklidGeoR3::sphereRelation(k, {{0, 0, 0}, 3}), 0);
  EXPECT_EQ(TEuklidGeoR3::sphereRelation(k, {{1, 0, 0}, 3}), 1);
  EXPECT_EQ(TEuklidGeoR3::sphereRelation(k, {{2, 0, 0}, 3}), 2);
  EXPECT_EQ(TEuklidGeoR3::sphereRelation(k, {{7, 0, 0}, 3}), 4);
  EXPECT_EQ(TEuklidGeoR3::sphereRelation(k, {{8 + 5e-11L, 0, 0}, 3}), 5);
  EXPECT_EQ(TEuklidGeoR3::sphereRelation(k, {{9, 0, 0}, 3}), 6);
}

TEST(SpatialIntersections, LinePlane) {
  TEuklidGeoR3 geo;
  std::uint8_t code = 99;
  TVektorR3 point{-1, -1, -1};
  const TEbenengleichungR3 E{0, 0, 2, 4};
  geo.intersectLinePlaneEquation({{1, 1, 0}, {1, 1, 1}}, E, code, point);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(point, (TVektorR3{3, 3, 2}));
  point = {-1, -1, -1};
  geo.intersectLinePlaneEquation({{1, 1, 2}, {1, 1, 0}}, E, code, point);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(point, (TVektorR3{-1, -1, -1}));
  geo.intersectLinePlaneEquation({{1, 1, 3}, {1, 1, 0}}, E, code, point);
  EXPECT_EQ(code, 2);
  EXPECT_EQ(point, (TVektorR3{-1, -1, -1}));
  geo.intersectLinePlane({{1, 1, 0}, {1, 1, 1}}, {{0, 0, 2}, {3, 0, 0}, {0, 5, 0}}, code, point);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(point, (TVektorR3{3, 3, 2}));
}

TEST(SpatialIntersections, Planes) {
  TEuklidGeoR3 geo;
  const TEbeneR3 horizontal{{0, 0, 1}, {1, 0, 0}, {0, 1, 0}};
  std::uint8_t code = 99;
  const TGeradeR3 untouched{{-1, -1, -1}, {-2, -2, -2}};
  TGeradeR3 line = untouched;
  geo.intersectPlanes(horizontal, {{0, 0, 3}, {1, 1, 0}, {1, -1, 0}}, code, line);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(line, untouched);
  geo.intersectPlanes(horizontal, {{5, 5, 1}, {1, 1, 0}, {1, -1, 0}}, code, line);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(line, untouched);

  // The plane x = 2 (alpha = 0 branch) and a slanted one (alpha != 0).
  geo.intersectPlanes(horizontal, {{2, 0, 0}, {0, 1, 0}, {0, 0, 1}}, code, line);
  EXPECT_EQ(code, 2);
  EXPECT_EQ(line, (TGeradeR3{{2, 0, 1}, {0, 1, 0}}));
  const TEbeneR3 slanted{{0, 0, 0}, {1, 0, 1}, {0, 1, 2}};
  geo.intersectPlanes(horizontal, slanted, code, line);
  EXPECT_EQ(code, 2);
  for (long double t : {-3.0L, 0.0L, 2.5L}) {
    const TVektorR3 P = TEuklidGeoR3::sum(line.point, TEuklidGeoR3::multiply(line.direction, t));
    EXPECT_TRUE(closeTo(P.z, 1, 1e-15L));
    EXPECT_TRUE(closeTo(P.z, P.x + 2 * P.y, 1e-15L)) << "not in the slanted plane";
  }
  EXPECT_TRUE(geo.lastError().empty());

  line = untouched;
  code = 99;
  geo.intersectPlanes(horizontal, {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}}, code, line);
  EXPECT_EQ(code, 99);
  EXPECT_EQ(line, untouched);
}

TEST(SpatialIntersections, LineSphere) {
  TEuklidGeoR3 geo;
  std::uint8_t code = 99;
  TPunktpaarR3 points;
  geo.intersectLineSphere({{-10, 0, 0}, {1, 0, 0}}, kUnitSphere, code, points);
  EXPECT_EQ(code, 2);
  EXPECT_EQ(points, (TPunktpaarR3{{1, 0, 0}, {-1, 0, 0}}));
  geo.intersectLineSphere({{0, 1, 0}, {1, 0, 0}}, kUnitSphere, code, points);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(points, (TPunktpaarR3{{0, 1, 0}, {0, 1, 0}}));
  // Nearly tangent from outside still touches (the plane version would say none).
  geo.intersectLineSphere({{0, 1 + 1e-12L, 0}, {1, 0, 0}}, kUnitSphere, code, points);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(points.first, points.second);

  const TPunktpaarR3 untouched{{7, 7, 7}, {8, 8, 8}};
  points = untouched;
  geo.intersectLineSphere({{0, 1.001L, 0}, {1, 0, 0}}, kUnitSphere, code, points);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(points, untouched);
}

TEST(SpatialIntersections, Spheres) {
  TEuklidGeoR3 geo;
  std::uint8_t relation = 99;
  TKreisR3 circle;
  geo.intersectSpheres({{0, 0, 0}, 6}, {{10, 0, 0}, 8}, relation, circle);
  EXPECT_EQ(relation, 4);
  EXPECT_TRUE(closeTo(circle.center, {3.6L, 0, 0}, 1e-17L));
  EXPECT_TRUE(closeTo(circle.radius, 4.8L, 1e-17L));
  EXPECT_TRUE(closeTo(circle.plane.point, {3.6L, 0, 0}, 1e-17L));
  EXPECT_EQ(circle.plane.direction1, (TVektorR3{0, 1, 0}));
  EXPECT_EQ(circle.plane.direction2, (TVektorR3{0, 0, 1}));

  geo.intersectSpheres({{0, 0, 0}, 4}, {{10, 0, 0}, 6}, relation, circle);
  EXPECT_EQ(relation, 5);
  EXPECT_EQ(circle.radius, 0);
  EXPECT_TRUE(closeTo(circle.center, {4, 0, 0}, 1e-17L));

  geo.intersectSpheres({{0, 0, 0}, 10}, {{0, 4, 0}, 6}, relation, circle);
  EXPECT_EQ(relation, 2);
  EXPECT_EQ(circle.radius, 0);
  EXPECT_TRUE(closeTo(circle.center, {0, 10, 0}, 1e-17L));

  const TKreisR3 untouched{{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, {10, 11, 12}, 13};
  struct NoCircle {
    TKugelR3 K1, K2;
    std::uint8_t relation;
  };
  for (const NoCircle& c : {NoCircle{{{1, 1, 1}, 3}, {{1, 1, 1}, 3}, 3}, NoCircle{{{1, 1, 1}, 3}, {{1, 1, 1}, 2}, 0},
                            NoCircle{{{0, 0, 0}, 10}, {{1, 0, 0}, 2}, 1}, NoCircle{{{0, 0, 0}, 1}, {{0, 0, 9}, 2}, 6}}) {
    circle = untouched;
    geo.intersectSpheres(c.K1, c.K2, relation, circle);
    EXPECT_EQ(relation, c.relation);
    EXPECT_EQ(circle, untouched);
  }
  EXPECT_TRUE(geo.lastError().empty());
}

TEST(SpatialIntersections, PlaneSphere) {
  TEuklidGeoR3 geo;
  std::uint8_t code = 99;
  TKreisR3 circle;
  geo.intersectPlaneSphere({0, 0, 1, 3}, {{0, 0, 0}, 5}, code, circle);
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(closeTo(circle.radius, 4, 1e-18L));
  EXPECT_EQ(circle.center, (TVektorR3{0, 0, 3}));
  geo.intersectPlaneSphere({0, 0, 1, 6}, {{0, 0, 0}, 5}, code, circle);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(circle.radius, 0);
  EXPECT_EQ(circle.center, (TVektorR3{0, 0, 6}));
  geo.intersectPlaneSphere({0, 0, 1, 5}, {{0, 0, 0}, 5}, code, circle);
  EXPECT_EQ(code, 2);
  EXPECT_EQ(circle.radius, 0);
  EXPECT_EQ(circle.plane, (TEbeneR3{{0, 0, 5}, {1, 0, 0}, {0, 1, 0}}));
}

struct SegmentCase {
  TStreckeR3 segment;
  std::uint8_t code;
  TPunktpaarR3 points;
};

TEST(SpatialIntersections, SegmentSphereCodes) {
  const TPunktpaarR3 untouched{{-99, -99, -99}, {-99, -99, -99}};
  const SegmentCase cases[] = {
      {{{0, 0, 10000}, {0, 0, 7000}}, 1, untouched},
      {{{0, 0, 10000}, {0, 0, -10000}}, 6, {{0, 0, -6371}, {0, 0, 6371}}},
      {{{0, 0, 6371}, {0, 0, 20000}}, 5, {{0, 0, 6371}, {0, 0, 6371}}},
      {{{0, 0, 20000}, {0, 0, 6371}}, 5, {{0, 0, 6371}, {0, 0, 6371}}},
      {{{0, 0, 6371}, {0, 0, -20000}}, 6, {{0, 0, -6371}, {0, 0, 6371}}},
      {{{0, 0, 0}, {0, 100, 0}}, 0, untouched},
      {{{0, 0, 0}, {0, 10000, 0}}, 3, {{0, 6371, 0}, {0, 6371, 0}}},
      {{{0, 10000, 0}, {0, 0, 0}}, 3, {{0, 6371, 0}, {0, 6371, 0}}},
      {{{0, 0, 0}, {0, 6371, 0}}, 4, {{0, 6371, 0}, {0, 6371, 0}}},
      {{{0, -6371, 0}, {0, 6371, 0}}, 2, {{0, 6371, 0}, {0, -6371, 0}}},
      {{{-10000, 0, 6371}, {10000, 0, 6371}}, 7, {{0, 0, 6371}, {0, 0, 6371}}},
      {{{0, 0, 6371}, {10000, 0, 6371}}, 8, {{0, 0, 6371}, {0, 0, 6371}}},
      {{{1000, 0, 6371}, {10000, 0, 6371}}, 1, untouched},  // the tangent point lies before the segment
  };
  TEuklidGeoR3 geo;
  for (const SegmentCase& c : cases) {
    std::uint8_t code = 99;
    TPunktpaarR3 points = untouched;
    geo.intersectSegmentSphere(c.segment, kEarth, code, points);
    SCOPED_TRACE(testing::Message() << "segment (" << double(c.segment.startPoint.x) << ", "
                                    << double(c.segment.startPoint.y) << ", " << double(c.segment.startPoint.z)
                                    << ") to (" << double(c.segment.endPoint.x) << ", "
                                    << double(c.segment.endPoint.y) << ", " << double(c.segment.endPoint.z) << ")");
    EXPECT_EQ(code, c.code);
    EXPECT_TRUE(closeTo(points.first, c.points.first, 1e-9L));
    EXPECT_TRUE(closeTo(points.second, c.points.second, 1e-9L));
  }
  EXPECT_TRUE(geo.lastError().empty());
}

TEST(SpatialProjections, ImagePlaneAndImagePoints) {
  TEuklidGeoR3 geo;
  TEbeneR3 image;
  const TVektorR3 eye{0, -50, 0};
  geo.parallelProjection({6.371L, 0, 0}, eye, image);
  EXPECT_EQ(image.direction1, (TVektorR3{1, 0, 0}));
  EXPECT_EQ(image.direction2, (TVektorR3{0, 0, 1}));
  EXPECT_TRUE(closeTo(image.point, {6.371L, 0, 0}, 1e-18L));
  geo.parallelProjection({0, 7, 6.371L}, eye, image);
  EXPECT_TRUE(closeTo(image.point, {0, 0, 6.371L}, 1e-18L));

  // Central: the ray from the eye through (10, 50, 10) meets y = 0 half way.
  geo.centralProjection({10, 50, 10}, eye, image);
  EXPECT_TRUE(closeTo(image.point, {5, 0, 5}, 1e-17L));

  // Looking down the z axis the axes fall back to x and y.
  geo.parallelProjection({3, 4, 5}, {0, 0, 50}, image);
  EXPECT_EQ(image.direction1, (TVektorR3{1, 0, 0}));
  EXPECT_EQ(image.direction2, (TVektorR3{0, 1, 0}));
  EXPECT_TRUE(closeTo(image.point, {3, 4, 0}, 1e-18L));
  EXPECT_TRUE(geo.lastError().empty());

  // The eye itself, and a point in the eye's own plane parallel to the image
  // plane, have no image point: it stays at the origin.
  image.point = {9, 9, 9};
  geo.centralProjection(eye, eye, image);
  EXPECT_EQ(image.point, (TVektorR3{0, 0, 0}));
  EXPECT_FALSE(geo.lastError().empty());
  geo.centralProjection({20, -50, 3}, eye, image);
  EXPECT_EQ(image.point, (TVektorR3{0, 0, 0}));
}

TEST(SpatialProjections, FirstAxisIsDividedByItsLength) {
  // e1 / length(e1), componentwise: multiplying by the reciprocal, as normalize
  // does, differs in the last bit for these eyes.
  TEuklidGeoR3 geo;
  for (const TVektorR3 eye : {TVektorR3{1, -20, 5}, TVektorR3{2, -30, 0}, TVektorR3{1, -10, 10}}) {
    const TVektorR3 n = TEuklidGeoR3::normalize(eye);
    const TVektorR3 e1 = TEuklidGeoR3::crossProduct({0, 0, 1}, n);
    const long double len = TEuklidGeoR3::length(e1);
    const TVektorR3 axis{e1.x / len, e1.y / len, e1.z / len};
    for (bool central : {false, true}) {
      TEbeneR3 image;
      if (central)
        geo.centralProjection({3, 4, 5}, eye, image);
      else
        geo.parallelProjection({3, 4, 5}, eye, image);
      EXPECT_EQ(image.direction1, axis) << double(eye.x) << " " << double(eye.y) << " " << double(eye.z);
      EXPECT_EQ(image.direction2, TEuklidGeoR3::crossProduct(n, axis));
    }
  }
}

}  // namespace
