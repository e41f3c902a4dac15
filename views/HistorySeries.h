#pragma once

// The figures the history charts plot, taken from the history store. A chart is a few
// hundred pixels wide: beyond `maxPoints` the determinations are taken in buckets, and
// each bucket keeps its smallest and largest value, so spikes stay visible.

#include <array>
#include <cstddef>
#include <vector>

#include "model/DeterminationHistory.h"

namespace views {

struct ChartPoint {
  double x = 0, y = 0;
  bool operator==(const ChartPoint&) const = default;
};

// Log axes can not show 0: smaller values are drawn at these floors.
constexpr double distanceFloor = 0.001;     // m
constexpr double mismatchFloor = 0.000001;  // m

// Index of the window marks: the FixOutcome values, then a determination that heard
// fewer than four satellites (drawn at window 0).
constexpr std::size_t tooFewSignalsMark = 6;
constexpr std::size_t windowMarkCount = 7;

struct HistorySeries {
  std::vector<ChartPoint> distance;    // x determination number, y metres
  std::vector<ChartPoint> iterations;  // x determination number, y iterations of all windows
  // x determination number, y window (1 the first tried), one list per mark.
  std::array<std::vector<ChartPoint>, windowMarkCount> windows;
};

// Refills `out`, keeping its storage.
void buildHistorySeries(const DeterminationHistory& history, std::size_t maxPoints,
                        HistorySeries& out);

// The latest determination's mismatch per iteration (x from 1, y metres, absolute),
// one list per window tried.
void buildConvergenceSeries(const DeterminationHistory& history,
                            std::vector<std::vector<ChartPoint>>& out);

}  // namespace views
