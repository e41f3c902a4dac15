#include <QApplication>
#include <gtest/gtest.h>

// Image controls are widgets: they need an application object, here on the offscreen
// platform unless QT_QPA_PLATFORM names another.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
