#include "ui/ScatterWindow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <cmath>
#include <memory>

#include "model/uhrunit.h"
#include "platform/messages.h"
#include "ui/Charts.h"
#include "ui/DeferredRedraw.h"
#include "ui/ExportFiles.h"
#include "ui/Glyphs.h"
#include "ui/HelpWindow.h"
#include "ui/Language.h"
#include "ui/WidgetHelpers.h"
#include "views/ChartScales.h"

namespace {

using views::Method;

const QColor kColours[views::methodCount] = {QColor(30, 90, 170), QColor(224, 110, 0)};
const char* const kRows[] = {
    QT_TRANSLATE_NOOP("ScatterWindow", "Messungen"),
    QT_TRANSLATE_NOOP("ScatterWindow", "mittlere Abweichung Ost (m)"),
    QT_TRANSLATE_NOOP("ScatterWindow", "mittlere Abweichung Nord (m)"),
    QT_TRANSLATE_NOOP("ScatterWindow", "mittlere Abweichung oben (m)"),
    QT_TRANSLATE_NOOP("ScatterWindow", "σ Ost (m)"),
    QT_TRANSLATE_NOOP("ScatterWindow", "σ Nord (m)"),
    QT_TRANSLATE_NOOP("ScatterWindow", "σ oben (m)"),
    QT_TRANSLATE_NOOP("ScatterWindow", "RMS waagerecht (m)"),
    QT_TRANSLATE_NOOP("ScatterWindow", "RMS im Raum (m)"),
    QT_TRANSLATE_NOOP("ScatterWindow", "erwartet: PDOP × UERE (m)"),
    QT_TRANSLATE_NOOP("ScatterWindow", "Kreis mit 50 % der Standorte (m)"),
    QT_TRANSLATE_NOOP("ScatterWindow", "Kreis mit 95 % der Standorte (m)")};
constexpr int kRowCount = int(std::size(kRows));
// The scatter's plot area comes out square at this size: a circle looks round.
constexpr int kScatterWidth = 560, kScatterHeight = 622;

QValueAxis* metresAxis(QChart* chart, Qt::Alignment side) {
  auto* axis = new QValueAxis;
  axis->setLabelFormat("%.10g");
  chart->addAxis(axis, side);
  return axis;
}

QList<QPointF> circle(double radius) {
  QList<QPointF> points;
  for (int i = 0; i <= 72; ++i)
    points.append(QPointF(radius * std::cos(i * M_PI / 36), radius * std::sin(i * M_PI / 36)));
  return points;
}

QString metres(double m) { return formatNumber(m, 3, 12); }

}  // namespace

ScatterWindow::ScatterWindow(LessonModel& lesson, QWidget* parent)
    : QWidget(parent), lesson_(lesson), poll_(new QTimer(this)) {
  setObjectName("FormStreubild");
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(1150, 760);
  buildCharts();

  StringGridStatistik = new StringGrid(3, kRowCount + 1, 1, 1, this);
  StringGridStatistik->setObjectName("StringGridStatistik");
  StringGridStatistik->setEditableCells(false);
  StringGridStatistik->setColumnWidths({250, 130, 150});
  StringGridStatistik->setFixedSize(250 + 130 + 150 + 4,
                                    StringGridStatistik->heightForRows(kRowCount + 1));
  LabelUhr = new QLabel(this);
  LabelUhr->setObjectName("LabelUhr");
  LabelUhr->setWordWrap(true);
  BitBtnTausend = makeButton(this, "BitBtnTausend", {}, QRect());
  ProgressBarMessungen = new QProgressBar(this);
  ProgressBarMessungen->setObjectName("ProgressBarMessungen");
  ProgressBarMessungen->setRange(0, cloudSize);
  ProgressBarMessungen->hide();
  BitBtnZuruecksetzen = makeButton(this, "BitBtnZuruecksetzen", {}, QRect());
  ButtonTabelleExportieren = makeToolButton(this, "ButtonTabelleExportieren", {}, glyphs::table());
  ButtonTabelleExportieren->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  ButtonTabelleExportieren->setPopupMode(QToolButton::InstantPopup);
  auto* tables = new QMenu(this);
  fixesTable_ = tables->addAction({}, this, [this] {
    saveTableDialog(
        this, [this] { return data_.fixesCsv(tableLanguage()); }, tr("Streubild-Standorte"));
  });
  signalsTable_ = tables->addAction({}, this, [this] {
    saveTableDialog(
        this, [this] { return data_.signalsCsv(tableLanguage()); }, tr("Streubild-Signale"));
  });
  ButtonTabelleExportieren->setMenu(tables);

  auto* right = new QVBoxLayout;
  right->addWidget(StringGridStatistik);
  right->addWidget(LabelUhr);
  right->addWidget(ChartResiduen, 1);
  auto* top = new QHBoxLayout;
  top->addWidget(ChartStreuung, 1);
  top->addLayout(right);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(BitBtnTausend);
  bottom->addWidget(ProgressBarMessungen, 1);
  bottom->addStretch();
  bottom->addWidget(ButtonTabelleExportieren);
  bottom->addWidget(BitBtnZuruecksetzen);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(bottom);

  connect(BitBtnTausend, &QPushButton::clicked, this, &ScatterWindow::BitBtnTausendClick);
  connect(BitBtnZuruecksetzen, &QPushButton::clicked, this, &ScatterWindow::BitBtnZuruecksetzenClick);
  connect(poll_, &QTimer::timeout, this, &ScatterWindow::collect);
  for (QChartView* chart : {ChartStreuung, ChartResiduen})
    addSavePictureAction(
        chart, [chart] { return pictureOf(static_cast<QWidget*>(chart)); },
        [this] { return tr("Streubild"); });
  installHelpKey(this, "fehlerquellen.html");
  redraw_ = new DeferredRedraw(this, 0, [this] { refresh(); });
  lesson_.addObserver(this);
  retranslate();
}

void ScatterWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

void ScatterWindow::retranslate() {
  setWindowTitle(tr("Streubild"));
  StringGridStatistik->setCell(1, 0, coreText(views::methodName(Method::fourSpheres)));
  StringGridStatistik->setCell(2, 0, coreText(views::methodName(Method::leastSquares)));
  for (int r = 0; r < kRowCount; ++r) StringGridStatistik->setCell(0, r + 1, tr(kRows[r]));
  BitBtnTausend->setText(tr("1000 Messungen jetzt"));
  BitBtnTausend->setToolTip(
      tr("Die Messung 1000-mal an diesem Ort zu diesem Zeitpunkt "
         "wiederholen, jeder Fehler jedes Mal neu gezogen"));
  BitBtnZuruecksetzen->setText(tr("Zurücksetzen"));
  ButtonTabelleExportieren->setText(tr("Tabelle exportieren…"));
  ButtonTabelleExportieren->setToolTip(tr("Tabelle exportieren…"));
  fixesTable_->setText(tr("Standorte der Messungen…"));
  signalsTable_->setText(tr("Signale der Messungen…"));
  QChart* chart = ChartStreuung->chart();
  chart->setTitle(
      tr("Berechnete Standorte um den tatsächlichen (Ost, Nord);<br>Kreise mit 50 % "
         "(durchgezogen) und 95 % (gestrichelt) der Standorte"));
  east_->setTitleText(tr("Ost (m)"));
  north_->setTitleText(tr("Nord (m)"));
  for (int k = 0; k < views::methodCount; ++k) {
    const QString method = coreText(views::methodName(Method(k)));
    points_[std::size_t(k)]->setName(method);
    for (int c = 0; c < 2; ++c)
      circles_[std::size_t(2 * k + c)]->setName(tr("%1: %2 %").arg(method).arg(c == 0 ? 50 : 95));
  }
  ChartResiduen->chart()->setTitle(tr("Residuen der letzten Ausgleichsrechnung"));
  satellites_->setTitleText(tr("Satellit"));
  metres_->setTitleText(tr("Residuum (m)"));
  for (QChartView* view : {ChartStreuung, ChartResiduen}) localizeChart(view);
  refresh();
}

ScatterWindow::~ScatterWindow() {
  lesson_.removeObserver(this);
  cancel_ = true;
  stopMeasuring();
}

void ScatterWindow::buildCharts() {
  ChartStreuung = makeChartView(this, "ChartStreuung");
  ChartStreuung->setFixedSize(kScatterWidth, kScatterHeight);
  QChart* chart = ChartStreuung->chart();
  east_ = metresAxis(chart, Qt::AlignBottom);
  north_ = metresAxis(chart, Qt::AlignLeft);
  for (int k = 0; k < views::methodCount; ++k) {
    auto* s = new QScatterSeries;
    s->setColor(kColours[k]);
    s->setBorderColor(kColours[k].darker(130));
    s->setMarkerShape(k == 0 ? QScatterSeries::MarkerShapeCircle : QScatterSeries::MarkerShapeTriangle);
    s->setMarkerSize(7);
    attach(chart, s, east_, north_);
    points_[std::size_t(k)] = s;
    for (int c = 0; c < 2; ++c) {
      auto* line = new QLineSeries;
      QPen pen(kColours[k], 2);
      pen.setStyle(c == 0 ? Qt::SolidLine : Qt::DashLine);
      line->setPen(pen);
      attach(chart, line, east_, north_);
      circles_[std::size_t(2 * k + c)] = line;
    }
  }
  chart->legend()->show();
  chart->legend()->setAlignment(Qt::AlignBottom);
  // The legend names the methods; the circles are told in the title.
  for (QLineSeries* line : circles_)
    for (QLegendMarker* marker : chart->legend()->markers(line)) marker->setVisible(false);

  ChartResiduen = makeChartView(this, "ChartResiduen");
  ChartResiduen->setMinimumHeight(260);
  chart = ChartResiduen->chart();
  residuals_ = new QBarSeries;
  chart->addSeries(residuals_);
  satellites_ = new QBarCategoryAxis;
  chart->addAxis(satellites_, Qt::AlignBottom);
  residuals_->attachAxis(satellites_);
  metres_ = metresAxis(chart, Qt::AlignLeft);
  residuals_->attachAxis(metres_);
}

void ScatterWindow::determined(const DeterminationRecord& record) {
  data_.add(views::scatterOf(record));
  redraw_->request();
}

void ScatterWindow::BitBtnTausendClick() {
  if (measuring()) return;
  if (!lesson_.hasTruePosition()) {
    platform::showMessage(platform::MessageKind::Information,
                          tr("Noch kein Standort des Empfängers: Erzeugen Sie ihn im Hauptfenster "
                             "oder geben Sie ihn dort ein.")
                              .toStdString());
    return;
  }
  // The instant as it is now, on a copy: the lesson's time runs on meanwhile.
  auto sky = std::make_shared<const TSatellitenSchar>(lesson_.constellation());
  MeasurementSetup setup = lesson_.measurementSetup(DrawMode::fresh, freshDraws_);
  setup.constellation = sky.get();
  freshDraws_ += cloudSize;
  cancel_ = false;
  done_ = 0;
  cloud_.assign(cloudSize, {});
  BitBtnTausend->setEnabled(false);
  ProgressBarMessungen->setValue(0);
  ProgressBarMessungen->show();
  worker_ = std::thread([this, sky, setup] {
    const double uere = double(setup.settings.uere());
    // Over every core; each slot is written by one thread and read by the window only
    // once this thread has ended.
    measureMany(setup, cloudSize, [this, &setup, uere](int i, const Measurement& m) {
      cloud_[std::size_t(i)] = views::scatterOf(m, setup.truePosition, uere);
      ++done_;
    }, &cancel_);
  });
  poll_->start(50);
}

void ScatterWindow::collect() {
  ProgressBarMessungen->setValue(done_);
  if (done_ < cloudSize && !cancel_) return;
  stopMeasuring();
  for (views::ScatterMeasurement& m : cloud_) data_.add(std::move(m));
  cloud_.clear();
  redraw_->redrawNow();
}

void ScatterWindow::stopMeasuring() {
  poll_->stop();
  if (worker_.joinable()) worker_.join();
  ProgressBarMessungen->hide();
  BitBtnTausend->setEnabled(true);
}

void ScatterWindow::BitBtnZuruecksetzenClick() {
  cancel_ = true;
  stopMeasuring();
  cloud_.clear();
  data_.clear();
  redraw_->redrawNow();
}

void ScatterWindow::refresh() {
  refreshScatter();
  refreshResiduals();
}

void ScatterWindow::refreshScatter() {
  double extent = 1;
  for (int k = 0; k < views::methodCount; ++k) {
    QList<QPointF> points;
    for (const views::ScatterMeasurement& m : data_.measurements())
      if (const views::ScatterFix& f = m.fixes[std::size_t(k)]; f.valid) {
        points.append(QPointF(f.east, f.north));
        extent = std::max({extent, std::fabs(f.east), std::fabs(f.north)});
      }
    points_[std::size_t(k)]->replace(points);
    const views::ScatterStatistics s = data_.statistics(Method(k));
    circles_[std::size_t(2 * k)]->replace(s.count > 0 ? circle(s.radius50) : QList<QPointF>());
    circles_[std::size_t(2 * k + 1)]->replace(s.count > 0 ? circle(s.radius95) : QList<QPointF>());
    const double values[] = {double(s.count), s.meanEast,     s.meanNorth, s.meanUp,
                             s.sigmaEast,     s.sigmaNorth,   s.sigmaUp,   s.rmsHorizontal,
                             s.rms3d,         s.expected3d,   s.radius50,  s.radius95};
    for (int r = 0; r < kRowCount; ++r)
      StringGridStatistik->setCell(k + 1, r + 1,
                                   s.count == 0 ? QString("–")
                                   : r == 0     ? QString::number(s.count)
                                                : metres(values[r]));
  }
  // East and north on one scale, so that a circle looks round.
  const double bound = views::roundedUp(extent * 1.05);
  east_->setRange(-bound, bound);
  north_->setRange(-bound, bound);
}

void ScatterWindow::refreshResiduals() {
  residuals_->clear();
  satellites_->clear();
  const auto& all = data_.measurements();
  const auto latest = std::find_if(all.rbegin(), all.rend(), [](const views::ScatterMeasurement& m) {
    return m.fixes[1].valid;
  });
  if (latest == all.rend()) {
    LabelUhr->setText(
        tr("Noch keine Messung: Starten Sie im Hauptfenster die Positionsbestimmung "
           "oder wiederholen Sie die Messung hier 1000-mal."));
    metres_->setRange(-1, 1);
    return;
  }
  auto* set = new QBarSet(tr("Residuum (m)"));
  set->setColor(kColours[1]);
  double extent = 0.1;
  QStringList numbers;
  for (const views::ScatterSignal& s : latest->signals) {
    numbers << QString::number(s.satellite);
    set->append(double(s.residual));
    extent = std::max(extent, std::fabs(double(s.residual)));
  }
  residuals_->append(set);
  satellites_->append(numbers);
  const double bound = views::roundedUp(extent * 1.05);
  metres_->setRange(-bound, bound);
  // The receiver's clock offset: what the fourth satellite measures.
  QStringList offsets;
  for (int k = 0; k < views::methodCount; ++k) {
    const views::ScatterFix& f = latest->fixes[std::size_t(k)];
    const QString method = coreText(views::methodName(Method(k)));
    offsets << (f.valid
                    ? tr("%1 %2 µs (%3 m)")
                          .arg(method, formatNumber(f.clockNs / 1000, 6, 12),
                               formatNumber(f.clockNs * double(TUhr::signalSpeed) * 1000, 3, 12))
                    : method + " –");
  }
  LabelUhr->setText(tr("Messung Nr. %1 – Uhrabweichung des Empfängers: %2.")
                        .arg(latest->number)
                        .arg(offsets.join("; ")));
}
