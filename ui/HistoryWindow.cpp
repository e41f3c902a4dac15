#include "ui/HistoryWindow.h"

#include <QEvent>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGridLayout>
#include <QPainter>
#include <QHBoxLayout>
#include <QLocale>
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

#include "ui/Charts.h"
#include "ui/DeferredRedraw.h"
#include "views/ChartScales.h"
#include "ui/ExportFiles.h"
#include "ui/HelpWindow.h"
#include "ui/Language.h"
#include "ui/WidgetHelpers.h"

namespace {

// About one point per pixel of a chart's width.
constexpr std::size_t kMaxPoints = 600;
// Windows of the latest determination named below the charts; the rest are counted.
constexpr std::size_t kListedWindows = 4;
// Smoothed edges cost more than half of a chart's painting; a line of this many
// points is dense enough to go without them.
constexpr std::size_t kSmoothPoints = 300;
// A redraw of all four charts costs several milliseconds: at the fastest speed the
// charts follow once a second, not with every determination.
constexpr int kRedrawSpacingMs = 1000;

struct WindowMark {
  const char* name;  // translated in HistoryWindow's context
  QColor color;
  QScatterSeries::MarkerShape shape;
};
// By FixOutcome, then the determination that heard too few satellites.
const WindowMark kMarks[views::windowMarkCount] = {
    {QT_TRANSLATE_NOOP("HistoryWindow", "konvergiert"), QColor(42, 140, 60),
     QScatterSeries::MarkerShapeCircle},
    {QT_TRANSLATE_NOOP("HistoryWindow", "kein Kreis 1/2"), QColor(224, 138, 0),
     QScatterSeries::MarkerShapeRectangle},
    {QT_TRANSLATE_NOOP("HistoryWindow", "kein Kreis 1/3"), QColor(160, 82, 45),
     QScatterSeries::MarkerShapeRotatedRectangle},
    {QT_TRANSLATE_NOOP("HistoryWindow", "kein Schnittpunkt"), QColor(123, 63, 160),
     QScatterSeries::MarkerShapeTriangle},
    {QT_TRANSLATE_NOOP("HistoryWindow", "davongelaufen"), QColor(200, 40, 40),
     QScatterSeries::MarkerShapeStar},
    {QT_TRANSLATE_NOOP("HistoryWindow", "Zeitgrenze"), QColor(30, 90, 170),
     QScatterSeries::MarkerShapePentagon},
    {QT_TRANSLATE_NOOP("HistoryWindow", "unter 4 Satelliten"), QColor(128, 128, 128),
     QScatterSeries::MarkerShapeRectangle},
};

QImage markerImage(const WindowMark& m) {
  QImage image(9, 9, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(m.color.darker(130), 1));
  p.setBrush(m.color);
  const QRectF r(0.5, 0.5, 8, 8);
  switch (m.shape) {
    case QScatterSeries::MarkerShapeCircle: p.drawEllipse(r); break;
    case QScatterSeries::MarkerShapeRectangle: p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5)); break;
    case QScatterSeries::MarkerShapeRotatedRectangle:
      p.drawPolygon(QPolygonF({{4.5, 0.5}, {8.5, 4.5}, {4.5, 8.5}, {0.5, 4.5}}));
      break;
    case QScatterSeries::MarkerShapeTriangle:
      p.drawPolygon(QPolygonF({{4.5, 0.5}, {8.5, 8.5}, {0.5, 8.5}}));
      break;
    case QScatterSeries::MarkerShapeStar:
      p.drawPolygon(QPolygonF({{4.5, 0}, {5.7, 3.2}, {9, 3.4}, {6.4, 5.5}, {7.3, 8.8}, {4.5, 6.9},
                               {1.7, 8.8}, {2.6, 5.5}, {0, 3.4}, {3.3, 3.2}}));
      break;
    default:
      p.drawPolygon(QPolygonF({{4.5, 0.5}, {8.5, 3.5}, {7, 8.5}, {2, 8.5}, {0.5, 3.5}}));
      break;
  }
  return image;
}

QList<QPointF> toPoints(const std::vector<views::ChartPoint>& points) {
  QList<QPointF> list;
  list.reserve(qsizetype(points.size()));
  for (const views::ChartPoint& p : points) list.append(QPointF(p.x, p.y));
  return list;
}

QLogValueAxis* logAxis(QChart* chart) {
  auto* axis = new QLogValueAxis;
  axis->setBase(10);
  // Whole numbers up to millions without exponent, fractions down to thousandths.
  axis->setLabelFormat("%.10g");
  // Solid: dashed lines cost many times more to paint, and a log axis has many.
  axis->setMinorGridLinePen(QPen(QColor(236, 236, 236), 1));
  chart->addAxis(axis, Qt::AlignLeft);
  return axis;
}

void fitLog(QLogValueAxis* axis, const std::vector<views::ChartPoint>& points, double floor,
            double ceiling) {
  const views::Decades d = views::decadesOf(points, floor, ceiling);
  if (axis->min() != d.from || axis->max() != d.to) axis->setRange(d.from, d.to);
  // Lines at 2…9 help reading one or two decades; over more they crowd the chart and
  // cost most of its painting.
  const int minor = d.count <= 2 ? -1 : 0;
  if (axis->minorTickCount() != minor) axis->setMinorTickCount(minor);
}

void fitNumbers(QValueAxis* axis, double first, double last) {
  if (last <= first) last = first + 1;
  if (axis->min() != first || axis->max() != last) axis->setRange(first, last);
}

}  // namespace

HistoryWindow::HistoryWindow(LessonModel& lesson, QWidget* parent)
    : QWidget(parent), lesson_(lesson) {
  setObjectName("FormVerlauf");
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(1100, 820);
  buildCharts();
  redraw_ = new DeferredRedraw(this, kRedrawSpacingMs, [this] { refresh(); });
  lesson_.addObserver(this);
  // Pictures for worksheets from the context menus, the help page on F1.
  for (QChartView* chart : {ChartAbstand, ChartIterationen, ChartFenster, ChartKonvergenz})
    addSavePictureAction(
        chart, [chart] { return pictureOf(static_cast<QWidget*>(chart)); },
        [this] { return tr("Verlauf"); });
  installHelpKey(this, "verlauf.html");
  retranslate();
}

void HistoryWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

void HistoryWindow::retranslate() {
  setWindowTitle(tr("Verlauf"));
  ChartAbstand->chart()->setTitle(tr("Abstand berechneter – tatsächlicher Standort in Metern"));
  ChartIterationen->chart()->setTitle(
      tr("Iterationen je Positionsbestimmung (alle Fenster zusammen)"));
  ChartFenster->chart()->setTitle(
      tr("Welches Fenster aus 4 Satelliten konvergierte, woran die anderen scheiterten"));
  ChartKonvergenz->chart()->setTitle(tr("Konvergenz der letzten Positionsbestimmung"));
  const QString number = tr("Positionsbestimmung Nr.");
  for (QValueAxis* x : {distanceX_, iterationsX_, windowsX_}) x->setTitleText(number);
  distanceY_->setTitleText(tr("Meter"));
  iterationsY_->setTitleText(tr("Iterationen"));
  windowsY_->setTitleText(tr("Fenster (1 = die 4 nächsten)"));
  for (std::size_t m = 0; m < views::windowMarkCount; ++m) windows_[m]->setName(tr(kMarks[m].name));
  convergenceX_->setTitleText(tr("Iteration"));
  convergenceY_->setTitleText(tr("Abstand zur 4. Kugel (m)"));
  tolerance_->setName(tr("Toleranz 1 cm"));
  BitBtnZuruecksetzen->setText(tr("Zurücksetzen"));
  BitBtnZuruecksetzen->setToolTip(tr("Den Verlauf leeren; die Positionsbestimmung läuft weiter"));
  for (QChartView* view : {ChartAbstand, ChartIterationen, ChartFenster, ChartKonvergenz})
    localizeChart(view);
  for (QLineSeries* s : convergenceSeries_) s->setName({});  // named anew by the refresh
  refresh();
}

HistoryWindow::~HistoryWindow() { lesson_.removeObserver(this); }

void HistoryWindow::buildCharts() {
  ChartAbstand = makeChartView(this, "ChartAbstand");
  ChartIterationen = makeChartView(this, "ChartIterationen");
  ChartFenster = makeChartView(this, "ChartFenster");
  ChartKonvergenz = makeChartView(this, "ChartKonvergenz");

  QChart* chart = ChartAbstand->chart();
  distance_ = new QLineSeries;
  distance_->setColor(QColor(20, 60, 150));
  distanceX_ = numberAxis(chart);
  distanceY_ = logAxis(chart);
  attach(chart, distance_, distanceX_, distanceY_);

  chart = ChartIterationen->chart();
  iterations_ = new QLineSeries;
  iterations_->setColor(QColor(42, 140, 60));
  iterationsX_ = numberAxis(chart);
  iterationsY_ = logAxis(chart);
  attach(chart, iterations_, iterationsX_, iterationsY_);

  chart = ChartFenster->chart();
  ChartFenster->setRenderHint(QPainter::Antialiasing, false);  // its marks are images
  windowsX_ = numberAxis(chart);
  windowsY_ = new QValueAxis;
  windowsY_->setLabelFormat("%.0f");
  // A tick on every whole window, however many there are.
  windowsY_->setTickType(QValueAxis::TicksDynamic);
  windowsY_->setTickAnchor(0);
  windowsY_->setTickInterval(1);
  chart->addAxis(windowsY_, Qt::AlignLeft);
  for (const WindowMark& m : kMarks) {
    auto* s = new QScatterSeries;
    s->setColor(m.color);
    s->setBorderColor(m.color.darker(130));
    s->setMarkerShape(m.shape);
    s->setMarkerSize(8);
    // Painted from one image, not as an item per point: thousands of points stay cheap.
    s->setLightMarker(markerImage(m));
    attach(chart, s, windowsX_, windowsY_);
    windows_.push_back(s);
  }
  chart->legend()->show();
  chart->legend()->setAlignment(Qt::AlignBottom);

  convergenceChart_ = ChartKonvergenz->chart();
  convergenceX_ = numberAxis(convergenceChart_);
  convergenceY_ = logAxis(convergenceChart_);
  tolerance_ = new QLineSeries;
  QPen dashed(QColor(60, 60, 60));
  dashed.setStyle(Qt::DashLine);
  dashed.setWidth(2);
  tolerance_->setPen(dashed);
  attach(convergenceChart_, tolerance_, convergenceX_, convergenceY_);
  for (int i = 0; i < HistoryEntry::maxWindows; ++i) {
    auto* s = new QLineSeries;
    attach(convergenceChart_, s, convergenceX_, convergenceY_);
    s->setVisible(false);
    convergenceSeries_.push_back(s);
  }
  convergenceChart_->legend()->show();
  convergenceChart_->legend()->setAlignment(Qt::AlignBottom);

  LabelUebersicht = new QLabel(this);
  LabelUebersicht->setObjectName("LabelUebersicht");
  LabelUebersicht->setWordWrap(true);
  LabelUebersicht->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  // Fixed like the label above: its counts change with every determination.
  LabelUebersicht->setFixedHeight(2 * LabelUebersicht->fontMetrics().lineSpacing() + 4);
  LabelLetzte = new QLabel(this);
  LabelLetzte->setObjectName("LabelLetzte");
  LabelLetzte->setWordWrap(true);
  LabelLetzte->setTextFormat(Qt::RichText);
  LabelLetzte->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  // A fixed height: a longer or shorter text must not lay out the charts anew.
  LabelLetzte->setFixedHeight(6 * LabelLetzte->fontMetrics().lineSpacing() + 4);
  BitBtnZuruecksetzen = new QPushButton(this);
  BitBtnZuruecksetzen->setObjectName("BitBtnZuruecksetzen");
  connect(BitBtnZuruecksetzen, &QPushButton::clicked, this, &HistoryWindow::BitBtnZuruecksetzenClick);

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


void HistoryWindow::determined(const DeterminationRecord&) { redraw_->request(); }

// Another lesson: its determinations start a new history.
void HistoryWindow::restored() { redraw_->request(); }

void HistoryWindow::BitBtnZuruecksetzenClick() { lesson_.clearHistory(); }

void HistoryWindow::historyCleared() { redraw_->redrawNow(); }

void HistoryWindow::refresh() {
  refreshHistoryCharts();
  refreshConvergenceChart();
}

void HistoryWindow::refreshHistoryCharts() {
  views::buildHistorySeries(lesson_.history(), kMaxPoints, series_);
  distance_->replace(toPoints(series_.distance));
  iterations_->replace(toPoints(series_.iterations));
  ChartAbstand->setRenderHint(QPainter::Antialiasing, series_.distance.size() < kSmoothPoints);
  ChartIterationen->setRenderHint(QPainter::Antialiasing,
                                  series_.iterations.size() < kSmoothPoints);
  int highestWindow = 1;
  for (std::size_t m = 0; m < views::windowMarkCount; ++m) {
    windows_[m]->replace(toPoints(series_.windows[m]));
    for (const views::ChartPoint& p : series_.windows[m]) highestWindow = std::max(highestWindow, int(p.y));
  }
  // The determinations on round bounds a tenth of their span apart: a new range lays
  // out and paints the whole chart, a new point only its series.
  double first = lesson_.history().empty() ? 1 : double(lesson_.history()[0].number);
  double last = lesson_.history().empty() ? 10 : double(lesson_.history().latest().number);
  const double unit = views::roundStep((last - first + 1) / 10);
  first = std::floor(first / unit) * unit;
  last = std::ceil((last + 1) / unit) * unit;
  // The interval first: a wide range at the old interval would lay out a tick for
  // every determination.
  for (QValueAxis* x : {distanceX_, iterationsX_, windowsX_}) {
    x->setTickInterval(views::roundStep((last - first) / 5));
    fitNumbers(x, first, last);
  }
  fitLog(distanceY_, series_.distance, 0.1, 10);
  fitLog(iterationsY_, series_.iterations, 1, 10);
  if (windowsY_->max() != highestWindow + 0.5) windowsY_->setRange(-0.5, highestWindow + 0.5);
  // The legend names only the endings that occur.
  bool legendChanged = false;
  for (std::size_t m = 0; m < views::windowMarkCount; ++m)
    for (QLegendMarker* marker : ChartFenster->chart()->legend()->markers(windows_[m]))
      if (marker->isVisible() == series_.windows[m].empty()) {
        marker->setVisible(!series_.windows[m].empty());
        legendChanged = true;
      }
  if (QGraphicsLayout* legendLayout = ChartFenster->chart()->legend()->layout();
      legendLayout && legendChanged)
    legendLayout->invalidate();

  std::size_t found = 0;
  for (std::size_t i = 0; i < lesson_.history().size(); ++i) found += lesson_.history()[i].found();
  LabelUebersicht->setText(
      lesson_.history().empty()
          ? tr("Noch keine Positionsbestimmung im Verlauf. Starten Sie im Hauptfenster die "
               "Positionsbestimmung; der Verlauf behält die letzten %1.")
                .arg(QLocale().toString(qulonglong(lesson_.history().capacity())))
          : tr("%1 Positionsbestimmungen im Verlauf (Nr. %2 bis %3, höchstens die letzten "
               "%4), %5 davon mit Standort.")
                .arg(lesson_.history().size())
                .arg(lesson_.history()[0].number)
                .arg(lesson_.history().latest().number)
                .arg(QLocale().toString(qulonglong(lesson_.history().capacity())))
                .arg(found));
}

void HistoryWindow::refreshConvergenceChart() {
  views::buildConvergenceSeries(lesson_.history(), convergence_);
  const auto& windows = lesson_.history().latestWindows();
  std::size_t longest = 1;
  std::vector<views::ChartPoint> all;
  // The series stay in the chart and change only where the determination differs from
  // the one before: adding or renaming a series lays out the whole chart anew.
  for (std::size_t i = 0; i < convergenceSeries_.size(); ++i) {
    QLineSeries* s = convergenceSeries_[i];
    if (i >= windows.size()) {
      if (s->isVisible()) {
        s->clear();
        s->setVisible(false);
      }
      continue;
    }
    const auto& w = windows[i];
    const QString name = tr("Fenster %1: %2").arg(i + 1).arg(coreText(outcomeName(w.outcome)));
    if (s->name() != name) {
      s->setName(name);
      QPen pen(kMarks[static_cast<std::size_t>(w.outcome)].color);
      pen.setWidth(2);
      s->setPen(pen);
    }
    const bool points = convergence_[i].size() <= 60;
    if (s->pointsVisible() != points) s->setPointsVisible(points);
    s->replace(toPoints(convergence_[i]));
    if (!s->isVisible()) s->setVisible(true);
    longest = std::max(longest, convergence_[i].size());
    all.insert(all.end(), convergence_[i].begin(), convergence_[i].end());
  }
  ChartKonvergenz->setRenderHint(QPainter::Antialiasing, all.size() < kSmoothPoints);
  const double tolerance = double(TEmpfaenger::tolerance) * 1000;
  tolerance_->replace({QPointF(0, tolerance), QPointF(double(longest) + 1, tolerance)});
  const double convergenceEnd = views::roundedUp(double(longest) + 1);
  convergenceX_->setTickInterval(views::roundStep(convergenceEnd / 5));
  fitNumbers(convergenceX_, 0, convergenceEnd);
  fitLog(convergenceY_, all, 0.001, 1000);

  if (!lesson_.history().hasLatest()) {
    LabelLetzte->setText(tr("Die letzte Positionsbestimmung: noch keine."));
    return;
  }
  const HistoryEntry& e = lesson_.history().latestEntry();
  QString text = tr("<b>Letzte Positionsbestimmung (Nr. %1):</b> ").arg(e.number);
  if (e.result == DeterminationResult::tooFewSignals) {
    text += tr("nur %1 Satelliten empfangen, kein Fenster aus 4 Satelliten möglich.")
                .arg(e.signalCount);
  } else {
    const QString tried =
        tr("%1 von %2 möglichen Fenstern versucht").arg(windows.size()).arg(e.signalCount - 3);
    text += e.found() ? tr("%1, das %2. konvergierte.").arg(tried).arg(windows.size())
                      : tr("%1, keines konvergierte.").arg(tried);
    // Each window with its satellites; each way of ending explained once.
    std::set<FixOutcome> told;
    for (std::size_t i = 0; i < windows.size(); ++i) {
      const auto& w = windows[i];
      if (i == kListedWindows && windows.size() > kListedWindows + 1) {
        text += tr("<br>… und %1 weitere Fenster.").arg(windows.size() - i);
        break;
      }
      text += tr("<br>Fenster %1 (Satelliten %2, %3, %4, %5): <i>%6</i> nach %7 Iterationen")
                  .arg(i + 1)
                  .arg(w.satellites[0])
                  .arg(w.satellites[1])
                  .arg(w.satellites[2])
                  .arg(w.satellites[3])
                  .arg(coreText(outcomeName(w.outcome)))
                  .arg(w.iterations);
      if (w.mismatches.size() >= LessonModel::traceLimit && w.iterations > w.mismatches.size())
        text += tr(" (gezeigt die ersten %1)").arg(w.mismatches.size());
      text += told.insert(w.outcome).second ? " – " + coreText(outcomeExplanation(w.outcome))
                                            : QStringLiteral(".");
    }
  }
  LabelLetzte->setText(text);
}
