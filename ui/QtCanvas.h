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

QColor toQColor(platform::Color color);

// A Canvas that draws into a QImage. What is drawn stays until it is drawn over, like
// a bitmap. Consecutive lineTo calls are batched into one polyline: a 3D frame draws
// tens of thousands of segments.
class QtCanvas : public platform::Canvas {
 public:
  // Any paint device: the image of an image control, or an SVG generator.
  explicit QtCanvas(QPaintDevice* image);
  ~QtCanvas() override;

  int width() const override;
  int height() const override;
  void lineTo(int x, int y) override;
  void ellipse(int x1, int y1, int x2, int y2) override;
  void rectangle(int x1, int y1, int x2, int y2) override;
  void textOut(int x, int y, const std::string& utf8) override;
  int textWidth(const std::string& utf8) override;
  int textHeight(const std::string& utf8) override;

  // Finishes pending drawing and releases the image, so that it can be shown.
  void finish();
  void flush() override;

 private:
  QPainter& painter();
  void applyPen(QPainter& p) const;
  void applyBrush(QPainter& p) const;
  QFont qfont() const;

  QPaintDevice* image_;
  std::unique_ptr<QPainter> painter_;
  // Puts the painter's origin on the pixel centres for polylines, or back.
  void shiftToPixelCentres(QPainter& p, bool shifted);

  // The pending polyline; kept between polylines so that its storage is reused.
  std::vector<QPoint> pending_;
  // The painter draws with the half-pixel shift of the polylines.
  bool shifted_ = false;
  // The pen last handed to the painter; other drawing calls set the painter's pen
  // directly and clear this.
  mutable Pen appliedPen_;
  mutable bool penApplied_ = false;
};

// An image control: owns a bitmap of a fixed logical size, shown 1:1 and kept crisp
// on high-density screens, and the canvas that draws into it.
class ImageControl : public QWidget {
  Q_OBJECT
 public:
  ImageControl(int width, int height, QWidget* parent);
  ~ImageControl() override;

  platform::Canvas& canvas();
  const QImage& image();  // finishes pending drawing first
  // Draws what the image shows again on `out` (a canvas of the same size); false,
  // drawing nothing, when the picture was too large to keep.
  bool drawPicture(platform::Canvas& out) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  class UpdatingCanvas;
  QImage image_;
  std::unique_ptr<UpdatingCanvas> canvas_;
  std::unique_ptr<platform::PictureRecorder> recorder_;
};
