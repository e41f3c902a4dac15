#include "model/GpsUnit.h"
#include "platform/extended.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace {

// The fix looks at the clock in every iteration, for a limit of whole seconds. Where
// there is a coarse monotonic clock (a few milliseconds fine) it is read from memory,
// several times faster than the precise one, which costs a tenth of an iteration.
std::int64_t steadyMilliseconds() {
#if defined(__linux__) && defined(CLOCK_MONOTONIC_COARSE)
  timespec t{};
  if (clock_gettime(CLOCK_MONOTONIC_COARSE, &t) == 0)
    return std::int64_t(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
#endif
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TEmpfaenger::TimeSource timeSource = steadyMilliseconds;

}  // namespace

ClockOffset clockOffset(std::int32_t firstRunTime, const FixTrace& trace) {
  ClockOffset b;
  // The integer part first: the difference of two offsets is then exact.
  b.ns = static_cast<Extended>(firstRunTime - TUhr::fictiveRunTime) -
         trace.correction / TUhr::signalSpeed;
  b.metres = b.ns * TUhr::signalSpeed * 1000;
  return b;
}

TEmpfaenger::TimeSource TEmpfaenger::setTimeSource(TimeSource source) {
  TimeSource previous = timeSource;
  timeSource = source ? source : steadyMilliseconds;
  return previous;
}

TListenElement* TEmpfaenger::signalAt(int index) {
  for (TListenElement& e : clock.signals.elements<TListenElement>())
    if (--index == 0) return &e;
  return nullptr;
}

void TEmpfaenger::loadSpheres(int startIndex) {
  for (int i = 1; i <= 4; ++i) {
    const TListenElement* e = signalAt(startIndex + i);
    if (!e) return;  // callers keep startIndex + 4 <= signalCount
    spheres[i].center = e->position;
    spheres[i].radius = e->runTime * TUhr::signalSpeed;
  }
}

void TEmpfaenger::adjustRadii(Extended delta) {
  for (int i = 1; i <= 4; ++i) spheres[i].radius += delta;
}

namespace {

using G = TEuklidGeoR3;

// The calculator's isEqual and distance, written out so that the innermost loop
// makes no calls; the arithmetic is the same.
inline bool same(Extended a, Extended b) {
  return std::fabs(a - b) <= geometry_tolerance::equal;
}
inline Extended distanceOf(TVektorR3 p, TVektorR3 q) {
  const TVektorR3 d = G::differenceR3(p, q);
  return std::sqrt(G::dotProduct(d, d));
}

// The relation of two spheres as sphereRelation gives it, from the distance of
// their centres.
inline std::uint8_t relationAt(Extended d, Extended r1, Extended r2) {
  using namespace geocode::twoRounds;
  if (same(d, 0)) return same(r1, r2) ? identical : concentric;
  if (same(d, std::fabs(r1 - r2))) return touchingInside;
  if (d < std::fabs(r1 - r2)) return oneInside;
  if (same(d, r1 + r2)) return touchingOutside;
  if (d < r1 + r2) return cutting;
  return apart;
}

using geocode::twoRounds::cutsOrTouches;

// The radical plane of sphere 1 and sphere k in the parametric form of
// planeToParametric, split into what depends on the centres alone and the plane
// point, which moves with the radii.
struct RadicalPlane {
  Extended centreDistance = 0;
  TVektorR3 n{};  // 2 (m_k - m_1)
  Extended m1m1 = 0, mkmk = 0;
  TVektorR3 direction1{}, direction2{};

  RadicalPlane(const TKugelR3& K1, const TKugelR3& Kk) {
    const TVektorR3 m1 = K1.center, mk = Kk.center;
    centreDistance = G::distance(m1, mk);
    n = G::multiply(G::differenceR3(mk, m1), 2);
    m1m1 = G::dotProduct(m1, m1);
    mkmk = G::dotProduct(mk, mk);
    if (n.x != 0) {
      direction1 = {-n.y / n.x, 1, 0};
      direction2 = {-n.z / n.x, 0, 1};
    } else if (n.y != 0) {
      direction1 = {1, 0, 0};
      direction2 = {0, -n.z / n.y, 1};
    } else {
      direction1 = {1, 0, 0};
      direction2 = {0, 1, 0};
    }
  }
  TVektorR3 point(Extended r1, Extended rk) const {
    const Extended d = r1 * r1 - rk * rk - m1m1 + mkmk;
    if (n.x != 0) return {d / n.x, 0, 0};
    if (n.y != 0) return {0, d / n.y, 0};
    return {0, 0, d / n.z};
  }
};

}  // namespace

// Everything of the three-sphere intersection that depends on the centres alone:
// the fix changes only the radii, so this is worked out once per window. Each
// iteration then does the remaining steps of intersectSpheres, intersectPlanes and
// intersectLineSphere with the same operations, and so gets their results to the
// last bit, without the circles' centres and radii, which the fix never reads.
struct TEmpfaenger::Prepared {
  RadicalPlane plane12, plane13;
  TVektorR3 normal12{};  // normal of plane 12 as parametricToPlane computes it
  Extended alpha = 0, beta = 0;
  bool planesMeet = false;
  TVektorR3 lineDirection{};
  Extended lineDirectionSquared = 0;

  explicit Prepared(const std::array<TKugelR3, 5>& s) : plane12(s[1], s[2]), plane13(s[1], s[3]) {
    normal12 = G::crossProduct(plane12.direction1, plane12.direction2);
    alpha = G::dotProduct(normal12, plane13.direction1);
    beta = G::dotProduct(normal12, plane13.direction2);
    planesMeet = !(G::isZero(alpha) && G::isZero(beta));
    if (G::isZero(alpha))
      lineDirection = plane13.direction1;
    else
      lineDirection = G::sum(plane13.direction2, G::multiply(plane13.direction1, -beta / alpha));
    planesMeet = planesMeet && !G::isNullVectorR3(lineDirection);
    lineDirectionSquared = G::dotProduct(lineDirection, lineDirection);
  }
};

FixOutcome TEmpfaenger::intersectPrepared(const Prepared& f, TVektorR3& point) const {
  const Extended r1 = spheres[1].radius, r2 = spheres[2].radius, r3 = spheres[3].radius;
  // A radius that a correction made zero or negative fails the sphere check; spheres
  // without a common circle leave nothing to intersect.
  if (r1 <= 0 || r2 <= 0 || r3 <= 0) return FixOutcome::intersectionFailed;
  if (!cutsOrTouches(relationAt(f.plane12.centreDistance, r1, r2))) return FixOutcome::noCircle12;
  if (!cutsOrTouches(relationAt(f.plane13.centreDistance, r1, r3))) return FixOutcome::noCircle13;
  if (!f.planesMeet) return FixOutcome::intersectionFailed;

  // The line in which the two planes meet.
  const TVektorR3 P12 = f.plane12.point(r1, r2), P13 = f.plane13.point(r1, r3);
  const Extended gamma = G::dotProduct(f.normal12, P12) - G::dotProduct(f.normal12, P13);
  const TVektorR3 linePoint = G::isZero(f.alpha)
                                  ? G::sum(P13, G::multiply(f.plane13.direction2, gamma / f.beta))
                                  : G::sum(P13, G::multiply(f.plane13.direction1, gamma / f.alpha));

  // Where it meets sphere 1: t^2 + p t + q = 0 for linePoint + t * direction.
  const TVektorR3 u = f.lineDirection;
  const TVektorR3 w = G::differenceR3(linePoint, spheres[1].center);
  const Extended A = f.lineDirectionSquared;
  const Extended p = 2 * G::dotProduct(u, w) / A;
  const Extended q = (G::dotProduct(w, w) - r1 * r1) / A;
  Extended D = p * p / 4 - q;
  if (same(D, 0)) D = 0;
  if (D < 0) return FixOutcome::intersectionFailed;
  const Extended root = std::sqrt(D);
  const Extended t1 = -p / 2 + root, t2 = -p / 2 - root;
  const TVektorR3 first = G::sum(G::multiply(u, t1), linePoint);
  const TVektorR3 second = G::sum(G::multiply(u, t2), linePoint);

  // The mirror image far out in space is no position on the earth.
  // sqrt is monotonic and correctly rounded: squares apart by far more than an ulp
  // order the distances as the roots would. Only near a tie may the rounded roots be
  // equal (then the second is taken), so there they are compared as they always were.
  const TVektorR3 e1 = G::differenceR3(first, clock.earthCenter);
  const TVektorR3 e2 = G::differenceR3(second, clock.earthCenter);
  const Extended s1 = G::dotProduct(e1, e1), s2 = G::dotProduct(e2, e2);
  constexpr Extended apart = 1 - 0x1p-40L;
  if (s1 < s2 * apart)
    point = first;
  else if (s2 < s1 * apart)
    point = second;
  else
    point = std::sqrt(s1) < std::sqrt(s2) ? first : second;
  return FixOutcome::converged;
}

void TEmpfaenger::intersectThreeSpheres(TVektorR3& point) {
  if (intersectPrepared(Prepared(spheres), point) != FixOutcome::converged) failed = true;
}

void TEmpfaenger::determinePosition(int startIndex, TVektorR3& point) {
  FixTrace trace;
  determinePosition(startIndex, point, trace);
}

void TEmpfaenger::determinePosition(int startIndex, TVektorR3& point, FixTrace& trace) {
  loadSpheres(startIndex);
  failed = false;
  trace.iterations = 0;
  trace.recorded = 0;
  Extended totalCorrection = 0;  // a local: the mismatch buffer might alias the trace
  const Prepared fixed(spheres);  // the centres stay; only the radii change
  const std::int64_t start = timeSource();
  for (;;) {
    ++trace.iterations;
    if (const FixOutcome o = intersectPrepared(fixed, point); o != FixOutcome::converged) {
      trace.outcome = o;
      break;
    }
    const Extended mismatch = spheres[4].radius - distanceOf(spheres[4].center, point);
    if (trace.recorded < trace.capacity) trace.mismatches[trace.recorded++] = mismatch;
    if (std::fabs(mismatch) <= tolerance) {
      trace.outcome = FixOutcome::converged;  // a found position counts, however long it took
      trace.correction = totalCorrection;
      return;
    }
    adjustRadii(-mismatch / 2);
    totalCorrection += -mismatch / 2;
    if (std::fabs(totalCorrection) > runawayCorrection) {
      trace.outcome = FixOutcome::runaway;
      break;
    }
    if ((timeSource() - start) / 1000 > timeLimitSeconds) {
      trace.outcome = FixOutcome::timeLimit;
      break;
    }
  }
  trace.correction = totalCorrection;
  failed = true;
}
