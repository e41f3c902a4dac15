// The tables for spreadsheets: one cell per column, decimal commas, a history that a
// lesson from a file starts anew.
#include <gtest/gtest.h>

#include "model/LessonTables.h"

namespace {

bool isGermanNumber(const std::string& cell) {
  return !cell.empty() && cell.find('.') == std::string::npos &&
         cell.find(',') != std::string::npos;
}

}  // namespace

TEST(LessonTables, HistoryRowsFillEveryColumnWithDecimalCommas) {
  LessonModel lesson;
  lessontables::DeterminationHistory history(lesson);
  ASSERT_FALSE(lesson.geoToCart({"O", "13", "24", "N", "52", "31", "35"}));
  lesson.setDefective(3, true);
  lesson.determinationTick();
  for (int k = 1; k <= LessonModel::satelliteCount; ++k) lesson.setDefective(k, true);
  lesson.determinationTick();  // nothing heard
  ASSERT_EQ(history.rows().size(), 2u);
  const platform::CsvRow header = lessontables::historyHeader();
  const platform::CsvRow& found = history.rows()[0];
  const platform::CsvRow& none = history.rows()[1];
  ASSERT_EQ(found.size(), header.size());
  ASSERT_EQ(none.size(), header.size());
  EXPECT_EQ(found[2], "gefunden");
  for (std::size_t c : {3, 6, 9, 10, 11, 12, 13})
    EXPECT_TRUE(isGermanNumber(found[c])) << header[c] << ": " << found[c];
  EXPECT_EQ(found[18], "3");
  EXPECT_EQ(none[2], "zu wenige Signale");
  EXPECT_EQ(none[6], "");
  EXPECT_EQ(none[14], "");

  ASSERT_FALSE(lesson.restore(lesson.state()));
  EXPECT_TRUE(history.rows().empty());
}

TEST(LessonTables, SatelliteRowsShowPositionsAndDefects) {
  LessonModel lesson;
  lesson.setDefective(17, true);
  const auto rows = lessontables::satelliteRows(lesson);
  ASSERT_EQ(rows.size(), 24u);
  EXPECT_EQ(rows[1], (platform::CsvRow{"2", "0,000", "26554,000", "0,000", "nein"}));
  EXPECT_EQ(rows[16][4], "ja");
}
