#include <gtest/gtest.h>


#include "geometry/vektorR2clss.h"
#include "platform/extended.h"
#include "tests/geometry/test_util.h"

namespace {

using geometry_test::closeTo;

constexpr long double kPi = extendedPi;

TEST(PlaneGeometry, RotatePointKeepsRoundingRemainder) {
  const TVektorR2 p = TEuklidGeoR2::rotatePointR2({200, 0}, kPi / 2);
  EXPECT_TRUE(closeTo(p, {0, 200}, 1e-15L));
  EXPECT_NE(p.x, 0.0L);
}

TEST(PlaneGeometry, LineEquationToParametric) {
  TEuklidGeoR2 geo;
  EXPECT_EQ(geo.lineEquationToParametric({0, 2, 4}), (TGeradeR2{{0, 2}, {1, 0}}));
  EXPECT_EQ(geo.lineEquationToParametric({4, 0, 8}), (TGeradeR2{{2, 0}, {0, 1}}));
  EXPECT_EQ(geo.lineEquationToParametric({1, 2, 4}), (TGeradeR2{{0, 2}, {1, -0.5L}}));
  EXPECT_TRUE(geo.lastError().empty());
  geo.lineEquationToParametric({0, 0, 4});
  EXPECT_EQ(geo.lastError(), "Nicht alle Koeffizienten der linken Seite einer Geradengleichung dürfen 0 sein");
}

TEST(PlaneGeometry, LineThroughEqualPointsIsReportedButReturned) {
  TEuklidGeoR2 geo;
  EXPECT_EQ(geo.lineThroughPointsR2({0, 0}, {0, 1e-18L}), (TGeradeR2{{0, 0}, {0, 1e-18L}}));
  EXPECT_TRUE(geo.lastError().empty()) << "the plane line check is exact";
  EXPECT_EQ(geo.lineThroughPointsR2({1, 2}, {1, 2}), (TGeradeR2{{1, 2}, {0, 0}}));
  EXPECT_EQ(geo.lastError(),
            "Der Richtungsvektor einer Geraden darf nicht der Nullvektor sein bzw. die Punkte, welche die "
            "Gerade festlegen, müssen verschieden sein");
}

TEST(PlaneGeometry, CircleRelations) {
  TEuklidGeoR2 geo;
  const TKreisR2 k{{0, 0}, 5};
  EXPECT_EQ(geo.circleRelation(k, k), 3);
  EXPECT_EQ(geo.circleRelation(k, {{0, 0}, 3}), 0);
  EXPECT_EQ(geo.circleRelation(k, {{1, 0}, 3}), 1);
  EXPECT_EQ(geo.circleRelation(k, {{2, 0}, 3}), 2);
  EXPECT_EQ(geo.circleRelation(k, {{7, 0}, 3}), 4);
  EXPECT_EQ(geo.circleRelation(k, {{8, 0}, 3}), 5);
  EXPECT_EQ(geo.circleRelation(k, {{9, 0}, 3}), 6);
  // Plane relations compare exactly, unlike the spatial isEqual.
  EXPECT_EQ(geo.circleRelation(k, {{8 + 1e-12L, 0}, 3}), 6);

  // The point test is relative: 1e-12 off the circle is off it.
  EXPECT_EQ(geo.pointCircleRelation({5, 0}, k), 2);
  EXPECT_EQ(geo.pointCircleRelation({5 + 1e-12L, 0}, k), 1);
  EXPECT_EQ(geo.pointCircleRelation({5 - 1e-12L, 0}, k), 0);
}

TEST(PlaneGeometry, IntersectCircles) {
  TEuklidGeoR2 geo;
  std::uint8_t relation = 99;
  TPunktpaarR2 points;
  geo.intersectCircles({{0, 0}, 6}, {{10, 0}, 8}, relation, points);
  EXPECT_EQ(relation, 4);
  EXPECT_TRUE(closeTo(points.first, {3.6L, 4.8L}, 1e-15L));
  EXPECT_TRUE(closeTo(points.second, {3.6L, -4.8L}, 1e-15L));

  // Touching: the point twice, or nothing written when rounding makes D negative.
  const TPunktpaarR2 sentinel{{-1, -1}, {-2, -2}};
  points = sentinel;
  geo.intersectCircles({{0, 0}, 4}, {{10, 0}, 6}, relation, points);
  EXPECT_EQ(relation, 5);
  if (points != sentinel) {
    EXPECT_TRUE(closeTo(points.first, {4, 0}, 1e-9L));
    EXPECT_EQ(points.first, points.second);
  }

  points = sentinel;
  geo.intersectCircles({{0, 0}, 1}, {{10, 0}, 2}, relation, points);
  EXPECT_EQ(relation, 6);
  EXPECT_EQ(points, sentinel);

  relation = 99;
  geo.intersectCircles({{0, 0}, 1}, {{1, 0}, 0}, relation, points);
  EXPECT_EQ(relation, 99);
  EXPECT_EQ(points, sentinel);
  EXPECT_EQ(geo.lastError(), "Kreise müssen positive Radien haben");
}

TEST(PlaneGeometry, RadicalLine) {
  TEuklidGeoR2 geo;
  std::uint8_t relation = 99;
  TGeradengleichungR2 g;
  geo.radicalLine({{0, 0}, 6}, {{10, 0}, 8}, relation, g);
  EXPECT_EQ(g, (TGeradengleichungR2{20, 0, 72}));
  EXPECT_EQ(relation, 4);
  // Apart circles still get their line.
  geo.radicalLine({{0, 0}, 1}, {{0, 10}, 1}, relation, g);
  EXPECT_EQ(g, (TGeradengleichungR2{0, 20, 100}));
  EXPECT_EQ(relation, 6);
}

TEST(PlaneGeometry, LineCircleGivesUpOnSlightlyNegativeDiscriminant) {
  TEuklidGeoR2 geo;
  std::uint8_t code = 99;
  TPunktpaarR2 points{{-1, -1}, {-1, -1}};
  geo.intersectLineCircle({{-10, 5 + 1e-12L}, {1, 0}}, {{0, 0}, 5}, code, points);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(points, (TPunktpaarR2{{-1, -1}, {-1, -1}}));
  geo.intersectLineCircle({{-10, 5 - 1e-12L}, {1, 0}}, {{0, 0}, 5}, code, points);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(points.first, points.second);
  geo.intersectLineCircle({{-10, 0}, {2, 0}}, {{0, 0}, 5}, code, points);
  EXPECT_EQ(code, 2);
  EXPECT_EQ(points, (TPunktpaarR2{{5, 0}, {-5, 0}}));
}

TEST(PlaneGeometry, PointSegmentRelation) {
  TEuklidGeoR2 geo;
  const TStreckeR2 s{{0, 0}, {10, 0}};
  EXPECT_EQ(geo.pointSegmentRelation({5, 0}, s), 2);
  EXPECT_EQ(geo.pointSegmentRelation({11, 0}, s), 5);
  EXPECT_EQ(geo.pointSegmentRelation({-1, 0}, s), 4);
  EXPECT_EQ(geo.pointSegmentRelation({5, 1}, s), 7);
  EXPECT_EQ(geo.pointSegmentRelation({5, -1}, s), 6);
  // Vertical segment: the parameter comes from y.
  EXPECT_EQ(geo.pointSegmentRelation({0, 3}, {{0, 0}, {0, 2}}), 5);
  EXPECT_EQ(geo.pointSegmentRelation({0, 1}, {{0, 0}, {0, 2}}), 2);
  EXPECT_TRUE(geo.lastError().empty());
  geo.pointSegmentRelation({0, 0}, {{1, 1}, {1, 1 + 1e-17L}});
  EXPECT_EQ(geo.lastError(), "Für eine Strecke werden zwei verschiedene Punkte benötigt");
}

struct SegmentCase {
  TStreckeR2 segment;
  std::uint8_t code;
  TPunktpaarR2 points;  // ignored for the codes that write none
};

TEST(PlaneGeometry, IntersectSegmentCircleCodes) {
  const TKreisR2 k{{0, 0}, 5};
  const TPunktpaarR2 untouched{{-99, -99}, {-99, -99}};
  const SegmentCase cases[] = {
      {{{0, 0}, {1, 1}}, 0, untouched},
      {{{10, 0}, {20, 0}}, 1, untouched},      // the line cuts, the segment does not
      {{{-10, 6}, {10, 6}}, 1, untouched},     // the line misses
      {{{-5, 0}, {5, 0}}, 2, {{5, 0}, {-5, 0}}},
      {{{0, 0}, {10, 0}}, 3, {{5, 0}, {5, 0}}},
      {{{10, 0}, {0, 0}}, 3, {{5, 0}, {5, 0}}},
      {{{0, 0}, {5, 0}}, 4, {{5, 0}, {5, 0}}},
      {{{5, 0}, {10, 0}}, 5, {{5, 0}, {5, 0}}},
      {{{10, 0}, {5, 0}}, 5, {{5, 0}, {5, 0}}},
      {{{5, 0}, {-10, 0}}, 6, {{-5, 0}, {5, 0}}},
      {{{-10, 5}, {10, 5}}, 7, {{0, 5}, {0, 5}}},
      {{{0, 5}, {10, 5}}, 8, {{0, 5}, {0, 5}}},
  };
  TEuklidGeoR2 geo;
  for (const SegmentCase& c : cases) {
    std::uint8_t code = 99;
    TPunktpaarR2 points = untouched;
    geo.intersectSegmentCircle(c.segment, k, code, points);
    SCOPED_TRACE(testing::Message() << "segment (" << double(c.segment.startPoint.x) << ", "
                                    << double(c.segment.startPoint.y) << ") to (" << double(c.segment.endPoint.x)
                                    << ", " << double(c.segment.endPoint.y) << ")");
    EXPECT_EQ(code, c.code);
    EXPECT_TRUE(closeTo(points.first, c.points.first, 1e-12L));
    EXPECT_TRUE(closeTo(points.second, c.points.second, 1e-12L));
  }

  std::uint8_t code = 99;
  TPunktpaarR2 points;
  geo.intersectSegmentCircle({{0, 0}, {10, 0}}, {{5, 0}, 1}, code, points);
  EXPECT_EQ(code, 6);
  EXPECT_TRUE(closeTo(points.first, {6, 0}, 1e-15L));
  EXPECT_TRUE(closeTo(points.second, {4, 0}, 1e-15L));
  EXPECT_TRUE(geo.lastError().empty());

  code = 99;
  points = untouched;
  geo.intersectSegmentCircle({{3, 3}, {3, 3}}, k, code, points);
  EXPECT_EQ(code, 99);
  EXPECT_EQ(points, untouched);
  EXPECT_EQ(geo.lastError(), "Für eine Strecke werden zwei verschiedene Punkte benötigt");
}

}  // namespace
