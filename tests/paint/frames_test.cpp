// Frames painted in bands on several threads are the very pixels one thread paints,
// whichever canvases take turns with the threads.
#include <gtest/gtest.h>

#include <ostream>

#include "demo/dreiDDemo.h"
#include "paint/PainterCanvas.h"
#include "paint/QtCanvas.h"

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

// The canvas on any paint device paints through the same pens as the image control:
// on an image it gives the very same pixels.
TEST(PainterCanvas, PaintsTheImageControlsPixels) {
  for (const bool walkThrough : {false, true}) {
    const QImage expected = paintFrame({1, walkThrough, 1}, 1);
    QImage image(expected.size(), expected.format());
    image.fill(Qt::white);
    {
      PainterCanvas canvas(&image);
      T3DDemo demo(canvas, 0, munich);
      demo.rotationAngles.z = 0.03490658503988659L;
      if (walkThrough) {
        demo.receiver.clock.receiveSignals(demo.receiverPosition, demo.constellation);
        demo.receiver.loadSpheres(0);
        demo.drawAlgorithmStep(6);
      } else {
        demo.drawScene();  // each frame moves the satellites on: the second as above
        demo.drawScene();
      }
    }
    EXPECT_TRUE(image == expected) << walkThrough;
  }
}
