#pragma once
#include "platform/extended.h"

// Conversion between geographic and cartesian coordinates on the spherical
// earth, the walk along a meridian, and plane polar coordinates.

#include <cstdint>

#include "geometry/vektorR2clss.h"

// Whole degrees and minutes of arc (0 <= minutes < 60 on output).
struct TGradMinuten {
  std::int32_t degrees = 0;
  Extended minutes = 0;
  friend bool operator==(const TGradMinuten&, const TGradMinuten&) = default;
};

// A geographic position as the user enters and reads it.
struct TGeoPosition {
  char eastWest = 'O';    // 'O' east, 'W' west; read case-insensitively, anything but W is east
  char northSouth = 'N';  // 'N' or 'S'; read case-insensitively, anything but N is south
  TGradMinuten longitude;  // 0..180 degrees
  TGradMinuten latitude;   // 0..90 degrees
  Extended height = 0;  // metres above the sphere of radius 6371 km
  friend bool operator==(const TGeoPosition&, const TGeoPosition&) = default;
};

// Spherical coordinates, angles in radians.
struct TKugelkoordinaten {
  Extended longitude = 0;   // 0 <= lambda < 2 pi, eastward from the positive x axis
  Extended polarAngle = 0;  // 0 <= theta <= pi, from the north pole (positive z axis)
  Extended radius = 0;      // km
  friend bool operator==(const TKugelkoordinaten&, const TKugelkoordinaten&) = default;
};

struct TPolarkoordinaten {
  Extended angle = 0;  // radians
  Extended radius = 0;
  friend bool operator==(const TPolarkoordinaten&, const TPolarkoordinaten&) = default;
};

// Earth-centred kilometres, the north pole on +z, longitude 0 on +x. Reports no
// errors; a negative height simply gives a point inside the earth.
class TKoordinatenwandlerR3 {
 public:
  static constexpr Extended earthRadius = 6371;  // km

  // The current sense of moveOnMeridian; it flips whenever a move crosses a pole,
  // so successive moves keep going the same way over the globe.
  bool southward = true;

  TVektorR3 geoToCartesian(const TGeoPosition& position) const noexcept;
  TGeoPosition cartesianToGeo(TVektorR3 v) const noexcept;
  // v moved by the arc length `distance` (km) along the great circle through v and
  // the poles, in the current sense.
  TVektorR3 moveOnMeridian(TVektorR3 v, Extended distance) noexcept;

  static TKugelkoordinaten geoToSpherical(const TGeoPosition& position) noexcept;
  static TVektorR3 sphericalToCartesian(const TKugelkoordinaten& s) noexcept;
  static TKugelkoordinaten cartesianToSpherical(TVektorR3 v) noexcept;
  static TGeoPosition sphericalToGeo(const TKugelkoordinaten& s) noexcept;
  TKugelkoordinaten turnOnMeridian(TKugelkoordinaten s, Extended angle) noexcept;
};

// Plane polar coordinates for the 2D demonstration.
class TKoordinatenWandlerR2 {
 public:
  static TVektorR2 polarToCartesian(const TPolarkoordinaten& p) noexcept;
};
