#include <QApplication>

#include "ui/HelpWindow.h"
#include "ui/LessonFiles.h"
#include "ui/MainGps.h"
#include "ui/QtPlatform.h"
#include "ui/QtShell.h"
#include "ui/TeachingViews.h"
#include "ui/UnitAbout.h"
#include "ui/main2DDemo.h"
#include "ui/main3DDemo.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Ortivo");
  QApplication::setApplicationDisplayName("Ortivo");
  QApplication::setWindowIcon(programIcon());
  installQtPlatform();
  installQtShellHandler();
  installBuiltInHelp();

  // The main window comes first: the demonstrations take a random receiver
  // position from it while they are built.
  TFormMain formMain;
  TForm2DDemo form2DDemo;
  TForm3DDemo form3DDemo([&formMain] { return formMain.erzeugePosition(); });
  TAboutBox aboutBox;
  formMain.setCompanions(&form2DDemo, &form3DDemo, &aboutBox);
  installHelpKey(&formMain, QStringLiteral("hauptfenster.html"));
  installHelpKey(&form2DDemo, QStringLiteral("demo2d.html"));
  installHelpKey(&form3DDemo, QStringLiteral("demo3d.html"));
  installHelpKey(&aboutBox, QStringLiteral("info.html"));
  attachTeachingViews(formMain);
  LessonFiles* lessonFiles = attachLessonFiles(formMain, &form2DDemo, &form3DDemo);
  formMain.show();
  // The arguments as bytes: a file name need not be UTF-8 (QApplication has taken its own).
  QByteArrayList arguments;
  for (int i = 0; i < argc; ++i) arguments << QByteArray(argv[i]);
  lessonFiles->openArguments(arguments);
  return QApplication::exec();
}
