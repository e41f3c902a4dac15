#include "ui/HistoryWindow.h"

#include <QGraphicsLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QLogValueAxis>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>
#include <set>

#include "ui/MainGps.h"

namespace {

// About one point per pixel of a chart's width.
constexpr std::size_t kMaxPoints = 600;

struct WindowMark {
  const char* name;
  QColor color;
  QScatterSeries::MarkerShape shape;
};
// By FixOutcome, then the determination that heard too few satellites.
const WindowMark kMarks[views::windowMarkCount] = {
    {"konvergiert", QColor(42, 140, 60), QScatterSeries::MarkerShapeCircle},
    {"kein Kreis 1/2", QColor(224, 138, 0), QScatterSeries::MarkerShapeRectangle},
    {"kein Kreis 1/3", QColor(160, 82, 45), QScatterSeries::MarkerShapeRotatedRectangle},
    {"kein Schnittpunkt", QColor(123, 63, 160), QScatterSeries::MarkerShapeTriangle},
    {"davongelaufen", QColor(200, 40, 40), QScatterSeries::MarkerShapeStar},
    {"Zeitgrenze", QColor(30, 90, 170), QScatterSeries::MarkerShapePentagon},
    {"unter 4 Satelliten", QColor(128, 128, 128), QScatterSeries::MarkerShapeRectangle},
};

QList<QPointF> toPoints(const std::vector<views::ChartPoint>& points) {
  QList<QPointF> list;
  list.reserve(qsizetype(points.size()));
  for (const views::ChartPoint& p : points) list.append(QPointF(p.x, p.y));
  return list;
}

QChartView* makeChartView(QWidget* parent, const char* name, const QString& title) {
  auto* chart = new QChart;
  chart->setTitle(title);
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->legend()->hide();
  chart->setMargins(QMargins(4, 4, 4, 4));
  auto* view = new QChartView(chart, parent);
  view->setObjectName(name);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(420, 280);
  return view;
}

QValueAxis* numberAxis(QChart* chart, const QString& title) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  axis->setLabelFormat("%.0f");
  chart->addAxis(axis, Qt::AlignBottom);
  return axis;
}

QLogValueAxis* logAxis(QChart* chart, const QString& title) {
  auto* axis = new QLogValueAxis;
  axis->setTitleText(title);
  axis->setBase(10);
  axis->setLabelFormat("%g");
  axis->setMinorTickCount(-1);
  chart->addAxis(axis, Qt::AlignLeft);
  return axis;
}

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
  chart->addSeries(series);
  series->attachAxis(x);
  series->attachAxis(y);
}

// The decades that hold every y, with `floor` and `ceiling` as decades always shown.
void fitLog(QLogValueAxis* axis, const std::vector<views::ChartPoint>& points, double floor,
            double ceiling) {
  double lo = floor, hi = ceiling;
  for (const views::ChartPoint& p : points) lo = std::min(lo, p.y), hi = std::max(hi, p.y);
  axis->setRange(std::pow(10, std::floor(std::log10(lo))), std::pow(10, std::ceil(std::log10(hi))));
}

void fitNumbers(QValueAxis* axis, double first, double last) {
  if (last <= first) last = first + 1;
  axis->setRange(first, last);
}

}  // namespace

TFormVerlauf::TFormVerlauf(LessonModel* lesson, QWidget* parent) : QWidget(parent), lesson_(lesson) {
  setObjectName("FormVerlauf");
  setWindowTitle("Verlauf");
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(1100, 820);
  buildCharts();
  if (lesson_) lesson_->addObserver(this);
  refresh();
}

TFormVerlauf::~TFormVerlauf() {
  if (lesson_) lesson_->removeObserver(this);
}

void TFormVerlauf::buildCharts() {
  ChartAbstand = makeChartView(this, "ChartAbstand",
                               "Abstand berechneter – tatsächlicher Standort in Metern");
  ChartIterationen = makeChartView(this, "ChartIterationen",
                                   "Iterationen je Positionsbestimmung (alle Fenster zusammen)");
  ChartFenster = makeChartView(this, "ChartFenster",
                               "Welches Fenster aus 4 Satelliten konvergierte, woran die anderen "
                               "scheiterten");
  ChartKonvergenz = makeChartView(this, "ChartKonvergenz",
                                  "Konvergenz der letzten Positionsbestimmung");

  QChart* chart = ChartAbstand->chart();
  distance_ = new QLineSeries;
  distance_->setColor(QColor(20, 60, 150));
  distanceX_ = numberAxis(chart, "Positionsbestimmung Nr.");
  distanceY_ = logAxis(chart, "Meter");
  attach(chart, distance_, distanceX_, distanceY_);

  chart = ChartIterationen->chart();
  iterations_ = new QLineSeries;
  iterations_->setColor(QColor(42, 140, 60));
  iterationsX_ = numberAxis(chart, "Positionsbestimmung Nr.");
  iterationsY_ = logAxis(chart, "Iterationen");
  attach(chart, iterations_, iterationsX_, iterationsY_);

  chart = ChartFenster->chart();
  windowsX_ = numberAxis(chart, "Positionsbestimmung Nr.");
  windowsY_ = new QValueAxis;
  windowsY_->setTitleText("Fenster (1 = die 4 nächsten)");
  windowsY_->setLabelFormat("%.0f");
  // A tick on every whole window, however many there are.
  windowsY_->setTickType(QValueAxis::TicksDynamic);
  windowsY_->setTickAnchor(0);
  windowsY_->setTickInterval(1);
  chart->addAxis(windowsY_, Qt::AlignLeft);
  for (const WindowMark& m : kMarks) {
    auto* s = new QScatterSeries;
    s->setName(m.name);
    s->setColor(m.color);
    s->setBorderColor(m.color.darker(130));
    s->setMarkerShape(m.shape);
    s->setMarkerSize(8);
    attach(chart, s, windowsX_, windowsY_);
    windows_.push_back(s);
  }
  chart->legend()->show();
  chart->legend()->setAlignment(Qt::AlignBottom);

  convergenceChart_ = ChartKonvergenz->chart();
  convergenceX_ = numberAxis(convergenceChart_, "Iteration");
  convergenceY_ = logAxis(convergenceChart_, "Abstand zur 4. Kugel (m)");
  tolerance_ = new QLineSeries;
  tolerance_->setName("Toleranz 1 cm");
  QPen dashed(QColor(60, 60, 60));
  dashed.setStyle(Qt::DashLine);
  dashed.setWidth(2);
  tolerance_->setPen(dashed);
  attach(convergenceChart_, tolerance_, convergenceX_, convergenceY_);
  convergenceChart_->legend()->show();
  convergenceChart_->legend()->setAlignment(Qt::AlignBottom);

  LabelUebersicht = new QLabel(this);
  LabelUebersicht->setObjectName("LabelUebersicht");
  LabelUebersicht->setWordWrap(true);
  LabelLetzte = new QLabel(this);
  LabelLetzte->setObjectName("LabelLetzte");
  LabelLetzte->setWordWrap(true);
  LabelLetzte->setTextFormat(Qt::RichText);
  BitBtnZuruecksetzen = new QPushButton("Zurücksetzen", this);
  BitBtnZuruecksetzen->setObjectName("BitBtnZuruecksetzen");
  BitBtnZuruecksetzen->setToolTip("Den Verlauf leeren; die Positionsbestimmung läuft weiter");
  connect(BitBtnZuruecksetzen, &QPushButton::clicked, this, &TFormVerlauf::BitBtnZuruecksetzenClick);

  auto* grid = new QGridLayout;
  grid->addWidget(ChartAbstand, 0, 0);
  grid->addWidget(ChartIterationen, 0, 1);
  grid->addWidget(ChartFenster, 1, 0);
  grid->addWidget(ChartKonvergenz, 1, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(LabelUebersicht, 1);
  bottom->addWidget(BitBtnZuruecksetzen, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid, 1);
  layout->addWidget(LabelLetzte);
  layout->addLayout(bottom);
}

void TFormVerlauf::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refresh();
}

void TFormVerlauf::scheduleRefresh() {
  if (!isVisible() || refreshPending_) return;
  refreshPending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (refreshPending_) refresh();
  });
}

void TFormVerlauf::determined(const DeterminationRecord& record) {
  history_.add(record);
  scheduleRefresh();
}

void TFormVerlauf::restored() {
  // Another lesson: its determinations start a new history.
  history_.clear();
  scheduleRefresh();
}

void TFormVerlauf::lessonEnded() { lesson_ = nullptr; }

void TFormVerlauf::BitBtnZuruecksetzenClick() {
  history_.clear();
  refresh();
}

void TFormVerlauf::refresh() {
  refreshPending_ = false;
  refreshHistoryCharts();
  refreshConvergenceChart();
}

void TFormVerlauf::refreshHistoryCharts() {
  views::buildHistorySeries(history_, kMaxPoints, series_);
  distance_->replace(toPoints(series_.distance));
  iterations_->replace(toPoints(series_.iterations));
  int highestWindow = 1;
  for (std::size_t m = 0; m < views::windowMarkCount; ++m) {
    windows_[m]->replace(toPoints(series_.windows[m]));
    for (const views::ChartPoint& p : series_.windows[m]) highestWindow = std::max(highestWindow, int(p.y));
  }
  const double first = history_.empty() ? 0 : double(history_[0].number);
  const double last = history_.empty() ? 1 : double(history_.latest().number);
  for (QValueAxis* x : {distanceX_, iterationsX_, windowsX_}) fitNumbers(x, first - 0.5, last + 0.5);
  fitLog(distanceY_, series_.distance, 0.1, 10);
  fitLog(iterationsY_, series_.iterations, 1, 10);
  windowsY_->setRange(-0.5, highestWindow + 0.5);
  // The legend names only the endings that occur.
  for (std::size_t m = 0; m < views::windowMarkCount; ++m)
    for (QLegendMarker* marker : ChartFenster->chart()->legend()->markers(windows_[m]))
      marker->setVisible(!series_.windows[m].empty());
  if (QGraphicsLayout* legendLayout = ChartFenster->chart()->legend()->layout())
    legendLayout->invalidate();

  std::size_t found = 0;
  for (std::size_t i = 0; i < history_.size(); ++i) found += history_[i].found();
  LabelUebersicht->setText(
      history_.empty()
          ? QString("Noch keine Positionsbestimmung im Verlauf. Starten Sie im Hauptfenster die "
                    "Positionsbestimmung; der Verlauf behält die letzten %1.")
                .arg(QLocale().toString(qulonglong(history_.capacity())))
          : QString("%1 Positionsbestimmungen im Verlauf (Nr. %2 bis %3, höchstens die letzten "
                    "%4), %5 davon mit Standort.")
                .arg(history_.size())
                .arg(history_[0].number)
                .arg(history_.latest().number)
                .arg(QLocale().toString(qulonglong(history_.capacity())))
                .arg(found));
}

void TFormVerlauf::refreshConvergenceChart() {
  for (QLineSeries* s : convergenceSeries_) {
    convergenceChart_->removeSeries(s);
    delete s;
  }
  convergenceSeries_.clear();
  views::buildConvergenceSeries(history_, convergence_);

  const auto& windows = history_.latestWindows();
  std::size_t longest = 1;
  std::vector<views::ChartPoint> all;
  for (std::size_t i = 0; i < windows.size(); ++i) {
    const auto& w = windows[i];
    auto* s = new QLineSeries;
    s->setName(QString("Fenster %1: %2").arg(i + 1).arg(outcomeName(w.outcome)));
    QPen pen(kMarks[static_cast<std::size_t>(w.outcome)].color);
    pen.setWidth(2);
    s->setPen(pen);
    s->setPointsVisible(convergence_[i].size() <= 60);
    s->replace(toPoints(convergence_[i]));
    attach(convergenceChart_, s, convergenceX_, convergenceY_);
    convergenceSeries_.push_back(s);
    longest = std::max(longest, convergence_[i].size());
    all.insert(all.end(), convergence_[i].begin(), convergence_[i].end());
  }
  const double tolerance = double(TEmpfaenger::tolerance) * 1000;
  tolerance_->replace({QPointF(0, tolerance), QPointF(double(longest) + 1, tolerance)});
  fitNumbers(convergenceX_, 0, double(longest) + 1);
  convergenceX_->applyNiceNumbers();
  fitLog(convergenceY_, all, 0.001, 1000);

  if (!history_.hasLatest()) {
    LabelLetzte->setText("Die letzte Positionsbestimmung: noch keine.");
    return;
  }
  const HistoryEntry& e = history_.latestEntry();
  QString text = QString("<b>Letzte Positionsbestimmung (Nr. %1):</b> ").arg(e.number);
  if (e.result == DeterminationResult::tooFewSignals) {
    text += QString("nur %1 Satelliten empfangen, kein Fenster aus 4 Satelliten möglich.")
                .arg(e.signalCount);
  } else {
    text += QString("%1 von %2 möglichen Fenstern versucht").arg(windows.size()).arg(e.signalCount - 3);
    text += e.found() ? QString(", das %1. konvergierte.").arg(windows.size())
                      : QString(", keines konvergierte.");
    // Each window with its satellites; each way of ending explained once.
    std::set<FixOutcome> told;
    for (std::size_t i = 0; i < windows.size(); ++i) {
      const auto& w = windows[i];
      text += QString("<br>Fenster %1 (Satelliten %2, %3, %4, %5): <i>%6</i> nach %7 Iterationen")
                  .arg(i + 1)
                  .arg(w.satellites[0])
                  .arg(w.satellites[1])
                  .arg(w.satellites[2])
                  .arg(w.satellites[3])
                  .arg(outcomeName(w.outcome))
                  .arg(w.iterations);
      if (w.mismatches.size() >= LessonModel::traceLimit && w.iterations > w.mismatches.size())
        text += QString(" (gezeigt die ersten %1)").arg(w.mismatches.size());
      text += told.insert(w.outcome).second ? QString(" – ") + outcomeExplanation(w.outcome) : ".";
    }
  }
  LabelLetzte->setText(text);
}
