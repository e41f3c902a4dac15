#include "model/GpsUnit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

// A scripted monotonic clock: each call returns the next value, the last one repeats.
std::vector<std::int64_t> script;
std::size_t scriptPos = 0;
std::int64_t calls = 0;
std::int64_t scripted() {
  ++calls;
  const std::int64_t v = script[std::min(scriptPos, script.size() - 1)];
  ++scriptPos;
  return v;
}

struct ScriptedTime {
  explicit ScriptedTime(std::vector<std::int64_t> values) {
    script = std::move(values);
    scriptPos = 0;
    calls = 0;
    previous = TEmpfaenger::setTimeSource(scripted);
  }
  ~ScriptedTime() { TEmpfaenger::setTimeSource(previous); }
  TEmpfaenger::TimeSource previous;
};

const TVektorR3 kReceiver{6371, 0, 0};

long double dist(TVektorR3 a, TVektorR3 b) {
  return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

void addSignal(TEmpfaenger& r, int number, std::int32_t runTime, TVektorR3 position) {
  r.clock.signals.insertSorted(std::make_unique<TListenElement>(number, runTime, position));
}

// Four satellites above the receiver at distances of whole nanoseconds, the nearest
// exactly 70 ms away: the fictive run times are the true ones.
void fillExactSky(TEmpfaenger& r) {
  const TVektorR3 dirs[4] = {{1, 0, 0}, {0.6L, 0.8L, 0}, {0.6L, 0, 0.8L}, {0.28L, -0.96L, 0}};
  const std::int32_t times[4] = {70000000, 71000000, 72500000, 74000001};
  for (int i = 0; i < 4; ++i) {
    const long double d = times[i] * 0.0003L;
    const TVektorR3 p{kReceiver.x + d * dirs[i].x, kReceiver.y + d * dirs[i].y,
                      kReceiver.z + d * dirs[i].z};
    addSignal(r, i + 1, times[i], p);
  }
}

TVektorR3 randomReceiver(std::mt19937_64& rng) {
  std::normal_distribution<double> n;
  std::uniform_real_distribution<double> h(0, 11);
  const double x = n(rng), y = n(rng), z = n(rng);
  const double l = std::sqrt(x * x + y * y + z * z);
  const long double r = 6371.0L + h(rng);
  return {x / l * r, y / l * r, z / l * r};
}

}  // namespace

TEST(Receiver, TrueRunTimesFindTheTruePositionInTheFirstIteration) {
  ScriptedTime time({0});
  TEmpfaenger r;
  fillExactSky(r);
  ASSERT_EQ(r.signalCount(), 4);
  TVektorR3 p{};
  r.determinePosition(0, p);
  EXPECT_FALSE(r.failed);
  EXPECT_LT(double(dist(p, kReceiver)), 1e-6);
  EXPECT_EQ(calls, 1);  // the start time only: no correction was needed
  EXPECT_NEAR(double(r.spheres[1].radius), 21000.0, 1e-9);
}

TEST(Receiver, SignalAccessAndSphereLoading) {
  TEmpfaenger r;
  fillExactSky(r);
  ASSERT_NE(r.signalAt(4), nullptr);
  EXPECT_EQ(r.signalAt(4)->runTime, 74000001);
  EXPECT_EQ(r.signalAt(5), nullptr);
  r.loadSpheres(0);
  EXPECT_NEAR(double(r.spheres[2].radius), 71000000 * 0.0003, 1e-9);
  EXPECT_EQ(r.spheres[3].center.z, r.signalAt(3)->position.z);
  r.adjustRadii(-2.5L);
  EXPECT_NEAR(double(r.spheres[4].radius), 74000001 * 0.0003 - 2.5, 1e-9);
  EXPECT_NEAR(double(r.spheres[1].radius), 21000 - 2.5, 1e-9);
}

TEST(Receiver, TheCandidateIsTheIntersectionNearerTheEarth) {
  TEmpfaenger r;
  fillExactSky(r);
  r.loadSpheres(0);
  TVektorR3 p{};
  r.intersectThreeSpheres(p);
  EXPECT_FALSE(r.failed);
  EXPECT_LT(double(dist(p, kReceiver)), 1e-6);
}

TEST(Receiver, CollinearSatellitesGiveParallelPlanesAndFailAtOnce) {
  TEmpfaenger r;
  addSignal(r, 1, 70000000, {20000, 0, 0});
  addSignal(r, 2, 73333333, {25000, 0, 0});
  addSignal(r, 3, 80000000, {30000, 0, 0});
  addSignal(r, 4, 81000000, {0, 20000, 0});
  const TVektorR3 untouched{1, 2, 3};
  TVektorR3 p = untouched;
  r.determinePosition(0, p);
  EXPECT_TRUE(r.failed);
  EXPECT_EQ(p, untouched);
}

TEST(Receiver, SpheresWithoutACommonCircleFailInsteadOfUsingAnOldCircle) {
  TEmpfaenger r;
  addSignal(r, 1, 70000000, {0, 0, 26554});
  addSignal(r, 2, 70000001, {0, 0, -26554});  // 53108 km apart, radii 21000: no circle
  addSignal(r, 3, 70000002, {0, 26554, 0});
  addSignal(r, 4, 70000003, {26554, 0, 0});
  r.loadSpheres(0);
  const TVektorR3 untouched{7, 8, 9};
  TVektorR3 p = untouched;
  r.intersectThreeSpheres(p);
  EXPECT_TRUE(r.failed);
  EXPECT_EQ(p, untouched);
  // Sphere 1 with sphere 3 apart likewise, even when 1 and 2 meet.
  TEmpfaenger q;
  addSignal(q, 1, 70000000, {0, 0, 26554});
  addSignal(q, 2, 70000001, {0, 10000, 26554});
  addSignal(q, 3, 70000002, {0, 0, -26554});
  addSignal(q, 4, 70000003, {26554, 0, 0});
  q.loadSpheres(0);
  q.intersectThreeSpheres(p);
  EXPECT_TRUE(q.failed);
  EXPECT_EQ(p, untouched);
}

TEST(Receiver, IntersectThreeSpheresNeverClearsFailed) {
  TEmpfaenger r;
  fillExactSky(r);
  r.loadSpheres(0);
  r.failed = true;
  TVektorR3 p{};
  r.intersectThreeSpheres(p);
  EXPECT_TRUE(r.failed);
}

namespace {

// A real window that needs several corrections before it settles.
struct SlowWindow {
  std::unique_ptr<TEmpfaenger> owner;
  TEmpfaenger& receiver() { return *owner; }
  TVektorR3 truth;
  int window = -1;
};

bool findSlowWindow(SlowWindow& w) {
  std::mt19937_64 rng(42);
  TSatellitenSchar sky;
  for (int trial = 0; trial < 200; ++trial) {
    w.truth = randomReceiver(rng);
    w.owner = std::make_unique<TEmpfaenger>();
    w.receiver().clock.receiveSignals(w.truth, sky);
    if (w.receiver().signalCount() < 4) continue;
    ScriptedTime frozen({0});
    TVektorR3 p{};
    w.receiver().determinePosition(0, p);
    if (!w.receiver().failed && calls > 20) {
      w.window = 0;
      return true;
    }
  }
  return false;
}

}  // namespace

TEST(Receiver, TheTimeLimitEndsAWindowOnlyAfterMoreThanTwoWholeSeconds) {
  SlowWindow w;
  ASSERT_TRUE(findSlowWindow(w));
  TVektorR3 p{};
  {
    // 2.999 s elapsed is two whole seconds: the fix goes on and converges.
    ScriptedTime time({1000, 3999});
    w.receiver().determinePosition(0, p);
    EXPECT_FALSE(w.receiver().failed);
  }
  {
    // Three whole seconds: the window fails after its first correction.
    ScriptedTime time({1000, 4000});
    w.receiver().determinePosition(0, p);
    EXPECT_TRUE(w.receiver().failed);
    EXPECT_EQ(calls, 2);
  }
  {
    // Across a full minute of the time of day the elapsed time is what counts.
    ScriptedTime time({59000, 61500});
    w.receiver().determinePosition(0, p);
    EXPECT_FALSE(w.receiver().failed);
  }
}

TEST(Receiver, APositionFoundInTheLastMomentIsKept) {
  ScriptedTime late({0, 10000});
  TEmpfaenger r;
  fillExactSky(r);
  TVektorR3 p{};
  r.determinePosition(0, p);
  EXPECT_FALSE(r.failed);
  EXPECT_LT(double(dist(p, kReceiver)), 1e-6);
}

TEST(Receiver, ARepeatedFixStartsFromTheFictiveRadii) {
  SlowWindow w;
  ASSERT_TRUE(findSlowWindow(w));
  ScriptedTime frozen({0});
  TVektorR3 first{}, second{};
  w.receiver().determinePosition(0, first);
  const std::int64_t firstCalls = calls;
  const long double radius = w.receiver().spheres[1].radius;
  calls = 0;
  w.receiver().determinePosition(0, second);
  EXPECT_EQ(calls, firstCalls);
  EXPECT_EQ(first, second);
  EXPECT_EQ(radius, w.receiver().spheres[1].radius);
}

// Over many receivers, with the clock stopped so that only geometry decides: every
// window ends (none would freeze the program), windows that converge stay well
// below the runaway bound, and windows that run away are cut off at it.
TEST(Receiver, EveryWindowEndsWithoutTheTimeLimit) {
  ScriptedTime frozen({0});
  std::mt19937_64 rng(2024);
  TSatellitenSchar sky;
  int determinations = 0, found = 0, runaways = 0;
  long double worstConverged = 0, worstError = 0;
  for (int trial = 0; trial < 600; ++trial) {
    if (trial % 4 == 0) sky.moveSatellites();
    const TVektorR3 truth = randomReceiver(rng);
    TEmpfaenger r;
    r.clock.receiveSignals(truth, sky);
    const int n = r.signalCount();
    if (n < 4) continue;
    ++determinations;
    for (int start = 0; start <= n - 4; ++start) {
      TVektorR3 p{};
      r.determinePosition(start, p);
      const long double correction = r.spheres[1].radius - r.signalAt(start + 1)->runTime * 0.0003L;
      ASSERT_LT(calls, 2000000) << "a window ran on for too long";
      calls = 0;
      if (std::fabs(correction) > TEmpfaenger::runawayCorrection) ++runaways;
      if (!r.failed) {
        worstConverged = std::max(worstConverged, std::fabs(correction));
        worstError = std::max(worstError, dist(p, truth));
        ++found;
        break;
      }
    }
  }
  EXPECT_GT(determinations, 500);
  EXPECT_GT(found, determinations * 9 / 10);
  EXPECT_LT(double(worstConverged), 1200.0);
  EXPECT_GT(runaways, 0);
  // Whole nanoseconds are 0.3 m of distance: a converged fix is off by metres, at
  // worst a few hundred where the satellites stand badly.
  EXPECT_LT(double(worstError), 0.5);
}
