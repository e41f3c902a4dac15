#include "views/HistorySeries.h"

#include <algorithm>
#include <cmath>

namespace views {
namespace {

// Appends (x, value(entry)) for the entries that have a value: all of them while they
// fit, otherwise the least and the greatest of each bucket, in their order.
template <class Has, class Value>
void appendDecimated(const DeterminationHistory& h, std::size_t maxPoints, Has has, Value value,
                     std::vector<ChartPoint>& out) {
  const std::size_t n = h.size();
  if (n <= maxPoints) {
    for (std::size_t i = 0; i < n; ++i)
      if (has(h[i])) out.push_back({double(h[i].number), value(h[i])});
    return;
  }
  const std::size_t buckets = std::max<std::size_t>(maxPoints / 2, 1);
  const std::size_t width = (n + buckets - 1) / buckets;
  for (std::size_t from = 0; from < n; from += width) {
    const std::size_t to = std::min(n, from + width);
    std::size_t lo = to, hi = to;
    for (std::size_t i = from; i < to; ++i) {
      if (!has(h[i])) continue;
      if (lo == to || value(h[i]) < value(h[lo])) lo = i;
      if (hi == to || value(h[i]) > value(h[hi])) hi = i;
    }
    if (lo == to) continue;
    const std::size_t first = std::min(lo, hi), second = std::max(lo, hi);
    out.push_back({double(h[first].number), value(h[first])});
    if (second != first) out.push_back({double(h[second].number), value(h[second])});
  }
}

}  // namespace

void buildHistorySeries(const DeterminationHistory& h, std::size_t maxPoints, HistorySeries& out) {
  out.distance.clear();
  out.iterations.clear();
  for (auto& w : out.windows) w.clear();
  appendDecimated(
      h, maxPoints, [](const HistoryEntry& e) { return e.found(); },
      [](const HistoryEntry& e) { return std::max(e.distance, distanceFloor); }, out.distance);
  appendDecimated(
      h, maxPoints, [](const HistoryEntry& e) { return e.windowCount > 0; },
      [](const HistoryEntry& e) { return double(e.iterations); }, out.iterations);

  // Each bucket shows each window with each ending once, at its first determination.
  const std::size_t n = h.size();
  const std::size_t width = n <= maxPoints ? 1 : (n + maxPoints - 1) / maxPoints;
  for (std::size_t from = 0; from < n; from += width) {
    std::array<std::array<bool, HistoryEntry::maxWindows + 1>, windowMarkCount> seen{};
    for (std::size_t i = from; i < std::min(n, from + width); ++i) {
      const HistoryEntry& e = h[i];
      const double x = double(e.number);
      if (e.result == DeterminationResult::tooFewSignals) {
        if (!seen[tooFewSignalsMark][0]) out.windows[tooFewSignalsMark].push_back({x, 0});
        seen[tooFewSignalsMark][0] = true;
      }
      for (int w = 0; w < e.windowCount; ++w) {
        const auto mark = static_cast<std::size_t>(e.outcomes[w]);
        if (seen[mark][w + 1]) continue;
        seen[mark][w + 1] = true;
        out.windows[mark].push_back({x, double(w + 1)});
      }
    }
  }
}

void buildConvergenceSeries(const DeterminationHistory& h, std::vector<std::vector<ChartPoint>>& out) {
  const auto& windows = h.latestWindows();
  out.resize(windows.size());
  for (std::size_t i = 0; i < windows.size(); ++i) {
    out[i].clear();
    const auto& m = windows[i].mismatches;
    for (std::size_t j = 0; j < m.size(); ++j)
      out[i].push_back({double(j + 1), std::max(double(std::fabs(m[j]) * 1000), mismatchFloor)});
  }
}

}  // namespace views
