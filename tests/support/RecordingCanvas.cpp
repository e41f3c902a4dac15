#include "tests/support/RecordingCanvas.h"

#include <utility>

namespace testing_support {

RecordingCanvas::Entry RecordingCanvas::make(Op op, int x1, int y1, int x2, int y2,
                                             std::string text) const {
  return Entry{op,         x1,         y1,           x2,           y2,
               std::move(text), penColor(), penWidth(), penStyle(), brushColor(),
               brushStyle(), font()};
}

void RecordingCanvas::lineTo(int x, int y) {
  const auto from = penPos();
  entries_.push_back(make(Op::LineTo, from.x, from.y, x, y));
  setPenPos({x, y});
}

void RecordingCanvas::ellipse(int x1, int y1, int x2, int y2) {
  entries_.push_back(make(Op::Ellipse, x1, y1, x2, y2));
}

void RecordingCanvas::rectangle(int x1, int y1, int x2, int y2) {
  entries_.push_back(make(Op::Rectangle, x1, y1, x2, y2));
}

void RecordingCanvas::textOut(int x, int y, const std::string& utf8) {
  entries_.push_back(make(Op::Text, x, y, x, y, utf8));
}

int RecordingCanvas::textWidth(const std::string& utf8) { return 7 * int(utf8.size()); }
int RecordingCanvas::textHeight(const std::string&) { return 13; }

std::vector<RecordingCanvas::Entry> RecordingCanvas::entriesOf(Op op) const {
  std::vector<Entry> result;
  for (const auto& e : entries_)
    if (e.op == op) result.push_back(e);
  return result;
}

}  // namespace testing_support
