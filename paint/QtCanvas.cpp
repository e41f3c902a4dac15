#include "paint/QtCanvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPalette>
#include <QScreen>

#include "paint/PaintThreads.h"

namespace {

using R = PaintRecording;

// Points recorded before they go to the painting threads: small enough that they
// start early in a frame, large enough that handing over is rare.
constexpr std::size_t kBatchPoints = 2048;
}  // namespace

QtCanvas::QtCanvas(QImage* image)
    : image_(image), recording_(std::make_unique<PaintRecording>()), threads_(PaintThreads::cores()) {}
QtCanvas::~QtCanvas() {
  finish();
  if (poolUser_ == this) poolUser_ = nullptr;
}

int QtCanvas::width() const {
  return int(image_->width() / image_->devicePixelRatio());
}
int QtCanvas::height() const {
  return int(image_->height() / image_->devicePixelRatio());
}

void QtCanvas::setPaintThreads(int threads) {
  closeStream();
  threads_ = std::max(1, threads);
}

// The painting threads serve one canvas at a time; every canvas lives on the GUI thread.
QtCanvas* QtCanvas::poolUser_ = nullptr;

void QtCanvas::takePool() {
  if (poolUser_ && poolUser_ != this) poolUser_->closeStream();
  poolUser_ = this;
}

void QtCanvas::recorded() {
  if (threads_ < 2 || recording_->pointCount() < kBatchPoints) return;
  if (!stream_) {
    takePool();
    stream_ = std::make_unique<PaintStream>(*image_, threads_ - 1);
  }
  stream_->push(std::move(recording_));
  if (spare_.empty()) {
    recording_ = std::make_unique<PaintRecording>();
  } else {
    recording_ = std::move(spare_.back());
    spare_.pop_back();
  }
}

void QtCanvas::closeStream() {
  if (poolUser_ == this) poolUser_ = nullptr;
  if (!stream_) return;
  if (!recording_->empty()) stream_->push(std::move(recording_));
  stream_->close(spare_);
  stream_.reset();
  if (!recording_) {
    recording_ = std::move(spare_.back());
    spare_.pop_back();
  }
}

void QtCanvas::flush() {
  if (pending_.size() >= 2) {
    recording_->polyline(R::penOf(*this), pending_.data(), int(pending_.size()));
    recorded();
  }
  pending_.clear();
}

void QtCanvas::lineTo(int x, int y) {
  if (pending_.empty()) pending_.emplace_back(penPos().x, penPos().y);
  pending_.emplace_back(x, y);
  setPenPos({x, y});
}

void QtCanvas::ellipse(int x1, int y1, int x2, int y2) {
  flush();
  recording_->ellipse(R::penOf(*this), R::brushOf(*this), QRect(x1, y1, x2 - x1, y2 - y1));
  recorded();
}

void QtCanvas::rectangle(int x1, int y1, int x2, int y2) {
  flush();
  const QRect box(x1, y1, x2 - x1, y2 - y1);
  // A new frame. Should the last one not have been shown (a window off the screen
  // gets no paints), it is painted to its end now: batches must not pile up.
  if (stream_ && PaintRecording::covers(R::brushOf(*this), box, QSize(width(), height()))) closeStream();
  recording_->rectangle(R::penOf(*this), R::brushOf(*this), box, QSize(width(), height()));
  recorded();
}

void QtCanvas::textOut(int x, int y, const std::string& utf8) {
  // Text is painted on this thread alone, after what came before it.
  flush();
  closeStream();
  const QString text = QString::fromStdString(utf8);
  const QFont f = R::fontOf(*this);
  const QFontMetrics metrics(f, image_);
  const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
  recording_->text({f, toQColor(font().color), text}, R::brushOf(*this), box);
  recording_->paint(*image_, 1, 1);
  recording_->clear();
}

int QtCanvas::textWidth(const std::string& utf8) {
  return QFontMetrics(R::fontOf(*this), image_).horizontalAdvance(QString::fromStdString(utf8));
}

int QtCanvas::textHeight(const std::string&) {
  return QFontMetrics(R::fontOf(*this), image_).height();
}

void QtCanvas::finish() {
  flush();
  if (stream_) {
    closeStream();
  } else {
    // Little was drawn. A band per thread: each band goes once more through every
    // polyline that crosses it, so more bands than threads cost more than they
    // balance.
    if (threads_ > 1 && !recording_->empty()) {
      takePool();
      poolUser_ = nullptr;  // run() returns with its jobs done
    }
    recording_->paint(*image_, threads_, threads_);
  }
  recording_->clear();
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
  bool waiting() const { return updatePending_; }

 private:
  void changed() {
    if (updatePending_) return;
    updatePending_ = true;
    owner_->update();
  }

  QWidget* owner_;
  bool updatePending_ = false;
};

ImageControl::ImageControl(int width, int height, QWidget* parent, qreal pixelRatio)
    : QWidget(parent) {
  qreal dpr = pixelRatio;
  if (const QScreen* screen = QGuiApplication::primaryScreen(); dpr <= 0 && screen)
    dpr = screen->devicePixelRatio();
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

bool ImageControl::frameWaiting() const { return canvas_->waiting(); }

void ImageControl::setPaintThreads(int threads) { canvas_->setPaintThreads(threads); }

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
