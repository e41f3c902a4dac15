// The recorder in front of an image: what it passes on, and what it draws again.
#include <gtest/gtest.h>

#include "platform/PictureRecorder.h"
#include "tests/support/RecordingCanvas.h"

using platform::BrushStyle;
using platform::Canvas;
using platform::PenStyle;
using platform::PictureRecorder;
using testing_support::RecordingCanvas;

namespace {

// Style changes between and inside polylines, every kind of shape, two fonts.
void drawScene(Canvas& c) {
  c.setBrushColor(platform::colors::black);
  c.rectangle(0, 0, c.width(), c.height());
  c.setPenColor(platform::colors::lime);
  c.moveTo(10, 10);
  c.lineTo(20, 10);
  c.lineTo(20, 20);
  c.setPenWidth(3);
  c.lineTo(30, 25);  // goes on from (20, 20) with the wider pen
  c.setBrushStyle(BrushStyle::Clear);
  c.setPenStyle(PenStyle::Dot);
  c.ellipse(5, 5, 50, 40);
  platform::Font f;
  f.bold = true;
  c.setFont(f);
  c.textOut(3, 4, "Satellit 17");
  f.size = 12;
  c.setFont(f);
  c.setBrushStyle(BrushStyle::Solid);
  c.setBrushColor(platform::colors::yellow);
  c.textOut(9, 9, "Ä");
  c.rectangle(1, 2, 3, 4);
}

void expectSameEntries(const RecordingCanvas& a, const RecordingCanvas& b) {
  ASSERT_EQ(a.entries().size(), b.entries().size());
  for (std::size_t i = 0; i < a.entries().size(); ++i) {
    const auto& x = a.entries()[i];
    const auto& y = b.entries()[i];
    EXPECT_TRUE(x.op == y.op && x.x1 == y.x1 && x.y1 == y.y1 && x.x2 == y.x2 && x.y2 == y.y2 &&
                x.text == y.text && x.penColor == y.penColor && x.penWidth == y.penWidth &&
                x.penStyle == y.penStyle && x.brushColor == y.brushColor &&
                x.brushStyle == y.brushStyle && x.font == y.font)
        << "entry " << i;
  }
}

}  // namespace

TEST(PictureRecorder, PassesOnAndDrawsAgainExactlyWhatWasDrawn) {
  RecordingCanvas direct(200, 100), target(200, 100), again(200, 100);
  drawScene(direct);
  PictureRecorder recorder(target);
  drawScene(recorder);
  expectSameEntries(direct, target);
  ASSERT_TRUE(recorder.complete());
  recorder.replay(again);
  expectSameEntries(direct, again);
}

// Only a solid fill of the whole surface covers what was drawn before it.
TEST(PictureRecorder, ASolidFillOfTheWholeSurfaceStartsThePictureAnew) {
  struct Case {
    int x1, y1, x2, y2;
    BrushStyle brush;
    bool restarts;
  };
  const Case cases[] = {
      {0, 0, 200, 100, BrushStyle::Solid, true},
      {-5, -5, 1109, 786, BrushStyle::Solid, true},  // larger than the image, as the 3D window's
      {0, 0, 200, 100, BrushStyle::Clear, false},
      {1, 0, 200, 100, BrushStyle::Solid, false},
      {0, 0, 200, 99, BrushStyle::Solid, false},
  };
  for (const Case& c : cases) {
    RecordingCanvas target(200, 100), again(200, 100);
    PictureRecorder recorder(target);
    recorder.moveTo(1, 1);
    recorder.lineTo(50, 50);
    recorder.setBrushStyle(c.brush);
    recorder.rectangle(c.x1, c.y1, c.x2, c.y2);
    recorder.lineTo(60, 70);  // from where the pen stood before the fill
    recorder.replay(again);
    ASSERT_EQ(again.entries().size(), c.restarts ? 2u : 3u) << c.x1 << " " << c.y2;
    const auto& last = again.entries().back();
    EXPECT_EQ(std::make_pair(last.x1, last.y1), std::make_pair(50, 50));
  }
}

TEST(PictureRecorder, APictureBeyondTheLimitIsNotKeptUntilTheNextFill) {
  RecordingCanvas target(200, 100), again(200, 100);
  PictureRecorder recorder(target, 20);
  for (int i = 0; i < 30; ++i) recorder.lineTo(i, i);
  EXPECT_FALSE(recorder.complete());
  EXPECT_EQ(target.entries().size(), 30u);  // the image still gets everything
  recorder.rectangle(0, 0, 200, 100);
  recorder.lineTo(5, 5);
  EXPECT_TRUE(recorder.complete());
  recorder.replay(again);
  EXPECT_EQ(again.entries().size(), 2u);
}
