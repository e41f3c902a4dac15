#include "geometry/vektorR2clss.h"

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

bool TEuklidGeo::isZero(long double a) noexcept {
  return std::fabs(a) <= geometry_tolerance::zero;
}

bool TEuklidGeo::sameValue(long double a, long double b) noexcept {
  const long double tolerance =
      std::max(std::min(std::fabs(a), std::fabs(b)) * geometry_tolerance::zero,
               geometry_tolerance::zero);
  return std::fabs(a - b) <= tolerance;
}

bool TEuklidGeo::isEqual(long double a, long double b) noexcept {
  return std::fabs(a - b) <= geometry_tolerance::equal;
}

bool TEuklidGeo::isNullVectorR2(TVektorR2 v) noexcept { return isZero(v.x) && isZero(v.y); }

bool TEuklidGeo::isNullVectorR3(TVektorR3 v) noexcept {
  return isZero(v.x) && isZero(v.y) && isZero(v.z);
}

bool TEuklidGeo::areIndependent(TVektorR3 u, TVektorR3 v, long double& lambda) noexcept {
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
