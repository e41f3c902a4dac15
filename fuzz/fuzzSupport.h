#pragma once

// Shared set-up of the fuzz targets: message boxes are dropped, and ending the program is
// a finding, since no stream may end the program.

#include <cstdlib>

#include "platform/messages.h"

namespace fuzz_support {

inline void installHandlers() {
  static const bool installed = [] {
    platform::setMessageHandler([](platform::MessageKind, const std::string&) {});
    platform::setEndProgramHandler([](int) { std::abort(); });
    return true;
  }();
  (void)installed;
}

}  // namespace fuzz_support
