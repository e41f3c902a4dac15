#include "paint/PaintRecording.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <climits>

#include "paint/PaintThreads.h"

QColor systemQColor(platform::Color color) {
  // System colours name a role of the desktop's palette by their low byte.
  const QPalette pal = QGuiApplication::palette();
  switch (color & 0xFF) {
    case 0x02:  // active caption
    case 0x1B:  // gradient of the active caption
      return pal.color(QPalette::Active, QPalette::Highlight).lighter(130);
    case 0x05:  // window
      return pal.color(QPalette::Base);
    case 0x08:  // window text
      return pal.color(QPalette::Text);
    case 0x0F:  // button face
      return pal.color(QPalette::Button);
    case 0x0D:  // highlight
      return pal.color(QPalette::Highlight);
    default:
      return pal.color(QPalette::WindowText);
  }
}

// The pictures must not change: every call is painted exactly as the canvas once
// painted it directly.
void PaintRecording::Replay::polyline(const Pen& pen, const QPoint* points, int count) {
  applyPen(pen);
  if (p_.brush().style() != Qt::NoBrush) p_.setBrush(Qt::NoBrush);
  // Pixel centres: a line from (x, y) runs through the middle of that pixel. The
  // shift stays for the following polylines: a 3D frame draws hundreds in a row.
  shiftToPixelCentres(true);
  p_.drawPolyline(points, count);
}

void PaintRecording::Replay::ellipse(const Pen& pen, const Brush& brush, QRect b) {
  shiftToPixelCentres(false);
  applyPen(pen);
  applyBrush(brush);
  p_.drawEllipse(QRectF(b.left() + 0.5, b.top() + 0.5, b.width() - 1, b.height() - 1));
}

void PaintRecording::Replay::rectangle(const Pen& pen, const Brush& brush, QRect b) {
  shiftToPixelCentres(false);
  const bool aa = p_.testRenderHint(QPainter::Antialiasing);
  p_.setRenderHint(QPainter::Antialiasing, false);
  applyBrush(brush);
  p_.setPen(Qt::NoPen);
  penApplied_ = false;
  if (brush.style == platform::BrushStyle::Solid) p_.drawRect(b);
  if (pen.style != platform::PenStyle::Clear) {
    applyPen(pen);
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(QRectF(b.left() + 0.5, b.top() + 0.5, b.width() - 1, b.height() - 1));
  }
  p_.setRenderHint(QPainter::Antialiasing, aa);
}

void PaintRecording::Replay::text(const Text& t, const Brush& background, QRect box) {
  shiftToPixelCentres(false);
  p_.setFont(t.font);
  if (background.style == platform::BrushStyle::Solid) p_.fillRect(box, background.color);
  p_.setPen(t.color);
  penApplied_ = false;
  p_.drawText(box, Qt::AlignLeft | Qt::AlignTop, t.text);
}

void PaintRecording::Replay::applyPen(const Pen& wanted) {
  if (penApplied_ && appliedPen_ == wanted && p_.pen().style() != Qt::NoPen) return;
  Qt::PenStyle style = Qt::SolidLine;
  switch (wanted.style) {
    case platform::PenStyle::Solid: style = Qt::SolidLine; break;
    case platform::PenStyle::Dash: style = Qt::DashLine; break;
    case platform::PenStyle::Dot: style = Qt::DotLine; break;
    case platform::PenStyle::DashDot: style = Qt::DashDotLine; break;
    case platform::PenStyle::DashDotDot: style = Qt::DashDotDotLine; break;
    case platform::PenStyle::Clear: style = Qt::NoPen; break;
  }
  QPen pen(wanted.color);
  pen.setStyle(style);
  if (wanted.width <= 1) {
    // Hairlines take the rasteriser's fast path: a 3D frame draws tens of
    // thousands of them.
    pen.setWidth(0);
    pen.setCosmetic(true);
  } else {
    pen.setWidth(wanted.width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  p_.setPen(pen);
  appliedPen_ = wanted;
  penApplied_ = style != Qt::NoPen;
}

void PaintRecording::Replay::applyBrush(const Brush& brush) {
  if (brush.style == platform::BrushStyle::Clear)
    p_.setBrush(Qt::NoBrush);
  else
    p_.setBrush(brush.color);
}

void PaintRecording::Replay::shiftToPixelCentres(bool shifted) {
  if (shifted_ == shifted) return;
  if (shifted)
    p_.setWorldTransform(QTransform::fromTranslate(0.5, 0.5));
  else
    p_.resetTransform();
  shifted_ = shifted;
}

QFont PaintRecording::fontOf(const platform::Canvas& c) {
  QFont f(QString::fromStdString(c.font().name));
  f.setPointSize(c.font().size);
  f.setBold(c.font().bold);
  f.setItalic(c.font().italic);
  return f;
}

void PaintRecording::beginPainting(QPainter& p, QRect clip) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  if (!clip.isNull()) p.setClipRect(clip);
}

void PaintRecording::polyline(const Pen& pen, const QPoint* points, int count) {
  if (count < 2) return;
  int x1 = INT_MAX, y1 = INT_MAX, x2 = INT_MIN, y2 = INT_MIN;
  for (int i = 0; i < count; ++i) {
    x1 = std::min(x1, points[i].x()), x2 = std::max(x2, points[i].x());
    y1 = std::min(y1, points[i].y()), y2 = std::max(y2, points[i].y());
  }
  Op op{Kind::Polyline, pen, {}, {}, int(points_.size()), count};
  // The extent as corners: far points would overflow a QRect's width.
  op.box.setCoords(x1, y1, x2, y2);
  ops_.push_back(op);
  points_.insert(points_.end(), points, points + count);
}

void PaintRecording::ellipse(const Pen& pen, const Brush& brush, QRect box) {
  ops_.push_back({Kind::Ellipse, pen, brush, box});
}

bool PaintRecording::covers(const Brush& brush, QRect box, QSize imageSize) {
  return brush.style == platform::BrushStyle::Solid && brush.color.alpha() == 255 && box.left() <= 0 &&
         box.top() <= 0 && qint64(box.left()) + box.width() >= imageSize.width() &&
         qint64(box.top()) + box.height() >= imageSize.height();
}

void PaintRecording::rectangle(const Pen& pen, const Brush& brush, QRect box, QSize imageSize) {
  if (covers(brush, box, imageSize)) clear();
  ops_.push_back({Kind::Rectangle, pen, brush, box});
}

void PaintRecording::text(Text text, const Brush& background, QRect box) {
  ops_.push_back({Kind::Text, {}, background, box, int(texts_.size()), 0});
  texts_.push_back(std::move(text));
}

void PaintRecording::clear() {
  ops_.clear();
  points_.clear();
  texts_.clear();
}

std::vector<PaintRecording::Band> PaintRecording::bandsOf(const QImage& image, int count) {
  const qreal dpr = image.devicePixelRatio();
  const int height = int(image.height() / dpr);
  const int right = int(image.width() / dpr) + 1;
  // Band edges fall on whole logical rows, so that a clip is a whole number of
  // device rows at ratios 1 and 2. The outer bands reach beyond the image, lest a
  // rounded edge lose a row.
  auto edge = [&](int i) {
    return i == 0 ? -1 : i == count ? height + 2 : int(qint64(height) * i / count);
  };
  std::vector<Band> bands;
  for (int i = 0; i < count; ++i) bands.push_back({edge(i), edge(i + 1), right});
  return bands;
}

std::vector<QImage> PaintRecording::viewsOf(QImage& image, int count) {
  uchar* bits = image.bits();
  std::vector<QImage> views;
  views.reserve(std::size_t(count));
  for (int i = 0; i < count; ++i) {
    views.emplace_back(bits, image.width(), image.height(), image.bytesPerLine(), image.format());
    views.back().setDevicePixelRatio(image.devicePixelRatio());
  }
  return views;
}

void PaintRecording::beginBand(QPainter& p, const Band& band) {
  // The clip keeps a band to its rows. Even around the whole image it pays: the
  // raster engine then draws a 3D frame's hairlines in half the time, to the same
  // pixels.
  beginPainting(p, QRect(-1, band.top, band.right + 2, band.bottom - band.top));
}

void PaintRecording::paint(QImage& image, int bands, int threads) const {
  if (ops_.empty()) return;
  if (!texts_.empty() || int(image.height() / image.devicePixelRatio()) < 2 * bands) bands = 1;
  const std::vector<Band> rows = bandsOf(image, bands);
  if (bands <= 1) {
    QPainter p(&image);
    beginBand(p, rows[0]);
    Replay r(p);
    replay(r, rows[0]);
    return;
  }
  std::vector<QImage> views = viewsOf(image, bands);
  PaintThreads::instance().run(bands, threads, [&](int i) {
    QPainter p(&views[std::size_t(i)]);
    beginBand(p, rows[std::size_t(i)]);
    Replay r(p);
    replay(r, rows[std::size_t(i)]);
  });
}

void PaintRecording::replay(Replay& replay, const Band& band) const {
  // Calls that can not reach the rows are left out: a measuring sphere of the
  // walk-through draws many circles wholly beside the image. What may touch a
  // pixel: antialiasing spills one beyond a line, a wide pen half its width, and
  // polylines are drawn half a pixel down and right.
  constexpr qint64 spill = 2;
  for (const Op& op : ops_) {
    const qint64 margin = spill + std::max(op.pen.width, 1);
    const qint64 y1 = std::min(op.box.top(), op.box.bottom());
    const qint64 y2 = std::max(op.box.top(), op.box.bottom());
    const qint64 x1 = std::min(op.box.left(), op.box.right());
    const qint64 x2 = std::max(op.box.left(), op.box.right());
    if (y2 + margin < band.top || y1 - margin >= band.bottom || x2 + margin < -1 ||
        x1 - margin > band.right)
      continue;
    switch (op.kind) {
      case Kind::Polyline: replay.polyline(op.pen, points_.data() + op.first, op.count); break;
      case Kind::Ellipse: replay.ellipse(op.pen, op.brush, op.box); break;
      case Kind::Rectangle: replay.rectangle(op.pen, op.brush, op.box); break;
      case Kind::Text: replay.text(texts_[std::size_t(op.first)], op.brush, op.box); break;
    }
  }
}

// --- PaintStream -------------------------------------------------------------------

PaintStream::PaintStream(QImage& image, int bands)
    : views_(PaintRecording::viewsOf(image, bands)), bands_(PaintRecording::bandsOf(image, bands)) {
  running_ = true;
  PaintThreads::instance().start(bands, [this](int i) { paintBand(i); });
}

PaintStream::~PaintStream() {
  std::vector<std::unique_ptr<PaintRecording>> spare;
  close(spare);
}

void PaintStream::push(std::unique_ptr<PaintRecording> batch) {
  {
    std::lock_guard lock(mutex_);
    batches_.push_back(std::move(batch));
  }
  arrived_.notify_all();
}

void PaintStream::close(std::vector<std::unique_ptr<PaintRecording>>& spare) {
  if (!running_) return;
  {
    std::lock_guard lock(mutex_);
    closed_ = true;
  }
  arrived_.notify_all();
  PaintThreads::instance().wait();
  running_ = false;
  for (auto& b : batches_) {
    b->clear();
    spare.push_back(std::move(b));
  }
  batches_.clear();
}

void PaintStream::paintBand(int band) {
  const PaintRecording::Band& rows = bands_[std::size_t(band)];
  QPainter p(&views_[std::size_t(band)]);
  PaintRecording::beginBand(p, rows);
  PaintRecording::Replay replay(p);
  for (std::size_t next = 0;; ++next) {
    const PaintRecording* batch;
    {
      std::unique_lock lock(mutex_);
      arrived_.wait(lock, [&] { return next < batches_.size() || closed_; });
      if (next == batches_.size()) return;
      batch = batches_[next].get();
    }
    batch->replay(replay, rows);
  }
}
