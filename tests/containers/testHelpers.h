#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "containers/baseClss.h"

namespace containers_test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes bytesOf(std::initializer_list<int> values) {
  Bytes b;
  for (int v : values) b.push_back(static_cast<std::uint8_t>(v));
  return b;
}

inline void appendText(Bytes& b, const std::string& s) { b.insert(b.end(), s.begin(), s.end()); }

// The stream form of a short class name: tag 6, its length, its bytes.
inline Bytes shortString(const std::string& s) {
  Bytes b{6, static_cast<std::uint8_t>(s.size())};
  appendText(b, s);
  return b;
}

inline Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

inline Bytes saved(TBase& element) {
  Bytes out;
  TWriter writer(out);
  element.saveValue(writer);
  return out;
}

}  // namespace containers_test
