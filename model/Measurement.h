#pragma once
#include "platform/extended.h"

// One complete measurement of a receiver standing at a known place: the signals with
// the errors of the switched-on sources, the four-sphere fix over the windows the
// lesson tries, and the least-squares fix over every signal. The lesson makes one per
// determination; the scatter view makes a thousand at one instant.

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>

#include "geometry/vektorR3clss.h"
#include "model/ErrorSources.h"
#include "model/GpsUnit.h"
#include "model/LeastSquares.h"
#include "model/SkyGeometry.h"
#include "model/satellitUnit.h"

// Told about each window of four signals that the four-sphere fix tries.
class WindowRecorder {
 public:
  virtual ~WindowRecorder() = default;
  // Before the window of signals start + 1 .. start + 4: the trace for the fix to fill;
  // a buffer it points to belongs to the recorder.
  virtual FixTrace begin(std::int32_t start) = 0;
  // After it, with the trace filled.
  virtual void end(std::int32_t start, const FixTrace& trace) = 0;
};

struct FourSphereFix {
  bool found = false;
  std::int32_t windowsTried = 0;  // 0 with fewer than four signals
  std::int32_t window = -1;       // start of the window that converged, or of the last tried
  TVektorR3 position{};           // km, when found
  Extended correction = 0;     // km, the common correction of the radii (last window)
  ClockOffset clock{};            // when found
};

// Windows of four consecutive signals, nearest first, until one converges: the four
// spheres exactly as the lesson runs them, on a receiver whose clock is filled. Leaves
// the receiver as the lesson leaves it (windowStart one past the last window tried).
// firstRunTime: the first signal's measured run time, for the clock offset.
FourSphereFix tryWindows(TEmpfaenger& receiver, std::int32_t firstRunTime,
                         WindowRecorder* recorder = nullptr);

struct MeasuredSignal {
  std::int32_t number = 0;       // satellite 1..24
  TVektorR3 position{};          // km
  Extended elevation = 0;     // radians
  std::int32_t trueRunTime = 0;  // ns, over the distance alone
  std::int32_t runTime = 0;      // ns as measured: with the delays and the common offset
  std::int32_t fictiveRunTime = 0;  // ns as the clock lists it (70 ms for the first)
  SignalErrors errors{};            // m
};

struct Measurement {
  std::int32_t signalCount = 0;
  std::array<MeasuredSignal, TSatellitenSchar::satelliteCount> signals{};  // as the clock lists them
  std::int32_t offsetNs = 0;  // the common offset applied
  FourSphereFix fourSpheres;
  LeastSquaresFix leastSquares;  // its residuals[i] belong to signals[i]
};

struct MeasurementSetup {
  const TSatellitenSchar* constellation = nullptr;
  TVektorR3 truePosition{};  // km
  SatelliteSet defective{};  // not heard
  ErrorSettings settings{};
  std::uint64_t seed = 0;
  std::uint64_t draw = 0;
  DrawMode mode = DrawMode::lesson;
};

// Measures with `receiver`, a new one: its clock receives the signals (skipping the
// error stage when nothing is switched on), its fix tries the windows. `recorder`
// hears of each window.
Measurement measure(const MeasurementSetup& setup, TEmpfaenger& receiver,
                    WindowRecorder* recorder = nullptr);
Measurement measure(const MeasurementSetup& setup);

// `count` measurements at one instant, with the draws setup.draw, setup.draw + 1, …,
// spread over `workers` threads (0: one per processor; one where there are no threads).
// `take(i, m)` hears of the i-th from the thread that made it, each index once, in no
// particular order; nothing more is begun once `cancel` is set. Returns how many were
// taken.
int measureMany(const MeasurementSetup& setup, int count,
                const std::function<void(int index, const Measurement& m)>& take,
                const std::atomic<bool>* cancel = nullptr, int workers = 0);
