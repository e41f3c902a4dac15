#pragma once

// Round numbers for chart axes, so that ticks fall where a pupil reads them easily.

#include <span>

#include "views/HistorySeries.h"

namespace views {

// The next of 1, 2, 5 times a power of ten, at least 1: a tick interval.
double roundStep(double x);
// The next of 1, 2, 4, 6, 8 times a power of ten: an axis end on which five ticks
// fall on round numbers.
double roundedUp(double x);

// The decades of a log axis that hold every y, with `floor` and `ceiling` always shown.
struct Decades {
  double from = 1, to = 10;  // powers of ten
  int count = 1;
};
Decades decadesOf(std::span<const ChartPoint> points, double floor, double ceiling);

}  // namespace views
