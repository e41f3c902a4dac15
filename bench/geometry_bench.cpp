// Speed of the geometry operations behind the position fix (sphere, plane and
// line intersections) and the visibility test (segment against the earth).

#include <benchmark/benchmark.h>

#include "geometry/vektorR3clss.h"

namespace {

// Sizes as in the position fix: satellites some 20000 km from a receiver on the earth.
const TKugelR3 kSphere1{{15600, 0, 21000}, 20500};
const TKugelR3 kSphere2{{-13000, 14000, 17000}, 22000};
const TKugelR3 kEarth{{0, 0, 0}, 6371};

void BM_intersectSpheres(benchmark::State& state) {
  TEuklidGeoR3 geo;
  TKugelR3 k2 = kSphere2;
  std::uint8_t relation = 0;
  TKreisR3 circle;
  for (auto _ : state) {
    k2.radius += 1e-9L;  // keeps the compiler from hoisting the work out of the loop
    geo.intersectSpheres(kSphere1, k2, relation, circle);
    benchmark::DoNotOptimize(circle);
    benchmark::DoNotOptimize(relation);
  }
}
BENCHMARK(BM_intersectSpheres);

void BM_intersectPlanes(benchmark::State& state) {
  TEuklidGeoR3 geo;
  TEbeneR3 e1{{3000, 0, 0}, {-0.5L, 1, 0}, {-1.2L, 0, 1}};
  const TEbeneR3 e2{{0, 2500, 0}, {1, 0.3L, 0}, {0, -0.8L, 1}};
  std::uint8_t code = 0;
  TGeradeR3 line;
  for (auto _ : state) {
    e1.point.x += 1e-9L;
    geo.intersectPlanes(e1, e2, code, line);
    benchmark::DoNotOptimize(line);
    benchmark::DoNotOptimize(code);
  }
}
BENCHMARK(BM_intersectPlanes);

void BM_intersectLineSphere(benchmark::State& state) {
  TEuklidGeoR3 geo;
  TGeradeR3 g{{-20000, 1000, 3000}, {1, 0.02L, -0.03L}};
  std::uint8_t code = 0;
  TPunktpaarR3 points;
  for (auto _ : state) {
    g.point.y += 1e-9L;
    geo.intersectLineSphere(g, kEarth, code, points);
    benchmark::DoNotOptimize(points);
    benchmark::DoNotOptimize(code);
  }
}
BENCHMARK(BM_intersectLineSphere);

// Three typical cases of the clock's visibility test: a visible satellite, one
// behind the earth, and a receiver on the surface.
void BM_intersectSegmentSphere(benchmark::State& state) {
  TEuklidGeoR3 geo;
  const TStreckeR3 segments[] = {
      {{0, 0, 6372}, {15600, 0, 21000}},
      {{0, 0, 6372}, {0, 1000, -26000}},
      {{0, 0, 6371}, {-13000, 14000, 17000}},
  };
  std::uint8_t code = 0;
  TPunktpaarR3 points;
  const std::uint8_t expected[] = {1, 6, 5};
  for (std::size_t k = 0; k < 3; ++k) {
    geo.intersectSegmentSphere(segments[k], kEarth, code, points);
    if (code != expected[k]) state.SkipWithError("unexpected visibility code");
  }
  std::size_t i = 0;
  for (auto _ : state) {
    geo.intersectSegmentSphere(segments[i], kEarth, code, points);
    i = i == 2 ? 0 : i + 1;
    benchmark::DoNotOptimize(points);
    benchmark::DoNotOptimize(code);
  }
}
BENCHMARK(BM_intersectSegmentSphere);

void BM_pointOnSegment(benchmark::State& state) {
  TEuklidGeoR3 geo;
  const TStreckeR3 s{{0, 0, 6372}, {15600, 100, 21000}};
  TVektorR3 X{7800, 50, 13686};
  for (auto _ : state) {
    X.z += 1e-12L;
    benchmark::DoNotOptimize(geo.pointOnSegment(X, s));
  }
}
BENCHMARK(BM_pointOnSegment);

}  // namespace
