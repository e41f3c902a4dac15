#pragma once

// Drawing calls as a flat list of 32-bit words, so that a picture drawn here in
// C++ can be drawn again by the page on an HTML canvas without a second drawing
// code: the page reads the words straight out of the WebAssembly memory. The native
// test program writes the same words, so the browser's pictures can be compared
// with the desktop's call for call.
//
// Words: an opcode, then its operands.
//   Style  penColor penWidth penStyle brushColor brushStyle font   (font: into fonts())
//   Move   x y
//   Lines  n x1 y1 ... xn yn       (lines from the pen position through the n points)
//   Ellipse, Rectangle  x1 y1 x2 y2
//   Text   x y text                (text: into texts())
// A Style word comes before the first drawing call and whenever pen, brush or font
// changed since the last one.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/PictureRecorder.h"

namespace web {

enum class StreamOp : std::int32_t { Style = 1, Move, Lines, Ellipse, Rectangle, Text };

// Text sizes in pixels for a font; the page measures with the browser's own fonts.
struct TextMetrics {
  std::function<int(const platform::Font&, const std::string&)> width;
  std::function<int(const platform::Font&)> height;
};
// The font as CSS writes it ("bold 9pt \"DejaVu Sans\", sans-serif").
std::string cssFont(const platform::Font& font);

// Rough sizes from the point size alone, where no font engine is at hand.
TextMetrics fixedTextMetrics();

// A surface that draws nothing: the recorder in front of it keeps the picture.
class MeasuringCanvas : public platform::Canvas {
 public:
  MeasuringCanvas(int width, int height, TextMetrics metrics);
  int width() const override { return width_; }
  int height() const override { return height_; }
  void lineTo(int x, int y) override { setPenPos({x, y}); }
  void ellipse(int, int, int, int) override {}
  void rectangle(int, int, int, int) override {}
  void textOut(int, int, const std::string&) override {}
  int textWidth(const std::string& utf8) override { return metrics_.width(font(), utf8); }
  int textHeight(const std::string& utf8) override;

 private:
  int width_, height_;
  TextMetrics metrics_;
};

class CanvasStream : public platform::Canvas {
 public:
  CanvasStream(int width, int height) : width_(width), height_(height) {}

  int width() const override { return width_; }
  int height() const override { return height_; }
  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;
  void ellipse(int x1, int y1, int x2, int y2) override;
  void rectangle(int x1, int y1, int x2, int y2) override;
  void textOut(int x, int y, const std::string& utf8) override;
  int textWidth(const std::string&) override { return 0; }
  int textHeight(const std::string&) override { return 0; }

  void clear();
  const std::vector<std::int32_t>& words() const { return words_; }
  const std::vector<platform::Font>& fonts() const { return fonts_; }
  const std::vector<std::string>& texts() const { return texts_; }

 private:
  void syncStyle();
  void op(StreamOp o) { linesAt_ = npos; words_.push_back(static_cast<std::int32_t>(o)); }

  static constexpr std::size_t npos = static_cast<std::size_t>(-1);
  int width_, height_;
  std::vector<std::int32_t> words_;
  std::vector<platform::Font> fonts_;
  std::vector<std::string> texts_;
  std::size_t linesAt_ = npos;  // the count word of the open Lines run
  bool styled_ = false;
  std::int32_t style_[6] = {};
};

// What a recorder kept, as words: the picture now on its surface.
void encodePicture(const platform::PictureRecorder& recorder, CanvasStream& out);

}  // namespace web
