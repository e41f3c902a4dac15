#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/ui/Screenshots.h"

#include <cmath>

#include "ui/main3DDemo.h"

namespace {

TGeoPosition bavaria() {
  TGeoPosition p;
  p.eastWest = 'O';
  p.longitude = {11, 34.5L};
  p.northSouth = 'N';
  p.latitude = {48, 8.25L};
  p.height = 520;
  return p;
}

QStringList memoLines(const TForm3DDemo& form) {
  return form.Memo3d->toPlainText().split('\n', Qt::SkipEmptyParts);
}

void click(QPushButton* b) {
  ASSERT_TRUE(b->isEnabled()) << b->objectName().toStdString();
  QTest::mouseClick(b, Qt::LeftButton);
}

// The eye grid's second row.
QStringList eyeCells(const TForm3DDemo& form) {
  return {form.StringGridAuge->cell(0, 1), form.StringGridAuge->cell(1, 1), form.StringGridAuge->cell(2, 1)};
}

const QStringList kStartEye{"0,000", "-50,000", "0,000"};

// Radii that meet exactly at the receiver, sphere 4 `extra` km too large.
void setTrueRadii(T3DDemo& demo, long double extra) {
  for (int k = 1; k <= 4; ++k)
    demo.receiver.spheres[k].radius =
        TEuklidGeoR3::distance(demo.receiver.spheres[k].center, demo.receiverPosition);
  demo.receiver.spheres[4].radius += extra;
}

}  // namespace

TEST(Demo3DWindow, StartsIdleWithItsControls) {
  TForm3DDemo form(bavaria);
  EXPECT_EQ(form.objectName(), "Form3DDemo");
  EXPECT_EQ(form.windowTitle(), "3D - Demonstration");
  EXPECT_EQ(form.size(), QSize(1211, 769));
  EXPECT_EQ(form.Image->geometry(), QRect(16, 48, 897, 657));
  EXPECT_EQ(form.Image->canvas().width(), 897);
  EXPECT_EQ(form.Image->canvas().height(), 657);
  EXPECT_EQ(form.findChild<ImageControl*>("Image"), form.Image);

  EXPECT_EQ(form.GroupBoxProjektionsart->title(), "Projektionsart");
  EXPECT_EQ(form.RadioButtonZentral->text(), "Zentralprojektion");
  EXPECT_FALSE(form.RadioButtonZentral->isChecked());
  EXPECT_EQ(form.RadioButtonParallel->text(), "Parallelprojektion");
  EXPECT_TRUE(form.RadioButtonParallel->isChecked());
  EXPECT_EQ(form.BitBtnSchliessen->text(), "&Schließen");
  EXPECT_EQ(form.BitBtnAnhalten->text(), "Anhalten");
  EXPECT_EQ(form.BitBtnAnhalten->toolTip(), "Bewegungen anhalten bzw. fortsetzen");
  EXPECT_EQ(form.BitBtnAlgorithmus->text(), "Algorithmus");
  EXPECT_EQ(form.BitBtnAlgorithmus->toolTip(), "Demonstration der Positionsbestimmung");
  EXPECT_EQ(form.BitBtnAlgorithmusAbbrechen->text(), "Abbrechen");
  EXPECT_EQ(form.BitBtnAlgorithmusAbbrechen->toolTip(), "Algorithmus abbrechen");
  EXPECT_EQ(form.LabelAuge->text(), "Postion des Betrachters (Einheit: 1000km)");
  EXPECT_EQ(form.LabelAequator->text(), "Südpolumdrehung");
  EXPECT_EQ(form.LabelNordpol->text(), "Nordpolumdrehung");
  EXPECT_EQ(form.BitBtnAequator->text(), "Start");
  EXPECT_EQ(form.BitBtnNordpol->text(), "Start");
  EXPECT_EQ(form.BitBtnCancel->text(), "Cancel");
  EXPECT_EQ(form.LabeledEditAequator->text(), "0");
  EXPECT_EQ(form.LabeledEditNordpol->text(), "0");
  EXPECT_TRUE(form.Memo3d->isReadOnly());
  EXPECT_TRUE(form.Memo3d->toPlainText().isEmpty());

  EXPECT_TRUE(form.BitBtnOk->isEnabled());
  EXPECT_TRUE(form.BitBtnSchliessen->isEnabled());
  for (QPushButton* b : {form.BitBtnAnhalten, form.BitBtnAlgorithmus, form.BitBtnAlgorithmusAbbrechen,
                         form.BitBtnAequator, form.BitBtnNordpol, form.BitBtnCancel}) {
    EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_FALSE(b->focusPolicy() & Qt::TabFocus) << b->objectName().toStdString();
  }
  EXPECT_FALSE(form.Timer3DDemo->isActive());
  EXPECT_EQ(form.Timer3DDemo->interval(), 300);
  EXPECT_EQ(form.findChild<QTimer*>("Timer3DDemo"), form.Timer3DDemo);

  EXPECT_EQ(form.StringGridAuge->columnCount(), 3);
  EXPECT_EQ(form.StringGridAuge->rowCount(), 2);
  EXPECT_EQ(form.StringGridAuge->cell(0, 0), "x");
  EXPECT_EQ(form.StringGridAuge->cell(1, 0), "y");
  EXPECT_EQ(form.StringGridAuge->cell(2, 0), "z");
  EXPECT_EQ(eyeCells(form), kStartEye);
  ASSERT_NE(form.ablauf().demo, nullptr);
  EXPECT_EQ(form.ablauf().demo->projectionKind, 0);
  EXPECT_EQ(form.ablauf().algorithmStep, 0);
}

TEST(Demo3DWindow, OkBuildsANewSceneOfTheChosenProjectionAndRuns) {
  TForm3DDemo form(bavaria);
  form.RadioButtonZentral->setChecked(true);
  EXPECT_EQ(form.ablauf().demo->projectionKind, 0);  // not before OK
  form.ablauf().demo->receiver.adjustRadii(5);
  click(form.BitBtnOk);
  ASSERT_NE(form.ablauf().demo, nullptr);
  EXPECT_EQ(form.projectionKind, 1);
  EXPECT_EQ(form.ablauf().demo->projectionKind, 1);
  EXPECT_EQ(form.ablauf().demo->receiver.spheres[1].radius, 0);  // a fresh scene
  EXPECT_TRUE(form.Timer3DDemo->isActive());
  for (QPushButton* b : {form.BitBtnAnhalten, form.BitBtnAlgorithmus, form.BitBtnAequator, form.BitBtnNordpol})
    EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
  EXPECT_FALSE(form.BitBtnCancel->isEnabled());
  EXPECT_FALSE(form.BitBtnAlgorithmusAbbrechen->isEnabled());
  EXPECT_EQ(form.ablauf().demo->rotationAngles, (TVektorR3{0, 0, 0.03490658503988659L}));
  EXPECT_EQ(form.LabeledEditAequator->text(), "2");
  EXPECT_EQ(form.LabeledEditNordpol->text(), "0");

  // A frame paints the scene onto the image: black sky, green earth in the middle.
  form.Timer3DDemoTimer();
  const QImage& img = form.Image->image();
  EXPECT_EQ(img.pixel(3, 3), qRgb(0, 0, 0));
  bool green = false;
  for (int x = 400; x < 500 && !green; ++x)
    for (int y = 280; y < 380 && !green; ++y) green = img.pixelColor(x, y).green() > 100;
  EXPECT_TRUE(green);
}

TEST(Demo3DWindow, TurningAboutTheSouthPoleCountsTo360ThenStartsAgainAt2) {
  TForm3DDemo form(bavaria);
  click(form.BitBtnOk);
  click(form.BitBtnAequator);
  EXPECT_EQ(form.BitBtnAequator->text(), "Stop");
  EXPECT_FALSE(form.BitBtnNordpol->isEnabled());
  EXPECT_FALSE(form.BitBtnCancel->isEnabled());
  for (int d = 4; d <= 360; d += 2) {
    form.Timer3DDemoTimer();
    ASSERT_EQ(form.LabeledEditAequator->text(), QString::number(d));
    ASSERT_TRUE(form.ablauf().aequatorRunning);
  }
  form.Timer3DDemoTimer();
  EXPECT_EQ(form.LabeledEditAequator->text(), "2");
  EXPECT_FALSE(form.ablauf().aequatorRunning);
  EXPECT_EQ(form.BitBtnAequator->text(), "Start");
  EXPECT_TRUE(form.BitBtnNordpol->isEnabled());
  EXPECT_FALSE(form.BitBtnCancel->isEnabled());
  EXPECT_EQ(form.ablauf().demo->rotationAngles.z, 0.03490658503988659L);
  EXPECT_EQ(form.LabeledEditNordpol->text(), "0");
  // The scene turned; the viewer did not.
  EXPECT_EQ(eyeCells(form), kStartEye);
  EXPECT_TRUE(form.Timer3DDemo->isActive());
}

TEST(Demo3DWindow, TurningAboutTheNorthPoleCountsTo358ThenShows0) {
  TForm3DDemo form(bavaria);
  click(form.BitBtnOk);
  click(form.BitBtnNordpol);
  EXPECT_EQ(form.BitBtnNordpol->text(), "Stop");
  EXPECT_FALSE(form.BitBtnAequator->isEnabled());
  for (int d = 2; d <= 358; d += 2) {
    form.Timer3DDemoTimer();
    ASSERT_EQ(form.LabeledEditNordpol->text(), QString::number(d));
  }
  form.Timer3DDemoTimer();
  EXPECT_EQ(form.LabeledEditNordpol->text(), "0");
  EXPECT_FALSE(form.ablauf().nordpolRunning);
  EXPECT_EQ(form.BitBtnNordpol->text(), "Start");
  EXPECT_TRUE(form.BitBtnAequator->isEnabled());
  EXPECT_EQ(form.ablauf().demo->rotationAngles.x, 0);
  EXPECT_EQ(form.LabeledEditAequator->text(), "2");  // the other angle stays
  EXPECT_EQ(eyeCells(form), kStartEye);
}

TEST(Demo3DWindow, PausedRotationReleasesCancelAndTheOtherButton) {
  TForm3DDemo form(bavaria);
  click(form.BitBtnOk);
  click(form.BitBtnAequator);
  form.Timer3DDemoTimer();
  form.Timer3DDemoTimer();
  click(form.BitBtnAequator);
  EXPECT_EQ(form.BitBtnAequator->text(), "Weiter");
  EXPECT_FALSE(form.ablauf().aequatorRunning);
  EXPECT_TRUE(form.BitBtnCancel->isEnabled());
  EXPECT_TRUE(form.BitBtnNordpol->isEnabled());
  EXPECT_TRUE(form.Timer3DDemo->isActive());  // free frames go on
  form.Timer3DDemoTimer();
  EXPECT_EQ(form.LabeledEditAequator->text(), "6");

  // Cancel puts viewer and angles back.
  click(form.BitBtnNordpol);
  form.Timer3DDemoTimer();
  click(form.BitBtnNordpol);
  EXPECT_EQ(form.LabeledEditNordpol->text(), "2");
  click(form.BitBtnCancel);
  EXPECT_EQ(form.ablauf().demo->rotationAngles, (TVektorR3{0, 0, 0.03490658503988659L}));
  EXPECT_EQ(form.ablauf().demo->eye, (TVektorR3{0, -50, 0}));
  EXPECT_EQ(form.LabeledEditAequator->text(), "2");
  EXPECT_EQ(form.LabeledEditNordpol->text(), "0");
  EXPECT_EQ(form.BitBtnAequator->text(), "Start");
  EXPECT_EQ(form.BitBtnNordpol->text(), "Start");
  EXPECT_FALSE(form.BitBtnCancel->isEnabled());
  EXPECT_EQ(eyeCells(form), kStartEye);
}

TEST(Demo3DWindow, OkAlsoResetsTheAngles) {
  TForm3DDemo form(bavaria);
  click(form.BitBtnOk);
  click(form.BitBtnNordpol);
  for (int i = 0; i < 5; ++i) form.Timer3DDemoTimer();
  click(form.BitBtnOk);
  EXPECT_FALSE(form.ablauf().nordpolRunning);
  EXPECT_EQ(form.ablauf().demo->rotationAngles, (TVektorR3{0, 0, 0.03490658503988659L}));
  EXPECT_EQ(form.LabeledEditNordpol->text(), "0");
  EXPECT_EQ(form.LabeledEditAequator->text(), "2");
  EXPECT_EQ(form.BitBtnNordpol->text(), "Start");
}

TEST(Demo3DWindow, AnhaltenPausesAndResumes) {
  TForm3DDemo form(bavaria);
  click(form.BitBtnOk);
  click(form.BitBtnAnhalten);
  EXPECT_FALSE(form.Timer3DDemo->isActive());
  EXPECT_EQ(form.BitBtnAnhalten->text(), "Fortsetzen");
  EXPECT_FALSE(form.BitBtnAequator->isEnabled());
  EXPECT_FALSE(form.BitBtnNordpol->isEnabled());
  EXPECT_TRUE(form.BitBtnAlgorithmus->isEnabled());
  EXPECT_TRUE(form.BitBtnAnhalten->isEnabled());
  click(form.BitBtnAnhalten);
  EXPECT_TRUE(form.Timer3DDemo->isActive());
  EXPECT_EQ(form.BitBtnAnhalten->text(), "Anhalten");
  EXPECT_TRUE(form.BitBtnAequator->isEnabled());
  EXPECT_TRUE(form.BitBtnNordpol->isEnabled());

  // OK while paused runs the animation again and says so.
  click(form.BitBtnAnhalten);
  click(form.BitBtnOk);
  EXPECT_TRUE(form.Timer3DDemo->isActive());
  EXPECT_EQ(form.BitBtnAnhalten->text(), "Anhalten");

  // A walk-through begun while paused ends in the running animation, rotations included.
  click(form.BitBtnAnhalten);
  click(form.BitBtnAlgorithmus);
  click(form.BitBtnAlgorithmusAbbrechen);
  EXPECT_TRUE(form.Timer3DDemo->isActive());
  EXPECT_EQ(form.BitBtnAnhalten->text(), "Anhalten");
  EXPECT_TRUE(form.BitBtnAequator->isEnabled());
  EXPECT_TRUE(form.BitBtnNordpol->isEnabled());
}

TEST(Demo3DWindow, ARotationPausedWithTheAnimationStillLocksTheOtherOne) {
  TForm3DDemo form(bavaria);
  click(form.BitBtnOk);
  click(form.BitBtnNordpol);
  form.Timer3DDemoTimer();
  click(form.BitBtnAnhalten);
  EXPECT_FALSE(form.BitBtnNordpol->isEnabled());
  click(form.BitBtnAnhalten);
  EXPECT_TRUE(form.ablauf().nordpolRunning);
  EXPECT_EQ(form.BitBtnNordpol->text(), "Stop");
  EXPECT_TRUE(form.BitBtnNordpol->isEnabled());
  EXPECT_FALSE(form.BitBtnAequator->isEnabled());
  EXPECT_FALSE(form.BitBtnCancel->isEnabled());
  form.Timer3DDemoTimer();
  EXPECT_EQ(form.LabeledEditNordpol->text(), "4");
  EXPECT_EQ(form.LabeledEditAequator->text(), "2");  // the other angle stays
}

TEST(Demo3DWindow, AlgorithmusStopsARunningRotation) {
  TForm3DDemo form(bavaria);
  click(form.BitBtnOk);
  click(form.BitBtnAequator);
  form.Timer3DDemoTimer();
  click(form.BitBtnAlgorithmus);
  EXPECT_FALSE(form.ablauf().aequatorRunning);
  EXPECT_FALSE(form.ablauf().nordpolRunning);
  EXPECT_EQ(form.BitBtnAequator->text(), "Weiter");
  EXPECT_EQ(form.BitBtnNordpol->text(), "Start");
  EXPECT_TRUE(form.ablauf().algorithmMode);
  EXPECT_EQ(form.ablauf().algorithmStep, 1);
  EXPECT_FALSE(form.Timer3DDemo->isActive());
  EXPECT_EQ(form.BitBtnAlgorithmus->text(), "Fortsetzen");
  EXPECT_FALSE(form.BitBtnAnhalten->isEnabled());
  EXPECT_TRUE(form.BitBtnAlgorithmusAbbrechen->isEnabled());
  EXPECT_EQ(memoLines(form), (QStringList{"4 Satelliten werden zur Berechnung herangezogen",
                                          "Zur weiteren Erläuterung siehe Hilfestellung und 2D-Demonstration"}));
  // The angle reached stays; resuming the rotation runs the timer, pausing stops it.
  EXPECT_EQ(form.LabeledEditAequator->text(), "4");
  click(form.BitBtnAequator);
  EXPECT_TRUE(form.ablauf().aequatorRunning);
  EXPECT_TRUE(form.Timer3DDemo->isActive());
  form.Timer3DDemoTimer();
  EXPECT_EQ(form.LabeledEditAequator->text(), "6");
  EXPECT_EQ(form.ablauf().algorithmStep, 1);
  click(form.BitBtnAequator);
  EXPECT_FALSE(form.Timer3DDemo->isActive());
}

TEST(Demo3DWindow, WalkThroughTellsEachStepAndRepeatsUntilFound) {
  TForm3DDemo form(bavaria);
  click(form.BitBtnOk);
  click(form.BitBtnAlgorithmus);
  ASSERT_EQ(form.ablauf().algorithmStep, 1);
  ASSERT_GE(form.ablauf().demo->receiver.signalCount(), 4);
  const QStringList intersect{"3 Kugeln werden zum Schnitt gebracht."};
  for (int step = 2; step <= 4; ++step) {
    click(form.BitBtnAlgorithmus);
    EXPECT_EQ(form.ablauf().algorithmStep, step);
    EXPECT_EQ(memoLines(form), intersect);
  }
  click(form.BitBtnAlgorithmus);
  EXPECT_EQ(form.ablauf().algorithmStep, 5);
  EXPECT_EQ(memoLines(form),
            QStringList{"Einer der beiden Schnittpunkte kommt als möglicher Standort in Betracht."});

  const long double radiusBefore = form.ablauf().demo->receiver.spheres[2].radius;
  click(form.BitBtnAlgorithmus);
  ASSERT_FALSE(form.ablauf().demo->found);  // the fictive run times are far off at first
  const long double d = form.ablauf().demo->distanceToFourth;
  EXPECT_EQ(form.ablauf().demo->receiver.spheres[2].radius, radiusBefore - d / 2);
  const QString metres = QString::number(static_cast<qint64>(std::rint(std::fabs(d) * 1000))) + " Meter.";
  const QStringList inside{"Abstand des mögklichen Standorts zur Oberfläche der 4.Kugel:", metres,
                           "Dieser mögliche Standort liegt innerhalb der 4.Kugel.",
                           "Daher werden die Kugelradien verkleinert und das Verfahren wiederholt."};
  const QStringList outside{"Abstand des mögklichen Standorts zur Oberfläche der 4.Kugel:", metres,
                            "Dieser mögliche Standort liegt außerhalb der 4.Kugel.",
                            "Daher werden die Kugelradien vergrößert und das Verfahren wiederholt."};
  EXPECT_EQ(memoLines(form), d >= 0 ? inside : outside);
  EXPECT_EQ(form.ablauf().algorithmStep, 1);  // the next click shows step 2 again

  click(form.BitBtnAlgorithmus);
  EXPECT_EQ(form.ablauf().algorithmStep, 2);
  EXPECT_EQ(memoLines(form), intersect);
  for (int step = 3; step <= 5; ++step) click(form.BitBtnAlgorithmus);
  ASSERT_EQ(form.ablauf().algorithmStep, 5);

  // Let the candidate come within a kilometre of sphere 4.
  setTrueRadii(*form.ablauf().demo, -0.25L);
  click(form.BitBtnAlgorithmus);
  EXPECT_TRUE(form.ablauf().demo->found);
  EXPECT_EQ(form.ablauf().algorithmStep, 6);
  EXPECT_EQ(memoLines(form), (QStringList{"Abstand des mögklichen Standorts zur Oberfläche der 4.Kugel:",
                                          "250 Meter.",
                                          "Dieser mögliche Standort liegt in der Nähe der 4.Kugel.",
                                          "Der Standort wurde gefunden und das Verfahren wird beendet"}));
  click(form.BitBtnAlgorithmus);
  EXPECT_EQ(form.ablauf().algorithmStep, 0);
  EXPECT_FALSE(form.ablauf().algorithmMode);
  EXPECT_EQ(form.BitBtnAlgorithmus->text(), "Algorithmus");
  EXPECT_TRUE(form.Timer3DDemo->isActive());
  EXPECT_TRUE(form.BitBtnAnhalten->isEnabled());
  EXPECT_EQ(form.BitBtnAnhalten->text(), "Anhalten");
  EXPECT_FALSE(form.BitBtnAlgorithmusAbbrechen->isEnabled());
  EXPECT_TRUE(form.Memo3d->toPlainText().isEmpty());
}

TEST(Demo3DWindow, StepSixWithARotationRunningStaysAtSixUntilClicked) {
  TForm3DDemo form(bavaria);
  click(form.BitBtnOk);
  for (int i = 0; i < 5; ++i) click(form.BitBtnAlgorithmus);
  click(form.BitBtnAequator);  // turning during the walk-through
  click(form.BitBtnAlgorithmus);
  ASSERT_FALSE(form.ablauf().demo->found);
  EXPECT_EQ(form.ablauf().algorithmStep, 6);
  // Every tick redraws step 6 and corrects the radii once more.
  const long double r = form.ablauf().demo->receiver.spheres[1].radius;
  form.Timer3DDemoTimer();
  EXPECT_NE(form.ablauf().demo->receiver.spheres[1].radius, r);
  click(form.BitBtnAlgorithmus);  // 7 without a found position: back to 2
  EXPECT_EQ(form.ablauf().algorithmStep, 2);
  EXPECT_TRUE(form.ablauf().algorithmMode);
}

TEST(Demo3DWindow, AbbrechenEndsTheWalkThroughFromAnyStep) {
  TForm3DDemo form(bavaria);
  for (int steps = 1; steps <= 6; ++steps) {
    click(form.BitBtnOk);
    for (int i = 0; i < steps; ++i) click(form.BitBtnAlgorithmus);
    ASSERT_TRUE(form.ablauf().algorithmMode);
    click(form.BitBtnAlgorithmusAbbrechen);
    EXPECT_EQ(form.ablauf().algorithmStep, 0) << steps;
    EXPECT_FALSE(form.ablauf().algorithmMode) << steps;
    EXPECT_FALSE(form.ablauf().abortRequested) << steps;
    EXPECT_EQ(form.BitBtnAlgorithmus->text(), "Algorithmus") << steps;
    EXPECT_FALSE(form.BitBtnAlgorithmusAbbrechen->isEnabled()) << steps;
    EXPECT_TRUE(form.BitBtnAnhalten->isEnabled()) << steps;
    EXPECT_TRUE(form.Timer3DDemo->isActive()) << steps;
    EXPECT_TRUE(form.Memo3d->toPlainText().isEmpty()) << steps;
  }
}

TEST(Demo3DWindow, AWalkThroughAfterAnotherHearsEachSatelliteOnce) {
  TForm3DDemo form(bavaria);
  click(form.BitBtnOk);
  click(form.BitBtnAlgorithmus);
  const int heard = form.ablauf().demo->receiver.signalCount();
  click(form.BitBtnAlgorithmusAbbrechen);
  // No free frame in between: the old signals must not be counted again.
  click(form.BitBtnAlgorithmus);
  EXPECT_EQ(form.ablauf().demo->receiver.signalCount(), heard);
  TUhr fresh;
  fresh.receiveSignals(form.ablauf().demo->receiverPosition, form.ablauf().demo->constellation);
  EXPECT_EQ(form.ablauf().demo->receiver.clock.signals.compare(fresh.signals), 0);
}

TEST(Demo3DWindow, FewerThanFourSignalsEndTheWalkThroughAtOnce) {
  TForm3DDemo form(bavaria);
  click(form.BitBtnOk);
  form.ablauf().demo->receiverPosition = {0, 0, 0};  // inside the earth: nothing is heard
  click(form.BitBtnAnhalten);                // paused, as a user might be
  click(form.BitBtnAlgorithmus);
  EXPECT_EQ(form.ablauf().algorithmStep, 0);
  EXPECT_FALSE(form.ablauf().algorithmMode);
  EXPECT_EQ(form.BitBtnAlgorithmus->text(), "Algorithmus");
  EXPECT_FALSE(form.BitBtnAlgorithmusAbbrechen->isEnabled());
  EXPECT_TRUE(form.Timer3DDemo->isActive());
  EXPECT_EQ(form.BitBtnAnhalten->text(), "Anhalten");
  form.Timer3DDemoTimer();  // a free frame draws without a receiver signal
  click(form.BitBtnAlgorithmus);
  EXPECT_EQ(form.ablauf().algorithmStep, 0);
}

TEST(Demo3DWindow, SchliessenHidesStopsAndLeavesOnlyOkUsable) {
  TForm3DDemo form(bavaria);
  form.show();
  click(form.BitBtnOk);
  click(form.BitBtnAlgorithmus);
  click(form.BitBtnAlgorithmus);
  click(form.BitBtnSchliessen);
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.Timer3DDemo->isActive());
  EXPECT_EQ(form.ablauf().algorithmStep, 0);
  EXPECT_EQ(form.BitBtnAlgorithmus->text(), "Algorithmus");
  EXPECT_EQ(form.BitBtnAnhalten->text(), "Anhalten");
  for (QPushButton* b : {form.BitBtnAnhalten, form.BitBtnAlgorithmus, form.BitBtnAlgorithmusAbbrechen,
                         form.BitBtnAequator, form.BitBtnNordpol, form.BitBtnCancel})
    EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
  EXPECT_TRUE(form.BitBtnOk->isEnabled());
  EXPECT_TRUE(form.RadioButtonParallel->isEnabled());
  EXPECT_NE(form.ablauf().demo, nullptr);  // the scene stays until OK
  form.show();
  click(form.BitBtnOk);
  EXPECT_FALSE(form.ablauf().algorithmMode);
  EXPECT_TRUE(form.Timer3DDemo->isActive());
}

TEST(Demo3DWindow, AfterReleaseTheHandlersDoNothing) {
  TForm3DDemo form(bavaria);
  click(form.BitBtnOk);
  form.releaseScene();
  EXPECT_EQ(form.ablauf().demo, nullptr);
  EXPECT_FALSE(form.Timer3DDemo->isActive());
  form.Timer3DDemoTimer();
  form.BitBtnAlgorithmusClick();
  form.BitBtnAequatorClick();
  form.BitBtnCancelClick();
  form.BitBtnOkClick();
  EXPECT_EQ(form.ablauf().demo, nullptr);
  EXPECT_FALSE(form.Timer3DDemo->isActive());
  EXPECT_FALSE(form.ablauf().aequatorRunning);
}

TEST(Demo3DWindow, ScreenshotsOfTheSceneAndOfStepSix) {
  // Set ORTIVO_SCREENSHOT_DIR to a folder to keep the pictures.
  TForm3DDemo form(bavaria);
  form.show();
  click(form.BitBtnOk);
  for (int i = 0; i < 3; ++i) form.Timer3DDemoTimer();
  const QImage scene = form.grab().toImage();
  EXPECT_EQ(scene.size(), form.size() * scene.devicePixelRatio());
  saveScreenshot(&form, "demo3d.png");

  for (int i = 0; i < 6; ++i) click(form.BitBtnAlgorithmus);
  ASSERT_EQ(memoLines(form).value(0), "Abstand des mögklichen Standorts zur Oberfläche der 4.Kugel:");
  // Silver spheres are on the image now.
  const QImage& img = form.Image->image();
  int silver = 0;
  for (int y = 0; y < img.height(); y += 3)
    for (int x = 0; x < img.width(); x += 3)
      if (const QColor c = img.pixelColor(x, y);
          c.red() > 160 && c.red() < 215 && std::abs(c.red() - c.green()) < 8 && std::abs(c.red() - c.blue()) < 8)
        ++silver;
  EXPECT_GT(silver, 100);
  saveScreenshot(&form, "demo3d-step6.png");
}
