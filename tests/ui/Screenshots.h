#pragma once

// Pictures of the windows for the documentation. With ORTIVO_SCREENSHOT_DIR naming a
// folder, a test's picture is saved there under its name in docs/. With
// ORTIVO_SCREENSHOT_LANGUAGE=en as well, the window is switched to English for the
// picture (and back) and saved under the name of the English help's copy, for help/en/;
// pictures the help does not show are left out then.

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWidget>
#include <cstring>
#include <gtest/gtest.h>

#include "ui/Language.h"

inline void saveScreenshot(QWidget* window, const char* name) {
  const QString dir = qEnvironmentVariable("ORTIVO_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  if (qEnvironmentVariable("ORTIVO_SCREENSHOT_LANGUAGE") != QLatin1String("en")) {
    EXPECT_TRUE(window->grab().save(QDir(dir).filePath(QString::fromLatin1(name))));
    return;
  }
  static const std::pair<const char*, const char*> kHelpNames[] = {
      {"main-window.png", "hauptfenster.png"},
      {"sky-view.png", "himmelsansicht.png"},
      {"history.png", "verlauf.png"},
      {"error-sources.png", "fehlerquellen.png"},
      {"scatter.png", "streubild.png"},
      {"demo2d.png", "demo2d.png"},
      {"demo3d-step6.png", "demo3d.png"}};
  for (const auto& [docs, help] : kHelpNames) {
    if (std::strcmp(docs, name) != 0) continue;
    const Language previous = currentLanguage();
    setLanguage(Language::english);
    QTest::qWait(100);  // the windows write their texts anew, the charts lay out again
    EXPECT_TRUE(window->grab().save(QDir(dir).filePath(QString::fromLatin1(help))));
    setLanguage(previous);
    QApplication::processEvents();
  }
}
