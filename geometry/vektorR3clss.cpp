#include "geometry/vektorR3clss.h"

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

inline long double snapped(long double a) noexcept { return TEuklidGeo::isZero(a) ? 0.0L : a; }

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

long double TEuklidGeoR3::length(TVektorR3 v) noexcept { return std::sqrt(dotProduct(v, v)); }

TVektorR3 TEuklidGeoR3::normalize(TVektorR3 v) noexcept {
  if (isNullVectorR3(v)) return v;
  return multiply(v, 1.0L / length(v));
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

TMatrixR3 TEuklidGeoR3::rotationMatrixX(long double angle) noexcept {
  const long double c = std::cos(angle), s = std::sin(angle);
  return {1, 0, 0, 0, c, s, 0, -s, c};
}

TMatrixR3 TEuklidGeoR3::rotationMatrixY(long double angle) noexcept {
  const long double c = std::cos(angle), s = std::sin(angle);
  return {c, 0, -s, 0, 1, 0, s, 0, c};
}

TMatrixR3 TEuklidGeoR3::rotationMatrixZ(long double angle) noexcept {
  const long double c = std::cos(angle), s = std::sin(angle);
  return {c, s, 0, -s, c, 0, 0, 0, 1};
}

TMatrixR3 TEuklidGeoR3::rotationMatrixAxis(TVektorR3 axis, long double angle) noexcept {
  const TVektorR3 n = normalize(axis);
  const long double c = std::cos(angle), s = std::sin(angle), C = 1 - c;
  return {n.x * n.x * C + c,       n.x * n.y * C - s * n.z, n.x * n.z * C + s * n.y,
          n.x * n.y * C + s * n.z, n.y * n.y * C + c,       n.y * n.z * C - s * n.x,
          n.x * n.z * C - s * n.y, n.y * n.z * C + s * n.x, n.z * n.z * C + c};
}

TVektorR3 TEuklidGeoR3::matrixTimesVector(const TMatrixR3& m, TVektorR3 v) noexcept {
  return {dotProduct({m.e1, m.e4, m.e7}, v), dotProduct({m.e2, m.e5, m.e8}, v),
          dotProduct({m.e3, m.e6, m.e9}, v)};
}

TVektorR3 TEuklidGeoR3::rotateX(TVektorR3 v, long double angle) noexcept {
  TVektorR3 r = matrixTimesVector(rotationMatrixX(angle), v);
  r.y = snapped(r.y);
  r.z = snapped(r.z);
  return r;
}

TVektorR3 TEuklidGeoR3::rotateY(TVektorR3 v, long double angle) noexcept {
  TVektorR3 r = matrixTimesVector(rotationMatrixY(angle), v);
  r.x = snapped(r.x);
  r.z = snapped(r.z);
  return r;
}

TVektorR3 TEuklidGeoR3::rotateZ(TVektorR3 v, long double angle) noexcept {
  TVektorR3 r = matrixTimesVector(rotationMatrixZ(angle), v);
  r.x = snapped(r.x);
  r.y = snapped(r.y);
  return r;
}

TVektorR3 TEuklidGeoR3::rotateAroundAxis(TVektorR3 v, TVektorR3 axis, long double angle) noexcept {
  TVektorR3 r = matrixTimesVector(rotationMatrixAxis(axis, angle), v);
  r.x = snapped(r.x);
  r.y = snapped(r.y);
  r.z = snapped(r.z);
  return r;
}
