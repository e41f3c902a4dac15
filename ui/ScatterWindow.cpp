#include "ui/ScatterWindow.h"

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
#include "ui/WidgetHelpers.h"
#include "views/ChartScales.h"

namespace {

using views::Method;

const QColor kColours[views::methodCount] = {QColor(30, 90, 170), QColor(224, 110, 0)};
const char* const kRows[] = {"Messungen",
                             "mittlere Abweichung Ost (m)",
                             "mittlere Abweichung Nord (m)",
                             "mittlere Abweichung oben (m)",
                             "σ Ost (m)",
                             "σ Nord (m)",
                             "σ oben (m)",
                             "RMS waagerecht (m)",
                             "RMS im Raum (m)",
                             "erwartet: PDOP × UERE (m)",
                             "Kreis mit 50 % der Standorte (m)",
                             "Kreis mit 95 % der Standorte (m)"};
constexpr int kRowCount = int(std::size(kRows));
// The scatter's plot area comes out square at this size: a circle looks round.
constexpr int kScatterWidth = 560, kScatterHeight = 608;

QValueAxis* metresAxis(QChart* chart, const QString& title, Qt::Alignment side) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
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
  setWindowTitle("Streubild");
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(1150, 760);
  buildCharts();

  StringGridStatistik = new StringGrid(3, kRowCount + 1, 1, 1, this);
  StringGridStatistik->setObjectName("StringGridStatistik");
  StringGridStatistik->setEditableCells(false);
  StringGridStatistik->setColumnWidths({250, 130, 150});
  StringGridStatistik->setFixedSize(250 + 130 + 150 + 4, StringGridStatistik->heightForRows(kRowCount + 1));
  StringGridStatistik->setCell(1, 0, views::methodName(Method::fourSpheres));
  StringGridStatistik->setCell(2, 0, views::methodName(Method::leastSquares));
  for (int r = 0; r < kRowCount; ++r) StringGridStatistik->setCell(0, r + 1, kRows[r]);
  LabelUhr = new QLabel(this);
  LabelUhr->setObjectName("LabelUhr");
  LabelUhr->setWordWrap(true);
  BitBtnTausend = makeButton(this, "BitBtnTausend", "1000 Messungen jetzt", QRect());
  BitBtnTausend->setToolTip("Die Messung 1000-mal an diesem Ort zu diesem Zeitpunkt "
                            "wiederholen, jeder Fehler jedes Mal neu gezogen");
  ProgressBarMessungen = new QProgressBar(this);
  ProgressBarMessungen->setObjectName("ProgressBarMessungen");
  ProgressBarMessungen->setRange(0, cloudSize);
  ProgressBarMessungen->hide();
  BitBtnZuruecksetzen = makeButton(this, "BitBtnZuruecksetzen", "Zurücksetzen", QRect());
  ButtonTabelleExportieren =
      makeToolButton(this, "ButtonTabelleExportieren", "Tabelle exportieren…", glyphs::table());
  ButtonTabelleExportieren->setText("Tabelle exportieren…");
  ButtonTabelleExportieren->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  ButtonTabelleExportieren->setPopupMode(QToolButton::InstantPopup);
  auto* tables = new QMenu(this);
  tables->addAction("Standorte der Messungen…", this, [this] {
    saveTableDialog(this, [this] { return data_.fixesCsv(); }, "Streubild-Standorte");
  });
  tables->addAction("Signale der Messungen…", this, [this] {
    saveTableDialog(this, [this] { return data_.signalsCsv(); }, "Streubild-Signale");
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
    addSavePictureAction(chart, [chart] { return pictureOf(static_cast<QWidget*>(chart)); }, "Streubild");
  installHelpKey(this, "fehlerquellen.html");
  redraw_ = new DeferredRedraw(this, 0, [this] { refresh(); });
  lesson_.addObserver(this);
  refresh();
}

ScatterWindow::~ScatterWindow() {
  lesson_.removeObserver(this);
  stopMeasuring();
}

void ScatterWindow::buildCharts() {
  ChartStreuung = makeChartView(this, "ChartStreuung",
                                "Berechnete Standorte um den tatsächlichen (Ost, Nord)");
  ChartStreuung->setFixedSize(kScatterWidth, kScatterHeight);
  QChart* chart = ChartStreuung->chart();
  east_ = metresAxis(chart, "Ost (m)", Qt::AlignBottom);
  north_ = metresAxis(chart, "Nord (m)", Qt::AlignLeft);
  for (int k = 0; k < views::methodCount; ++k) {
    auto* s = new QScatterSeries;
    s->setName(views::methodName(Method(k)));
    s->setColor(kColours[k]);
    s->setBorderColor(kColours[k].darker(130));
    s->setMarkerShape(k == 0 ? QScatterSeries::MarkerShapeCircle : QScatterSeries::MarkerShapeTriangle);
    s->setMarkerSize(7);
    attach(chart, s, east_, north_);
    points_[std::size_t(k)] = s;
    for (int c = 0; c < 2; ++c) {
      auto* line = new QLineSeries;
      line->setName(QString("%1: %2 %").arg(views::methodName(Method(k))).arg(c == 0 ? 50 : 95));
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
  chart->setTitle("Berechnete Standorte um den tatsächlichen (Ost, Nord); Kreise mit 50 % "
                  "(durchgezogen) und 95 % (gestrichelt) der Standorte");

  ChartResiduen = makeChartView(this, "ChartResiduen", "Residuen der letzten Ausgleichsrechnung");
  ChartResiduen->setMinimumHeight(260);
  chart = ChartResiduen->chart();
  residuals_ = new QBarSeries;
  chart->addSeries(residuals_);
  satellites_ = new QBarCategoryAxis;
  satellites_->setTitleText("Satellit");
  chart->addAxis(satellites_, Qt::AlignBottom);
  residuals_->attachAxis(satellites_);
  metres_ = metresAxis(chart, "Residuum (m)", Qt::AlignLeft);
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
                          "Noch kein Standort des Empfängers: Erzeugen Sie ihn im Hauptfenster "
                          "oder geben Sie ihn dort ein.");
    return;
  }
  // The instant as it is now, on a copy: the lesson's time runs on meanwhile.
  auto sky = std::make_shared<const TSatellitenSchar>(lesson_.constellation());
  MeasurementSetup setup = lesson_.measurementSetup(DrawMode::fresh, freshDraws_);
  setup.constellation = sky.get();
  freshDraws_ += cloudSize;
  cancel_ = false;
  done_ = 0;
  cloud_.clear();
  BitBtnTausend->setEnabled(false);
  ProgressBarMessungen->setValue(0);
  ProgressBarMessungen->show();
  worker_ = std::thread([this, sky, setup]() mutable {
    const double uere = double(setup.settings.uere());
    const std::uint64_t first = setup.draw;
    for (int i = 0; i < cloudSize && !cancel_; ++i) {
      setup.draw = first + std::uint64_t(i);
      // Read by the window only once the thread has ended.
      cloud_.push_back(views::scatterOf(measure(setup), setup.truePosition, uere));
      ++done_;
    }
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
    LabelUhr->setText("Noch keine Messung: Starten Sie im Hauptfenster die Positionsbestimmung "
                      "oder wiederholen Sie die Messung hier 1000-mal.");
    metres_->setRange(-1, 1);
    return;
  }
  auto* set = new QBarSet("Residuum (m)");
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
  QString text = QString("Messung Nr. %1 – Uhrabweichung des Empfängers: ").arg(latest->number);
  for (int k = 0; k < views::methodCount; ++k) {
    const views::ScatterFix& f = latest->fixes[std::size_t(k)];
    text += QString("%1 %2").arg(k == 0 ? "" : "; ").arg(views::methodName(Method(k)));
    text += f.valid ? QString(" %1 µs (%2 m)")
                          .arg(formatNumber(f.clockNs / 1000, 6, 12),
                               formatNumber(f.clockNs * double(TUhr::signalSpeed) * 1000, 3, 12))
                    : QString(" –");
  }
  LabelUhr->setText(text + ".");
}
