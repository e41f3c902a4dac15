// The lesson's time without any window: which ticks run when, paused, stepped,
// sped up mid-run, and kept in a lesson file.
#include <gtest/gtest.h>

#include "model/LessonFile.h"
#include "model/LessonModel.h"

namespace {

// A lesson whose clock the test moves by hand; counts what each tick did.
struct TimedLesson : LessonObserver {
  TimedLesson() {
    lesson.setTimeSource([this] { return now; });
    lesson.addObserver(this);
  }
  ~TimedLesson() override { lesson.removeObserver(this); }
  void until(std::int64_t t) {
    for (; now < t; now += 10) lesson.advanceTime();
    now = t;
    lesson.advanceTime();
  }
  void satellitesMoved() override { ++steps; }
  void receiverMoved() override { ++moves; }
  void determined(const DeterminationRecord&) override { ++determinations; }

  std::int64_t now = 1000;
  LessonModel lesson;
  int steps = 0, moves = 0, determinations = 0;
};

CartesianEntry entryOf(TVektorR3 v) {
  return {std::to_string(double(v.x)), std::to_string(double(v.y)), std::to_string(double(v.z))};
}

}  // namespace

TEST(LessonClock, TicksFallDueAtTheirIntervalsAndPausingStopsTheSteps) {
  TimedLesson t;
  t.lesson.erzeugen();
  t.lesson.setSpeed(500);
  t.until(2000);  // 1 s in: travel and determination start now
  ASSERT_FALSE(t.lesson.startTravel(entryOf(t.lesson.truePosition())));
  ASSERT_FALSE(t.lesson.startDetermination(entryOf(t.lesson.truePosition())));
  t.moves = 0;
  t.until(8999);
  EXPECT_EQ(t.steps, 3);           // at 3000, 5000, 7000
  EXPECT_EQ(t.moves, 3);           // at 4000, 6000, 8000
  EXPECT_EQ(t.determinations, 3);  // the same

  t.lesson.setSatellitesRunning(false);
  t.until(20000);
  EXPECT_EQ(t.steps, 3);
  EXPECT_EQ(t.moves, 3);
  EXPECT_EQ(t.determinations, 9);  // determinations go on while paused
  t.lesson.singleStep();
  EXPECT_EQ(t.steps, 4);
  EXPECT_EQ(t.moves, 4);
  EXPECT_EQ(t.lesson.step(), 4);

  t.lesson.setSatellitesRunning(true);  // resumes one interval later
  t.lesson.singleStep();                // not while the time runs
  t.until(21999);
  EXPECT_EQ(t.steps, 4);
  t.until(22000);
  EXPECT_EQ(t.steps, 5);
  EXPECT_EQ(t.moves, 5);
}

TEST(LessonClock, AFactorChangedMidRunRestartsTheStepsAtTheNewInterval) {
  TimedLesson t;
  t.until(1700);
  t.lesson.setTimeFactor(10);  // every 200 ms from now
  EXPECT_EQ(t.lesson.nextTickDue(), 1900);
  t.until(2899);
  EXPECT_EQ(t.steps, 5);
  t.lesson.setTimeFactor(2);
  t.lesson.setTimeFactor(3);  // no such factor: nothing changes
  EXPECT_EQ(t.lesson.timeFactor(), 2);
  t.until(3898);
  EXPECT_EQ(t.steps, 5);
  t.until(3899);
  EXPECT_EQ(t.steps, 6);
}

// A tick held up (a long determination, a slow machine) runs once, not once for every
// interval it missed, and its rhythm goes on from then.
TEST(LessonClock, ATickThatFellBehindRunsOnceAndGoesOnFromThen) {
  LessonClock clock;
  clock.setActive(LessonClock::Tick::satellites, true, 0);
  EXPECT_EQ(clock.takeDue(1999), std::nullopt);
  EXPECT_EQ(clock.takeDue(9000), LessonClock::Tick::satellites);
  EXPECT_EQ(clock.takeDue(9000), std::nullopt);
  EXPECT_EQ(clock.nextDue(), 11000);
  clock.setActive(LessonClock::Tick::satellites, true, 9500);  // already running: keeps its rhythm
  EXPECT_EQ(clock.nextDue(), 11000);
}

TEST(LessonClock, TheRunOfTimeIsKeptInALessonFile) {
  TimedLesson t;
  t.lesson.setTimeFactor(5);
  t.lesson.setSatellitesRunning(false);
  auto decoded = lessonfile::decode(lessonfile::encode({t.lesson.state(), ""}));
  ASSERT_TRUE(std::holds_alternative<LessonScenario>(decoded));
  TimedLesson other;
  ASSERT_FALSE(other.lesson.restore(std::get<LessonScenario>(decoded).state));
  other.steps = 0;
  EXPECT_EQ(other.lesson.timeFactor(), 5);
  EXPECT_FALSE(other.lesson.satellitesRunning());
  other.until(10000);
  EXPECT_EQ(other.steps, 0);

  LessonState bad = t.lesson.state();
  bad.timeFactor = 3;
  EXPECT_EQ(LessonModel::checkState(bad), "Unzulässiger Zeitraffer");
}
