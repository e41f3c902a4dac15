// The scatter's statistics are those a spreadsheet works out from its own table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "model/LessonModel.h"
#include "platform/random.h"
#include "views/Scatter.h"

namespace {

// The table's cells, German decimal commas read back.
std::vector<std::vector<std::string>> rowsOf(const std::string& csv) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(csv.substr(3));  // after the byte order mark
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> cells;
    std::istringstream fields(line);
    for (std::string cell; std::getline(fields, cell, ';');) cells.push_back(cell);
    rows.push_back(cells);
  }
  return rows;
}

double number(std::string cell) {
  std::replace(cell.begin(), cell.end(), ',', '.');
  return std::stod(cell);
}

}  // namespace

TEST(Scatter, StatisticsAreThoseOfItsOwnTable) {
  LessonModel lesson;
  platform::setRandomSeed(77);
  lesson.erzeugen();
  ErrorSettings budget;
  for (auto& s : budget.sources) s.on = true;
  ASSERT_FALSE(lesson.setErrorSettings(budget));
  views::ScatterData data;
  for (std::uint64_t draw = 0; draw < 400; ++draw)
    data.add(views::scatterOf(measure(lesson.measurementSetup(DrawMode::fresh, draw)),
                              lesson.truePosition(), double(budget.uere())));
  const auto rows = rowsOf(data.fixesCsv());
  for (const views::Method method : {views::Method::fourSpheres, views::Method::leastSquares}) {
    std::vector<double> east, north, up;
    for (std::size_t r = 1; r < rows.size(); ++r)
      if (rows[r][1] == views::methodName(method)) {
        east.push_back(number(rows[r][2]));
        north.push_back(number(rows[r][3]));
        up.push_back(number(rows[r][4]));
      }
    const double n = double(east.size());
    ASSERT_GT(n, 300);
    double me = 0, mn = 0, mu = 0, h2 = 0, s2 = 0;
    std::vector<double> horizontal;
    for (std::size_t i = 0; i < east.size(); ++i) {
      me += east[i] / n, mn += north[i] / n, mu += up[i] / n;
      h2 += (east[i] * east[i] + north[i] * north[i]) / n;
      s2 += (east[i] * east[i] + north[i] * north[i] + up[i] * up[i]) / n;
      horizontal.push_back(std::hypot(east[i], north[i]));
    }
    double ve = 0;
    for (const double e : east) ve += (e - me) * (e - me) / (n - 1);
    std::sort(horizontal.begin(), horizontal.end());
    const views::ScatterStatistics s = data.statistics(method);
    const double scale = std::sqrt(s2);  // means near 0 are compared against the spread
    EXPECT_EQ(s.count, int(n));
    EXPECT_NEAR(s.meanEast, me, 0.001 * scale);
    EXPECT_NEAR(s.meanNorth, mn, 0.001 * scale);
    EXPECT_NEAR(s.meanUp, mu, 0.001 * scale);
    EXPECT_NEAR(s.sigmaEast, std::sqrt(ve), 0.001 * std::sqrt(ve));
    EXPECT_NEAR(s.rmsHorizontal, std::sqrt(h2), 0.001 * std::sqrt(h2));
    EXPECT_NEAR(s.rms3d, std::sqrt(s2), 0.001 * std::sqrt(s2));
    EXPECT_NEAR(s.radius50, horizontal[std::size_t(std::ceil(0.5 * n)) - 1], 0.001 * s.radius50);
    EXPECT_NEAR(s.radius95, horizontal[std::size_t(std::ceil(0.95 * n)) - 1], 0.001 * s.radius95);
  }
  // Each signal's delays add up to the sum the table gives.
  for (const auto& row : rowsOf(data.signalsCsv())) {
    if (row[0] == "Nr.") continue;
    double sum = 0;
    for (int c = 3; c < 10; ++c) sum += number(row[std::size_t(c)]);
    EXPECT_NEAR(sum, number(row[10]), 0.001);
  }
}
