// Time per iteration of the position fix over windows that need many iterations, like
// BM_FixIteration in model_bench, but with receivers drawn by our own code so that every
// platform times the same windows. Prints one line: ns per iteration.
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "model/GpsUnit.h"

namespace {

std::int64_t iterationCount = 0;
std::int64_t countingClock() {
  ++iterationCount;
  return 0;
}

// Points on the earth, spread evenly, up to 11 km high.
std::vector<TVektorR3> receivers(int count) {
  std::mt19937_64 rng(7);
  auto unit = [&rng] { return static_cast<double>(rng() >> 11) * 0x1p-53; };
  std::vector<TVektorR3> result;
  for (int i = 0; i < count; ++i) {
    const double z = 2 * unit() - 1, phi = 6.283185307179586 * unit();
    const double r = 6371.0 + 11 * unit(), s = std::sqrt(1 - z * z);
    result.push_back({r * s * std::cos(phi), r * s * std::sin(phi), r * z});
  }
  return result;
}

}  // namespace

int main() {
  TSatellitenSchar sky;
  const auto previous = TEmpfaenger::setTimeSource(countingClock);
  std::vector<std::unique_ptr<TEmpfaenger>> slow;
  for (const TVektorR3& position : receivers(100)) {
    auto receiver = std::make_unique<TEmpfaenger>();
    receiver->clock.receiveSignals(position, sky);
    if (receiver->signalCount() < 4) continue;
    TVektorR3 p{};
    iterationCount = 0;
    receiver->determinePosition(0, p);
    if (!receiver->failed && iterationCount > 200) slow.push_back(std::move(receiver));
  }
  if (slow.empty()) return 1;
  iterationCount = 0;
  int passes = 0;
  const auto start = std::chrono::steady_clock::now();
  std::chrono::duration<double, std::nano> elapsed{};
  do {
    for (auto& receiver : slow) {
      TVektorR3 p{};
      receiver->determinePosition(0, p);
    }
    ++passes;
    elapsed = std::chrono::steady_clock::now() - start;
  } while (elapsed.count() < 1e9);
  TEmpfaenger::setTimeSource(previous);
  std::printf("fix iteration: %.1f ns (%lld iterations, %zu windows, %d passes)\n",
              elapsed.count() / double(iterationCount), static_cast<long long>(iterationCount),
              slow.size(), passes);
}
