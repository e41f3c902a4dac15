#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

#include "ui/QtPlatform.h"

// Widgets need an application object; the offscreen platform lets the tests run without a
// display (setting QT_QPA_PLATFORM beforehand, e.g. under xvfb-run, picks another one).
// Tests run under a German locale unless they switch it.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QApplication app(argc, argv);
  installQtPlatform();
  return RUN_ALL_TESTS();
}
