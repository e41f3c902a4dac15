#include "platform/texts.h"

#include <algorithm>
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

std::string fillText(const char* pattern, std::initializer_list<std::string_view> args) {
  remember(pattern);
  std::string text;
  for (const char* p = pattern; *p; ++p) {
    const auto n = static_cast<std::size_t>(p[1] - '1');
    if (p[0] == '%' && p[1] >= '1' && p[1] <= '9' && n < args.size()) {
      text += args.begin()[n];
      ++p;
    } else {
      text += *p;
    }
  }
  return text;
}

std::vector<std::string> filledTemplates() {
  Templates& t = templates();
  const std::lock_guard lock(t.mutex);
  return t.list;
}

}  // namespace platform
