// Scenario files, pictures and tables through the windows: what a saved lesson brings
// back, what a refused file leaves alone, and what the exported files hold.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QPainter>
#include <QSettings>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>

#include "model/LessonFile.h"
#include "model/LessonTables.h"
#include "tests/support/RecordingMessages.h"
#include "ui/ExportFiles.h"
#include "ui/LessonFiles.h"
#include "ui/MainGps.h"
#include "ui/QtPlatform.h"
#include "ui/main2DDemo.h"
#include "ui/main3DDemo.h"

namespace {

using testing_support::RecordingMessages;

// The settings (files opened last, directories) of each test in its own folder.
struct TestFolder {
  TestFolder() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
  }
  QString file(const QString& name) const { return dir.filePath(name); }
  QTemporaryDir dir;
};

std::vector<std::uint8_t> stateBytes(TFormMain& form) {
  return lessonfile::encode({form.lesson().state(), ""});
}

// Everything the entry grids and the controls beside them show.
QStringList shownEntry(TFormMain& form) {
  QStringList shown;
  for (int c = 0; c < 3; ++c) shown << form.StringGridExakterStandortCart->cell(c, 1);
  for (int r = 1; r <= 2; ++r)
    for (int c = 1; c <= 3; ++c) shown << form.StringGridExakterStandortGeo->cell(c, r);
  shown << form.LabeledEditExakteHoehe->text()
        << QString::number(form.SpinEditTatsaechlicheGeschwindigkeit->value())
        << form.BitBtnEmpfaengerBewegen->text() << form.BitBtnBerechne->text();
  for (int k = 1; k <= 24; ++k)
    shown << QString::number(form.findChild<QCheckBox*>(QString("CheckBox%1").arg(k))->isChecked());
  return shown;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// The share of pixels that differ from the most frequent colour.
double drawnShare(const QImage& image) {
  std::map<QRgb, long> counts;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
  long most = 0;
  for (const auto& [colour, n] : counts) most = std::max(most, n);
  return 1.0 - double(most) / (double(image.width()) * image.height());
}

// Berlin, travelling at 800 km/h, satellites 3 and 17 defective.
void prepareBerlin(TFormMain& form) {
  LessonModel& lesson = form.lesson();
  ASSERT_FALSE(lesson.geoToCart({"O", "13", "24", "N", "52", "31", "35"}));
  lesson.restore(lesson.state());  // shows it in the grids
  form.findChild<QCheckBox*>("CheckBox3")->click();
  form.findChild<QCheckBox*>("CheckBox17")->click();
  form.SpinEditTatsaechlicheGeschwindigkeit->setValue(800);
  form.BitBtnEmpfaengerBewegen->click();
  lesson.receiverTick();
}

}  // namespace

TEST(LessonFiles, ASavedScenarioPutsTheLessonAndTheWindowBack) {
  TestFolder folder;
  RecordingMessages messages;
  LessonModel lesson;
  TFormMain form{lesson};
  LessonFiles files(lesson, form);
  prepareBerlin(form);
  const auto saved = stateBytes(form);
  const QStringList shown = shownEntry(form);
  const QString path = folder.file("Berlin.ortivo");
  ASSERT_TRUE(files.saveScenario(path, "Wie weit liegt die berechnete Position daneben?"));

  form.BitBtnEmpfaengerBewegen->click();
  form.BitBtnErzeugen->click();
  form.findChild<QCheckBox*>("CheckBox3")->click();
  lesson.satelliteTick();
  ASSERT_NE(stateBytes(form), saved);

  // As the desktop starts it: `ortivo FILE`.
  files.openArguments({"ortivo", "-style", QFile::encodeName(path)});
  QTest::qWait(20);
  EXPECT_EQ(stateBytes(form), saved);
  EXPECT_EQ(shownEntry(form), shown);
  EXPECT_TRUE(lesson.clock().active(LessonClock::Tick::receiver));
  auto* task = form.findChild<QPlainTextEdit*>("MemoAufgabe");
  ASSERT_NE(task, nullptr);
  EXPECT_TRUE(task->isVisible());
  EXPECT_EQ(task->toPlainText(), "Wie weit liegt die berechnete Position daneben?");
  EXPECT_EQ(files.recentFiles(), QStringList{path});
  EXPECT_TRUE(messages.texts().empty());
}

TEST(LessonFiles, ARefusedFileLeavesTheLessonAsItWas) {
  TestFolder folder;
  RecordingMessages messages;
  LessonModel lesson;
  TFormMain form{lesson};
  LessonFiles files(lesson, form);
  prepareBerlin(form);
  const QString good = folder.file("gut.ortivo");
  ASSERT_TRUE(files.saveScenario(good, "Aufgabe"));
  QFile in(good);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  const QByteArray bytes = in.readAll();
  form.BitBtnErzeugen->click();
  lesson.satelliteTick();

  struct Case {
    const char* what;
    std::function<QString()> make;
    const char* reason;
  };
  QByteArray flipped = bytes;
  flipped[bytes.size() / 2] = char(flipped[bytes.size() / 2] ^ 0x10);
  const Case cases[] = {
      {"empty", [&] { writeBytes(folder.file("leer.ortivo"), {}); return folder.file("leer.ortivo"); },
       "Sie ist leer."},
      {"truncated", [&] { writeBytes(folder.file("halb.ortivo"), bytes.left(bytes.size() / 2));
                          return folder.file("halb.ortivo"); }, "unvollständig"},
      {"flipped", [&] { writeBytes(folder.file("kaputt.ortivo"), flipped);
                        return folder.file("kaputt.ortivo"); }, "beschädigt"},
      {"picture", [&] { QImage(8, 8, QImage::Format_RGB32).save(folder.file("bild.png"));
                        return folder.file("bild.png"); }, "keine Ortivo-Szenariodatei"},
      {"too large", [&] { writeBytes(folder.file("gross.ortivo"), bytes + QByteArray(1 << 21, 'x'));
                          return folder.file("gross.ortivo"); }, "zu groß"},
      {"directory", [&] { QDir(folder.dir.path()).mkdir("Ordner.ortivo");
                          return folder.file("Ordner.ortivo"); }, "Ordner"},
      {"missing", [&] { return folder.file("fehlt.ortivo"); }, "nicht vorhanden"},
      // Unreadable even for root: the first page of the address space is not mapped.
      {"unreadable", [] { return QString("/proc/self/mem"); }, "nicht gelesen werden"},
  };
  for (const Case& c : cases) {
    const auto before = stateBytes(form);
    const QStringList shown = shownEntry(form);
    messages.clear();
    const QString path = c.make();
    EXPECT_FALSE(files.openScenario(path)) << c.what;
    EXPECT_EQ(stateBytes(form), before) << c.what;
    EXPECT_EQ(shownEntry(form), shown) << c.what;
    ASSERT_EQ(messages.texts().size(), 1u) << c.what;
    const QString text = QString::fromStdString(messages.texts().front());
    EXPECT_TRUE(text.startsWith("Die Datei „" + QDir::toNativeSeparators(path) +
                                "“ kann nicht geöffnet werden. "))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.reason))) << c.what << ": " << text.toStdString();
  }
  EXPECT_EQ(files.recentFiles(), QStringList{good});
}

// A task is typed text: tags, links and pictures in it are shown as written, and a
// long one opens at once in a box that fits the screen.
TEST(LessonFiles, ATaskIsShownAsWrittenAndAtOnce) {
  TestFolder folder;
  RecordingMessages messages;
  LessonModel lesson;
  TFormMain form{lesson};
  LessonFiles files(lesson, form);
  QString nested;
  for (int i = 0; i < 24; ++i) nested += "<table><tr><td>";
  const QString tasks[] = {nested + "x", "<a href=\"file:///etc/passwd\">hier</a>",
                           "<img src=\"/usr/share/icons/hicolor/48x48/apps/ortivo.png\">",
                           QString(int(lessonfile::maxDescriptionLength) - 1, 'w') + "\n"};
  const QRect screen = form.screen()->availableGeometry();
  for (const QString& task : tasks) {
    const QString path = folder.file("aufgabe.ortivo");
    ASSERT_TRUE(files.saveScenario(path, task.toStdString()));
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(files.openScenario(path));
    QApplication::processEvents();
    EXPECT_LT(clock.elapsed(), 1000) << task.left(40).toStdString();
    auto* shown = form.findChild<QPlainTextEdit*>("MemoAufgabe");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->toPlainText(), task);
    EXPECT_LE(shown->window()->width(), screen.width());
    EXPECT_LE(shown->window()->height(), screen.height());
    delete shown->window();
  }
  EXPECT_TRUE(messages.texts().empty());
}

// "Szenario speichern" asks for the task: more than the cap is refused in the dialog
// itself, and Ctrl+Return confirms what fits (Return belongs to the text).
TEST(LessonFiles, TheTaskDialogRefusesTooLongATaskAndConfirmsFromTheKeyboard) {
  TestFolder folder;
  LessonModel lesson;
  TFormMain form{lesson};
  LessonFiles files(lesson, form);
  QString refusal, askedNext;
  bool okWhileTooLong = true;
  QTimer::singleShot(0, [&] {
    auto* dialog = QApplication::activeModalWidget();
    auto* memo = dialog->findChild<QPlainTextEdit*>("MemoAufgabe");
    memo->setPlainText(QString(int(lessonfile::maxDescriptionLength) + 1, 'w'));
    refusal = dialog->findChild<QLabel*>("LabelAufgabeLaenge")->text();
    QTest::keyClick(memo, Qt::Key_Return, Qt::ControlModifier);
    okWhileTooLong = QApplication::activeModalWidget() != dialog;
    memo->setPlainText("Kurz");
    QTimer::singleShot(0, [&] {  // the file dialog that follows
      askedNext = QApplication::activeModalWidget()->windowTitle();
      QApplication::activeModalWidget()->close();
    });
    QTest::keyClick(memo, Qt::Key_Return, Qt::ControlModifier);
  });
  files.saveScenarioDialog();
  EXPECT_EQ(refusal, "Die Aufgabe ist zu lang: sie hat 10.001 Zeichen, erlaubt sind höchstens 10.000.");
  EXPECT_FALSE(okWhileTooLong);
  EXPECT_EQ(askedNext, "Szenario speichern");
}

// A file named like HTML is refused with its name as written, in a plain-text box;
// so is a file whose task is longer than any lesson needs.
TEST(LessonFiles, RefusalsShowNamesAsWritten) {
  TestFolder folder;
  LessonModel lesson;
  TFormMain form{lesson};
  LessonFiles files(lesson, form);
  QString tags;
  for (int i = 0; i < 16; ++i) tags += "<table><tr><td>";
  const QString htmlName = folder.file(tags + ".ortivo");
  writeBytes(htmlName, "kaputt");
  const QString longTask = folder.file("lang.ortivo");
  const auto bytes = lessonfile::encode({lesson.state(), std::string(1'000'000, 'w')});
  writeBytes(longTask, QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
  installQtPlatform();  // the real message boxes
  for (const auto& [path, reason] : {std::pair{htmlName, QString("keine Ortivo-Szenariodatei")},
                                     std::pair{longTask, QString("Die Aufgabe ist zu lang")}}) {
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      text = box->text();
      format = box->textFormat();
      box->accept();
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(files.openScenario(path));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_TRUE(text.startsWith("Die Datei „" + path + "“ kann nicht geöffnet werden.")) << text.toStdString();
    EXPECT_TRUE(text.contains(reason)) << text.toStdString();
  }
}

// On Linux a name is bytes: one from an old USB stick (Latin-1 "ä") opens as given.
TEST(LessonFiles, AnArgumentThatIsNotUtf8OpensByItsBytes) {
  TestFolder folder;
  RecordingMessages messages;
  LessonModel lesson;
  TFormMain form{lesson};
  LessonFiles files(lesson, form);
  prepareBerlin(form);
  const QString utf8Path = folder.file("tmp.ortivo");
  ASSERT_TRUE(files.saveScenario(utf8Path, ""));
  const QByteArray latin1 = QFile::encodeName(folder.dir.path()) + "/K\xE4ln.ortivo";
  ASSERT_EQ(std::rename(QFile::encodeName(utf8Path).constData(), latin1.constData()), 0);
  const auto saved = stateBytes(form);
  form.BitBtnErzeugen->click();
  files.openArguments({"ortivo", latin1});
  QTest::qWait(20);
  EXPECT_TRUE(messages.texts().empty()) << messages.texts().front();
  EXPECT_EQ(stateBytes(form), saved);
  std::remove(latin1.constData());  // QTemporaryDir can not name it
}

// A full disk: the new file can not be written completely, and the old one stays.
TEST(LessonFiles, ASaveThatFailsKeepsTheOldFile) {
  TestFolder folder;
  RecordingMessages messages;
  LessonModel lesson;
  TFormMain form{lesson};
  LessonFiles files(lesson, form);
  const QString path = folder.file("alt.ortivo");
  ASSERT_TRUE(files.saveScenario(path, "alt"));
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  const QByteArray oldBytes = old.readAll();
  old.close();

  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  const bool written = files.saveScenario(path, std::string(10000, 'x'));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  EXPECT_FALSE(written);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), oldBytes);
  EXPECT_EQ(QDir(folder.dir.path()).entryList(QDir::Files), QStringList{"alt.ortivo"});
  ASSERT_EQ(messages.texts().size(), 1u);
  const QString text = QString::fromStdString(messages.texts().front());
  EXPECT_TRUE(text.startsWith("Die Datei „" + QDir::toNativeSeparators(path) +
                              "“ kann nicht gespeichert werden. Beim Schreiben trat ein Fehler auf"))
      << text.toStdString();
}

// PNG as shown; SVG drawn again, so it must look like the PNG.
TEST(LessonFiles, DemonstrationPicturesExportAsPngAndSvg) {
  TestFolder folder;
  TForm2DDemo demo2D;
  demo2D.startDemo();
  for (int i = 0; i < 4; ++i) QTest::mouseClick(demo2D.BitBtnOk, Qt::LeftButton);
  TForm3DDemo demo3D([] { return TGeoPosition{'O', 'N', {13, 24}, {52, 31}, 35}; });
  QTest::mouseClick(demo3D.BitBtnOk, Qt::LeftButton);
  demo3D.Timer3DDemoTimer();

  for (ImageControl* image : {demo2D.Image, demo3D.Image}) {
    const QString name = folder.file(image == demo2D.Image ? "2d" : "3d");
    const PictureSource source = pictureOf(image);
    ASSERT_EQ(writePicture(name + ".png", source), "");
    ASSERT_EQ(writePicture(name + ".svg", source), "");
    const QImage png(name + ".png");
    EXPECT_EQ(png.size(), image->size() * image->image().devicePixelRatio());
    EXPECT_GT(drawnShare(png), 0.02) << name.toStdString();

    QSvgRenderer svg(name + ".svg");
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(QPoint(0, 0), image->size()));
    QImage vector(png.size(), QImage::Format_ARGB32);
    vector.fill(Qt::transparent);
    QPainter p(&vector);
    svg.render(&p);
    p.end();
    // Edges are smoothed differently; the shapes and colours are the same.
    long different = 0;
    for (int y = 0; y < png.height(); ++y)
      for (int x = 0; x < png.width(); ++x) {
        const QColor a = png.pixelColor(x, y), b = vector.pixelColor(x, y);
        different += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                         std::abs(a.blue() - b.blue()) > 96;
      }
    EXPECT_LT(double(different) / (png.width() * png.height()), 0.03) << name.toStdString();
  }
}

TEST(LessonFiles, TablesExportAsCsvForGermanSpreadsheets) {
  TestFolder folder;
  RecordingMessages messages;
  LessonModel lesson;
  TFormMain form{lesson};
  ASSERT_FALSE(lesson.geoToCart({"O", "13", "24", "N", "52", "31", "35"}));
  lesson.restore(lesson.state());
  form.BitBtnBerechne->click();
  lesson.determinationTick();
  lesson.determinationTick();

  struct Case {
    std::string csv;
    int lines;
    int columns;
  };
  const Case cases[] = {{lessontables::satelliteCsv(lesson), 25, 5},
                        {lessontables::historyCsv(lesson.history()), 3,
                         int(lessontables::historyHeader().size())}};
  for (const Case& c : cases) {
    const QString path = folder.file("tabelle.csv");
    ASSERT_EQ(writeTable(path, c.csv), "");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), c.lines);
    for (const QString& line : lines) EXPECT_EQ(line.split(';').size(), c.columns) << line.toStdString();
    const QString x = lines[1].split(';')[c.columns == 5 ? 1 : 3];
    EXPECT_TRUE(x.contains(',') && !x.contains('.')) << x.toStdString();
  }
}
