#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/ui/Screenshots.h"

#include "platform/random.h"
#include "tests/support/RecordingMessages.h"
#include "ui/MainGps.h"
#include "ui/Program.h"
#include "demo/demoGpsUnit.h"
#include "ui/main2DDemo.h"

namespace {

QStringList memoLines(const TForm2DDemo& form) { return form.MemoDemo->toPlainText().split('\n'); }

void clickOk(TForm2DDemo& form) { QTest::mouseClick(form.BitBtnOk, Qt::LeftButton); }

// The colour at a logical position of the image, whatever its pixel density.
QColor pixelAt(TForm2DDemo& form, int x, int y) {
  const QImage& image = form.Image->image();
  const qreal dpr = image.devicePixelRatio();
  return image.pixelColor(int((x + 0.5) * dpr), int((y + 0.5) * dpr));
}

}  // namespace

TEST(Form2DDemo, HasItsControlsWhereTheLayoutPutsThem) {
  TForm2DDemo form;
  EXPECT_EQ(form.objectName(), "Form2DDemo");
  EXPECT_EQ(form.windowTitle(), "2D-Demonstration");
  EXPECT_EQ(form.size(), QSize(929, 495));
  EXPECT_FALSE(form.isVisible());

  auto* image = form.findChild<ImageControl*>("Image");
  ASSERT_EQ(image, form.Image);
  EXPECT_EQ(image->geometry(), QRect(24, 8, 521, 425));
  auto* ok = form.findChild<QPushButton*>("BitBtnOk");
  ASSERT_EQ(ok, form.BitBtnOk);
  EXPECT_EQ(ok->geometry(), QRect(624, 64, 75, 25));
  EXPECT_EQ(ok->text(), "OK");
  EXPECT_FALSE(ok->icon().isNull());
  EXPECT_EQ(ok->focusPolicy(), Qt::NoFocus);
  auto* close = form.findChild<QPushButton*>("BitBtnSchliessen");
  ASSERT_EQ(close, form.BitBtnSchliessen);
  EXPECT_EQ(close->geometry(), QRect(624, 96, 75, 25));
  EXPECT_EQ(close->text(), "&Schließen");
  EXPECT_FALSE(close->icon().isNull());
  auto* memo = form.findChild<QPlainTextEdit*>("MemoDemo");
  ASSERT_EQ(memo, form.MemoDemo);
  EXPECT_EQ(memo->geometry(), QRect(576, 144, 345, 297));
  EXPECT_TRUE(memo->isReadOnly());
  EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  auto* timer = form.findChild<QTimer*>("DemoTimer");
  ASSERT_EQ(timer, form.DemoTimer);
  EXPECT_EQ(timer->interval(), 2000);
  EXPECT_FALSE(timer->isActive());
}

TEST(Form2DDemo, DrawsTheSceneIntoTheImageInItsColours) {
  TForm2DDemo form;
  form.startDemo();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(pixelAt(form, 260, 212), QColor(0, 128, 0));   // earth
  EXPECT_EQ(pixelAt(form, 460, 212), QColor(255, 0, 0));   // satellite 8
  EXPECT_EQ(pixelAt(form, 260, 12), QColor(255, 0, 0));    // satellite 2
  EXPECT_EQ(pixelAt(form, 150, 212), QColor(255, 255, 255));  // inside the orbit
  EXPECT_EQ(pixelAt(form, 5, 5), QColor(255, 255, 255));
  // The orbit's outline, antialiased: dark on the circle.
  EXPECT_LT(pixelAt(form, 60, 212).lightness(), 160);
}

TEST(Form2DDemo, StartRunsTheTimerAndOkWalksThroughTheSteps) {
  platform::setRandomSeed(3);
  TForm2DDemo form;
  form.startDemo();
  EXPECT_TRUE(form.DemoTimer->isActive());
  EXPECT_TRUE(form.BitBtnOk->isEnabled());
  EXPECT_EQ(memoLines(form), (QStringList{"GPS-Satelliten (rot) umkreisen die Erde (grün).", "",
                                          "Zur weiteren Demonstation OK drücken"}));
  clickOk(form);
  EXPECT_EQ(memoLines(form).first(),
            "Ein GPS-Empfänger (gelb) wird (an zufälliger Stelle) positioniert.");
  EXPECT_TRUE(form.DemoTimer->isActive());
  const TVektorR2 satellite = form.ablauf().constellation->positions[1];
  form.DemoTimerTimer();
  EXPECT_NE(form.ablauf().constellation->positions[1], satellite);
  clickOk(form);
  EXPECT_FALSE(form.DemoTimer->isActive());
  EXPECT_TRUE(memoLines(form).first().startsWith("Der GPS-Empfänger empfängt Signale von "));
  clickOk(form);
  EXPECT_EQ(memoLines(form).size(), 15);

  // To the end of the run: OK is disabled with the correct result.
  for (int press = 0; press < 40 && form.BitBtnOk->isEnabled(); ++press) clickOk(form);
  ASSERT_FALSE(form.BitBtnOk->isEnabled());
  EXPECT_EQ(memoLines(form), (QStringList{"Der berechnete Standort ist korrekt, da er auf dem dritten",
                                          "Kreis liegt."}));

  // "Schließen" hides, stops and discards; the next start begins at step 1.
  QTest::mouseClick(form.BitBtnSchliessen, Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.DemoTimer->isActive());
  EXPECT_EQ(form.ablauf().receiver, nullptr);
  form.startDemo();
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(form.BitBtnOk->isEnabled());
  EXPECT_TRUE(form.DemoTimer->isActive());
  EXPECT_EQ(form.ablauf().step, 1);
}

TEST(Form2DDemo, StartBringsBackAMinimisedWindow) {
  TForm2DDemo form;
  form.startDemo();
  form.showMinimized();
  ASSERT_TRUE(form.isMinimized());
  form.startDemo();
  EXPECT_FALSE(form.isMinimized());
  EXPECT_TRUE(form.isVisible());
  form.hide();
}

TEST(Form2DDemo, TheFrameCloseBoxOnlyHides) {
  TForm2DDemo form;
  form.startDemo();
  clickOk(form);
  form.close();
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(form.DemoTimer->isActive());  // the timer runs on until the next start
  EXPECT_EQ(form.ablauf().step, 2);
  clickOk(form);
  EXPECT_NE(form.ablauf().receiver, nullptr);
  form.close();
  EXPECT_NE(form.ablauf().receiver, nullptr);  // kept as well
}

TEST(Form2DDemo, FailureShowsTheInformationBox) {
  testing_support::RecordingMessages messages;
  TForm2DDemo form;
  form.startDemo();
  clickOk(form);
  clickOk(form);
  clickOk(form);
  form.ablauf().receiver->circles[2].radius = 0.5L;  // circles 1 and 2 no longer meet
  const QString memo = form.MemoDemo->toPlainText();
  clickOk(form);
  ASSERT_EQ(messages.texts(), (std::vector<std::string>{"Satellitenstörung - biite Demo schließen"}));
  EXPECT_EQ(form.MemoDemo->toPlainText(), memo);
  EXPECT_TRUE(form.BitBtnOk->isEnabled());
}

TEST(Form2DDemo, ReleasedModelLeavesTheHandlersIdle) {
  TForm2DDemo form;
  form.startDemo();
  clickOk(form);
  form.releaseModel();
  EXPECT_FALSE(form.DemoTimer->isActive());
  const QString memo = form.MemoDemo->toPlainText();
  form.DemoTimerTimer();
  clickOk(form);
  form.BitBtnSchliessenClick();
  form.startDemo();
  EXPECT_EQ(form.MemoDemo->toPlainText(), memo);
  EXPECT_FALSE(form.DemoTimer->isActive());
}

TEST(Form2DDemo, MemoLinesFitWithoutScrollingSideways) {
  TForm2DDemo form;
  form.startDemo();
  // Through every text of a first pass, the result text with the widest line included.
  for (int press = 0; press <= 5; ++press) {
    QApplication::processEvents();
    EXPECT_EQ(form.MemoDemo->horizontalScrollBar()->maximum(), 0)
        << form.MemoDemo->toPlainText().toStdString();
    clickOk(form);
  }
  EXPECT_GE(form.MemoDemo->font().pointSizeF(), 7.0);
}

// A run at step 5 of its first pass; saved as demo2d.png when ORTIVO_SCREENSHOT_DIR names
// a folder.
TEST(Form2DDemo, ScreenshotAtStepFive) {
  platform::setRandomSeed(20);
  TForm2DDemo form;
  form.startDemo();
  for (int n = 0; n < 12; ++n) form.DemoTimerTimer();
  for (int press = 0; press < 5; ++press) clickOk(form);
  ASSERT_EQ(form.ablauf().step, 3);  // back to the loop: the check circle is drawn
  QApplication::processEvents();
  const QPixmap shot = form.grab();
  EXPECT_EQ(shot.size() / shot.devicePixelRatio(), QSize(929, 495));
  saveScreenshot(&form, "demo2d.png");
}

// The main window's close box ends the program even while the demonstration is open.
TEST(Form2DDemo, ClosingTheMainWindowEndsTheProgramWhileTheDemoIsOpen) {
  Program program;
  TFormMain& main = program.mainWindow();
  TForm2DDemo& demo = program.demo2D();
  main.show();
  main.SpeedButton2DDemo->click();
  ASSERT_TRUE(demo.isVisible());
  QTimer::singleShot(0, &main, [&] { main.close(); });
  QTimer::singleShot(3000, &demo, [] { QApplication::exit(99); });  // the loop would run on
  EXPECT_EQ(QApplication::exec(), 0);
  demo.hide();
}
