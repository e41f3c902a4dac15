// The sky view and the history as the main window's tool bar opens them, following
// a running lesson.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QtCharts/QChartView>
#include <QtCharts/QXYSeries>
#include <gtest/gtest.h>

#include "tests/ui/Screenshots.h"

#include "model/SkyGeometry.h"
#include "platform/random.h"
#include "tests/support/RecordingMessages.h"
#include "ui/DeferredRedraw.h"
#include "ui/ExportFiles.h"
#include "ui/HistoryWindow.h"
#include "model/LessonTables.h"
#include "ui/MainGps.h"
#include "ui/Program.h"
#include "ui/SkyWindow.h"

namespace {

int rowsSaying(const StringGrid* grid, const QString& text) {
  int n = 0;
  for (int r = 1; r < grid->rowCount(); ++r) n += grid->cell(3, r) == text;
  return n;
}

QString stateOf(const StringGrid* grid, int satellite) {
  for (int r = 1; r < grid->rowCount(); ++r)
    if (grid->cell(0, r) == QString::number(satellite)) return grid->cell(3, r);
  return {};
}

qsizetype pointsOf(QChartView* view, int series = 0) {
  return static_cast<QXYSeries*>(view->chart()->series().at(series))->count();
}

// A receiver generated from `seed` travels, one determination after every step,
// restarted when one fails.
void runLesson(Program& program, std::uint64_t seed, int determinations) {
  TFormMain& form = program.mainWindow();
  LessonModel& lesson = program.lesson();
  platform::setRandomSeed(seed);
  form.BitBtnErzeugen->click();
  form.SpinEditTatsaechlicheGeschwindigkeit->setValue(1000);
  form.BitBtnEmpfaengerBewegen->click();
  form.BitBtnBerechne->click();
  for (int i = 0; i < determinations; ++i) {
    lesson.satelliteTick();
    lesson.receiverTick();
    if (!lesson.determining()) form.BitBtnBerechne->click();
    lesson.determinationTick();
  }
  QApplication::processEvents();
}

struct LastRecord : LessonObserver {
  DeterminationRecord record;
  void determined(const DeterminationRecord& r) override { record = r; }
};

}  // namespace

TEST(TeachingViews, ButtonsBeforeTheTimeControlOpenTheWindows) {
  Program program;
  TFormMain& form = program.mainWindow();
  auto* skyButton = form.findChild<QToolButton*>("SpeedButtonHimmel");
  auto* historyButton = form.findChild<QToolButton*>("SpeedButtonVerlauf");
  const QList<QAction*> actions = form.ToolBar->actions();
  const auto at = [&](QWidget* w) {
    for (qsizetype i = 0; i < actions.size(); ++i)
      if (form.ToolBar->widgetForAction(actions[i]) == w) return i;
    return qsizetype(-1);
  };
  EXPECT_LT(at(form.SpeedButton3DDemo), at(skyButton));
  EXPECT_LT(at(skyButton), at(historyButton));
  EXPECT_LT(at(historyButton), at(form.SpeedButtonAnhalten));
  historyButton->click();
  EXPECT_TRUE(program.history().isVisible());
  // The shortcut also works while the cursor stands in an entry field.
  form.show();
  QApplication::setActiveWindow(&form);
  form.LabeledEditExakteHoehe->setFocus();
  QTest::keyClick(form.LabeledEditExakteHoehe, Qt::Key_H, Qt::ControlModifier);
  EXPECT_TRUE(program.sky().isVisible());
  program.sky().hide();
  program.history().hide();
}

TEST(TeachingViews, SkyViewMarksTheFixAndFollowsDefectsAndNewPositions) {
  testing_support::RecordingMessages messages;
  LastRecord capture;
  Program program;
  TFormMain& form = program.mainWindow();
  LessonModel& lesson = program.lesson();
  lesson.addObserver(&capture);
  SkyWindow* sky = &program.sky();
  sky->show();
  platform::setRandomSeed(20261208);
  form.BitBtnErzeugen->click();
  form.BitBtnBerechne->click();
  lesson.determinationTick();
  QApplication::processEvents();
  const DeterminationRecord& last = capture.record;
  ASSERT_TRUE(last.found()) << last.message;
  EXPECT_EQ(rowsSaying(sky->StringGridRichtungen, "verwendet"), 4);
  const int used = last.signals[last.windows.back().start].number;
  EXPECT_EQ(stateOf(sky->StringGridRichtungen, used), "verwendet");
  EXPECT_EQ(rowsSaying(sky->StringGridRichtungen, "empfangen") + 4, int(last.signals.size()));
  EXPECT_NE(sky->StringGridDOP->cell(1, 2), "–");  // PDOP of the four used

  form.findChild<QCheckBox*>(QString("CheckBox%1").arg(used))->setChecked(true);
  QApplication::processEvents();
  EXPECT_EQ(stateOf(sky->StringGridRichtungen, used), "defekt");

  form.BitBtnErzeugen->click();  // a new position: the old fix says nothing about it
  QApplication::processEvents();
  EXPECT_EQ(rowsSaying(sky->StringGridRichtungen, "verwendet"), 0);
  EXPECT_EQ(sky->StringGridDOP->cell(1, 2), "–");
  sky->hide();
}

TEST(TeachingViews, HistoryRecordsWhileClosedAndZuruecksetzenEmptiesIt) {
  testing_support::RecordingMessages messages;
  Program program;
  LessonModel& lesson = program.lesson();
  const auto exportedRows = [&lesson] {
    const std::string csv = lessontables::historyCsv(lesson.history());
    return std::count(csv.begin(), csv.end(), '\n') - 1;  // below the header
  };
  HistoryWindow* history = &program.history();
  runLesson(program, 99, 6);
  ASSERT_EQ(lesson.history().size(), 6u);
  ASSERT_EQ(exportedRows(), 6);
  history->show();
  std::size_t found = 0;
  for (std::size_t i = 0; i < 6; ++i) found += lesson.history()[i].found();
  EXPECT_EQ(pointsOf(history->ChartAbstand), qsizetype(found));
  EXPECT_EQ(pointsOf(history->ChartIterationen), 6);
  history->BitBtnZuruecksetzen->click();
  EXPECT_TRUE(lesson.history().empty());
  EXPECT_EQ(exportedRows(), 0);  // the table export is the same history
  EXPECT_EQ(pointsOf(history->ChartAbstand), 0);
  // Of the convergence only the tolerance line is left.
  int shown = 0;
  for (QAbstractSeries* s : history->ChartKonvergenz->chart()->series())
    shown += s->isVisible() && static_cast<QXYSeries*>(s)->count() > 0;
  EXPECT_EQ(shown, 1);
  history->hide();
}

// Records, in order, which window of `form` painted and which view redrew.
struct PaintOrder : QObject {
  QWidget* mainWindow;
  std::vector<QWidget*> events;  // the main window, or the view that redrew
  explicit PaintOrder(QWidget* form) : mainWindow(form) { qApp->installEventFilter(this); }
  ~PaintOrder() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject* o, QEvent* e) override {
    if (auto* w = qobject_cast<QWidget*>(o); w && e->type() == QEvent::Paint && w->window() == mainWindow)
      events.push_back(mainWindow);
    if (dynamic_cast<DeferredRedraw*>(o) && e->type() >= QEvent::User)
      events.push_back(static_cast<QWidget*>(o->parent()));
    return false;
  }
  int redraws(QWidget* view) const { return int(std::count(events.begin(), events.end(), view)); }
};

// A determination shows in the main window before the views redraw; the history's
// redraws come at most once a second, and none while it lies minimised.
TEST(TeachingViews, ViewsRedrawAfterTheMainWindowAndTheHistoryAtMostOnceASecond) {
  testing_support::RecordingMessages messages;
  Program program;
  TFormMain& form = program.mainWindow();
  LessonModel& lesson = program.lesson();
  HistoryWindow* history = &program.history();
  runLesson(program, 99, 1);
  // Ticks only by hand: the lesson's time stands, or the waits below would see its ticks.
  lesson.setTimeSource([] { return std::int64_t{0}; });
  form.show();
  program.sky().show();
  history->show();  // draws at once, the next redraw a second later
  QApplication::processEvents();
  PaintOrder order(&form);
  for (int i = 0; i < 3; ++i) {
    lesson.determinationTick();
    QApplication::processEvents();
  }
  ASSERT_FALSE(order.events.empty());
  EXPECT_EQ(order.events.front(), &form);
  EXPECT_EQ(order.redraws(&program.sky()), 3);
  EXPECT_EQ(order.redraws(history), 0);
  EXPECT_EQ(pointsOf(history->ChartIterationen), 1);
  QTest::qWait(1200);
  EXPECT_EQ(order.redraws(history), 1);
  EXPECT_EQ(pointsOf(history->ChartIterationen), 4);

  history->showMinimized();
  lesson.determinationTick();
  QTest::qWait(1200);
  EXPECT_EQ(order.redraws(history), 1);
  history->showNormal();
  QApplication::processEvents();
  EXPECT_EQ(pointsOf(history->ChartIterationen), 5);
  program.sky().hide();
  history->hide();
}

// The sky plot and every chart are offered as pictures in their context menus, and what
// they save loads back as PNG and SVG.
TEST(TeachingViews, PicturesOfTheViewsSaveAsPngAndSvg) {
  testing_support::RecordingMessages messages;
  Program program;
  runLesson(program, 99, 3);
  program.sky().show();
  program.history().show();
  QApplication::processEvents();
  QTemporaryDir dir;
  const std::vector<QWidget*> pictures{program.sky().ImageHimmel,
                                       program.history().ChartAbstand,
                                       program.history().ChartKonvergenz};
  for (QWidget* w : pictures) {
    ASSERT_NE(w->findChild<QAction*>("ActionBildSpeichern"), nullptr) << w->objectName().toStdString();
    const PictureSource source = w == pictures[0] ? pictureOf(program.sky().ImageHimmel)
                                                  : pictureOf(w);
    const QString name = dir.filePath(w->objectName());
    ASSERT_EQ(writePicture(name + ".png", source), "");
    ASSERT_EQ(writePicture(name + ".svg", source), "");
    EXPECT_FALSE(QImage(name + ".png").isNull());
    EXPECT_TRUE(QSvgRenderer(name + ".svg").isValid());
  }
  program.sky().hide();
  program.history().hide();
}

// Saved as sky-view.png and history.png when ORTIVO_SCREENSHOT_DIR names a folder.
TEST(Screenshot, SkyViewAndHistoryDuringATravel) {
  testing_support::RecordingMessages messages;
  Program program;
  TFormMain& form = program.mainWindow();
  LessonModel& lesson = program.lesson();
  runLesson(program, 20261208, 80);
  // The lowest satellite above the horizon is marked defective, to show its cross.
  const SkySnapshot sky = observeSky(lesson.constellation(), lesson.truePosition(), {}, {});
  ASSERT_GT(sky.count, 5);
  const SkySatellite* lowest = &sky.satellites[0];
  for (int i = 0; i < sky.count; ++i)
    if (sky.satellites[i].direction.elevation < lowest->direction.elevation) lowest = &sky.satellites[i];
  form.findChild<QCheckBox*>(QString("CheckBox%1").arg(lowest->number))->setChecked(true);
  program.sky().show();
  program.history().show();
  QApplication::processEvents();
  const QImage plot = program.sky().ImageHimmel->image();
  int filled = 0, red = 0;
  for (int y = 0; y < plot.height(); ++y)
    for (int x = 0; x < plot.width(); ++x) {
      const QColor c = plot.pixelColor(x, y);
      filled += c == QColor(20, 60, 150);
      red += c == QColor(200, 0, 0);
    }
  EXPECT_GT(filled, 4 * 60);  // four filled marks
  EXPECT_GT(red, 10);         // and a crossed-out one
  saveScreenshot(&program.sky(), "sky-view.png");
  saveScreenshot(&program.history(), "history.png");
  program.sky().hide();
  program.history().hide();
}
