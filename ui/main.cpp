// The program's start: the lesson, its windows and how they reach one another. No
// window knows another; they meet here.
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <array>

#include "model/LessonModel.h"
#include "ui/ErrorSourcesWindow.h"
#include "ui/ExportFiles.h"
#include "ui/Glyphs.h"
#include "ui/HelpWindow.h"
#include "ui/HistoryWindow.h"
#include "ui/Language.h"
#include "ui/LessonFiles.h"
#include "ui/MainGps.h"
#include "ui/Program.h"
#include "ui/QtPlatform.h"
#include "ui/QtShell.h"
#include "ui/ScatterWindow.h"
#include "ui/SkyWindow.h"
#include "ui/UnitAbout.h"
#include "ui/WidgetHelpers.h"
#include "ui/main2DDemo.h"
#include "ui/main3DDemo.h"

// The lesson first: every window is a view of it.
struct Program::Parts {
  LessonModel lesson;
  TFormMain mainWindow{lesson};
  TForm2DDemo demo2D;
  TForm3DDemo demo3D{&LessonModel::erzeugePosition};
  TAboutBox aboutBox;
  SkyWindow sky{lesson};
  HistoryWindow history{lesson};
  ErrorSourcesWindow errorSources{lesson};
  ScatterWindow scatter{lesson};
  LessonFiles files{lesson, mainWindow};
  // After "Einstellungen zurücksetzen" the end keeps nothing: the next start is a first one.
  bool keepAtEnd = true;

  // The windows whose places are kept; the views among them open again where they were
  // open at the end.
  std::array<QWidget*, 7> kept() {
    return {&mainWindow, &demo2D, &demo3D, &sky, &history, &errorSources, &scatter};
  }
  bool isView(const QWidget* w) const {
    return w == &sky || w == &history || w == &errorSources || w == &scatter;
  }
  void addSettingsButton();
};

namespace {

QString geometryKey(const QWidget* w) { return "Fenster/" + w->objectName() + "/Geometrie"; }
QString openKey(const QWidget* w) { return "Fenster/" + w->objectName() + "/offen"; }

}  // namespace

// "Sprache": Deutsch or English, and "Einstellungen zurücksetzen". The languages are
// named in their own words, as everywhere.
void Program::Parts::addSettingsButton() {
  auto* button = new QToolButton(&mainWindow);
  button->setObjectName("SpeedButtonSprache");
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(button);
  auto* languages = new QActionGroup(menu);
  const std::pair<Language, const char*> choices[] = {{Language::german, "Deutsch"},
                                                      {Language::english, "English"}};
  for (const auto& [language, name] : choices) {
    QAction* action = menu->addAction(QString::fromLatin1(name));
    action->setObjectName(QStringLiteral("Action") + QLatin1String(name));
    action->setCheckable(true);
    languages->addAction(action);
    QObject::connect(action, &QAction::triggered, button,
                     [lang = language] { chooseLanguage(lang); });
  }
  menu->addSeparator();
  QAction* reset = menu->addAction(QString());
  reset->setObjectName("ActionEinstellungenZuruecksetzen");
  QObject::connect(reset, &QAction::triggered, button, [this] {
    // The user's own settings go; a school's system-wide defaults stay in force.
    programSettings()->clear();
    keepAtEnd = false;
    setLanguage(startLanguage());
  });
  button->setMenu(menu);
  onLanguageChange(button, [button, reset, languages] {
    button->setText(Program::tr("Sprache"));
    button->setToolTip(Program::tr("Sprache der Fenster, Tabellen und Hilfe"));
    reset->setText(Program::tr("Einstellungen zurücksetzen"));
    languages->actions().at(currentLanguage() == Language::german ? 0 : 1)->setChecked(true);
  });
  mainWindow.addToolButton(TFormMain::ToolPlace::settings, button);
}

Program::Program() : parts_(std::make_unique<Parts>()) {
  Parts& p = *parts_;
  TFormMain& main = p.mainWindow;
  QObject::connect(main.SpeedButtonInfo, &QToolButton::clicked, &p.aboutBox,
                   [&p] { showInFront(&p.aboutBox); });
  QObject::connect(main.SpeedButton2DDemo, &QToolButton::clicked, &p.demo2D, &TForm2DDemo::startDemo);
  QObject::connect(main.SpeedButton3DDemo, &QToolButton::clicked, &p.demo3D,
                   &TForm3DDemo::showFromMainWindow);
  // The end of the program frees the demonstrations' objects too.
  QObject::connect(&main, &TFormMain::ending, &p.demo2D, [&p] {
    p.demo2D.releaseModel();
    p.demo3D.releaseScene();
  });

  main.addToolButton(TFormMain::ToolPlace::files, p.files.ButtonSzenarioOeffnen, QKeySequence::Open);
  main.addToolButton(TFormMain::ToolPlace::files, p.files.ButtonSzenarioSpeichern, QKeySequence::Save);
  main.addToolButton(TFormMain::ToolPlace::files, p.files.ButtonTabelleExportieren);

  const auto addView = [&main](QWidget* view, const char* name, const char* hint, const QIcon& icon,
                               const char* keys) {
    QToolButton* button = makeToolButton(&main, name, {}, icon);
    onLanguageChange(button, [button, hint] { button->setToolTip(Program::tr(hint)); });
    QObject::connect(button, &QToolButton::clicked, view, [view] { showInFront(view); });
    main.addToolButton(TFormMain::ToolPlace::views, button, QKeySequence(keys));
  };
  addView(&p.sky, "SpeedButtonHimmel",
          QT_TRANSLATE_NOOP("Program",
                            "Himmelsansicht: die Satelliten über dem Empfänger und die "
                            "Güte ihrer Geometrie (Strg+H)"),
          glyphs::sky(), "Ctrl+H");
  addView(&p.history, "SpeedButtonVerlauf",
          QT_TRANSLATE_NOOP("Program",
                            "Verlauf: Abstand, Iterationen und Fenster aller "
                            "Positionsbestimmungen (Strg+L)"),
          glyphs::history(), "Ctrl+L");
  addView(
      &p.errorSources, "SpeedButtonFehlerquellen",
      QT_TRANSLATE_NOOP("Program",
                        "Fehlerquellen: Messfehler der Entfernungen ein- und ausschalten (Strg+F)"),
      glyphs::errors(), "Ctrl+F");
  addView(
      &p.scatter, "SpeedButtonStreubild",
      QT_TRANSLATE_NOOP(
          "Program", "Streubild: wie weit die berechneten Standorte streuen, und warum (Strg+B)"),
      glyphs::scatter(), "Ctrl+B");
  p.addSettingsButton();
  // The places of the windows for the next start.
  QObject::connect(&main, &TFormMain::ending, &main, [this] {
    if (parts_->keepAtEnd) saveWindows();
  });
}

void Program::saveWindows() {
  const auto settings = programSettings();
  for (QWidget* w : parts_->kept()) {
    // A window never shown has no place of its own yet.
    if (!w->windowHandle()) continue;
    settings->setValue(geometryKey(w), w->saveGeometry());
    if (parts_->isView(w)) settings->setValue(openKey(w), w->isVisible());
  }
}

void Program::restoreWindows() {
  const auto settings = programSettings();
  // A settings file that can not be read is ignored as a whole.
  if (settings->status() != QSettings::NoError) return;
  for (QWidget* w : parts_->kept()) {
    // Qt refuses a damaged geometry and leaves the window where it was.
    w->restoreGeometry(settings->value(geometryKey(w)).toByteArray());
    if (parts_->isView(w) && settings->value(openKey(w)).toString() == QLatin1String("true"))
      showInFront(w);
  }
}

Program::~Program() = default;

LessonModel& Program::lesson() { return parts_->lesson; }
TFormMain& Program::mainWindow() { return parts_->mainWindow; }
TForm2DDemo& Program::demo2D() { return parts_->demo2D; }
TForm3DDemo& Program::demo3D() { return parts_->demo3D; }
TAboutBox& Program::aboutBox() { return parts_->aboutBox; }
SkyWindow& Program::sky() { return parts_->sky; }
HistoryWindow& Program::history() { return parts_->history; }
ErrorSourcesWindow& Program::errorSources() { return parts_->errorSources; }
ScatterWindow& Program::scatter() { return parts_->scatter; }
LessonFiles& Program::files() { return parts_->files; }

// Tests build the program without its start.
#ifndef ORTIVO_PROGRAM_WITHOUT_MAIN
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Ortivo");
  QApplication::setApplicationDisplayName("Ortivo");
  QApplication::setWindowIcon(programIcon());
  installQtPlatform();
  installQtShellHandler();
  installBuiltInHelp();
  setLanguage(startLanguage());

  Program program;
  program.mainWindow().show();
  program.restoreWindows();
  // The arguments as bytes: a file name need not be UTF-8 (QApplication has taken its own).
  QByteArrayList arguments;
  for (int i = 0; i < argc; ++i) arguments << QByteArray(argv[i]);
  program.files().openArguments(arguments);
  return QApplication::exec();
}
#endif
