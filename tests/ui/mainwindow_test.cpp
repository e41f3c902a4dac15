#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include "platform/shell.h"
#include "tests/support/RecordingMessages.h"
#include "ui/MainGps.h"
#include "ui/Program.h"
#include "ui/QtPlatform.h"
#include "ui/UnitAbout.h"
#include "ui/main2DDemo.h"
#include "ui/main3DDemo.h"

namespace {

QString cellOf(StringGrid* grid, int column, int row) { return grid->cell(column, row); }

}  // namespace

TEST(MainWindow, StartsWithTheSatelliteTableAndTheFixedTexts) {
  LessonModel lesson;
  TFormMain form{lesson};
  EXPECT_EQ(form.windowTitle(), "Ortivo");
  EXPECT_EQ(form.size(), QSize(1109, 786));
  StringGrid* table = form.findChild<StringGrid*>("StringGridBewegung");
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(cellOf(table, 0, 0), "Nummer");
  EXPECT_EQ(cellOf(table, 3, 0), "z");
  EXPECT_EQ(cellOf(table, 0, 24), "24");
  // Satellite 2 starts on the y axis; German locale: decimal comma, three decimals.
  EXPECT_EQ(cellOf(table, 1, 2), "0,000");
  EXPECT_EQ(cellOf(table, 2, 2), "26554,000");
  EXPECT_EQ(cellOf(table, 3, 2), "0,000");
  EXPECT_EQ(cellOf(table, 1, 1), "15230,749");
  EXPECT_EQ(cellOf(table, 3, 1), "-21751,763");
  EXPECT_EQ(form.LabelInfo->text(),
            "Einem Simulationsschritt entsprechen 100 Sekunden in der Wirklichkeit");
  EXPECT_EQ(form.GroupBoxEmpfaenger->title(),
            "Tatsächlicher Standort des GPS-Empfängers (erzeugen oder eingeben) - "
            "maximale(minimale) Höhe über dem Erdboden: 11000 (0) m");
  const std::pair<QLabel*, const char*> captions[] = {
      {form.LabelExakterStandortCart,
       "Cartesische Koordinaten (in km) - maßgeblich für die Positionsbestimmung"},
      {form.LabelExakterStandortGeo, "Geographische Koordinaten"},
      {form.LabelTatsaechlicheGeschwindigkeit, "Geschwindigkeit in km/h"},
      {form.LabelBerechneterStandortCart, "Cartesische Koordinaten (in km)"},
      {form.LabelBerechneterStandortGeo, "Geographische Koordinaten"},
      {form.LabelSatelliten,
       "Position und fiktive Signallaufzeiten (des ersten Iterationsschritts) der 4 zur "
       "Berechnung herangezogenen Satelliten"},
      {form.LabelUnterschied,
       "Entfernung tatsächlicher Standort zum berechneten Standort (Luftlinie in km)"},
  };
  for (const auto& [label, text] : captions) EXPECT_EQ(label->text(), QString::fromUtf8(text));
  const std::pair<QLineEdit*, const char*> edits[] = {
      {form.LabeledEditExakteHoehe, "Höhe (in m) über NN"},
      {form.LabeledEditBerechneteHoehe, "Höhe (in m) über NN"},
      {form.LabeledEditBerechneteGeschwindigkeit, "Geschwindigkeit in km/h"},
      {form.LabeledEditAnzEmpfangeneSatelliten,
       "Anzahl und Nummern der empfangenen Satelliten (geordnet nach Entfernung)"},
  };
  for (const auto& [edit, text] : edits) {
    auto* label = form.findChild<QLabel*>(edit->objectName() + "Label");
    ASSERT_NE(label, nullptr) << text;
    EXPECT_EQ(label->text(), QString::fromUtf8(text));
    EXPECT_EQ(label->buddy(), edit);
  }
  EXPECT_EQ(form.GroupBoxDefekt->title(), "Defekte Satelliten");
  EXPECT_EQ(form.GroupBoxBerechneterStandort->title(),
            QString::fromUtf8("Berechneter Standort und berechnete Geschwindigkeit des "
                              "GPS-Empfängers"));
  EXPECT_EQ(form.GroupBoxSatellitenbewegung->title(), "Satellitenposition");
  EXPECT_EQ(form.BitBtnBerechne->text(), "Positionsbestimmung starten");
  EXPECT_EQ(form.BitBtnEmpfaengerBewegen->text(), "Bewegen");
  EXPECT_EQ(form.BitBtnCartToGeo->text(), "CartToGeo");
  EXPECT_EQ(form.BitBtnGeoToCart->text(), "GeoToCart");
  EXPECT_EQ(form.BitBtnErzeugen->text(), "Erzeugen");
  // No true position yet.
  EXPECT_EQ(cellOf(form.StringGridExakterStandortCart, 0, 1), "");
  EXPECT_EQ(cellOf(form.StringGridExakterStandortGeo, 0, 1), "Länge");
  EXPECT_EQ(cellOf(form.StringGridExakterStandortGeo, 3, 0), "Minuten");
  EXPECT_EQ(cellOf(form.StringGridSatelliten, 6, 0), "nanosek");
}

TEST(MainWindow, CheckBoxesAreNumberedByTheirTag) {
  LessonModel lesson;
  TFormMain form{lesson};
  for (int n = 1; n <= 24; ++n) {
    auto* box = form.findChild<QCheckBox*>(QString("CheckBox%1").arg(n));
    ASSERT_NE(box, nullptr) << n;
    EXPECT_EQ(box->text(), QString::number(n));
    EXPECT_EQ(box->property("Tag").toInt(), n);
    EXPECT_EQ(box->parent(), form.GroupBoxDefekt);
  }
}

// The window's one timer waits for the lesson's next tick: the satellites', 2 s on.
TEST(MainWindow, OnlyTheSatellitesTickAtStartAndTheTimerWaitsForThem) {
  QElapsedTimer since;
  since.start();
  LessonModel lesson;
  TFormMain form{lesson};
  EXPECT_TRUE(lesson.clock().active(LessonClock::Tick::satellites));
  EXPECT_EQ(lesson.clock().interval(LessonClock::Tick::satellites), 2000);
  EXPECT_FALSE(lesson.clock().active(LessonClock::Tick::receiver));
  EXPECT_FALSE(lesson.clock().active(LessonClock::Tick::determination));
  EXPECT_EQ(lesson.clock().interval(LessonClock::Tick::determination), 2000);
  EXPECT_TRUE(form.TimerLektion->isActive());
  // Started while the window was built: a loaded machine may have taken a while since.
  const int remaining = form.TimerLektion->remainingTime();
  EXPECT_LE(remaining, 2000 + 10);
  EXPECT_GE(remaining, 2000 - since.elapsed() - 10);
}

TEST(MainWindow, EveryTickMovesAllSatellitesInTheTable) {
  LessonModel lesson;
  TFormMain form{lesson};
  QStringList before;
  for (int k = 1; k <= 24; ++k) before << cellOf(form.StringGridBewegung, 1, k);
  lesson.satelliteTick();
  for (int k = 1; k <= 24; ++k)
    EXPECT_NE(cellOf(form.StringGridBewegung, 1, k), before[k - 1]) << k;
  EXPECT_EQ(cellOf(form.StringGridBewegung, 1, 1), "15230,344");
  EXPECT_EQ(cellOf(form.StringGridBewegung, 2, 1), "-193,649");
}

TEST(MainWindow, SpeedButtonsCarryTheirHints) {
  LessonModel lesson;
  TFormMain form{lesson};
  EXPECT_EQ(form.SpeedButtonInfo->toolTip(), "Info");
  EXPECT_EQ(form.SpeedButtonHilfe->toolTip(), "Hilfe");
  EXPECT_EQ(form.SpeedButton2DDemo->toolTip(), "2D-Demonstration");
  EXPECT_EQ(form.SpeedButton3DDemo->toolTip(), "3D-Demonstration");
  EXPECT_EQ(form.SpeedButtonBeenden->toolTip(), "Beenden");
  EXPECT_FALSE(form.SpeedButtonInfo->icon().isNull());
}

TEST(MainWindow, BeendenStopsTheTimeAndEndsTheLoop) {
  LessonModel lesson;
  TFormMain form{lesson};
  form.BitBtnErzeugen->click();
  lesson.setSpeed(100);
  form.BitBtnEmpfaengerBewegen->click();
  form.BitBtnBerechne->click();
  QTimer::singleShot(0, &form, [&] { form.SpeedButtonBeenden->click(); });
  QTimer::singleShot(5000, &form, [] { QApplication::exit(99); });  // guard against a hang
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(form.TimerLektion->isActive());
  // A late tick after the end does nothing.
  lesson.setTimeSource([] { return std::int64_t{1} << 40; });
  form.TimerLektionTimer();
  EXPECT_EQ(lesson.step(), 0);
}

TEST(MainWindow, HelpOpensGpsChmFromTheCurrentDirectoryOrSaysItIsMissing) {
  testing_support::RecordingMessages messages;
  std::vector<std::string> opened;
  auto previous = platform::setShellOpenHandler([&](const std::string& t) {
    opened.push_back(t);
    return true;
  });
  LessonModel lesson;
  TFormMain form{lesson};
  QTemporaryDir dir;
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  form.SpeedButtonHilfe->click();
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Die Hilfedatei GPS.chm ist nicht vorhanden"});
  EXPECT_TRUE(opened.empty());
  QFile chm(dir.filePath("GPS.chm"));
  ASSERT_TRUE(chm.open(QIODevice::WriteOnly));
  chm.close();
  messages.clear();
  form.SpeedButtonHilfe->click();
  EXPECT_TRUE(messages.texts().empty());
  EXPECT_EQ(opened.size(), 1u);
  QDir::setCurrent(before);
  platform::setShellOpenHandler(previous);
}

TEST(MainWindow, InfoShowsTheAboutBoxWithoutBlocking) {
  Program program;
  TFormMain& form = program.mainWindow();
  TAboutBox& about = program.aboutBox();
  EXPECT_FALSE(about.isVisible());
  form.SpeedButtonInfo->click();
  EXPECT_TRUE(about.isVisible());
  EXPECT_FALSE(about.isModal());
  about.hide();
}

TEST(MainWindow, The2DButtonStartsTheDemonstrationAndBeendenReleasesIt) {
  Program program;
  TFormMain& form = program.mainWindow();
  TForm2DDemo& demo = program.demo2D();
  form.SpeedButton2DDemo->click();
  EXPECT_TRUE(demo.isVisible());
  auto* timer = demo.findChild<QTimer*>("DemoTimer");
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  QTimer::singleShot(0, &form, [&] { form.SpeedButtonBeenden->click(); });
  QTimer::singleShot(5000, &form, [] { QApplication::exit(99); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(timer->isActive());
  demo.DemoTimerTimer();  // a late tick finds nothing to move
  demo.hide();
}

TEST(MainWindow, AnEnglishLocaleWritesAndReadsDecimalPoints) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  installQtPlatform();
  {
    testing_support::RecordingMessages messages;
    LessonModel lesson;
    TFormMain form{lesson};
    EXPECT_EQ(form.StringGridBewegung->cell(2, 2), "26554.000");
    EXPECT_EQ(form.StringGridBewegung->cell(3, 1), "-21751.763");
    form.StringGridExakterStandortCart->setCell(0, 1, "6371.5");
    form.StringGridExakterStandortCart->setCell(1, 1, "0");
    form.StringGridExakterStandortCart->setCell(2, 1, "0");
    form.BitBtnCartToGeo->click();
    EXPECT_TRUE(messages.texts().empty());
    EXPECT_EQ(form.LabeledEditExakteHoehe->text(), "500.00");
    form.StringGridExakterStandortCart->setCell(0, 1, "6371,5");
    form.BitBtnCartToGeo->click();
    EXPECT_EQ(messages.texts().size(), 1u);
  }
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  installQtPlatform();
}

TEST(MainWindow, The3DButtonShowsABlackPictureAndBeendenReleasesTheScene) {
  Program program;
  TFormMain& form = program.mainWindow();
  TForm3DDemo& demo = program.demo3D();
  // A frame drawn before leaves its pen behind; the black picture has no frame of it.
  demo.Image->canvas().setPenColor(platform::colors::yellow);
  demo.Image->canvas().setPenWidth(3);
  form.SpeedButton3DDemo->click();
  EXPECT_TRUE(demo.isVisible());
  const QImage& picture = demo.Image->image();
  for (QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(450, 0), QPoint(0, 330), QPoint(450, 330),
                   QPoint(picture.width() - 2, picture.height() - 2)})
    EXPECT_EQ(QColor(picture.pixel(p)), QColor(Qt::black)) << p.x() << "," << p.y();
  EXPECT_EQ(demo.Image->canvas().penStyle(), platform::PenStyle::Solid);
  QTimer::singleShot(0, &form, [&] { form.SpeedButtonBeenden->click(); });
  QTimer::singleShot(5000, &form, [] { QApplication::exit(99); });
  EXPECT_EQ(QApplication::exec(), 0);
  auto* timer = demo.findChild<QTimer*>("Timer3DDemo");
  ASSERT_NE(timer, nullptr);
  EXPECT_FALSE(timer->isActive());
  demo.hide();
}

TEST(MainWindow, ClosingTheMainWindowEndsTheProgramEvenWithADemoOpen) {
  Program program;
  TFormMain& form = program.mainWindow();
  TForm2DDemo& demo = program.demo2D();
  form.show();
  form.SpeedButton2DDemo->click();
  QTimer::singleShot(0, &form, [&] { form.close(); });
  QTimer::singleShot(5000, &form, [] { QApplication::exit(99); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(form.TimerLektion->isActive());
  EXPECT_FALSE(demo.findChild<QTimer*>("DemoTimer")->isActive());
  demo.hide();
}

TEST(MainWindow, AfterBeendenLateClicksReachNothing) {
  testing_support::RecordingMessages messages;
  LessonModel lesson;
  TFormMain form{lesson};
  form.show();
  QTimer::singleShot(0, &form, [&] { form.SpeedButtonBeenden->click(); });
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QApplication::exit(99); });
  guard.start(3000);
  EXPECT_EQ(QApplication::exec(), 0);
  // The lesson's time has ended: a click that still arrived must change nothing.
  form.BitBtnErzeugen->click();
  form.BitBtnCartToGeo->click();
  EXPECT_EQ(form.StringGridExakterStandortCart->cell(0, 1), "");
  EXPECT_TRUE(messages.texts().empty());
}

// Stacking needs a real window system: run the tests under xvfb-run with QT_QPA_PLATFORM=xcb.
TEST(MainWindow, InfoBringsAnOpenAboutBoxToTheFront) {
  if (QGuiApplication::platformName() == QLatin1String("offscreen"))
    GTEST_SKIP() << "the offscreen platform has no window stacking";
  Program program;
  TFormMain& form = program.mainWindow();
  TAboutBox& about = program.aboutBox();
  form.move(0, 0);
  form.show();
  form.SpeedButtonInfo->click();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  const QPoint inside = about.geometry().center();
  form.raise();
  form.activateWindow();
  const auto topAt = [&](QWidget* expected) {
    for (int i = 0; i < 40 && QApplication::topLevelAt(inside) != expected; ++i) QTest::qWait(50);
    return QApplication::topLevelAt(inside);
  };
  ASSERT_EQ(topAt(&form), &form);
  form.SpeedButtonInfo->click();
  EXPECT_EQ(topAt(&about), static_cast<QWidget*>(&about));
  about.hide();
}

// Pausing stops the satellites and a travelling receiver but not the travel itself;
// a single step moves both once; the speed choice shortens both ticks.
TEST(MainWindow, TimeControlPausesStepsAndSpeedsUpTheTicks) {
  testing_support::RecordingMessages messages;
  LessonModel lesson;
  TFormMain form{lesson};
  form.BitBtnErzeugen->click();
  form.SpinEditTatsaechlicheGeschwindigkeit->setValue(500);
  form.BitBtnEmpfaengerBewegen->click();
  ASSERT_TRUE(lesson.clock().active(LessonClock::Tick::receiver));
  EXPECT_FALSE(form.SpeedButtonEinzelschritt->isEnabled());

  form.SpeedButtonAnhalten->click();
  EXPECT_FALSE(lesson.clock().active(LessonClock::Tick::satellites));
  EXPECT_FALSE(lesson.clock().active(LessonClock::Tick::receiver));
  EXPECT_EQ(form.BitBtnEmpfaengerBewegen->text(), "Stoppen");
  EXPECT_FALSE(form.BitBtnErzeugen->isEnabled());
  // A determination keeps the receiver's group box as the travel set it.
  form.BitBtnBerechne->click();
  lesson.determinationTick();
  EXPECT_FALSE(form.BitBtnErzeugen->isEnabled());
  EXPECT_TRUE(form.SpeedButtonEinzelschritt->isEnabled());

  const QString satellite = cellOf(form.StringGridBewegung, 1, 1);
  const TVektorR3 before = lesson.truePosition();
  form.SpeedButtonEinzelschritt->click();
  EXPECT_NE(cellOf(form.StringGridBewegung, 1, 1), satellite);
  EXPECT_NEAR(double(TEuklidGeoR3::distance(before, lesson.truePosition())),
              500.0 / 36, 0.05);
  EXPECT_EQ(lesson.step(), 1);

  form.ComboBoxZeitraffer->setCurrentIndex(3);
  form.SpeedButtonAnhalten->click();
  EXPECT_TRUE(lesson.clock().active(LessonClock::Tick::satellites));
  EXPECT_TRUE(lesson.clock().active(LessonClock::Tick::receiver));
  EXPECT_EQ(lesson.clock().interval(LessonClock::Tick::satellites), 200);
  EXPECT_EQ(lesson.clock().interval(LessonClock::Tick::receiver), 200);
  EXPECT_EQ(lesson.clock().interval(LessonClock::Tick::determination), 2000);
  EXPECT_FALSE(form.SpeedButtonEinzelschritt->isEnabled());
}
