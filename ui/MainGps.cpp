#include "ui/MainGps.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/messages.h"
#include "platform/numformat.h"
#include "platform/random.h"
#include "platform/shell.h"
#include "ui/Glyphs.h"
#include "ui/main2DDemo.h"
#include "ui/main3DDemo.h"

QString formatNumber(long double value, int decimals, int precision) {
  return QString::fromStdString(platform::formatFixed(value, decimals, precision));
}

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int x, int y,
                  int width = -1, int height = -1) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  if (width > 0) {
    label->setWordWrap(true);
    label->setGeometry(x, y, width, height > 0 ? height : label->heightForWidth(width));
  } else {
    label->move(x, y);
    label->adjustSize();
  }
  return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QIcon& icon,
                        int x, int y, int width, int height = 30) {
  auto* button = new QPushButton(icon, text, parent);
  button->setObjectName(name);
  button->setGeometry(x, y, width, height);
  return button;
}

// A line edit with its caption above it, the caption a buddy label.
QLineEdit* makeLabeledEdit(QWidget* parent, const char* name, const QString& caption, int x,
                           int y, int width, int captionWidth = -1) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  QLabel* label = makeLabel(parent, (QByteArray(name) + "Label").constData(), caption, x, y,
                            captionWidth);
  label->setBuddy(edit);
  edit->setGeometry(x, label->geometry().bottom() + 3, width, 26);
  return edit;
}

QToolButton* makeSpeedButton(QToolBar* bar, const char* name, const QString& hint,
                             const QIcon& icon) {
  auto* button = new QToolButton(bar);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setIcon(icon);
  button->setAutoRaise(true);
  bar->addWidget(button);
  return button;
}

}  // namespace

TFormMain::TFormMain(QWidget* parent) : QWidget(parent) {
  setObjectName("FormMain");
  setWindowTitle("Ortivo");
  setFixedSize(1109, 786);
  buildLayout();
  FormCreate();
}

TFormMain::~TFormMain() = default;

void TFormMain::buildLayout() {
  ToolBar = new QToolBar(this);
  ToolBar->setObjectName("ToolBar");
  ToolBar->setGeometry(0, 0, width(), 29);
  ToolBar->setIconSize(QSize(22, 22));
  ToolBar->setMovable(false);
  SpeedButtonInfo = makeSpeedButton(ToolBar, "SpeedButtonInfo", "Info", glyphs::info());
  SpeedButtonHilfe = makeSpeedButton(ToolBar, "SpeedButtonHilfe", "Hilfe", glyphs::help());
  ToolBar->addSeparator();
  SpeedButton2DDemo =
      makeSpeedButton(ToolBar, "SpeedButton2DDemo", "2D-Demonstration", glyphs::demo2D());
  SpeedButton3DDemo =
      makeSpeedButton(ToolBar, "SpeedButton3DDemo", "3D-Demonstration", glyphs::demo3D());
  ToolBar->addSeparator();
  SpeedButtonBeenden = makeSpeedButton(ToolBar, "SpeedButtonBeenden", "Beenden", glyphs::quit());

  // True receiver position.
  GroupBoxEmpfaenger =
      new QGroupBox("Tatsächlicher Standort des GPS-Empfängers (erzeugen oder eingeben)", this);
  GroupBoxEmpfaenger->setObjectName("GroupBoxEmpfaenger");
  GroupBoxEmpfaenger->setGeometry(0, 40, 713, 217);
  childFont_ = font();
  QWidget* g = GroupBoxEmpfaenger;
  LabelExakterStandortCart = makeLabel(
      g, "LabelExakterStandortCart",
      "Cartesische Koordinaten (in km) - maßgeblich für die Positionsbestimmung", 10, 24);
  StringGridExakterStandortCart = new StringGrid(3, 2, 0, 1, g);
  StringGridExakterStandortCart->setObjectName("StringGridExakterStandortCart");
  StringGridExakterStandortCart->setColumnWidths({140, 140, 140});
  StringGridExakterStandortCart->setEditableCells(true);
  StringGridExakterStandortCart->setGeometry(10, 44, 424,
                                             StringGridExakterStandortCart->heightForRows(2));
  BitBtnCartToGeo = makeButton(g, "BitBtnCartToGeo", "CartToGeo", glyphs::convert(), 448, 44, 120);
  BitBtnGeoToCart = makeButton(g, "BitBtnGeoToCart", "GeoToCart", glyphs::convert(), 578, 44, 120);
  BitBtnErzeugen = makeButton(g, "BitBtnErzeugen", "Erzeugen", glyphs::generate(), 448, 80, 120);
  LabelExakterStandortGeo = makeLabel(g, "LabelExakterStandortGeo", "Geographische Koordinaten",
                                      10, 106);
  StringGridExakterStandortGeo = new StringGrid(4, 3, 1, 1, g);
  StringGridExakterStandortGeo->setObjectName("StringGridExakterStandortGeo");
  StringGridExakterStandortGeo->setEditableCells(true);
  // The minutes column is wider than the computed grid's: ten decimals must show in full.
  StringGridExakterStandortGeo->setColumnWidths({60, 34, 58, 112});
  StringGridExakterStandortGeo->setGeometry(10, 126, 60 + 34 + 58 + 112 + 4,
                                            StringGridExakterStandortGeo->heightForRows(3));
  LabeledEditExakteHoehe =
      makeLabeledEdit(g, "LabeledEditExakteHoehe", "Höhe (in m) über NN", 290, 106, 130);
  LabelTatsaechlicheGeschwindigkeit = makeLabel(g, "LabelTatsaechlicheGeschwindigkeit",
                                                "Geschwindigkeit in km/h", 448, 126);
  SpinEditTatsaechlicheGeschwindigkeit = new QSpinBox(g);
  SpinEditTatsaechlicheGeschwindigkeit->setObjectName("SpinEditTatsaechlicheGeschwindigkeit");
  SpinEditTatsaechlicheGeschwindigkeit->setRange(0, 1000);
  SpinEditTatsaechlicheGeschwindigkeit->setSingleStep(10);
  SpinEditTatsaechlicheGeschwindigkeit->setValue(0);
  SpinEditTatsaechlicheGeschwindigkeit->setGeometry(448, 148, 100, 26);
  LabelTatsaechlicheGeschwindigkeit->setBuddy(SpinEditTatsaechlicheGeschwindigkeit);
  BitBtnEmpfaengerBewegen =
      makeButton(g, "BitBtnEmpfaengerBewegen", "Bewegen", glyphs::move(), 578, 146, 120);

  // Defective satellites: 1-13 in the left column, 14-24 in the right one.
  GroupBoxDefekt = new QGroupBox("Defekte Satelliten", this);
  GroupBoxDefekt->setObjectName("GroupBoxDefekt");
  GroupBoxDefekt->setGeometry(744, 48, 193, 241);
  for (int n = 1; n <= 24; ++n) {
    auto* box = new QCheckBox(QString("CheckBox%1").arg(n), GroupBoxDefekt);
    box->setObjectName(QString("CheckBox%1").arg(n));
    box->setProperty("Tag", n);
    const bool left = n <= 13;
    box->setGeometry(left ? 24 : 104, 24 + 16 * (left ? n - 1 : n - 14), 70, 16);
  }

  // Computed position.
  GroupBoxBerechneterStandort = new QGroupBox(
      "Berechneter Standort und berechnete Geschwindigkeit des GPS-Empfängers", this);
  GroupBoxBerechneterStandort->setObjectName("GroupBoxBerechneterStandort");
  GroupBoxBerechneterStandort->setGeometry(8, 272, 673, 441);
  g = GroupBoxBerechneterStandort;
  LabelBerechneterStandortCart = makeLabel(g, "LabelBerechneterStandortCart",
                                           "Cartesische Koordinaten (in km)", 10, 24);
  StringGridBerechneterStandortCart = new StringGrid(3, 2, 0, 1, g);
  StringGridBerechneterStandortCart->setObjectName("StringGridBerechneterStandortCart");
  StringGridBerechneterStandortCart->setColumnWidths({110, 110, 110});
  StringGridBerechneterStandortCart->setEditableCells(false);
  StringGridBerechneterStandortCart->setGeometry(
      10, 44, 334, StringGridBerechneterStandortCart->heightForRows(2));
  BitBtnBerechne = makeButton(g, "BitBtnBerechne", "Positionsbestimmung starten", glyphs::ok(),
                              372, 22, 262, 32);
  LabelInfo = makeLabel(g, "LabelInfo", "LabelInfo", 372, 60, 290, 36);
  LabelBerechneterStandortGeo =
      makeLabel(g, "LabelBerechneterStandortGeo", "Geographische Koordinaten", 10, 104);
  StringGridBerechneterStandortGeo = new StringGrid(4, 3, 1, 1, g);
  StringGridBerechneterStandortGeo->setObjectName("StringGridBerechneterStandortGeo");
  StringGridBerechneterStandortGeo->setEditableCells(false);
  StringGridBerechneterStandortGeo->setColumnWidths({60, 34, 58, 85});
  StringGridBerechneterStandortGeo->setGeometry(10, 124, 60 + 34 + 58 + 85 + 4,
                                                StringGridBerechneterStandortGeo->heightForRows(3));
  LabeledEditBerechneteHoehe = makeLabeledEdit(g, "LabeledEditBerechneteHoehe",
                                               "Höhe (in m) über NN", 268, 104, 120, 130);
  LabeledEditBerechneteHoehe->setReadOnly(true);
  LabeledEditBerechneteGeschwindigkeit = makeLabeledEdit(
      g, "LabeledEditBerechneteGeschwindigkeit", "Geschwindigkeit in km/h", 410, 104, 120);
  LabeledEditBerechneteGeschwindigkeit->setReadOnly(true);
  LabelUnterschied = makeLabel(
      g, "LabelUnterschied",
      "Entfernung tatsächlicher Standort zum berechneten Standort (Luftlinie in km)", 268, 158,
      262, 36);
  EditUnterschied = new QLineEdit(g);
  EditUnterschied->setObjectName("EditUnterschied");
  EditUnterschied->setReadOnly(true);
  EditUnterschied->setGeometry(540, 163, 122, 26);
  LabelUnterschied->setBuddy(EditUnterschied);
  LabeledEditAnzEmpfangeneSatelliten = makeLabeledEdit(
      g, "LabeledEditAnzEmpfangeneSatelliten",
      "Anzahl und Nummern der empfangenen Satelliten (geordnet nach Entfernung)", 10, 206, 652);
  LabeledEditAnzEmpfangeneSatelliten->setReadOnly(true);
  LabelSatelliten = makeLabel(g, "LabelSatelliten",
                              "Position und fiktive Signallaufzeiten (des ersten "
                              "Iterationsschritts) der 4 zur Berechnung herangezogenen Satelliten",
                              10, 258, 652);
  StringGridSatelliten = new StringGrid(7, 5, 0, 1, g);
  StringGridSatelliten->setObjectName("StringGridSatelliten");
  StringGridSatelliten->setEditableCells(true);
  StringGridSatelliten->setColumnWidths({74, 100, 100, 100, 90, 90, 90});
  StringGridSatelliten->setGeometry(10, LabelSatelliten->geometry().bottom() + 4, 648,
                                    StringGridSatelliten->heightForRows(5));

  // Satellite positions.
  GroupBoxSatellitenbewegung = new QGroupBox("Satellitenposition", this);
  GroupBoxSatellitenbewegung->setObjectName("GroupBoxSatellitenbewegung");
  GroupBoxSatellitenbewegung->setGeometry(696, 336, 321, 377);
  StringGridBewegung = new StringGrid(4, 25, 1, 1, GroupBoxSatellitenbewegung);
  StringGridBewegung->setObjectName("StringGridBewegung");
  StringGridBewegung->setEditableCells(false);
  {
    QFont small = StringGridBewegung->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    StringGridBewegung->setFont(small);
    for (int r = 0; r < 25; ++r)
      for (int c = 0; c < 4; ++c) {
        QFont f = StringGridBewegung->item(r, c)->font();
        f.setPointSizeF(small.pointSizeF());
        StringGridBewegung->item(r, c)->setFont(f);
      }
  }
  StringGridBewegung->setColumnWidths({62, 78, 78, 78});
  StringGridBewegung->setGeometry(6, 24, 309, 345);
  StringGridBewegung->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  TimerSatellitenSchar = new QTimer(this);
  TimerSatellitenSchar->setObjectName("TimerSatellitenSchar");
  TimerEmpfaenger = new QTimer(this);
  TimerEmpfaenger->setObjectName("TimerEmpfaenger");
  TimerBerechnung = new QTimer(this);
  TimerBerechnung->setObjectName("TimerBerechnung");

  connect(TimerSatellitenSchar, &QTimer::timeout, this, &TFormMain::TimerSatellitenScharTimer);
  connect(TimerEmpfaenger, &QTimer::timeout, this, &TFormMain::TimerEmpfaengerTimer);
  connect(TimerBerechnung, &QTimer::timeout, this, &TFormMain::TimerBerechnungTimer);
  connect(BitBtnCartToGeo, &QPushButton::clicked, this, &TFormMain::BitBtnCartToGeoClick);
  connect(BitBtnGeoToCart, &QPushButton::clicked, this, &TFormMain::BitBtnGeoToCartClick);
  connect(BitBtnErzeugen, &QPushButton::clicked, this, &TFormMain::BitBtnErzeugenClick);
  connect(BitBtnEmpfaengerBewegen, &QPushButton::clicked, this,
          &TFormMain::BitBtnEmpfaengerBewegenClick);
  connect(BitBtnBerechne, &QPushButton::clicked, this, &TFormMain::BitBtnBerechneClick);
  connect(SpeedButtonInfo, &QToolButton::clicked, this, &TFormMain::SpeedButtonInfoClick);
  connect(SpeedButtonHilfe, &QToolButton::clicked, this, &TFormMain::SpeedButtonHilfeClick);
  connect(SpeedButton2DDemo, &QToolButton::clicked, this, &TFormMain::SpeedButton2DDemoClick);
  connect(SpeedButton3DDemo, &QToolButton::clicked, this, &TFormMain::SpeedButton3DDemoClick);
  connect(SpeedButtonBeenden, &QToolButton::clicked, this, &TFormMain::SpeedButtonBeendenClick);
}

void TFormMain::FormCreate() {
  helpFileName = "GPS.chm";
  platform::randomize();
  TimerSatellitenSchar->setInterval(2000);
  TimerEmpfaenger->setInterval(2000);
  TimerBerechnung->setInterval(2000);
  converter = std::make_unique<TKoordinatenwandlerR3>();
  constellation = std::make_unique<TSatellitenSchar>();
  receiver = std::make_unique<TEmpfaenger>();

  initGrids();
  LabelInfo->setText("Einem Simulationsschritt entsprechen " + QString("100") +
                     " Sekunden in der Wirklichkeit");
  GroupBoxEmpfaenger->setTitle(GroupBoxEmpfaenger->title() +
                               " - maximale(minimale) Höhe über dem Erdboden: " + "11000" + " (" +
                               "0" + ") m");

  fitTitle(GroupBoxEmpfaenger);

  // Bind the check boxes by their Tag, whatever their captions were.
  const QObjectList children = GroupBoxDefekt->children();
  int i = 0;
  for (QObject* child : children) {
    auto* box = qobject_cast<QCheckBox*>(child);
    if (box) {
      const int tag = box->property("Tag").toInt();
      if (tag >= 1 && tag <= 24) {
        checkBoxes[tag] = box;
        box->setText(QString::number(i + 1));
      }
    }
    ++i;
  }
  showSatellites();
  TimerSatellitenSchar->start();
}

// The extended caption of the receiver box is long: its title font shrinks until
// the caption fits, while the controls inside keep the window's font.
void TFormMain::fitTitle(QGroupBox* box) {
  QFont title = childFont_;
  while (QFontMetrics(title).horizontalAdvance(box->title()) > box->width() - 12 &&
         title.pointSizeF() > 6)
    title.setPointSizeF(title.pointSizeF() - 0.25);
  box->setFont(title);
  QFont inner = childFont_;
  inner.setPointSizeF(childFont_.pointSizeF());  // explicit, so it is not inherited from the box
  for (QWidget* child : box->findChildren<QWidget*>()) child->setFont(inner);
}

void TFormMain::initGrids() {
  for (StringGrid* grid : {StringGridExakterStandortCart, StringGridBerechneterStandortCart}) {
    grid->setCell(0, 0, "x");
    grid->setCell(1, 0, "y");
    grid->setCell(2, 0, "z");
  }
  for (StringGrid* grid : {StringGridExakterStandortGeo, StringGridBerechneterStandortGeo}) {
    grid->setCell(0, 1, "Länge");
    grid->setCell(0, 2, "Breite");
    grid->setCell(2, 0, "Grad");
    grid->setCell(3, 0, "Minuten");
  }
  const char* headers[] = {"Nummer", "x", "y", "z", "millisek", "microsek", "nanosek"};
  for (int c = 0; c < 7; ++c) StringGridSatelliten->setCell(c, 0, headers[c]);
  const char* motion[] = {"Nummer", "x", "y", "z"};
  for (int c = 0; c < 4; ++c) StringGridBewegung->setCell(c, 0, motion[c]);
  for (int k = 1; k <= 24; ++k) StringGridBewegung->setCell(0, k, QString::number(k));
}

void TFormMain::showSatellites() {
  for (int k = 1; k <= TSatellitenSchar::satelliteCount; ++k) {
    const TVektorR3& p = constellation->satellites[k].position;
    StringGridBewegung->setCell(1, k, formatNumber(p.x, 3, 18));
    StringGridBewegung->setCell(2, k, formatNumber(p.y, 3, 18));
    StringGridBewegung->setCell(3, k, formatNumber(p.z, 3, 18));
  }
}

void TFormMain::TimerSatellitenScharTimer() {
  if (!constellation) return;
  constellation->moveSatellites();
  showSatellites();
}

void TFormMain::setCompanions(TForm2DDemo* form2DDemo, TForm3DDemo* form3DDemo, QWidget* aboutBox) {
  form2DDemo_ = form2DDemo;
  form3DDemo_ = form3DDemo;
  aboutBox_ = aboutBox;
}

namespace {

// Shows a window and brings it to the front when it was already open behind another;
// the offscreen platform of the tests can not raise windows and would only complain.
void showInFront(QWidget* window) {
  window->show();
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
    window->raise();
    window->activateWindow();
  }
}

}  // namespace

void TFormMain::SpeedButtonInfoClick() {
  if (aboutBox_) showInFront(aboutBox_);
}

void TFormMain::SpeedButtonHilfeClick() { platform::openHelpFile(helpFileName); }

void TFormMain::SpeedButton2DDemoClick() {
  if (form2DDemo_) form2DDemo_->startDemo();
}

void TFormMain::SpeedButton3DDemoClick() {
  if (!form3DDemo_) return;
  showInFront(form3DDemo_);
  // The picture starts black until the first OK; the outline too, whatever pen the
  // last frame left.
  platform::Canvas& canvas = form3DDemo_->Image->canvas();
  canvas.setBrushColor(platform::colors::black);
  canvas.setBrushStyle(platform::BrushStyle::Solid);
  canvas.setPenColor(platform::colors::black);
  canvas.rectangle(0, 0, form3DDemo_->width(), form3DDemo_->height());
}

void TFormMain::SpeedButtonBeendenClick() {
  releaseModel();
  QApplication::quit();
}

void TFormMain::closeEvent(QCloseEvent* event) {
  releaseModel();
  QApplication::quit();
  QWidget::closeEvent(event);
}

// Stops every timer first, so that no handler runs on freed objects.
void TFormMain::releaseModel() {
  TimerSatellitenSchar->stop();
  TimerEmpfaenger->stop();
  TimerBerechnung->stop();
  converter.reset();
  constellation.reset();
  receiver.reset();
  if (form2DDemo_) form2DDemo_->releaseModel();
  if (form3DDemo_) form3DDemo_->releaseScene();
  // Clicks still queued before the loop ends must not reach the freed objects.
  setEnabled(false);
}


// ---------------------------------------------------------------------------
// True receiver position: display, entry, generation and movement.

namespace {

constexpr long double kMinHeight = 0;      // m
constexpr long double kMaxHeight = 11000;  // m

std::optional<long double> cellNumber(const QString& text) {
  return platform::parseDecimal(text.toStdString());
}

}  // namespace

void TFormMain::showCartesian(StringGrid* grid, TVektorR3 v) {
  const int decimals = grid == StringGridBerechneterStandortCart ? 3 : 10;
  grid->setCell(0, 1, formatNumber(v.x, decimals, 18));
  grid->setCell(1, 1, formatNumber(v.y, decimals, 18));
  grid->setCell(2, 1, formatNumber(v.z, decimals, 18));
}

void TFormMain::showGeographic(StringGrid* grid, QLineEdit* heightEdit, const TGeoPosition& g) {
  const int decimals = grid == StringGridBerechneterStandortGeo ? 3 : 10;
  grid->setCell(1, 1, QString(QChar::fromLatin1(g.eastWest)));
  grid->setCell(2, 1, QString::number(g.longitude.degrees));
  grid->setCell(3, 1, formatNumber(g.longitude.minutes, decimals, 18));
  grid->setCell(1, 2, QString(QChar::fromLatin1(g.northSouth)));
  grid->setCell(2, 2, QString::number(g.latitude.degrees));
  grid->setCell(3, 2, formatNumber(g.latitude.minutes, decimals, 18));
  heightEdit->setText(formatNumber(g.height, 2, 7));
}

void TFormMain::clearCartesianRow(StringGrid* grid) {
  for (int c = 0; c <= 2; ++c) grid->setCell(c, 1, QString());
}

void TFormMain::clearGeographicGrid(StringGrid* grid, QLineEdit* heightEdit) {
  for (int r = 1; r <= 2; ++r)
    for (int c = 1; c <= 3; ++c) grid->setCell(c, r, QString());
  heightEdit->clear();
}

bool TFormMain::readCartesian() {
  // Each coordinate is stored as soon as it is read, as the entry grid shows it.
  StringGrid* grid = StringGridExakterStandortCart;
  const auto x = cellNumber(grid->cell(0, 1));
  if (!x) {
    showError("Unzulässiges Zeichen bei der x-Koordinate bzw. geographische Koordinaten wurden "
              "nicht in cartesische Koordinaten umgewandelt");
    return false;
  }
  truePosition.x = *x;
  const auto y = cellNumber(grid->cell(1, 1));
  if (!y) {
    showError("Unzulässiges Zeichen bei der y-Koordinate");
    return false;
  }
  truePosition.y = *y;
  const auto z = cellNumber(grid->cell(2, 1));
  if (!z) {
    showError("Unzulässiges Zeichen bei der z-Koordinate");
    return false;
  }
  truePosition.z = *z;
  if (!isValidPosition(truePosition)) {
    showError("Unzulässiger Standort");
    return false;
  }
  return true;
}

bool TFormMain::readGeographic() {
  StringGrid* grid = StringGridExakterStandortGeo;
  const QString eastWest = grid->cell(1, 1);
  if (eastWest.toUpper() != "O" && eastWest.toUpper() != "W") {
    showError("Bei der Länge kan nur O oder W stehen");
    return false;
  }
  trueGeo.eastWest = eastWest.at(0).toLatin1();
  const QString northSouth = grid->cell(1, 2);
  if (northSouth.toUpper() != "S" && northSouth.toUpper() != "N") {
    showError("Bei der Breite kann nur N oder S stehen");
    return false;
  }
  trueGeo.northSouth = northSouth.at(0).toLatin1();
  const auto longitudeDegrees = platform::parseInteger(grid->cell(2, 1).toStdString());
  if (!longitudeDegrees) {
    showError("Unzulässiges Zeichen beim Längengrad");
    return false;
  }
  trueGeo.longitude.degrees = *longitudeDegrees;
  const auto latitudeDegrees = platform::parseInteger(grid->cell(2, 2).toStdString());
  if (!latitudeDegrees) {
    showError("Unzulässiges Zeichen beim Breitengrad");
    return false;
  }
  trueGeo.latitude.degrees = *latitudeDegrees;
  const auto longitudeMinutes = cellNumber(grid->cell(3, 1));
  if (!longitudeMinutes) {
    showError("Unzulässiges Zeichen bei den Längenminuten");
    return false;
  }
  trueGeo.longitude.minutes = *longitudeMinutes;
  const auto latitudeMinutes = cellNumber(grid->cell(3, 2));
  if (!latitudeMinutes) {
    showError("Unzulässiges Zeichen bei den Breitennminuten");
    return false;
  }
  trueGeo.latitude.minutes = *latitudeMinutes;
  const auto height = cellNumber(LabeledEditExakteHoehe->text());
  if (!height) {
    showError("Unzulässiges Zeichen bei der Höhenangabe");
    return false;
  }
  trueGeo.height = *height;
  if (!isValidGeographic(trueGeo)) {
    showError("Unzulässiger Standort");
    return false;
  }
  return true;
}

bool TFormMain::isValidPosition(TVektorR3 v) {
  const long double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return 6371 - 0.0001L <= n && n <= 6382 + 0.0001L;
}

bool TFormMain::isValidAngle(const TGradMinuten& gm, int maxDegrees) {
  if (gm.degrees < 0) return false;
  if (gm.degrees == maxDegrees && gm.minutes == 0) return true;
  if (gm.degrees >= maxDegrees) return false;
  if (gm.minutes < 0) return false;
  return gm.minutes <= 60;
}

bool TFormMain::isValidGeographic(const TGeoPosition& g) {
  return isValidAngle(g.longitude, 180) && isValidAngle(g.latitude, 90) &&
         kMinHeight <= g.height && g.height <= kMaxHeight;
}

void TFormMain::BitBtnCartToGeoClick() {
  if (!readCartesian()) return;
  trueGeo = converter->cartesianToGeo(truePosition);
  showGeographic(StringGridExakterStandortGeo, LabeledEditExakteHoehe, trueGeo);
}

void TFormMain::BitBtnGeoToCartClick() {
  if (!readGeographic()) return;
  truePosition = converter->geoToCartesian(trueGeo);
  showCartesian(StringGridExakterStandortCart, truePosition);
}

void TFormMain::BitBtnErzeugenClick() {
  trueGeo = erzeugePosition();
  showGeographic(StringGridExakterStandortGeo, LabeledEditExakteHoehe, trueGeo);
  truePosition = converter->geoToCartesian(trueGeo);
  showCartesian(StringGridExakterStandortCart, truePosition);
}

TGeoPosition TFormMain::erzeugePosition() {
  TGeoPosition g;
  g.eastWest = platform::randomInt(2) == 1 ? 'O' : 'W';
  g.northSouth = platform::randomInt(2) == 1 ? 'S' : 'N';
  g.longitude.degrees = platform::randomInt(180) + 1;
  g.longitude.minutes =
      g.longitude.degrees == 180 ? 0 : platform::randomInt(60) + platform::randomFraction();
  g.latitude.degrees = platform::randomInt(90) + 1;
  g.latitude.minutes =
      g.latitude.degrees == 90 ? 0 : platform::randomInt(60) + platform::randomFraction();
  g.height = platform::randomInt(11000);
  return g;
}

void TFormMain::BitBtnEmpfaengerBewegenClick() {
  if (TimerEmpfaenger->isActive()) {
    BitBtnEmpfaengerBewegen->setText("Bewegen");
    SpinEditTatsaechlicheGeschwindigkeit->setValue(0);
    TimerEmpfaenger->stop();
    enableBitBtns(GroupBoxEmpfaenger, true);
  } else if (SpinEditTatsaechlicheGeschwindigkeit->value() != 0) {
    if (readCartesian()) {
      BitBtnEmpfaengerBewegen->setText("Stoppen");
      enableBitBtns(GroupBoxEmpfaenger, false);
      BitBtnEmpfaengerBewegen->setEnabled(true);
      TimerEmpfaenger->start();
      previousPosition = truePosition;
    }
  } else {
    showError("Für eine Bewegung muss eine Geschwindigkeit>0 eingegeben werden");
  }
}

void TFormMain::TimerEmpfaengerTimer() {
  if (!converter) return;
  moveReceiver();
}

void TFormMain::moveReceiver() {
  const long double speed = SpinEditTatsaechlicheGeschwindigkeit->value();  // km/h
  const long double d = speed / 3600 * 100;  // km in the 100 s of one step
  previousPosition = truePosition;
  truePosition = nextReceiverPosition(d);
  showCartesian(StringGridExakterStandortCart, truePosition);
  showGeographic(StringGridExakterStandortGeo, LabeledEditExakteHoehe,
                 converter->cartesianToGeo(truePosition));
}

TVektorR3 TFormMain::nextReceiverPosition(long double d) {
  TGeoPosition g = converter->cartesianToGeo(truePosition);
  const long double climb = (platform::randomInt(10) + 1) * d;  // taken as metres
  const int sign = platform::randomInt(2) == 0 ? 1 : -1;
  g.height = std::clamp(g.height + sign * climb, kMinHeight, kMaxHeight);
  // What the climb takes off the step is left for the way along the meridian.
  const long double horizontal = std::sqrt(d * d - (climb / 1000) * (climb / 1000));
  return converter->moveOnMeridian(converter->geoToCartesian(g), horizontal);
}

void TFormMain::showError(const QString& message) {
  TimerBerechnung->stop();
  BitBtnBerechne->setText("Positionsbestimmung starten");
  platform::showMessage(platform::MessageKind::Error, message.toStdString());
}

void TFormMain::enableBitBtns(QGroupBox* groupBox, bool enabled) {
  for (QObject* child : groupBox->children())
    if (auto* button = qobject_cast<QPushButton*>(child);
        button && button->objectName().startsWith("BitBtn"))
      button->setEnabled(enabled);
}

// ---------------------------------------------------------------------------
// The repeated position determination.

void TFormMain::BitBtnBerechneClick() {
  if (TimerBerechnung->isActive()) {
    BitBtnBerechne->setText("Positionsbestimmung starten");
    TimerBerechnung->stop();
  } else if (readCartesian()) {
    BitBtnBerechne->setText("Positionsbestimmung stoppen");
    TimerBerechnung->start();
  }
}

void TFormMain::TimerBerechnungTimer() {
  if (!constellation) return;
  computePosition();
}

void TFormMain::computePosition() {
  for (int k = 1; k <= TSatellitenSchar::satelliteCount; ++k)
    constellation->satellites[k].working = !checkBoxes[k]->isChecked();
  receiver = std::make_unique<TEmpfaenger>();
  receiver->clock.receiveSignals(truePosition, *constellation);

  EditUnterschied->clear();
  showReceivedSatellites();
  clearSatelliteTable();
  clearCartesianRow(StringGridBerechneterStandortCart);
  LabeledEditBerechneteGeschwindigkeit->clear();
  clearGeographicGrid(StringGridBerechneterStandortGeo, LabeledEditBerechneteHoehe);
  if (receiver->signalCount() < 4) {
    showError("Es müssen mindestens 4 Satelliten empfangen werden");
    return;
  }

  TVektorR3 P{};
  enableControls(false);
  findPosition(P);
  enableControls(true);
  if (!receiver->failed) {
    showCartesian(StringGridBerechneterStandortCart, P);
    EditUnterschied->setText(formatNumber(TEuklidGeoR3::distance(truePosition, P), 3, 8));
    showGeographic(StringGridBerechneterStandortGeo, LabeledEditBerechneteHoehe,
                   converter->cartesianToGeo(P));
    LabeledEditBerechneteGeschwindigkeit->setText(formatNumber(computedSpeed(), 3, 4));
  } else {
    showError(optionsMessage());
  }
}

void TFormMain::findPosition(TVektorR3& P) {
  const int n = receiver->signalCount();
  TUhr& clock = receiver->clock;
  for (clock.windowStart = 0; clock.windowStart <= n - 4;) {
    for (int j = 1; j <= 4; ++j) showSignal(j, *receiver->signalAt(clock.windowStart + j));
    receiver->determinePosition(clock.windowStart, P);
    ++clock.windowStart;
    if (!receiver->failed) break;
  }
}

void TFormMain::showSignal(int row, const TListenElement& e) {
  StringGrid* g = StringGridSatelliten;
  g->setCell(0, row, QString::number(e.number));
  g->setCell(1, row, formatNumber(e.position.x, 3, 8));
  g->setCell(2, row, formatNumber(e.position.y, 3, 8));
  g->setCell(3, row, formatNumber(e.position.z, 3, 8));
  g->setCell(4, row, QString::number(e.runTime / 1000000));
  g->setCell(5, row, QString::number((e.runTime % 1000000) / 1000));
  g->setCell(6, row, QString::number(e.runTime % 1000));
}

void TFormMain::showReceivedSatellites() {
  QString text = QString::number(receiver->signalCount()) + ": ";
  TSortListe& signals = receiver->clock.signals;
  for (signals.toFirst(); !signals.atEnd(); signals.next())
    text += QString::number(static_cast<TListenElement*>(signals.getElem())->number) + ", ";
  LabeledEditAnzEmpfangeneSatelliten->setText(text);
}

void TFormMain::clearSatelliteTable() {
  for (int r = 1; r <= 4; ++r)
    for (int c = 0; c <= 6; ++c) StringGridSatelliten->setCell(c, r, QString());
}

long double TFormMain::computedSpeed() const {
  if (!TimerEmpfaenger->isActive()) return 0;
  return TEuklidGeoR3::distance(previousPosition, truePosition) / 100 * 3600;
}

QString TFormMain::optionsMessage() const {
  QString options;
  for (int k = 1; k <= 24; ++k)
    if (checkBoxes[k]->isChecked()) {
      options += "Satelliten reparieren, ";
      break;
    }
  if (TimerSatellitenSchar->isActive()) options += "neue Satellitenkonstellation abwarten, ";
  options.chop(2);
  return "Position kann z.Zt. nicht bestimmt werden. Sie haben folgende Optionen: " + options +
         ".";
}

void TFormMain::enableControls(bool enabled) {
  if (!TimerEmpfaenger->isActive()) enableBitBtns(GroupBoxEmpfaenger, enabled);
  enableBitBtns(GroupBoxBerechneterStandort, enabled);
  enableBitBtns(GroupBoxSatellitenbewegung, enabled);
  for (QToolButton* b : ToolBar->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
    b->setEnabled(enabled);
  SpeedButtonBeenden->setEnabled(true);
}
