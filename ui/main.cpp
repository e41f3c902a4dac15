#include <QApplication>

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

  // The main window comes first: the demonstrations take a random receiver
  // position from it while they are built.
  TFormMain formMain;
  TForm2DDemo form2DDemo;
  TForm3DDemo form3DDemo([&formMain] { return formMain.erzeugePosition(); });
  TAboutBox aboutBox;
  formMain.setCompanions(&form2DDemo, &form3DDemo, &aboutBox);
  attachTeachingViews(formMain);
  formMain.show();
  return QApplication::exec();
}
