#include <gtest/gtest.h>

#include <QApplication>

// Widgets need an application object; the offscreen platform lets the tests run without a
// display. Setting QT_QPA_PLATFORM beforehand (e.g. under xvfb-run) picks another one.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
