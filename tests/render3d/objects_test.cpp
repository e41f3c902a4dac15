#include <gtest/gtest.h>

#include <cmath>

#include "render3d/DreiDclss.h"
#include "tests/render3d/render3d_util.h"

using render3d_test::near3;
using render3d_test::pointsOf;
using render3d_test::sublistsOf;

namespace {

TKreisR3 circle(TVektorR3 center, long double radius, TVektorR3 u, TVektorR3 v) {
  return TKreisR3{{center, u, v}, center, radius};
}

}  // namespace

TEST(TVektorR3Class, ComparesExactlyAndNeverOrders) {
  TVektorR3Class a({1, 2, 3});
  TVektorR3Class same({1, 2, 3});
  TVektorR3Class tiny({1, 2, 3 + 1e-15L});
  TVektorR3Class smaller({0, 0, 0});
  TInteger other(1);
  EXPECT_EQ(a.compare(same), 0);
  EXPECT_EQ(a.compare(tiny), 2);
  EXPECT_EQ(a.compare(smaller), 2);
  EXPECT_EQ(smaller.compare(a), 2);
  EXPECT_EQ(a.compare(other), 2);
}

TEST(TVektorR3Class, CopyIsIndependentAndListsCanSearchIt) {
  TVektorR3Class a({4, 5, 6});
  auto c = a.copy();
  auto* p = dynamic_cast<TVektorR3Class*>(c.get());
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->vector, (TVektorR3{4, 5, 6}));
  a.vector.x = 0;
  EXPECT_EQ(p->vector.x, 4);

  TListe list;
  list.append(std::make_unique<TVektorR3Class>(TVektorR3{1, 0, 0}));
  list.append(std::make_unique<TVektorR3Class>(TVektorR3{0, 1, 0}));
  TVektorR3Class wanted({0, 1, 0});
  EXPECT_EQ(list.lookUp(wanted), list.getElem());
  EXPECT_EQ(list.position(), 1);
  TVektorR3Class missing({0, 1, 1e-20L});
  EXPECT_EQ(list.lookUp(missing), nullptr);
}

TEST(T3DObjekt, StartsEmptyAndBlack) {
  T3DObjekt o;
  EXPECT_EQ(o.color, 0u);
  EXPECT_EQ(o.secondColor, 0u);
  EXPECT_EQ(o.penWidth, 0);
  EXPECT_EQ(o.kind, 0);
  ASSERT_NE(o.points, nullptr);
  EXPECT_TRUE(o.points->empty());
}

TEST(T3DStrecke, HoldsStartThenEnd) {
  T3DStrecke s(TStreckeR3{{1, 2, 3}, {-4, 5, 6}});
  EXPECT_EQ(s.kind, 3);
  const auto pts = pointsOf(*s.points);
  ASSERT_EQ(pts.size(), 2u);
  EXPECT_EQ(pts[0], (TVektorR3{1, 2, 3}));
  EXPECT_EQ(pts[1], (TVektorR3{-4, 5, 6}));
}

TEST(T3DKreis, FourStepsStartOnTheFirstDirectionAndClose) {
  T3DKreis k(circle({0, 0, 0}, 1, {1, 0, 0}, {0, 1, 0}), 4);
  EXPECT_EQ(k.kind, 7);
  const auto pts = pointsOf(*k.points);
  ASSERT_EQ(pts.size(), 5u);
  EXPECT_EQ(pts[0], (TVektorR3{1, 0, 0}));
  EXPECT_TRUE(near3(pts[4], pts[0], 1e-15L));
  // A quarter turn per step, in the circle's plane, on the circle.
  for (const auto& p : pts) {
    EXPECT_NEAR(double(p.z), 0.0, 1e-18);
    EXPECT_NEAR(double(std::hypot(p.x, p.y)), 1.0, 1e-15);
  }
  EXPECT_TRUE(near3(pts[2], {-1, 0, 0}, 1e-15L));
  EXPECT_NEAR(double(std::fabs(pts[1].y)), 1.0, 1e-15);
  EXPECT_NEAR(double(pts[1].y), double(-pts[3].y), 1e-15);
}

TEST(T3DKreis, ZeroStepsMakeTwo) {
  T3DKreis k(circle({1, 1, 1}, 2, {0, 3, 0}, {0, 0, 1}), 0);
  const auto pts = pointsOf(*k.points);
  ASSERT_EQ(pts.size(), 3u);
  EXPECT_TRUE(near3(pts[0], {1, 3, 1}, 1e-15L));
  EXPECT_TRUE(near3(pts[1], {1, -1, 1}, 1e-15L));
  EXPECT_TRUE(near3(pts[2], pts[0], 1e-15L));
}

TEST(T3DKreis, UsesCentreAndRadiusNotThePlanePoint) {
  TKreisR3 c = circle({5, 0, 0}, 0.5, {0, 1, 0}, {0, 0, 2});
  c.plane.point = {100, 100, 100};
  T3DKreis k(c, 16);
  for (const auto& p : pointsOf(*k.points)) {
    EXPECT_NEAR(double(p.x), 5.0, 1e-15);
    EXPECT_NEAR(double(std::hypot(p.y, p.z)), 0.5, 1e-15);
  }
}

TEST(T3DKugel, EarthHasFortyOneMeridiansAndElevenLatitudes) {
  const TKugelR3 earth{{0, 0, 0}, 6.371L};
  T3DKugel k(earth, {0, 0, 1}, 40, 11, 80);
  EXPECT_EQ(k.kind, 8);
  const auto lists = sublistsOf(*k.points);
  ASSERT_EQ(lists.size(), 52u);
  for (TListe* l : lists) EXPECT_EQ(l->count(), 81);
  // Meridians pass through both poles.
  for (int i = 0; i < 41; ++i) {
    const auto pts = pointsOf(*lists[i]);
    EXPECT_TRUE(near3(pts[0], {0, 0, 6.371L}, 1e-15L)) << i;
    EXPECT_TRUE(near3(pts[40], {0, 0, -6.371L}, 1e-14L)) << i;
  }
  // Latitude circles at heights k r / 6, k = -5 .. 5, with the matching radius.
  for (int i = 0; i < 11; ++i) {
    const long double h = 6.371L * (i - 5) / 6;
    for (const auto& p : pointsOf(*lists[41 + i])) {
      EXPECT_NEAR(double(p.z), double(h), 1e-14) << i;
      EXPECT_NEAR(double(std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z)), 6.371, 1e-14) << i;
    }
  }
}

TEST(T3DKugel, OneLatitudeGivesThreeEqualGreatCirclesAndTheEquator) {
  const TKugelR3 sat{{10, -3, 2}, 1};
  const TVektorR3 axis{0.3L, 0.2L, 0.9L};
  T3DKugel k(sat, axis, 20, 1, 40);
  const auto lists = sublistsOf(*k.points);
  ASSERT_EQ(lists.size(), 4u);
  // The first three lie in one plane through the axis (at 0, 180 and 360 degrees;
  // the middle one is walked the other way round).
  TEuklidGeoR3 g;
  const TVektorR3 meridianNormal = g.normalize(g.crossProduct(axis, g.orthogonalVector1(axis)));
  for (int i = 0; i < 3; ++i) {
    const auto pts = pointsOf(*lists[i]);
    ASSERT_EQ(pts.size(), 41u);
    EXPECT_TRUE(near3(pts[0], g.sum(sat.center, g.normalize(axis)), 1e-15L)) << i;
    for (const auto& p : pts) {
      const TVektorR3 d = g.differenceR3(p, sat.center);
      EXPECT_NEAR(double(g.dotProduct(d, meridianNormal)), 0.0, 1e-14) << i;
      EXPECT_NEAR(double(g.length(d)), 1.0, 1e-15) << i;
    }
  }
  // The last one is the equator: perpendicular to the axis through the centre.
  const TVektorR3 n = g.normalize(axis);
  const auto eq = pointsOf(*lists[3]);
  ASSERT_EQ(eq.size(), 41u);
  for (const auto& p : eq) {
    const TVektorR3 d = g.differenceR3(p, sat.center);
    EXPECT_NEAR(double(g.dotProduct(d, n)), 0.0, 1e-15);
    EXPECT_NEAR(double(g.length(d)), 1.0, 1e-15);
  }
}

TEST(T3DKugel, EvenLatitudeCountLeavesOutTheEquator) {
  const TKugelR3 s{{0, 0, 0}, 3};
  T3DKugel k(s, {0, 0, 1}, 4, 2, 8);
  const auto lists = sublistsOf(*k.points);
  ASSERT_EQ(lists.size(), 5u + 2u);
  const auto south = pointsOf(*lists[5]);
  const auto north = pointsOf(*lists[6]);
  for (const auto& p : south) EXPECT_NEAR(double(p.z), -2.0, 1e-15);
  for (const auto& p : north) EXPECT_NEAR(double(p.z), 2.0, 1e-15);
  EXPECT_NEAR(double(std::hypot(north[0].x, north[0].y)), std::sqrt(5.0), 1e-15);
}

TEST(T3DKugel, DegenerateCountsDoNotFail) {
  const TKugelR3 s{{0, 0, 0}, 1};
  T3DKugel zeroLatitudes(s, {0, 0, 1}, 2, 0, 4);  // taken as one latitude circle
  EXPECT_EQ(zeroLatitudes.points->count(), 4);
  T3DKugel oneStep(s, {0, 0, 1}, 1, 1, 4);  // taken as two steps
  EXPECT_EQ(oneStep.points->count(), 4);
  T3DKugel zeroAxis(s, {0, 0, 0}, 4, 3, 4);  // nothing sensible, but no crash
  EXPECT_EQ(zeroAxis.points->count(), 5 + 3);
}

TEST(T3DKreis, PointsAreExactlyThoseOfTheCalculatorsRotation) {
  // The circle reuses cosines and sines across circles; the points must still be
  // the centre plus rotateAroundAxis of the radius vector, bit for bit.
  const TKreisR3 c = circle({1.5L, -2, 0.25L}, 2.75L, {0.3L, 1, -0.2L}, {0.1L, 0.4L, 2});
  T3DKreis k(c, 37);
  TEuklidGeoR3 g;
  const TVektorR3 axis = g.normalize(g.crossProduct(c.plane.direction1, c.plane.direction2));
  const TVektorR3 e = g.multiply(g.normalize(c.plane.direction1), c.radius);
  const auto pts = pointsOf(*k.points);
  ASSERT_EQ(pts.size(), 38u);
  for (std::size_t i = 0; i < pts.size(); ++i)
    EXPECT_EQ(pts[i], g.sum(c.center, g.rotateAroundAxis(e, axis, i * (kTwoPi3D / 37)))) << i;
}
