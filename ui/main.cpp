#include <QApplication>

#include "ui/MainGps.h"
#include "ui/QtPlatform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Ortivo");
  QApplication::setApplicationDisplayName("Ortivo");
  installQtPlatform();

  TFormMain formMain;
  formMain.show();
  return QApplication::exec();
}
