// The program's start: the lesson, its windows and how they reach one another. No
// window knows another; they meet here.
#include <QApplication>

#include "model/LessonModel.h"
#include "ui/ErrorSourcesWindow.h"
#include "ui/Glyphs.h"
#include "ui/HelpWindow.h"
#include "ui/HistoryWindow.h"
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
};

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

  const auto addView = [&main](QWidget* view, const char* name, const char* hint,
                               const QIcon& icon, const char* keys) {
    QToolButton* button = makeToolButton(&main, name, QString::fromUtf8(hint), icon);
    QObject::connect(button, &QToolButton::clicked, view, [view] { showInFront(view); });
    main.addToolButton(TFormMain::ToolPlace::views, button, QKeySequence(keys));
  };
  addView(&p.sky, "SpeedButtonHimmel",
          "Himmelsansicht: die Satelliten über dem Empfänger und die Güte ihrer Geometrie (Strg+H)",
          glyphs::sky(), "Ctrl+H");
  addView(&p.history, "SpeedButtonVerlauf",
          "Verlauf: Abstand, Iterationen und Fenster aller Positionsbestimmungen (Strg+L)",
          glyphs::history(), "Ctrl+L");
  addView(&p.errorSources, "SpeedButtonFehlerquellen",
          "Fehlerquellen: Messfehler der Entfernungen ein- und ausschalten (Strg+F)",
          glyphs::errors(), "Ctrl+F");
  addView(&p.scatter, "SpeedButtonStreubild",
          "Streubild: wie weit die berechneten Standorte streuen, und warum (Strg+B)",
          glyphs::scatter(), "Ctrl+B");
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

  Program program;
  program.mainWindow().show();
  // The arguments as bytes: a file name need not be UTF-8 (QApplication has taken its own).
  QByteArrayList arguments;
  for (int i = 0; i < argc; ++i) arguments << QByteArray(argv[i]);
  program.files().openArguments(arguments);
  return QApplication::exec();
}
#endif
