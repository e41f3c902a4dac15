#include "model/uhrunit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const TVektorR3 kOnSurface{6371, 0, 0};

// A constellation in which only the listed satellites work, placed by hand.
struct HandMadeSky {
  TSatellitenSchar sky;
  HandMadeSky() {
    for (int k = 1; k <= 24; ++k) sky.satellites[k].working = false;
  }
  void place(int k, TVektorR3 p) {
    sky.satellites[k].position = p;
    sky.satellites[k].working = true;
  }
};

// receiver + d * (0.6, 0.8, 0): above the horizon of a receiver on the x axis.
TVektorR3 upFrom(TVektorR3 receiver, long double d) {
  return {receiver.x + d * 0.6L, receiver.y + d * 0.8L, receiver.z};
}

std::vector<const TListenElement*> signalsOf(TUhr& clock) {
  std::vector<const TListenElement*> result;
  for (clock.signals.toFirst(); !clock.signals.atEnd(); clock.signals.next())
    result.push_back(static_cast<const TListenElement*>(clock.signals.getElem()));
  return result;
}

}  // namespace

TEST(Clock, FictiveRunTimesKeepTheDifferences) {
  HandMadeSky s;
  s.place(3, {6371 + 20000, 0, 0});
  s.place(9, upFrom(kOnSurface, 21000));
  TUhr clock;
  clock.receiveSignals(kOnSurface, s.sky);
  const auto signals = signalsOf(clock);
  ASSERT_EQ(signals.size(), 2u);
  // True run times 66666667 ns and 70000000 ns.
  EXPECT_EQ(signals[0]->number, 3);
  EXPECT_EQ(signals[0]->runTime, 70000000);
  EXPECT_EQ(signals[1]->number, 9);
  EXPECT_EQ(signals[1]->runTime, 73333333);
  EXPECT_EQ(signals[1]->position.y, s.sky.satellites[9].position.y);
  EXPECT_EQ(clock.windowStart, 0);
}

TEST(Clock, ASecondCallAddsToTheListAndTakesItsRunTimesAsTrueOnes) {
  HandMadeSky s;
  s.place(3, {6371 + 20000, 0, 0});
  s.place(9, upFrom(kOnSurface, 21000));
  TUhr clock;
  clock.receiveSignals(kOnSurface, s.sky);
  clock.receiveSignals(kOnSurface, s.sky);
  const auto signals = signalsOf(clock);
  ASSERT_EQ(signals.size(), 4u);
  // The new true 66666667 ns goes first (in front of the fictive 70 ms), and
  // every run time is then shifted by 70000000 - 66666667.
  EXPECT_EQ(signals[0]->number, 3);
  EXPECT_EQ(signals[0]->runTime, 70000000);
  EXPECT_EQ(signals[1]->number, 9);
  EXPECT_EQ(signals[1]->runTime, 73333333);
  EXPECT_EQ(signals[2]->number, 3);
  EXPECT_EQ(signals[2]->runTime, 73333333);
  EXPECT_EQ(signals[3]->number, 9);
  EXPECT_EQ(signals[3]->runTime, 76666666);
}

TEST(Clock, ASingleSignalGets70MillisecondsWhateverItsDistance) {
  HandMadeSky s;
  s.place(5, upFrom(kOnSurface, 25000));
  TUhr clock;
  clock.receiveSignals(kOnSurface, s.sky);
  ASSERT_EQ(clock.signals.count(), 1);
  EXPECT_EQ(signalsOf(clock)[0]->runTime, 70000000);
}

TEST(Clock, NothingVisibleLeavesTheListEmpty) {
  TSatellitenSchar sky;
  for (int k = 1; k <= 24; ++k) sky.satellites[k].working = false;
  TUhr clock;
  clock.receiveSignals(kOnSurface, sky);
  EXPECT_TRUE(clock.signals.empty());
}

TEST(Clock, EqualRunTimesPutTheHigherSatelliteNumberFirst) {
  HandMadeSky s;
  s.place(4, upFrom(kOnSurface, 20000));
  s.place(11, {6371 + 20000 * 0.6L, -20000 * 0.8L, 0});  // mirror image: same distance
  s.place(2, upFrom(kOnSurface, 22000));
  TUhr clock;
  clock.receiveSignals(kOnSurface, s.sky);
  const auto signals = signalsOf(clock);
  ASSERT_EQ(signals.size(), 3u);
  EXPECT_EQ(signals[0]->number, 11);
  EXPECT_EQ(signals[1]->number, 4);
  EXPECT_EQ(signals[2]->number, 2);
  EXPECT_EQ(signals[0]->runTime, 70000000);
  EXPECT_EQ(signals[1]->runTime, 70000000);
}

TEST(Clock, DefectiveSatellitesAndThoseBehindTheEarthAreNotHeard) {
  HandMadeSky s;
  s.place(1, upFrom(kOnSurface, 20000));
  s.sky.satellites[1].working = false;          // close, but defective
  s.place(2, {-26554, 0, 0});                   // behind the earth
  s.place(3, {6371, 26554, 0});                 // exactly on the horizon
  s.place(4, upFrom(kOnSurface, 23000));        // heard
  TUhr clock;
  EXPECT_TRUE(clock.isVisible(kOnSurface, s.sky, 1));  // visible, yet not working
  EXPECT_FALSE(clock.isVisible(kOnSurface, s.sky, 2));
  EXPECT_FALSE(clock.isVisible(kOnSurface, s.sky, 3));
  clock.receiveSignals(kOnSurface, s.sky);
  const auto signals = signalsOf(clock);
  ASSERT_EQ(signals.size(), 1u);
  EXPECT_EQ(signals[0]->number, 4);
}

TEST(Clock, VisibilityFromAboveTheSurfaceAndFromInside) {
  HandMadeSky s;
  s.place(1, {6371, 26554, 0});
  TUhr clock;
  // On the horizon of a receiver on the surface the line of sight only touches the
  // earth there: not heard. From 11 km up the same satellite is in view.
  EXPECT_FALSE(clock.isVisible(kOnSurface, s.sky, 1));
  EXPECT_TRUE(clock.isVisible({6382, 0, 0}, s.sky, 1));
  // ...and a receiver inside the ball hears nothing.
  EXPECT_FALSE(clock.isVisible({6000, 0, 0}, s.sky, 1));
  s.place(2, {26554, 0, 0});
  EXPECT_FALSE(clock.isVisible({6000, 0, 0}, s.sky, 2));
  EXPECT_TRUE(clock.isVisible({6382, 0, 0}, s.sky, 2));
}

TEST(Clock, TheRealSkyGivesFictiveRunTimesBetween70And90Milliseconds) {
  TSatellitenSchar sky;
  for (TVektorR3 receiver : {TVektorR3{6371, 0, 0}, TVektorR3{0, 0, -6382}, TVektorR3{0, 6371, 0}}) {
    TUhr clock;
    clock.receiveSignals(receiver, sky);
    const auto signals = signalsOf(clock);
    ASSERT_GE(signals.size(), 4u);
    EXPECT_EQ(signals.front()->runTime, 70000000);
    for (std::size_t i = 1; i < signals.size(); ++i) {
      EXPECT_LE(signals[i - 1]->runTime, signals[i]->runTime);
      EXPECT_LT(signals[i]->runTime, 90000000);
    }
  }
}

TEST(ListElement, ComparesRunTimesAndCopies) {
  TListenElement a(1, 100, {1, 2, 3});
  TListenElement b(2, 200, {4, 5, 6});
  TInteger other(100);
  EXPECT_EQ(a.compare(b), -1);
  EXPECT_EQ(b.compare(a), 1);
  TListenElement c(7, 100, {0, 0, 0});
  EXPECT_EQ(a.compare(c), 0);
  EXPECT_EQ(a.compare(other), 2);
  auto copy = a.copy();
  auto* e = dynamic_cast<TListenElement*>(copy.get());
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->number, 1);
  EXPECT_EQ(e->runTime, 100);
  EXPECT_EQ(e->position.z, 3);
}

TEST(Clock, DelaysLengthenTheRangesBeforeTheRunTimesAreRounded) {
  HandMadeSky s;
  s.place(3, {6371 + 20000, 0, 0});              // 66666666.7 ns
  s.place(9, upFrom(kOnSurface, 21000.00012L));  // 70000000.4 ns
  const struct {
    long double delay3, delay9;  // km
    int second;
    std::int32_t secondRunTime;
  } cases[] = {
      {0, 0, 9, 73333333},
      // 0.4 ns more: rounded together 70000000.8 gives one more, rounded apart none.
      {0, 0.00012L, 9, 73333334},
      {1000.3L, 0, 3, 70001000},  // enough to change the order
  };
  for (const auto& c : cases) {
    TUhr::Delays delays{};
    delays[3] = c.delay3;
    delays[9] = c.delay9;
    TUhr clock;
    clock.receiveSignals(kOnSurface, s.sky, &delays);
    const auto signals = signalsOf(clock);
    ASSERT_EQ(signals.size(), 2u);
    EXPECT_EQ(signals[0]->runTime, 70000000);
    EXPECT_EQ(signals[1]->number, c.second);
    EXPECT_EQ(signals[1]->runTime, c.secondRunTime) << c.second;
  }
}
