#include "web/binding/Json.h"

#include <cmath>
#include <cstdio>

namespace web {

Json& Json::value(double v) {
  separate();
  if (!std::isfinite(v)) {
    text_ += "null";
    return *this;
  }
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.17g", v);
  text_ += buffer;
  return *this;
}

void Json::quote(std::string_view s) {
  text_ += '"';
  for (const char c : s) {
    switch (c) {
      case '"': text_ += "\\\""; break;
      case '\\': text_ += "\\\\"; break;
      case '\n': text_ += "\\n"; break;
      case '\r': text_ += "\\r"; break;
      case '\t': text_ += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
          text_ += buffer;
        } else {
          text_ += c;
        }
    }
  }
  text_ += '"';
}

}  // namespace web
