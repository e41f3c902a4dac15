#pragma once

// Just enough JSON to hand the page what the windows show: objects, arrays, strings
// and numbers, written in order.

#include <cstdint>
#include <string>
#include <string_view>

namespace web {

class Json {
 public:
  Json& beginObject() { separate(); text_ += '{'; first_ = true; return *this; }
  Json& endObject() { text_ += '}'; first_ = false; return *this; }
  Json& beginArray() { separate(); text_ += '['; first_ = true; return *this; }
  Json& endArray() { text_ += ']'; first_ = false; return *this; }
  Json& key(std::string_view k) {
    separate();
    quote(k);
    text_ += ':';
    first_ = true;  // the value follows without a comma
    return *this;
  }
  Json& value(std::string_view s) { separate(); quote(s); return *this; }
  Json& value(const char* s) { return value(std::string_view(s)); }
  Json& value(const std::string& s) { return value(std::string_view(s)); }
  Json& value(bool b) { separate(); text_ += b ? "true" : "false"; return *this; }
  Json& value(int v) { separate(); text_ += std::to_string(v); return *this; }
  Json& value(std::int64_t v) { separate(); text_ += std::to_string(v); return *this; }
  Json& value(double v);
  Json& null() { separate(); text_ += "null"; return *this; }
  // A value written elsewhere.
  Json& raw(std::string_view json) { separate(); text_ += json; return *this; }
  template <class T>
  Json& field(std::string_view k, const T& v) { key(k); return value(v); }

  const std::string& str() const { return text_; }

 private:
  void separate() {
    if (!first_) text_ += ',';
    first_ = false;
  }
  void quote(std::string_view s);

  std::string text_;
  bool first_ = true;
};

}  // namespace web
