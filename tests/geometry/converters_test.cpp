#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "geometry/Koordinatenclss.h"
#include "platform/extended.h"
#include "tests/geometry/test_util.h"

namespace {

using geometry_test::closeTo;

constexpr long double kPi = extendedPi;

TGeoPosition geo(char ew, std::int32_t lonDeg, long double lonMin, char ns, std::int32_t latDeg, long double latMin,
                 long double height = 0) {
  return {ew, ns, {lonDeg, lonMin}, {latDeg, latMin}, height};
}

// Signed angles in minutes of arc: east and north positive.
long double signedLongitude(const TGeoPosition& p) {
  const long double m = p.longitude.degrees * 60 + p.longitude.minutes;
  return std::toupper(static_cast<unsigned char>(p.eastWest)) == 'W' ? -m : m;
}
long double signedLatitude(const TGeoPosition& p) {
  const long double m = p.latitude.degrees * 60 + p.latitude.minutes;
  return std::toupper(static_cast<unsigned char>(p.northSouth)) == 'N' ? m : -m;
}

// The same place: the hemisphere letter of 0 degrees, 180 degrees E/W and the
// longitude at a pole do not matter. The converter snaps cartesian components
// below 1e-10 km to 0; close to the poles that alone can move the longitude by
// more than 1e-6 minutes, but never the point by more than 1e-10 km.
::testing::AssertionResult samePlace(const TGeoPosition& back, const TGeoPosition& original) {
  const long double kTolerance = 1e-6L;
  const long double lat = signedLatitude(back), lat0 = signedLatitude(original);
  long double dlon = std::fabs(signedLongitude(back) - signedLongitude(original));
  if (dlon > 180 * 60) dlon = 360 * 60 - dlon;
  const long double fromAxis = (6371 + original.height / 1000) * std::cos(lat0 / 60 * kPi / 180);
  const bool longitudeOk = dlon <= kTolerance || dlon / 60 * kPi / 180 * fromAxis <= 1e-10L;
  const bool ok = std::fabs(lat - lat0) <= kTolerance && longitudeOk &&
                  std::fabs(back.height - original.height) <= 1e-6L && back.longitude.minutes < 60 &&
                  back.latitude.minutes < 60 && back.longitude.minutes >= 0 && back.latitude.minutes >= 0;
  if (ok) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "got " << back.eastWest << " " << back.longitude.degrees << "° " << double(back.longitude.minutes) << "', "
         << back.northSouth << " " << back.latitude.degrees << "° " << double(back.latitude.minutes) << "', "
         << double(back.height) << " m; expected " << original.eastWest << " " << original.longitude.degrees << "° "
         << double(original.longitude.minutes) << "', " << original.northSouth << " " << original.latitude.degrees
         << "° " << double(original.latitude.minutes) << "', " << double(original.height)
         << " m; longitude off by " << double(dlon) << "', latitude off by " << double(std::fabs(lat - lat0)) << "'";
}

TEST(CoordinateConverter, ExactPoints) {
  const TKoordinatenwandlerR3 converter;
  EXPECT_EQ(converter.geoToCartesian(geo('O', 0, 0, 'N', 0, 0)), (TVektorR3{6371, 0, 0}));
  EXPECT_EQ(converter.cartesianToGeo({6371, 0, 0}), geo('O', 0, 0, 'S', 0, 0));
  EXPECT_EQ(converter.geoToCartesian(geo('O', 90, 0, 'N', 0, 0)), (TVektorR3{0, 6371, 0}));
  EXPECT_EQ(converter.geoToCartesian(geo('W', 0, 0, 'N', 0, 0)), (TVektorR3{6371, 0, 0}));
  EXPECT_EQ(TKoordinatenwandlerR3::geoToSpherical(geo('W', 0, 0, 'N', 0, 0)).longitude, 2 * kPi);
  EXPECT_EQ(converter.geoToCartesian(geo('O', 180, 0, 'N', 0, 0)), converter.geoToCartesian(geo('W', 180, 0, 'N', 0, 0)));
  EXPECT_TRUE(closeTo(converter.geoToCartesian(geo('O', 180, 0, 'N', 0, 0)), {-6371, 0, 0}, 1e-15L));

  const TGeoPosition west = converter.cartesianToGeo({-6371, 0, 0});
  EXPECT_EQ(west.eastWest, 'W');
  EXPECT_TRUE(closeTo(west.longitude.degrees * 60 + west.longitude.minutes, 180 * 60, 1e-9L));
  EXPECT_EQ(converter.cartesianToGeo({0, 0, 6371}), geo('O', 0, 0, 'N', 90, 0));
  EXPECT_EQ(converter.cartesianToGeo({0, 0, -6371}), geo('O', 0, 0, 'S', 90, 0));
  EXPECT_EQ(converter.cartesianToGeo({0, 0, 0}), geo('O', 0, 0, 'S', 90, 0, -6371000));
}

TEST(CoordinateConverter, HemisphereLettersAreReadLeniently) {
  const TKoordinatenwandlerR3 converter;
  const TVektorR3 southWest = converter.geoToCartesian(geo('W', 30, 0, 'S', 45, 0));
  EXPECT_EQ(converter.geoToCartesian(geo('w', 30, 0, 's', 45, 0)), southWest);
  const TVektorR3 northEast = converter.geoToCartesian(geo('O', 30, 0, 'N', 45, 0));
  EXPECT_EQ(converter.geoToCartesian(geo('o', 30, 0, 'n', 45, 0)), northEast);
  // Any letter but W is east, any but N south; 'E' included.
  EXPECT_EQ(converter.geoToCartesian(geo('E', 30, 0, 'X', 45, 0)), converter.geoToCartesian(geo('O', 30, 0, 'S', 45, 0)));
  EXPECT_GT(northEast.y, 0);
  EXPECT_GT(northEast.z, 0);
  EXPECT_LT(southWest.y, 0);
  EXPECT_LT(southWest.z, 0);
}

TEST(CoordinateConverter, MinutesAreSnappedButNeverCarried) {
  const TKoordinatenwandlerR3 converter;
  // 10 degrees may come back as 9 degrees 59.99... minutes; either way the angle holds.
  const TGeoPosition p = converter.cartesianToGeo(converter.geoToCartesian(geo('O', 10, 0, 'N', 20, 30)));
  EXPECT_TRUE(closeTo(p.longitude.degrees * 60 + p.longitude.minutes, 600, 1e-9L));
  EXPECT_TRUE(p.longitude.minutes == 0 || p.longitude.minutes > 59.99L) << double(p.longitude.minutes);
  EXPECT_LT(p.longitude.minutes, 60);
  EXPECT_EQ(TKoordinatenwandlerR3::sphericalToGeo({kPi / 180 * (1 + 1e-9L / 60), kPi / 2, 6371}).longitude,
            (TGradMinuten{1, 0}));
}

TEST(CoordinateConverter, LongitudeOfTinyPointsIsNeverNaN) {
  // x*x loses precision deep in the subnormal range, so x / rho leaves [-1, 1].
  const long double x = 1.367031e-2475L;
  ASSERT_TRUE(std::isnan(std::acos(x / std::sqrt(x * x))));
  const TKugelkoordinaten east = TKoordinatenwandlerR3::cartesianToSpherical({x, 0, 0});
  EXPECT_EQ(east.longitude, 0);
  EXPECT_EQ(east.polarAngle, kPi / 2);
  EXPECT_EQ(TKoordinatenwandlerR3::cartesianToSpherical({-x, 0, 0}).longitude, kPi);
  // The sine of the angle leaves [0, 1] just as easily. These points do it in the x87
  // format; a wider type has deeper denormals, where its own points are looked for.
  long double x1 = 3.36569459780276430774e-2476L, y1 = 7.16439862608266045251e-2476L;
  long double x2 = -4.10583040872632635294e-2476L, y2 = 7.13660579026258987991e-2476L;
  if (std::numeric_limits<long double>::digits != 64) {
    const int deep = std::numeric_limits<long double>::min_exponent -
                     std::numeric_limits<long double>::digits;
    std::mt19937_64 rng(2476);
    auto tiny = [&](int bits) { return std::ldexp(static_cast<long double>(rng() >> (64 - bits)), deep / 2 - 8); };
    auto leaves = [](long double u, long double v) { return v / std::sqrt(u * u + v * v) > 1; };
    for (int i = 0; i < 100000 && !leaves(x1, y1); ++i) x1 = tiny(8), y1 = tiny(14);
    for (int i = 0; i < 100000 && !leaves(x2, y2); ++i) x2 = -tiny(8), y2 = tiny(14);
  }
  ASSERT_GT(y1 / std::sqrt(x1 * x1 + y1 * y1), 1.0L);
  ASSERT_GT(y2 / std::sqrt(x2 * x2 + y2 * y2), 1.0L);
  for (const TVektorR3 v : {TVektorR3{x1, y1, 0}, TVektorR3{x1, -y1, 0}, TVektorR3{x2, y2, 0}, TVektorR3{x2, -y2, 0}}) {
    const long double longitude = TKoordinatenwandlerR3::cartesianToSpherical(v).longitude;
    EXPECT_TRUE(longitude >= 0 && longitude <= 2 * kPi) << double(v.x) << " " << double(v.y);
  }
}

TEST(CoordinateConverter, RoundTripEverywhere) {
  const TKoordinatenwandlerR3 converter;
  std::vector<TGeoPosition> positions;
  for (long double h : {0.0L, 11000.0L, 3456.789L})
    for (char ew : {'O', 'W'})
      for (char ns : {'N', 'S'})
        for (std::int32_t lon : {0, 1, 45, 90, 179, 180})
          for (std::int32_t lat : {0, 1, 45, 89, 90})
            for (long double minutes : {0.0L, 1e-5L, 0.5L, 59.999999L})
              positions.push_back(geo(ew, lon, lon == 180 ? 0 : minutes, ns, lat, lat == 90 ? 0 : minutes, h));
  std::mt19937_64 rng(6);
  std::uniform_int_distribution<int> lonDeg(0, 179), latDeg(0, 89), letter(0, 1);
  std::uniform_real_distribution<long double> minute(0, 60), height(0, 11000);
  for (int i = 0; i < 20000; ++i)
    positions.push_back(geo(letter(rng) ? 'O' : 'W', lonDeg(rng), minute(rng), letter(rng) ? 'N' : 'S', latDeg(rng),
                            minute(rng), height(rng)));
  // Tiny longitudes and latitudes, where a cosine near 1 hides the angle.
  for (long double m = 1e-7L; m < 1; m *= 1.1L)
    for (char ew : {'O', 'W'}) {
      positions.push_back(geo(ew, 0, m, 'N', 12, 0, 100));
      positions.push_back(geo(ew, 179, 60 - m, 'S', 12, 0, 100));
      positions.push_back(geo(ew, 33, 0, 'N', 89, 60 - m, 100));
    }
  for (const TGeoPosition& p : positions)
    ASSERT_TRUE(samePlace(converter.cartesianToGeo(converter.geoToCartesian(p)), p));
}

TEST(MeridianWalk, CrossingTheNorthPole) {
  TKoordinatenwandlerR3 converter;
  const TVektorR3 start = converter.geoToCartesian(geo('O', 0, 0, 'N', 89, 54));
  const long double arc = 0.2L * kPi / 180 * 6371;
  ASSERT_TRUE(converter.southward);
  EXPECT_TRUE(samePlace(converter.cartesianToGeo(converter.moveOnMeridian(start, arc)), geo('O', 0, 0, 'N', 89, 42)));
  EXPECT_TRUE(converter.southward);

  TKoordinatenwandlerR3 northward;
  northward.southward = false;
  const TGeoPosition over = northward.cartesianToGeo(northward.moveOnMeridian(start, arc));
  EXPECT_TRUE(samePlace(over, geo('W', 180, 0, 'N', 89, 54)));
  EXPECT_EQ(over.eastWest, 'W');
  EXPECT_TRUE(northward.southward);
}

TEST(MeridianWalk, CrossingTheSouthPole) {
  TKoordinatenwandlerR3 converter;
  const TVektorR3 start = converter.geoToCartesian(geo('O', 30, 0, 'S', 89, 54, 500));
  const TVektorR3 over = converter.moveOnMeridian(start, 0.2L * kPi / 180 * (6371 + 0.5L));
  EXPECT_TRUE(samePlace(converter.cartesianToGeo(over), geo('W', 150, 0, 'S', 89, 54, 500)));
  EXPECT_FALSE(converter.southward);
  // The next step goes north on the new meridian.
  EXPECT_TRUE(samePlace(converter.cartesianToGeo(converter.moveOnMeridian(over, 0.5L * kPi / 180 * 6371.5L)),
                        geo('W', 150, 0, 'S', 89, 24, 500)));
  EXPECT_FALSE(converter.southward);
}

TEST(MeridianWalk, LongWalkStaysOnItsGreatCircleAndKeepsTheRadius) {
  TKoordinatenwandlerR3 converter;
  const TVektorR3 start = converter.geoToCartesian(geo('O', 40, 17, 'N', 52, 31, 250));
  const long double radius = TEuklidGeoR3::length(start);
  // Normal of the plane through the poles and the start point.
  const TVektorR3 normal = TEuklidGeoR3::normalize(TEuklidGeoR3::crossProduct({0, 0, 1}, start));
  TVektorR3 p = start;
  int flips = 0;
  bool direction = converter.southward;
  long double walked = 0;
  const long double step = 77.7L;
  for (int i = 0; i < 20000; ++i) {
    p = converter.moveOnMeridian(p, step);
    walked += step;
    if (converter.southward != direction) {
      ++flips;
      direction = converter.southward;
    }
    ASSERT_TRUE(closeTo(TEuklidGeoR3::length(p), radius, 1e-9L)) << "step " << i;
    ASSERT_TRUE(closeTo(TEuklidGeoR3::dotProduct(p, normal), 0, 1e-9L)) << "step " << i;
  }
  // Each pole is crossed once per lap of the great circle.
  const long double laps = walked / (2 * kPi * radius);
  EXPECT_NEAR(flips, 2 * laps, 1.01);
  EXPECT_GT(flips, 70);
}

TEST(PolarConverter, PolarToCartesian) {
  EXPECT_TRUE(closeTo(TKoordinatenWandlerR2::polarToCartesian({kPi / 6, 200}), {100 * std::sqrt(3.0L), 100}, 1e-15L));
  EXPECT_EQ(TKoordinatenWandlerR2::polarToCartesian({0, 5}), (TVektorR2{5, 0}));
}

}  // namespace
