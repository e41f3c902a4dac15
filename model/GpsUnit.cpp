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

void TEmpfaenger::intersectThreeSpheres(TVektorR3& point) {
  std::uint8_t relation12 = 0;
  std::uint8_t relation13 = 0;
  TKreisR3 circle12{};
  TKreisR3 circle13{};
  geo.intersectSpheres(spheres[1], spheres[2], relation12, circle12);
  geo.intersectSpheres(spheres[1], spheres[3], relation13, circle13);
  // Without a common circle (or touching point) there is nothing to intersect.
  const auto meets = [](std::uint8_t r) { return r == 2 || r == 4 || r == 5; };
  if (!meets(relation12) || !meets(relation13)) {
    failed = true;
    return;
  }
  std::uint8_t lineCode = 0;
  TGeradeR3 line{};
  geo.intersectPlanes(circle12.plane, circle13.plane, lineCode, line);
  if (lineCode != 2) {
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
  const long double d1 = geo.distance(candidates.first, clock.earthCenter);
  const long double d2 = geo.distance(candidates.second, clock.earthCenter);
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
