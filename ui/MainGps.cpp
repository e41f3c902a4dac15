#include "ui/MainGps.h"

#include <QApplication>
#include <QHeaderView>

#include "platform/messages.h"
#include "platform/numformat.h"
#include "platform/random.h"
#include "ui/Glyphs.h"

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
  connect(SpeedButtonInfo, &QToolButton::clicked, this, &TFormMain::SpeedButtonInfoClick);
  connect(SpeedButtonHilfe, &QToolButton::clicked, this, &TFormMain::SpeedButtonHilfeClick);
  connect(SpeedButton2DDemo, &QToolButton::clicked, this, &TFormMain::SpeedButton2DDemoClick);
  connect(SpeedButton3DDemo, &QToolButton::clicked, this, &TFormMain::SpeedButton3DDemoClick);
  connect(SpeedButtonBeenden, &QToolButton::clicked, this, &TFormMain::SpeedButtonBeendenClick);
}

void TFormMain::FormCreate() {
  platform::randomize();
  TimerSatellitenSchar->setInterval(2000);
  TimerEmpfaenger->setInterval(2000);
  TimerBerechnung->setInterval(2000);
  constellation = std::make_unique<TSatellitenSchar>();

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

void TFormMain::setCompanions(QWidget* form2DDemo, QWidget* form3DDemo, QWidget* aboutBox) {
  form2DDemo_ = form2DDemo;
  form3DDemo_ = form3DDemo;
  aboutBox_ = aboutBox;
}

void TFormMain::SpeedButtonInfoClick() {
  if (aboutBox_) aboutBox_->show();
}

void TFormMain::SpeedButtonHilfeClick() {}

void TFormMain::SpeedButton2DDemoClick() {
  if (form2DDemo_) form2DDemo_->show();
}

void TFormMain::SpeedButton3DDemoClick() {
  if (form3DDemo_) form3DDemo_->show();
}

void TFormMain::SpeedButtonBeendenClick() {
  TimerSatellitenSchar->stop();
  TimerEmpfaenger->stop();
  TimerBerechnung->stop();
  constellation.reset();
  QApplication::quit();
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
