#pragma once

#include <QPaintDevice>
#include <QPainter>
#include <QPoint>
#include <memory>
#include <vector>

#include "paint/PaintRecording.h"
#include "platform/Canvas.h"

// A Canvas that paints straight onto any paint device (an SVG generator, a printer),
// each call at once, with the pens of a replayed recording: what an image control
// records and paints in bands, this paints alike. Consecutive lineTo calls are
// batched into one polyline.
class PainterCanvas : public platform::Canvas {
 public:
  explicit PainterCanvas(QPaintDevice* device);
  ~PainterCanvas() override;

  int width() const override;
  int height() const override;
  void lineTo(int x, int y) override;
  void ellipse(int x1, int y1, int x2, int y2) override;
  void rectangle(int x1, int y1, int x2, int y2) override;
  void textOut(int x, int y, const std::string& utf8) override;
  int textWidth(const std::string& utf8) override;
  int textHeight(const std::string& utf8) override;

  // Finishes pending drawing and releases the device, so that it can be shown.
  void finish();
  void flush() override;

 private:
  PaintRecording::Replay& replay();

  QPaintDevice* device_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<PaintRecording::Replay> replay_;
  // The pending polyline; kept between polylines so that its storage is reused.
  std::vector<QPoint> pending_;
};
