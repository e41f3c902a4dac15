#include "ui/SkyWindow.h"

#include <QEvent>
#include <array>

#include "platform/extended.h"
#include "ui/DeferredRedraw.h"
#include "ui/ExportFiles.h"
#include "ui/HelpWindow.h"
#include "ui/Language.h"
#include "ui/WidgetHelpers.h"
#include "views/LessonTexts.h"
#include "views/SkyPlot.h"

namespace {

constexpr int kPlotSize = 460;
constexpr int kDirectionRows = 24;

const char* const kDopNames[] = {"GDOP", "PDOP", "HDOP", "VDOP", "TDOP"};

QString degrees(long double radians) {
  return formatNumber(radians * 180 / extendedPi, 1, 6) + "°";
}

}  // namespace

SkyWindow::SkyWindow(LessonModel& lesson, QWidget* parent) : QWidget(parent), lesson_(lesson) {
  setObjectName("FormHimmel");
  setAttribute(Qt::WA_QuitOnClose, false);
  setFixedSize(956, 650);

  ImageHimmel = new ImageControl(kPlotSize, kPlotSize, this);
  ImageHimmel->setObjectName("ImageHimmel");
  ImageHimmel->move(8, 8);

  LabelLegende = new QLabel(this);
  LabelLegende->setObjectName("LabelLegende");
  LabelLegende->setTextFormat(Qt::RichText);
  LabelLegende->setWordWrap(true);
  LabelLegende->setGeometry(8, kPlotSize + 14, kPlotSize, 40);

  LabelDOPBedeutung = new QLabel(this);
  LabelDOPBedeutung->setObjectName("LabelDOPBedeutung");
  LabelDOPBedeutung->setWordWrap(true);
  LabelDOPBedeutung->setTextFormat(Qt::RichText);
  connect(LabelDOPBedeutung, &QLabel::linkActivated, this,
          [](const QString& page) { openHelpPage(page); });
  LabelDOPBedeutung->setGeometry(8, kPlotSize + 58, kPlotSize, 120);
  LabelDOPBedeutung->setAlignment(Qt::AlignTop | Qt::AlignLeft);

  const int right = kPlotSize + 24;
  LabelRichtungen = makeLabelAt(this, "LabelRichtungen", {}, right, 8);
  StringGridRichtungen = StringGrid::make(this, "StringGridRichtungen", 4, kDirectionRows + 1, 0, 1,
                                          {80, 100, 100, 150}, false, {right, 30}, 11, 16);

  const int dopTop = StringGridRichtungen->geometry().bottom() + 14;
  LabelDOP = makeLabelAt(this, "LabelDOP", {}, right, dopTop);
  StringGridDOP = StringGrid::make(this, "StringGridDOP", 3, 6, 1, 1, {80, 175, 195}, false,
                                   {right, dopTop + 22}, 6);
  for (int r = 0; r < 5; ++r) StringGridDOP->setCell(0, r + 1, kDopNames[r]);
  LabelDOPHinweis = new QLabel(this);
  LabelDOPHinweis->setObjectName("LabelDOPHinweis");
  LabelDOPHinweis->setWordWrap(true);
  LabelDOPHinweis->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  const int hintTop = StringGridDOP->geometry().bottom() + 8;
  LabelDOPHinweis->setGeometry(right, hintTop, 454, height() - hintTop - 8);

  // Cheap enough to follow every tick of the satellites.
  redraw_ = new DeferredRedraw(this, 0, [this] { refresh(); });
  lesson_.addObserver(this);
  // Pictures for worksheets from the context menu, the help page on F1.
  addSavePictureAction(
      ImageHimmel, [this] { return pictureOf(ImageHimmel); },
      [this] { return tr("Himmelsansicht"); });
  installHelpKey(this, "himmelsansicht.html");
  retranslate();
}

void SkyWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

void SkyWindow::retranslate() {
  setWindowTitle(tr("Himmelsansicht"));
  ImageHimmel->setToolTip(
      tr("Der Himmel über dem Empfänger: Norden oben, Osten rechts, der Zenit "
         "in der Mitte, der Horizont auf dem äußeren Ring"));
  LabelLegende->setText(
      tr("<span style='color:#143c96'>●</span> <b>fett:</b> die 4 Satelliten, mit denen die "
         "letzte Positionsbestimmung gelang &nbsp; <span style='color:#143c96'>○</span> empfangen "
         "&nbsp; <span style='color:#c80000'>✕</span> defekt (nicht empfangen). Ringe: 0°, 30° "
         "und 60° Elevation."));
  LabelDOPBedeutung->setText(
      tr("Ein DOP-Wert sagt, wie viel mal größer als ein Fehler der gemessenen Entfernungen der "
         "Fehler im Ergebnis wird. Unter 2 ist sehr gut, über 8 schlecht.<br>"
         "<b>GDOP</b>: für Ort und Uhrzeit zusammen. "
         "<b>PDOP</b>: für den Ort im Raum. "
         "<b>HDOP</b>: für die Lage auf der Karte (Nord–Süd, Ost–West). "
         "<b>VDOP</b>: für die Höhe. "
         "<b>TDOP</b>: für die Uhrabweichung des Empfängers. Wie das Messfehler vervielfacht: "
         "<a href='fehlerquellen.html'>Fehlerquellen und Ausgleichsrechnung</a>."));
  setLabelText(LabelRichtungen, tr("Richtung der Satelliten über dem Horizont"));
  const QString headers[] = {tr("Satellit"), tr("Azimut"), tr("Elevation"), tr("Zustand")};
  for (int c = 0; c < 4; ++c) StringGridRichtungen->setCell(c, 0, headers[c]);
  setLabelText(LabelDOP, tr("Genauigkeitsverlust durch die Geometrie (Dilution of Precision)"));
  StringGridDOP->setCell(1, 0, tr("4 verwendete"));
  refresh();
}

SkyWindow::~SkyWindow() { lesson_.removeObserver(this); }


void SkyWindow::forgetFix() {
  used_.fill(false);
  hasFix_ = fixFound_ = false;
  fixDop_ = {};
}

void SkyWindow::satellitesMoved() { redraw_->request(); }
void SkyWindow::stateChanged() { redraw_->request(); }

void SkyWindow::receiverMoved() {
  // A new position makes the last fix meaningless; one step of a travel does not.
  if (!lesson_.travelling()) forgetFix();
  redraw_->request();
}

void SkyWindow::determined(const DeterminationRecord& record) {
  used_ = usedSatellites(record);
  hasFix_ = true;
  fixFound_ = record.found();
  if (fixFound_) {
    const std::size_t start = static_cast<std::size_t>(record.windows.back().start);
    std::array<TVektorR3, 4> four;
    for (std::size_t i = 0; i < 4; ++i) four[i] = record.signals[start + i].position;
    fixDop_ = dilutionOfPrecision(record.truePosition, four);
  } else {
    fixDop_ = {};
  }
  redraw_->request();
}

void SkyWindow::restored() {
  forgetFix();
  redraw_->request();
}

void SkyWindow::showDop(int column, const DilutionOfPrecision& dop) {
  const double values[] = {dop.gdop, dop.pdop, dop.hdop, dop.vdop, dop.tdop};
  for (int r = 0; r < 5; ++r)
    StringGridDOP->setCell(column, r + 1, dop.valid() ? formatNumber(values[r], 2, 6) : "–");
}

void SkyWindow::refresh() {
  const bool hasReceiver = lesson_.hasTruePosition();
  const SkySnapshot sky = lesson_.observeSky(used_);
  views::drawSkyPlot(ImageHimmel->canvas(), sky, hasReceiver, coreTranslation());

  const QString marks[] = {tr("verwendet"), tr("empfangen"), tr("defekt")};
  for (int r = 0; r < kDirectionRows; ++r) {
    if (r < sky.count) {
      const SkySatellite& s = sky.satellites[r];
      StringGridRichtungen->setCell(0, r + 1, QString::number(s.number));
      StringGridRichtungen->setCell(1, r + 1, degrees(s.direction.azimuth));
      StringGridRichtungen->setCell(2, r + 1, degrees(s.direction.elevation));
      StringGridRichtungen->setCell(3, r + 1, marks[static_cast<int>(s.mark)]);
    } else {
      for (int c = 0; c < 4; ++c) StringGridRichtungen->setCell(c, r + 1, QString());
    }
  }

  // Received: above the horizon and not defective.
  std::array<TVektorR3, LessonModel::satelliteCount> received;
  int n = 0;
  for (int i = 0; i < sky.count; ++i)
    if (sky.satellites[i].mark != SkyMark::defective)
      received[n++] = lesson_.constellation().satellites[sky.satellites[i].number].position;
  const DilutionOfPrecision all =
      hasReceiver ? dilutionOfPrecision(lesson_.truePosition(), std::span(received.data(), n))
                  : DilutionOfPrecision{};
  showDop(1, fixFound_ ? fixDop_ : DilutionOfPrecision{});
  showDop(2, all);
  StringGridDOP->setCell(2, 0, tr("alle empfangenen (%1)").arg(n));

  QString hint;
  for (const auto& [bold, text] :
       views::skyHint(hasReceiver, hasFix_, fixFound_, fixDop_, all, coreTranslation())) {
    const QString part = QString::fromStdString(text).toHtmlEscaped();
    if (bold) hint += QStringLiteral("%1<b>%2</b>").arg(hint.isEmpty() ? "" : "<br>", part);
    else hint += part;
  }
  LabelDOPHinweis->setText(hint);
}
