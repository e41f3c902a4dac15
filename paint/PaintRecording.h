#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/Canvas.h"

class QPainter;

// A canvas colour as Qt paints it; system colours take the desktop palette's.
QColor systemQColor(platform::Color color);
inline QColor toQColor(platform::Color color) {
  if (platform::isSystemColor(color)) return systemQColor(color);
  return QColor(platform::redOf(color), platform::greenOf(color), platform::blueOf(color));
}

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
  struct Text {
    QFont font;
    QColor color;
    QString text;
  };
  // A canvas's pen, brush and font as the painter takes them. A 3D frame asks for
  // pens thousands of times: inline.
  static Pen penOf(const platform::Canvas& c) {
    return {toQColor(c.penColor()), c.penWidth(), c.penStyle()};
  }
  static Brush brushOf(const platform::Canvas& c) {
    return {toQColor(c.brushColor()), c.brushStyle()};
  }
  static QFont fontOf(const platform::Canvas& canvas);

  // Paints drawing calls on one painter, keeping track of what the painter already
  // holds: the recording's replay, and a PainterCanvas's every call.
  class Replay {
   public:
    explicit Replay(QPainter& p) : p_(p) {}
    void polyline(const Pen& pen, const QPoint* points, int count);
    void ellipse(const Pen& pen, const Brush& brush, QRect box);
    void rectangle(const Pen& pen, const Brush& brush, QRect box);
    void text(const Text& t, const Brush& background, QRect box);

   private:
    void applyPen(const Pen& wanted);
    void applyBrush(const Brush& brush);
    void shiftToPixelCentres(bool shifted);

    QPainter& p_;
    bool shifted_ = false;
    Pen appliedPen_;
    bool penApplied_ = false;
  };
  // Antialiased lines and text; the clip keeps a band to its rows.
  static void beginPainting(QPainter& p, QRect clip = QRect());

  // `points` are in the canvas's logical pixels; a polyline of fewer than two
  // points is not drawn.
  void polyline(const Pen& pen, const QPoint* points, int count);
  void ellipse(const Pen& pen, const Brush& brush, QRect box);
  // `imageSize` is the logical size of the image the rectangle is drawn on.
  void rectangle(const Pen& pen, const Brush& brush, QRect box, QSize imageSize);
  // `box` is the text's extent as measured; `background` fills it when solid.
  void text(Text text, const Brush& background, QRect box);

  // A rectangle of `brush` over `box` hides everything on an image of this logical size.
  static bool covers(const Brush& brush, QRect box, QSize imageSize);

  bool empty() const { return ops_.empty(); }
  bool hasText() const { return !texts_.empty(); }
  // Recorded points: a measure of the work painting takes.
  std::size_t pointCount() const { return points_.size(); }
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
  friend class PaintStream;

  // Logical rows [top, bottom) of an image, and its right edge.
  struct Band {
    int top;
    int bottom;
    int right;
  };
  static std::vector<Band> bandsOf(const QImage& image, int count);
  // A painter per band needs an image of its own: each wraps the image's pixels.
  static std::vector<QImage> viewsOf(QImage& image, int count);
  static void beginBand(QPainter& p, const Band& band);
  // Hands the ops that may reach the band to `replay`.
  void replay(Replay& replay, const Band& band) const;

  std::vector<Op> ops_;
  std::vector<QPoint> points_;
  std::vector<Text> texts_;
};

// Paints recorded calls in horizontal bands on worker threads while the caller
// records the next ones: a frame's arithmetic and its painting overlap. Batches
// are painted in the order they were handed over, each band by its own thread.
class PaintStream {
 public:
  PaintStream(QImage& image, int bands);
  ~PaintStream();
  PaintStream(const PaintStream&) = delete;
  PaintStream& operator=(const PaintStream&) = delete;

  void push(std::unique_ptr<PaintRecording> batch);
  // Waits until everything handed over is painted, and gives the batches back
  // (cleared) for reuse. The stream takes nothing more afterwards.
  void close(std::vector<std::unique_ptr<PaintRecording>>& spare);

 private:
  void paintBand(int band);

  std::vector<QImage> views_;
  std::vector<PaintRecording::Band> bands_;
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<std::unique_ptr<PaintRecording>> batches_;
  bool closed_ = false;
  bool running_ = false;
};
