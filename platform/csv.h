#pragma once
#include "platform/extended.h"

// Tables for spreadsheets as German installations read them by a double click:
// UTF-8 with a byte order mark, cells separated by semicolons, numbers with a
// decimal comma, lines ended by CR LF.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

using CsvRow = std::vector<std::string>;

// The whole file: the header row, then the rows. A cell with a semicolon, a quote or
// a line break is quoted, its quotes doubled.
std::string csvText(const CsvRow& header, const std::vector<CsvRow>& rows);

// A number cell with `decimals` decimals (and at most 18 significant digits, as the
// grids write them) and a decimal comma.
std::string csvNumber(Extended value, int decimals);

}  // namespace platform
