// The position fix is where a teacher waits: one determination per tick of the
// main window's timer, run synchronously.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "model/GpsUnit.h"

namespace {

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

void BM_MoveSatellites(benchmark::State& state) {
  TSatellitenSchar sky;
  for (auto _ : state) {
    sky.moveSatellites();
    benchmark::DoNotOptimize(sky.satellites[1].position);
  }
}
BENCHMARK(BM_MoveSatellites);

}  // namespace
