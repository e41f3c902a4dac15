#include <gtest/gtest.h>

#include "platform/csv.h"

TEST(Csv, GermanSpreadsheetConventions) {
  const std::string text = platform::csvText(
      {"Nr.", "x (km)", "Höhe"},
      {{"1", platform::csvNumber(-21751.7634, 3), "a;b"},
       {"2", platform::csvNumber(0.0005, 3), "sagt \"ja\"\nzwei"}});
  EXPECT_EQ(text,
            "\xEF\xBB\xBFNr.;x (km);Höhe\r\n"
            "1;-21751,763;\"a;b\"\r\n"
            "2;0,001;\"sagt \"\"ja\"\"\nzwei\"\r\n");
}
