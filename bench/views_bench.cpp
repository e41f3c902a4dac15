// The teaching views: how long a redraw of the sky view and of the history charts
// takes, and what they add to a determination tick of the main window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QtCharts/QChartView>
#include <algorithm>
#include <chrono>
#include <vector>
#include <memory>

#include "platform/random.h"
#include "ui/DeferredRedraw.h"
#include "ui/HistoryWindow.h"
#include "ui/MainGps.h"
#include "ui/QtPlatform.h"
#include "ui/SkyWindow.h"
#include "views/SkyPlot.h"

namespace {

const GeographicEntry kMunich{"O", "11", "34,5", "N", "48", "8,25", "520"};

// A main window with both views whose lesson has made `determinations` determinations
// for receivers all over the earth, the satellites moving on between them.
struct Lesson {
  LessonModel model;
  TFormMain form{model};
  std::unique_ptr<SkyWindow> sky;
  std::unique_ptr<HistoryWindow> history;

  explicit Lesson(int determinations, bool withViews = true) {
    if (withViews) {
      sky = std::make_unique<SkyWindow>(model);
      history = std::make_unique<HistoryWindow>(model);
    }
    // Ticks only as the benchmarks make them.
    model.setTimeSource([] { return std::int64_t{0}; });
    platform::setRandomSeed(1234);
    for (int i = 0; i < determinations; ++i) {
      if (i % 50 == 0) model.erzeugen();
      model.satelliteTick();
      model.determinationTick();
    }
    model.geoToCart(kMunich);
    model.determinationTick();
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
  SkyWindow* sky = lesson.sky.get();
  const LessonModel& model = lesson.model;
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
  SkyWindow* sky = lesson.sky.get();
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
  HistoryWindow* history = lesson.history.get();
  history->show();
  QApplication::processEvents();
  QChartView* charts[] = {history->ChartAbstand, history->ChartIterationen, history->ChartFenster,
                          history->ChartKonvergenz};
  QWidget* chart = state.range(0) < 4 ? static_cast<QWidget*>(charts[state.range(0)]) : history;
  for (auto _ : state) {
    state.PauseTiming();
    lesson.model.satelliteTick();
    lesson.model.determinationTick();
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
  state.counters["kept"] = double(lesson.model.history().size());
  history->hide();
}
// One chart painted in full into a picture, as after a new point or an uncovering.
void BM_HistoryChartPaint(benchmark::State& state) {
  Lesson& lesson = fullLesson();
  HistoryWindow* history = lesson.history.get();
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
// deferred redraws (the history's only once a second of the loop). Without the views (0), with both closed (1), with both open over
// a full history (2), only the sky view (3), only the history (4).
// Windows that painted in one pass of the event loop post their next paints for the
// one after.
void settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void showViews(Lesson& lesson, int64_t which) {
  if (!lesson.sky) return;
  lesson.sky->setVisible(which == 2 || which == 3);
  lesson.history->setVisible(which == 2 || which == 4);
}

void BM_DeterminationTick(benchmark::State& state) {
  Lesson& lesson = state.range(0) == 0 ? lessonWithoutViews() : fullLesson();
  TFormMain& form = lesson.form;
  form.show();
  showViews(lesson, state.range(0));
  QApplication::processEvents();
  for (auto _ : state) {
    form.lesson().determinationTick();
    settle();
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
    form.lesson().determinationTick();
    state.PauseTiming();
    settle();
    state.ResumeTiming();
  }
  showViews(lesson, 0);
}
BENCHMARK(BM_DeterminationTickHandler)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

// Notes when the first of the views' deferred redraws begins: by then the main window
// has painted the tick's result.
struct FirstRedraw : QObject {
  std::chrono::steady_clock::time_point at{};
  bool seen = false;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (!seen && e->type() >= QEvent::User && dynamic_cast<DeferredRedraw*>(o)) {
      at = std::chrono::steady_clock::now();
      seen = true;
    }
    return false;
  }
};

// What a pupil waits for: the tick until the main window shows its result, without
// the views (0), with both closed (1) and both open (2) by turns, so that drifts of the
// machine's speed hit all alike. Ticks come seconds apart, after other windows and
// programs have had the caches, so each starts cold. The views' redraws follow the
// main window's paint; the history's at most once a second (BM_HistoryChartRedraw/5).
void BM_DeterminationTickShown(benchmark::State& state) {
  Lesson& lesson = fullLesson();
  Lesson& plainLesson = lessonWithoutViews();
  plainLesson.form.show();
  lesson.form.show();
  FirstRedraw first;
  qApp->installEventFilter(&first);
  std::vector<char> junk(32 << 20);
  std::vector<double> overNone, overClosed;
  double total[3] = {0, 0, 0};
  int turn = 0;
  for (auto _ : state) {
    double seconds[3];
    // Which goes first rotates: the last of a round must not always be the same.
    for (int k = 0; k < 3; ++k) {
      const int variant = (turn + k) % 3;
      showViews(lesson, variant == 2 ? 2 : 1);
      settle();
      for (char& c : junk) c = char(c + 1);
      benchmark::DoNotOptimize(junk.data());
      TFormMain& form = variant == 0 ? plainLesson.form : lesson.form;
      first.seen = false;
      const auto start = std::chrono::steady_clock::now();
      form.lesson().determinationTick();
      QApplication::processEvents();
      const auto end = first.seen ? first.at : std::chrono::steady_clock::now();
      seconds[variant] = std::chrono::duration<double>(end - start).count();
      total[variant] += seconds[variant];
      settle();
    }
    ++turn;
    overNone.push_back(seconds[2] / seconds[0]);
    overClosed.push_back(seconds[2] / seconds[1]);
    state.SetIterationTime(seconds[2]);
  }
  qApp->removeEventFilter(&first);
  showViews(lesson, 0);
  const auto medianPercent = [](std::vector<double>& ratios) {
    std::nth_element(ratios.begin(), ratios.begin() + ratios.size() / 2, ratios.end());
    return (ratios[ratios.size() / 2] - 1) * 100;
  };
  const double n = double(overNone.size());
  state.counters["none_us"] = total[0] / n * 1e6;
  state.counters["closed_us"] = total[1] / n * 1e6;
  state.counters["open_us"] = total[2] / n * 1e6;
  // Medians of the rounds: how much slower the tick is with both views open.
  state.counters["open_vs_none_pct"] = medianPercent(overNone);
  state.counters["open_vs_closed_pct"] = medianPercent(overClosed);
}
BENCHMARK(BM_DeterminationTickShown)->UseManualTime()->Unit(benchmark::kMicrosecond);

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
