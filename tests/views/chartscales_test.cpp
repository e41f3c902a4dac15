// Axis steps and ends fall on round numbers, and a log axis spans whole decades.
#include <gtest/gtest.h>

#include "views/ChartScales.h"

TEST(ChartScales, StepsAndEndsAreRound) {
  const std::pair<double, double> steps[] = {{0.3, 1}, {1, 1}, {1.5, 2}, {3, 5}, {7, 10},
                                             {11, 20}, {250, 500}, {5000, 5000}};
  for (const auto& [x, step] : steps) EXPECT_EQ(views::roundStep(x), step) << x;
  const std::pair<double, double> ends[] = {{3, 4}, {5, 6}, {9, 10}, {41, 60}, {801, 1000}};
  for (const auto& [x, end] : ends) EXPECT_EQ(views::roundedUp(x), end) << x;
}

TEST(ChartScales, DecadesHoldEveryValueAndTheFixedOnes) {
  const views::ChartPoint points[] = {{1, 0.004}, {2, 37}};
  const views::Decades d = views::decadesOf(points, 0.1, 10);
  EXPECT_DOUBLE_EQ(d.from, 0.001);
  EXPECT_DOUBLE_EQ(d.to, 100);
  EXPECT_EQ(d.count, 5);
  EXPECT_EQ(views::decadesOf({}, 1, 10).count, 1);
}
