#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

#include "ui/QtPlatform.h"

// Qt tests run on the offscreen platform under a German locale unless a test
// switches it.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QApplication app(argc, argv);
  installQtPlatform();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
