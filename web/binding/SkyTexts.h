#pragma once
#include "platform/extended.h"

// The degrees of the sky view's table, as the desktop's sky window writes them.

#include <string>

namespace web {

std::string skyDegrees(Extended radians);

}  // namespace web
