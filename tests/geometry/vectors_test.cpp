#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "geometry/vektorR3clss.h"
#include "platform/extended.h"
#include "tests/geometry/test_util.h"
#include "tests/support/RecordingMessages.h"

namespace {

using geometry_test::closeTo;

constexpr long double kPi = extendedPi;
const char* const kNullVectorText = "Es muss ein vom Nullvektor verschiedener Vektor angegeben werden";


TEST(Tolerances, ZeroSameValueAndIsEqualBoundaries) {
  EXPECT_TRUE(TEuklidGeo::isZero(1e-16L));
  EXPECT_FALSE(TEuklidGeo::isZero(2e-16L));
  EXPECT_TRUE(TEuklidGeo::isEqual(1, 1 + 5e-11L));
  EXPECT_FALSE(TEuklidGeo::isEqual(1, 1 + 2e-10L));
  // SameValue is relative: 1e6 and 1e6 + 1e-11 differ by far more than 1e-16 but
  // by less than 1e6 * 1e-16.
  EXPECT_TRUE(TEuklidGeo::sameValue(1e6L, 1e6L + 5e-11L));
  EXPECT_FALSE(TEuklidGeo::sameValue(1.0L, 1.0L + 1e-15L));
  EXPECT_TRUE(TEuklidGeo::sameValue(0.0L, 1e-16L));
}

TEST(Tolerances, AreIndependent) {
  long double lambda = -7;
  EXPECT_FALSE(TEuklidGeo::areIndependent({1, 2, 3}, {2, 4, 6}, lambda));
  EXPECT_EQ(lambda, 0.5L);
  EXPECT_TRUE(TEuklidGeo::areIndependent({1, 0, 0}, {0, 1, 0}, lambda));
  // v.x and v.y zero: the z component decides.
  EXPECT_FALSE(TEuklidGeo::areIndependent({0, 0, 3}, {0, 0, -1}, lambda));
  EXPECT_EQ(lambda, -3.0L);
  // A null vector is never independent and leaves lambda alone.
  lambda = 42;
  EXPECT_FALSE(TEuklidGeo::areIndependent({0, 0, 0}, {1, 2, 3}, lambda));
  EXPECT_FALSE(TEuklidGeo::areIndependent({1, 2, 3}, {1e-17L, 0, 0}, lambda));
  EXPECT_EQ(lambda, 42.0L);
}

TEST(Vectors, NormalizeLeavesNullVectorsAlone) {
  EXPECT_EQ(TEuklidGeoR3::normalize({0, 0, 0}), (TVektorR3{0, 0, 0}));
  EXPECT_EQ(TEuklidGeoR3::normalize({1e-17L, 0, 0}), (TVektorR3{1e-17L, 0, 0}));
  EXPECT_TRUE(closeTo(TEuklidGeoR3::normalize({0, 3, 4}), {0, 0.6L, 0.8L}, 1e-15L));
}

TEST(Vectors, ProductsAndDistance) {
  EXPECT_EQ(TEuklidGeoR3::crossProduct({1, 0, 0}, {0, 1, 0}), (TVektorR3{0, 0, 1}));
  EXPECT_EQ(TEuklidGeoR3::crossProduct({1, 2, 3}, {4, 5, 6}), (TVektorR3{-3, 6, -3}));
  EXPECT_EQ(TEuklidGeoR3::dotProduct({1, 2, 3}, {4, 5, 6}), 32.0L);
  EXPECT_EQ(TEuklidGeoR3::distance({1, 1, 1}, {4, 5, 1}), 5.0L);
  EXPECT_EQ(TEuklidGeoR3::multiply({1, -2, 3}, 2), (TVektorR3{2, -4, 6}));
}

TEST(Vectors, OrthogonalVectors) {
  TEuklidGeoR3 geo(false);
  EXPECT_EQ(geo.orthogonalVector1(TVektorR3{0, 3, 4}), (TVektorR3{0, -4, 3}));
  EXPECT_EQ(geo.orthogonalVector2(TVektorR3{0, 3, 4}), (TVektorR3{1, -4, 3}));
  EXPECT_EQ(geo.orthogonalVector1(TVektorR3{1, 2, 3}), (TVektorR3{-2, 1, 0}));
  EXPECT_EQ(geo.orthogonalVector2(TVektorR3{1, 2, 3}), (TVektorR3{-3, 0, 1}));
  EXPECT_TRUE(geo.lastError().empty());

  TVektorR3 result{7, 8, 9};
  EXPECT_FALSE(geo.orthogonalVector1(TVektorR3{0, 0, 0}, result));
  EXPECT_EQ(result, (TVektorR3{7, 8, 9}));
  EXPECT_EQ(geo.lastError(), kNullVectorText);
  EXPECT_FALSE(geo.orthogonalVector2(TVektorR3{1e-17L, 0, 0}, result));
  EXPECT_EQ(result, (TVektorR3{7, 8, 9}));
}

TEST(Rotations, StorageOrderIsByColumns) {
  const TMatrixR3 m = TEuklidGeoR3::rotationMatrixZ(kPi / 6);
  const long double c = std::cos(kPi / 6), s = std::sin(kPi / 6);
  EXPECT_EQ(m, (TMatrixR3{c, s, 0, -s, c, 0, 0, 0, 1}));
  // e4 is row 1, column 2.
  EXPECT_EQ(TEuklidGeoR3::matrixTimesVector({0, 0, 0, 1, 0, 0, 0, 0, 0}, {0, 5, 0}), (TVektorR3{5, 0, 0}));
}

TEST(Rotations, CoordinateRotationsSnapTurnedComponents) {
  EXPECT_EQ(TEuklidGeoR3::rotateZ({1, 0, 0}, kPi / 2), (TVektorR3{0, 1, 0}));
  EXPECT_EQ(TEuklidGeoR3::rotateX({0, 1, 0}, kPi / 2), (TVektorR3{0, 0, 1}));
  EXPECT_EQ(TEuklidGeoR3::rotateY({0, 0, 1}, kPi / 2), (TVektorR3{1, 0, 0}));
  // The component a rotation keeps is not snapped.
  EXPECT_EQ(TEuklidGeoR3::rotateZ({0, 0, 1e-18L}, 1).z, 1e-18L);
  EXPECT_EQ(TEuklidGeoR3::rotateX({1e-18L, 0, 0}, 1).x, 1e-18L);
}

TEST(Rotations, AxisRotationTurnsTheOtherWay) {
  EXPECT_EQ(TEuklidGeoR3::rotateAroundAxis({0, 1, 0}, {1, 0, 0}, kPi / 2), (TVektorR3{0, 0, -1}));
  EXPECT_EQ(TEuklidGeoR3::rotateAroundAxis({1, 2, 3}, {0, 0, 5}, 0.7L),
            TEuklidGeoR3::rotateAroundAxis({1, 2, 3}, {0, 0, 1}, 0.7L));
  // Same as rotateZ by the negative angle.
  EXPECT_TRUE(closeTo(TEuklidGeoR3::rotateAroundAxis({1, 2, 3}, {0, 0, 1}, 0.7L), TEuklidGeoR3::rotateZ({1, 2, 3}, -0.7L), 1e-15L));
  // A null axis scales by cos(angle) and reports nothing.
  TEuklidGeoR3 geo;
  EXPECT_TRUE(closeTo(geo.rotateAroundAxis({2, 4, 6}, {0, 0, 0}, kPi / 3), {1, 2, 3}, 1e-15L));
  EXPECT_TRUE(geo.lastError().empty());
}

TEST(Rotations, KeepLengthsOnRandomVectors) {
  std::mt19937_64 rng(20261208);
  std::uniform_real_distribution<double> coord(-30000, 30000), angle(-10, 10);
  for (int i = 0; i < 2000; ++i) {
    const TVektorR3 v{coord(rng), coord(rng), coord(rng)};
    const TVektorR3 axis{coord(rng), coord(rng), coord(rng)};
    const long double a = angle(rng);
    const long double len = TEuklidGeoR3::length(v);
    const long double tolerance = len * 1e-17L * 16;
    EXPECT_TRUE(closeTo(TEuklidGeoR3::length(TEuklidGeoR3::rotateX(v, a)), len, tolerance));
    EXPECT_TRUE(closeTo(TEuklidGeoR3::length(TEuklidGeoR3::rotateY(v, a)), len, tolerance));
    EXPECT_TRUE(closeTo(TEuklidGeoR3::length(TEuklidGeoR3::rotateZ(v, a)), len, tolerance));
    const TVektorR3 turned = TEuklidGeoR3::rotateAroundAxis(v, axis, a);
    EXPECT_TRUE(closeTo(TEuklidGeoR3::length(turned), len, tolerance));
    // The component along the axis does not change.
    const TVektorR3 n = TEuklidGeoR3::normalize(axis);
    EXPECT_TRUE(closeTo(TEuklidGeoR3::dotProduct(turned, n), TEuklidGeoR3::dotProduct(v, n), tolerance));
  }
}

TEST(Errors, MessageTablesAndShowErrors) {
  // Two blanks after "bzw." belong to the text.
  EXPECT_STREQ(TEuklidGeoR3::messageText(4),
               "Die Richtungsvektoren einer Ebene müssen linear unabhängig sein bzw.  die drei Punkte "
               "dürfen nicht auf einer Geraden liegen");
  EXPECT_STREQ(TEuklidGeoR3::messageText(8),
               "Anfangs- und Endpunkt einer Strecke müssen verschieden sein bzw. weiter auseinander liegen");
  EXPECT_STREQ(TEuklidGeoR3::messageText(200), "Es müssen mindestens 2 Vektoren angegeben werden");
  EXPECT_STREQ(TEuklidGeoR2::messageText(3),
               "Der Richtungsvektor einer Geraden darf nicht der Nullvektor sein bzw. die Punkte, welche "
               "die Gerade festlegen, müssen verschieden sein");
  EXPECT_STREQ(TEuklidGeoR2::messageText(6), "Für eine Strecke werden zwei verschiedene Punkte benötigt");
  for (int code : {0, 5, 11, 16, 17, 21, 27, 31, 41, 49, 99, 201, -1}) EXPECT_STREQ(TEuklidGeoR3::messageText(code), "");
  for (int code : {0, 18, 26, 100}) EXPECT_STREQ(TEuklidGeoR2::messageText(code), "");

  testing_support::RecordingMessages recorder;
  TEuklidGeoR3 quiet(false), loud(true);
  EXPECT_TRUE(loud.lastError().empty());
  quiet.reportError(9);
  EXPECT_EQ(quiet.lastError(), kNullVectorText);
  EXPECT_TRUE(recorder.messages().empty());
  loud.reportError(9);
  ASSERT_EQ(recorder.messages().size(), 1u);
  EXPECT_EQ(recorder.messages()[0].kind, platform::MessageKind::Error);
  EXPECT_EQ(recorder.messages()[0].text, kNullVectorText);
  // A later success does not clear the text.
  loud.orthogonalVector1(TVektorR3{1, 2, 3});
  EXPECT_EQ(loud.lastError(), kNullVectorText);

  TEuklidGeoR2 plane(true);
  plane.reportError(1);
  EXPECT_EQ(plane.lastError(), "Kreise müssen positive Radien haben");
  EXPECT_EQ(recorder.messages().size(), 2u);
}

}  // namespace
