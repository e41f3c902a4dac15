// Directions in the receiver's sky and the dilution of precision, against values
// worked out by hand for frames written down literally.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "model/DilutionOfPrecision.h"
#include "model/SkyGeometry.h"

namespace {

constexpr long double R = 6371;
constexpr double deg = std::numbers::pi / 180;

TVektorR3 add(TVektorR3 p, TVektorR3 d, long double s) {
  return {p.x + s * d.x, p.y + s * d.y, p.z + s * d.z};
}

struct DirectionCase {
  const char* name;
  TVektorR3 receiver, satellite;
  double azimuth;  // degrees; NaN where the zenith leaves it open
  double elevation;
};

}  // namespace

TEST(SkyDirection, AzimuthAndElevationInTheLocalFrame) {
  const long double c = std::sqrt(0.5L);
  const TVektorR3 at45N{R * c, 0, R * c};  // latitude 45 N on meridian 0: north (-c, 0, c)
  const DirectionCase cases[] = {
      {"overhead on the equator", {R, 0, 0}, {R + 20000, 0, 0}, NAN, 90},
      {"on the horizon due east", {R, 0, 0}, {R, 20000, 0}, 90, 0},
      {"on the horizon due north", {R, 0, 0}, {R, 0, 20000}, 0, 0},
      {"due north, 45 degrees up", {R, 0, 0}, {R + 10000, 0, 10000}, 0, 45},
      {"due west on the horizon", {R, 0, 0}, {R, -20000, 0}, 270, 0},
      {"due east at 90 E, 45 up", {0, R, 0}, {-10000, R + 10000, 0}, 90, 45},
      {"due south at 45 N, 30 up", at45N,
       add(add(at45N, {c, 0, -c}, 10000 * std::cos(30 * deg)), {c, 0, c}, 10000 * std::sin(30 * deg)),
       180, 30},
      {"overhead at the north pole", {0, 0, R}, {0, 0, R + 20000}, NAN, 90},
      // At a pole the frame is the one reached along the meridian 0°.
      {"north pole, towards meridian 0", {0, 0, R}, {20000, 0, R}, 180, 0},
      {"north pole, towards 90 E", {0, 0, R}, {0, 20000, R}, 90, 0},
      {"south pole, towards meridian 0", {0, 0, -R}, {20000, 0, -R - 20000}, 0, 45},
      {"overhead at the south pole", {0, 0, -R}, {0, 0, -R - 20000}, NAN, 90},
  };
  for (const DirectionCase& t : cases) {
    const SkyDirection d = skyDirection(t.receiver, t.satellite);
    EXPECT_NEAR(double(d.elevation) / deg, t.elevation, 1e-9) << t.name;
    EXPECT_TRUE(d.azimuth >= 0 && d.azimuth < 2 * std::numbers::pi) << t.name;
    if (!std::isnan(t.azimuth)) {
      EXPECT_NEAR(double(d.azimuth) / deg, t.azimuth, 1e-9) << t.name;
    }
  }
}

// The elevation takes the horizontal part as sqrt(|d|² - u²); against the east and
// north components it must agree far below the thousandth of a degree written out,
// also where that difference cancels, a hair off the zenith, and below the horizon.
TEST(SkyDirection, ElevationAgreesWithTheHorizontalComponents) {
  TSatellitenSchar constellation;
  for (const TVektorR3 receiver : {TVektorR3{R, 0, 0}, TVektorR3{0, 0, -R - 11},
                                   TVektorR3{-3000, 4000, 3871}, TVektorR3{1e-7L, 0, R}}) {
    const LocalFrame f = localFrame(receiver);
    std::vector<TVektorR3> satellites{add(receiver, f.up, 20000),
                                      add(add(receiver, f.up, 20000), f.east, 1e-5L)};
    for (int k = 1; k <= 24; ++k) satellites.push_back(constellation.satellites[k].position);
    for (const TVektorR3& p : satellites) {
      const TVektorR3 d{p.x - receiver.x, p.y - receiver.y, p.z - receiver.z};
      const auto dot = [&d](TVektorR3 v) { return d.x * v.x + d.y * v.y + d.z * v.z; };
      const long double expected = std::atan2(dot(f.up), std::hypot(dot(f.east), dot(f.north)));
      EXPECT_NEAR(double(skyElevation(f, receiver, p)), double(expected), 1e-9);
      EXPECT_EQ(skyElevation(f, receiver, p), skyDirection(f, receiver, p).elevation);
    }
  }
}

TEST(SkyDirection, OnlySatellitesAboveTheHorizonAreInTheSky) {
  TSatellitenSchar constellation;
  SatelliteSet defective{}, used{};
  defective[2] = true;
  used[2] = used[5] = true;
  for (const TVektorR3 receiver : {TVektorR3{R, 0, 0}, TVektorR3{0, 0, -R}, TVektorR3{-3000, 4000, 3871}}) {
    const long double scale = R / std::sqrt(receiver.x * receiver.x + receiver.y * receiver.y +
                                            receiver.z * receiver.z);
    const TVektorR3 onSurface{receiver.x * scale, receiver.y * scale, receiver.z * scale};
    const SkySnapshot sky = observeSky(constellation, onSurface, defective, used);
    std::vector<bool> inSky(25, false);
    for (int i = 0; i < sky.count; ++i) {
      const SkySatellite& s = sky.satellites[i];
      inSky[s.number] = true;
      const SkyMark expected = s.number == 2 ? SkyMark::defective
                               : s.number == 5 ? SkyMark::used
                                               : SkyMark::received;
      EXPECT_EQ(s.mark, expected) << s.number;
    }
    // From the surface the line of sight clears the earth exactly above the horizontal.
    for (int k = 1; k <= 24; ++k) {
      const TVektorR3 p = constellation.satellites[k].position;
      const long double up = (p.x - onSurface.x) * onSurface.x + (p.y - onSurface.y) * onSurface.y +
                             (p.z - onSurface.z) * onSurface.z;
      EXPECT_EQ(inSky[k], up > 0) << k;
    }
  }
}

namespace {

struct Frame {
  TVektorR3 receiver, east, north, up;
};

// The zenith and n satellites evenly round the sky at one elevation, 20000 km away.
std::vector<TVektorR3> ring(const Frame& f, int n, double elevation, bool zenith) {
  std::vector<TVektorR3> sats;
  if (zenith) sats.push_back(add(f.receiver, f.up, 20000));
  for (int k = 0; k < n; ++k) {
    const double a = 10 * deg + 2 * std::numbers::pi * k / n;
    TVektorR3 p = add(f.receiver, f.up, 20000 * std::sin(elevation));
    p = add(p, f.east, 20000 * std::cos(elevation) * std::sin(a));
    sats.push_back(add(p, f.north, 20000 * std::cos(elevation) * std::cos(a)));
  }
  return sats;
}

const Frame kFrames[] = {
    {{R, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 0}},
    // Any horizontal pair will do: the factors do not depend on where north points.
    {{0, 0, R + 5}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
};

}  // namespace

// Zenith plus n evenly spaced at elevation e: with s = sin e, (H^T H)^-1 has
// east = north = 2 / (n cos^2 e), up = (n + 1) / (n (1 - s)^2), time = (1 + n s^2) / (n (1 - s)^2).
TEST(DilutionOfPrecision, MatchesTheClosedFormOfASymmetricSky) {
  for (const Frame& f : kFrames)
    for (const int n : {3, 4, 7})
      for (const double e : {0.0, 20 * deg, 45 * deg}) {
        const double s = std::sin(e), c2 = std::cos(e) * std::cos(e);
        const double qe = 2 / (n * c2), qu = (n + 1) / (n * (1 - s) * (1 - s)),
                     qt = (1 + n * s * s) / (n * (1 - s) * (1 - s));
        const DilutionOfPrecision d = dilutionOfPrecision(f.receiver, ring(f, n, e, true));
        ASSERT_TRUE(d.valid()) << n << " " << e;
        EXPECT_EQ(d.satellites, n + 1);
        EXPECT_NEAR(d.hdop, std::sqrt(2 * qe), 1e-9) << n << " " << e;
        EXPECT_NEAR(d.vdop, std::sqrt(qu), 1e-9) << n << " " << e;
        EXPECT_NEAR(d.pdop, std::sqrt(2 * qe + qu), 1e-9) << n << " " << e;
        EXPECT_NEAR(d.tdop, std::sqrt(qt), 1e-9) << n << " " << e;
        EXPECT_NEAR(d.gdop, std::sqrt(2 * qe + qu + qt), 1e-9) << n << " " << e;
      }
}

TEST(DilutionOfPrecision, SaysWhenItCanNotBeComputed) {
  using S = DilutionOfPrecision::Status;
  const Frame& f = kFrames[0];
  std::vector<TVektorR3> vertical;  // in the east-up plane through the receiver
  for (const double e : {5.0, 40.0, 90.0, 150.0})
    vertical.push_back(add(add(f.receiver, f.east, 20000 * std::cos(e * deg)), f.up,
                           20000 * std::sin(e * deg)));
  const struct {
    const char* name;
    std::vector<TVektorR3> satellites;
    S status;
  } cases[] = {
      {"none", {}, S::tooFewSatellites},
      {"three", ring(f, 2, 30 * deg, true), S::tooFewSatellites},
      // Tips of the unit vectors on one circle: in one plane.
      {"four at one elevation", ring(f, 4, 30 * deg, false), S::degenerate},
      {"six at one elevation", ring(f, 6, 50 * deg, false), S::degenerate},
      {"four in a plane with the receiver", vertical, S::degenerate},
      {"four well spread", ring(f, 3, 10 * deg, true), S::valid},
  };
  for (const auto& t : cases) {
    const DilutionOfPrecision d = dilutionOfPrecision(f.receiver, t.satellites);
    EXPECT_EQ(d.status, t.status) << t.name;
    EXPECT_EQ(d.satellites, int(t.satellites.size())) << t.name;
  }
}

// The quick PDOP of a fix's satellites is the decomposition's.
TEST(Dop, ThePositionDopOfAFixIsTheDecompositionsPdop) {
  TSatellitenSchar sky;
  for (int s = 0; s < 17; ++s) sky.moveSatellites();
  const TVektorR3 receiver{3980.1L, 1016.2L, 4831.7L};
  std::vector<TVektorR3> heard;
  for (int k = 1; k <= 24; ++k)
    if (skyDirection(receiver, sky.satellites[k].position).elevation > 0)
      heard.push_back(sky.satellites[k].position);
  for (std::size_t n = 4; n <= heard.size(); ++n) {
    const std::span<const TVektorR3> used(heard.data(), n);
    EXPECT_NEAR(positionDop(receiver, used), dilutionOfPrecision(receiver, used).pdop, 1e-9) << n;
  }
}
