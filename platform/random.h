#pragma once
#include "platform/extended.h"

#include <cstdint>
#include <random>

namespace platform {

// The program-wide uniform generator. The program seeds it from the clock once at
// start-up; tests seed it with a fixed value to get repeatable runs.
std::mt19937_64& randomEngine();
void randomize();
void setRandomSeed(std::uint64_t seed);

// A whole number in 0 .. n-1; 0 when n <= 0.
int randomInt(int n);
// A fraction in [0, 1).
Extended randomFraction();

}  // namespace platform
