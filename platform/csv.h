#pragma once
#include "platform/extended.h"

// Tables for spreadsheets as German installations read them by a double click:
// UTF-8 with a byte order mark, cells separated by semicolons, numbers with a
// decimal comma, lines ended by CR LF.

#include <string>
#include <string_view>
#include <vector>

#include "platform/texts.h"

namespace platform {

using CsvRow = std::vector<std::string>;

// The language a table is written in: its words (the core's marked German texts,
// translated by `translate`) and the decimal separator of its numbers. By default
// German, as every German spreadsheet reads it.
struct TableLanguage {
  Translation translate;
  std::string decimalSeparator = ",";
  std::string word(const char* german) const { return translated(translate, german); }
};

// The whole file: the header row, then the rows. A cell with a semicolon, a quote or
// a line break is quoted, its quotes doubled.
std::string csvText(const CsvRow& header, const std::vector<CsvRow>& rows);

// A number cell with `decimals` decimals (and at most 18 significant digits, as the
// grids write them) and the language's decimal separator.
std::string csvNumber(Extended value, int decimals, const TableLanguage& language = {});

}  // namespace platform
