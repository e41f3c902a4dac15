#pragma once

#include <QPaintDevice>
#include <QPainter>
#include <QPoint>
#include <memory>
#include <vector>

#include "platform/Canvas.h"

// A Canvas that paints straight onto any paint device (an SVG generator, a printer):
// what the image control's QtCanvas records and paints in bands, this paints at once. Consecutive lineTo calls are batched into one polyline: a 3D frame draws
// tens of thousands of segments.
class PainterCanvas : public platform::Canvas {
 public:
  // Any paint device: the image of an image control, or an SVG generator.
  explicit PainterCanvas(QPaintDevice* image);
  ~PainterCanvas() override;

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
