#pragma once
#include "platform/extended.h"

// What one determination of the lesson did and found: the signals heard, every window
// of four signals tried and how it ended, and the position. Views and exports read it;
// the lesson keeps a summary of each in its history.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "geometry/Koordinatenclss.h"
#include "geometry/vektorR3clss.h"
#include "model/ErrorSources.h"
#include "model/GpsUnit.h"
#include "model/LeastSquares.h"

// One signal the receiver heard, as it was when the determination began.
struct SignalRecord {
  std::int32_t number = 0;          // satellite 1..24
  std::int32_t runTime = 0;         // ns, the true run time
  std::int32_t fictiveRunTime = 0;  // ns, what the receiver assumed (70 ms for the first)
  TVektorR3 position{};             // km, where the satellite stood
  // What the errors made of it: the run time measured (with the delays and the common
  // offset), the satellite's elevation, each source's delay, and the least-squares
  // residual (m; NaN without a least-squares fix).
  std::int32_t measuredRunTime = 0;  // ns
  Extended elevation = 0;            // radians
  SignalErrors errors{};
  Extended residual = 0;
};

// One window of four consecutive signals and how the fix with it ended.
struct WindowRecord {
  std::int32_t start = 0;  // the window uses signals start + 1 .. start + 4
  FixOutcome outcome = FixOutcome::converged;
  std::uint32_t iterations = 0;  // intersections tried, however many were kept below
  // The fourth sphere's mismatch (its radius minus the candidate's distance from its
  // centre, km) in each iteration that found a candidate; every radius is then
  // corrected by minus half of it. At most LessonModel::traceLimit entries.
  std::vector<Extended> mismatches;
};

enum class DeterminationResult : std::uint8_t {
  found,             // a window converged
  tooFewSignals,     // fewer than four satellites heard
  allWindowsFailed,  // every window failed
};

// Everything one determination did and found.
struct DeterminationRecord {
  std::int64_t number = 0;  // 1 for the lesson's first determination
  std::int64_t step = 0;    // simulation steps of the constellation since the start
  DeterminationResult result = DeterminationResult::tooFewSignals;
  TVektorR3 truePosition{};             // km, where the receiver really stood
  std::array<bool, 25> defective{};     // by satellite number, entry 0 unused
  std::vector<SignalRecord> signals;    // nearest first
  std::vector<WindowRecord> windows;    // in the order tried
  // Valid when result is found.
  TVektorR3 position{};  // km
  TGeoPosition geo{};    // with the height in metres
  Extended distance = 0;  // km from the true position
  Extended speed = 0;     // km/h from the last movement step, 0 when standing
  ClockOffset clock{};    // the receiver's clock offset the four spheres found
  double pdop = 0;        // of the four satellites that converged
  // Beside it, least squares over every signal heard; its reason when there is none.
  LeastSquaresFix leastSquares;
  Extended leastSquaresDistance = 0;  // km from the true position, when valid
  std::string leastSquaresReason;
  std::int32_t offsetNs = 0;  // the common offset on every signal
  Extended uere = 0;          // m, of the error sources switched on
  // The German message a window shows when no position was found; empty otherwise.
  std::string message;

  bool found() const { return result == DeterminationResult::found; }
  // The window whose four signals the satellite table shows: the one that
  // converged, or the last one tried; nullptr when none was tried.
  const WindowRecord* shownWindow() const { return windows.empty() ? nullptr : &windows.back(); }
};

