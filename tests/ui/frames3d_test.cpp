// The 3D window's frames: painted in bands on several threads they are the very
// pixels one thread paints, and a slow frame neither drops the next nor piles up
// timer ticks.
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <ostream>

#include "ui/QtCanvas.h"
#include "demo/dreiDDemo.h"
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

struct FrameCase {
  qreal ratio;
  bool walkThrough;  // step 6 with its measuring spheres, or a free frame
  int threads;
};

QImage paintFrame(const FrameCase& c, int threads) {
  ImageControl image(897, 657, nullptr, c.ratio);
  image.setPaintThreads(threads);
  T3DDemo demo(image.canvas(), 0, munich);
  demo.rotationAngles.z = 0.03490658503988659L;
  if (c.walkThrough) {
    demo.receiver.clock.receiveSignals(demo.receiverPosition, demo.constellation);
    demo.receiver.loadSpheres(0);
    demo.drawAlgorithmStep(6);
  } else {
    // The first frame is never shown: the second is drawn over it unseen.
    demo.drawScene();
    demo.drawScene();
  }
  return image.image().copy();
}

class BandedFrame : public testing::TestWithParam<FrameCase> {};

TEST_P(BandedFrame, EqualsTheFramePaintedByOneThread) {
  const FrameCase c = GetParam();
  const QImage single = paintFrame(c, 1);
  const QImage banded = paintFrame(c, c.threads);
  ASSERT_EQ(single.size(), QSize(897, 657) * c.ratio);
  EXPECT_TRUE(banded == single);
}

void PrintTo(const FrameCase& c, std::ostream* os) {
  *os << "ratio " << c.ratio << (c.walkThrough ? ", step 6, " : ", free, ") << c.threads << " threads";
}

// Beside the drawing thread, two threads paint two bands; three put the band edges
// elsewhere, and not on even rows; one paints the whole image.
INSTANTIATE_TEST_SUITE_P(RatiosAndThreads, BandedFrame,
                         testing::Values(FrameCase{1, false, 3}, FrameCase{1, true, 3},
                                         FrameCase{2, false, 3}, FrameCase{2, true, 3},
                                         FrameCase{1, true, 4}, FrameCase{2, true, 2}));

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

// The painting threads serve one canvas at a time: two images drawing large frames by
// turns (two 3D windows, or a picture exported while a frame is drawn) neither hang
// nor paint into each other.
TEST(BandedFrame, TwoImagesDrawingByTurnsGetTheirOwnPixels) {
  const QImage expected = paintFrame({1, true, 1}, 1);
  ImageControl first(897, 657, nullptr, 1), second(897, 657, nullptr, 1);
  first.setPaintThreads(3);
  second.setPaintThreads(3);
  T3DDemo a(first.canvas(), 0, munich), b(second.canvas(), 0, munich);
  for (T3DDemo* demo : {&a, &b}) {
    demo->rotationAngles.z = 0.03490658503988659L;
    demo->receiver.clock.receiveSignals(demo->receiverPosition, demo->constellation);
    demo->receiver.loadSpheres(0);
  }
  a.drawAlgorithmStep(6);  // its stream stays open: nothing has shown it yet
  b.drawAlgorithmStep(6);
  EXPECT_TRUE(first.image() == expected);
  EXPECT_TRUE(second.image() == expected);
}
