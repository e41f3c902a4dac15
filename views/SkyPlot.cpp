#include "views/SkyPlot.h"
#include "platform/extended.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/texts.h"

namespace views {
namespace {

constexpr Extended pi = extendedPi;
constexpr platform::Color kRing = platform::rgb(170, 170, 170);
constexpr platform::Color kSatellite = platform::rgb(20, 60, 150);
constexpr platform::Color kDefective = platform::rgb(200, 0, 0);
constexpr platform::Color kSky = platform::rgb(236, 244, 252);

platform::Font plotFont(bool bold, platform::Color color = platform::colors::black) {
  platform::Font f;
  f.name = "DejaVu Sans";
  f.size = 9;
  f.bold = bold;
  f.color = color;
  return f;
}

void circle(platform::Canvas& c, int x, int y, int r) { c.ellipse(x - r, y - r, x + r + 1, y + r + 1); }

void centredText(platform::Canvas& c, int x, int y, const std::string& text) {
  c.textOut(x - c.textWidth(text) / 2, y - c.textHeight(text) / 2, text);
}

void drawGrid(platform::Canvas& c, const SkyPlotLayout& l, const platform::Translation& language) {
  c.setPenStyle(platform::PenStyle::Solid);
  c.setPenWidth(1);
  c.setPenColor(kRing);
  c.setBrushStyle(platform::BrushStyle::Solid);
  c.setBrushColor(kSky);
  circle(c, l.centreX, l.centreY, l.horizonRadius);
  c.setBrushStyle(platform::BrushStyle::Clear);
  c.setPenStyle(platform::PenStyle::Dot);
  for (const int elevation : {30, 60}) circle(c, l.centreX, l.centreY, l.horizonRadius * (90 - elevation) / 90);
  c.moveTo(l.centreX - l.horizonRadius, l.centreY);
  c.lineTo(l.centreX + l.horizonRadius, l.centreY);
  c.moveTo(l.centreX, l.centreY - l.horizonRadius);
  c.lineTo(l.centreX, l.centreY + l.horizonRadius);
  c.setPenStyle(platform::PenStyle::Solid);

  c.setFont(plotFont(false, platform::colors::gray));
  c.setBrushStyle(platform::BrushStyle::Clear);  // text without a box behind it
  for (const int elevation : {0, 30, 60}) {
    const int r = l.horizonRadius * (90 - elevation) / 90;
    // Along the north-east diagonal, where the cross of the axes leaves room.
    const int d = static_cast<int>(std::lround(r * 0.7071));
    c.textOut(l.centreX + d + 2, l.centreY - d - 2 - c.textHeight("0"), std::to_string(elevation) + "°");
  }
  c.setFont(plotFont(true));
  const int gap = l.horizonRadius + 2 * markRadius + 6;
  // North, east ("Ost"), south and west.
  const char* const directions[] = {ORTIVO_TEXT("core", "N"), ORTIVO_TEXT("core", "O"),
                                    ORTIVO_TEXT("core", "S"), ORTIVO_TEXT("core", "W")};
  const int dx[] = {0, gap, 0, -gap}, dy[] = {-gap, 0, gap, 0};
  for (int i = 0; i < 4; ++i)
    centredText(c, l.centreX + dx[i], l.centreY + dy[i],
                platform::translated(language, directions[i]));
}

void drawSatellite(platform::Canvas& c, const SkyPlotLayout& l, const SkySatellite& s) {
  const platform::Point p = skyPlotPoint(l, s.direction);
  c.setPenStyle(platform::PenStyle::Solid);
  switch (s.mark) {
    case SkyMark::used:
      c.setPenColor(kSatellite);
      c.setPenWidth(2);
      c.setBrushStyle(platform::BrushStyle::Solid);
      c.setBrushColor(kSatellite);
      circle(c, p.x, p.y, markRadius);
      break;
    case SkyMark::received:
      c.setPenColor(kSatellite);
      c.setPenWidth(2);
      c.setBrushStyle(platform::BrushStyle::Clear);
      circle(c, p.x, p.y, markRadius);
      break;
    case SkyMark::defective: {
      c.setPenColor(platform::colors::gray);
      c.setPenWidth(1);
      c.setBrushStyle(platform::BrushStyle::Clear);
      circle(c, p.x, p.y, markRadius);
      c.setPenColor(kDefective);
      c.setPenWidth(2);
      const int r = markRadius + 2;
      c.moveTo(p.x - r, p.y - r);
      c.lineTo(p.x + r, p.y + r);
      c.moveTo(p.x - r, p.y + r);
      c.lineTo(p.x + r, p.y - r);
      break;
    }
  }
  const std::string number = std::to_string(s.number);
  c.setBrushStyle(platform::BrushStyle::Clear);
  c.setFont(plotFont(s.mark == SkyMark::used,
                     s.mark == SkyMark::defective ? kDefective : platform::colors::black));
  c.textOut(p.x + markRadius + 2, p.y - markRadius - c.textHeight(number) + 4, number);
}

}  // namespace

SkyPlotLayout skyPlotLayout(int width, int height) {
  SkyPlotLayout l;
  l.centreX = width / 2;
  l.centreY = height / 2;
  // Room outside the ring: satellites down to about 5° below the horizontal plane
  // (a receiver 11 km up sees 3.4° below it), their numbers and the compass letters.
  const int margin = 2 * markRadius + 22;
  l.horizonRadius = std::max(10, std::min(width, height) / 2 - margin);
  return l;
}

platform::Point skyPlotPoint(const SkyPlotLayout& l, SkyDirection d) {
  const Extended fromZenith = (pi / 2 - d.elevation) / (pi / 2);  // 0 zenith, 1 horizon
  const Extended r = fromZenith * l.horizonRadius;
  return {l.centreX + static_cast<int>(std::lround(r * std::sin(d.azimuth))),
          l.centreY - static_cast<int>(std::lround(r * std::cos(d.azimuth)))};
}

void drawSkyPlot(platform::Canvas& c, const SkySnapshot& sky, bool hasReceiver,
                 const platform::Translation& language) {
  c.setPenStyle(platform::PenStyle::Solid);
  c.setPenColor(platform::colors::white);
  c.setBrushStyle(platform::BrushStyle::Solid);
  c.setBrushColor(platform::colors::white);
  c.rectangle(0, 0, c.width(), c.height());
  const SkyPlotLayout l = skyPlotLayout(c.width(), c.height());
  drawGrid(c, l, language);
  if (!hasReceiver) return;
  // The receiver in the zenith's place, under the satellites.
  c.setPenColor(platform::colors::black);
  c.setPenWidth(1);
  c.moveTo(l.centreX - 4, l.centreY);
  c.lineTo(l.centreX + 5, l.centreY);
  c.moveTo(l.centreX, l.centreY - 4);
  c.lineTo(l.centreX, l.centreY + 5);
  // Used ones last, so that they stay on top where marks overlap.
  for (const SkyMark pass : {SkyMark::defective, SkyMark::received, SkyMark::used})
    for (int i = 0; i < sky.count; ++i)
      if (sky.satellites[i].mark == pass) drawSatellite(c, l, sky.satellites[i]);
}

}  // namespace views
