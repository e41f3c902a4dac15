#include "model/Measurement.h"
#include "platform/extended.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <thread>
#include <vector>

FourSphereFix tryWindows(TEmpfaenger& receiver, std::int32_t firstRunTime,
                         WindowRecorder* recorder) {
  FourSphereFix fix;
  TUhr& clock = receiver.clock;
  const int n = receiver.signalCount();
  if (n < 4) return fix;
  TVektorR3 P{};
  FixTrace trace;
  for (clock.windowStart = 0; clock.windowStart <= n - 4;) {
    const std::int32_t start = clock.windowStart;
    trace = recorder ? recorder->begin(start) : FixTrace{};
    receiver.determinePosition(start, P, trace);
    if (recorder) recorder->end(start, trace);
    ++fix.windowsTried;
    fix.window = start;
    ++clock.windowStart;
    if (!receiver.failed) break;
  }
  fix.correction = trace.correction;
  if (!receiver.failed) {
    fix.found = true;
    fix.position = P;
    fix.clock = clockOffset(firstRunTime, trace);
  }
  return fix;
}

Measurement measure(const MeasurementSetup& setup, TEmpfaenger& receiver,
                    WindowRecorder* recorder) {
  constexpr int count = TSatellitenSchar::satelliteCount;
  const ErrorSettings& settings = setup.settings;
  // The constellation as given when its satellites already work as the setup says
  // (the lesson's do); a copy with them set otherwise.
  const TSatellitenSchar* given = setup.constellation;
  bool asGiven = true;
  for (int k = 1; k <= count; ++k)
    asGiven = asGiven && given->satellites[k].working == !setup.defective[k];
  std::optional<TSatellitenSchar> copy;
  if (!asGiven) {
    copy.emplace(*given);
    for (int k = 1; k <= count; ++k) copy->satellites[k].working = !setup.defective[k];
  }
  const TSatellitenSchar& sky = asGiven ? *given : *copy;

  const TVektorR3 at = setup.truePosition;
  const LocalFrame frame = localFrame(at);
  // Elevations are worked out for the satellites that need them: with delays every
  // working one before the clock listens, otherwise only those it heard.
  std::array<Extended, count + 1> elevation;
  std::optional<std::array<SignalErrors, count + 1>> errors;  // only with delays
  TUhr::Delays delays;
  const bool delayed = settings.anyDelay();
  if (delayed) {
    // Below the earth's rim, the horizon's dip acos(R / |at|) under the horizontal, no
    // satellite is heard and its delays would never be used. The margin keeps every
    // one the clock may hear; leaving out the others changes no draw, each depending
    // on its own satellite and source alone.
    const Extended radius = std::sqrt(TEuklidGeoR3::dotProduct(at, at));
    const Extended earth = receiver.clock.earthRadius;
    const Extended hidden = -((radius > earth ? std::acos(earth / radius) : 0) + 0.05L);
    delays.fill(0);
    errors.emplace();
    for (int k = 1; k <= count; ++k) {
      if (!sky.satellites[k].working) continue;
      elevation[k] = skyElevation(frame, at, sky.satellites[k].position);
      if (elevation[k] < hidden) continue;
      const SignalErrors& e = (*errors)[k] =
          drawErrors(settings, k, elevation[k], setup.seed, setup.draw, setup.mode);
      delays[k] = e.total / 1000;
    }
  }
  // Nothing switched on: the clock gets no delays and measures exactly as it always did.
  receiver.clock.receiveSignals(at, sky, delayed ? &delays : nullptr);

  Measurement m;
  m.offsetNs = settings.offsetOn ? settings.offsetNs : 0;
  const TEuklidGeoR3 geo{false};
  std::array<TVektorR3, count> positions;  // the first signalCount are used
  std::array<Extended, count> ranges;
  for (const TListenElement& e : receiver.clock.signals.elements<TListenElement>()) {
    MeasuredSignal& s = m.signals[m.signalCount];
    const int k = e.number;
    s.number = k;
    s.position = e.position;
    if (delayed) {
      s.elevation = elevation[k];
      s.errors = (*errors)[k];
    } else {
      s.elevation = skyElevation(frame, at, e.position);
    }
    // The clock keeps only the fictive run times, all shifted alike. Without delays
    // they are the measured ones, so the first one measured again gives every other
    // in whole nanoseconds; with delays each is measured again over its distance.
    if (delayed || m.signalCount == 0) {
      const Extended d = geo.distance(e.position, at);
      s.trueRunTime = TUhr::measuredRunTime(d);
      s.runTime = (delayed ? TUhr::measuredRunTime(d + delays[k]) : s.trueRunTime) + m.offsetNs;
    } else {
      s.trueRunTime = m.signals[0].trueRunTime + (e.runTime - m.signals[0].fictiveRunTime);
      s.runTime = s.trueRunTime + m.offsetNs;
    }
    s.fictiveRunTime = e.runTime;
    positions[m.signalCount] = e.position;
    ranges[m.signalCount] = s.runTime * TUhr::signalSpeed;
    ++m.signalCount;
  }

  const std::int32_t first = m.signalCount > 0 ? m.signals[0].runTime : 0;
  m.fourSpheres = tryWindows(receiver, first, recorder);
  m.leastSquares = leastSquaresFix(std::span(positions).first(m.signalCount),
                                   std::span<const Extended>(ranges).first(m.signalCount));
  return m;
}

Measurement measure(const MeasurementSetup& setup) {
  TEmpfaenger receiver;
  return measure(setup, receiver);
}

int measureMany(const MeasurementSetup& setup, int count,
                const std::function<void(int, const Measurement&)>& take,
                const std::atomic<bool>* cancel, int workers) {
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
  workers = 1;
#else
  if (workers <= 0) workers = int(std::max(1u, std::thread::hardware_concurrency()));
#endif
  workers = std::clamp(workers, 1, std::max(1, count));
  // Handed out one at a time: the cost of a measurement varies a hundredfold with the
  // windows the four spheres need, so fixed shares would leave threads idle.
  std::atomic<int> next{0}, taken{0};
  const auto work = [&] {
    MeasurementSetup own = setup;
    for (int i; (i = next++) < count && !(cancel && *cancel);) {
      own.draw = setup.draw + std::uint64_t(i);
      take(i, measure(own));
      ++taken;
    }
  };
  std::vector<std::thread> helpers;
  for (int w = 1; w < workers; ++w) helpers.emplace_back(work);
  work();
  for (std::thread& t : helpers) t.join();
  return taken;
}
