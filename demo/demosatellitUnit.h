#pragma once
#include "platform/extended.h"

#include <array>

#include "geometry/vektorR2clss.h"

// The eight satellites of the 2D demonstration on one circular orbit of radius 200
// about the earth at the origin. Arrays are indexed by satellite number, entry 0 unused.
class TDemoSatellitenSchar {
 public:
  static constexpr int satelliteCount = 8;
  static constexpr Extended orbitRadius = 200.0L;
  // Twice the step angle of the GPS constellation, so the plane satellites visibly
  // move: one revolution takes about 430.8 steps.
  static constexpr Extended stepAngle = 0.0145854319606754795947897176099L;

  TDemoSatellitenSchar();

  // Satellite i at angle i * pi/4: satellite 2 on the positive y axis, 8 on the x axis.
  void initPositions();
  // Turns every satellite counter-clockwise by stepAngle about the origin.
  void moveSatellites();

  std::array<TVektorR2, satelliteCount + 1> positions{};

 private:
  TEuklidGeoR2 geo{false};
};
