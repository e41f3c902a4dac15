// The tables for spreadsheets: one cell per column, decimal commas, a history that a
// lesson from a file starts anew.
#include <gtest/gtest.h>

#include "model/LessonTables.h"
#include "platform/numformat.h"

namespace {

bool isGermanNumber(const std::string& cell) {
  return !cell.empty() && cell.find('.') == std::string::npos &&
         cell.find(',') != std::string::npos;
}

}  // namespace

TEST(LessonTables, HistoryRowsFillEveryColumnWithDecimalCommas) {
  LessonModel lesson;
  ASSERT_FALSE(lesson.geoToCart({"O", "13", "24", "N", "52", "31", "35"}));
  lesson.setDefective(3, true);
  lesson.determinationTick();
  for (int k = 1; k <= LessonModel::satelliteCount; ++k) lesson.setDefective(k, true);
  lesson.determinationTick();  // nothing heard
  ASSERT_EQ(lesson.history().size(), 2u);
  const platform::CsvRow header = lessontables::historyHeader();
  const platform::CsvRow found = lessontables::historyRow(lesson.history()[0]);
  const platform::CsvRow none = lessontables::historyRow(lesson.history()[1]);
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
  EXPECT_EQ(lessontables::historyCsv(lesson.history()).find("\r\n1;"), std::string::npos);
}

// The rows are made from the history's numbers when the table is written: they are
// those a row made at once from the record would have been.
TEST(LessonTables, RowsWrittenLaterAreThoseOfTheRecord) {
  LessonModel lesson;
  ASSERT_FALSE(lesson.geoToCart({"W", "70", "12", "S", "33", "27", "520"}));
  lesson.setSpeed(300);
  ASSERT_FALSE(lesson.startTravel({platform::formatFixed(lesson.truePosition().x, 10, 18),
                                   platform::formatFixed(lesson.truePosition().y, 10, 18),
                                   platform::formatFixed(lesson.truePosition().z, 10, 18)}));
  lesson.receiverTick();
  lesson.setDefective(5, true);
  const DeterminationRecord r = lesson.determinationTick();
  ASSERT_TRUE(r.found());
  const platform::CsvRow row = lessontables::historyRow(lesson.history().latest());
  EXPECT_EQ(row[0], std::to_string(r.number));
  EXPECT_EQ(row[6], platform::csvNumber(r.position.x, 6));
  EXPECT_EQ(row[11], platform::csvNumber(r.geo.height, 2));
  EXPECT_EQ(row[12], platform::csvNumber(r.distance, 6));
  EXPECT_EQ(row[13], platform::csvNumber(r.speed, 3));
  std::string heard;
  for (const SignalRecord& s : r.signals) heard += (heard.empty() ? "" : " ") + std::to_string(s.number);
  EXPECT_EQ(row[14], heard);
  EXPECT_EQ(row[16], std::to_string(r.windows.size()));
  EXPECT_EQ(row[17], std::to_string(r.shownWindow()->iterations));
  EXPECT_EQ(row[18], "5");
}

TEST(LessonTables, SatelliteRowsShowPositionsAndDefects) {
  LessonModel lesson;
  lesson.setDefective(17, true);
  const auto rows = lessontables::satelliteRows(lesson);
  ASSERT_EQ(rows.size(), 24u);
  EXPECT_EQ(rows[1], (platform::CsvRow{"2", "0,000", "26554,000", "0,000", "nein"}));
  EXPECT_EQ(rows[16][4], "ja");
}
