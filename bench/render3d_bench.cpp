// What a person waits for in the 3D demonstration: one frame of the scene.

#include <benchmark/benchmark.h>

#include "render3d/dreiDdarstellungclss.h"
#include "demo/dreiDDemo.h"

namespace {

// Swallows the drawing, so that only the scene's own work is measured.
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

TGeoPosition munich() {
  TGeoPosition p;
  p.eastWest = 'O';
  p.longitude = {11, 34.5L};
  p.northSouth = 'N';
  p.latitude = {48, 8.25L};
  p.height = 520;
  return p;
}

// A free-running frame as the timer paints it after a reset: turned by 2 degrees.
void BM_FreeRunningFrame(benchmark::State& state) {
  NullCanvas canvas;
  T3DDemo demo(canvas, static_cast<std::uint8_t>(state.range(0)), munich);
  demo.rotationAngles.z = 0.03490658503988659L;
  for (auto _ : state) demo.drawScene();
  state.counters["lines/frame"] = double(canvas.lines) / double(state.iterations());
}
BENCHMARK(BM_FreeRunningFrame)->Arg(0)->Arg(1)->ArgName("central")->Unit(benchmark::kMillisecond);

// The heaviest step of the walk-through: four measuring spheres, the candidate and
// one correction of the radii.
void BM_AlgorithmFrameStep6(benchmark::State& state) {
  NullCanvas canvas;
  T3DDemo demo(canvas, 0, munich);
  demo.rotationAngles.z = 0.03490658503988659L;
  demo.receiver.clock.receiveSignals(demo.receiverPosition, demo.constellation);
  demo.receiver.loadSpheres(0);
  for (auto _ : state) {
    state.PauseTiming();
    demo.receiver.loadSpheres(0);  // the same radii every time
    state.ResumeTiming();
    demo.drawAlgorithmStep(6);
  }
  state.counters["lines/frame"] = double(canvas.lines) / double(state.iterations());
}
BENCHMARK(BM_AlgorithmFrameStep6)->Unit(benchmark::kMillisecond);

// One earth wire frame, built, turned and projected.
void BM_EarthWireFrame(benchmark::State& state) {
  NullCanvas canvas;
  const TViewWindow window{{-50, -36.6L}, {50, 36.6L}};
  for (auto _ : state) {
    T3DKugel earth({{0, 0, 0}, 6.371L}, {0, 0, 1}, 40, 11, 80);
    T3DProjektion projection(earth, 0, canvas, window, {0, -50, 0});
    projection.rotate({0, 0, 0.03490658503988659L});
    projection.draw();
  }
}
BENCHMARK(BM_EarthWireFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
