#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <atomic>
#include <thread>
#include <vector>

#include "model/LessonModel.h"
#include "ui/StringGrid.h"
#include "views/Scatter.h"

QT_BEGIN_NAMESPACE
class QBarCategoryAxis;
class QBarSeries;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
QT_END_NAMESPACE
class DeferredRedraw;

// "Streubild": where the fixes of both methods fall around the true position (east,
// north), with the circles that hold 50 % and 95 % of each; their statistics beside
// what the geometry predicts; the residuals of the latest least-squares fix, in which
// a faulty satellite stands out. Every determination of the lesson is added; "1000
// Messungen jetzt" repeats the measurement at this instant with every error drawn anew,
// on a thread of its own, while the window shows its progress.
class ScatterWindow : public QWidget, private LessonObserver {
  Q_OBJECT
 public:
  static constexpr int cloudSize = 1000;

  // The lesson outlives the window.
  explicit ScatterWindow(LessonModel& lesson, QWidget* parent = nullptr);
  ~ScatterWindow() override;

  const views::ScatterData& data() const { return data_; }
  void refresh();
  // Whether a cloud is being measured.
  bool measuring() const { return worker_.joinable(); }

  QChartView* ChartStreuung;
  QChartView* ChartResiduen;
  StringGrid* StringGridStatistik;
  QLabel* LabelUhr;
  QPushButton* BitBtnTausend;
  QProgressBar* ProgressBarMessungen;
  QPushButton* BitBtnZuruecksetzen;
  QToolButton* ButtonTabelleExportieren;

 public Q_SLOTS:
  void BitBtnTausendClick();
  void BitBtnZuruecksetzenClick();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();
  void buildCharts();
  void refreshScatter();
  void refreshResiduals();
  void collect();
  void stopMeasuring();

  void determined(const DeterminationRecord& record) override;
  void restored() override { BitBtnZuruecksetzenClick(); }

  LessonModel& lesson_;
  views::ScatterData data_;
  DeferredRedraw* redraw_ = nullptr;
  std::uint64_t freshDraws_ = 0;  // go on from press to press: each cloud is a new one

  // The cloud being measured.
  std::thread worker_;
  std::atomic<int> done_{0};
  std::atomic<bool> cancel_{false};
  std::vector<views::ScatterMeasurement> cloud_;
  QTimer* poll_;

  std::array<QScatterSeries*, views::methodCount> points_{};
  std::array<QLineSeries*, 2 * views::methodCount> circles_{};  // 50 %, 95 % per method
  QValueAxis* east_ = nullptr;
  QValueAxis* north_ = nullptr;
  QBarSeries* residuals_ = nullptr;
  QBarCategoryAxis* satellites_ = nullptr;
  QValueAxis* metres_ = nullptr;
  QAction* fixesTable_ = nullptr;
  QAction* signalsTable_ = nullptr;
};
