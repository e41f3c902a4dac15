// The teaching views: how long a redraw of the sky view and of the history charts
// takes, and what they add to a determination tick of the main window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QtCharts/QChartView>
#include <memory>

#include "platform/random.h"
#include "ui/HistoryWindow.h"
#include "ui/MainGps.h"
#include "ui/QtPlatform.h"
#include "ui/SkyWindow.h"
#include "ui/TeachingViews.h"
#include "views/SkyPlot.h"

namespace {

const GeographicEntry kMunich{"O", "11", "34,5", "N", "48", "8,25", "520"};

// A main window with both views whose lesson has made `determinations` determinations
// for receivers all over the earth, the satellites moving on between them.
struct Lesson {
  TFormMain form;
  TeachingViews* views;

  explicit Lesson(int determinations, bool withViews = true)
      : views(withViews ? attachTeachingViews(form) : nullptr) {
    platform::setRandomSeed(1234);
    for (int i = 0; i < determinations; ++i) {
      if (i % 50 == 0) form.lesson()->erzeugen();
      form.lesson()->satelliteTick();
      form.lesson()->determinationTick();
    }
    form.lesson()->geoToCart(kMunich);
    form.lesson()->determinationTick();
  }
};

// Built once: 10,000 determinations take a while. Freed before the application.
std::unique_ptr<Lesson> full, plain;
Lesson& fullLesson() {
  if (!full) full = std::make_unique<Lesson>(10000);
  return *full;
}
Lesson& lessonWithoutViews() {
  if (!plain) plain = std::make_unique<Lesson>(10000, false);
  return *plain;
}

void BM_SkyPlotIntoImage(benchmark::State& state) {
  Lesson lesson(1);
  TFormHimmel* sky = lesson.views->formHimmel();
  const LessonModel& model = *lesson.form.lesson();
  SatelliteSet used{};
  used[1] = used[2] = used[3] = used[4] = true;
  for (auto _ : state) {
    const SkySnapshot snapshot =
        observeSky(model.constellation(), model.truePosition(), SatelliteSet{}, used);
    views::drawSkyPlot(sky->ImageHimmel->canvas(), snapshot, true);
    benchmark::DoNotOptimize(sky->ImageHimmel->image().constBits());
  }
}
BENCHMARK(BM_SkyPlotIntoImage)->Unit(benchmark::kMillisecond);

// The whole window: plot, directions, both DOP columns, and its repaint.
void BM_SkyViewRedraw(benchmark::State& state) {
  Lesson lesson(1);
  TFormHimmel* sky = lesson.views->formHimmel();
  sky->show();
  QApplication::processEvents();
  for (auto _ : state) {
    sky->refresh();
    sky->repaint();
  }
  sky->hide();
}
BENCHMARK(BM_SkyViewRedraw)->Unit(benchmark::kMillisecond);

// After one more determination (not timed), the charts filled anew from a history of
// 10,000 determinations, and one of them painted.
void BM_HistoryChartRedraw(benchmark::State& state) {
  Lesson& lesson = fullLesson();
  TFormVerlauf* history = lesson.views->formVerlauf();
  history->show();
  QApplication::processEvents();
  QChartView* charts[] = {history->ChartAbstand, history->ChartIterationen, history->ChartFenster,
                          history->ChartKonvergenz};
  QWidget* chart = state.range(0) < 4 ? static_cast<QWidget*>(charts[state.range(0)]) : history;
  for (auto _ : state) {
    state.PauseTiming();
    lesson.form.lesson()->satelliteTick();
    lesson.form.lesson()->determinationTick();
    state.ResumeTiming();
    history->refresh();
    if (state.range(0) < 5) {
      chart->repaint();
    } else if (state.range(0) == 5) {
      QApplication::processEvents();  // the charts' deferred layout and painting
    } else {
      state.PauseTiming();
      QApplication::processEvents();
      state.ResumeTiming();
    }
  }
  state.counters["kept"] = double(history->history().size());
  history->hide();
}
// One chart painted in full into a picture, as after a new point or an uncovering.
void BM_HistoryChartPaint(benchmark::State& state) {
  Lesson& lesson = fullLesson();
  TFormVerlauf* history = lesson.views->formVerlauf();
  history->show();
  history->refresh();
  QApplication::processEvents();
  QChartView* charts[] = {history->ChartAbstand, history->ChartIterationen, history->ChartFenster,
                          history->ChartKonvergenz};
  QChartView* chart = charts[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(chart->grab());
  history->hide();
}
BENCHMARK(BM_HistoryChartPaint)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_HistoryChartRedraw)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// One tick of the determination timer for a fixed receiver and sky, until the event
// loop is idle again: the determination, the main window's grids and the views'
// deferred redraws. Without the views (0), with both closed (1), with both open over
// a full history (2), only the sky view (3), only the history (4).
void showViews(Lesson& lesson, int64_t which) {
  if (!lesson.views) return;
  lesson.views->formHimmel()->setVisible(which == 2 || which == 3);
  lesson.views->formVerlauf()->setVisible(which == 2 || which == 4);
}

void BM_DeterminationTick(benchmark::State& state) {
  Lesson& lesson = state.range(0) == 0 ? lessonWithoutViews() : fullLesson();
  TFormMain& form = lesson.form;
  form.show();
  showViews(lesson, state.range(0));
  QApplication::processEvents();
  for (auto _ : state) {
    form.TimerBerechnungTimer();
    QApplication::processEvents();
  }
  if (form.EditUnterschied->text().isEmpty()) state.SkipWithError("no position found");
  showViews(lesson, 0);
}
BENCHMARK(BM_DeterminationTick)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

// The same without waiting for the redraws: the tick handler alone.
void BM_DeterminationTickHandler(benchmark::State& state) {
  Lesson& lesson = state.range(0) == 0 ? lessonWithoutViews() : fullLesson();
  TFormMain& form = lesson.form;
  form.show();
  showViews(lesson, state.range(0));
  QApplication::processEvents();
  for (auto _ : state) {
    form.TimerBerechnungTimer();
    state.PauseTiming();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  showViews(lesson, 0);
}
BENCHMARK(BM_DeterminationTickHandler)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  installQtPlatform();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  full.reset();
  plain.reset();
  return 0;
}
