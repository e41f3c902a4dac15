#pragma once
#include "platform/extended.h"

#include <array>

#include "geometry/vektorR3clss.h"

struct TSatellit {
  bool working = true;
  TVektorR3 position{};
};

// The 24 satellites on six inclined circular orbits. Satellite k (1..24) flies in
// plane (k-1) div 4 + 1; arrays are indexed by satellite number, entry 0 unused.
class TSatellitenSchar {
 public:
  static constexpr int satelliteCount = 24;
  static constexpr Extended orbitRadius = 26554.0L;           // km
  static constexpr Extended inclination = 0.9599310885968813L;  // 55 degrees
  // One simulation step of 100 s: a revolution takes 861.57 steps.
  static constexpr Extended stepAngle = 2.0L * 3.14159265358979323846264338327950288L / 861.57L;

  TSatellitenSchar();

  void moveSatellites();

  std::array<TSatellit, satelliteCount + 1> satellites{};
  std::array<TVektorR3, satelliteCount + 1> orbitAxes{};

 private:
  void initOrbits();

  TEuklidGeoR3 geo{false};
};
