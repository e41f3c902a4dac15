// What a teacher waits for in the main window: start-up until the window is shown,
// and the satellite tick that runs every two seconds.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "ui/Language.h"
#include "ui/MainGps.h"
#include "ui/Program.h"
#include "ui/QtPlatform.h"
#include "ui/UnitAbout.h"
#include "ui/main2DDemo.h"
#include "paint/QtCanvas.h"
#include "demo/dreiDDemo.h"
#include "ui/main3DDemo.h"

namespace {

// The windows main() builds, until the main window is shown: in German with Qt's German
// translations loaded, as main() starts it, and in English (argument 1).
void BM_StartUpToMainWindowShown(benchmark::State& state) {
  setLanguage(state.range(0) == 1 ? Language::english : Language::german);
  for (auto _ : state) {
    Program program;
    program.mainWindow().show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(&program);
  }
  setLanguage(Language::german);
}
BENCHMARK(BM_StartUpToMainWindowShown)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What setLanguage loads once at the start: Qt's German texts and the program's English.
void BM_LoadTranslators(benchmark::State& state) {
  const QString qt = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (auto _ : state) {
    QTranslator qtbase, help, program;
    benchmark::DoNotOptimize(qtbase.load(QStringLiteral("qtbase_de"), qt) &&
                             help.load(QStringLiteral("qt_help_de"), qt) &&
                             program.load(QStringLiteral(":/i18n/ortivo_en.qm")));
  }
}
BENCHMARK(BM_LoadTranslators)->Unit(benchmark::kMillisecond);

// The same without the teaching views and the lesson files, as this benchmark
// measured before main() built them all: the figure to compare with older ones.
void BM_StartUpWithoutViews(benchmark::State& state) {
  for (auto _ : state) {
    LessonModel lesson;
    TFormMain formMain(lesson);
    TForm2DDemo form2DDemo;
    TForm3DDemo form3DDemo(&LessonModel::erzeugePosition);
    TAboutBox aboutBox;
    formMain.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(&formMain);
  }
}
BENCHMARK(BM_StartUpWithoutViews)->Unit(benchmark::kMillisecond);

// moveSatellites and the refresh of the 24 table rows.
void BM_SatelliteTick(benchmark::State& state) {
  LessonModel lesson;
  TFormMain form(lesson);
  form.show();
  QApplication::processEvents();
  for (auto _ : state) {
    lesson.satelliteTick();
    QApplication::processEvents();  // includes repainting the table
  }
}
BENCHMARK(BM_SatelliteTick)->Unit(benchmark::kMicrosecond);

TGeoPosition munich() {
  TGeoPosition p;
  p.eastWest = 'O';
  p.longitude = {11, 34.5L};
  p.northSouth = 'N';
  p.latitude = {48, 8.25L};
  p.height = 520;
  return p;
}

// 3D frames rendered into the window's 897 x 657 antialiased image, as the timer
// paints them, at pixel ratio 1 and 2, on 1, 2 or 4 threads (0: as many as the
// processor has cores). With one, the frame is worked out and then painted; with
// more, the others paint it in bands while it is being worked out. Wall time: the
// painting threads work while the benchmark's own thread waits.
void frameArguments(benchmark::internal::Benchmark* b) {
  b->ArgNames({"ratio", "threads"});
  for (int ratio : {1, 2})
    for (int threads : {0, 1, 2, 4}) b->Args({ratio, threads});
  b->Unit(benchmark::kMillisecond)->UseRealTime();
}

std::unique_ptr<ImageControl> frameImage(const benchmark::State& state) {
  auto image = std::make_unique<ImageControl>(897, 657, nullptr, qreal(state.range(0)));
  if (state.range(1) > 0) image->setPaintThreads(int(state.range(1)));
  return image;
}

void BM_3DFreeRunningFrameIntoImage(benchmark::State& state) {
  const auto image = frameImage(state);
  T3DDemo demo(image->canvas(), 0, munich);
  demo.rotationAngles.z = 0.03490658503988659L;
  for (auto _ : state) {
    demo.drawScene();
    benchmark::DoNotOptimize(image->image().constBits());
  }
}
BENCHMARK(BM_3DFreeRunningFrameIntoImage)->Apply(frameArguments);

void BM_3DStep6FrameIntoImage(benchmark::State& state) {
  const auto image = frameImage(state);
  T3DDemo demo(image->canvas(), 0, munich);
  demo.rotationAngles.z = 0.03490658503988659L;
  demo.receiver.clock.receiveSignals(demo.receiverPosition, demo.constellation);
  for (auto _ : state) {
    demo.receiver.loadSpheres(0);
    demo.drawAlgorithmStep(6);
    benchmark::DoNotOptimize(image->image().constBits());
  }
}
BENCHMARK(BM_3DStep6FrameIntoImage)->Apply(frameArguments);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  installQtPlatform();
  setLanguage(Language::german);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
