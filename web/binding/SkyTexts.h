#pragma once
#include "platform/extended.h"

// The sky view's words: the degrees of its table and what it says of a geometry.
// The desktop's sky window (ui/SkyWindow.cpp) writes the same texts.

#include <string>
#include <utility>
#include <vector>

#include "model/DilutionOfPrecision.h"

namespace web {

std::string skyDegrees(Extended radians);
// "sehr gute Geometrie (PDOP 1,8)", or why there are no figures.
std::string skyReason(const DilutionOfPrecision& dop);
// The note below the DOP table: pieces of text, each bold or not.
std::vector<std::pair<bool, std::string>> skyHint(bool hasReceiver, bool hasFix, bool fixFound,
                                                  const DilutionOfPrecision& fix,
                                                  const DilutionOfPrecision& all);

}  // namespace web
