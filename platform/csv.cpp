#include "platform/csv.h"
#include "platform/extended.h"

#include "platform/numformat.h"

namespace platform {

namespace {

void appendCell(std::string& out, std::string_view cell) {
  if (cell.find_first_of(";\"\r\n") == std::string_view::npos) {
    out += cell;
    return;
  }
  out += '"';
  for (const char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void appendRow(std::string& out, const CsvRow& row) {
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (i > 0) out += ';';
    appendCell(out, row[i]);
  }
  out += "\r\n";
}

}  // namespace

std::string csvText(const CsvRow& header, const std::vector<CsvRow>& rows) {
  std::string out = "\xEF\xBB\xBF";
  appendRow(out, header);
  for (const CsvRow& row : rows) appendRow(out, row);
  return out;
}

std::string csvNumber(Extended value, int decimals, const TableLanguage& language) {
  return formatFixed(value, decimals, 18, language.decimalSeparator);
}

}  // namespace platform
