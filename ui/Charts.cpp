#include "ui/Charts.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QtCharts/QAbstractSeries>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>

QChartView* makeChartView(QWidget* parent, const char* name, const QString& title) {
  auto* chart = new QChart;
  chart->setTitle(title);
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->legend()->hide();
  chart->setMargins(QMargins(4, 4, 4, 4));
  // Axis numbers as the rest of the program writes them: "0,01", "10.000".
  chart->setLocalizeNumbers(true);
  auto* view = new QChartView(chart, parent);
  view->setObjectName(name);
  // The items move with every new point; an index of their places would only cost.
  view->scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(420, 280);
  return view;
}

QValueAxis* numberAxis(QChart* chart, const QString& title) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  axis->setLabelFormat("%.0f");
  axis->setTickType(QValueAxis::TicksDynamic);  // on round numbers
  axis->setTickAnchor(0);
  axis->setTickInterval(1);
  chart->addAxis(axis, Qt::AlignBottom);
  return axis;
}

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
  chart->addSeries(series);
  series->attachAxis(x);
  series->attachAxis(y);
}
