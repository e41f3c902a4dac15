#include "ui/MainGps.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLocale>
#include <QShortcut>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/messages.h"
#include "platform/numformat.h"
#include "platform/random.h"
#include "platform/shell.h"
#include "ui/Glyphs.h"
#include "ui/WidgetHelpers.h"
#include "ui/main2DDemo.h"
#include "ui/main3DDemo.h"

namespace {

constexpr int kTickInterval = 2000;  // ms, one simulation step at the normal run of time
constexpr int kTimeFactors[] = {1, 2, 5, 10};
const char* const kPauseHint = "Zeit anhalten: Satelliten und Empfänger bleiben stehen (Strg+P)";
// Whole km/h only. Qt reads a German "." as a thousands separator and drops a
// refused key, so "10.5" would silently become 105: a separator is kept in the text
// as unfinished instead, and on Enter or leaving the box it falls back to the value
// it had before the typing began (the value changes only when an entry is finished).
class WholeNumberBox : public QSpinBox {
 public:
  explicit WholeNumberBox(QWidget* parent) : QSpinBox(parent) {
    QLocale strict = locale();
    strict.setNumberOptions(strict.numberOptions() | QLocale::RejectGroupSeparator);
    setLocale(strict);
    setKeyboardTracking(false);
  }
  QValidator::State validate(QString& input, int& pos) const override {
    const QLocale l = locale();
    for (const QString& separator : {l.groupSeparator(), l.decimalPoint(), QStringLiteral("."),
                                     QStringLiteral(",")})
      if (!separator.isEmpty() && input.contains(separator)) return QValidator::Intermediate;
    return QSpinBox::validate(input, pos);
  }
  // QSpinBox would strip the group separators here and so accept "10.5" as 105.
  void fixup(QString&) const override {}
};

const char* const kResumeHint = "Zeit weiterlaufen lassen (Strg+P)";

}  // namespace

QString formatNumber(long double value, int decimals, int precision) {
  return QString::fromStdString(platform::formatFixed(value, decimals, precision));
}

namespace {

// A line edit with its caption above it, the caption a buddy label.
QLineEdit* makeLabeledEdit(QWidget* parent, const char* name, const QString& caption, int x,
                           int y, int width, int captionWidth = -1) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  QLabel* label = makeLabelAt(parent, (QByteArray(name) + "Label").constData(), caption, x, y,
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
  // Time control: the described run of time is the default.
  SpeedButtonAnhalten =
      makeSpeedButton(ToolBar, "SpeedButtonAnhalten", kPauseHint, glyphs::pause());
  SpeedButtonEinzelschritt = makeSpeedButton(
      ToolBar, "SpeedButtonEinzelschritt",
      "Einzelschritt: Satelliten und Empfänger einen Simulationsschritt weiter (Strg+E)",
      glyphs::singleStep());
  SpeedButtonEinzelschritt->setEnabled(false);
  ComboBoxZeitraffer = new QComboBox(ToolBar);
  ComboBoxZeitraffer->setObjectName("ComboBoxZeitraffer");
  for (const int factor : kTimeFactors) ComboBoxZeitraffer->addItem(QString("%1×").arg(factor), factor);
  ComboBoxZeitraffer->setToolTip(
      "Zeitraffer: ein Simulationsschritt alle 2 s, 1 s, 0,4 s oder 0,2 s (Strg++ / Strg+-)");
  ComboBoxZeitraffer->setFocusPolicy(Qt::NoFocus);
  ToolBar->addWidget(ComboBoxZeitraffer);
  ToolBar->addSeparator();
  SpeedButtonBeenden = makeSpeedButton(ToolBar, "SpeedButtonBeenden", "Beenden", glyphs::quit());

  // True receiver position.
  GroupBoxEmpfaenger =
      new QGroupBox("Tatsächlicher Standort des GPS-Empfängers (erzeugen oder eingeben)", this);
  GroupBoxEmpfaenger->setObjectName("GroupBoxEmpfaenger");
  GroupBoxEmpfaenger->setGeometry(0, 40, 713, 217);
  childFont_ = font();
  QWidget* g = GroupBoxEmpfaenger;
  LabelExakterStandortCart = makeLabelAt(
      g, "LabelExakterStandortCart",
      "Cartesische Koordinaten (in km) - maßgeblich für die Positionsbestimmung", 10, 24);
  StringGridExakterStandortCart = new StringGrid(3, 2, 0, 1, g);
  StringGridExakterStandortCart->setObjectName("StringGridExakterStandortCart");
  StringGridExakterStandortCart->setColumnWidths({140, 140, 140});
  StringGridExakterStandortCart->setEditableCells(true);
  StringGridExakterStandortCart->setGeometry(10, 44, 424,
                                             StringGridExakterStandortCart->heightForRows(2));
  BitBtnCartToGeo = makeButton(g, "BitBtnCartToGeo", "CartToGeo", QRect(448, 44, 120, 30), glyphs::convert());
  BitBtnGeoToCart = makeButton(g, "BitBtnGeoToCart", "GeoToCart", QRect(578, 44, 120, 30), glyphs::convert());
  BitBtnErzeugen = makeButton(g, "BitBtnErzeugen", "Erzeugen", QRect(448, 80, 120, 30), glyphs::generate());
  LabelExakterStandortGeo = makeLabelAt(g, "LabelExakterStandortGeo", "Geographische Koordinaten",
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
  LabelTatsaechlicheGeschwindigkeit = makeLabelAt(g, "LabelTatsaechlicheGeschwindigkeit",
                                                "Geschwindigkeit in km/h", 448, 126);
  SpinEditTatsaechlicheGeschwindigkeit = new WholeNumberBox(g);
  SpinEditTatsaechlicheGeschwindigkeit->setObjectName("SpinEditTatsaechlicheGeschwindigkeit");
  SpinEditTatsaechlicheGeschwindigkeit->setRange(0, 1000);
  SpinEditTatsaechlicheGeschwindigkeit->setSingleStep(10);
  SpinEditTatsaechlicheGeschwindigkeit->setValue(0);
  SpinEditTatsaechlicheGeschwindigkeit->setGeometry(448, 148, 100, 26);
  LabelTatsaechlicheGeschwindigkeit->setBuddy(SpinEditTatsaechlicheGeschwindigkeit);
  BitBtnEmpfaengerBewegen =
      makeButton(g, "BitBtnEmpfaengerBewegen", "Bewegen", QRect(578, 146, 120, 30), glyphs::move());

  // Defective satellites: 1-13 in the left column, 14-24 in the right one.
  GroupBoxDefekt = new QGroupBox("Defekte Satelliten", this);
  GroupBoxDefekt->setObjectName("GroupBoxDefekt");
  GroupBoxDefekt->setGeometry(744, 48, 193, 241);
  for (int n = 1; n <= TSatellitenSchar::satelliteCount; ++n) {
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
  LabelBerechneterStandortCart = makeLabelAt(g, "LabelBerechneterStandortCart",
                                           "Cartesische Koordinaten (in km)", 10, 24);
  StringGridBerechneterStandortCart = new StringGrid(3, 2, 0, 1, g);
  StringGridBerechneterStandortCart->setObjectName("StringGridBerechneterStandortCart");
  StringGridBerechneterStandortCart->setColumnWidths({110, 110, 110});
  StringGridBerechneterStandortCart->setEditableCells(false);
  StringGridBerechneterStandortCart->setGeometry(
      10, 44, 334, StringGridBerechneterStandortCart->heightForRows(2));
  BitBtnBerechne = makeButton(g, "BitBtnBerechne", "Positionsbestimmung starten",
                              QRect(372, 22, 262, 32), glyphs::ok());
  LabelInfo = makeLabelAt(g, "LabelInfo", "LabelInfo", 372, 60, 290, 36);
  LabelBerechneterStandortGeo =
      makeLabelAt(g, "LabelBerechneterStandortGeo", "Geographische Koordinaten", 10, 104);
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
  LabelUnterschied = makeLabelAt(
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
  LabelSatelliten = makeLabelAt(g, "LabelSatelliten",
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
  // Each movement step goes at the speed of its moment.
  connect(SpinEditTatsaechlicheGeschwindigkeit, &QSpinBox::valueChanged, this, [this](int kmh) {
    if (lesson_) lesson_->setSpeed(kmh);
  });
  connect(SpeedButtonInfo, &QToolButton::clicked, this, &TFormMain::SpeedButtonInfoClick);
  connect(SpeedButtonHilfe, &QToolButton::clicked, this, &TFormMain::SpeedButtonHilfeClick);
  connect(SpeedButton2DDemo, &QToolButton::clicked, this, &TFormMain::SpeedButton2DDemoClick);
  connect(SpeedButton3DDemo, &QToolButton::clicked, this, &TFormMain::SpeedButton3DDemoClick);
  connect(SpeedButtonBeenden, &QToolButton::clicked, this, &TFormMain::SpeedButtonBeendenClick);
  connect(SpeedButtonAnhalten, &QToolButton::clicked, this, &TFormMain::SpeedButtonAnhaltenClick);
  connect(SpeedButtonEinzelschritt, &QToolButton::clicked, this,
          &TFormMain::SpeedButtonEinzelschrittClick);
  connect(ComboBoxZeitraffer, &QComboBox::currentIndexChanged, this, [this] {
    const int interval = kTickInterval / ComboBoxZeitraffer->currentData().toInt();
    TimerSatellitenSchar->setInterval(interval);
    TimerEmpfaenger->setInterval(interval);
  });
  const auto shortcut = [this](const QKeySequence& keys, auto slot) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
  };
  shortcut(QKeySequence("Ctrl+P"), [this] {
    if (SpeedButtonAnhalten->isEnabled()) SpeedButtonAnhaltenClick();
  });
  shortcut(QKeySequence("Ctrl+E"), [this] {
    if (SpeedButtonEinzelschritt->isEnabled()) SpeedButtonEinzelschrittClick();
  });
  shortcut(QKeySequence("Ctrl++"), [this] {
    ComboBoxZeitraffer->setCurrentIndex(
        std::min(ComboBoxZeitraffer->currentIndex() + 1, ComboBoxZeitraffer->count() - 1));
  });
  shortcut(QKeySequence("Ctrl+-"), [this] {
    ComboBoxZeitraffer->setCurrentIndex(std::max(ComboBoxZeitraffer->currentIndex() - 1, 0));
  });
}

void TFormMain::FormCreate() {
  helpFileName = platform::helpFileName;
  platform::randomize();
  TimerSatellitenSchar->setInterval(kTickInterval);
  TimerEmpfaenger->setInterval(kTickInterval);
  TimerBerechnung->setInterval(kTickInterval);
  lesson_ = std::make_unique<LessonModel>();
  lesson_->addObserver(this);

  initGrids();
  LabelInfo->setText("Einem Simulationsschritt entsprechen " +
                     QString::number(static_cast<int>(LessonModel::stepSeconds)) +
                     " Sekunden in der Wirklichkeit");
  GroupBoxEmpfaenger->setTitle(GroupBoxEmpfaenger->title() +
                               " - maximale(minimale) Höhe über dem Erdboden: " +
                               QString::number(static_cast<int>(LessonModel::maxHeight)) + " (" +
                               QString::number(static_cast<int>(LessonModel::minHeight)) + ") m");

  fitTitle(GroupBoxEmpfaenger);

  // Bind the check boxes by their Tag, whatever their captions were.
  const QObjectList children = GroupBoxDefekt->children();
  int i = 0;
  for (QObject* child : children) {
    auto* box = qobject_cast<QCheckBox*>(child);
    if (box) {
      const int tag = box->property("Tag").toInt();
      if (tag >= 1 && tag <= LessonModel::satelliteCount) {
        checkBoxes[tag] = box;
        box->setText(QString::number(i + 1));
        connect(box, &QCheckBox::toggled, this, [this, tag](bool checked) {
          if (lesson_) lesson_->setDefective(tag, checked);
        });
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
  for (int k = 1; k <= LessonModel::satelliteCount; ++k)
    StringGridBewegung->setCell(0, k, QString::number(k));
}

void TFormMain::showSatellites() {
  for (int k = 1; k <= LessonModel::satelliteCount; ++k) {
    const TVektorR3& p = lesson_->constellation().satellites[k].position;
    StringGridBewegung->setCell(1, k, formatNumber(p.x, 3, 18));
    StringGridBewegung->setCell(2, k, formatNumber(p.y, 3, 18));
    StringGridBewegung->setCell(3, k, formatNumber(p.z, 3, 18));
  }
}

void TFormMain::TimerSatellitenScharTimer() {
  if (!lesson_) return;
  lesson_->satelliteTick();
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

void TFormMain::SpeedButtonAnhaltenClick() {
  if (lesson_) lesson_->setSatellitesRunning(!lesson_->satellitesRunning());
}

void TFormMain::SpeedButtonEinzelschrittClick() {
  if (!lesson_ || lesson_->satellitesRunning()) return;
  TimerSatellitenScharTimer();
  if (lesson_->travelling()) TimerEmpfaengerTimer();
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
  lesson_.reset();
  if (form2DDemo_) form2DDemo_->releaseModel();
  if (form3DDemo_) form3DDemo_->releaseScene();
  // Clicks still queued before the loop ends must not reach the freed objects.
  setEnabled(false);
}


// ---------------------------------------------------------------------------
// True receiver position: display, entry, generation and movement.

void TFormMain::showCartesian(StringGrid* grid, TVektorR3 v) {
  const int decimals = grid == StringGridBerechneterStandortCart ? 3 : 10;
  grid->setCell(0, 1, formatNumber(v.x, decimals, 18));
  grid->setCell(1, 1, formatNumber(v.y, decimals, 18));
  grid->setCell(2, 1, formatNumber(v.z, decimals, 18));
}

void TFormMain::showGeographic(StringGrid* grid, QLineEdit* heightEdit, const TGeoPosition& g) {
  const int decimals = grid == StringGridBerechneterStandortGeo ? 3 : 10;
  const std::string separator = platform::decimalSeparator();
  const auto longitude = platform::formatDegreesMinutes(g.longitude.degrees, g.longitude.minutes,
                                                        decimals, 18, 180, separator);
  const auto latitude = platform::formatDegreesMinutes(g.latitude.degrees, g.latitude.minutes,
                                                       decimals, 18, 90, separator);
  grid->setCell(1, 1, QString(QChar::fromLatin1(g.eastWest)));
  grid->setCell(2, 1, QString::number(longitude.degrees));
  grid->setCell(3, 1, QString::fromStdString(longitude.minutes));
  grid->setCell(1, 2, QString(QChar::fromLatin1(g.northSouth)));
  grid->setCell(2, 2, QString::number(latitude.degrees));
  grid->setCell(3, 2, QString::fromStdString(latitude.minutes));
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

CartesianEntry TFormMain::cartesianEntry() const {
  const StringGrid* g = StringGridExakterStandortCart;
  return {g->cell(0, 1).toStdString(), g->cell(1, 1).toStdString(), g->cell(2, 1).toStdString()};
}

GeographicEntry TFormMain::geographicEntry() const {
  const StringGrid* g = StringGridExakterStandortGeo;
  return {g->cell(1, 1).toStdString(), g->cell(2, 1).toStdString(), g->cell(3, 1).toStdString(),
          g->cell(1, 2).toStdString(), g->cell(2, 2).toStdString(), g->cell(3, 2).toStdString(),
          LabeledEditExakteHoehe->text().toStdString()};
}

// Shows the message of a refused action; false when there was one.
bool TFormMain::accepted(const std::optional<std::string>& message) {
  if (!message) return true;
  showError(QString::fromStdString(*message));
  return false;
}

// The true position as the entry grids show it: after an entry, generation or
// movement step, and after a lesson was put back.
void TFormMain::showTruePosition() {
  showCartesian(StringGridExakterStandortCart, lesson_->truePosition());
  showGeographic(StringGridExakterStandortGeo, LabeledEditExakteHoehe, lesson_->shownGeo());
}

void TFormMain::BitBtnCartToGeoClick() {
  if (!lesson_ || !accepted(lesson_->cartToGeo(cartesianEntry()))) return;
  showGeographic(StringGridExakterStandortGeo, LabeledEditExakteHoehe, lesson_->trueGeo());
}

void TFormMain::BitBtnGeoToCartClick() {
  if (!lesson_ || !accepted(lesson_->geoToCart(geographicEntry()))) return;
  showCartesian(StringGridExakterStandortCart, lesson_->truePosition());
}

void TFormMain::BitBtnErzeugenClick() {
  if (!lesson_) return;
  lesson_->erzeugen();
  showTruePosition();
}

TGeoPosition TFormMain::erzeugePosition() { return LessonModel::erzeugePosition(); }

void TFormMain::BitBtnEmpfaengerBewegenClick() {
  if (!lesson_) return;
  if (lesson_->travelling())
    lesson_->stopTravel();
  else
    accepted(lesson_->startTravel(cartesianEntry()));
}

void TFormMain::TimerEmpfaengerTimer() {
  if (!lesson_) return;
  lesson_->receiverTick();
  showTruePosition();
}

void TFormMain::showError(const QString& message) {
  if (lesson_ && lesson_->determining()) lesson_->stopDetermination();
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

// Mirrors the lesson's travel, determination, speed and defective satellites into
// the timers and controls; the timers start only on a change, so that a running one
// keeps its rhythm.
void TFormMain::stateChanged() {
  const bool timeRuns = lesson_->satellitesRunning();
  if (lesson_->travelling() != travelShown_) {
    travelShown_ = lesson_->travelling();
    BitBtnEmpfaengerBewegen->setText(travelShown_ ? "Stoppen" : "Bewegen");
    enableBitBtns(GroupBoxEmpfaenger, !travelShown_);
    BitBtnEmpfaengerBewegen->setEnabled(true);
  }
  if (timeRuns != TimerSatellitenSchar->isActive()) {
    if (timeRuns)
      TimerSatellitenSchar->start();
    else
      TimerSatellitenSchar->stop();
    SpeedButtonAnhalten->setIcon(timeRuns ? glyphs::pause() : glyphs::play());
    SpeedButtonAnhalten->setToolTip(timeRuns ? kPauseHint : kResumeHint);
    SpeedButtonEinzelschritt->setEnabled(!timeRuns);
  }
  if ((travelShown_ && timeRuns) != TimerEmpfaenger->isActive()) {
    if (travelShown_ && timeRuns)
      TimerEmpfaenger->start();
    else
      TimerEmpfaenger->stop();
  }
  if (SpinEditTatsaechlicheGeschwindigkeit->value() != lesson_->speed())
    SpinEditTatsaechlicheGeschwindigkeit->setValue(lesson_->speed());
  if (lesson_->determining() != TimerBerechnung->isActive()) {
    if (lesson_->determining()) {
      BitBtnBerechne->setText("Positionsbestimmung stoppen");
      TimerBerechnung->start();
    } else {
      BitBtnBerechne->setText("Positionsbestimmung starten");
      TimerBerechnung->stop();
    }
  }
  for (int k = 1; k <= LessonModel::satelliteCount; ++k)
    if (checkBoxes[k] && checkBoxes[k]->isChecked() != lesson_->defective(k))
      checkBoxes[k]->setChecked(lesson_->defective(k));
}

// A lesson put back from a file: everything the window shows is written anew.
void TFormMain::restored() {
  showSatellites();
  if (lesson_->hasTruePosition()) {
    showTruePosition();
  } else {
    clearCartesianRow(StringGridExakterStandortCart);
    clearGeographicGrid(StringGridExakterStandortGeo, LabeledEditExakteHoehe);
  }
  clearComputedPosition();
}

void TFormMain::lessonEnded() {}

// ---------------------------------------------------------------------------
// The repeated position determination.

void TFormMain::BitBtnBerechneClick() {
  if (!lesson_) return;
  if (lesson_->determining())
    lesson_->stopDetermination();
  else
    accepted(lesson_->startDetermination(cartesianEntry()));
}

void TFormMain::TimerBerechnungTimer() {
  if (!lesson_) return;
  computePosition();
}

void TFormMain::computePosition() {
  enableControls(false);
  const DeterminationRecord record = lesson_->determinationTick();
  enableControls(true);
  showRecord(record);
  if (!record.found()) showError(QString::fromStdString(record.message));
}

void TFormMain::clearComputedPosition() {
  EditUnterschied->clear();
  LabeledEditAnzEmpfangeneSatelliten->clear();
  clearSatelliteTable();
  clearCartesianRow(StringGridBerechneterStandortCart);
  LabeledEditBerechneteGeschwindigkeit->clear();
  clearGeographicGrid(StringGridBerechneterStandortGeo, LabeledEditBerechneteHoehe);
}

void TFormMain::showRecord(const DeterminationRecord& record) {
  EditUnterschied->clear();
  showReceivedSatellites(record);
  clearSatelliteTable();
  clearCartesianRow(StringGridBerechneterStandortCart);
  LabeledEditBerechneteGeschwindigkeit->clear();
  clearGeographicGrid(StringGridBerechneterStandortGeo, LabeledEditBerechneteHoehe);
  // The four signals of the window that succeeded, or of the last one tried, with
  // their fictive run times before any correction.
  if (const WindowRecord* window = record.shownWindow())
    for (int j = 1; j <= 4; ++j) showSignal(j, record.signals[window->start + j - 1]);
  if (!record.found()) return;
  showCartesian(StringGridBerechneterStandortCart, record.position);
  EditUnterschied->setText(formatNumber(record.distance, 3, 8));
  showGeographic(StringGridBerechneterStandortGeo, LabeledEditBerechneteHoehe, record.geo);
  LabeledEditBerechneteGeschwindigkeit->setText(formatNumber(record.speed, 3, 4));
}

void TFormMain::showSignal(int row, const SignalRecord& e) {
  StringGrid* g = StringGridSatelliten;
  g->setCell(0, row, QString::number(e.number));
  g->setCell(1, row, formatNumber(e.position.x, 3, 8));
  g->setCell(2, row, formatNumber(e.position.y, 3, 8));
  g->setCell(3, row, formatNumber(e.position.z, 3, 8));
  g->setCell(4, row, QString::number(e.fictiveRunTime / 1000000));
  g->setCell(5, row, QString::number((e.fictiveRunTime % 1000000) / 1000));
  g->setCell(6, row, QString::number(e.fictiveRunTime % 1000));
}

void TFormMain::showReceivedSatellites(const DeterminationRecord& record) {
  QString text = QString::number(record.signals.size()) + ": ";
  for (const SignalRecord& e : record.signals) text += QString::number(e.number) + ", ";
  LabeledEditAnzEmpfangeneSatelliten->setText(text);
}

void TFormMain::clearSatelliteTable() {
  for (int r = 1; r <= 4; ++r)
    for (int c = 0; c <= 6; ++c) StringGridSatelliten->setCell(c, r, QString());
}

void TFormMain::enableControls(bool enabled) {
  if (!lesson_->travelling()) enableBitBtns(GroupBoxEmpfaenger, enabled);
  enableBitBtns(GroupBoxBerechneterStandort, enabled);
  enableBitBtns(GroupBoxSatellitenbewegung, enabled);
  for (QToolButton* b : ToolBar->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
    b->setEnabled(enabled);
  SpeedButtonBeenden->setEnabled(true);
  // A single step is offered only while the time stands.
  if (enabled) SpeedButtonEinzelschritt->setEnabled(!lesson_->satellitesRunning());
}
