#pragma once

// The spatial calculator TEuklidGeoR3: vector arithmetic, rotations, and the
// figures of space with their relations and intersections.

#include <cstdint>
#include <string_view>

#include "geometry/vektorR2clss.h"

class TEuklidGeoR3 : public TEuklidGeo {
 public:
  explicit TEuklidGeoR3(bool showErrors = false) noexcept : showErrors_(showErrors) {}

  // Text of the last reported error; empty until one is reported, never cleared.
  std::string_view lastError() const noexcept { return lastError_; }
  bool showErrors() const noexcept { return showErrors_; }

  // Stores the text of `code` in lastError and, with showErrors, shows it as an
  // error message.
  void reportError(int code);
  // The text of `code` in this calculator's message table; empty when it has none.
  static const char* messageText(int code) noexcept;

  // --- vectors -------------------------------------------------------------
  static TVektorR3 sum(TVektorR3 p, TVektorR3 q) noexcept { return {p.x + q.x, p.y + q.y, p.z + q.z}; }
  static TVektorR3 multiply(TVektorR3 v, long double s) noexcept { return {s * v.x, s * v.y, s * v.z}; }
  static long double dotProduct(TVektorR3 p, TVektorR3 q) noexcept {
    return p.x * q.x + p.y * q.y + p.z * q.z;
  }
  static TVektorR3 crossProduct(TVektorR3 p, TVektorR3 q) noexcept {
    return {p.y * q.z - p.z * q.y, p.z * q.x - p.x * q.z, p.x * q.y - p.y * q.x};
  }
  static long double length(TVektorR3 v) noexcept;
  static long double distance(TVektorR3 p, TVektorR3 q) noexcept { return length(differenceR3(p, q)); }
  // A null vector comes back unchanged.
  static TVektorR3 normalize(TVektorR3 v) noexcept;

  // Vectors perpendicular to v, not normalised; the two are independent of each
  // other. A null v reports error 9: the form with `result` leaves it untouched and
  // answers false, the other form returns v.
  bool orthogonalVector1(TVektorR3 v, TVektorR3& result);
  bool orthogonalVector2(TVektorR3 v, TVektorR3& result);
  TVektorR3 orthogonalVector1(TVektorR3 v);
  TVektorR3 orthogonalVector2(TVektorR3 v);

  // --- matrices and rotations (angles in radians) ----------------------------
  static TMatrixR3 rotationMatrixX(long double angle) noexcept;
  static TMatrixR3 rotationMatrixY(long double angle) noexcept;
  static TMatrixR3 rotationMatrixZ(long double angle) noexcept;
  // The axis is normalised first; a null axis gives cos(angle) times the identity.
  static TMatrixR3 rotationMatrixAxis(TVektorR3 axis, long double angle) noexcept;
  static TVektorR3 matrixTimesVector(const TMatrixR3& m, TVektorR3 v) noexcept;

  // Counter-clockwise seen from the positive axis; the turned components are
  // snapped to 0 when they are zero by isZero.
  static TVektorR3 rotateX(TVektorR3 v, long double angle) noexcept;
  static TVektorR3 rotateY(TVektorR3 v, long double angle) noexcept;
  static TVektorR3 rotateZ(TVektorR3 v, long double angle) noexcept;
  // Note the sense: this turns by -angle about the axis (clockwise seen from its
  // tip), the opposite of rotateX/Y/Z for the same angle. All three components are
  // snapped.
  static TVektorR3 rotateAroundAxis(TVektorR3 v, TVektorR3 axis, long double angle) noexcept;

 private:
  // Points into the static message table, so that storing it never allocates.
  const char* lastError_ = "";
  bool showErrors_;
};
