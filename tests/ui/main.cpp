#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ui/Language.h"
#include "ui/QtPlatform.h"

// Widgets need an application object; the offscreen platform lets the tests run without a
// display (setting QT_QPA_PLATFORM beforehand, e.g. under xvfb-run, picks another one).
// Tests run in German, as the program starts, unless they switch it; the settings they
// keep go to a folder of their own, never to the user's or the system's.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QTemporaryDir settings;
  for (const auto scope : {QSettings::UserScope, QSettings::SystemScope})
    QSettings::setPath(QSettings::NativeFormat, scope,
                       settings.filePath(scope == QSettings::UserScope ? "user" : "system"));
  installQtPlatform();
  setLanguage(Language::german);
  return RUN_ALL_TESTS();
}
