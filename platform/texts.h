#pragma once

// The program's texts are German in the core, as every edition shows them. A text a
// window may show is marked with ORTIVO_TEXT: lupdate collects it into translations/
// (run with -tr-function-alias QT_TRANSLATE_NOOP+=ORTIVO_TEXT), and the desktop's
// windows translate it when they show it. Every core text is in the context "core".

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>
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

// A text's translation, or the text itself where there is none.
using Lookup = std::function<std::string(const std::string& german)>;

// A core text in another language: a text the lookup knows, or one filled from a
// template (fillText), whose template and parts are then translated in turn. Anything
// else (a file name, a number) stays as it is.
std::string translateText(const std::string& text, const Lookup& lookup);

// The letter of a hemisphere (N, O, S, W, either case) as a language writes it (the
// English E for O), and back for an entry; anything else stays as it is, and a German
// letter that the language writes otherwise becomes "?", which no entry accepts.
std::string shownHemisphere(const std::string& german, const Lookup& lookup);
std::string enteredHemisphere(const std::string& shown, const Lookup& lookup);

// German texts and their translations, where no Qt translator is at hand (the page).
class Dictionary {
 public:
  // The first translation of a text is kept.
  void add(std::string german, std::string translation);
  bool empty() const { return entries_.empty(); }
  std::string lookup(const std::string& german) const;
  std::string translate(const std::string& text) const;
  // `pattern`'s translation with %1 … filled, as fillText fills the German one.
  std::string fill(const char* pattern, std::initializer_list<std::string_view> args) const;
  Translation translation() const;

 private:
  std::unordered_map<std::string, std::string> entries_;
};

}  // namespace platform
