#pragma once

// A canvas that stands in front of another one: every call goes on to it, and what
// was drawn since the surface was last painted over completely is kept, so that the
// picture on the surface can be drawn again on any other canvas (a vector file, a
// larger bitmap). Pictures here are drawn afresh from a full fill of the surface
// (a frame of the 3D scene, a step of the 2D script), so the record stays small.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace platform {

class PictureRecorder : public Canvas {
 public:
  // A 3D frame draws some ten thousand segments; far more without a full fill in
  // between means a picture nobody would want as a vector file.
  static constexpr std::size_t defaultLimit = 4'000'000;

  explicit PictureRecorder(Canvas& target, std::size_t limit = defaultLimit);

  int width() const override { return target_.width(); }
  int height() const override { return target_.height(); }
  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;
  void ellipse(int x1, int y1, int x2, int y2) override;
  void rectangle(int x1, int y1, int x2, int y2) override;
  void textOut(int x, int y, const std::string& utf8) override;
  int textWidth(const std::string& utf8) override { return target_.textWidth(utf8); }
  int textHeight(const std::string& utf8) override { return target_.textHeight(utf8); }

  // False when the picture outgrew the limit since its last full fill: what was
  // kept would then be only part of it, so nothing is kept until the next fill.
  bool complete() const { return !overflow_; }
  // Draws the recorded picture on `out`, onto what `out` holds already (the
  // surface's first picture lies on the white it was created with).
  void replay(Canvas& out) const;
  std::size_t recordedOperations() const { return recorded_; }

 protected:
  void flush() override { styleChanged_ = true; }

 private:
  enum class Op : unsigned char { Style, MoveTo, Lines, Ellipse, Rectangle, Text };
  struct Entry {
    int x1, y1, x2, y2;  // Lines: x1 points from `index` on
    std::uint32_t index;  // Style: into styles_; Text: into texts_; Lines: into points_
    Op op;
  };
  struct Style {
    Pen pen;
    Brush brush;
    std::size_t font;  // into fonts_
  };

  // Hands the current pen, brush and font to the target and records them, when they
  // changed since the last drawing operation.
  void syncStyle();
  void record(Op op, int x1, int y1, int x2 = 0, int y2 = 0, std::size_t index = 0);
  bool full();
  void restart();

  Canvas& target_;
  std::size_t limit_;
  std::vector<Entry> entries_;
  // The end points of consecutive lines, kept apart: a 3D frame draws them by the
  // hundred thousand.
  std::vector<Point> points_;
  std::vector<Style> styles_;
  std::vector<Font> fonts_;
  std::vector<std::string> texts_;
  std::size_t recorded_ = 0;  // entries and points
  // The last entry is Lines: the next point extends it.
  bool inLines_ = false;
  bool styleChanged_ = true;
  bool overflow_ = false;
};

}  // namespace platform
