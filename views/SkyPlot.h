#pragma once

// The sky above the receiver as a polar plot: north up, east right, the zenith in
// the middle and the horizon on the outer ring; the distance from the middle grows
// evenly with the angle from the zenith. Drawn through Canvas, so it needs no Qt.

#include "model/SkyGeometry.h"
#include "platform/Canvas.h"
#include "platform/texts.h"

namespace views {

struct SkyPlotLayout {
  int centreX = 0, centreY = 0;
  int horizonRadius = 0;  // pixels of the 0° ring
};

// The largest plot that fits the canvas with room for the compass letters and for
// satellites a little below the horizontal plane.
SkyPlotLayout skyPlotLayout(int width, int height);
// Where a direction lands; below the horizontal plane it lands outside the 0° ring.
platform::Point skyPlotPoint(const SkyPlotLayout& layout, SkyDirection direction);

constexpr int markRadius = 7;  // pixels

// `hasReceiver` false draws only the empty sky with its rings. The directions are
// written in German unless `language` translates them.
void drawSkyPlot(platform::Canvas& canvas, const SkySnapshot& sky, bool hasReceiver,
                 const platform::Translation& language = {});

}  // namespace views
