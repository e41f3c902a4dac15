#include "geometry/Koordinatenclss.h"
#include "platform/extended.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

constexpr Extended kPi = extendedPi;
constexpr Extended kTwoPi = 2 * kPi;
constexpr Extended kHalfPi = kPi / 2;
constexpr Extended kMetresPerKm = 1000;
constexpr Extended kMinutesPerDegree = 60;
// Cartesian components this small (km) are rounding noise of cos/sin.
constexpr Extended kCartesianSnap = 1e-10L;
constexpr Extended kMinutesSnap = 1e-06L;

char upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

Extended toRadians(const TGradMinuten& angle) {
  return (angle.degrees + angle.minutes / kMinutesPerDegree) * kPi / 180;
}

TGradMinuten toDegreesAndMinutes(Extended angle) {
  const Extended g = std::fabs(angle) * 180 / kPi;
  TGradMinuten result;
  result.degrees = static_cast<std::int32_t>(std::trunc(g));
  // Not rounded and never carried: just below a whole degree stays 59.99... minutes.
  result.minutes = (g - result.degrees) * kMinutesPerDegree;
  if (result.minutes < kMinutesSnap) result.minutes = 0;
  return result;
}

Extended snapped(Extended component) { return std::fabs(component) < kCartesianSnap ? 0 : component; }

}  // namespace

// ---------------------------------------------------------------------------
// TKoordinatenwandlerR3

TKugelkoordinaten TKoordinatenwandlerR3::geoToSpherical(const TGeoPosition& position) noexcept {
  TKugelkoordinaten s;
  s.radius = position.height / kMetresPerKm + earthRadius;
  s.longitude = toRadians(position.longitude);
  if (upper(position.eastWest) == 'W') s.longitude = kTwoPi - s.longitude;
  const Extended latitude = toRadians(position.latitude);
  s.polarAngle = upper(position.northSouth) == 'N' ? kHalfPi - latitude : kHalfPi + latitude;
  return s;
}

TVektorR3 TKoordinatenwandlerR3::sphericalToCartesian(const TKugelkoordinaten& s) noexcept {
  const Extended rho = std::sin(s.polarAngle) * s.radius;
  return {snapped(std::cos(s.longitude) * rho), snapped(std::sin(s.longitude) * rho),
          snapped(std::cos(s.polarAngle) * s.radius)};
}

TKugelkoordinaten TKoordinatenwandlerR3::cartesianToSpherical(TVektorR3 v) noexcept {
  TKugelkoordinaten s;
  s.radius = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  const Extended rho = std::sqrt(v.x * v.x + v.y * v.y);
  if (rho == 0) {  // on the z axis: any longitude will do
    s.longitude = 0;
    s.polarAngle = v.z > 0 ? 0 : kPi;
    return s;
  }
  // x / rho and |y| / rho are the cosine and sine of the longitude, but rounding
  // can push them just past 1, where acos and asin give NaN.
  const Extended c = std::clamp(v.x / rho, Extended(-1), Extended(1));
  Extended angle;  // 0..pi, measured from the positive x axis
  if (std::fabs(c) <= Extended(0.5L)) {
    angle = std::acos(c);
  } else {
    // Near +-1 acos loses half the digits (about 1e-6 minutes of arc at the 0 and
    // 180 degree meridians); the sine gives the same angle well conditioned.
    const Extended sine = std::clamp(std::fabs(v.y) / rho, Extended(0), Extended(1));
    angle = c > 0 ? std::asin(sine) : kPi - std::asin(sine);
  }
  s.longitude = v.y >= 0 ? angle : kTwoPi - angle;
  s.polarAngle = kHalfPi - std::atan(v.z / rho);
  return s;
}

TGeoPosition TKoordinatenwandlerR3::sphericalToGeo(const TKugelkoordinaten& s) noexcept {
  TGeoPosition position;
  position.height = (s.radius - earthRadius) * kMetresPerKm;
  Extended alpha, beta;
  if (s.longitude < kPi) {
    position.eastWest = 'O';
    alpha = s.longitude;
  } else {
    position.eastWest = 'W';
    alpha = kTwoPi - s.longitude;
  }
  // The equator counts as south.
  if (s.polarAngle < kHalfPi) {
    position.northSouth = 'N';
    beta = kHalfPi - s.polarAngle;
  } else {
    position.northSouth = 'S';
    beta = s.polarAngle - kHalfPi;
  }
  position.longitude = toDegreesAndMinutes(alpha);
  position.latitude = toDegreesAndMinutes(beta);
  return position;
}

TVektorR3 TKoordinatenwandlerR3::geoToCartesian(const TGeoPosition& position) const noexcept {
  return sphericalToCartesian(geoToSpherical(position));
}

TGeoPosition TKoordinatenwandlerR3::cartesianToGeo(TVektorR3 v) const noexcept {
  return sphericalToGeo(cartesianToSpherical(v));
}

TKugelkoordinaten TKoordinatenwandlerR3::turnOnMeridian(TKugelkoordinaten s, Extended angle) noexcept {
  const Extended delta = southward ? angle : -angle;
  // Position on the full great circle through the poles, growing southward on the
  // half lambda <= pi; on the other half it runs the other way.
  const bool firstHalf = s.longitude <= kPi;
  Extended t = firstHalf ? s.polarAngle + delta : kTwoPi - s.polarAngle - delta;
  if (t > kTwoPi)
    t -= kTwoPi;
  else if (t < 0)
    t += kTwoPi;
  if (firstHalf && t <= kPi) {
    s.polarAngle = t;
  } else if (!firstHalf && t > kPi) {
    s.polarAngle = kTwoPi - t;
  } else if (firstHalf) {  // over a pole onto the opposite meridian
    s.polarAngle = kTwoPi - t;
    s.longitude += kPi;
    southward = !southward;
  } else {
    s.polarAngle = t;
    s.longitude -= kPi;
    southward = !southward;
  }
  return s;
}

TVektorR3 TKoordinatenwandlerR3::moveOnMeridian(TVektorR3 v, Extended distance) noexcept {
  const TKugelkoordinaten s = cartesianToSpherical(v);
  return sphericalToCartesian(turnOnMeridian(s, distance / s.radius));
}

// ---------------------------------------------------------------------------
// TKoordinatenWandlerR2

TVektorR2 TKoordinatenWandlerR2::polarToCartesian(const TPolarkoordinaten& p) noexcept {
  return {p.radius * std::cos(p.angle), p.radius * std::sin(p.angle)};
}
