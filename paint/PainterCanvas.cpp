#include "paint/PainterCanvas.h"

#include <QFontMetrics>

PainterCanvas::PainterCanvas(QPaintDevice* device) : device_(device) {}
PainterCanvas::~PainterCanvas() { finish(); }

int PainterCanvas::width() const { return int(device_->width() / device_->devicePixelRatio()); }
int PainterCanvas::height() const { return int(device_->height() / device_->devicePixelRatio()); }

// The device is taken only when something is drawn.
PaintRecording::Replay& PainterCanvas::replay() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(device_);
    PaintRecording::beginPainting(*painter_);
    replay_ = std::make_unique<PaintRecording::Replay>(*painter_);
  }
  return *replay_;
}

void PainterCanvas::flush() {
  if (pending_.size() >= 2)
    replay().polyline(PaintRecording::penOf(*this), pending_.data(), int(pending_.size()));
  pending_.clear();
}

void PainterCanvas::lineTo(int x, int y) {
  if (pending_.empty()) pending_.emplace_back(penPos().x, penPos().y);
  pending_.emplace_back(x, y);
  setPenPos({x, y});
}

void PainterCanvas::ellipse(int x1, int y1, int x2, int y2) {
  flush();
  replay().ellipse(PaintRecording::penOf(*this), PaintRecording::brushOf(*this),
                   QRect(x1, y1, x2 - x1, y2 - y1));
}

void PainterCanvas::rectangle(int x1, int y1, int x2, int y2) {
  flush();
  replay().rectangle(PaintRecording::penOf(*this), PaintRecording::brushOf(*this),
                     QRect(x1, y1, x2 - x1, y2 - y1));
}

void PainterCanvas::textOut(int x, int y, const std::string& utf8) {
  flush();
  const QString text = QString::fromStdString(utf8);
  const QFont f = PaintRecording::fontOf(*this);
  const QFontMetrics metrics(f, device_);
  const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
  replay().text({f, toQColor(font().color), text}, PaintRecording::brushOf(*this), box);
}

int PainterCanvas::textWidth(const std::string& utf8) {
  return QFontMetrics(PaintRecording::fontOf(*this), device_).horizontalAdvance(QString::fromStdString(utf8));
}

int PainterCanvas::textHeight(const std::string&) {
  return QFontMetrics(PaintRecording::fontOf(*this), device_).height();
}

void PainterCanvas::finish() {
  flush();
  replay_.reset();
  painter_.reset();
}
