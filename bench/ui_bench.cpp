// What a teacher waits for in the main window: start-up until the window is shown,
// and the satellite tick that runs every two seconds.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "ui/MainGps.h"
#include "ui/QtPlatform.h"
#include "ui/UnitAbout.h"
#include "ui/main2DDemo.h"
#include "ui/main3DDemo.h"

namespace {

void BM_StartUpToMainWindowShown(benchmark::State& state) {
  for (auto _ : state) {
    auto formMain = std::make_unique<TFormMain>();
    TForm2DDemo form2DDemo;
    TForm3DDemo form3DDemo([&] { return formMain->erzeugePosition(); });
    TAboutBox aboutBox;
    formMain->show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(formMain.get());
  }
}
BENCHMARK(BM_StartUpToMainWindowShown)->Unit(benchmark::kMillisecond);

// moveSatellites and the refresh of the 24 table rows.
void BM_SatelliteTick(benchmark::State& state) {
  TFormMain form;
  form.show();
  QApplication::processEvents();
  for (auto _ : state) {
    form.TimerSatellitenScharTimer();
    QApplication::processEvents();  // includes repainting the table
  }
}
BENCHMARK(BM_SatelliteTick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  installQtPlatform();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
