// The position fix runs thousands of iterations per window: none may touch the heap.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "model/GpsUnit.h"
#include "model/LeastSquares.h"

namespace {
long allocations = 0;
}

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

TEST(Allocation, ThePositionFixDoesNotAllocate) {
  TSatellitenSchar sky;
  TEmpfaenger receiver;
  receiver.clock.receiveSignals({0, 6371, 0}, sky);
  ASSERT_GE(receiver.signalCount(), 5);
  const long before = allocations;
  TVektorR3 p{};
  for (int start = 0; start <= receiver.signalCount() - 4; ++start)
    receiver.determinePosition(start, p);
  sky.moveSatellites();
  EXPECT_EQ(allocations, before);
}

TEST(Allocation, TheLeastSquaresFixDoesNotAllocate) {
  TSatellitenSchar sky;
  TUhr clock;
  clock.receiveSignals({0, 6371, 0}, sky);
  std::array<TVektorR3, 24> satellites{};
  std::array<long double, 24> ranges{};
  int n = 0;
  for (const TListenElement& e : clock.signals.elements<TListenElement>()) {
    satellites[n] = e.position;
    ranges[n++] = e.runTime * TUhr::signalSpeed;
  }
  ASSERT_GE(n, 5);
  const long before = allocations;
  const LeastSquaresFix fix = leastSquaresFix(std::span(satellites).first(n),
                                              std::span<const long double>(ranges).first(n));
  EXPECT_EQ(allocations, before);
  EXPECT_TRUE(fix.valid());
}
