#include "geometry/vektorR3clss.h"
#include "platform/extended.h"

#include <cmath>
#include <string>

#include "platform/messages.h"

namespace {

struct Message {
  int code;
  const char* text;
};

constexpr Message kMessages[] = {
    {1, "Kreise müssen positive Radien haben"},
    {2, "Nicht alle Koeffizienten der linken Seite einer Ebenengleichung dürfen 0 sein"},
    {3, "Der Richtungsvektor einer Geraden darf nicht der Nullvektor sein - bzw. die beiden Punkte sind identisch"},
    {4, "Die Richtungsvektoren einer Ebene müssen linear unabhängig sein bzw.  die drei Punkte dürfen nicht auf einer Geraden liegen"},
    {6, "Der Normalenvektor darf nicht der Nullvektor sein"},
    {7, "Die angegebenen Daten beschreiben keinen Kreis im R3"},
    {8, "Anfangs- und Endpunkt einer Strecke müssen verschieden sein bzw. weiter auseinander liegen"},
    {9, "Es muss ein vom Nullvektor verschiedener Vektor angegeben werden"},
    {10, "Die angegebenen Daten beschreiben keinen Kegel im R3"},
    {12, "Der Punkt darf nicht in der Ebene liegen"},
    {13, "Die angegebenen Punkte legen keine/n eindeutige/n Kugel/Kegel fest"},
    {14, "Es dürfen keine identischen Punkte vorkommen"},
    {15, "Grund- und Deckfläche müssen in verschiedenen Ebenen liegen"},
    {18, "Die Pyramidenspitze darf nicht in der Grundfläche liegen"},
    {19, "Grund- und Deckfläche müssen dieselbe Eckenanzahl haben"},
    {20, "Der Mittelpunkt liegt nicht in der durch die Vektoren aufgespannten Ebene"},
    {22, "Die Grund- bzw. Deckfläche muss 3 oder 4 Eckpunkte haben"},
    {23, "3 Eckpunkte liegen auf einer Geraden bzw. Eckpunkte sind identisch"},
    {24, "Grund- bzw. Deckfläche bilden kein Parallelogramm"},
    {25, "Grund- und Deckfläche sind nicht echt parallel"},
    {26, "Grund- und Deckfläche sind unterschiedlich groß"},
    {30, "Berechnung kann nicht durchgeführt werden"},
    {40, "Der Punkt liegt auf der Geraden - daher existiert keine eindeutige Lotgerade"},
    {50, "Die Geraden dürfen nicht windschief sein"},
    {51, "Die Geraden dürfen nicht identisch sein"},
    {52, "Der Punkt darf nicht auf der Geraden liegen"},
    {60, "Die angegebenen Parameter definieren keine Kugel"},
    {70, "Es existiert keine Winkelhalbierende, da die Geraden identisch oder echt parallel sind"},
    {80, "Es existiert keine winkelhalbierende Ebene, da die Ebenen identisch oder echt parallel sind"},
    {100, "Der Kegel ist nicht gerade"},
    {200, "Es müssen mindestens 2 Vektoren angegeben werden"},
};

constexpr int kNullVector = 9;

inline Extended snapped(Extended a) noexcept { return TEuklidGeo::isZero(a) ? Extended(0) : a; }

}  // namespace

// ---------------------------------------------------------------------------
// errors

const char* TEuklidGeoR3::messageText(int code) noexcept {
  for (const Message& m : kMessages)
    if (m.code == code) return m.text;
  return "";
}

void TEuklidGeoR3::reportError(int code) {
  lastError_ = messageText(code);
  if (showErrors_) platform::showMessage(platform::MessageKind::Error, std::string(lastError_));
}

// ---------------------------------------------------------------------------
// vectors

Extended TEuklidGeoR3::length(TVektorR3 v) noexcept { return std::sqrt(dotProduct(v, v)); }

TVektorR3 TEuklidGeoR3::normalize(TVektorR3 v) noexcept {
  if (isNullVectorR3(v)) return v;
  return multiply(v, 1 / length(v));
}

bool TEuklidGeoR3::orthogonalVector1(TVektorR3 v, TVektorR3& result) {
  if (isNullVectorR3(v)) {
    reportError(kNullVector);
    return false;
  }
  if (v.x == 0)
    result = {0, -v.z, v.y};
  else
    result = {-v.y, v.x, 0};
  return true;
}

bool TEuklidGeoR3::orthogonalVector2(TVektorR3 v, TVektorR3& result) {
  if (isNullVectorR3(v)) {
    reportError(kNullVector);
    return false;
  }
  // For v.x = 0 this differs from orthogonalVector1 by the unit x vector, which
  // keeps the two independent.
  if (v.x == 0)
    result = {1, -v.z, v.y};
  else
    result = {-v.z, 0, v.x};
  return true;
}

TVektorR3 TEuklidGeoR3::orthogonalVector1(TVektorR3 v) {
  TVektorR3 result = v;
  orthogonalVector1(v, result);
  return result;
}

TVektorR3 TEuklidGeoR3::orthogonalVector2(TVektorR3 v) {
  TVektorR3 result = v;
  orthogonalVector2(v, result);
  return result;
}

// ---------------------------------------------------------------------------
// matrices and rotations

TMatrixR3 TEuklidGeoR3::rotationMatrixX(Extended angle) noexcept {
  const Extended c = std::cos(angle), s = std::sin(angle);
  return {1, 0, 0, 0, c, s, 0, -s, c};
}

TMatrixR3 TEuklidGeoR3::rotationMatrixY(Extended angle) noexcept {
  const Extended c = std::cos(angle), s = std::sin(angle);
  return {c, 0, -s, 0, 1, 0, s, 0, c};
}

TMatrixR3 TEuklidGeoR3::rotationMatrixZ(Extended angle) noexcept {
  const Extended c = std::cos(angle), s = std::sin(angle);
  return {c, s, 0, -s, c, 0, 0, 0, 1};
}

TMatrixR3 TEuklidGeoR3::rotationMatrixAxis(TVektorR3 axis, Extended angle) noexcept {
  const TVektorR3 n = normalize(axis);
  const Extended c = std::cos(angle), s = std::sin(angle), C = 1 - c;
  return {n.x * n.x * C + c,       n.x * n.y * C - s * n.z, n.x * n.z * C + s * n.y,
          n.x * n.y * C + s * n.z, n.y * n.y * C + c,       n.y * n.z * C - s * n.x,
          n.x * n.z * C - s * n.y, n.y * n.z * C + s * n.x, n.z * n.z * C + c};
}

TVektorR3 TEuklidGeoR3::matrixTimesVector(const TMatrixR3& m, TVektorR3 v) noexcept {
  return {dotProduct({m.e1, m.e4, m.e7}, v), dotProduct({m.e2, m.e5, m.e8}, v),
          dotProduct({m.e3, m.e6, m.e9}, v)};
}

TVektorR3 TEuklidGeoR3::rotateX(TVektorR3 v, Extended angle) noexcept {
  TVektorR3 r = matrixTimesVector(rotationMatrixX(angle), v);
  r.y = snapped(r.y);
  r.z = snapped(r.z);
  return r;
}

TVektorR3 TEuklidGeoR3::rotateY(TVektorR3 v, Extended angle) noexcept {
  TVektorR3 r = matrixTimesVector(rotationMatrixY(angle), v);
  r.x = snapped(r.x);
  r.z = snapped(r.z);
  return r;
}

TVektorR3 TEuklidGeoR3::rotateZ(TVektorR3 v, Extended angle) noexcept {
  TVektorR3 r = matrixTimesVector(rotationMatrixZ(angle), v);
  r.x = snapped(r.x);
  r.y = snapped(r.y);
  return r;
}

TVektorR3 TEuklidGeoR3::rotateAroundAxis(TVektorR3 v, TVektorR3 axis, Extended angle) noexcept {
  TVektorR3 r = matrixTimesVector(rotationMatrixAxis(axis, angle), v);
  r.x = snapped(r.x);
  r.y = snapped(r.y);
  r.z = snapped(r.z);
  return r;
}

// ---------------------------------------------------------------------------
// checks

namespace {
constexpr int kBadRadius = 1;
constexpr int kBadPlaneEquation = 2;
constexpr int kBadLine = 3;
constexpr int kBadPlane = 4;
constexpr int kBadSegment = 8;
}  // namespace

using namespace geocode;

bool TEuklidGeoR3::checkSphere(const TKugelR3& K) {
  if (K.radius > 0) return true;
  reportError(kBadRadius);
  return false;
}

bool TEuklidGeoR3::checkPlaneEquation(const TEbenengleichungR3& E) {
  if (E.a != 0 || E.b != 0 || E.c != 0) return true;
  reportError(kBadPlaneEquation);
  return false;
}

bool TEuklidGeoR3::checkLine(const TGeradeR3& g) {
  if (!isNullVectorR3(g.direction)) return true;
  reportError(kBadLine);
  return false;
}

bool TEuklidGeoR3::checkPlane(const TEbeneR3& E) {
  Extended lambda = 0;
  if (areIndependent(E.direction1, E.direction2, lambda)) return true;
  reportError(kBadPlane);
  return false;
}

bool TEuklidGeoR3::checkSegment(const TStreckeR3& s) {
  if (!isEqual(distance(s.startPoint, s.endPoint), 0)) return true;
  reportError(kBadSegment);
  return false;
}

// ---------------------------------------------------------------------------
// conversions

TGeradeR3 TEuklidGeoR3::lineThroughPoints(TVektorR3 P, TVektorR3 Q) {
  const TGeradeR3 g{P, differenceR3(Q, P)};
  checkLine(g);
  return g;
}

TVektorR3 TEuklidGeoR3::normalVector(const TEbeneR3& E) {
  if (!checkPlane(E)) return {};
  return crossProduct(E.direction1, E.direction2);
}

TEbeneR3 TEuklidGeoR3::planeToParametric(const TEbenengleichungR3& E) {
  if (!checkPlaneEquation(E)) return {};
  if (E.a != 0) return {{E.d / E.a, 0, 0}, {-E.b / E.a, 1, 0}, {-E.c / E.a, 0, 1}};
  if (E.b != 0) return {{0, E.d / E.b, 0}, {1, 0, 0}, {0, -E.c / E.b, 1}};
  return {{0, 0, E.d / E.c}, {1, 0, 0}, {0, 1, 0}};
}

TEbenengleichungR3 TEuklidGeoR3::parametricToPlane(const TEbeneR3& E) {
  if (!checkPlane(E)) return {};
  const TVektorR3 n = crossProduct(E.direction1, E.direction2);
  return {n.x, n.y, n.z, dotProduct(n, E.point)};
}

TGeradeR3 TEuklidGeoR3::perpendicularFoot(TVektorR3 P, const TEbenengleichungR3& E) {
  if (!checkPlaneEquation(E)) return {};
  TGeradeR3 h{P, {E.a, E.b, E.c}};
  std::uint8_t code = linePlane::onePoint;
  intersectLinePlaneEquation(h, E, code, h.point);
  return h;
}

// ---------------------------------------------------------------------------
// relations

std::uint8_t TEuklidGeoR3::pointOnLine(TVektorR3 X, const TGeradeR3& g) {
  if (!checkLine(g)) return pointOn::notOn;
  const TVektorR3 w = differenceR3(X, g.point), u = g.direction;
  bool on;
  if (u.x != 0)
    on = isEqual(w.x * u.y, w.y * u.x) && isEqual(w.x * u.z, w.z * u.x);
  else if (u.y != 0)
    on = isEqual(X.x, g.point.x) && isEqual(w.y * u.z, w.z * u.y);
  else
    on = isEqual(w.x, 0) && isEqual(w.y, 0);
  return on ? pointOn::on : pointOn::notOn;
}

std::uint8_t TEuklidGeoR3::pointOnSegment(TVektorR3 X, const TStreckeR3& s) {
  const TVektorR3 A = s.startPoint, B = s.endPoint;
  if (pointOnLine(X, {A, differenceR3(B, A)}) == pointOn::notOn) return pointOn::notOn;
  const TVektorR2 a2{A.x, A.y}, b2{B.x, B.y};
  if (samePointR2(a2, b2)) {
    // Parallel to the z axis: the (x, y) projection says nothing.
    const Extended tol = geometry_tolerance::equal;
    const bool between = (A.z - tol <= X.z && X.z <= B.z + tol) || (B.z - tol <= X.z && X.z <= A.z + tol);
    return between ? pointOn::on : pointOn::notOn;
  }
  TEuklidGeoR2 plane(false);
  return plane.pointSegmentRelation({X.x, X.y}, {a2, b2}) == pointSegment::on ? pointOn::on : pointOn::notOn;
}

std::uint8_t TEuklidGeoR3::pointSphereRelationOf(TVektorR3 X, const TKugelR3& K) noexcept {
  const Extended dist = distance(X, K.center);
  if (isEqual(dist, K.radius)) return pointRound::on;
  return K.radius <= dist ? pointRound::outside : pointRound::inside;
}

std::uint8_t TEuklidGeoR3::pointSphereRelation(TVektorR3 X, const TKugelR3& K) {
  if (!checkSphere(K)) return pointRound::outside;
  return pointSphereRelationOf(X, K);
}

std::uint8_t TEuklidGeoR3::sphereRelation(const TKugelR3& K1, const TKugelR3& K2) noexcept {
  const Extended d = distance(K1.center, K2.center);
  const Extended r1 = K1.radius, r2 = K2.radius;
  if (isEqual(d, 0)) return isEqual(r1, r2) ? twoRounds::identical : twoRounds::concentric;
  if (isEqual(d, std::fabs(r1 - r2))) return twoRounds::touchingInside;
  if (d < std::fabs(r1 - r2)) return twoRounds::oneInside;
  if (isEqual(d, r1 + r2)) return twoRounds::touchingOutside;
  if (d < r1 + r2) return twoRounds::cutting;
  return twoRounds::apart;
}

// ---------------------------------------------------------------------------
// line and plane intersections

void TEuklidGeoR3::intersectLinePlaneEquation(const TGeradeR3& g, const TEbenengleichungR3& E,
                                              std::uint8_t& code, TVektorR3& point) {
  if (!checkLine(g) || !checkPlaneEquation(E)) return;
  const TVektorR3 n{E.a, E.b, E.c};
  const Extended nu = dotProduct(n, g.direction);
  const Extended np = dotProduct(n, g.point);
  if (isZero(nu)) {
    code = sameValue(np, E.d) ? linePlane::inPlane : linePlane::parallel;
    return;
  }
  const Extended t = (E.d - np) / nu;
  point = sum(g.point, multiply(g.direction, t));
  code = linePlane::onePoint;
}

void TEuklidGeoR3::intersectLinePlane(const TGeradeR3& g, const TEbeneR3& E, std::uint8_t& code,
                                      TVektorR3& point) {
  if (!checkLine(g) || !checkPlane(E)) return;
  intersectLinePlaneEquation(g, parametricToPlane(E), code, point);
}

void TEuklidGeoR3::intersectPlaneEquations(const TEbenengleichungR3& E1, const TEbeneR3& E2,
                                           std::uint8_t& code, TGeradeR3& line) {
  if (!checkPlaneEquation(E1) || !checkPlane(E2)) return;
  // Put the parametric form of E2 into the equation of E1: s * alpha + t * beta = gamma.
  const TVektorR3 n{E1.a, E1.b, E1.c};
  const TVektorR3 P = E2.point, u = E2.direction1, v = E2.direction2;
  const Extended alpha = dotProduct(n, u);
  const Extended beta = dotProduct(n, v);
  const Extended gamma = E1.d - dotProduct(n, P);
  if (isZero(alpha)) {
    if (isZero(beta)) {
      code = isZero(gamma) ? twoPlanes::identical : twoPlanes::parallel;
      return;
    }
    line = {sum(P, multiply(v, gamma / beta)), u};
    code = twoPlanes::oneLine;
    return;
  }
  line = {sum(P, multiply(u, gamma / alpha)), sum(v, multiply(u, -beta / alpha))};
  code = twoPlanes::oneLine;
}

void TEuklidGeoR3::intersectPlanes(const TEbeneR3& E1, const TEbeneR3& E2, std::uint8_t& code,
                                   TGeradeR3& line) {
  if (!checkPlane(E1) || !checkPlane(E2)) return;
  intersectPlaneEquations(parametricToPlane(E1), E2, code, line);
}

// ---------------------------------------------------------------------------
// sphere intersections

void TEuklidGeoR3::intersectLineSphere(const TGeradeR3& g, const TKugelR3& K, std::uint8_t& code,
                                       TPunktpaarR3& points) {
  if (!checkLine(g) || !checkSphere(K)) return;
  // t^2 + p t + q = 0 for the parameter of point + t * u on the sphere.
  const TVektorR3 u = g.direction;
  const TVektorR3 w = differenceR3(g.point, K.center);
  const Extended A = dotProduct(u, u);
  const Extended p = 2 * dotProduct(u, w) / A;
  const Extended q = (dotProduct(w, w) - K.radius * K.radius) / A;
  Extended D = p * p / 4 - q;
  // A nearly tangent line counts as tangent, from either side.
  if (isEqual(D, 0)) D = 0;
  if (D < 0) {
    code = lineRound::none;
    return;
  }
  code = D == 0 ? lineRound::touching : lineRound::twoPoints;
  const Extended root = std::sqrt(D);
  const Extended t1 = -p / 2 + root, t2 = -p / 2 - root;
  points.first = sum(multiply(u, t1), g.point);
  points.second = sum(multiply(u, t2), g.point);
}

void TEuklidGeoR3::intersectPlaneSphere(const TEbenengleichungR3& E, const TKugelR3& K, std::uint8_t& code,
                                        TKreisR3& circle) {
  if (!checkPlaneEquation(E) || !checkSphere(K)) return;
  const TGeradeR3 h = perpendicularFoot(K.center, E);
  TKreisR3 result;
  result.plane = planeToParametric(E);
  result.center = h.point;
  std::uint8_t footCode = linePlane::onePoint;
  intersectLinePlaneEquation(h, E, footCode, result.center);
  result.radius = 0;
  const std::uint8_t rel = pointSphereRelationOf(result.center, K);
  code = rel == pointRound::inside    ? planeSphere::circle
         : rel == pointRound::outside ? planeSphere::none
                                      : planeSphere::touching;
  if (code == planeSphere::circle) {
    std::uint8_t lineCode = lineRound::none;
    TPunktpaarR3 points{result.center, result.center};
    intersectLineSphere({result.center, result.plane.direction1}, K, lineCode, points);
    result.radius = distance(points.first, result.center);
  }
  circle = result;
}

void TEuklidGeoR3::intersectSpheres(const TKugelR3& K1, const TKugelR3& K2, std::uint8_t& relation,
                                    TKreisR3& circle) {
  if (!checkSphere(K1) || !checkSphere(K2)) return;
  const TVektorR3 m1 = K1.center, m2 = K2.center;
  // Every point common to both spheres lies in this plane (the radical plane).
  const TVektorR3 n = multiply(differenceR3(m2, m1), 2);
  const TEbenengleichungR3 E{
      n.x, n.y, n.z, K1.radius * K1.radius - K2.radius * K2.radius - dotProduct(m1, m1) + dotProduct(m2, m2)};
  relation = sphereRelation(K1, K2);
  if (twoRounds::cutsOrTouches(relation)) {
    std::uint8_t code = planeSphere::circle;
    intersectPlaneSphere(E, K1, code, circle);
  }
}

void TEuklidGeoR3::intersectSegmentSphere(const TStreckeR3& s, const TKugelR3& K, std::uint8_t& code,
                                          TPunktpaarR3& points) {
  if (!checkSphere(K) || !checkSegment(s)) return;
  const TVektorR3 A = s.startPoint, B = s.endPoint;
  const std::uint8_t relA = pointSphereRelationOf(A, K);
  const std::uint8_t relB = pointSphereRelationOf(B, K);
  std::uint8_t lineCode = lineRound::none;
  TPunktpaarR3 L;
  intersectLineSphere(lineThroughPoints(A, B), K, lineCode, L);
  auto onSegment = [&](TVektorR3 X) { return pointOnSegment(X, s) == pointOn::on; };

  if (relA == pointRound::inside && relB == pointRound::inside) {
    code = segmentRound::inside;
  } else if ((relA == pointRound::inside && relB == pointRound::outside) ||
             (relA == pointRound::outside && relB == pointRound::inside)) {
    code = segmentRound::oneCrossing;
    const TVektorR3 crossing = onSegment(L.first) ? L.first : L.second;
    points = {crossing, crossing};
  } else if (relA == pointRound::inside ||
             relB == pointRound::inside) {  // the other end lies on the sphere
    code = segmentRound::endOnOtherInside;
    const TVektorR3 end = relA == pointRound::on ? A : B;
    points = {end, end};
  } else if (relA == pointRound::on && relB == pointRound::on) {
    code = segmentRound::bothEndsOn;
    points = L;
  } else if (relA == pointRound::on || relB == pointRound::on) {  // the other end lies outside
    if (lineCode == lineRound::touching) {
      code = segmentRound::endOnAtTangent;
      points = {L.first, L.first};
    } else if (onSegment(L.first) && onSegment(L.second)) {
      code = segmentRound::twoCrossings;
      points = L;
    } else {
      code = segmentRound::endOnLeaving;
      const TVektorR3 end = relA == pointRound::on ? A : B;
      points = {end, end};
    }
  } else if (lineCode == lineRound::none) {  // both ends outside
    code = segmentRound::apart;
  } else if (onSegment(L.first)) {
    code = lineCode == lineRound::touching ? segmentRound::tangent : segmentRound::twoCrossings;
    points = L;
  } else {
    code = segmentRound::apart;
  }
}

// ---------------------------------------------------------------------------
// projections

void TEuklidGeoR3::projectOntoImagePlane(TVektorR3 Z, const TGeradeR3& projecting, TEbeneR3& image) {
  const TVektorR3 n = normalize(Z);
  TVektorR3 e1 = crossProduct({0, 0, 1}, n);
  // Looking along the z axis: any horizontal axis will do.
  if (isNullVectorR3(e1)) e1 = {1, 0, 0};
  // Divided by the length, unlike normalize, which multiplies by its reciprocal:
  // the two differ in the last bit, and every drawn point goes through this axis.
  const Extended len = length(e1);
  e1 = {e1.x / len, e1.y / len, e1.z / len};
  const TVektorR3 e2 = crossProduct(n, e1);
  image = {{0, 0, 0}, e1, e2};
  std::uint8_t code = linePlane::onePoint;
  intersectLinePlane(projecting, image, code, image.point);
}

void TEuklidGeoR3::centralProjection(TVektorR3 X, TVektorR3 eye, TEbeneR3& image) {
  projectOntoImagePlane(eye, lineThroughPoints(eye, X), image);
}

void TEuklidGeoR3::parallelProjection(TVektorR3 X, TVektorR3 direction, TEbeneR3& image) {
  projectOntoImagePlane(direction, {X, direction}, image);
}

// =============================================================================
// TVektorR3Class
// =============================================================================

int TVektorR3Class::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  return static_cast<TVektorR3Class&>(other).vector == vector ? 0 : 2;
}

std::unique_ptr<TBase> TVektorR3Class::copy() { return std::make_unique<TVektorR3Class>(vector); }
