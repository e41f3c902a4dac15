#include "platform/texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/numformat.h"

namespace {

bool remembered(const char* pattern) {
  const auto all = platform::filledTemplates();
  return std::find(all.begin(), all.end(), pattern) != all.end();
}

}  // namespace

// The numbers say which argument goes where, as in a translation that reorders them;
// a placeholder without an argument, and %0, stay as written.
TEST(FillText, PutsEachArgumentInPlaceOfItsNumber) {
  struct Case {
    const char* pattern;
    std::initializer_list<std::string_view> args;
    const char* filled;
  } cases[] = {
      {"Die Datei „%1“ kann nicht geöffnet werden. %2",
       {"a.ortivo", "Sie ist leer."},
       "Die Datei „a.ortivo“ kann nicht geöffnet werden. Sie ist leer."},
      {"%2 vor %1", {"eins", "zwei"}, "zwei vor eins"},
      {"%1 und %3, 100 %", {"x"}, "x und %3, 100 %"},
      {"%0%1%", {"%2"}, "%0%2%"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(platform::fillText(c.pattern, c.args), c.filled) << c.pattern;
}

TEST(FillText, RemembersEachTemplateOnce) {
  static const char pattern[] = "Test: %1 Meter.";
  std::string copy = pattern;
  EXPECT_FALSE(remembered(pattern));
  platform::fillText(pattern, {"1"});
  platform::fillText(copy.c_str(), {"2"});  // the same text elsewhere
  const auto all = platform::filledTemplates();
  EXPECT_EQ(std::count(all.begin(), all.end(), pattern), 1);
}

TEST(GroupedInteger, SeparatesThousandsAsTheLanguageWrites) {
  EXPECT_EQ(platform::groupedInteger(10001), "10.001");
  platform::setGroupSeparator(",");
  EXPECT_EQ(platform::groupedInteger(1234567), "1,234,567");
  EXPECT_EQ(platform::groupedInteger(999), "999");
  platform::setGroupSeparator(".");
}
