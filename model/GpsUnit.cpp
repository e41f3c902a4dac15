#include "model/GpsUnit.h"

#include <chrono>
#include <cmath>

namespace {

std::int64_t steadyMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TEmpfaenger::TimeSource timeSource = steadyMilliseconds;

}  // namespace

TEmpfaenger::TimeSource TEmpfaenger::setTimeSource(TimeSource source) {
  TimeSource previous = timeSource;
  timeSource = source ? source : steadyMilliseconds;
  return previous;
}

TListenElement* TEmpfaenger::signalAt(int index) {
  clock.signals.setPosition(index - 1);
  return static_cast<TListenElement*>(clock.signals.getElem());
}

void TEmpfaenger::loadSpheres(int startIndex) {
  for (int i = 1; i <= 4; ++i) {
    const TListenElement* e = signalAt(startIndex + i);
    if (!e) return;  // callers keep startIndex + 4 <= signalCount
    spheres[i].center = e->position;
    spheres[i].radius = e->runTime * TUhr::signalSpeed;
  }
}

void TEmpfaenger::adjustRadii(long double delta) {
  for (int i = 1; i <= 4; ++i) spheres[i].radius += delta;
}

namespace {

using G = TEuklidGeoR3;

bool cutsOrTouches(std::uint8_t relation) { return relation == 2 || relation == 4 || relation == 5; }

// The plane of the circle in which two spheres meet, as intersectSpheres gives it:
// the radical plane, in the parametric form of planeToParametric. The same
// arithmetic, without the circle's centre and radius, which the fix never reads.
TEbeneR3 radicalPlane(const TKugelR3& K1, const TKugelR3& K2) {
  const TVektorR3 m1 = K1.center, m2 = K2.center;
  const TVektorR3 n = G::multiply(G::differenceR3(m2, m1), 2);
  const long double d =
      K1.radius * K1.radius - K2.radius * K2.radius - G::dotProduct(m1, m1) + G::dotProduct(m2, m2);
  if (n.x != 0) return {{d / n.x, 0, 0}, {-n.y / n.x, 1, 0}, {-n.z / n.x, 0, 1}};
  if (n.y != 0) return {{0, d / n.y, 0}, {1, 0, 0}, {0, -n.z / n.y, 1}};
  return {{0, 0, d / n.z}, {1, 0, 0}, {0, 1, 0}};
}

// intersectPlanes for two planes of that form (whose directions are independent by
// construction): true with the line when they meet in exactly one line.
bool meetInALine(const TEbeneR3& E1, const TEbeneR3& E2, TGeradeR3& line) {
  const TVektorR3 n = G::crossProduct(E1.direction1, E1.direction2);
  const long double d = G::dotProduct(n, E1.point);
  const TVektorR3 P = E2.point, u = E2.direction1, v = E2.direction2;
  const long double alpha = G::dotProduct(n, u);
  const long double beta = G::dotProduct(n, v);
  const long double gamma = d - G::dotProduct(n, P);
  if (G::isZero(alpha)) {
    if (G::isZero(beta)) return false;
    line = {G::sum(P, G::multiply(v, gamma / beta)), u};
    return true;
  }
  line = {G::sum(P, G::multiply(u, gamma / alpha)), G::sum(v, G::multiply(u, -beta / alpha))};
  return true;
}

}  // namespace

void TEmpfaenger::intersectThreeSpheres(TVektorR3& point) {
  // A sphere whose radius a correction made zero or negative fails the check of
  // intersectSpheres; spheres without a common circle leave nothing to intersect.
  if (spheres[1].radius <= 0 || spheres[2].radius <= 0 || spheres[3].radius <= 0 ||
      !cutsOrTouches(G::sphereRelation(spheres[1], spheres[2])) ||
      !cutsOrTouches(G::sphereRelation(spheres[1], spheres[3]))) {
    failed = true;
    return;
  }
  TGeradeR3 line{};
  if (!meetInALine(radicalPlane(spheres[1], spheres[2]), radicalPlane(spheres[1], spheres[3]),
                   line) ||
      G::isNullVectorR3(line.direction)) {
    failed = true;
    return;
  }
  std::uint8_t pointCode = 0;
  TPunktpaarR3 candidates{};
  geo.intersectLineSphere(line, spheres[1], pointCode, candidates);
  if (pointCode == 0) {
    failed = true;
    return;
  }
  // The mirror image far out in space is no position on the earth.
  const long double d1 = G::distance(candidates.first, clock.earthCenter);
  const long double d2 = G::distance(candidates.second, clock.earthCenter);
  point = d1 < d2 ? candidates.first : candidates.second;
}

void TEmpfaenger::determinePosition(int startIndex, TVektorR3& point) {
  loadSpheres(startIndex);
  failed = false;
  bool done = false;
  long double totalCorrection = 0;
  const std::int64_t start = timeSource();
  do {
    intersectThreeSpheres(point);
    if (failed) break;
    const long double mismatch = spheres[4].radius - geo.distance(spheres[4].center, point);
    if (std::fabs(mismatch) <= tolerance) {
      done = true;  // a found position counts, however long it took
      break;
    }
    adjustRadii(-mismatch / 2);
    totalCorrection += -mismatch / 2;
    if (std::fabs(totalCorrection) > runawayCorrection) {
      failed = true;
      break;
    }
    if ((timeSource() - start) / 1000 > timeLimitSeconds) failed = true;
  } while (!done && !failed);
}
