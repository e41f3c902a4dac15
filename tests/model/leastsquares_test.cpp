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

TVektorR3 add(TVektorR3 p, TVektorR3 d, long double s) {
  return {p.x + s * d.x, p.y + s * d.y, p.z + s * d.z};
}

// Satellites 20000 km away at the given elevations and azimuths (degrees).
std::vector<TVektorR3> sky(std::initializer_list<std::pair<long double, long double>> directions) {
  const LocalFrame f = localFrame(kReceiver);
  std::vector<TVektorR3> result;
  for (const auto& [elevation, azimuth] : directions) {
    const long double e = elevation * deg, a = azimuth * deg;
    TVektorR3 p = add(kReceiver, f.up, 20000 * std::sin(e));
    p = add(p, f.east, 20000 * std::cos(e) * std::sin(a));
    result.push_back(add(p, f.north, 20000 * std::cos(e) * std::cos(a)));
  }
  return result;
}

std::vector<long double> rangesFrom(const std::vector<TVektorR3>& satellites, TVektorR3 at,
                                    long double clock) {
  std::vector<long double> ranges;
  for (const TVektorR3& s : satellites) ranges.push_back(TEuklidGeoR3::distance(s, at) + clock);
  return ranges;
}

const auto kGood = sky({{80, 10}, {35, 70}, {20, 150}, {50, 200}, {15, 260}, {30, 320}});

}  // namespace

TEST(LeastSquares, ExactRangesGiveThePositionTheClockAndNoResiduals) {
  for (const long double clock : {0.0L, 0.3L, -250.0L}) {  // km
    const auto ranges = rangesFrom(kGood, kReceiver, clock);
    const LeastSquaresFix fix = leastSquaresFix(kGood, ranges);
    ASSERT_TRUE(fix.valid()) << leastSquaresReason(fix);
    EXPECT_LT(double(TEuklidGeoR3::distance(fix.position, kReceiver)), 1e-9) << double(clock);
    EXPECT_NEAR(double(fix.clockOffset), double(clock), 1e-9);
    EXPECT_NEAR(double(fix.clockOffsetNs()), double(clock / 0.0003L), 1e-5);
    EXPECT_LE(fix.iterations, LeastSquaresFix::maxIterations);
    EXPECT_EQ(fix.satellites, 6);
    for (int i = 0; i < fix.satellites; ++i) EXPECT_LT(std::fabs(double(fix.residuals[i])), 1e-6);
    EXPECT_TRUE(leastSquaresReason(fix).empty());
  }
}

// One range 50 m too long: to first order the residuals are (I - H (HᵀH)⁻¹ Hᵀ) times
// that error, worked out here on the true geometry.
TEST(LeastSquares, ResidualsBelongToTheirSatellitesAndPdopToTheGeometry) {
  for (int faulty = 0; faulty < 6; ++faulty) {
    auto ranges = rangesFrom(kGood, kReceiver, 0.1L);
    ranges[faulty] += 0.05L;
    const LeastSquaresFix fix = leastSquaresFix(kGood, ranges);
    ASSERT_TRUE(fix.valid());
    Eigen::Matrix<double, 6, 4> H;
    for (int i = 0; i < 6; ++i) {
      const TVektorR3 d = TEuklidGeoR3::differenceR3(kGood[i], kReceiver);
      const double l = double(std::sqrt(TEuklidGeoR3::dotProduct(d, d)));
      H.row(i) << double(d.x) / l, double(d.y) / l, double(d.z) / l, 1;
    }
    Eigen::Matrix<double, 6, 1> error = Eigen::Matrix<double, 6, 1>::Zero();
    error(faulty) = 50;
    const Eigen::Matrix<double, 6, 1> expected =
        error - H * (H.transpose() * H).inverse() * H.transpose() * error;
    for (int i = 0; i < 6; ++i)
      EXPECT_NEAR(double(fix.residuals[i]), expected(i), 0.001) << faulty << " " << i;
    const DilutionOfPrecision dop = dilutionOfPrecision(fix.position, kGood);
    EXPECT_NEAR(fix.pdop, dop.pdop, 1e-9);
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
      {"four on one elevation", sky({{30, 0}, {30, 90}, {30, 180}, {30, 270}}), S::degenerate,
       "entartet"},
      {"seven on one elevation",
       sky({{45, 0}, {45, 50}, {45, 100}, {45, 150}, {45, 200}, {45, 250}, {45, 300}}),
       S::degenerate, "entartet"},
      {"four in a plane with the receiver", sky({{5, 90}, {40, 90}, {40, 270}, {10, 270}}),
       S::degenerate, "entartet"},
      {"four well spread", sky({{90, 0}, {10, 0}, {10, 120}, {10, 240}}), S::valid, nullptr},
  };
  for (const auto& c : cases) {
    const LeastSquaresFix fix = leastSquaresFix(c.satellites, rangesFrom(c.satellites, kReceiver, 0));
    EXPECT_EQ(fix.status, c.status) << c.name;
    EXPECT_EQ(fix.satellites, int(c.satellites.size())) << c.name;
    if (c.says) {
      EXPECT_NE(leastSquaresReason(fix).find(c.says), std::string::npos)
          << c.name << ": " << leastSquaresReason(fix);
    }
  }
}
