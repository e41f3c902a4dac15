#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/Canvas.h"
#include "platform/PictureRecorder.h"
#include "paint/PaintRecording.h"

// A Canvas that draws into a QImage. What is drawn stays until it is drawn over, like
// a bitmap. Drawing calls are recorded; a little is painted when the image is
// needed (finish), a large frame already while it is being drawn, by worker threads
// in bands. Consecutive lineTo calls are batched into one polyline: a 3D frame
// draws tens of thousands of segments.
class QtCanvas : public platform::Canvas {
 public:
  explicit QtCanvas(QImage* image);
  ~QtCanvas() override;

  int width() const override;
  int height() const override;
  void lineTo(int x, int y) override;
  void ellipse(int x1, int y1, int x2, int y2) override;
  void rectangle(int x1, int y1, int x2, int y2) override;
  void textOut(int x, int y, const std::string& utf8) override;
  int textWidth(const std::string& utf8) override;
  int textHeight(const std::string& utf8) override;

  // Paints what was drawn since the last time, so that the image can be shown.
  void finish();
  void flush() override;

  // How many threads a frame takes, the drawing one included (at least 1); by
  // default the processor's cores. With one, the drawing thread paints when the
  // image is needed; with more, the others paint in bands meanwhile.
  void setPaintThreads(int threads);
  int paintThreads() const { return threads_; }

 private:
  // Hands what was recorded to the painting threads once there is enough of it.
  void recorded();
  // Waits for the painting threads and takes back their batches.
  void closeStream();
  // Makes the painting threads free for this canvas: another canvas's stream is
  // painted to its end first.
  void takePool();
  static QtCanvas* poolUser_;

  QImage* image_;
  std::unique_ptr<PaintRecording> recording_;
  std::unique_ptr<PaintStream> stream_;
  std::vector<std::unique_ptr<PaintRecording>> spare_;
  int threads_;
  // The pending polyline; kept between polylines so that its storage is reused.
  std::vector<QPoint> pending_;
};

// An image control: owns a bitmap of a fixed logical size, shown 1:1 and kept crisp
// on high-density screens, and the canvas that draws into it.
class ImageControl : public QWidget {
  Q_OBJECT
 public:
  // `pixelRatio` 0 takes the screen's.
  ImageControl(int width, int height, QWidget* parent, qreal pixelRatio = 0);
  ~ImageControl() override;

  platform::Canvas& canvas();
  const QImage& image();  // finishes pending drawing first
  // Draws what the image shows again on `out` (a canvas of the same size); false,
  // drawing nothing, when the picture was too large to keep.
  bool drawPicture(platform::Canvas& out) const;
  // Something was drawn that has not been shown yet.
  bool frameWaiting() const;
  void setPaintThreads(int threads);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  class UpdatingCanvas;
  QImage image_;
  std::unique_ptr<UpdatingCanvas> canvas_;
  std::unique_ptr<platform::PictureRecorder> recorder_;
};
