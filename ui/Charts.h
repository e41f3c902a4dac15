#pragma once

// The way the views make their charts (Qt Charts): one look for every chart.

#include <QString>

QT_BEGIN_NAMESPACE
class QAbstractAxis;
class QAbstractSeries;
class QChart;
class QChartView;
class QValueAxis;
QT_END_NAMESPACE
class QWidget;

// A chart without animation or legend, its numbers in the locale's form; the window
// gives it its title.
QChartView* makeChartView(QWidget* parent, const char* name);
// Numbers in the form of QLocale's default again, after a change of language.
void localizeChart(QChartView* view);
// An axis of whole numbers at the bottom, ticks on round numbers.
QValueAxis* numberAxis(QChart* chart);
void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y);
