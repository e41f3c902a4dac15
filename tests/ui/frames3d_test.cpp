// The 3D window's frames: a slow frame neither drops the next nor piles up timer ticks.
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>


#include "ui/main3DDemo.h"

namespace {

TGeoPosition munich() {
  TGeoPosition p;
  p.eastWest = 'O';
  p.longitude = {11, 34.5L};
  p.northSouth = 'N';
  p.latitude = {48, 8.25L};
  p.height = 520;
  return p;
}

// A window system that shows frames only at its own pace: it holds each repaint of
// the window back for 20 ms, while the timer ticks every millisecond.
class ThrottledScreen : public QObject {
 public:
  explicit ThrottledScreen(TForm3DDemo& form) : form_(form) {
    form_.installEventFilter(this);
    form_.Image->installEventFilter(this);
  }
  ~ThrottledScreen() override {
    form_.removeEventFilter(this);
    form_.Image->removeEventFilter(this);
  }
  QStringList anglesShown;

 protected:
  bool eventFilter(QObject* target, QEvent* e) override {
    if (target == form_.Image && e->type() == QEvent::Paint)
      anglesShown << form_.LabeledEditAequator->text();
    if (target != &form_ || e->type() != QEvent::UpdateRequest) return false;
    if (released_) {
      released_ = false;
      return false;
    }
    if (!held_) {
      held_ = true;
      QTimer::singleShot(20, this, [this] {
        held_ = false;
        released_ = true;
        QCoreApplication::postEvent(&form_, new QEvent(QEvent::UpdateRequest));
      });
    }
    return true;
  }

 private:
  TForm3DDemo& form_;
  bool held_ = false;
  bool released_ = false;
};

TEST(Frames3D, TicksFasterThanTheRepaintsShowEveryFrame) {
  TForm3DDemo form(munich);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QTest::mouseClick(form.BitBtnOk, Qt::LeftButton);
  QTest::mouseClick(form.BitBtnAequator, Qt::LeftButton);
  QTest::qWait(50);
  ThrottledScreen screen(form);
  form.Timer3DDemo->setInterval(1);
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 3000 && screen.anglesShown.size() < 8) QTest::qWait(5);
  form.Timer3DDemo->stop();

  ASSERT_GE(screen.anglesShown.size(), 4);
  // Each frame turns the scene by 2 degrees: one shown after another, none lost.
  for (qsizetype i = 1; i < screen.anglesShown.size(); ++i)
    EXPECT_EQ(screen.anglesShown[i].toInt() - screen.anglesShown[i - 1].toInt(), 2)
        << screen.anglesShown.join(' ').toStdString();
}

}  // namespace
