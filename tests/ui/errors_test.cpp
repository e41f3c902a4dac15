// The error sources window and the scatter: what they refuse, and a cloud of 1000
// measurements made while the window goes on answering.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <gtest/gtest.h>

#include "tests/ui/Screenshots.h"

#include "platform/random.h"
#include "tests/support/RecordingMessages.h"
#include "ui/ErrorSourcesWindow.h"
#include "ui/ScatterWindow.h"
#include "ui/WidgetHelpers.h"

namespace {

void enter(QLineEdit* edit, const QString& text) {
  edit->setText(text);
  edit->setModified(true);
  Q_EMIT edit->editingFinished();
}

}  // namespace

// Text, negatives and values above 1000 m are refused with the German message; the
// lesson keeps what it had and the field shows it again.
TEST(ErrorSourcesWindow, RefusesBadEntriesAndChangesNothing) {
  testing_support::RecordingMessages messages;
  LessonModel lesson;
  ErrorSourcesWindow window(lesson);
  window.CheckBoxQuelle[2]->setChecked(true);
  enter(window.EditSigma[2], "3,5");
  ASSERT_TRUE(messages.texts().empty());
  EXPECT_TRUE(lesson.errorSettings()[ErrorSource::ionosphere].on);
  EXPECT_EQ(lesson.errorSettings()[ErrorSource::ionosphere].sigma, 3.5L);
  const struct {
    QLineEdit* edit;
    const char* text;
    const char* says;
  } cases[] = {
      {window.EditSigma[2], "drei", "Das σ der Ionosphäre muss eine Zahl von 0 bis 1000 m sein"},
      {window.EditSigma[0], "-1", "Das σ der Satellitenbahn muss"},
      {window.EditSigma[5], "1000,5", "Das σ des Empfängerrauschens muss"},
      {window.EditVersatz, "-3", "Der gemeinsame Versatz muss eine ganze Zahl von 0 bis 3333 ns"},
      {window.EditVersatz, "4000", "Der gemeinsame Versatz muss"},
      {window.EditFehlerhaftMeter, "1e9", "Der Zuschlag des fehlerhaften Satelliten muss"},
      {window.EditFehlerhaftNummer, "25", "Nummer"},
  };
  for (const auto& c : cases) {
    const ErrorSettings before = lesson.errorSettings();
    const QString shown = c.edit->text();
    messages.clear();
    enter(c.edit, c.text);
    ASSERT_EQ(messages.texts().size(), 1u) << c.text;
    EXPECT_NE(messages.texts()[0].find(c.says), std::string::npos) << messages.texts()[0];
    EXPECT_EQ(c.edit->text(), shown) << c.text;
    EXPECT_EQ(lesson.errorSettings().uere(), before.uere());
    EXPECT_EQ(lesson.errorSettings().offsetNs, before.offsetNs);
    EXPECT_EQ(lesson.errorSettings().faultyMetres, before.faultyMetres);
  }
  EXPECT_TRUE(window.LabelUERE->text().contains("3,50 m"));
}

// 1000 measurements at one instant, on a thread: the window goes on answering, shows
// its progress, and its table holds what its statistics say.
TEST(ScatterWindow, AThousandMeasurementsWhileTheWindowAnswers) {
  testing_support::RecordingMessages messages;
  LessonModel lesson;
  lesson.setTimeSource([] { return std::int64_t{0}; });
  platform::setRandomSeed(5);
  lesson.erzeugen();
  ErrorSettings budget;
  for (auto& s : budget.sources) s.on = true;
  ASSERT_FALSE(lesson.setErrorSettings(budget));
  ScatterWindow window(lesson);
  window.show();
  lesson.determinationTick();
  QApplication::processEvents();
  ASSERT_EQ(window.data().measurements().size(), 1u);

  window.BitBtnTausend->click();
  EXPECT_TRUE(window.measuring());
  EXPECT_FALSE(window.BitBtnTausend->isEnabled());
  int answered = 0;
  QElapsedTimer clock;
  clock.start();
  while (window.measuring() && clock.elapsed() < 60000) {
    QTest::qWait(20);
    ++answered;
  }
  ASSERT_FALSE(window.measuring());
  EXPECT_GT(answered, 0);
  EXPECT_EQ(window.data().measurements().size(), 1001u);
  EXPECT_TRUE(window.BitBtnTausend->isEnabled());
  const views::ScatterStatistics ls = window.data().statistics(views::Method::leastSquares);
  EXPECT_EQ(window.StringGridStatistik->cell(2, 1), "1001");
  EXPECT_EQ(window.StringGridStatistik->cell(2, 9), formatNumber(ls.rms3d, 3, 12));
  EXPECT_TRUE(window.LabelUhr->text().contains("Uhrabweichung"));
  window.BitBtnZuruecksetzen->click();
  EXPECT_TRUE(window.data().measurements().empty());
  EXPECT_TRUE(messages.texts().empty());
}

// Saved as error-sources.png and scatter.png when ORTIVO_SCREENSHOT_DIR names a folder.
TEST(Screenshot, ErrorSourcesAndScatter) {
  testing_support::RecordingMessages messages;
  LessonModel lesson;
  lesson.setTimeSource([] { return std::int64_t{0}; });
  platform::setRandomSeed(20261210);
  lesson.erzeugen();
  ErrorSettings budget;
  for (auto& s : budget.sources) s.on = true;
  budget.faultyOn = true;
  ErrorSourcesWindow errors(lesson);
  ScatterWindow scatter(lesson);
  budget.faultySatellite = lesson.determinationTick().signals.at(2).number;
  ASSERT_FALSE(lesson.setErrorSettings(budget));
  scatter.BitBtnZuruecksetzen->click();
  for (int i = 0; i < 3; ++i) lesson.determinationTick();
  scatter.BitBtnTausend->click();
  while (scatter.measuring()) QTest::qWait(20);
  errors.show();
  scatter.show();
  QApplication::processEvents();
  saveScreenshot(&errors, "error-sources.png");
  saveScreenshot(&scatter, "scatter.png");
  EXPECT_EQ(scatter.data().measurements().size(), 1003u);
  // East and north on one scale in a square: the circles are round.
  const QRectF area = scatter.ChartStreuung->chart()->plotArea();
  EXPECT_NEAR(area.width(), area.height(), 3);
  errors.hide();
  scatter.hide();
}
