#pragma once
#include "platform/extended.h"

#include <array>
#include <cstdint>

#include "geometry/vektorR3clss.h"
#include "model/uhrunit.h"

// How a fix with one window of four signals ended.
enum class FixOutcome : std::uint8_t {
  converged,           // the candidate lies on the fourth sphere within the tolerance
  noCircle12,          // spheres 1 and 2 have no common circle
  noCircle13,          // spheres 1 and 3 have no common circle
  intersectionFailed,  // a radius fell to 0, the planes do not meet in a line, or the line misses sphere 1
  runaway,             // the correction grew beyond any clock error
  timeLimit,           // more than the allowed whole seconds elapsed
};

// What a fix reports beyond `failed`: how it ended, how many intersections it tried,
// the sum of the corrections it gave every radius, and the fourth sphere's mismatch
// of each iteration that found a candidate, written into the caller's buffer up to
// its capacity (the loop itself never allocates).
struct FixTrace {
  FixOutcome outcome = FixOutcome::converged;
  std::uint32_t iterations = 0;
  Extended correction = 0;  // km, the common correction of the four radii
  Extended* mismatches = nullptr;
  std::uint32_t capacity = 0;
  std::uint32_t recorded = 0;
};

// The receiver clock's offset that a four-sphere fix measured. The fictive run times
// are the measured ones less (firstRunTime - 70 ms); the common correction of the
// radii gives back all of that but what the clock itself is off, so
//   offset = firstRunTime - (70 ms + correction / signal speed),
// 0 up to the rounding to whole nanoseconds when the clock is right.
struct ClockOffset {
  Extended ns = 0;
  Extended metres = 0;  // the same at the signal speed
};
// firstRunTime: the measured run time (ns) of the list's first signal, whatever window
// converged.
ClockOffset clockOffset(std::int32_t firstRunTime, const FixTrace& trace);

// The GPS receiver. From four signals it builds four spheres whose radii share the
// clock's unknown error, intersects the first three and corrects all radii by the
// same amount until the candidate lies on the fourth sphere.
class TEmpfaenger {
 public:
  static constexpr Extended tolerance = 0.00001L;  // km: 1 cm on the fourth sphere
  static constexpr int timeLimitSeconds = 2;          // more whole seconds end the fix
  // The clock error a correction stands for can not exceed the spread of the run
  // times (about 20 ms); a total correction beyond 100 ms of signal travel means the
  // radii run away and the window will never converge.
  static constexpr Extended runawayCorrection = 30000.0L;  // km

  // Milliseconds of a monotonic clock; replaceable so that tests can make time pass.
  using TimeSource = std::int64_t (*)();
  static TimeSource setTimeSource(TimeSource source);

  TEmpfaenger() = default;

  std::uint16_t signalCount() const { return clock.signals.count(); }
  // The signal at 1-based position `index`; nothing past the end.
  TListenElement* signalAt(int index);

  void loadSpheres(int startIndex);
  void adjustRadii(Extended delta);
  // One intersection of spheres 1, 2 and 3, the one nearer the earth's centre;
  // sets `failed` when there is none and leaves `point` alone.
  void intersectThreeSpheres(TVektorR3& point);
  // The iterative fix with signals startIndex + 1 .. startIndex + 4.
  void determinePosition(int startIndex, TVektorR3& point);
  // The same, telling in `trace` how it went.
  void determinePosition(int startIndex, TVektorR3& point, FixTrace& trace);

  bool failed = false;
  TUhr clock;
  std::array<TKugelR3, 5> spheres{};  // 1..4, entry 0 unused

 private:
  struct Prepared;
  FixOutcome intersectPrepared(const Prepared& fixed, TVektorR3& point) const;

  TEuklidGeoR3 geo{false};
};
