// A frame draws tens of thousands of points: turning and drawing them must not
// touch the heap, and building an object only pays for its list entries.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "render3d/dreiDdarstellungclss.h"

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

class NullCanvas : public platform::Canvas {
 public:
  int width() const override { return 897; }
  int height() const override { return 657; }
  void lineTo(int x, int y) override { setPenPos({x, y}), ++lines; }
  void ellipse(int, int, int, int) override {}
  void rectangle(int, int, int, int) override {}
  void textOut(int, int, const std::string&) override {}
  int textWidth(const std::string&) override { return 0; }
  int textHeight(const std::string&) override { return 0; }
  long lines = 0;
};

TEST(Allocation, TurningAndDrawingDoNotAllocate) {
  NullCanvas canvas;
  const TViewWindow window{{-50, -36.6L}, {50, 36.6L}};

  const long beforeBuild = allocations;
  T3DKugel earth({{0, 0, 0}, 6.371L}, {0, 0, 1}, 40, 11, 80);
  const long built = allocations - beforeBuild;
  // Two per point (the element and its list node), a few per circle and object.
  EXPECT_LE(built, 2 * 52 * 81 + 4 * 52 + 8);

  const long before = allocations;
  for (std::uint8_t kind : {T3DProjektion::parallel, T3DProjektion::central}) {
    T3DProjektion projection(earth, kind, canvas, window, {0, -50, 0});
    projection.rotate({0.03L, 0, 0.0349L});
    projection.draw();
  }
  EXPECT_EQ(allocations - before, 0);
  EXPECT_EQ(canvas.lines, 2 * 52 * 80);
}

TEST(Allocation, TheNextFrameReusesTheBlocksOfTheLast) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "blocks are not reused under the address sanitizer";
#else
  // Each frame builds its objects anew; once one frame is gone the next must find
  // its points and list nodes ready, paying only for the lists themselves.
  { T3DKugel warmUp({{0, 0, 0}, 6.371L}, {0, 0, 1}, 40, 11, 80); }
  const long before = allocations;
  T3DKugel earth({{0, 0, 0}, 6.371L}, {0, 0, 1}, 40, 11, 80);
  EXPECT_LE(allocations - before, 4 * 52 + 8);
  EXPECT_EQ(earth.points->count(), 52);
  // A point of its own class with more data goes the ordinary way and comes back
  // intact.
  struct Tagged : TVektorR3Class {
    using TVektorR3Class::TVektorR3Class;
    long double tag = 7;
  };
  TListe list;
  list.append(std::make_unique<Tagged>(TVektorR3{1, 2, 3}));
  list.append(std::make_unique<TVektorR3Class>(TVektorR3{4, 5, 6}));
  list.toFirst();
  EXPECT_EQ(static_cast<Tagged*>(list.getElem())->tag, 7);
  EXPECT_EQ(static_cast<TVektorR3Class*>(list.getElem())->vector, (TVektorR3{1, 2, 3}));
  list.clear();
  EXPECT_TRUE(list.empty());
#endif
}

}  // namespace
