#include "ui/QtCanvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPalette>
#include <QScreen>

QColor toQColor(platform::Color color) {
  if (platform::isSystemColor(color)) {
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
  return QColor(platform::redOf(color), platform::greenOf(color), platform::blueOf(color));
}

QtCanvas::QtCanvas(QPaintDevice* image) : image_(image) {}
QtCanvas::~QtCanvas() { finish(); }

int QtCanvas::width() const {
  return int(image_->width() / image_->devicePixelRatio());
}
int QtCanvas::height() const {
  return int(image_->height() / image_->devicePixelRatio());
}

QPainter& QtCanvas::painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(image_);
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
  }
  return *painter_;
}

void QtCanvas::applyPen(QPainter& p) const {
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

void QtCanvas::applyBrush(QPainter& p) const {
  if (brushStyle() == platform::BrushStyle::Clear)
    p.setBrush(Qt::NoBrush);
  else
    p.setBrush(toQColor(brushColor()));
}

QFont QtCanvas::qfont() const {
  QFont f(QString::fromStdString(font().name));
  f.setPointSize(font().size);
  f.setBold(font().bold);
  f.setItalic(font().italic);
  return f;
}

void QtCanvas::shiftToPixelCentres(QPainter& p, bool shifted) {
  if (shifted_ == shifted) return;
  if (shifted)
    p.setWorldTransform(QTransform::fromTranslate(0.5, 0.5));
  else
    p.resetTransform();
  shifted_ = shifted;
}

void QtCanvas::flush() {
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

void QtCanvas::lineTo(int x, int y) {
  if (pending_.empty()) pending_.emplace_back(penPos().x, penPos().y);
  pending_.emplace_back(x, y);
  setPenPos({x, y});
}

void QtCanvas::ellipse(int x1, int y1, int x2, int y2) {
  flush();
  QPainter& p = painter();
  shiftToPixelCentres(p, false);
  applyPen(p);
  applyBrush(p);
  p.drawEllipse(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
}

void QtCanvas::rectangle(int x1, int y1, int x2, int y2) {
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

void QtCanvas::textOut(int x, int y, const std::string& utf8) {
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

int QtCanvas::textWidth(const std::string& utf8) {
  return QFontMetrics(qfont(), image_).horizontalAdvance(QString::fromStdString(utf8));
}

int QtCanvas::textHeight(const std::string&) {
  return QFontMetrics(qfont(), image_).height();
}

void QtCanvas::finish() {
  flush();
  painter_.reset();
  penApplied_ = false;
  shifted_ = false;
}

// Schedules one repaint of its control for all drawing since the last paint.
class ImageControl::UpdatingCanvas : public QtCanvas {
 public:
  UpdatingCanvas(QImage* image, QWidget* owner) : QtCanvas(image), owner_(owner) {}
  void lineTo(int x, int y) override { QtCanvas::lineTo(x, y), changed(); }
  void ellipse(int x1, int y1, int x2, int y2) override {
    QtCanvas::ellipse(x1, y1, x2, y2), changed();
  }
  void rectangle(int x1, int y1, int x2, int y2) override {
    QtCanvas::rectangle(x1, y1, x2, y2), changed();
  }
  void textOut(int x, int y, const std::string& t) override {
    QtCanvas::textOut(x, y, t), changed();
  }
  void shown() { updatePending_ = false; }

 private:
  void changed() {
    if (updatePending_) return;
    updatePending_ = true;
    owner_->update();
  }

  QWidget* owner_;
  bool updatePending_ = false;
};

ImageControl::ImageControl(int width, int height, QWidget* parent) : QWidget(parent) {
  qreal dpr = 1.0;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) dpr = screen->devicePixelRatio();
  dpr = std::max<qreal>(dpr, 1.0);
  image_ = QImage(int(width * dpr), int(height * dpr), QImage::Format_ARGB32_Premultiplied);
  image_.setDevicePixelRatio(dpr);
  image_.fill(Qt::white);
  canvas_ = std::make_unique<UpdatingCanvas>(&image_, this);
  recorder_ = std::make_unique<platform::PictureRecorder>(*canvas_);
  setFixedSize(width, height);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

ImageControl::~ImageControl() = default;

platform::Canvas& ImageControl::canvas() { return *recorder_; }

bool ImageControl::drawPicture(platform::Canvas& out) const {
  if (!recorder_->complete()) return false;
  // The first picture lies on the white the image was created with.
  out.setBrushColor(platform::colors::white);
  out.setPenStyle(platform::PenStyle::Clear);
  out.rectangle(0, 0, out.width(), out.height());
  recorder_->replay(out);
  return true;
}

const QImage& ImageControl::image() {
  canvas_->finish();
  return image_;
}

void ImageControl::paintEvent(QPaintEvent* event) {
  canvas_->finish();
  canvas_->shown();
  QPainter p(this);
  p.drawImage(event->rect(), image_,
              QRectF(event->rect().topLeft() * image_.devicePixelRatio(),
                     event->rect().size() * image_.devicePixelRatio()));
}
