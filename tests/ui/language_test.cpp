// The program in English and back: every window written anew at once, numbers and
// hemispheres in the language's form, the core's texts translated where they are
// shown, and a pseudo-translation that finds any text that bypasses translation.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QtCharts/QAbstractAxis>
#include <QtCharts/QAbstractSeries>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <gtest/gtest.h>

#include <functional>

#include "model/LessonTables.h"
#include "platform/messages.h"
#include "platform/numformat.h"
#include "platform/random.h"
#include "tests/support/RecordingMessages.h"
#include "ui/ErrorSourcesWindow.h"
#include "ui/HelpWindow.h"
#include "ui/HistoryWindow.h"
#include "ui/Language.h"
#include "ui/LessonFiles.h"
#include "ui/MainGps.h"
#include "ui/Program.h"
#include "ui/ScatterWindow.h"
#include "ui/SkyWindow.h"
#include "ui/UnitAbout.h"
#include "ui/main2DDemo.h"
#include "ui/main3DDemo.h"

namespace {

// The program back in German after each test, whatever it switched to.
struct InGerman {
  ~InGerman() { setLanguage(Language::german); }
};

void enterGeographic(TFormMain& form, const QStringList& cells) {
  for (int i = 0; i < 6; ++i)
    form.StringGridExakterStandortGeo->setCell(1 + i % 3, 1 + i / 3, cells[i]);
  form.LabeledEditExakteHoehe->setText(cells[6]);
}

// A lesson with a receiver, some determinations and the walk-throughs under way, so
// that every window shows what it can show.
void runALesson(Program& program) {
  platform::setRandomSeed(20261208);
  program.mainWindow().BitBtnErzeugen->click();
  program.mainWindow().BitBtnBerechne->click();
  for (int i = 0; i < 3; ++i) program.lesson().determinationTick();
  // The lesson's time stands still, so that the texts compared are those of one instant.
  program.mainWindow().TimerLektion->stop();
  program.demo2D().startDemo();
  for (int i = 0; i < 3; ++i) program.demo2D().BitBtnOkClick();
  program.demo3D().showFromMainWindow();
  program.demo3D().BitBtnOkClick();
  program.demo3D().BitBtnAlgorithmusClick();
  for (QWidget* w :
       {static_cast<QWidget*>(&program.mainWindow()), static_cast<QWidget*>(&program.sky()),
        static_cast<QWidget*>(&program.history()), static_cast<QWidget*>(&program.errorSources()),
        static_cast<QWidget*>(&program.scatter()), static_cast<QWidget*>(&program.aboutBox())})
    w->show();
  QApplication::processEvents();
}

}  // namespace

// A switch writes every open window anew, the core's texts and the entries as typed
// included; the way back restores every German text exactly.
TEST(Languages, ASwitchRewritesEveryWindowAndComesBackToTheSameGerman) {
  InGerman german;
  testing_support::RecordingMessages messages;
  Program program;
  runALesson(program);
  TFormMain& form = program.mainWindow();
  enterGeographic(form, {"O", "11", "34,5", "N", "48", "8,25", "520,5"});
  const auto texts = [&] {
    return QStringList{form.BitBtnErzeugen->text(),
                       form.GroupBoxEmpfaenger->title(),
                       form.StringGridExakterStandortGeo->cell(1, 1),
                       form.StringGridExakterStandortGeo->cell(3, 1),
                       form.LabeledEditExakteHoehe->text(),
                       form.StringGridBewegung->cell(1, 1),
                       program.demo2D().MemoDemo->toPlainText(),
                       program.demo3D().Memo3d->toPlainText(),
                       program.demo3D().BitBtnAlgorithmus->text(),
                       program.sky().StringGridRichtungen->cell(1, 0),
                       program.sky().LabelDOPHinweis->text(),
                       program.history().LabelLetzte->text(),
                       program.errorSources().CheckBoxQuelle[0]->text(),
                       program.scatter().StringGridStatistik->cell(0, 1),
                       program.aboutBox().windowTitle()};
  };
  const QStringList before = texts();

  chooseLanguage(Language::english);
  QApplication::processEvents();
  const QStringList english = texts();
  const QStringList expected = {"Generate",
                                "True position of the GPS receiver (generate or enter) - maximum "
                                "(minimum) height above the ground: 11000 (0) m",
                                "E",
                                "34.5",
                                "520.5",
                                QString(before[5]).replace(',', '.'),
                                "The GPS receiver assumes a fictive travel time for the signal",
                                "4 satellites are used for the calculation",
                                "Continue",
                                "Azimuth",
                                "<b>4 used:</b>",
                                "<b>Last position fix (no. 3):</b>",
                                "Satellite orbit",
                                "Measurements",
                                "About"};
  for (int i = 0; i < expected.size(); ++i)
    EXPECT_TRUE(english[i].startsWith(expected[i])) << english[i].toStdString();

  chooseLanguage(Language::german);
  QApplication::processEvents();
  EXPECT_EQ(texts(), before);

  // Entered as shown: the English east is the lesson's O.
  setLanguage(Language::english);
  QApplication::processEvents();
  form.BitBtnGeoToCart->click();
  EXPECT_TRUE(messages.texts().empty());
  EXPECT_EQ(form.lesson().trueGeo().eastWest, 'O');
}

// Messages of the core in English, filled ones part by part and nested; what is no
// text of the program (a file name) stays as it is.
TEST(Languages, TheCoresMessagesAreTranslatedWhereTheyAreShown) {
  InGerman german;
  LessonModel lesson;
  lesson.setDefective(5, true);
  setLanguage(Language::english);
  const struct {
    std::string german;
    const char* english;
  } cases[] = {
      {"Unzulässiger Standort", "Invalid position"},
      {lesson.optionsMessage(),
       "The position cannot be determined at present. You have the following options: repair "
       "satellites, wait for a new satellite constellation."},
      {lessonfile::openRefusal("Stunde „1“.ortivo",
                               lessonfile::invalidValues("Unzulässige Geschwindigkeit")),
       "The file “Stunde „1“.ortivo” cannot be opened. It contains invalid values: Invalid speed."},
      {lessonfile::descriptionTooLong(12345),
       "The task is too long: it has 12,345 characters, at most 10,000 are allowed."},
      {"Keine Übersetzung", "Keine Übersetzung"},
  };
  for (const auto& c : cases) EXPECT_EQ(coreText(c.german), QString::fromUtf8(c.english));
}

// Tables for English spreadsheets: English words, decimal points; German ones as always.
TEST(Languages, TablesAreWrittenInTheLanguageOfTheProgram) {
  InGerman german;
  LessonModel lesson;
  lesson.setDefective(3, true);
  const std::string germanCsv = lessontables::satelliteCsv(lesson, tableLanguage());
  EXPECT_EQ(germanCsv, lessontables::satelliteCsv(lesson));
  setLanguage(Language::english);
  const std::string csv = lessontables::satelliteCsv(lesson, tableLanguage());
  EXPECT_EQ(csv.substr(0, csv.find('\r')), "\xEF\xBB\xBFNumber;x (km);y (km);z (km);defective");
  const std::string row3 = csv.substr(csv.find("\r\n3;") + 2);
  EXPECT_EQ(row3.substr(0, row3.find('\r')).find(','), std::string::npos);
  EXPECT_NE(row3.find(";yes\r\n"), std::string::npos);
}

// A lesson saved in English opens in German with its task and its east, and the
// other way round.
TEST(Languages, ALessonFileDoesNotDependOnTheLanguage) {
  InGerman german;
  testing_support::RecordingMessages messages;
  const QTemporaryDir dir;
  const QString path = dir.filePath("stunde.ortivo");
  const std::string task = "Bestimme den Standort – find the position.";
  for (const Language saving : {Language::english, Language::german}) {
    setLanguage(saving);
    std::vector<std::uint8_t> saved;
    {
      LessonModel lesson;
      TFormMain form{lesson};
      LessonFiles files(lesson, form);
      const bool english = saving == Language::english;
      enterGeographic(form, {english ? "E" : "O", "11", english ? "34.5" : "34,5", "N", "48",
                             english ? "8.25" : "8,25", "520"});
      form.BitBtnGeoToCart->click();
      ASSERT_TRUE(messages.texts().empty()) << messages.texts().front();
      ASSERT_TRUE(files.saveScenario(path, task));
      saved = lessonfile::encode({lesson.state(), task});
    }
    const Language opening = saving == Language::english ? Language::german : Language::english;
    setLanguage(opening);
    LessonModel lesson;
    TFormMain form{lesson};
    LessonFiles files(lesson, form);
    ASSERT_TRUE(files.openScenario(path));
    EXPECT_EQ(files.description(), task);
    EXPECT_EQ(lessonfile::encode({lesson.state(), files.description()}), saved);
    EXPECT_EQ(form.StringGridExakterStandortGeo->cell(1, 1),
              opening == Language::english ? "E" : "O");
    EXPECT_EQ(form.StringGridExakterStandortGeo->cell(3, 1),
              opening == Language::english ? "34.5000000000" : "34,5000000000");
  }
}

namespace {

// Marks every translated text ⟦so⟧: the program's own only where the English
// translation has them (a text missing there would stay German), Qt's own always.
class PseudoTranslator : public QTranslator {
 public:
  explicit PseudoTranslator(const QTranslator& english) : english_(english) {}
  QString translate(const char* context, const char* source, const char* disambiguation,
                    int n) const override {
    if (!source || !*source) return {};
    QString text = english_.translate(context, source, disambiguation, n);
    if (text.isNull() && context && context[0] == 'Q') text = QString::fromUtf8(source);
    return text.isNull() ? text : QStringLiteral("⟦") + text + QStringLiteral("⟧");
  }
  bool isEmpty() const override { return false; }

 private:
  const QTranslator& english_;
};

// What a widget shows in words; rich text as it reads.
QStringList shownTexts(QWidget* w) {
  QStringList texts;
  const auto add = [&texts](const QString& text) {
    if (!text.isEmpty()) texts << QTextDocumentFragment::fromHtml(text).toPlainText();
  };
  if (w->isWindow()) add(w->windowTitle());
  add(w->toolTip());
  if (auto* label = qobject_cast<QLabel*>(w)) add(label->text());
  if (auto* button = qobject_cast<QAbstractButton*>(w)) add(button->text());
  if (auto* box = qobject_cast<QGroupBox*>(w)) add(box->title());
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    add(edit->text());
    add(edit->placeholderText());
  }
  if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) add(memo->toPlainText());
  if (auto* combo = qobject_cast<QComboBox*>(w))
    for (int i = 0; i < combo->count(); ++i) add(combo->itemText(i));
  if (auto* tabs = qobject_cast<QTabWidget*>(w))
    for (int i = 0; i < tabs->count(); ++i) add(tabs->tabText(i));
  if (auto* table = qobject_cast<QTableWidget*>(w))
    for (int r = 0; r < table->rowCount(); ++r)
      for (int c = 0; c < table->columnCount(); ++c)
        if (table->item(r, c)) add(table->item(r, c)->text());
  if (auto* tool = qobject_cast<QToolButton*>(w); tool && tool->menu())
    for (QAction* a : tool->menu()->actions()) add(a->text());
  for (QAction* a : w->actions()) add(a->text());  // context menus
  if (auto* view = qobject_cast<QChartView*>(w)) {
    QChart* chart = view->chart();
    add(chart->title());
    for (QAbstractAxis* axis : chart->axes()) add(axis->titleText());
    for (QAbstractSeries* series : chart->series())
      for (QLegendMarker* marker : chart->legend()->markers(series))
        if (chart->legend()->isVisible() && marker->isVisible()) add(marker->label());
  }
  return texts;
}

// The words of `text` outside the marks that are no name, address or file.
QStringList untranslatedWords(QString text) {
  static const QRegularExpression marked(QStringLiteral("⟦[^⟦⟧]*⟧"));
  while (text.contains(marked)) text.remove(marked);
  static const QRegularExpression word(QStringLiteral("[\\p{L}][\\p{L}.@/-]+"));
  static const QStringList names = {"Ortivo", "GDOP", "PDOP",    "HDOP",
                                    "VDOP",   "TDOP", "Deutsch", "English"};
  QStringList words;
  for (const QRegularExpressionMatch& m : word.globalMatch(text)) {
    const QString w = m.captured();
    if (!names.contains(w) && !w.contains('@') && !w.contains('/') && !w.startsWith("www."))
      words << w;
  }
  return words;
}

struct Walk {
  int marked = 0;
  QStringList failures;
  void visit(QWidget* window) {
    QList<QWidget*> widgets{window};
    widgets += window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
      // A help page is the help's; the file dialog's places and names are the disk's.
      if (!w->isVisible() || qobject_cast<QTextBrowser*>(w) || w->objectName() == "lookInCombo" ||
          w->objectName() == "fileNameEdit")
        continue;
      for (const QString& text : shownTexts(w)) {
        marked += text.contains(QStringLiteral("⟦"));
        if (const QStringList words = untranslatedWords(text); !words.isEmpty())
          failures << window->objectName() + " / " + w->metaObject()->className() + " " +
                          w->objectName() + ": " + text;
      }
    }
  }
};

// Runs `open`, which waits in a modal dialog, and visits that dialog (and the one
// each `next` opens from it) before it is closed.
void visitModal(Walk& walk, const std::function<void()>& open,
                std::vector<std::function<void(QWidget*)>> next = {}) {
  std::function<void()> look;
  std::size_t step = 0;
  QWidget* last = nullptr;
  look = [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || dialog == last) return QTimer::singleShot(10, look);
    last = dialog;
    walk.visit(dialog);
    if (step < next.size()) {
      QTimer::singleShot(10, look);
      next[step++](dialog);
    } else {
      dialog->close();
    }
  };
  QTimer::singleShot(0, look);
  open();
}

}  // namespace

// Every window and dialog, built in German and switched to a pseudo-language: a text
// that did not pass through a translation is left unmarked.
TEST(Languages, EveryShownTextPassesThroughATranslation) {
  InGerman german;
  const QString previousDisplayName = QApplication::applicationDisplayName();
  QApplication::setApplicationDisplayName("Ortivo");
  const QTemporaryDir helpDir;
  const QString previousDir = QDir::currentPath();
  for (const char* file : {"ortivo.qch", "ortivo.qhc", "ortivo_en.qch", "ortivo_en.qhc"})
    QFile::copy(QStringLiteral(ORTIVO_BUILD_DIR "/") + file, helpDir.filePath(file));
  QDir::setCurrent(helpDir.path());
  {
    Program program;
    runALesson(program);
    program.scatter().BitBtnTausendClick();
    while (program.scatter().measuring()) QTest::qWait(20);

    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/ortivo_en.qm")));
    PseudoTranslator pseudo(english);
    setLanguage(Language::english);
    QCoreApplication::installTranslator(&pseudo);
    QApplication::processEvents();
    const bool help = HelpWindow::showPage(QStringLiteral("index.html"));

    Walk walk;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible()) walk.visit(w);
    // The task of a scenario, a message, and the file dialogs.
    LessonFiles& files = program.files();
    visitModal(walk, [&] { files.saveScenarioDialog(); }, {[](QWidget* d) {
                 d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
               }});
    visitModal(walk, [&] { files.openScenarioDialog(); });
    visitModal(walk, [&] {
      program.mainWindow().findChild<QAction*>("ActionTabelleExportieren")->trigger();
    });
    visitModal(walk, [&] {
      program.sky().ImageHimmel->findChild<QAction*>("ActionBildSpeichern")->trigger();
    });
    program.mainWindow().StringGridExakterStandortCart->setCell(0, 1, "x");
    visitModal(walk, [&] { program.mainWindow().BitBtnCartToGeo->click(); });
    QCoreApplication::removeTranslator(&pseudo);

    EXPECT_TRUE(help);
    EXPECT_GT(walk.marked, 250);
    EXPECT_TRUE(walk.failures.isEmpty()) << walk.failures.join('\n').toStdString();
    if (HelpWindow* window = HelpWindow::instance()) window->hide();
  }
  QDir::setCurrent(previousDir);
  QApplication::setApplicationDisplayName(previousDisplayName);
}

// Qt's own dialogs speak German in the German program, English in the English one.
TEST(Languages, QtsOwnButtonsSpeakTheLanguageOfTheProgram) {
  InGerman german;
  const auto buttons = [] {
    QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Open |
                         QDialogButtonBox::Save);
    QStringList texts;
    for (const auto which :
         {QDialogButtonBox::Cancel, QDialogButtonBox::Open, QDialogButtonBox::Save})
      texts << box.button(which)->text().remove('&');
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    texts << dialog.findChild<QDialogButtonBox*>()
                 ->button(QDialogButtonBox::Save)
                 ->text()
                 .remove('&');
    return texts;
  };
  EXPECT_EQ(buttons(), QStringList({"Abbrechen", "Öffnen", "Speichern", "Speichern"}));
  setLanguage(Language::english);
  EXPECT_EQ(buttons(), QStringList({"Cancel", "Open", "Save", "Save"}));
}

// The desktop's language without a choice in the program: run by ctest under LANG=C, a
// German and an English desktop, each saying which language it expects.
TEST(Languages, FollowTheDesktopWithoutAChoice) {
  const QString expected = qEnvironmentVariable("ORTIVO_EXPECTED_LANGUAGE");
  if (expected.isEmpty()) GTEST_SKIP() << "run by ctest with a desktop's locale";
  InGerman german;
  setLanguage(startLanguage());
  Program program;
  const bool english = expected == "en";
  EXPECT_EQ(currentLanguage(), english ? Language::english : Language::german);
  EXPECT_EQ(program.mainWindow().BitBtnErzeugen->text(), english ? "Generate" : "Erzeugen");
  EXPECT_EQ(program.mainWindow().StringGridBewegung->cell(1, 1).contains(english ? '.' : ','),
            true);
  QDialogButtonBox box(QDialogButtonBox::Cancel);
  EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove('&'),
            english ? "Cancel" : "Abbrechen");
}

namespace {

// The settings of a test in folders of its own, the user's and the system-wide ones;
// they stay until the end, where later tests' settings go too.
struct SettingsFolders {
  SettingsFolders() {
    static const QTemporaryDir root;
    static int count = 0;
    dir = root.filePath(QString::number(++count));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir + "/user");
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir + "/system");
  }
  ~SettingsFolders() { setLanguage(Language::german); }
  QString userFile() const { return dir + "/user/Ortivo/Ortivo.conf"; }
  QString systemFile() const { return dir + "/system/Ortivo/Ortivo.conf"; }
  QString dir;
};

void write(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

// The language, the windows' places and the open views come back at the next start;
// "Einstellungen zurücksetzen" returns to the defaults, a school's among them.
TEST(Settings, KeptForTheNextStartUntilReset) {
  SettingsFolders folders;
  write(folders.systemFile(), "[Fenster]\nFormHimmel\\offen=true\n");
  {
    Program program;
    program.mainWindow().findChild<QAction*>("ActionEnglish")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(program.mainWindow().BitBtnErzeugen->text(), "Generate");
    program.history().show();
    program.history().move(123, 45);
    program.saveWindows();
  }
  setLanguage(startLanguage());
  {
    Program program;
    program.restoreWindows();
    EXPECT_EQ(currentLanguage(), Language::english);
    EXPECT_TRUE(program.history().isVisible());
    EXPECT_EQ(program.history().pos(), QPoint(123, 45));
    EXPECT_TRUE(program.sky().isVisible());  // the school's default
    EXPECT_FALSE(program.scatter().isVisible());
    program.mainWindow().findChild<QAction*>("ActionEinstellungenZuruecksetzen")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(currentLanguage(), desktopLanguage());
    EXPECT_EQ(program.mainWindow().BitBtnErzeugen->text(),
              desktopLanguage() == Language::german ? "Erzeugen" : "Generate");
    program.mainWindow().SpeedButtonBeenden->click();  // the end keeps nothing now
  }
  QSettings user("Ortivo", "Ortivo");
  user.setFallbacksEnabled(false);
  EXPECT_TRUE(user.allKeys().isEmpty());
  EXPECT_TRUE(QSettings("Ortivo", "Ortivo").value("Fenster/FormHimmel/offen").toBool());
}

// A settings file that is no settings file, or holds nonsense, is left aside.
TEST(Settings, ADamagedFileIsIgnored) {
  SettingsFolders folders;
  const QByteArray damaged[] = {
      QByteArray("\x00\xff[Fenster\n\x01=\"\\", 14) + QByteArray(4096, '\xfe'),
      "Sprache=klingonisch\n[Fenster]\nFormVerlauf\\offen=vielleicht\n"
      "FormVerlauf\\Geometrie=@ByteArray(\\x1\\x2\\x3)\n"};
  for (const QByteArray& bytes : damaged) {
    write(folders.userFile(), bytes);
    EXPECT_EQ(startLanguage(), desktopLanguage());
    Program program;
    const QPoint placed = program.history().pos();
    program.restoreWindows();
    EXPECT_FALSE(program.history().isVisible());
    EXPECT_EQ(program.history().pos(), placed);
  }
}

// The task dialog from the keyboard: Tab leaves the text for the buttons, Escape
// cancels; the task shown on opening closes on Return.
TEST(Keyboard, TheTaskDialogsAnswerTabEscapeAndReturn) {
  SettingsFolders folders;
  LessonModel lesson;
  TFormMain form{lesson};
  LessonFiles files(lesson, form);
  QString focusAfterTab;
  bool fileDialogFollowed = false;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    QApplication::setActiveWindow(dialog);
    auto* memo = dialog->findChild<QPlainTextEdit*>("MemoAufgabe");
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    focusAfterTab = focus ? focus->metaObject()->className() : "";
    QTimer::singleShot(0, [&] {
      fileDialogFollowed = QApplication::activeModalWidget() != nullptr;
      if (fileDialogFollowed) QApplication::activeModalWidget()->close();
    });
    QTest::keyClick(focus ? focus : dialog, Qt::Key_Escape);
    if (QApplication::activeModalWidget() == dialog) dialog->close();  // should Escape fail
  });
  files.saveScenarioDialog();
  EXPECT_EQ(focusAfterTab, "QPushButton");
  EXPECT_FALSE(fileDialogFollowed);

  const QTemporaryDir dir;
  ASSERT_TRUE(files.saveScenario(dir.filePath("a.ortivo"), "Eine Zeile"));
  ASSERT_TRUE(files.openScenario(dir.filePath("a.ortivo")));
  auto* task = form.findChild<QDialog*>("DialogAufgabe");
  ASSERT_NE(task, nullptr);
  QApplication::setActiveWindow(task);
  QTest::keyClick(task->findChild<QPlainTextEdit*>("MemoAufgabe"), Qt::Key_Return);
  EXPECT_FALSE(task->isVisible());
}

// Tab and Space alone: a position generated and its determination started.
TEST(Keyboard, ADeterminationIsSetUpAndRunFromTheKeyboardAlone) {
  Program program;
  TFormMain& form = program.mainWindow();
  form.show();
  QApplication::setActiveWindow(&form);
  const auto tabTo = [](QWidget* target) {
    for (int i = 0; i < 200 && QApplication::focusWidget() != target; ++i) {
      QTest::keyClick(
          QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow(),
          Qt::Key_Tab);
    }
    return QApplication::focusWidget() == target;
  };
  ASSERT_TRUE(tabTo(form.BitBtnErzeugen));
  QTest::keyClick(form.BitBtnErzeugen, Qt::Key_Space);
  ASSERT_TRUE(program.lesson().hasTruePosition());
  ASSERT_TRUE(tabTo(form.BitBtnBerechne));
  QTest::keyClick(form.BitBtnBerechne, Qt::Key_Space);
  EXPECT_TRUE(program.lesson().determining());
  EXPECT_TRUE(program.lesson().determinationTick().found());
}
