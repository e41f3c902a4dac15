#pragma once

// The program's texts are German in the core, as every edition shows them. A text a
// window may show is marked with ORTIVO_TEXT: lupdate collects it into translations/
// (run with -tr-function-alias QT_TRANSLATE_NOOP+=ORTIVO_TEXT), and the desktop's
// windows translate it when they show it. Every core text is in the context "core".

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#define ORTIVO_TEXT(context, text) text

namespace platform {

// A marked text with %1 … %9 replaced by `args` (%1 by the first), as QString::arg
// fills a translated one. The template is remembered: a window that shows the filled
// text finds it among filledTemplates() and translates the template and its parts.
std::string fillText(const char* pattern, std::initializer_list<std::string_view> args);

// Every template filled so far, once each, in the order of their first use.
std::vector<std::string> filledTemplates();

// Turns a marked German text into the language a picture or file is made in; where
// none is given, the text stays German.
using Translation = std::function<std::string(const char* german)>;
inline std::string translated(const Translation& translation, const char* german) {
  return translation ? translation(german) : std::string(german);
}

}  // namespace platform
