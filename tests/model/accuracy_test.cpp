// The fix against independent arithmetic: the intersection of each iteration against
// the calculator's own operations, and the converged point against a least-squares
// solution of the same four ranges with an unknown clock offset.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <random>
#include <vector>

#include "model/GpsUnit.h"

namespace {

long double dist(TVektorR3 a, TVektorR3 b) {
  return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

TVektorR3 randomReceiver(std::mt19937_64& rng) {
  std::normal_distribution<double> n;
  std::uniform_real_distribution<double> h(0, 11);
  const double x = n(rng), y = n(rng), z = n(rng);
  const double l = std::sqrt(x * x + y * y + z * z);
  const long double r = 6371.0L + h(rng);
  return {x / l * r, y / l * r, z / l * r};
}

// Spheres 1..3 intersected step by step with the general operations of the calculator.
bool referenceIntersection(const std::array<TKugelR3, 5>& s, TVektorR3& point) {
  TEuklidGeoR3 geo(false);
  std::uint8_t r12 = 0, r13 = 0;
  TKreisR3 c12{}, c13{};
  geo.intersectSpheres(s[1], s[2], r12, c12);
  geo.intersectSpheres(s[1], s[3], r13, c13);
  const auto meets = [](std::uint8_t r) { return r == 2 || r == 4 || r == 5; };
  if (!meets(r12) || !meets(r13)) return false;
  std::uint8_t code = 0;
  TGeradeR3 line{};
  geo.intersectPlanes(c12.plane, c13.plane, code, line);
  if (code != 2) return false;
  TPunktpaarR3 points{};
  code = 0;
  geo.intersectLineSphere(line, s[1], code, points);
  if (code == 0) return false;
  point = dist(points.first, {0, 0, 0}) < dist(points.second, {0, 0, 0}) ? points.first
                                                                          : points.second;
  return true;
}

// Newton's method on |S_i - X| - delta = rho_i, i = 1..4, for X and the common
// correction delta of the ranges, started on the earth below the satellites.
TVektorR3 leastSquares(const std::array<TKugelR3, 4>& ranges) {
  TVektorR3 mean{0, 0, 0};
  for (const auto& r : ranges) mean = {mean.x + r.center.x, mean.y + r.center.y, mean.z + r.center.z};
  const long double m = dist(mean, {0, 0, 0});
  long double X[4] = {6371 * mean.x / m, 6371 * mean.y / m, 6371 * mean.z / m, 0};
  for (int step = 0; step < 60; ++step) {
    long double A[4][5];
    for (int i = 0; i < 4; ++i) {
      const TVektorR3 S = ranges[i].center;
      const long double d = dist(S, {X[0], X[1], X[2]});
      A[i][0] = (X[0] - S.x) / d;
      A[i][1] = (X[1] - S.y) / d;
      A[i][2] = (X[2] - S.z) / d;
      A[i][3] = -1;
      A[i][4] = -(d - X[3] - ranges[i].radius);
    }
    for (int c = 0; c < 4; ++c) {  // Gaussian elimination with partial pivoting
      int pivot = c;
      for (int r = c + 1; r < 4; ++r)
        if (std::fabs(A[r][c]) > std::fabs(A[pivot][c])) pivot = r;
      std::swap(A[c], A[pivot]);
      for (int r = c + 1; r < 4; ++r) {
        const long double f = A[r][c] / A[c][c];
        for (int k = c; k < 5; ++k) A[r][k] -= f * A[c][k];
      }
    }
    long double dx[4];
    for (int c = 3; c >= 0; --c) {
      long double v = A[c][4];
      for (int k = c + 1; k < 4; ++k) v -= A[c][k] * dx[k];
      dx[c] = v / A[c][c];
    }
    for (int k = 0; k < 4; ++k) X[k] += dx[k];
    if (std::fabs(dx[0]) + std::fabs(dx[1]) + std::fabs(dx[2]) < 1e-12L) break;
  }
  return {X[0], X[1], X[2]};
}

std::int64_t iterations = 0;
std::int64_t countingClock() {
  ++iterations;
  return 0;
}

}  // namespace

TEST(FixArithmetic, EachIterationMatchesTheCalculatorsOperationsExactly) {
  std::mt19937_64 rng(99);
  std::uniform_real_distribution<double> delta(-3000, 3000);
  TSatellitenSchar sky;
  int compared = 0, failures = 0;
  for (int trial = 0; trial < 300; ++trial) {
    if (trial % 10 == 0) sky.moveSatellites();
    TEmpfaenger r;
    r.clock.receiveSignals(randomReceiver(rng), sky);
    for (int start = 0; start + 4 <= r.signalCount(); ++start) {
      r.loadSpheres(start);
      r.adjustRadii(trial % 3 == 0 ? 0.0L : delta(rng));
      TVektorR3 tight{1, 2, 3}, reference{1, 2, 3};
      r.failed = false;
      r.intersectThreeSpheres(tight);
      const bool found = referenceIntersection(r.spheres, reference);
      ASSERT_EQ(!r.failed, found) << trial << " " << start;
      EXPECT_EQ(tight, reference) << trial << " " << start;
      ++compared;
      failures += !found;
    }
  }
  EXPECT_GT(compared, 1000);
  EXPECT_GT(failures, 0);  // the failing branch was compared too
}

TEST(FixArithmetic, ConvergedPointsAgreeWithALeastSquaresSolution) {
  const auto previous = TEmpfaenger::setTimeSource(countingClock);
  std::mt19937_64 rng(1234);
  TSatellitenSchar sky;
  int determinations = 0, firstWindow = 0, someWindow = 0, none = 0, agree = 0;
  std::vector<long double> errors;
  std::vector<std::int64_t> counts;
  for (int trial = 0; trial < 800; ++trial) {
    if (trial % 20 == 0) sky.moveSatellites();
    const TVektorR3 truth = randomReceiver(rng);
    TEmpfaenger r;
    r.clock.receiveSignals(truth, sky);
    if (r.signalCount() < 4) continue;
    ++determinations;
    TVektorR3 p{};
    int success = -1;
    for (int start = 0; start + 4 <= r.signalCount(); ++start) {
      iterations = 0;
      r.determinePosition(start, p);
      counts.push_back(iterations);
      if (!r.failed) {
        success = start;
        break;
      }
    }
    if (success < 0) {
      ++none;
      continue;
    }
    (success == 0 ? firstWindow : someWindow)++;
    std::array<TKugelR3, 4> ranges;
    for (int i = 0; i < 4; ++i) {
      const TListenElement* e = r.signalAt(success + 1 + i);
      ranges[i] = {e->position, e->runTime * 0.0003L};
    }
    agree += dist(leastSquares(ranges), p) < 0.001L;
    errors.push_back(dist(p, truth));
  }
  TEmpfaenger::setTimeSource(previous);

  ASSERT_GT(determinations, 700);
  const int found = firstWindow + someWindow;
  EXPECT_GE(agree, found * 9 / 10);
  std::sort(errors.begin(), errors.end());
  std::sort(counts.begin(), counts.end());
  EXPECT_LT(double(errors[errors.size() / 2]), 0.001);
  std::cout << "determinations " << determinations << ": first window " << firstWindow
            << ", a later window " << someWindow << ", none " << none << "; agree with least "
            << "squares within 1 m: " << agree << " of " << found << "; median error "
            << double(errors[errors.size() / 2]) * 1000 << " m, 95th percentile "
            << double(errors[errors.size() * 95 / 100]) * 1000 << " m, worst "
            << double(errors.back()) * 1000 << " m; iterations per window: median "
            << counts[counts.size() / 2] << ", 95th percentile " << counts[counts.size() * 95 / 100]
            << ", maximum " << counts.back() << "\n";
}

// The whole fix, written out with the calculator's operations as described, against
// the receiver: the same point, the same corrected radii, the same outcome.
TEST(FixArithmetic, WholeWindowsMatchTheDescribedLoopExactly) {
  const auto previous = TEmpfaenger::setTimeSource(countingClock);
  std::mt19937_64 rng(4321);
  TSatellitenSchar sky;
  TEuklidGeoR3 geo(false);
  int windows = 0;
  for (int trial = 0; trial < 150; ++trial) {
    if (trial % 10 == 0) sky.moveSatellites();
    TEmpfaenger r;
    r.clock.receiveSignals(randomReceiver(rng), sky);
    for (int start = 0; start + 4 <= r.signalCount(); ++start) {
      r.loadSpheres(start);
      std::array<TKugelR3, 5> spheres = r.spheres;
      TVektorR3 expected{};
      bool failed = false;
      long double total = 0;
      for (;;) {
        if (!referenceIntersection(spheres, expected)) {
          failed = true;
          break;
        }
        const long double m = spheres[4].radius - geo.distance(spheres[4].center, expected);
        if (std::fabs(m) <= TEmpfaenger::tolerance) break;
        for (int i = 1; i <= 4; ++i) spheres[i].radius += -m / 2;
        total += -m / 2;
        if (std::fabs(total) > TEmpfaenger::runawayCorrection) {
          failed = true;
          break;
        }
      }
      TVektorR3 actual{};
      r.determinePosition(start, actual);
      ASSERT_EQ(r.failed, failed) << trial << " " << start;
      if (!failed) {
        EXPECT_EQ(actual, expected) << trial << " " << start;
      }
      for (int i = 1; i <= 4; ++i) EXPECT_EQ(r.spheres[i].radius, spheres[i].radius);
      ++windows;
    }
  }
  TEmpfaenger::setTimeSource(previous);
  EXPECT_GT(windows, 500);
}
