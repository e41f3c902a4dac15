// The charts' figures from the history: all of them while they fit, the extremes of
// each bucket beyond; every window in its ending's list.
#include <gtest/gtest.h>

#include <algorithm>

#include "views/HistorySeries.h"

namespace {

DeterminationRecord record(std::int64_t number, long double distanceKm,
                           std::initializer_list<FixOutcome> windows) {
  DeterminationRecord r;
  r.number = number;
  r.signals.resize(windows.size() + 3);
  for (const FixOutcome o : windows) {
    r.windows.push_back({});
    r.windows.back().outcome = o;
    r.windows.back().iterations = 10;
  }
  r.result = windows.size() == 0                         ? DeterminationResult::tooFewSignals
             : r.windows.back().outcome == FixOutcome::converged ? DeterminationResult::found
                                                        : DeterminationResult::allWindowsFailed;
  r.distance = distanceKm;
  return r;
}

}  // namespace

TEST(HistorySeries, WindowsLandInTheListOfTheirEnding) {
  DeterminationHistory h;
  h.add(record(1, 0.002L, {FixOutcome::runaway, FixOutcome::noCircle13, FixOutcome::converged}));
  h.add(record(2, 0, {}));
  h.add(record(3, 0, {FixOutcome::timeLimit}));
  views::HistorySeries s;
  views::buildHistorySeries(h, 600, s);
  using P = views::ChartPoint;
  EXPECT_EQ(s.windows[size_t(FixOutcome::runaway)], (std::vector<P>{{1, 1}}));
  EXPECT_EQ(s.windows[size_t(FixOutcome::noCircle13)], (std::vector<P>{{1, 2}}));
  EXPECT_EQ(s.windows[size_t(FixOutcome::converged)], (std::vector<P>{{1, 3}}));
  EXPECT_EQ(s.windows[views::tooFewSignalsMark], (std::vector<P>{{2, 0}}));
  EXPECT_EQ(s.windows[size_t(FixOutcome::timeLimit)], (std::vector<P>{{3, 1}}));
  // Only a found position has a distance; iterations wherever a window was tried.
  EXPECT_EQ(s.distance, (std::vector<P>{{1, 2}}));
  EXPECT_EQ(s.iterations, (std::vector<P>{{1, 30}, {3, 10}}));
}

TEST(HistorySeries, ManyDeterminationsKeepTheirExtremes) {
  DeterminationHistory h;
  for (int n = 1; n <= 10000; ++n)
    h.add(record(n, n == 4321 ? 5 : n == 777 ? 0 : 0.001L * (1 + n % 7), {FixOutcome::converged}));
  views::HistorySeries s;
  views::buildHistorySeries(h, 600, s);
  EXPECT_LE(s.distance.size(), 600u);
  const auto has = [&](views::ChartPoint p) {
    return std::find(s.distance.begin(), s.distance.end(), p) != s.distance.end();
  };
  EXPECT_TRUE(has({4321, 5000}));
  EXPECT_TRUE(has({777, views::distanceFloor}));  // 0 drawn at the floor of the log axis
  EXPECT_TRUE(std::is_sorted(s.distance.begin(), s.distance.end(),
                             [](auto a, auto b) { return a.x < b.x; }));
  EXPECT_LE(s.windows[size_t(FixOutcome::converged)].size(), 600u);
}
