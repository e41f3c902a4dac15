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

namespace {

// The 128-bit product a * b as its high and low halves, in plain 64-bit arithmetic.
void multiply(std::uint64_t a, std::uint64_t b, std::uint64_t& high, std::uint64_t& low) {
  const std::uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32;
  const std::uint64_t bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
  const std::uint64_t ll = aLow * bLow, lh = aLow * bHigh, hl = aHigh * bLow;
  const std::uint64_t middle = (ll >> 32) + (lh & 0xFFFFFFFFu) + (hl & 0xFFFFFFFFu);
  low = (middle << 32) | (ll & 0xFFFFFFFFu);
  high = aHigh * bHigh + (lh >> 32) + (hl >> 32) + (middle >> 32);
}

}  // namespace

// std::uniform_int_distribution maps the engine's numbers differently in each standard
// library; this is the mapping libstdc++ uses for a 64-bit engine (multiply by n, keep
// the high half, reject the few low halves that would favour some numbers), so the
// lessons seeded on x86-64 stay as they were and come out the same everywhere.
int randomInt(int n) {
  if (n <= 0) return 0;
  const auto range = static_cast<std::uint64_t>(n);
  std::uint64_t high = 0, low = 0;
  multiply(randomEngine()(), range, high, low);
  if (low < range) {
    const std::uint64_t threshold = (0 - range) % range;
    while (low < threshold) multiply(randomEngine()(), range, high, low);
  }
  return static_cast<int>(high);
}

Extended randomFraction() {
  // 53 random bits scaled into [0, 1): never reaches 1, unlike some
  // generate_canonical implementations.
  const std::uint64_t bits = randomEngine()() >> 11;
  return static_cast<Extended>(bits) / Extended(9007199254740992.0L);
}

}  // namespace platform
