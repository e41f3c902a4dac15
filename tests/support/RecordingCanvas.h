#pragma once

#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace testing_support {

// Records every drawing operation with the pen, brush and font it was drawn with,
// so tests can check what a picture contains.
class RecordingCanvas : public platform::Canvas {
 public:
  enum class Op { LineTo, Ellipse, Rectangle, Text };
  struct Entry {
    Op op;
    int x1, y1, x2, y2;  // LineTo: from (x1, y1) to (x2, y2); Text: x1, y1
    std::string text;
    platform::Color penColor;
    int penWidth;
    platform::PenStyle penStyle;
    platform::Color brushColor;
    platform::BrushStyle brushStyle;
    platform::Font font;
  };

  RecordingCanvas(int width = 640, int height = 480) : width_(width), height_(height) {}

  int width() const override { return width_; }
  int height() const override { return height_; }
  void resize(int width, int height) { width_ = width, height_ = height; }

  void lineTo(int x, int y) override;
  void ellipse(int x1, int y1, int x2, int y2) override;
  void rectangle(int x1, int y1, int x2, int y2) override;
  void textOut(int x, int y, const std::string& utf8) override;
  // A fixed-width font stand-in: 7 pixels a character, 13 pixels high.
  int textWidth(const std::string& utf8) override;
  int textHeight(const std::string& utf8) override;

  const std::vector<Entry>& entries() const { return entries_; }
  std::vector<Entry> entriesOf(Op op) const;
  void clear() { entries_.clear(); }

 private:
  Entry make(Op op, int x1, int y1, int x2, int y2, std::string text = {}) const;

  int width_;
  int height_;
  std::vector<Entry> entries_;
};

}  // namespace testing_support
