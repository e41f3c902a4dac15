#pragma once
#include "platform/extended.h"

// The spatial calculator TEuklidGeoR3: vector arithmetic, rotations, and the
// figures of space with their relations and intersections.

#include <cstdint>
#include <string_view>

#include "geometry/vektorR2clss.h"

// --- figures in space --------------------------------------------------------

// The line point + t * direction.
struct TGeradeR3 {
  TVektorR3 point;
  TVektorR3 direction;
  friend bool operator==(const TGeradeR3&, const TGeradeR3&) = default;
};

struct TStreckeR3 {
  TVektorR3 startPoint;
  TVektorR3 endPoint;
  friend bool operator==(const TStreckeR3&, const TStreckeR3&) = default;
};

// The plane point + s * direction1 + t * direction2.
struct TEbeneR3 {
  TVektorR3 point;
  TVektorR3 direction1;
  TVektorR3 direction2;
  friend bool operator==(const TEbeneR3&, const TEbeneR3&) = default;
};

// The plane a * x + b * y + c * z = d.
struct TEbenengleichungR3 {
  Extended a = 0, b = 0, c = 0, d = 0;
  friend bool operator==(const TEbenengleichungR3&, const TEbenengleichungR3&) = default;
};

struct TKugelR3 {
  TVektorR3 center;
  Extended radius = 0;
  friend bool operator==(const TKugelR3&, const TKugelR3&) = default;
};

struct TKreisR3 {
  TEbeneR3 plane;
  TVektorR3 center;
  Extended radius = 0;
  friend bool operator==(const TKreisR3&, const TKreisR3&) = default;
};

// Two points found by an intersection; both the same when there is only one.
struct TPunktpaarR3 {
  TVektorR3 first;
  TVektorR3 second;
  friend bool operator==(const TPunktpaarR3&, const TPunktpaarR3&) = default;
};

// Codes of the spatial calculator besides those it shares with the plane one
// (geocode::pointRound, twoRounds, lineRound, segmentRound).
namespace geocode {

// pointOnLine, pointOnSegment
namespace pointOn {
inline constexpr std::uint8_t on = 2, notOn = 3;
}

// intersectLinePlane, intersectLinePlaneEquation
namespace linePlane {
inline constexpr std::uint8_t onePoint = 0, inPlane = 1, parallel = 2;
}

// intersectPlanes, intersectPlaneEquations
namespace twoPlanes {
inline constexpr std::uint8_t identical = 0, parallel = 1, oneLine = 2;
}

// intersectPlaneSphere
namespace planeSphere {
inline constexpr std::uint8_t circle = 0, none = 1, touching = 2;
}

}  // namespace geocode

// An operation whose input fails its check reports the error and returns at once
// without writing any of its outputs; the callers must look at the code before
// they use an output. Relation functions then answer pointOn::notOn /
// pointRound::outside, functions returning a figure the zero record.

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
  static TVektorR3 multiply(TVektorR3 v, Extended s) noexcept { return {s * v.x, s * v.y, s * v.z}; }
  static Extended dotProduct(TVektorR3 p, TVektorR3 q) noexcept {
    return p.x * q.x + p.y * q.y + p.z * q.z;
  }
  static TVektorR3 crossProduct(TVektorR3 p, TVektorR3 q) noexcept {
    return {p.y * q.z - p.z * q.y, p.z * q.x - p.x * q.z, p.x * q.y - p.y * q.x};
  }
  static Extended length(TVektorR3 v) noexcept;
  static Extended distance(TVektorR3 p, TVektorR3 q) noexcept { return length(differenceR3(p, q)); }
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
  static TMatrixR3 rotationMatrixX(Extended angle) noexcept;
  static TMatrixR3 rotationMatrixY(Extended angle) noexcept;
  static TMatrixR3 rotationMatrixZ(Extended angle) noexcept;
  // The axis is normalised first; a null axis gives cos(angle) times the identity.
  static TMatrixR3 rotationMatrixAxis(TVektorR3 axis, Extended angle) noexcept;
  static TVektorR3 matrixTimesVector(const TMatrixR3& m, TVektorR3 v) noexcept;

  // Counter-clockwise seen from the positive axis; the turned components are
  // snapped to 0 when they are zero by isZero.
  static TVektorR3 rotateX(TVektorR3 v, Extended angle) noexcept;
  static TVektorR3 rotateY(TVektorR3 v, Extended angle) noexcept;
  static TVektorR3 rotateZ(TVektorR3 v, Extended angle) noexcept;
  // Note the sense: this turns by -angle about the axis (clockwise seen from its
  // tip), the opposite of rotateX/Y/Z for the same angle. All three components are
  // snapped.
  static TVektorR3 rotateAroundAxis(TVektorR3 v, TVektorR3 axis, Extended angle) noexcept;

  // --- checks: each reports its code and answers false -----------------------
  bool checkSphere(const TKugelR3& K);                  // radius > 0; code 1
  bool checkPlaneEquation(const TEbenengleichungR3& E);  // a, b, c not all 0; code 2
  bool checkLine(const TGeradeR3& g);                   // direction not null; code 3
  bool checkPlane(const TEbeneR3& E);                   // directions independent; code 4
  bool checkSegment(const TStreckeR3& s);               // ends further apart than 1e-10; code 8

  // --- conversions ----------------------------------------------------------
  // (P, Q - P); reports code 3 when P = Q but returns the line anyway.
  TGeradeR3 lineThroughPoints(TVektorR3 P, TVektorR3 Q);
  // direction1 x direction2, not normalised.
  TVektorR3 normalVector(const TEbeneR3& E);
  TEbeneR3 planeToParametric(const TEbenengleichungR3& E);
  TEbenengleichungR3 parametricToPlane(const TEbeneR3& E);
  // The perpendicular from P onto E: its point is the foot, its direction (a, b, c).
  TGeradeR3 perpendicularFoot(TVektorR3 P, const TEbenengleichungR3& E);

  // --- relations ------------------------------------------------------------
  std::uint8_t pointOnLine(TVektorR3 X, const TGeradeR3& g);
  std::uint8_t pointOnSegment(TVektorR3 X, const TStreckeR3& s);
  std::uint8_t pointSphereRelation(TVektorR3 X, const TKugelR3& K);
  // Does not check the spheres; callers do.
  static std::uint8_t sphereRelation(const TKugelR3& K1, const TKugelR3& K2) noexcept;

  // --- intersections ----------------------------------------------------------
  void intersectLinePlaneEquation(const TGeradeR3& g, const TEbenengleichungR3& E, std::uint8_t& code,
                                  TVektorR3& point);
  void intersectLinePlane(const TGeradeR3& g, const TEbeneR3& E, std::uint8_t& code, TVektorR3& point);
  void intersectPlaneEquations(const TEbenengleichungR3& E1, const TEbeneR3& E2, std::uint8_t& code,
                               TGeradeR3& line);
  void intersectPlanes(const TEbeneR3& E1, const TEbeneR3& E2, std::uint8_t& code, TGeradeR3& line);
  void intersectLineSphere(const TGeradeR3& g, const TKugelR3& K, std::uint8_t& code, TPunktpaarR3& points);
  // For codes 1 and 2 the circle holds the plane and the foot of the centre with
  // radius 0.
  void intersectPlaneSphere(const TEbenengleichungR3& E, const TKugelR3& K, std::uint8_t& code,
                            TKreisR3& circle);
  // relation = sphereRelation(K1, K2); the circle is written where twoRounds::cutsOrTouches
  // (for touching spheres its radius is 0 and its centre the touching point).
  void intersectSpheres(const TKugelR3& K1, const TKugelR3& K2, std::uint8_t& relation, TKreisR3& circle);
  // The visibility test of a segment against a sphere.
  void intersectSegmentSphere(const TStreckeR3& s, const TKugelR3& K, std::uint8_t& code, TPunktpaarR3& points);

  // --- projections ------------------------------------------------------------
  // The image plane passes through the origin perpendicular to the eye point
  // (central) or the viewing direction (parallel); image gets its unit axes and
  // the image point of X, which stays the origin when the projecting line does not
  // meet the plane.
  void centralProjection(TVektorR3 X, TVektorR3 eye, TEbeneR3& image);
  void parallelProjection(TVektorR3 X, TVektorR3 direction, TEbeneR3& image);

 private:
  static std::uint8_t pointSphereRelationOf(TVektorR3 X, const TKugelR3& K) noexcept;
  void projectOntoImagePlane(TVektorR3 Z, const TGeradeR3& projecting, TEbeneR3& image);

  // Points into the static message table, so that storing it never allocates.
  const char* lastError_ = "";
  bool showErrors_;
};

// =============================================================================
// TVektorR3Class: a point as a list element, the point element of the 3D
// renderer's point lists.
// =============================================================================

#include <memory>

#include "containers/baseClss.h"
#include "containers/listClss.h"

// Point lists are never stored or painted element-wise, so only compare and copy
// are provided; the class is deliberately not registered for loading.
class TVektorR3Class : public TBase {
  ORTIVO_ELEMENT_CLASS(TVektorR3Class)
  // Every frame of the 3D scene makes and drops tens of thousands of them.
  ORTIVO_POOLED_ALLOCATION(TVektorR3Class)
 public:
  explicit TVektorR3Class(TVektorR3 v = {}) noexcept : vector(v) {}

  using TBase::compare;
  // 0 when all three coordinates are exactly equal, otherwise 2: points have no
  // order, so a list of them can be searched but not sorted.
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;

  TVektorR3 vector;
};
