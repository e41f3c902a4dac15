#pragma once

// Dilution of precision: by how much the satellites' geometry magnifies an error of
// the measured distances in the computed position and clock error. From the unit
// vectors receiver -> satellite in the local frame, H = [e n u 1] per satellite;
// Q = (H^T H)^-1 holds the factors east, north, up and time on its diagonal.

#include <cstdint>
#include <span>

#include "geometry/vektorR3clss.h"

struct DilutionOfPrecision {
  enum class Status : std::uint8_t {
    valid,
    tooFewSatellites,  // fewer than four: position and clock error are not determined
    degenerate,        // the unit vectors' tips lie (almost) in one plane: H has no full rank
  };
  Status status = Status::tooFewSatellites;
  int satellites = 0;
  double gdop = 0, pdop = 0, hdop = 0, vdop = 0, tdop = 0;

  bool valid() const { return status == Status::valid; }

  // Below this ratio of the smallest to the largest singular value of H the geometry
  // counts as degenerate; the factors would run into the tens of thousands.
  static constexpr double degenerateRatio = 1e-4;
  static constexpr int maxSatellites = 32;
};

// Satellites beyond maxSatellites are ignored; the constellation has 24.
DilutionOfPrecision dilutionOfPrecision(TVektorR3 receiver, std::span<const TVektorR3> satellites);
// The PDOP alone, through the normal equations, for satellites that have just given a
// fix (so four or more, of full rank): every determination asks for it.
double positionDop(TVektorR3 receiver, std::span<const TVektorR3> satellites);
