// Whole lessons through the model: enter, travel, mark defects, determine; checked
// through the records they leave.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model/LessonModel.h"
#include "platform/random.h"

namespace {

const GeographicEntry kBerlin{"O", "13", "24", "N", "52", "31", "35"};

// A lesson whose satellites have moved `steps` steps and whose receiver stands at
// the position the generator gives for `seed`.
std::unique_ptr<LessonModel> lessonAt(int steps, std::uint64_t seed) {
  auto lesson = std::make_unique<LessonModel>();
  for (int s = 0; s < steps; ++s) lesson->satelliteTick();
  platform::setRandomSeed(seed);
  lesson->erzeugen();
  return lesson;
}

std::string describe(FixOutcome o) { return std::to_string(static_cast<int>(o)); }

}  // namespace

TEST(Lesson, RecordOfAFoundPositionHoldsSignalsWindowsAndConvergence) {
  LessonModel lesson;
  ASSERT_FALSE(lesson.geoToCart(kBerlin));
  const DeterminationRecord r = lesson.determinationTick();
  ASSERT_TRUE(r.found()) << r.message;
  EXPECT_EQ(r.number, 1);
  EXPECT_EQ(r.truePosition, lesson.truePosition());
  ASSERT_GE(r.signals.size(), 4u);
  EXPECT_EQ(r.signals.front().fictiveRunTime, TUhr::fictiveRunTime);
  for (std::size_t i = 0; i < r.signals.size(); ++i) {
    const SignalRecord& s = r.signals[i];
    // One clock error for all: the differences of the run times are the true ones.
    EXPECT_EQ(s.fictiveRunTime - s.runTime, r.signals[0].fictiveRunTime - r.signals[0].runTime);
    EXPECT_NEAR(double(s.runTime * TUhr::signalSpeed),
                double(TEuklidGeoR3::distance(s.position, r.truePosition)), 0.00016);
    if (i > 0) {
      EXPECT_LE(r.signals[i - 1].fictiveRunTime, s.fictiveRunTime);
    }
  }
  ASSERT_FALSE(r.windows.empty());
  for (std::size_t i = 0; i < r.windows.size(); ++i) {
    EXPECT_EQ(r.windows[i].start, static_cast<std::int32_t>(i));
    EXPECT_EQ(r.windows[i].outcome == FixOutcome::converged, i + 1 == r.windows.size());
  }
  const WindowRecord& w = r.windows.back();
  ASSERT_EQ(w.mismatches.size(), w.iterations);
  for (std::size_t i = 0; i + 1 < w.mismatches.size(); ++i)
    EXPECT_GT(std::fabs(w.mismatches[i]), TEmpfaenger::tolerance);
  EXPECT_LE(std::fabs(w.mismatches.back()), TEmpfaenger::tolerance);
  EXPECT_LT(r.distance, 0.01L);  // whole nanoseconds leave a few metres at most
  EXPECT_EQ(r.speed, 0);
  EXPECT_TRUE(r.message.empty());
}

// Each way a window can end shows in a record; the places were found by a search
// over generated positions and constellation steps.
TEST(Lesson, EveryWayAWindowEndsAppearsInARecord) {
  struct Case {
    int steps;
    std::uint64_t seed;
    FixOutcome outcome;
  };
  const Case cases[] = {
      {63, 9001, FixOutcome::noCircle12},
      {63, 9019, FixOutcome::noCircle13},
      {0, 20, FixOutcome::intersectionFailed},
      {0, 0, FixOutcome::runaway},
  };
  for (const Case& c : cases) {
    auto lesson = lessonAt(c.steps, c.seed);
    const DeterminationRecord r = lesson->determinationTick();
    bool seen = false;
    for (const WindowRecord& w : r.windows) {
      seen = seen || w.outcome == c.outcome;
      EXPECT_LE(w.mismatches.size(), w.iterations);
      // A window that ends for want of an intersection ends there: no mismatch is
      // kept for the iteration that failed.
      if (w.outcome != FixOutcome::converged && w.outcome != FixOutcome::runaway) {
        EXPECT_EQ(w.mismatches.size() + 1, w.iterations) << describe(w.outcome);
      }
    }
    EXPECT_TRUE(seen) << describe(c.outcome);
  }
}

TEST(Lesson, TimeLimitEndsAWindowAndIsRecorded) {
  // Every look at the clock takes a second.
  static std::int64_t now = 0;
  const auto previous = TEmpfaenger::setTimeSource([] { return now += 1000; });
  auto lesson = lessonAt(0, 0);  // its first window runs away only after a while
  const DeterminationRecord r = lesson->determinationTick();
  TEmpfaenger::setTimeSource(previous);
  ASSERT_FALSE(r.windows.empty());
  EXPECT_EQ(r.windows.front().outcome, FixOutcome::timeLimit);
  EXPECT_EQ(r.windows.front().iterations, 3u);  // 1, 2, then 3 > 2 whole seconds
}

TEST(Lesson, ALongConvergenceKeepsOnlyTheFirstIterations) {
  if (std::numeric_limits<long double>::digits != 64)
    GTEST_SKIP() << "this window converges slowly through x87 rounding; in binary128 it "
                    "takes 397 iterations";
  auto lesson = lessonAt(140, 20066);
  const DeterminationRecord r = lesson->determinationTick();
  ASSERT_TRUE(r.found());
  const WindowRecord& w = r.windows.back();
  EXPECT_GT(w.iterations, LessonModel::traceLimit);
  EXPECT_EQ(w.mismatches.size(), LessonModel::traceLimit);
  EXPECT_EQ(w.mismatches.capacity(), LessonModel::traceLimit);
}

TEST(Lesson, FailedDeterminationsStopAndSayWhy) {
  LessonModel lesson;
  ASSERT_FALSE(lesson.geoToCart(kBerlin));
  ASSERT_FALSE(lesson.startDetermination({"6371", "0", "0"}));
  for (int k = 1; k <= LessonModel::satelliteCount; ++k) lesson.setDefective(k, true);
  DeterminationRecord r = lesson.determinationTick();
  EXPECT_EQ(r.result, DeterminationResult::tooFewSignals);
  EXPECT_TRUE(r.signals.empty());
  EXPECT_EQ(r.message, "Es müssen mindestens 4 Satelliten empfangen werden");
  EXPECT_FALSE(lesson.determining());

  // Only the four satellites of a window that runs away are left working.
  auto failing = lessonAt(0, 0);
  const DeterminationRecord first = failing->determinationTick();
  ASSERT_EQ(first.windows.front().outcome, FixOutcome::runaway);
  std::array<bool, 25> keep{};
  for (int j = 0; j < 4; ++j) keep[first.signals[j].number] = true;
  for (int k = 1; k <= LessonModel::satelliteCount; ++k) failing->setDefective(k, !keep[k]);
  r = failing->determinationTick();
  EXPECT_EQ(r.result, DeterminationResult::allWindowsFailed);
  EXPECT_EQ(r.windows.size(), 1u);
  EXPECT_EQ(r.message,
            "Position kann z.Zt. nicht bestimmt werden. Sie haben folgende Optionen: Satelliten "
            "reparieren, neue Satellitenkonstellation abwarten.");
}

TEST(Lesson, TravellingReceiverGivesItsSpeedAndMovesAlongItsMeridian) {
  LessonModel lesson;
  ASSERT_FALSE(lesson.geoToCart(kBerlin));
  EXPECT_EQ(lesson.startTravel({"6371", "0", "0"}),
            "Für eine Bewegung muss eine Geschwindigkeit>0 eingegeben werden");
  lesson.setSpeed(360);
  ASSERT_FALSE(lesson.startTravel({"3000", "3000", "4753"}));
  const TVektorR3 start = lesson.truePosition();
  lesson.receiverTick();
  EXPECT_EQ(lesson.previousPosition(), start);
  EXPECT_NEAR(double(TEuklidGeoR3::distance(start, lesson.truePosition())), 10.0, 0.01);
  const DeterminationRecord r = lesson.determinationTick();
  ASSERT_TRUE(r.found());
  EXPECT_NEAR(double(r.speed), 360.0, 0.5);
  lesson.stopTravel();
  EXPECT_EQ(lesson.speed(), 0);
  const TVektorR3 stopped = lesson.truePosition();
  lesson.receiverTick();
  EXPECT_EQ(lesson.truePosition(), stopped);
  EXPECT_EQ(lesson.determinationTick().speed, 0);
}

// A refused entry changes nothing: not the stored position, not where a travelling
// receiver goes next. Every message at its place in the order of checks.
TEST(Lesson, RefusedEntriesChangeNothing) {
  const CartesianEntry cartesian[] = {
      {"x", "0", "0"}, {"6371", "1;5", "0"}, {"6371", "0", "z"}, {"6370", "0", "0"}};
  const char* cartesianMessages[] = {
      "Unzulässiges Zeichen bei der x-Koordinate bzw. geographische Koordinaten wurden nicht in "
      "cartesische Koordinaten umgewandelt",
      "Unzulässiges Zeichen bei der y-Koordinate", "Unzulässiges Zeichen bei der z-Koordinate",
      "Unzulässiger Standort"};
  const GeographicEntry geographic[] = {
      {"X", "1", "0", "N", "1", "0", "0"},  {"O", "1", "0", "Q", "1", "0", "0"},
      {"O", "a", "0", "N", "1", "0", "0"},  {"O", "1", "0", "N", "1,5", "0", "0"},
      {"O", "1", "b", "N", "1", "0", "0"},  {"O", "1", "0", "N", "1", "c", "0"},
      {"O", "1", "0", "N", "1", "0", "h"},  {"O", "1", "0", "N", "1", "0", "11001"}};
  const char* geographicMessages[] = {
      "Bei der Länge kan nur O oder W stehen",    "Bei der Breite kann nur N oder S stehen",
      "Unzulässiges Zeichen beim Längengrad",     "Unzulässiges Zeichen beim Breitengrad",
      "Unzulässiges Zeichen bei den Längenminuten", "Unzulässiges Zeichen bei den Breitennminuten",
      "Unzulässiges Zeichen bei der Höhenangabe", "Unzulässiger Standort"};

  for (const bool travelling : {false, true}) {
    // Two lessons alike; only the first is given the refused entries. Both then take
    // a movement step with the same random numbers and must arrive at the same point.
    LessonModel refused, untouched;
    for (LessonModel* l : {&refused, &untouched}) {
      ASSERT_FALSE(l->geoToCart(kBerlin));
      l->setSpeed(100);
      if (travelling) {
        ASSERT_FALSE(l->startTravel({"3000", "3000", "4753"}));
      }
      ASSERT_FALSE(l->startDetermination({"3000", "3000", "4753"}));
    }
    const auto unchanged = [&](const std::string& what) {
      EXPECT_EQ(refused.truePosition(), untouched.truePosition()) << what;
      EXPECT_EQ(refused.trueGeo(), untouched.trueGeo()) << what;
      EXPECT_EQ(refused.travelling(), travelling) << what;
      EXPECT_FALSE(refused.determining()) << what;  // every message stops it
      ASSERT_FALSE(refused.startDetermination({"3000", "3000", "4753"}));
    };
    for (int i = 0; i < 4; ++i) {
      for (auto call : {&LessonModel::readCartesian, &LessonModel::cartToGeo,
                        &LessonModel::startDetermination}) {
        EXPECT_EQ((refused.*call)(cartesian[i]), cartesianMessages[i]);
      }
      if (!travelling) {
        EXPECT_EQ(refused.startTravel(cartesian[i]), cartesianMessages[i]);
      }
      unchanged(cartesianMessages[i]);
    }
    for (int i = 0; i < 8; ++i) {
      EXPECT_EQ(refused.geoToCart(geographic[i]), geographicMessages[i]);
      EXPECT_EQ(refused.readGeographic(geographic[i]), geographicMessages[i]);
      unchanged(geographicMessages[i]);
    }
    platform::setRandomSeed(11);
    refused.receiverTick();
    platform::setRandomSeed(11);
    untouched.receiverTick();
    EXPECT_EQ(refused.truePosition(), untouched.truePosition());
  }
}

TEST(Lesson, RestoreRefusesABadStateAndPutsAGoodOneBackExactly) {
  auto source = lessonAt(37, 5);
  source->setSpeed(800);
  ASSERT_FALSE(source->startTravel({"6371", "0", "0"}));
  source->receiverTick();
  source->setDefective(3, true);
  source->setDefective(17, true);
  const LessonState saved = source->state();

  LessonModel target;
  for (int s = 0; s < 50; ++s) target.satelliteTick();  // must step back to 37
  LessonState bad = saved;
  bad.truePosition.x = NAN;
  EXPECT_TRUE(target.restore(bad));
  bad = saved;
  bad.step = LessonModel::maxStep + 1;
  EXPECT_TRUE(target.restore(bad));
  bad = saved;
  bad.speed = 0;  // travelling without speed
  EXPECT_TRUE(target.restore(bad));
  EXPECT_EQ(target.step(), 50);
  EXPECT_FALSE(target.hasTruePosition());

  ASSERT_FALSE(target.restore(saved));
  const LessonState back = target.state();
  EXPECT_EQ(back.truePosition, saved.truePosition);
  EXPECT_EQ(back.previousPosition, saved.previousPosition);
  EXPECT_EQ(back.defective, saved.defective);
  EXPECT_TRUE(back.travelling);
  for (int k = 1; k <= LessonModel::satelliteCount; ++k)
    EXPECT_EQ(target.constellation().satellites[k].position,
              source->constellation().satellites[k].position);
}

// With the time stopped, waiting for a new constellation helps nothing: the message
// offers to let the time run instead, and never ends in an empty list.
TEST(Lesson, OptionsMessageFollowsTheTimeAndTheDefects) {
  LessonModel lesson;
  const std::string head = "Position kann z.Zt. nicht bestimmt werden. Sie haben folgende Optionen: ";
  EXPECT_EQ(lesson.optionsMessage(), head + "neue Satellitenkonstellation abwarten.");
  lesson.setSatellitesRunning(false);
  EXPECT_EQ(lesson.optionsMessage(), head + "Zeit weiterlaufen lassen.");
  lesson.setDefective(24, true);
  EXPECT_EQ(lesson.optionsMessage(), head + "Satelliten reparieren, Zeit weiterlaufen lassen.");
}

// The fourth satellite measures the clock: a common offset on every signal leaves the
// four spheres where they were, to the last bit, and shows in both clock offsets.
TEST(Lesson, ACommonOffsetMovesOnlyTheClock) {
  const auto lesson = lessonAt(20, 31);
  const DeterminationRecord plain = lesson->determinationTick();
  ASSERT_TRUE(plain.found() && plain.leastSquares.valid()) << plain.leastSquaresReason;
  ErrorSettings offset;
  offset.offsetOn = true;
  ASSERT_FALSE(lesson->setErrorSettings(offset));
  const DeterminationRecord shifted = lesson->determinationTick();
  EXPECT_EQ(shifted.position, plain.position);
  EXPECT_EQ(shifted.clock.ns - plain.clock.ns, 1000);
  EXPECT_LT(TEuklidGeoR3::distance(shifted.leastSquares.position, plain.leastSquares.position), 1e-6L);
  EXPECT_NEAR(double(shifted.leastSquares.clockOffsetNs() - plain.leastSquares.clockOffsetNs()), 1000, 0.1);
  EXPECT_EQ(shifted.offsetNs, 1000);

  ErrorSettings bad = offset;
  bad.offsetNs = 4000;
  EXPECT_TRUE(lesson->setErrorSettings(bad));
  EXPECT_EQ(lesson->errorSettings().offsetNs, 1000);  // refused whole
}
