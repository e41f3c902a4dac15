#pragma once
#include "platform/extended.h"

// The sky as the receiver sees it: directions in its local east-north-up frame, and
// which satellites stand above its horizon, received or not.

#include <array>
#include <cstdint>

#include "geometry/vektorR3clss.h"
#include "model/satellitUnit.h"

// The receiver's local frame on the spherical earth: up away from the centre, east
// along its circle of latitude, north along its meridian. At a pole, where east and
// north have no direction, the frame is the limit reached along the meridian 0°:
// east is +y, so north points to the meridian 180° at the north pole and to the
// meridian 0° at the south pole.
struct LocalFrame {
  TVektorR3 east{}, north{}, up{};
};
LocalFrame localFrame(TVektorR3 receiver);

// Radians: azimuth 0 <= a < 2 pi clockwise from north (east pi/2), elevation
// -pi/2..pi/2 above the local horizontal plane.
struct SkyDirection {
  Extended azimuth = 0;
  Extended elevation = 0;
};
SkyDirection skyDirection(const LocalFrame& frame, TVektorR3 receiver, TVektorR3 satellite);
SkyDirection skyDirection(TVektorR3 receiver, TVektorR3 satellite);
// The elevation alone, equal to skyDirection's: the azimuth's arctangent is spared
// where only the elevation is wanted.
Extended skyElevation(const LocalFrame& frame, TVektorR3 receiver, TVektorR3 satellite);

enum class SkyMark : std::uint8_t {
  used,       // one of the four of the window that converged
  received,   // heard, but not used
  defective,  // above the horizon, marked defective: not heard
};

struct SkySatellite {
  std::int32_t number = 0;
  SkyDirection direction{};
  SkyMark mark = SkyMark::received;
};

// The satellites above the receiver's horizon, by number. "Above the horizon" is the
// clock's line of sight (the earth does not stand in between), so a receiver high
// up also sees satellites a little below its horizontal plane.
struct SkySnapshot {
  std::array<SkySatellite, TSatellitenSchar::satelliteCount> satellites{};
  int count = 0;
  int received() const;
};

// By satellite number, entry 0 unused.
using SatelliteSet = std::array<bool, TSatellitenSchar::satelliteCount + 1>;

SkySnapshot observeSky(const TSatellitenSchar& constellation, TVektorR3 receiver,
                       const SatelliteSet& defective, const SatelliteSet& used);

struct DeterminationRecord;
// The four satellites of the window that converged; none when nothing was found.
SatelliteSet usedSatellites(const DeterminationRecord& record);
