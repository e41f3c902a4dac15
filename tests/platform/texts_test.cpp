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

// Filled texts are translated through their templates and parts, nested ones too; the
// translation may reorder the parts; what is known neither whole nor as a template stays.
TEST(Dictionary, TranslatesFilledTextsPartByPart) {
  platform::Dictionary d;
  d.add("Die Datei „%1“ kann nicht geöffnet werden. %2", "The file “%1” cannot be opened. %2");
  d.add("Sie enthält unzulässige Werte: %1.", "It holds invalid values: %1.");
  d.add("%1 von %2 Satelliten", "%2 satellites, %1 of them");
  d.add("Höhe zu groß", "height too large");
  d.add("N", "N");
  d.add("O", "E");
  d.add("S", "S");
  d.add("W", "W");
  const std::string refusal = platform::fillText(
      "Die Datei „%1“ kann nicht geöffnet werden. %2",
      {"a. b „c“.ortivo", platform::fillText("Sie enthält unzulässige Werte: %1.", {"Höhe zu groß"})});
  const std::string count = platform::fillText("%1 von %2 Satelliten", {"4", "7"});
  const struct {
    std::string german, english;
  } cases[] = {
      {"Höhe zu groß", "height too large"},
      {refusal, "The file “a. b „c“.ortivo” cannot be opened. It holds invalid values: height too large."},
      {count, "7 satellites, 4 of them"},
      {"Unbekannt: 100 %", "Unbekannt: 100 %"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(d.translate(c.german), c.english) << c.german;

  const platform::Lookup lookup = [&d](const std::string& t) { return d.lookup(t); };
  const struct {
    const char *german, *shown;
  } letters[] = {{"O", "E"}, {"o", "e"}, {"W", "W"}, {"n", "n"}, {"x", "x"}, {"Ost", "Ost"}};
  for (const auto& l : letters) {
    EXPECT_EQ(platform::shownHemisphere(l.german, lookup), l.shown) << l.german;
    EXPECT_EQ(platform::enteredHemisphere(l.shown, lookup), l.german) << l.shown;
  }
  EXPECT_EQ(platform::enteredHemisphere("o", lookup), "?");  // German O is no English letter
}
