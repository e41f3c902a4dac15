#include "ui/Glyphs.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
#include <functional>

namespace glyphs {

// Paints on a 32 x 32 logical grid at 16, 24 and 32 pixels and the screen's density.
QIcon paintIcon(const std::function<void(QPainter&)>& paint) {
  QIcon icon;
  qreal dpr = 1;
  if (const QScreen* s = QGuiApplication::primaryScreen()) dpr = std::max<qreal>(1, s->devicePixelRatio());
  for (int size : {16, 24, 32, 48}) {
    QPixmap pm(int(size * dpr), int(size * dpr));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    paint(p);
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}

namespace {

QPen pen(const QColor& c, qreal w) {
  QPen p(c, w);
  p.setCapStyle(Qt::RoundCap);
  p.setJoinStyle(Qt::RoundJoin);
  return p;
}

const QColor kBlue(30, 90, 170);
const QColor kGreen(40, 140, 60);
const QColor kRed(200, 40, 40);
const QColor kDark(50, 50, 50);
const QColor kFolder(220, 170, 50);

}  // namespace

QIcon info() {
  return paintIcon([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(QRectF(2, 2, 28, 28));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(14, 7, 4.5, 4.5));
    p.drawRoundedRect(QRectF(14, 13.5, 4.5, 12), 1.5, 1.5);
  });
}

QIcon help() {
  return paintIcon([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QRectF(2, 2, 28, 28));
    p.setPen(pen(Qt::white, 3.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath q;
    q.moveTo(11.5, 12.5);
    q.cubicTo(11.5, 6.5, 21, 6.5, 21, 12);
    q.cubicTo(21, 16, 16, 16, 16, 20);
    p.drawPath(q);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(14, 22.5, 4, 4));
  });
}

QIcon demo2D() {
  return paintIcon([](QPainter& p) {
    p.setPen(pen(kDark, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QRectF(11, 11, 10, 10));
    p.setBrush(kRed);
    for (QPointF c : {QPointF(16, 3), QPointF(29, 16), QPointF(6.8, 25.2)})
      p.drawEllipse(c, 3, 3);
  });
}

QIcon demo3D() {
  return paintIcon([](QPainter& p) {
    p.setPen(pen(kBlue, 1.6));
    p.setBrush(QColor(210, 230, 250));
    p.drawEllipse(QRectF(4, 4, 24, 24));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(10, 4, 12, 24));
    p.drawEllipse(QRectF(4, 11, 24, 10));
    p.drawLine(QPointF(16, 4), QPointF(16, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(27, 6), 3, 3);
  });
}

QIcon quit() {
  return paintIcon([](QPainter& p) {
    p.setPen(pen(kDark, 2));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(5, 4, 14, 24));
    p.setPen(pen(kRed, 3));
    p.drawLine(QPointF(13, 16), QPointF(28, 16));
    p.drawLine(QPointF(23, 11), QPointF(28, 16));
    p.drawLine(QPointF(23, 21), QPointF(28, 16));
  });
}

QIcon ok() {
  return paintIcon([](QPainter& p) {
    p.setPen(pen(kGreen, 4.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath q;
    q.moveTo(5, 17);
    q.lineTo(12.5, 24.5);
    q.lineTo(27, 8);
    p.drawPath(q);
  });
}

QIcon close() {
  return paintIcon([](QPainter& p) {
    p.setPen(pen(kRed, 4));
    p.drawLine(QPointF(8, 8), QPointF(24, 24));
    p.drawLine(QPointF(24, 8), QPointF(8, 24));
  });
}

QIcon convert() {
  return paintIcon([](QPainter& p) {
    p.setPen(pen(kBlue, 3));
    p.drawLine(QPointF(5, 11), QPointF(26, 11));
    p.drawLine(QPointF(20, 5), QPointF(26, 11));
    p.drawLine(QPointF(27, 21), QPointF(6, 21));
    p.drawLine(QPointF(12, 27), QPointF(6, 21));
  });
}

QIcon generate() {
  return paintIcon([](QPainter& p) {
    p.setPen(pen(kDark, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(kDark);
    for (QPointF c : {QPointF(10, 10), QPointF(22, 10), QPointF(16, 16), QPointF(10, 22),
                      QPointF(22, 22)})
      p.drawEllipse(c, 2.4, 2.4);
  });
}

QIcon move() {
  return paintIcon([](QPainter& p) {
    p.setPen(pen(kGreen, 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 5, 22, 22), 30 * 16, 270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    QPolygonF head;
    head << QPointF(22, 2) << QPointF(29, 10) << QPointF(20, 12);
    p.drawPolygon(head);
  });
}

// Time control: two bars, a triangle, and a triangle against a bar.
QIcon pause() {
  return paintIcon([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(8, 6, 6, 20), 1.5, 1.5);
    p.drawRoundedRect(QRectF(18, 6, 6, 20), 1.5, 1.5);
  });
}

QIcon play() {
  return paintIcon([](QPainter& p) {
    p.setPen(pen(kGreen, 2));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({QPointF(9, 6), QPointF(25, 16), QPointF(9, 26)}));
  });
}

QIcon singleStep() {
  return paintIcon([](QPainter& p) {
    p.setPen(pen(kBlue, 2));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({QPointF(6, 7), QPointF(19, 16), QPointF(6, 25)}));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(21, 6, 5, 20), 1.5, 1.5);
  });
}


// Scenario files and tables.
QIcon open() {
  return paintIcon([](QPainter& p) {
    p.setPen(QPen(kDark, 1.2));
    p.setBrush(kFolder.darker(115));
    p.drawRoundedRect(QRectF(3, 7, 24, 19), 2, 2);
    p.setBrush(kFolder);
    QPolygonF front;
    front << QPointF(7, 13) << QPointF(30, 13) << QPointF(26, 26) << QPointF(3, 26);
    p.drawPolygon(front);
  });
}

QIcon save() {
  return paintIcon([](QPainter& p) {
    p.setPen(QPen(kDark, 1.2));
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2.5, 2.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(8, 18, 16, 10));
    p.setBrush(kDark);
    p.drawRect(QRectF(18, 5.5, 3, 6));
  });
}

QIcon table() {
  return paintIcon([](QPainter& p) {
    p.setPen(QPen(kDark, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 5, 26, 22));
    p.setBrush(QColor(40, 140, 60));
    p.drawRect(QRectF(3, 5, 26, 6));
    for (const qreal x : {12.0, 20.0}) p.drawLine(QPointF(x, 5), QPointF(x, 27));
    for (const qreal y : {16.5, 22.0}) p.drawLine(QPointF(3, y), QPointF(29, y));
  });
}

// The teaching views.
// Rings of the sky with a filled and a hollow satellite.
QIcon sky() {
  return paintIcon([](QPainter& p) {
    const QColor blue(20, 60, 150);
    p.setPen(QPen(QColor(120, 120, 120), 1.5));
    p.setBrush(QColor(236, 244, 252));
    p.drawEllipse(QRectF(2, 2, 28, 28));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(9, 9, 14, 14));
    p.setPen(QPen(blue, 2.2));
    p.setBrush(blue);
    p.drawEllipse(QPointF(20, 10), 3.2, 3.2);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 21), 3.2, 3.2);
  });
}

// A falling curve on axes, down to a dashed line: the convergence.
QIcon history() {
  return paintIcon([](QPainter& p) {
    p.setPen(QPen(QColor(50, 50, 50), 1.8));
    p.drawLine(QPointF(4, 3), QPointF(4, 28));
    p.drawLine(QPointF(4, 28), QPointF(29, 28));
    QPen dash(QColor(200, 40, 40), 1.5);
    dash.setStyle(Qt::DashLine);
    p.setPen(dash);
    p.drawLine(QPointF(5, 23), QPointF(29, 23));
    QPen curve(QColor(42, 140, 60), 2.5);
    curve.setCapStyle(Qt::RoundCap);
    p.setPen(curve);
    QPainterPath path;
    path.moveTo(7, 5);
    path.cubicTo(10, 18, 16, 21, 28, 22);
    p.drawPath(path);
  });
}

// Three ranges of which one is drawn out of true: the error sources.
QIcon errors() {
  return paintIcon([](QPainter& p) {
    p.setPen(pen(kDark, 1.5));
    for (const qreal y : {8.0, 16.0, 24.0}) p.drawLine(QPointF(4, y), QPointF(y == 16 ? 22 : 26, y));
    p.setPen(pen(kRed, 2.5));
    QPainterPath wave;
    wave.moveTo(4, 16);
    wave.cubicTo(10, 9, 14, 23, 20, 16);
    wave.cubicTo(23, 12, 26, 14, 29, 16);
    p.drawPath(wave);
  });
}

// A cloud of points around a cross, inside a circle: the scatter.
QIcon scatter() {
  return paintIcon([](QPainter& p) {
    p.setPen(pen(QColor(120, 120, 120), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.drawLine(QPointF(16, 9), QPointF(16, 23));
    p.drawLine(QPointF(9, 16), QPointF(23, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    for (const QPointF c : {QPointF(12, 12), QPointF(19, 14), QPointF(14, 20), QPointF(21, 21),
                            QPointF(10, 18), QPointF(18, 9)})
      p.drawEllipse(c, 2, 2);
  });
}

}  // namespace glyphs
