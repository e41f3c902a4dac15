// The hot operations of the position fix, the visibility test and the drawing
// must not touch the heap. A counting global operator new checks that.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "geometry/vektorR3clss.h"

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

namespace {

TEST(Allocation, HotOperationsDoNotAllocate) {
  TEuklidGeoR3 geo(false);
  TEuklidGeoR2 plane(false);
  std::uint8_t code = 0;
  TKreisR3 circle;
  TGeradeR3 line;
  TPunktpaarR3 points;
  TPunktpaarR2 points2;
  TEbeneR3 image;
  long double sink = 0;

  const long before = allocations;
  for (int i = 0; i < 100; ++i) {
    const long double shift = i * 0.01L;
    geo.intersectSpheres({{15600, 0, 21000}, 21000}, {{-13000, 14000, 17000 + shift}, 22000}, code, circle);
    geo.intersectPlanes(circle.plane, {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}}, code, line);
    geo.intersectLineSphere(line, {{0, 0, 0}, 6371}, code, points);
    geo.intersectSegmentSphere({{0, 0, 6372 + shift}, {15600, 100, 21000}}, {{0, 0, 0}, 6371}, code, points);
    geo.intersectSegmentSphere({{0, 0, 10000}, {0, 0, -10000 - shift}}, {{0, 0, 0}, 6371}, code, points);
    sink += geo.pointOnSegment({1, 2, 3 + shift}, {{0, 0, 0}, {2, 4, 6}});
    sink += geo.rotateAroundAxis({1, 2, 3}, {0, 1, 1}, shift).x + geo.rotateX({1, 2, 3}, shift).y;
    geo.centralProjection({1, 2, 3 + shift}, {0, -50, 0}, image);
    geo.parallelProjection({1, 2, 3 + shift}, {0, -50, 0}, image);
    plane.intersectCircles({{0, 0}, 6}, {{10, shift}, 8}, code, points2);
    plane.intersectSegmentCircle({{0, 0}, {10, shift}}, {{5, 0}, 1}, code, points2);
    // The failure path stores its message without allocating when it is not shown.
    geo.intersectSpheres({{0, 0, 0}, 0}, {{1, 0, 0}, 1}, code, circle);
    plane.intersectCircles({{0, 0}, 0}, {{1, 0}, 1}, code, points2);
  }
  const long after = allocations;
  EXPECT_EQ(after - before, 0);
  EXPECT_FALSE(geo.lastError().empty());
  EXPECT_NE(sink, 0);

  // The counter does count: a string that outgrows the small buffer allocates.
  std::string text(100, 'x');
  EXPECT_GT(allocations, after);
}

}  // namespace
