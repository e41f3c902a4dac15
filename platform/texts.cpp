#include "platform/texts.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <mutex>

namespace platform {

namespace {

struct Templates {
  std::mutex mutex;
  std::vector<std::string> list;
};

Templates& templates() {
  static Templates t;
  return t;
}

void remember(const char* pattern) {
  Templates& t = templates();
  const std::lock_guard lock(t.mutex);
  // Few templates, filled a handful of times a second at most.
  if (std::find(t.list.begin(), t.list.end(), pattern) == t.list.end())
    t.list.emplace_back(pattern);
}

}  // namespace

namespace {

// %1 … %9 in one pass, so that an argument's own % signs stay as they are.
template <typename Args>
std::string fillIn(std::string_view pattern, const Args& args) {
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const auto n = static_cast<std::size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && n < std::size(args)) {
      text += std::data(args)[n];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace

std::string fillText(const char* pattern, std::initializer_list<std::string_view> args) {
  remember(pattern);
  return fillIn(pattern, args);
}

std::vector<std::string> filledTemplates() {
  Templates& t = templates();
  const std::lock_guard lock(t.mutex);
  return t.list;
}

namespace {

// A template split at its placeholders: literals[0] %n literals[1] … %m literals.back().
struct FilledPattern {
  std::string source;
  std::vector<std::string> literals;
  std::vector<int> numbers;  // the placeholder between literals[i] and literals[i + 1]
  std::size_t literal = 0;   // letters that are not placeholders: the longer, the surer a match
};

FilledPattern splitTemplate(const std::string& source) {
  FilledPattern p{source, {""}, {}, 0};
  for (std::size_t i = 0; i < source.size(); ++i) {
    if (source[i] == '%' && i + 1 < source.size() && source[i + 1] >= '1' && source[i + 1] <= '9') {
      p.numbers.push_back(source[i + 1] - '0');
      p.literals.emplace_back();
      ++i;
    } else {
      p.literals.back() += source[i];
      ++p.literal;
    }
  }
  return p;
}

// The templates known so far, the longest literal first, so that a text is taken for
// the most specific template it fits. Shared, not copied: a translation only reads them.
std::shared_ptr<const std::vector<FilledPattern>> patterns() {
  struct Cache {
    std::mutex mutex;
    std::shared_ptr<const std::vector<FilledPattern>> list = std::make_shared<std::vector<FilledPattern>>();
  };
  static Cache cache;
  Templates& t = templates();
  const std::scoped_lock lock(t.mutex, cache.mutex);
  if (t.list.size() != cache.list->size()) {
    auto grown = std::make_shared<std::vector<FilledPattern>>(*cache.list);
    for (std::size_t i = grown->size(); i < t.list.size(); ++i) grown->push_back(splitTemplate(t.list[i]));
    // Stable: among equally long ones the first filled stays first.
    std::stable_sort(grown->begin(), grown->end(),
                     [](const FilledPattern& a, const FilledPattern& b) { return a.literal > b.literal; });
    cache.list = std::move(grown);
  }
  return cache.list;
}

// Matches text[at…] against the placeholders from `group` on, each taking as little as
// it can (as a lazy regular expression would); the parts go to `parts`.
bool matchFrom(const FilledPattern& p, std::string_view text, std::size_t at, std::size_t group,
               std::vector<std::string>& parts) {
  const std::string& next = p.literals[group + 1];
  if (group + 1 == p.numbers.size()) {  // the last part reaches to the text's end
    if (text.size() < at + next.size() || !text.ends_with(next)) return false;
    parts[group] = std::string(text.substr(at, text.size() - next.size() - at));
    return true;
  }
  for (std::size_t end = text.find(next, at); end != std::string_view::npos;
       end = text.find(next, end + 1)) {
    parts[group] = std::string(text.substr(at, end - at));
    if (matchFrom(p, text, end + next.size(), group + 1, parts)) return true;
  }
  return false;
}

std::string translateAt(const std::string& text, const Lookup& lookup, int depth) {
  const std::string direct = lookup(text);
  // Filled texts nest (a file's refusal names its reason, which may name an entry):
  // a few levels at most.
  if (direct != text || depth > 4) return direct;
  for (const FilledPattern& p : *patterns()) {
    if (p.numbers.empty() || !std::string_view(text).starts_with(p.literals.front())) continue;
    std::vector<std::string> parts(p.numbers.size());
    if (!matchFrom(p, text, p.literals.front().size(), 0, parts)) continue;
    std::vector<std::string> args(9);
    for (std::size_t g = 0; g < parts.size(); ++g)
      args[static_cast<std::size_t>(p.numbers[g] - 1)] = translateAt(parts[g], lookup, depth + 1);
    return fillIn(lookup(p.source), args);
  }
  return text;
}

char upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
bool isUpper(char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; }

}  // namespace

std::string translateText(const std::string& text, const Lookup& lookup) {
  if (text.empty()) return text;
  return translateAt(text, lookup, 0);
}

std::string shownHemisphere(const std::string& german, const Lookup& lookup) {
  if (german.size() != 1) return german;
  const std::string shown = lookup(std::string(1, upper(german[0])));
  if (isUpper(german[0]) || shown.size() != 1) return shown;
  return std::string(1, lower(shown[0]));
}

std::string enteredHemisphere(const std::string& shown, const Lookup& lookup) {
  if (shown.size() != 1) return shown;
  const char letter = upper(shown[0]);
  for (const char german : {'N', 'O', 'S', 'W'}) {
    const std::string written = lookup(std::string(1, german));
    if (written.size() == 1 && written[0] == letter)
      return std::string(1, isUpper(shown[0]) ? german : lower(german));
    // A German letter the language writes otherwise is none of its letters.
    if (letter == german) return "?";
  }
  return shown;
}

void Dictionary::add(std::string german, std::string translation) {
  entries_.emplace(std::move(german), std::move(translation));
}

std::string Dictionary::lookup(const std::string& german) const {
  const auto found = entries_.find(german);
  return found == entries_.end() || found->second.empty() ? german : found->second;
}

std::string Dictionary::translate(const std::string& text) const {
  return translateText(text, [this](const std::string& german) { return lookup(german); });
}

std::string Dictionary::fill(const char* pattern, std::initializer_list<std::string_view> args) const {
  return fillIn(lookup(pattern), args);
}

Translation Dictionary::translation() const {
  return [this](const char* german) { return translate(german); };
}

}  // namespace platform
