#include "platform/random.h"
#include "platform/extended.h"

#include <chrono>

namespace platform {

std::mt19937_64& randomEngine() {
  static std::mt19937_64 engine{5489u};
  return engine;
}

void randomize() {
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
  std::seed_seq seq{std::uint64_t(now), std::uint64_t(wall), std::uint64_t(now >> 32)};
  randomEngine().seed(seq);
}

void setRandomSeed(std::uint64_t seed) { randomEngine().seed(seed); }

int randomInt(int n) {
  if (n <= 0) return 0;
  return std::uniform_int_distribution<int>(0, n - 1)(randomEngine());
}

Extended randomFraction() {
  // 53 random bits scaled into [0, 1): never reaches 1, unlike some
  // generate_canonical implementations.
  const std::uint64_t bits = randomEngine()() >> 11;
  return static_cast<Extended>(bits) / 9007199254740992.0L;
}

}  // namespace platform
