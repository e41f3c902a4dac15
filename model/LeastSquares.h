#pragma once
#include "platform/extended.h"

// Position and clock offset from every satellite heard, as real receivers find them:
// each measured run time gives a pseudorange ρ_i = |S_i - X| + c·b; from a start on
// the earth below the satellites, Gauss–Newton linearises these around the current
// estimate and solves the overdetermined system in the least-squares sense until the
// update is below 1 mm. What the ranges do not fit is left as each satellite's
// residual: a faulty one stands out there.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "geometry/vektorR3clss.h"

struct LeastSquaresFix {
  enum class Status : std::uint8_t {
    valid,
    tooFewSatellites,  // fewer than four: position and clock offset are not determined
    degenerate,        // the geometry has no full rank, as the DOP judges it
    notConverged,      // the update was still 1 mm or more after maxIterations
  };
  static constexpr int maxSatellites = 24;
  static constexpr int maxIterations = 10;
  static constexpr Extended stopUpdate = 1e-6L;  // km

  Status status = Status::tooFewSatellites;
  int satellites = 0;  // used: all given, up to maxSatellites
  int iterations = 0;
  // Valid when status is valid.
  TVektorR3 position{};         // km
  Extended clockOffset = 0;  // km: the offset c·b as signal travel
  double pdop = 0;              // of the geometry at the position
  // Measured minus computed range at the position, m, in the order the satellites came.
  std::array<Extended, maxSatellites> residuals{};

  bool valid() const { return status == Status::valid; }
  Extended clockOffsetNs() const;
  Extended clockOffsetMetres() const { return clockOffset * 1000; }
};

// satellites and pseudoranges (km) pairwise; entries beyond maxSatellites are left
// out. Allocates nothing.
LeastSquaresFix leastSquaresFix(std::span<const TVektorR3> satellites,
                                std::span<const Extended> pseudoranges);

// Why there is no fix, in German as the windows show it; empty for a valid one.
std::string leastSquaresReason(const LeastSquaresFix& fix);
