// Grabs the main window into a PNG file for the documentation when
// ORTIVO_SCREENSHOT_DIR names a folder (tests/ui/Screenshots.h); otherwise it only checks
// that the main window renders.
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include "tests/ui/Screenshots.h"

#include "platform/random.h"
#include "tests/support/RecordingMessages.h"
#include "ui/MainGps.h"
#include "ui/Program.h"

TEST(Screenshot, MainWindowAfterADetermination) {
  testing_support::RecordingMessages messages;
  // With the tool bar's buttons of the program: files and views.
  Program program;
  TFormMain& form = program.mainWindow();
  LessonModel& lesson = program.lesson();
  platform::setRandomSeed(20261208);
  form.BitBtnErzeugen->click();
  form.BitBtnBerechne->click();
  lesson.satelliteTick();
  lesson.determinationTick();
  form.show();
  const QPixmap shot = form.grab();
  EXPECT_EQ(shot.size() / shot.devicePixelRatio(), QSize(1109, 786));
  // Not a blank picture: the window shows text and grids.
  const QImage img = shot.toImage();
  const QRgb background = img.pixel(5, img.height() - 5);
  long drawn = 0;
  for (int y = 0; y < img.height(); y += 2)
    for (int x = 0; x < img.width(); x += 2) drawn += img.pixel(x, y) != background;
  EXPECT_GT(drawn, img.width() * img.height() / 4 / 10);
  saveScreenshot(&form, "main-window.png");
}
