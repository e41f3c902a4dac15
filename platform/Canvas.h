#pragma once

#include <cstdint>
#include <string>

namespace platform {

// 32-bit colour: red in the low byte, then green, then blue. Values whose top byte is
// 0xFF name system colours that the drawing surface maps to its palette.
using Color = std::uint32_t;

constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return Color(r) | (Color(g) << 8) | (Color(b) << 16);
}
constexpr std::uint8_t redOf(Color c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t greenOf(Color c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t blueOf(Color c) { return std::uint8_t((c >> 16) & 0xFF); }
constexpr bool isSystemColor(Color c) { return (c >> 24) == 0xFF; }

namespace colors {
constexpr Color black = rgb(0, 0, 0);
constexpr Color white = rgb(255, 255, 255);
constexpr Color red = rgb(255, 0, 0);
constexpr Color green = rgb(0, 128, 0);
constexpr Color lime = rgb(0, 255, 0);
constexpr Color blue = rgb(0, 0, 255);
constexpr Color navy = rgb(0, 0, 128);
constexpr Color yellow = rgb(255, 255, 0);
constexpr Color aqua = rgb(0, 255, 255);
constexpr Color fuchsia = rgb(255, 0, 255);
constexpr Color gray = rgb(128, 128, 128);
constexpr Color silver = rgb(192, 192, 192);
constexpr Color maroon = rgb(128, 0, 0);
constexpr Color olive = rgb(128, 128, 0);
constexpr Color purple = rgb(128, 0, 128);
constexpr Color teal = rgb(0, 128, 128);
// The caption gradient of an active window: a system colour.
constexpr Color gradientActiveCaption = 0xFF00001B;
}  // namespace colors

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class BrushStyle { Solid, Clear };

struct Font {
  std::string name = "MS Sans Serif";
  int size = 8;  // points
  Color color = colors::black;
  bool bold = false;
  bool italic = false;
  bool operator==(const Font&) const = default;
};

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// A drawing surface with the semantics of a classic bitmap canvas: a current pen
// (colour, width, style), brush (colour, style), font and pen position. Shapes are
// outlined with the pen and filled with the brush; rectangles and ellipses take the
// bounding box (x1, y1) to (x2, y2), right and bottom edges excluded.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int width() const = 0;
  virtual int height() const = 0;

  void setPenColor(Color c) { flush(); pen_.color = c; }
  void setPenWidth(int w) { flush(); pen_.width = w; }
  void setPenStyle(PenStyle s) { flush(); pen_.style = s; }
  void setBrushColor(Color c) { flush(); brush_.color = c; }
  void setBrushStyle(BrushStyle s) { flush(); brush_.style = s; }
  void setFont(const Font& f) { flush(); font_ = f; }

  Color penColor() const { return pen_.color; }
  int penWidth() const { return pen_.width; }
  PenStyle penStyle() const { return pen_.style; }
  Color brushColor() const { return brush_.color; }
  BrushStyle brushStyle() const { return brush_.style; }
  const Font& font() const { return font_; }
  Point penPos() const { return penPos_; }

  virtual void moveTo(int x, int y) { flush(); penPos_ = {x, y}; }
  // Draws from the pen position to (x, y), which becomes the new pen position.
  virtual void lineTo(int x, int y) = 0;
  virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
  virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
  // Text with its top-left corner at (x, y), in the current font.
  virtual void textOut(int x, int y, const std::string& utf8) = 0;
  virtual int textWidth(const std::string& utf8) = 0;
  virtual int textHeight(const std::string& utf8) = 0;

 protected:
  struct Pen {
    Color color = colors::black;
    int width = 1;
    PenStyle style = PenStyle::Solid;
  };
  struct Brush {
    Color color = colors::white;
    BrushStyle style = BrushStyle::Solid;
  };

  // Called before any state change, so that a surface that batches drawing can emit
  // what it holds with the state it was drawn in.
  virtual void flush() {}
  void setPenPos(Point p) { penPos_ = p; }

 private:
  Pen pen_;
  Brush brush_;
  Font font_;
  Point penPos_;
};

}  // namespace platform
