#include "geometry/vektorR2clss.h"
#include "platform/extended.h"

#include <algorithm>
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
    {2, "Nicht alle Koeffizienten der linken Seite einer Geradengleichung dürfen 0 sein"},
    {3, "Der Richtungsvektor einer Geraden darf nicht der Nullvektor sein bzw. die Punkte, welche die Gerade festlegen, müssen verschieden sein"},
    {4, "Der Normalenvektor hat nicht die Länge 1"},
    {5, "Nullvektor nicht erlaubt"},
    {6, "Für eine Strecke werden zwei verschiedene Punkte benötigt"},
    {7, "Die angegebenen Punkte erzeugen keinen eindeutigen Kreis"},
    {8, "Es dürfen keine identischen Punkte vorkommen"},
    {9, "Die angegebenen Punkte erzeugen kein Dreieck"},
    {10, "Der Richtungsvektor einer Halbgeraden darf nicht der Nullvektor sein bzw. die Punkte, welche die Halbgerade festlegen, müssen verschieden sein"},
    {11, "Die Liste muss mehr als einen Punkt enthalten"},
    {12, "Die Liste muss mindestens zwei verschiedene Punkte enthalten"},
    {13, "Die Punkte dürfen nicht alle auf einer Geraden liegen"},
    {14, "Die Punkte müssen alle verschieden sein"},
    {15, "Die verbindenden Kanten sind nicht überschneidungsfrei"},
    {16, "Ein Polygon hat mindestens 3 Ecken"},
    {17, "Die beiden Punkte definieren kein Rechteck"},
    {19, "Achsenlängen müssen positiv sein"},
    {20, "Die Punkte definieren keine Ellipse"},
    {21, "Die angegebenen Parameter definieren keine Ellipse"},
    {22, "Die angegebenen Parameter definieren keinen Kreis"},
    {23, "Die Brennpunkte müssen in einer Koordinate übereinstimmen und in einer Koordinate verschieden sein"},
    {24, "Die Hauptachse muss länger als der halbe Abstand zwischen den Brennpunkten sein"},
    {25, "Es existiert keine Winkelhalbierende, da die Geraden echt parallel oder identisch sind"},
};

}  // namespace

// ---------------------------------------------------------------------------
// TEuklidGeo

bool TEuklidGeo::areIndependent(TVektorR3 u, TVektorR3 v, Extended& lambda) noexcept {
  if (isNullVectorR3(u) || isNullVectorR3(v)) return false;
  bool dependent;
  // Divide by the first component of v that is not zero; v is not null, so one is.
  if (!isZero(v.x)) {
    lambda = u.x / v.x;
    dependent = sameValue(u.y, lambda * v.y) && sameValue(u.z, lambda * v.z);
  } else if (!isZero(v.y)) {
    lambda = u.y / v.y;
    dependent = sameValue(u.x, lambda * v.x) && sameValue(u.z, lambda * v.z);
  } else {
    lambda = u.z / v.z;
    dependent = sameValue(u.x, lambda * v.x) && sameValue(u.y, lambda * v.y);
  }
  return !dependent;
}

// ---------------------------------------------------------------------------
// TEuklidGeoR2: errors

const char* TEuklidGeoR2::messageText(int code) noexcept {
  for (const Message& m : kMessages)
    if (m.code == code) return m.text;
  return "";
}

void TEuklidGeoR2::reportError(int code) {
  lastError_ = messageText(code);
  if (showErrors_) platform::showMessage(platform::MessageKind::Error, std::string(lastError_));
}

// ---------------------------------------------------------------------------
// TEuklidGeoR2: checks

namespace {
constexpr int kBadRadius = 1;
constexpr int kBadLineEquation = 2;
constexpr int kBadLine = 3;
constexpr int kBadSegment = 6;
}  // namespace

using namespace geocode;

bool TEuklidGeoR2::checkCircle(const TKreisR2& k) {
  if (k.radius > 0) return true;
  reportError(kBadRadius);
  return false;
}

bool TEuklidGeoR2::checkLineEquation(const TGeradengleichungR2& g) {
  if (g.a != 0 || g.b != 0) return true;
  reportError(kBadLineEquation);
  return false;
}

bool TEuklidGeoR2::checkLineR2(const TGeradeR2& g) {
  if (g.direction.x != 0 || g.direction.y != 0) return true;
  reportError(kBadLine);
  return false;
}

bool TEuklidGeoR2::checkSegmentR2(const TStreckeR2& s) {
  if (!samePointR2(s.startPoint, s.endPoint)) return true;
  reportError(kBadSegment);
  return false;
}

// ---------------------------------------------------------------------------
// TEuklidGeoR2: vectors and lines

Extended TEuklidGeoR2::lengthR2(TVektorR2 v) noexcept { return std::sqrt(dotProductR2(v, v)); }

TMatrixR2 TEuklidGeoR2::rotationMatrixR2(Extended angle) noexcept {
  const Extended c = std::cos(angle), s = std::sin(angle);
  return {c, s, -s, c};
}

TGeradeR2 TEuklidGeoR2::lineThroughPointsR2(TVektorR2 P, TVektorR2 Q) {
  const TGeradeR2 g{P, differenceR2(Q, P)};
  checkLineR2(g);
  return g;
}

TGeradeR2 TEuklidGeoR2::lineEquationToParametricOf(const TGeradengleichungR2& g) noexcept {
  if (g.a == 0) return {{0, g.c / g.b}, {1, 0}};
  if (g.b == 0) return {{g.c / g.a, 0}, {0, 1}};
  return {{0, g.c / g.b}, {1, -g.a / g.b}};
}

TGeradeR2 TEuklidGeoR2::lineEquationToParametric(const TGeradengleichungR2& g) {
  if (!checkLineEquation(g)) return {};
  return lineEquationToParametricOf(g);
}

// ---------------------------------------------------------------------------
// TEuklidGeoR2: relations

std::uint8_t TEuklidGeoR2::pointCircleRelationOf(TVektorR2 X, const TKreisR2& k) noexcept {
  const Extended d = distanceR2(X, k.center);
  // Deliberately the relative test, not isEqual.
  if (sameValue(d, k.radius)) return pointRound::on;
  return k.radius > d ? pointRound::inside : pointRound::outside;
}

std::uint8_t TEuklidGeoR2::pointCircleRelation(TVektorR2 X, const TKreisR2& k) {
  if (!checkCircle(k)) return pointRound::outside;
  return pointCircleRelationOf(X, k);
}

std::uint8_t TEuklidGeoR2::circleRelationOf(const TKreisR2& k1, const TKreisR2& k2) noexcept {
  const Extended d = distanceR2(k1.center, k2.center);
  const Extended r1 = k1.radius, r2 = k2.radius;
  if (isZero(d)) return r1 == r2 ? twoRounds::identical : twoRounds::concentric;
  if (d < std::fabs(r1 - r2)) return twoRounds::oneInside;
  if (d == std::fabs(r1 - r2)) return twoRounds::touchingInside;
  if (d < r1 + r2) return twoRounds::cutting;
  if (d == r1 + r2) return twoRounds::touchingOutside;
  return twoRounds::apart;
}

std::uint8_t TEuklidGeoR2::circleRelation(const TKreisR2& k1, const TKreisR2& k2) {
  const bool valid1 = checkCircle(k1);
  const bool valid2 = checkCircle(k2);
  if (!valid1 || !valid2) return twoRounds::apart;
  return circleRelationOf(k1, k2);
}

void TEuklidGeoR2::radicalLine(const TKreisR2& k1, const TKreisR2& k2, std::uint8_t& relation,
                               TGeradengleichungR2& g) {
  if (!checkCircle(k1) || !checkCircle(k2)) return;
  const TVektorR2 m1 = k1.center, m2 = k2.center;
  g.a = 2 * (m2.x - m1.x);
  g.b = 2 * (m2.y - m1.y);
  g.c = k1.radius * k1.radius - k2.radius * k2.radius - dotProductR2(m1, m1) + dotProductR2(m2, m2);
  relation = circleRelationOf(k1, k2);
}

std::uint8_t TEuklidGeoR2::pointSegmentRelationOf(TVektorR2 X, const TStreckeR2& s) noexcept {
  const TVektorR2 A = s.startPoint, B = s.endPoint;
  // Not normalised: the collinearity tolerance grows with the segment's length.
  const Extended cr = (B.x - A.x) * (X.y - A.y) - (X.x - A.x) * (B.y - A.y);
  if (cr < -geometry_tolerance::equal) return pointSegment::rightOf;
  if (cr > geometry_tolerance::equal) return pointSegment::leftOf;
  const Extended t = B.x == A.x ? (X.y - A.y) / (B.y - A.y) : (X.x - A.x) / (B.x - A.x);
  if (t < -geometry_tolerance::equal) return pointSegment::beforeStart;
  // 1 + 1e-10 as it always was written; the sum could differ from it in the last bit.
  if (t > Extended(1.0000000001L) + (geometry_tolerance::scale - 1) * Extended(1e-10L))
    return pointSegment::beyondEnd;
  return pointSegment::on;
}

std::uint8_t TEuklidGeoR2::pointSegmentRelation(TVektorR2 X, const TStreckeR2& s) {
  if (!checkSegmentR2(s)) return pointSegment::invalid;
  return pointSegmentRelationOf(X, s);
}

// ---------------------------------------------------------------------------
// TEuklidGeoR2: intersections

void TEuklidGeoR2::intersectLineCircleOf(const TGeradeR2& g, const TKreisR2& k, std::uint8_t& code,
                                         TPunktpaarR2& points) noexcept {
  const TVektorR2 u = g.direction;
  const TVektorR2 w = differenceR2(g.point, k.center);
  const Extended A = dotProductR2(u, u);
  const Extended p = 2 * dotProductR2(w, u) / A;
  const Extended q = (dotProductR2(w, w) - k.radius * k.radius) / A;
  Extended D = p * p / 4 - q;
  // Unlike the spatial version a slightly negative D already means "no point".
  if (D < 0) {
    code = lineRound::none;
    return;
  }
  if (isEqual(D, 0)) {
    code = lineRound::touching;
    D = 0;
  } else {
    code = lineRound::twoPoints;
  }
  const Extended root = std::sqrt(D);
  const Extended t1 = -p / 2 + root, t2 = -p / 2 - root;
  points.first = {g.point.x + t1 * u.x, g.point.y + t1 * u.y};
  points.second = {g.point.x + t2 * u.x, g.point.y + t2 * u.y};
}

void TEuklidGeoR2::intersectLineCircle(const TGeradeR2& g, const TKreisR2& k, std::uint8_t& code,
                                       TPunktpaarR2& points) {
  if (!checkLineR2(g) || !checkCircle(k)) return;
  intersectLineCircleOf(g, k, code, points);
}

void TEuklidGeoR2::intersectCircles(const TKreisR2& k1, const TKreisR2& k2, std::uint8_t& relation,
                                    TPunktpaarR2& points) {
  if (!checkCircle(k1) || !checkCircle(k2)) return;
  std::uint8_t rel = 0;
  TGeradengleichungR2 g;
  radicalLine(k1, k2, rel, g);
  relation = rel;
  if (twoRounds::cutsOrTouches(rel)) {
    // The centres differ for these relations, so the radical line is valid.
    std::uint8_t lineCode = lineRound::none;
    intersectLineCircleOf(lineEquationToParametricOf(g), k1, lineCode, points);
  }
}

void TEuklidGeoR2::intersectSegmentCircle(const TStreckeR2& s, const TKreisR2& k, std::uint8_t& code,
                                          TPunktpaarR2& points) {
  if (!checkCircle(k) || !checkSegmentR2(s)) return;
  const TVektorR2 A = s.startPoint, B = s.endPoint;
  const std::uint8_t relA = pointCircleRelationOf(A, k);
  const std::uint8_t relB = pointCircleRelationOf(B, k);
  std::uint8_t lineCode = lineRound::none;
  TPunktpaarR2 L;
  // The segment is valid, so its line has a direction.
  intersectLineCircleOf({A, differenceR2(B, A)}, k, lineCode, L);
  auto onSegment = [&](TVektorR2 X) { return pointSegmentRelationOf(X, s) == pointSegment::on; };

  if (relA == pointRound::inside && relB == pointRound::inside) {
    code = segmentRound::inside;
  } else if ((relA == pointRound::inside && relB == pointRound::outside) ||
             (relA == pointRound::outside && relB == pointRound::inside)) {
    code = segmentRound::oneCrossing;
    const TVektorR2 crossing = onSegment(L.first) ? L.first : L.second;
    points = {crossing, crossing};
  } else if (relA == pointRound::inside ||
             relB == pointRound::inside) {  // the other end lies on the circle
    code = segmentRound::endOnOtherInside;
    const TVektorR2 end = relA == pointRound::on ? A : B;
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
      const TVektorR2 p = onSegment(L.first) ? L.first : L.second;
      points = {p, p};
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
