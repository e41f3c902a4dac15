#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <vector>

#include "model/LessonModel.h"
#include "views/HistorySeries.h"

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
class QLogValueAxis;
QT_END_NAMESPACE
class DeferredRedraw;

// The history of the lesson's determinations as charts: how far the computed position
// lay from the true one, how many iterations each took, which window of four
// satellites converged and how the others failed; and how the latest one converged,
// iteration by iteration. The lesson keeps the history; the charts are drawn only
// while the window is shown.
class HistoryWindow : public QWidget, private LessonObserver {
  Q_OBJECT
 public:
  // The lesson outlives the window.
  explicit HistoryWindow(LessonModel& lesson, QWidget* parent = nullptr);
  ~HistoryWindow() override;

  // Fills the charts from the history as it is now.
  void refresh();

  QChartView* ChartAbstand;
  QChartView* ChartIterationen;
  QChartView* ChartFenster;
  QChartView* ChartKonvergenz;
  QLabel* LabelUebersicht;
  QLabel* LabelLetzte;
  QPushButton* BitBtnZuruecksetzen;

 public Q_SLOTS:
  void BitBtnZuruecksetzenClick();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();
  void buildCharts();
  void refreshHistoryCharts();
  void refreshConvergenceChart();

  void determined(const DeterminationRecord& record) override;
  void restored() override;
  void historyCleared() override;

  LessonModel& lesson_;
  views::HistorySeries series_;
  std::vector<std::vector<views::ChartPoint>> convergence_;
  DeferredRedraw* redraw_ = nullptr;

  QLineSeries* distance_ = nullptr;
  QValueAxis* distanceX_ = nullptr;
  QLogValueAxis* distanceY_ = nullptr;
  QLineSeries* iterations_ = nullptr;
  QValueAxis* iterationsX_ = nullptr;
  QLogValueAxis* iterationsY_ = nullptr;
  std::vector<QScatterSeries*> windows_;
  QValueAxis* windowsX_ = nullptr;
  QValueAxis* windowsY_ = nullptr;
  QChart* convergenceChart_ = nullptr;
  QValueAxis* convergenceX_ = nullptr;
  QLogValueAxis* convergenceY_ = nullptr;
  QLineSeries* tolerance_ = nullptr;
  std::vector<QLineSeries*> convergenceSeries_;
};
