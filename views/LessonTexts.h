#pragma once

// The texts and number cells the lesson's windows show, without a window: every
// edition of the program (desktop, browser) writes the same German words and the
// same digits. Numbers take the decimal separator of platform/numformat.h.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "model/DeterminationRecord.h"
#include "model/DilutionOfPrecision.h"
#include "platform/texts.h"

namespace views {

using Cells = std::vector<std::string>;

// x, y and z with `decimals` decimals.
Cells cartesianCells(TVektorR3 v, int decimals);
// Hemisphere letter, whole degrees and minutes with `decimals` decimals, of the
// longitude and of the latitude; the height in metres with two decimals.
struct GeographicCells {
  Cells longitude, latitude;
  std::string height;
};
GeographicCells geographicCells(const TGeoPosition& g, int decimals);
// A row of the four signals used: number, x, y, z, and the fictive run time split into
// milliseconds, microseconds and nanoseconds (73333333 ns: 73, 333, 333).
Cells signalCells(const SignalRecord& s);
// "5: 12, 3, 21, 8, 1, ": how many satellites were heard, nearest first.
std::string receivedSatellites(const DeterminationRecord& record);

// How good a geometry is, judged by its PDOP, or why there is no figure.
std::string dopReason(const DilutionOfPrecision& dop);

// The note under the sky view's DOP table, in `language`: pieces of text, each bold or
// not; a bold piece after the first begins a line.
std::vector<std::pair<bool, std::string>> skyHint(bool hasReceiver, bool hasFix, bool fixFound,
                                                  const DilutionOfPrecision& fix,
                                                  const DilutionOfPrecision& all,
                                                  const platform::Translation& language = {});

}  // namespace views
