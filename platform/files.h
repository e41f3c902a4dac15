#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace platform {

// The bytes of a regular file, or why there are none (German, one sentence that
// follows "Die Datei „…“ kann nicht geöffnet werden."). `nativePath` is the name as
// the system spells it: on Linux a name is bytes, and one that is not UTF-8 (an old
// USB stick's Latin-1) must reach the system unchanged. More than `maxSize` bytes
// are refused without reading them all.
std::variant<std::vector<std::uint8_t>, std::string> readFileBytes(const std::string& nativePath,
                                                                   std::size_t maxSize,
                                                                   const std::string& tooLarge);

}  // namespace platform
