#include "model/satellitUnit.h"
#include "platform/extended.h"

#include <cmath>

TSatellitenSchar::TSatellitenSchar() { initOrbits(); }

void TSatellitenSchar::initOrbits() {
  constexpr Extended pi = extendedPi;
  int phaseCounter = 0;  // grows by p after plane p: offsets 0, 5, 15, 30, 50, 75 degrees
  for (int plane = 1; plane <= 6; ++plane) {
    for (int slot = 1; slot <= 4; ++slot) {
      const Extended theta = (slot - 1) * pi / 2 + phaseCounter * pi / 36;
      TVektorR3 p = geo.vectorR3(orbitRadius * std::cos(theta), orbitRadius * std::sin(theta), 0);
      TVektorR3 axis = geo.vectorR3(0, 0, 1);
      p = geo.rotateY(p, inclination);
      axis = geo.rotateY(axis, inclination);
      const Extended turn = (plane - 1) * pi / 3;
      p = geo.rotateZ(p, turn);
      axis = geo.rotateZ(axis, turn);
      const int k = 4 * (plane - 1) + slot;
      orbitAxes[k] = axis;
      satellites[k].working = true;
      satellites[k].position = p;
    }
    phaseCounter += plane;
  }
}

void TSatellitenSchar::moveSatellites() {
  for (int k = 1; k <= satelliteCount; ++k)
    satellites[k].position = geo.rotateAroundAxis(satellites[k].position, orbitAxes[k], stepAngle);
}
