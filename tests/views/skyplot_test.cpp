// The sky plot's marks, read back from a recording canvas.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/RecordingCanvas.h"
#include "platform/extended.h"
#include "views/SkyPlot.h"

using testing_support::RecordingCanvas;

namespace {

constexpr long double deg = extendedPi / 180;

SkySatellite satellite(int number, long double azimuth, long double elevation, SkyMark mark) {
  return {number, {azimuth * deg, elevation * deg}, mark};
}

const RecordingCanvas::Entry* textOf(const RecordingCanvas& c, const std::string& text) {
  for (const auto& e : c.entries())
    if (e.op == RecordingCanvas::Op::Text && e.text == text) return &e;
  return nullptr;
}

const RecordingCanvas::Entry* markAt(const RecordingCanvas& c, platform::Point p) {
  for (const auto& e : c.entries())
    if (e.op == RecordingCanvas::Op::Ellipse && e.x2 - e.x1 == 2 * views::markRadius + 1 &&
        (e.x1 + e.x2 - 1) / 2 == p.x && (e.y1 + e.y2 - 1) / 2 == p.y)
      return &e;
  return nullptr;
}

int redLinesThrough(const RecordingCanvas& c, platform::Point p) {
  int n = 0;
  for (const auto& e : c.entries())
    if (e.op == RecordingCanvas::Op::LineTo && e.penColor == platform::rgb(200, 0, 0) &&
        (e.x1 + e.x2) / 2 == p.x && (e.y1 + e.y2) / 2 == p.y)
      ++n;
  return n;
}

}  // namespace

TEST(SkyPlot, PlacesTheDirectionsNorthUpEastRight) {
  const views::SkyPlotLayout l = views::skyPlotLayout(400, 360);
  const int r = l.horizonRadius;
  const struct {
    long double azimuth, elevation;
    int dx, dy;
  } cases[] = {
      {0, 90, 0, 0},    {0, 0, 0, -r},  {90, 0, r, 0},          {180, 30, 0, r * 2 / 3},
      {270, 60, -r / 3, 0}, {90, -3, r + r / 30, 0},
  };
  for (const auto& t : cases) {
    const platform::Point p = views::skyPlotPoint(l, {t.azimuth * deg, t.elevation * deg});
    EXPECT_NEAR(p.x, l.centreX + t.dx, 1) << t.azimuth << " " << t.elevation;
    EXPECT_NEAR(p.y, l.centreY + t.dy, 1) << t.azimuth << " " << t.elevation;
  }
  // Below the horizontal plane still inside the picture.
  EXPECT_LE(l.centreX + r + r / 18 + views::markRadius, 400);
}

TEST(SkyPlot, MarksUsedReceivedAndDefectiveSatellites) {
  SkySnapshot sky;
  sky.satellites[0] = satellite(3, 0, 0, SkyMark::used);
  sky.satellites[1] = satellite(7, 90, 30, SkyMark::received);
  sky.satellites[2] = satellite(12, 200, 60, SkyMark::defective);
  sky.satellites[3] = satellite(21, 300, 45, SkyMark::used);
  sky.count = 4;
  RecordingCanvas canvas(460, 460);
  views::drawSkyPlot(canvas, sky, true);
  const views::SkyPlotLayout l = views::skyPlotLayout(460, 460);
  const struct {
    int index;
    bool bold, filled;
    int redLines;
  } expected[] = {{0, true, true, 0}, {1, false, false, 0}, {2, false, false, 2}, {3, true, true, 0}};
  for (const auto& t : expected) {
    const SkySatellite& s = sky.satellites[t.index];
    const platform::Point p = views::skyPlotPoint(l, s.direction);
    const auto* number = textOf(canvas, std::to_string(s.number));
    ASSERT_NE(number, nullptr) << s.number;
    EXPECT_EQ(number->font.bold, t.bold) << s.number;
    const auto* mark = markAt(canvas, p);
    ASSERT_NE(mark, nullptr) << s.number;
    EXPECT_EQ(mark->brushStyle == platform::BrushStyle::Solid, t.filled) << s.number;
    EXPECT_EQ(redLinesThrough(canvas, p), t.redLines) << s.number;
  }
}

TEST(SkyPlot, WithoutAReceiverNoSatelliteIsDrawn) {
  SkySnapshot sky;
  sky.satellites[0] = satellite(3, 0, 45, SkyMark::used);
  sky.count = 1;
  RecordingCanvas canvas(300, 300);
  views::drawSkyPlot(canvas, sky, false);
  EXPECT_EQ(textOf(canvas, "3"), nullptr);
  EXPECT_NE(textOf(canvas, "N"), nullptr);
}
