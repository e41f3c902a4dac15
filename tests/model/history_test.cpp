// The history store against the records it was given.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/DeterminationHistory.h"
#include "model/LessonModel.h"
#include "platform/random.h"

namespace {

// Records of a real lesson: a few receivers, some of them failing windows.
std::vector<DeterminationRecord> lessonRecords() {
  LessonModel lesson;
  std::vector<DeterminationRecord> records;
  platform::setRandomSeed(4711);
  for (int i = 0; i < 12; ++i) {
    lesson.erzeugen();
    for (int s = 0; s < 37; ++s) lesson.satelliteTick();
    records.push_back(lesson.determinationTick());
  }
  DeterminationRecord few;  // nothing heard
  few.number = 99;
  records.push_back(few);
  return records;
}

}  // namespace

TEST(DeterminationHistory, FiguresAreThoseOfTheRecords) {
  const std::vector<DeterminationRecord> records = lessonRecords();
  DeterminationHistory history;
  for (const DeterminationRecord& r : records) {
    history.add(r);
    const HistoryEntry& e = history.latest();
    EXPECT_EQ(e.number, r.number);
    EXPECT_EQ(e.result, r.result);
    EXPECT_EQ(e.signalCount, r.signals.size());
    ASSERT_EQ(e.windowCount, r.windows.size());
    std::uint32_t iterations = 0;
    for (std::size_t w = 0; w < r.windows.size(); ++w) {
      EXPECT_EQ(e.outcomes[w], r.windows[w].outcome);
      iterations += r.windows[w].iterations;
    }
    EXPECT_EQ(e.iterations, iterations);
    EXPECT_EQ(e.convergedWindow(), r.found() ? int(r.windows.size()) : 0);
    if (r.found()) {
      EXPECT_DOUBLE_EQ(e.distance, double(r.distance * 1000));
    }
    // The latest one's convergence in full, with the window's satellites.
    ASSERT_EQ(history.latestWindows().size(), r.windows.size());
    for (std::size_t w = 0; w < r.windows.size(); ++w) {
      const auto& l = history.latestWindows()[w];
      EXPECT_EQ(l.mismatches, r.windows[w].mismatches);
      EXPECT_EQ(l.satellites[3], r.signals[r.windows[w].start + 3].number);
    }
  }
  EXPECT_EQ(history.size(), records.size());
}

TEST(DeterminationHistory, ResetEmptiesItAndItFillsAgain) {
  const std::vector<DeterminationRecord> records = lessonRecords();
  DeterminationHistory history;
  for (const DeterminationRecord& r : records) history.add(r);
  history.clear();
  EXPECT_TRUE(history.empty());
  EXPECT_FALSE(history.hasLatest());
  EXPECT_TRUE(history.latestWindows().empty());
  history.add(records[3]);
  EXPECT_EQ(history.size(), 1u);
  EXPECT_EQ(history[0].number, records[3].number);
}

// The one store of the lesson's determinations: the charts and the table export read
// it, so a hundred thousand cost no more than the ten thousand it keeps.
TEST(DeterminationHistory, KeepsTheLastTenThousandInBoundedMemory) {
  DeterminationHistory history;
  DeterminationRecord r;
  r.result = DeterminationResult::found;
  r.windows.resize(1);
  std::size_t bytesAtCapacity = 0;
  for (int n = 1; n <= 100000; ++n) {
    r.number = n;
    r.distance = n / 1e6L;
    history.add(r);
    if (n == 10000) bytesAtCapacity = history.storedBytes();
  }
  EXPECT_EQ(history.size(), 10000u);
  EXPECT_EQ(history[0].number, 90001);
  EXPECT_EQ(history[9999].number, 100000);
  EXPECT_DOUBLE_EQ(history[0].distance, 90001 / 1e3);
  EXPECT_EQ(history.storedBytes(), bytesAtCapacity);
  EXPECT_LE(history.storedBytes(), 10000 * sizeof(HistoryEntry));
}
