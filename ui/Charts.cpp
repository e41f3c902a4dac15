#include "ui/Charts.h"

#include <QGraphicsScene>
#include <QLocale>
#include <QPainter>
#include <QtCharts/QAbstractSeries>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>

QChartView* makeChartView(QWidget* parent, const char* name) {
  auto* chart = new QChart;
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->legend()->hide();
  chart->setMargins(QMargins(4, 4, 4, 4));
  // Axis numbers as the rest of the program writes them: "0,01", "10.000".
  chart->setLocalizeNumbers(true);
  auto* view = new QChartView(chart, parent);
  localizeChart(view);
  view->setObjectName(name);
  // The items move with every new point; an index of their places would only cost.
  view->scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(420, 280);
  return view;
}

void localizeChart(QChartView* view) {
  // The chart's own default is the desktop's locale, which need not be the program's.
  if (view->chart()->locale() != QLocale()) view->chart()->setLocale(QLocale());
}

QValueAxis* numberAxis(QChart* chart) {
  auto* axis = new QValueAxis;
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
