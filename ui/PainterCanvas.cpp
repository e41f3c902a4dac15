#include "ui/PainterCanvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPalette>
#include <QScreen>
#include "ui/QtCanvas.h"  // toQColor

PainterCanvas::PainterCanvas(QPaintDevice* image) : image_(image) {}
PainterCanvas::~PainterCanvas() { finish(); }

int PainterCanvas::width() const {
  return int(image_->width() / image_->devicePixelRatio());
}
int PainterCanvas::height() const {
  return int(image_->height() / image_->devicePixelRatio());
}

QPainter& PainterCanvas::painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(image_);
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
  }
  return *painter_;
}

void PainterCanvas::applyPen(QPainter& p) const {
  const Pen wanted{penColor(), penWidth(), penStyle()};
  if (penApplied_ && appliedPen_.color == wanted.color && appliedPen_.width == wanted.width &&
      appliedPen_.style == wanted.style && p.pen().style() != Qt::NoPen)
    return;
  Qt::PenStyle style = Qt::SolidLine;
  switch (penStyle()) {
    case platform::PenStyle::Solid: style = Qt::SolidLine; break;
    case platform::PenStyle::Dash: style = Qt::DashLine; break;
    case platform::PenStyle::Dot: style = Qt::DotLine; break;
    case platform::PenStyle::DashDot: style = Qt::DashDotLine; break;
    case platform::PenStyle::DashDotDot: style = Qt::DashDotDotLine; break;
    case platform::PenStyle::Clear: style = Qt::NoPen; break;
  }
  QPen pen(toQColor(penColor()));
  pen.setStyle(style);
  if (penWidth() <= 1) {
    // Hairlines take the rasteriser's fast path: a 3D frame draws tens of
    // thousands of them.
    pen.setWidth(0);
    pen.setCosmetic(true);
  } else {
    pen.setWidth(penWidth());
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  p.setPen(pen);
  appliedPen_ = wanted;
  penApplied_ = style != Qt::NoPen;
}

void PainterCanvas::applyBrush(QPainter& p) const {
  if (brushStyle() == platform::BrushStyle::Clear)
    p.setBrush(Qt::NoBrush);
  else
    p.setBrush(toQColor(brushColor()));
}

QFont PainterCanvas::qfont() const {
  QFont f(QString::fromStdString(font().name));
  f.setPointSize(font().size);
  f.setBold(font().bold);
  f.setItalic(font().italic);
  return f;
}

void PainterCanvas::shiftToPixelCentres(QPainter& p, bool shifted) {
  if (shifted_ == shifted) return;
  if (shifted)
    p.setWorldTransform(QTransform::fromTranslate(0.5, 0.5));
  else
    p.resetTransform();
  shifted_ = shifted;
}

void PainterCanvas::flush() {
  if (pending_.size() < 2) {
    pending_.clear();
    return;
  }
  QPainter& p = painter();
  applyPen(p);
  if (p.brush().style() != Qt::NoBrush) p.setBrush(Qt::NoBrush);
  // Pixel centres: a line from (x, y) runs through the middle of that pixel. The
  // shift stays for the following polylines: a 3D frame draws hundreds in a row.
  shiftToPixelCentres(p, true);
  p.drawPolyline(pending_.data(), int(pending_.size()));
  pending_.clear();
}

void PainterCanvas::lineTo(int x, int y) {
  if (pending_.empty()) pending_.emplace_back(penPos().x, penPos().y);
  pending_.emplace_back(x, y);
  setPenPos({x, y});
}

void PainterCanvas::ellipse(int x1, int y1, int x2, int y2) {
  flush();
  QPainter& p = painter();
  shiftToPixelCentres(p, false);
  applyPen(p);
  applyBrush(p);
  p.drawEllipse(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
}

void PainterCanvas::rectangle(int x1, int y1, int x2, int y2) {
  flush();
  QPainter& p = painter();
  shiftToPixelCentres(p, false);
  const bool aa = p.testRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::Antialiasing, false);
  applyBrush(p);
  p.setPen(Qt::NoPen);
  penApplied_ = false;
  if (brushStyle() == platform::BrushStyle::Solid) p.drawRect(QRect(x1, y1, x2 - x1, y2 - y1));
  if (penStyle() != platform::PenStyle::Clear) {
    applyPen(p);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
  }
  p.setRenderHint(QPainter::Antialiasing, aa);
}

void PainterCanvas::textOut(int x, int y, const std::string& utf8) {
  flush();
  QPainter& p = painter();
  shiftToPixelCentres(p, false);
  const QString text = QString::fromStdString(utf8);
  p.setFont(qfont());
  const QFontMetrics metrics(p.font(), image_);
  const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
  if (brushStyle() == platform::BrushStyle::Solid) p.fillRect(box, toQColor(brushColor()));
  p.setPen(toQColor(font().color));
  penApplied_ = false;
  p.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
}

int PainterCanvas::textWidth(const std::string& utf8) {
  return QFontMetrics(qfont(), image_).horizontalAdvance(QString::fromStdString(utf8));
}

int PainterCanvas::textHeight(const std::string&) {
  return QFontMetrics(qfont(), image_).height();
}

void PainterCanvas::finish() {
  flush();
  painter_.reset();
  penApplied_ = false;
  shifted_ = false;
}
