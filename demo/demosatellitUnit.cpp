#include "demo/demosatellitUnit.h"
#include "platform/extended.h"

#include <cmath>

TDemoSatellitenSchar::TDemoSatellitenSchar() { initPositions(); }

void TDemoSatellitenSchar::initPositions() {
  for (int i = 1; i <= satelliteCount; ++i) {
    const Extended angle = i * extendedPi / 4;
    positions[i] = {orbitRadius * std::cos(angle), orbitRadius * std::sin(angle)};
  }
}

void TDemoSatellitenSchar::moveSatellites() {
  // One matrix for all eight satellites; the same turn as rotatePointR2 applied to each.
  const TMatrixR2 turn = geo.rotationMatrixR2(stepAngle);
  for (int i = 1; i <= satelliteCount; ++i)
    positions[i] = geo.matrixTimesVectorR2(turn, positions[i]);
}
