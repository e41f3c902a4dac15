// Least squares over every satellite on ranges written down exactly, and where it
// must refuse.
#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <cmath>
#include <numbers>
#include <vector>

#include "model/DilutionOfPrecision.h"
#include "model/LeastSquares.h"
#include "model/SkyGeometry.h"

namespace {

constexpr long double deg = std::numbers::pi_v<long double> / 180;
const TVektorR3 kReceiver{3000, 4000, 4001.2L};  // about 8 km above the surface

// Satellites 20000 km away at the given elevations and azimuths (degrees).
std::vector<TVektorR3> sky(std::initializer_list<std::pair<long double, long double>> directions) {
  const LocalFrame f = localFrame(kReceiver);
  std::vector<TVektorR3> result;
  for (const auto& [elevation, azimuth] : directions) {
    const long double e = elevation * deg, a = azimuth * deg, h = 20000 * std::cos(e);
    const long double east = h * std::sin(a), north = h * std::cos(a), up = 20000 * std::sin(e);
    result.push_back({kReceiver.x + east * f.east.x + north * f.north.x + up * f.up.x,
                      kReceiver.y + east * f.east.y + north * f.north.y + up * f.up.y,
                      kReceiver.z + east * f.east.z + north * f.north.z + up * f.up.z});
  }
  return result;
}

std::vector<long double> rangesFrom(const std::vector<TVektorR3>& satellites, long double clock) {
  std::vector<long double> ranges;
  for (const TVektorR3& s : satellites) ranges.push_back(TEuklidGeoR3::distance(s, kReceiver) + clock);
  return ranges;
}

}  // namespace

// Exact ranges give the position and the clock; one range 50 m too long leaves, to
// first order, (I - H (HᵀH)⁻¹ Hᵀ) times that error in the residuals, worked out here on
// the true geometry.
TEST(LeastSquares, PositionClockAndResidualsFromRangesWrittenDownExactly) {
  const auto satellites = sky({{80, 10}, {35, 70}, {20, 150}, {50, 200}, {15, 260}, {30, 320}});
  Eigen::Matrix<double, 6, 4> H;
  for (int i = 0; i < 6; ++i) {
    const TVektorR3 d = TEuklidGeoR3::differenceR3(satellites[i], kReceiver);
    const double l = double(std::sqrt(TEuklidGeoR3::dotProduct(d, d)));
    H.row(i) << double(d.x) / l, double(d.y) / l, double(d.z) / l, 1;
  }
  const Eigen::Matrix<double, 6, 6> P = H * (H.transpose() * H).inverse() * H.transpose();
  for (int faulty = -1; faulty < 6; ++faulty) {
    const long double clock = faulty * 100.3L;  // km
    auto ranges = rangesFrom(satellites, clock);
    if (faulty >= 0) ranges[faulty] += 0.05L;
    const LeastSquaresFix fix = leastSquaresFix(satellites, ranges);
    ASSERT_TRUE(fix.valid()) << leastSquaresReason(fix);
    EXPECT_TRUE(leastSquaresReason(fix).empty());
    EXPECT_EQ(fix.satellites, 6);
    if (faulty < 0) {
      EXPECT_LT(double(TEuklidGeoR3::distance(fix.position, kReceiver)), 1e-9);
      EXPECT_NEAR(double(fix.clockOffsetNs()), double(clock / 0.0003L), 1e-5);
    }
    for (int i = 0; i < 6; ++i) {
      const double expected = faulty < 0 ? 0 : 50 * ((i == faulty) - P(i, faulty));
      EXPECT_NEAR(double(fix.residuals[i]), expected, 0.001) << faulty << " " << i;
    }
    EXPECT_NEAR(fix.pdop, dilutionOfPrecision(fix.position, satellites).pdop, 1e-9);
  }
}

TEST(LeastSquares, NoFixWithoutFourSatellitesInAUsefulGeometry) {
  using S = LeastSquaresFix::Status;
  const struct {
    const char* name;
    std::vector<TVektorR3> satellites;
    S status;
    const char* says;
  } cases[] = {
      {"none", {}, S::tooFewSatellites, "nur 0 Satelliten"},
      {"one", sky({{60, 0}}), S::tooFewSatellites, "nur 1 Satellit –"},
      {"three", sky({{60, 0}, {30, 120}, {30, 240}}), S::tooFewSatellites, "mindestens 4"},
      {"four on one elevation", sky({{30, 0}, {30, 90}, {30, 180}, {30, 270}}), S::degenerate, "entartet"},
      {"seven on one elevation",
       sky({{45, 0}, {45, 50}, {45, 100}, {45, 150}, {45, 200}, {45, 250}, {45, 300}}), S::degenerate, "entartet"},
      {"four in a plane with the receiver", sky({{5, 90}, {40, 90}, {40, 270}, {10, 270}}), S::degenerate, "entartet"},
      {"four well spread", sky({{90, 0}, {10, 0}, {10, 120}, {10, 240}}), S::valid, ""},
  };
  for (const auto& c : cases) {
    const LeastSquaresFix fix = leastSquaresFix(c.satellites, rangesFrom(c.satellites, 0));
    EXPECT_EQ(fix.status, c.status) << c.name;
    EXPECT_EQ(fix.satellites, int(c.satellites.size())) << c.name;
    EXPECT_NE(leastSquaresReason(fix).find(c.says), std::string::npos) << c.name << ": " << leastSquaresReason(fix);
  }
}
