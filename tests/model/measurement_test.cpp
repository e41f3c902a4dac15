// Whole measurements: with nothing switched on exactly the lesson's determination;
// with errors, the clock offset, the scatter both methods make against what the
// geometry predicts, and a faulty satellite in the residuals.
#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <atomic>
#include <cmath>
#include <mutex>
#include <iostream>
#include <random>
#include <vector>

#include "model/LessonModel.h"
#include "model/Measurement.h"
#include "platform/random.h"

namespace {

ErrorSettings budget() {
  ErrorSettings s;
  for (auto& source : s.sources) source.on = true;
  return s;
}

double metres(TVektorR3 a, TVektorR3 b) { return double(TEuklidGeoR3::distance(a, b)) * 1000; }

// Receivers at seeded places anywhere, 0..11 km up, under a constellation that moves
// on by `steps` every `every` places.
struct Places {
  Places(std::uint64_t seed, int moveEvery, int moveSteps)
      : rng(seed), every(moveEvery), steps(moveSteps) {}
  MeasurementSetup next(const ErrorSettings& settings, DrawMode mode = DrawMode::lesson) {
    if (count++ % every == 0)
      for (int s = 0; s < steps; ++s) sky.moveSatellites();
    std::normal_distribution<double> n;
    const double x = n(rng), y = n(rng), z = n(rng), l = std::sqrt(x * x + y * y + z * z);
    const long double r = 6371.0L + std::uniform_real_distribution<double>(0, 11)(rng);
    return {&sky, {x / l * r, y / l * r, z / l * r}, {}, settings, std::uint64_t(count), 0, mode};
  }
  TSatellitenSchar sky;
  std::mt19937_64 rng;
  int every, steps, count = 0;
};

// The expected mean squared 3D error (m²) of least squares over signals from ..
// from + n - 1, each with its own σ: the position block's trace of
// (HᵀH)⁻¹ HᵀRH (HᵀH)⁻¹, R = diag(σᵢ²). For four signals, the four spheres'.
double expectedSquare(const Measurement& m, int from, int n, const MeasurementSetup& setup) {
  Eigen::MatrixXd H(n, 4);
  Eigen::VectorXd variance(n);
  for (int i = 0; i < n; ++i) {
    const MeasuredSignal& s = m.signals[from + i];
    const TVektorR3 d = TEuklidGeoR3::differenceR3(s.position, setup.truePosition);
    const double l = double(std::sqrt(TEuklidGeoR3::dotProduct(d, d)));
    H.row(i) << double(d.x) / l, double(d.y) / l, double(d.z) / l, 1;
    variance(i) = std::pow(double(signalSigma(setup.settings, s.elevation)), 2);
  }
  const Eigen::MatrixXd A = (H.transpose() * H).inverse() * H.transpose();
  const Eigen::MatrixXd C = A * variance.asDiagonal() * A.transpose();
  return C(0, 0) + C(1, 1) + C(2, 2);
}

// `draws` measurements at one instant: the sums of the squared 3D errors, measured and
// expected.
struct Cloud {
  double four = 0, fourExpected = 0, least = 0, leastExpected = 0;
  int fourCount = 0, leastCount = 0;
};
Cloud cloud(MeasurementSetup setup, int draws) {
  Cloud c;
  for (setup.draw = 0; setup.draw < std::uint64_t(draws); ++setup.draw) {
    const Measurement m = measure(setup);
    if (m.fourSpheres.found) {
      c.four += std::pow(metres(m.fourSpheres.position, setup.truePosition), 2);
      c.fourExpected += expectedSquare(m, m.fourSpheres.window, 4, setup);
      ++c.fourCount;
    }
    if (m.leastSquares.valid()) {
      c.least += std::pow(metres(m.leastSquares.position, setup.truePosition), 2);
      c.leastExpected += expectedSquare(m, 0, m.signalCount, setup);
      ++c.leastCount;
    }
  }
  return c;
}

// Keeps the mismatches of every window as the lesson's record does.
struct Recorder : WindowRecorder {
  std::vector<std::vector<long double>> windows;
  FixTrace begin(std::int32_t) override {
    windows.emplace_back(LessonModel::traceLimit);
    return {FixOutcome::converged, 0, 0, windows.back().data(), LessonModel::traceLimit, 0};
  }
  void end(std::int32_t, const FixTrace& trace) override { windows.back().resize(trace.recorded); }
};

}  // namespace

TEST(Measurement, EverySourceOffIsTheLessonsDeterminationBitForBit) {
  const struct {
    int steps;
    std::vector<int> defective;
  } cases[] = {{0, {}}, {37, {}}, {120, {5, 17}}, {400, {}}, {611, {2, 3, 9}}, {800, {}}, {52, {11}}};
  for (const auto& c : cases) {
    LessonModel lesson;
    for (int s = 0; s < c.steps; ++s) lesson.satelliteTick();
    platform::setRandomSeed(c.steps);
    lesson.erzeugen();
    MeasurementSetup setup{&lesson.constellation(), lesson.truePosition()};
    for (int k : c.defective) lesson.setDefective(k, setup.defective[k] = true);
    const DeterminationRecord r = lesson.determinationTick();
    Recorder recorder;
    TEmpfaenger receiver;
    const Measurement m = measure(setup, receiver, &recorder);

    ASSERT_EQ(m.signalCount, int(r.signals.size())) << c.steps;
    for (int i = 0; i < m.signalCount; ++i) {
      const MeasuredSignal& s = m.signals[i];
      EXPECT_EQ(s.number, r.signals[i].number) << c.steps << " " << i;
      EXPECT_EQ(s.runTime, r.signals[i].runTime) << c.steps << " " << i;
      EXPECT_EQ(s.trueRunTime, r.signals[i].runTime) << c.steps << " " << i;
      EXPECT_EQ(s.fictiveRunTime, r.signals[i].fictiveRunTime) << c.steps << " " << i;
    }
    EXPECT_EQ(m.fourSpheres.found, r.found()) << c.steps;
    ASSERT_EQ(recorder.windows.size(), r.windows.size()) << c.steps;
    EXPECT_EQ(m.fourSpheres.windowsTried, int(r.windows.size())) << c.steps;
    for (std::size_t w = 0; w < r.windows.size(); ++w)
      EXPECT_EQ(recorder.windows[w], r.windows[w].mismatches) << c.steps << " " << w;
    EXPECT_EQ(receiver.clock.windowStart, lesson.receiver().clock.windowStart);
    if (r.found()) {
      EXPECT_EQ(m.fourSpheres.position, r.position) << c.steps;
    }
  }
}

TEST(Measurement, MeasuredRunTimesCarryTheDrawnDelays) {
  ErrorSettings settings = budget();
  settings.offsetOn = settings.faultyOn = true;
  Places places(31, 5, 40);
  for (int t = 0; t < 20; ++t) {
    MeasurementSetup setup = places.next(settings, t % 2 ? DrawMode::fresh : DrawMode::lesson);
    setup.settings.faultySatellite = t + 1;
    setup.draw = t;
    const Measurement m = measure(setup);
    ASSERT_GE(m.signalCount, 4);
    for (int i = 0; i < m.signalCount; ++i) {
      const MeasuredSignal& s = m.signals[i];
      const SignalErrors e = drawErrors(setup.settings, s.number, s.elevation, setup.seed, setup.draw, setup.mode);
      EXPECT_EQ(s.errors.source, e.source);
      EXPECT_EQ(s.errors.faulty, s.number == t + 1 ? 50 : 0);
      EXPECT_EQ(s.elevation, skyDirection(setup.truePosition, s.position).elevation);
      const long double d = TEuklidGeoR3::distance(s.position, setup.truePosition);
      EXPECT_EQ(s.trueRunTime, std::nearbyint(d / TUhr::signalSpeed));
      EXPECT_EQ(s.runTime, std::nearbyint((d + e.total / 1000) / TUhr::signalSpeed) + 1000);
      EXPECT_EQ(s.fictiveRunTime, s.runTime - m.signals[0].runTime + TUhr::fictiveRunTime);
      EXPECT_LE(m.signals[i > 0 ? i - 1 : 0].runTime, s.runTime);
    }
  }
}

// The four spheres and least squares over the same four measured ranges solve the same
// equations: the same clock offset, up to what the 1 cm tolerance leaves. A common
// offset then moves only the clocks, the four spheres' by exactly the offset.
TEST(ClockOffset, TheFourSpheresMeasureTheClockAndACommonOffsetMovesOnlyIt) {
  Places places(8, 10, 20);
  int fixes = 0, close = 0;
  for (int t = 0; t < 200; ++t) {
    MeasurementSetup setup = places.next(t % 2 ? budget() : ErrorSettings{});
    const Measurement m = measure(setup);
    setup.settings.offsetOn = true;
    setup.settings.offsetNs = t % 4 < 2 ? 1000 : ErrorSettings::maxOffsetNs;
    const Measurement shifted = measure(setup);
    const long double offset = setup.settings.offsetNs;
    ASSERT_TRUE(m.leastSquares.valid() && shifted.leastSquares.valid());
    EXPECT_LT(metres(shifted.leastSquares.position, m.leastSquares.position), 0.001);
    EXPECT_NEAR(double(shifted.leastSquares.clockOffsetNs() - m.leastSquares.clockOffsetNs()), double(offset), 0.1);
    ASSERT_EQ(shifted.fourSpheres.found, m.fourSpheres.found);
    if (!m.fourSpheres.found) continue;
    EXPECT_EQ(shifted.fourSpheres.position, m.fourSpheres.position) << t;
    EXPECT_EQ(shifted.fourSpheres.clock.ns - m.fourSpheres.clock.ns, offset) << t;
    EXPECT_EQ(m.fourSpheres.clock.metres, m.fourSpheres.clock.ns * TUhr::signalSpeed * 1000);
    std::array<TVektorR3, 4> satellites;
    std::array<long double, 4> ranges;
    for (int i = 0; i < 4; ++i) {
      satellites[i] = m.signals[m.fourSpheres.window + i].position;
      ranges[i] = m.signals[m.fourSpheres.window + i].runTime * TUhr::signalSpeed;
    }
    const LeastSquaresFix direct = leastSquaresFix(satellites, ranges);
    ASSERT_TRUE(direct.valid());
    const long double difference = std::fabs(direct.clockOffsetNs() - m.fourSpheres.clock.ns);
    EXPECT_LT(difference, 1000) << t;
    ++fixes;
    close += difference < 1;
  }
  EXPECT_GT(fixes, 180);
  EXPECT_GE(close, fixes * 95 / 100);
}

// Spread over threads, each draw gives what it gives alone, each index once; a
// cancel stops the handing out.
TEST(Measurement, ManyAtOnceAreEachTheSameAsAloneAndStopWhenCancelled) {
  Places places(99, 1, 3);
  MeasurementSetup setup = places.next(budget(), DrawMode::fresh);
  setup.draw = 500;
  constexpr int count = 40;
  std::vector<Measurement> many(count);
  std::vector<int> seen(count, 0);
  std::mutex mutex;
  EXPECT_EQ(measureMany(setup, count, [&](int i, const Measurement& m) {
              const std::lock_guard lock(mutex);
              many[std::size_t(i)] = m;
              ++seen[std::size_t(i)];
            }, nullptr, 3),
            count);
  for (int i = 0; i < count; ++i) {
    MeasurementSetup alone = setup;
    alone.draw = 500 + std::uint64_t(i);
    const Measurement m = measure(alone);
    const Measurement& t = many[std::size_t(i)];
    EXPECT_EQ(seen[std::size_t(i)], 1);
    const auto same = [](TVektorR3 a, TVektorR3 b) { return a.x == b.x && a.y == b.y && a.z == b.z; };
    EXPECT_TRUE(same(m.fourSpheres.position, t.fourSpheres.position)) << i;
    EXPECT_TRUE(same(m.leastSquares.position, t.leastSquares.position)) << i;
    EXPECT_TRUE(m.fourSpheres.found || m.leastSquares.valid()) << i;
  }
  std::atomic<bool> cancel{false};
  std::atomic<int> taken{0};
  const int done = measureMany(setup, 1000, [&](int, const Measurement&) {
    if (++taken == 5) cancel = true;
  }, &cancel, 2);
  EXPECT_EQ(done, taken.load());
  EXPECT_LT(done, 10);
}

// With nothing switched on only the whole nanoseconds err: least squares averages
// their rounding over every satellite. Over receivers everywhere it is at least as
// close as the four spheres in 94.9 % of the places (450,000 places, 50 seeds; a
// sample of 900 spreads by ±0.7 %, this one gives 94 %): where the rounding happens to
// suit the four spheres they win.
TEST(Scatter, WithoutErrorsLeastSquaresIsAtLeastAsClose) {
  Places places(2025, 30, 1);
  int fixes = 0, closer = 0;
  for (int t = 0; t < 900; ++t) {
    const MeasurementSetup setup = places.next(ErrorSettings{});
    const Measurement m = measure(setup);
    if (!m.fourSpheres.found || !m.leastSquares.valid()) continue;
    ++fixes;
    closer += metres(m.leastSquares.position, setup.truePosition) <=
              metres(m.fourSpheres.position, setup.truePosition) + 0.01;
  }
  std::cout << "least squares at least as close in " << closer << " of " << fixes << "\n";
  EXPECT_GT(fixes, 850);
  EXPECT_GE(closer, fixes * 92 / 100);
}

// Measurements at one instant, every error drawn anew: each method's 3D RMS is what
// its geometry and each satellite's σ predict (1000 at each of three instants), and
// least squares scatters less than the four spheres (100 at each of 100 instants).
TEST(Scatter, BothMethodsScatterAsTheGeometryPredictsLeastSquaresLess) {
  Places places(4, 1, 7);
  int geometries = 0, smaller = 0;
  while (geometries < 100) {
    const MeasurementSetup setup = places.next(budget(), DrawMode::fresh);
    if (measure(setup).signalCount < 7) continue;
    const int draws = geometries++ < 3 ? 1000 : 100;
    const Cloud c = cloud(setup, draws);
    smaller += c.least / c.leastCount <= c.four / c.fourCount;
    if (draws < 1000) continue;
    std::cout << "RMS, measured / expected: four spheres " << std::sqrt(c.four / c.fourCount)
              << " / " << std::sqrt(c.fourExpected / c.fourCount) << " m, least squares "
              << std::sqrt(c.least / draws) << " / " << std::sqrt(c.leastExpected / draws) << " m\n";
    EXPECT_GT(c.fourCount, 950);
    EXPECT_EQ(c.leastCount, draws);
    for (const double ratio : {std::sqrt(c.four / c.fourExpected), std::sqrt(c.least / c.leastExpected)}) {
      EXPECT_GE(ratio, 0.8);
      EXPECT_LE(ratio, 1.25);
    }
  }
  std::cout << "least squares scatters less at " << smaller << " of 100 instants\n";
  EXPECT_GE(smaller, 95);
}

// The residual of a satellite whose range is 50 m too long. Least squares spreads the
// error over every residual by the geometry, so even with nothing else wrong a
// satellite the fix leans on hard may lose it to another. With the budget on it is the
// largest in some 95.7 % of fixes with six or more satellites (10,000 fixes).
TEST(Scatter, AFaultySatelliteStandsOutInTheResiduals) {
  for (const bool noise : {false, true}) {
    Places places(noise ? 12 : 13, 5, 13);
    ErrorSettings settings = noise ? budget() : ErrorSettings{};
    settings.faultyOn = true;
    int fixes = 0, largest = 0, positive = 0;
    const int wanted = noise ? 2000 : 500;
    for (int t = 0; fixes < wanted; ++t) {
      MeasurementSetup setup = places.next(settings);
      setup.draw = t;
      const Measurement probe = measure(setup);
      if (probe.signalCount < 6) continue;
      setup.settings.faultySatellite = probe.signals[t % probe.signalCount].number;
      const Measurement m = measure(setup);
      if (!m.leastSquares.valid()) continue;
      ++fixes;
      int worst = 0, faulty = 0;
      for (int i = 0; i < m.signalCount; ++i) {
        if (std::fabs(m.leastSquares.residuals[i]) > std::fabs(m.leastSquares.residuals[worst])) worst = i;
        if (m.signals[i].number == setup.settings.faultySatellite) faulty = i;
      }
      largest += worst == faulty;
      positive += m.leastSquares.residuals[faulty] > 0;
    }
    std::cout << (noise ? "budget on" : "nothing else") << ": the faulty satellite's residual "
              << "is the largest in " << largest << " of " << fixes << "\n";
    EXPECT_GE(largest, fixes * 95 / 100);
    EXPECT_GE(positive, fixes * (noise ? 90 : 100) / 100);
  }
}
