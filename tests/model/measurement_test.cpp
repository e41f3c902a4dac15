// Whole measurements: with nothing switched on exactly the lesson's determination;
// with errors, the clock offset, the scatter both methods make against what the
// geometry predicts, and a faulty satellite in the residuals.
#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <cmath>
#include <iostream>
#include <random>
#include <vector>

#include "model/LessonModel.h"
#include "model/Measurement.h"
#include "platform/random.h"

namespace {

constexpr int kFirst = TUhr::fictiveRunTime;

TVektorR3 randomReceiver(std::mt19937_64& rng) {
  std::normal_distribution<double> n;
  std::uniform_real_distribution<double> h(0, 11);
  const double x = n(rng), y = n(rng), z = n(rng);
  const double l = std::sqrt(x * x + y * y + z * z);
  const long double r = 6371.0L + h(rng);
  return {x / l * r, y / l * r, z / l * r};
}

long double metresBetween(TVektorR3 a, TVektorR3 b) { return TEuklidGeoR3::distance(a, b) * 1000; }

ErrorSettings budget() {
  ErrorSettings s;
  for (auto& source : s.sources) source.on = true;
  return s;
}

// Receivers at seeded places under a constellation that moves on now and then.
struct Places {
  explicit Places(std::uint64_t seed) : rng(seed) {}
  MeasurementSetup next(const ErrorSettings& settings, int stepsEvery, int steps) {
    if (count++ % stepsEvery == 0)
      for (int s = 0; s < steps; ++s) sky.moveSatellites();
    MeasurementSetup setup;
    setup.constellation = &sky;
    setup.truePosition = randomReceiver(rng);
    setup.settings = settings;
    setup.seed = count;
    return setup;
  }
  TSatellitenSchar sky;
  std::mt19937_64 rng;
  int count = 0;
};

// The expected mean squared 3D error (m²) of a least-squares solution from signals
// from .. from + n - 1, each range with its own σ: trace of the position block of
// (HᵀH)⁻¹ HᵀRH (HᵀH)⁻¹, R = diag(σᵢ²). For four signals that is the four spheres'.
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

// Keeps the mismatches of every window as the lesson's record does.
struct Recorder : WindowRecorder {
  std::vector<std::vector<long double>> windows;
  FixTrace begin(std::int32_t) override {
    windows.emplace_back(LessonModel::traceLimit);
    FixTrace t;
    t.mismatches = windows.back().data();
    t.capacity = LessonModel::traceLimit;
    return t;
  }
  void end(std::int32_t, const FixTrace& trace) override { windows.back().resize(trace.recorded); }
};

}  // namespace

TEST(Measurement, EverySourceOffIsTheLessonsDeterminationBitForBit) {
  const struct {
    int steps;
    std::uint64_t seed;
    std::vector<int> defective;
  } cases[] = {{0, 1, {}}, {37, 2, {}}, {120, 3, {5, 17}}, {400, 4, {}}, {611, 5, {2, 3, 9}},
               {800, 6, {}}, {850, 7, {}}, {52, 8, {11}}};
  for (const auto& c : cases) {
    LessonModel lesson;
    for (int s = 0; s < c.steps; ++s) lesson.satelliteTick();
    platform::setRandomSeed(c.seed);
    lesson.erzeugen();
    MeasurementSetup setup;
    for (int k : c.defective) {
      lesson.setDefective(k, true);
      setup.defective[k] = true;
    }
    const DeterminationRecord r = lesson.determinationTick();
    setup.constellation = &lesson.constellation();
    setup.truePosition = lesson.truePosition();
    Recorder recorder;
    TEmpfaenger receiver;
    const Measurement m = measure(setup, receiver, &recorder);

    ASSERT_EQ(m.signalCount, int(r.signals.size())) << c.steps;
    for (int i = 0; i < m.signalCount; ++i) {
      EXPECT_EQ(m.signals[i].number, r.signals[i].number) << c.steps << " " << i;
      EXPECT_EQ(m.signals[i].runTime, r.signals[i].runTime) << c.steps << " " << i;
      EXPECT_EQ(m.signals[i].trueRunTime, r.signals[i].runTime) << c.steps << " " << i;
      EXPECT_EQ(m.signals[i].fictiveRunTime, r.signals[i].fictiveRunTime) << c.steps << " " << i;
      EXPECT_EQ(m.signals[i].errors.total, 0);
    }
    EXPECT_EQ(m.fourSpheres.found, r.found()) << c.steps;
    ASSERT_EQ(m.fourSpheres.windowsTried, int(r.windows.size())) << c.steps;
    ASSERT_EQ(recorder.windows.size(), r.windows.size());
    for (std::size_t w = 0; w < r.windows.size(); ++w)
      EXPECT_EQ(recorder.windows[w], r.windows[w].mismatches) << c.steps << " " << w;
    EXPECT_EQ(receiver.clock.windowStart, lesson.receiver().clock.windowStart);
    if (r.found()) {
      EXPECT_EQ(m.fourSpheres.position, r.position) << c.steps;
      EXPECT_EQ(m.fourSpheres.window, r.windows.back().start);
    }
  }
}

TEST(Measurement, MeasuredRunTimesCarryTheDrawnDelaysAndRepeat) {
  ErrorSettings settings = budget();
  settings.offsetOn = settings.faultyOn = true;
  Places places(31);
  int signals = 0;
  for (int t = 0; t < 20; ++t) {
    MeasurementSetup setup = places.next(settings, 5, 40);
    setup.settings.faultySatellite = t + 1;
    setup.mode = t % 2 ? DrawMode::fresh : DrawMode::lesson;
    setup.draw = t;
    const Measurement m = measure(setup);
    const LocalFrame frame = localFrame(setup.truePosition);
    for (int i = 0; i < m.signalCount; ++i) {
      const MeasuredSignal& s = m.signals[i];
      const SignalErrors e = drawErrors(setup.settings, s.number, s.elevation, setup.seed,
                                        setup.draw, setup.mode);
      EXPECT_EQ(s.errors.total, e.total);
      EXPECT_EQ(s.errors.faulty, s.number == t + 1 ? 50 : 0);
      EXPECT_EQ(s.elevation, skyDirection(frame, setup.truePosition, s.position).elevation);
      const long double d = TEuklidGeoR3::distance(s.position, setup.truePosition);
      EXPECT_EQ(s.trueRunTime, std::nearbyint(d / TUhr::signalSpeed));
      EXPECT_EQ(s.runTime, std::nearbyint((d + e.total / 1000) / TUhr::signalSpeed) + 1000);
      EXPECT_EQ(s.fictiveRunTime, s.runTime - m.signals[0].runTime + kFirst);
      if (i > 0) {
        EXPECT_LE(m.signals[i - 1].runTime, s.runTime);
      }
      ++signals;
    }
    const Measurement again = measure(setup);
    ASSERT_EQ(again.signalCount, m.signalCount);
    for (int i = 0; i < m.signalCount; ++i)
      EXPECT_EQ(again.signals[i].errors.source, m.signals[i].errors.source);
    EXPECT_EQ(again.fourSpheres.position, m.fourSpheres.position);
    EXPECT_EQ(again.leastSquares.position, m.leastSquares.position);
  }
  EXPECT_GT(signals, 100);
}

// The four spheres and least squares over the same four measured ranges solve the same
// equations: the same clock offset, up to what the 1 cm tolerance leaves.
TEST(ClockOffset, TheFourSpheresMeasureWhatTheirFourRangesGiveDirectly) {
  Places places(8);
  int fixes = 0, close = 0;
  for (int t = 0; t < 300; ++t) {
    const MeasurementSetup setup = places.next(t % 2 ? budget() : ErrorSettings{}, 20, 5);
    const Measurement m = measure(setup);
    if (!m.fourSpheres.found) continue;
    std::array<TVektorR3, 4> satellites;
    std::array<long double, 4> ranges;
    for (int i = 0; i < 4; ++i) {
      const MeasuredSignal& s = m.signals[m.fourSpheres.window + i];
      satellites[i] = s.position;
      ranges[i] = s.runTime * TUhr::signalSpeed;
    }
    const LeastSquaresFix direct = leastSquaresFix(satellites, ranges);
    ASSERT_TRUE(direct.valid());
    const long double difference = std::fabs(direct.clockOffsetNs() - m.fourSpheres.clock.ns);
    EXPECT_LT(difference, 1000) << t;
    EXPECT_EQ(m.fourSpheres.clock.metres, m.fourSpheres.clock.ns * TUhr::signalSpeed * 1000);
    ++fixes;
    close += difference < 1;
  }
  EXPECT_GT(fixes, 250);
  EXPECT_GE(close, fixes * 95 / 100);
}

TEST(ClockOffset, ACommonOffsetMovesTheClockAndNotThePosition) {
  Places places(77);
  int fixes = 0;
  for (int t = 0; t < 120; ++t) {
    MeasurementSetup setup = places.next(ErrorSettings{}, 10, 30);
    const Measurement without = measure(setup);
    setup.settings.offsetOn = true;
    setup.settings.offsetNs = t % 2 ? 1000 : ErrorSettings::maxOffsetNs;
    const Measurement with = measure(setup);
    const long double offset = setup.settings.offsetNs;
    ASSERT_EQ(with.fourSpheres.found, without.fourSpheres.found);
    if (with.fourSpheres.found) {
      EXPECT_EQ(with.fourSpheres.position, without.fourSpheres.position) << t;
      EXPECT_EQ(with.fourSpheres.clock.ns - without.fourSpheres.clock.ns, offset) << t;
    }
    ASSERT_EQ(with.leastSquares.valid(), without.leastSquares.valid());
    if (with.leastSquares.valid()) {
      EXPECT_LT(metresBetween(with.leastSquares.position, without.leastSquares.position), 0.001L);
      EXPECT_NEAR(double(with.leastSquares.clockOffsetNs() - without.leastSquares.clockOffsetNs()),
                  double(offset), 0.1);
      ++fixes;
    }
  }
  EXPECT_GT(fixes, 100);
}

// With nothing switched on only the whole nanoseconds err: least squares averages
// their rounding over every satellite. Over receivers everywhere it is at least as
// close as the four spheres in about 95 % of the places (94–96 % for other seeds,
// 94 % for this one): where the rounding happens to suit the four spheres they win.
TEST(Scatter, WithoutErrorsLeastSquaresIsAtLeastAsClose) {
  Places places(2025);
  int fixes = 0, closer = 0;
  for (int t = 0; t < 900; ++t) {
    const MeasurementSetup setup = places.next(ErrorSettings{}, 30, 1);
    const Measurement m = measure(setup);
    if (!m.fourSpheres.found || !m.leastSquares.valid()) continue;
    ++fixes;
    closer += metresBetween(m.leastSquares.position, setup.truePosition) <=
              metresBetween(m.fourSpheres.position, setup.truePosition) + 0.01L;
  }
  std::cout << "least squares at least as close in " << closer << " of " << fixes << "\n";
  EXPECT_GT(fixes, 850);
  EXPECT_GE(closer, fixes * 92 / 100);
}

// 1000 measurements at one instant, every error drawn anew: each method's 3D RMS is
// what its geometry and the σ of each satellite predict.
TEST(Scatter, MeasuredRmsIsWhatTheGeometryPredicts) {
  Places places(4);
  int instants = 0;
  for (int t = 0; instants < 3; ++t) {
    MeasurementSetup setup = places.next(budget(), 1, 7);
    setup.mode = DrawMode::fresh;
    if (measure(setup).signalCount < 7) continue;
    ++instants;
    double four = 0, fourExpected = 0, least = 0, leastExpected = 0;
    int fourCount = 0, leastCount = 0;
    for (setup.draw = 0; setup.draw < 1000; ++setup.draw) {
      const Measurement m = measure(setup);
      if (m.fourSpheres.found) {
        four += std::pow(double(metresBetween(m.fourSpheres.position, setup.truePosition)), 2);
        fourExpected += expectedSquare(m, m.fourSpheres.window, 4, setup);
        ++fourCount;
      }
      if (m.leastSquares.valid()) {
        least += std::pow(double(metresBetween(m.leastSquares.position, setup.truePosition)), 2);
        leastExpected += expectedSquare(m, 0, m.signalCount, setup);
        ++leastCount;
      }
    }
    const double fourRatio = std::sqrt(four / fourExpected);
    const double leastRatio = std::sqrt(least / leastExpected);
    std::cout << "instant " << t << ": four spheres RMS " << std::sqrt(four / fourCount)
              << " m, ratio " << fourRatio << "; least squares RMS " << std::sqrt(least / leastCount)
              << " m, ratio " << leastRatio << "\n";
    EXPECT_GT(fourCount, 950);
    EXPECT_EQ(leastCount, 1000);
    EXPECT_GE(fourRatio, 0.8);
    EXPECT_LE(fourRatio, 1.25);
    EXPECT_GE(leastRatio, 0.8);
    EXPECT_LE(leastRatio, 1.25);
  }
}

TEST(Scatter, LeastSquaresScattersLessThanTheFourSpheres) {
  Places places(100);
  int geometries = 0, smaller = 0;
  for (int t = 0; geometries < 100; ++t) {
    MeasurementSetup setup = places.next(budget(), 3, 11);
    setup.mode = DrawMode::fresh;
    if (measure(setup).signalCount < 7) continue;
    ++geometries;
    double four = 0, least = 0;
    int fourCount = 0, leastCount = 0;
    for (setup.draw = 0; setup.draw < 100; ++setup.draw) {
      const Measurement m = measure(setup);
      if (m.fourSpheres.found) {
        four += std::pow(double(metresBetween(m.fourSpheres.position, setup.truePosition)), 2);
        ++fourCount;
      }
      if (m.leastSquares.valid()) {
        least += std::pow(double(metresBetween(m.leastSquares.position, setup.truePosition)), 2);
        ++leastCount;
      }
    }
    smaller += leastCount > 0 && fourCount > 0 && least / leastCount <= four / fourCount;
  }
  EXPECT_GE(smaller, 95);
}

// The residual of a satellite whose range is 50 m too long. Least squares spreads the
// error over every residual by the geometry, so even with nothing else wrong a
// satellite the fix leans on hard may lose it to another (3 % of the fixes). With the
// budget on, low satellites carry σ of 15 m and more, and a 50 m fault is the largest
// in about 82 % of the fixes with six or more satellites (95 % for a fault of 100 m).
TEST(Scatter, AFaultySatelliteStandsOutInTheResiduals) {
  for (const bool noise : {false, true}) {
    Places places(noise ? 12 : 13);
    ErrorSettings settings = noise ? budget() : ErrorSettings{};
    settings.faultyOn = true;
    int fixes = 0, largest = 0, positive = 0;
    for (int t = 0; fixes < 500; ++t) {
      MeasurementSetup setup = places.next(settings, 5, 13);
      setup.draw = t;
      const Measurement probe = measure(setup);
      if (probe.signalCount < 6) continue;
      setup.settings.faultySatellite = probe.signals[t % probe.signalCount].number;
      const Measurement m = measure(setup);
      if (!m.leastSquares.valid()) continue;
      ++fixes;
      int worst = 0, faulty = 0;
      for (int i = 0; i < m.signalCount; ++i) {
        if (std::fabs(m.leastSquares.residuals[i]) > std::fabs(m.leastSquares.residuals[worst]))
          worst = i;
        if (m.signals[i].number == setup.settings.faultySatellite) faulty = i;
      }
      largest += worst == faulty;
      positive += m.leastSquares.residuals[faulty] > 0;
    }
    std::cout << (noise ? "budget on" : "nothing else") << ": the faulty satellite's residual "
              << "is the largest in " << largest << " of " << fixes << "\n";
    EXPECT_GE(largest, fixes * (noise ? 78 : 95) / 100);
    EXPECT_GE(positive, fixes * (noise ? 90 : 100) / 100);
  }
}
