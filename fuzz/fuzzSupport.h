#pragma once

// Shared set-up of the fuzz targets: message boxes are dropped, and ending the program is
// a finding, since no stream may end the program.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "containers/baseClss.h"
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

template <class Container>
std::vector<std::uint8_t> savedBytes(Container& container) {
  std::vector<std::uint8_t> out;
  TWriter writer(out);
  container.saveTo(writer);
  return out;
}

// Loads arbitrary bytes into a container file, lets `exercise` use what was read, and
// checks that whatever loaded saves, loads again and copies to the very same bytes.
template <class Container, class Exercise>
int checkFileRoundTrip(const std::uint8_t* data, std::size_t size, Exercise exercise) {
  installHandlers();
  Container a;
  TReader reader(data, size);
  try {
    a.loadFrom(reader);
  } catch (const EReadError&) {
  } catch (const EClassNotFound&) {
  }
  exercise(a);
  const std::vector<std::uint8_t> first = savedBytes(a);
  Container b;
  TReader reader2(first);
  b.loadFrom(reader2);  // our own output must load
  if (!reader2.EndOfStream()) std::abort();
  if (savedBytes(b) != first) std::abort();
  auto copied = a.copy();
  if (savedBytes(static_cast<Container&>(*copied)) != first) std::abort();
  return 0;
}

}  // namespace fuzz_support
