#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

#include "platform/Canvas.h"

// The drawing calls of a QtCanvas since it last painted, each with the pen and
// brush it was made with (colours already resolved), so that a frame is worked
// out once and then painted: on one thread, or in horizontal bands on several,
// each band painting the whole frame through its own clip. A rectangle that covers
// the image with an opaque colour drops what came before it: nothing of that could
// be seen.
class PaintRecording {
 public:
  struct Pen {
    QColor color;
    int width = 1;
    platform::PenStyle style = platform::PenStyle::Solid;
    bool operator==(const Pen&) const = default;
  };
  struct Brush {
    QColor color;
    platform::BrushStyle style = platform::BrushStyle::Solid;
  };

  // `points` are in the canvas's logical pixels; a polyline of fewer than two
  // points is not drawn.
  void polyline(const Pen& pen, const QPoint* points, int count);
  void ellipse(const Pen& pen, const Brush& brush, QRect box);
  // `imageSize` is the logical size of the image the rectangle is drawn on.
  void rectangle(const Pen& pen, const Brush& brush, QRect box, QSize imageSize);
  // `box` is the text's extent as measured; `background` fills it when solid.
  void text(const QFont& font, const QColor& color, const Brush& background, QRect box,
            const QString& text);

  bool empty() const { return ops_.empty(); }
  void clear();

  // Paints everything recorded onto `image` in `bands` horizontal bands on up to
  // `threads` threads. Text is painted on the calling thread only: with text the
  // frame is painted as one band.
  void paint(QImage& image, int bands, int threads) const;

 private:
  enum class Kind : std::uint8_t { Polyline, Ellipse, Rectangle, Text };
  struct Op {
    Kind kind;
    Pen pen;
    Brush brush;
    // Polyline: the points' extent; otherwise the box drawn.
    QRect box;
    // Polyline: its points in points_; text: its index in texts_.
    int first = 0;
    int count = 0;
  };
  struct Text {
    QFont font;
    QColor color;
    QString text;
  };
  class Replay;

  // Paints the ops that may reach logical rows [top, bottom), clipped to them.
  void paintRows(QImage& image, int top, int bottom) const;

  std::vector<Op> ops_;
  std::vector<QPoint> points_;
  std::vector<Text> texts_;
};
