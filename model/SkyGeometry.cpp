#include "model/SkyGeometry.h"
#include "platform/extended.h"

#include <algorithm>
#include <cmath>

#include "model/LessonModel.h"
#include "model/uhrunit.h"

namespace {

using G = TEuklidGeoR3;

TVektorR3 unit(TVektorR3 v) { return G::multiply(v, 1 / std::sqrt(G::dotProduct(v, v))); }

}  // namespace

LocalFrame localFrame(TVektorR3 receiver) {
  LocalFrame f;
  f.up = unit(receiver);
  const Extended horizontal = std::hypot(receiver.x, receiver.y);
  // Within a millimetre of the axis the longitude is noise: take the pole's frame.
  f.east = horizontal > Extended(1e-6L) ? TVektorR3{-receiver.y / horizontal, receiver.x / horizontal, 0}
                              : TVektorR3{0, 1, 0};
  f.north = G::crossProduct(f.up, f.east);
  return f;
}

namespace {

// The frame is orthonormal, so the horizontal part of d is sqrt(|d|² - u²): neither
// the east and north components nor a hypot are needed. The same operations for both
// callers, so that the elevation alone equals the full direction's to the last bit.
Extended elevationOf(TVektorR3 d, TVektorR3 up) {
  const Extended u = G::dotProduct(d, up);
  return std::atan2(u, std::sqrt(std::max(G::dotProduct(d, d) - u * u, Extended(0))));
}

}  // namespace

SkyDirection skyDirection(const LocalFrame& f, TVektorR3 receiver, TVektorR3 satellite) {
  const TVektorR3 d = G::differenceR3(satellite, receiver);
  const Extended e = G::dotProduct(d, f.east), n = G::dotProduct(d, f.north);
  SkyDirection s;
  s.elevation = elevationOf(d, f.up);
  s.azimuth = std::atan2(e, n);
  if (s.azimuth < 0) s.azimuth += 2 * extendedPi;
  return s;
}

Extended skyElevation(const LocalFrame& f, TVektorR3 receiver, TVektorR3 satellite) {
  return elevationOf(G::differenceR3(satellite, receiver), f.up);
}

SkyDirection skyDirection(TVektorR3 receiver, TVektorR3 satellite) {
  return skyDirection(localFrame(receiver), receiver, satellite);
}

int SkySnapshot::received() const {
  int n = 0;
  for (int i = 0; i < count; ++i) n += satellites[i].mark != SkyMark::defective;
  return n;
}

SkySnapshot observeSky(const TSatellitenSchar& constellation, TVektorR3 receiver,
                       const SatelliteSet& defective, const SatelliteSet& used) {
  SkySnapshot sky;
  TUhr clock;  // its line-of-sight test decides what the receiver hears
  const LocalFrame frame = localFrame(receiver);
  for (int k = 1; k <= TSatellitenSchar::satelliteCount; ++k) {
    if (!clock.isVisible(receiver, constellation, k)) continue;
    SkySatellite& s = sky.satellites[sky.count++];
    s.number = k;
    s.direction = skyDirection(frame, receiver, constellation.satellites[k].position);
    s.mark = defective[k] ? SkyMark::defective : used[k] ? SkyMark::used : SkyMark::received;
  }
  return sky;
}

SatelliteSet usedSatellites(const DeterminationRecord& record) {
  SatelliteSet used{};
  if (!record.found() || record.windows.empty()) return used;
  const std::size_t start = static_cast<std::size_t>(record.windows.back().start);
  for (std::size_t i = start; i < start + 4 && i < record.signals.size(); ++i) {
    const std::int32_t k = record.signals[i].number;
    if (k >= 1 && k <= TSatellitenSchar::satelliteCount) used[k] = true;
  }
  return used;
}
