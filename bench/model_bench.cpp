// The position fix is where a teacher waits: one determination per tick of the
// main window's timer, run synchronously.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <array>
#include <ctime>
#include <cmath>
#include <random>
#include <vector>

#include "model/GpsUnit.h"
#include "model/LessonModel.h"
#include "model/Measurement.h"
#include "platform/numformat.h"

namespace {

// CPU time of this thread: on a busy machine wall time would measure the others.
double threadMicros() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e6 + t.tv_nsec * 1e-3;
}

std::vector<TVektorR3> receivers(int count) {
  std::mt19937_64 rng(7);
  std::normal_distribution<double> n;
  std::uniform_real_distribution<double> h(0, 11);
  std::vector<TVektorR3> result;
  for (int i = 0; i < count; ++i) {
    const double x = n(rng), y = n(rng), z = n(rng);
    const double l = std::sqrt(x * x + y * y + z * z);
    const long double r = 6371.0L + h(rng);
    result.push_back({x / l * r, y / l * r, z / l * r});
  }
  return result;
}

// A whole determination: receive the signals, then try windows until one succeeds.
void BM_Determination(benchmark::State& state) {
  const auto positions = receivers(256);
  TSatellitenSchar sky;
  std::size_t i = 0;
  for (auto _ : state) {
    TEmpfaenger receiver;
    receiver.clock.receiveSignals(positions[i++ % positions.size()], sky);
    TVektorR3 p{};
    const int n = receiver.signalCount();
    for (int start = 0; start <= n - 4; ++start) {
      receiver.determinePosition(start, p);
      if (!receiver.failed) break;
    }
    benchmark::DoNotOptimize(p);
  }
}
BENCHMARK(BM_Determination);

// The same determinations one by one: median, 95th percentile and longest freeze of
// the window, in microseconds of CPU time.
void BM_DeterminationSpread(benchmark::State& state) {
  const auto positions = receivers(300);
  TSatellitenSchar sky;
  std::vector<double> micros;
  for (auto _ : state) {
    micros.clear();
    for (const TVektorR3& position : positions) {
      const double start = threadMicros();
      TEmpfaenger receiver;
      receiver.clock.receiveSignals(position, sky);
      TVektorR3 p{};
      const int n = receiver.signalCount();
      for (int first = 0; first <= n - 4; ++first) {
        receiver.determinePosition(first, p);
        if (!receiver.failed) break;
      }
      benchmark::DoNotOptimize(p);
      micros.push_back(threadMicros() - start);
    }
  }
  std::sort(micros.begin(), micros.end());
  state.counters["median_us"] = micros[micros.size() / 2];
  state.counters["p95_us"] = micros[micros.size() * 95 / 100];
  state.counters["max_us"] = micros.back();
}
BENCHMARK(BM_DeterminationSpread)->Unit(benchmark::kMillisecond);

std::int64_t iterationCount = 0;
std::int64_t countingClock() {
  ++iterationCount;
  return 0;
}

// Cost of one iteration of the fix (intersection, comparison with the fourth
// sphere, correction, time check), over windows that need many iterations.
// With `recorded`, every iteration's mismatch goes into a trace buffer as the lesson
// model records it.
void fixIteration(benchmark::State& state, bool recorded) {
  const auto positions = receivers(300);
  TSatellitenSchar sky;
  const auto previous = TEmpfaenger::setTimeSource(countingClock);
  std::vector<std::unique_ptr<TEmpfaenger>> slow;
  for (const TVektorR3& position : positions) {
    auto receiver = std::make_unique<TEmpfaenger>();
    receiver->clock.receiveSignals(position, sky);
    if (receiver->signalCount() < 4) continue;
    TVektorR3 p{};
    iterationCount = 0;
    receiver->determinePosition(0, p);
    if (!receiver->failed && iterationCount > 200) slow.push_back(std::move(receiver));
  }
  std::vector<long double> buffer(LessonModel::traceLimit);
  iterationCount = 0;
  const double start = threadMicros();
  for (auto _ : state) {
    for (auto& receiver : slow) {
      TVektorR3 p{};
      if (recorded) {
        FixTrace trace;
        trace.mismatches = buffer.data();
        trace.capacity = LessonModel::traceLimit;
        receiver->determinePosition(0, p, trace);
      } else {
        receiver->determinePosition(0, p);
      }
      benchmark::DoNotOptimize(p);
    }
  }
  state.counters["ns_per_iteration"] = (threadMicros() - start) * 1000 / double(iterationCount);
  TEmpfaenger::setTimeSource(previous);
}
void BM_FixIteration(benchmark::State& state) { fixIteration(state, false); }
void BM_FixIterationRecorded(benchmark::State& state) { fixIteration(state, true); }
BENCHMARK(BM_FixIteration)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FixIterationRecorded)->Unit(benchmark::kMillisecond);

// A whole determination as the main window's tick runs it, record included.
void BM_LessonDetermination(benchmark::State& state) {
  const auto positions = receivers(256);
  LessonModel lesson;
  std::size_t i = 0;
  for (auto _ : state) {
    const TVektorR3 p = positions[i++ % positions.size()];
    lesson.readCartesian({platform::formatFixed(p.x, 10, 18), platform::formatFixed(p.y, 10, 18),
                          platform::formatFixed(p.z, 10, 18)});
    benchmark::DoNotOptimize(lesson.determinationTick());
  }
}
BENCHMARK(BM_LessonDetermination);

void BM_ReceiveSignals(benchmark::State& state) {
  const auto positions = receivers(64);
  TSatellitenSchar sky;
  std::size_t i = 0;
  for (auto _ : state) {
    TUhr clock;
    clock.receiveSignals(positions[i++ % positions.size()], sky);
    benchmark::DoNotOptimize(clock.signals.count());
  }
}
BENCHMARK(BM_ReceiveSignals);

// One iteration of the fix: three spheres intersected, the fourth compared.
void BM_IntersectThreeSpheres(benchmark::State& state) {
  TSatellitenSchar sky;
  TEmpfaenger receiver;
  receiver.clock.receiveSignals({6371, 0, 0}, sky);
  receiver.loadSpheres(0);
  TVektorR3 p{};
  for (auto _ : state) {
    receiver.intersectThreeSpheres(p);
    benchmark::DoNotOptimize(p);
  }
}
BENCHMARK(BM_IntersectThreeSpheres);

// One least-squares fix over every signal heard, from the whole nanoseconds.
void BM_LeastSquaresFix(benchmark::State& state) {
  struct Sky {
    std::array<TVektorR3, 24> satellites{};
    std::array<long double, 24> ranges{};
    int n = 0;
  };
  std::vector<Sky> skies;
  TSatellitenSchar sky;
  for (const TVektorR3& position : receivers(64)) {
    TUhr clock;
    clock.receiveSignals(position, sky);
    Sky s;
    for (const TListenElement& e : clock.signals.elements<TListenElement>()) {
      s.satellites[s.n] = e.position;
      s.ranges[s.n++] = e.runTime * TUhr::signalSpeed;
    }
    if (s.n >= 4) skies.push_back(s);
  }
  std::size_t i = 0;
  long iterations = 0, fixes = 0;
  for (auto _ : state) {
    const Sky& s = skies[i++ % skies.size()];
    const LeastSquaresFix fix = leastSquaresFix(std::span(s.satellites).first(s.n),
                                                std::span<const long double>(s.ranges).first(s.n));
    iterations += fix.iterations;
    ++fixes;
    benchmark::DoNotOptimize(fix.position);
  }
  state.counters["gauss_newton_steps"] = double(iterations) / double(fixes);
}
BENCHMARK(BM_LeastSquaresFix);

// A determination with every source off as the lesson will make it: the four spheres
// as in BM_Determination, the signals' record and least squares beside them.
void BM_MeasurementErrorsOff(benchmark::State& state) {
  const auto positions = receivers(256);
  TSatellitenSchar sky;
  MeasurementSetup setup;
  setup.constellation = &sky;
  std::size_t i = 0;
  for (auto _ : state) {
    setup.truePosition = positions[i++ % positions.size()];
    benchmark::DoNotOptimize(measure(setup));
  }
}
BENCHMARK(BM_MeasurementErrorsOff);

// "1000 Messungen jetzt": 1000 measurements at one instant with the whole budget
// drawn anew each time, both methods, at 20 places, over every core as the scatter
// view makes them. Wall milliseconds per 1000: the median, the 90th percentile and the
// slowest place, and how many places took over 300 ms. The four spheres' iterations
// depend on the geometry: some places need thousands per window.
void BM_ThousandMeasurements(benchmark::State& state) {
  const auto positions = receivers(20);
  TSatellitenSchar sky;
  MeasurementSetup setup;
  setup.constellation = &sky;
  for (auto& source : setup.settings.sources) source.on = true;
  setup.mode = DrawMode::fresh;
  std::vector<double> millis;
  for (auto _ : state) {
    millis.clear();
    for (const TVektorR3& position : positions) {
      setup.truePosition = position;
      const auto start = std::chrono::steady_clock::now();
      measureMany(setup, 1000, [](int, const Measurement& m) { benchmark::DoNotOptimize(m); });
      millis.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
  }
  std::sort(millis.begin(), millis.end());
  state.counters["median_ms"] = millis[millis.size() / 2];
  state.counters["p90_ms"] = millis[millis.size() * 9 / 10];
  state.counters["max_ms"] = millis.back();
  state.counters["over_300ms"] = double(std::count_if(millis.begin(), millis.end(),
                                                      [](double ms) { return ms > 300; }));
}
BENCHMARK(BM_ThousandMeasurements)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_MoveSatellites(benchmark::State& state) {
  TSatellitenSchar sky;
  for (auto _ : state) {
    sky.moveSatellites();
    benchmark::DoNotOptimize(sky.satellites[1].position);
  }
}
BENCHMARK(BM_MoveSatellites);

}  // namespace
