#include "web/binding/SkyTexts.h"

#include "platform/numformat.h"

namespace web {

std::string skyDegrees(Extended radians) {
  return platform::formatFixed(radians * 180 / extendedPi, 1, 6) + "°";
}

}  // namespace web
