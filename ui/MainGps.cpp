#include "ui/MainGps.h"

#include <QEvent>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

#include "model/LessonTables.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "platform/shell.h"
#include "ui/ExportFiles.h"
#include "ui/Glyphs.h"
#include "ui/HelpWindow.h"
#include "ui/Language.h"
#include "ui/WidgetHelpers.h"
#include "views/LessonTexts.h"

namespace {

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

// A line edit with its caption above it, the caption a buddy label; the edit goes below
// the caption once it has its text (placeBelowCaption).
QLineEdit* makeLabeledEdit(QWidget* parent, const char* name, int x, int y, int width,
                           int captionWidth = -1) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  QLabel* label =
      makeLabelAt(parent, (QByteArray(name) + "Label").constData(), {}, x, y, captionWidth);
  label->setBuddy(edit);
  edit->setGeometry(x, y, width, 26);
  return edit;
}

QLabel* captionOf(QLineEdit* edit) {
  return edit->parentWidget()->findChild<QLabel*>(edit->objectName() + "Label");
}

void placeBelowCaption(QLineEdit* edit) {
  edit->move(edit->x(), captionOf(edit)->geometry().bottom() + 3);
}

QToolButton* addSpeedButton(QToolBar* bar, const char* name, const QString& hint,
                            const QIcon& icon) {
  QToolButton* button = makeToolButton(bar, name, hint, icon);
  bar->addWidget(button);
  return button;
}

}  // namespace

TFormMain::TFormMain(LessonModel& lesson, QWidget* parent) : QWidget(parent), lesson_(lesson) {
  setObjectName("FormMain");
  setFixedSize(1109, 786);
  buildLayout();
  FormCreate();
  retranslate();
  installHelpKey(this, "hauptfenster.html");
}

TFormMain::~TFormMain() { lesson_.removeObserver(this); }

void TFormMain::buildLayout() {
  ToolBar = new QToolBar(this);
  ToolBar->setObjectName("ToolBar");
  ToolBar->setGeometry(0, 0, width(), 29);
  ToolBar->setIconSize(QSize(22, 22));
  ToolBar->setMovable(false);
  SpeedButtonInfo = addSpeedButton(ToolBar, "SpeedButtonInfo", {}, glyphs::info());
  SpeedButtonHilfe = addSpeedButton(ToolBar, "SpeedButtonHilfe", {}, glyphs::help());
  ToolBar->addSeparator();
  SpeedButton2DDemo = addSpeedButton(ToolBar, "SpeedButton2DDemo", {}, glyphs::demo2D());
  SpeedButton3DDemo = addSpeedButton(ToolBar, "SpeedButton3DDemo", {}, glyphs::demo3D());
  timeSeparator_ = ToolBar->addSeparator();
  // Time control: the described run of time is the default.
  SpeedButtonAnhalten = addSpeedButton(ToolBar, "SpeedButtonAnhalten", {}, glyphs::pause());
  SpeedButtonEinzelschritt =
      addSpeedButton(ToolBar, "SpeedButtonEinzelschritt", {}, glyphs::singleStep());
  SpeedButtonEinzelschritt->setEnabled(false);
  ComboBoxZeitraffer = new QComboBox(ToolBar);
  ComboBoxZeitraffer->setObjectName("ComboBoxZeitraffer");
  for (const int factor : LessonClock::factors)
    ComboBoxZeitraffer->addItem(QString("%1×").arg(factor), factor);
  ComboBoxZeitraffer->setFocusPolicy(Qt::NoFocus);
  ToolBar->addWidget(ComboBoxZeitraffer);
  quitSeparator_ = ToolBar->addSeparator();
  SpeedButtonBeenden = addSpeedButton(ToolBar, "SpeedButtonBeenden", {}, glyphs::quit());

  // True receiver position.
  GroupBoxEmpfaenger = new QGroupBox(this);
  GroupBoxEmpfaenger->setObjectName("GroupBoxEmpfaenger");
  GroupBoxEmpfaenger->setGeometry(0, 40, 713, 217);
  childFont_ = font();
  QWidget* g = GroupBoxEmpfaenger;
  LabelExakterStandortCart = makeLabelAt(g, "LabelExakterStandortCart", {}, 10, 24);
  StringGridExakterStandortCart = StringGrid::make(g, "StringGridExakterStandortCart", 3, 2, 0, 1,
                                                   {140, 140, 140}, true, {10, 44}, 2);
  BitBtnCartToGeo =
      makeButton(g, "BitBtnCartToGeo", {}, QRect(448, 44, 120, 30), glyphs::convert());
  BitBtnGeoToCart =
      makeButton(g, "BitBtnGeoToCart", {}, QRect(578, 44, 120, 30), glyphs::convert());
  BitBtnErzeugen = makeButton(g, "BitBtnErzeugen", {}, QRect(448, 80, 120, 30), glyphs::generate());
  LabelExakterStandortGeo = makeLabelAt(g, "LabelExakterStandortGeo", {}, 10, 106);
  // The minutes column is wider than the computed grid's: ten decimals must show in full;
  // the first and the degrees column take "Longitude" and "Degrees" too.
  StringGridExakterStandortGeo = StringGrid::make(g, "StringGridExakterStandortGeo", 4, 3, 1, 1,
                                                  {76, 24, 66, 108}, true, {10, 126}, 3);
  LabeledEditExakteHoehe = makeLabeledEdit(g, "LabeledEditExakteHoehe", 290, 106, 130);
  LabelTatsaechlicheGeschwindigkeit =
      makeLabelAt(g, "LabelTatsaechlicheGeschwindigkeit", {}, 448, 126);
  SpinEditTatsaechlicheGeschwindigkeit = new WholeNumberBox(g);
  SpinEditTatsaechlicheGeschwindigkeit->setObjectName("SpinEditTatsaechlicheGeschwindigkeit");
  SpinEditTatsaechlicheGeschwindigkeit->setRange(0, 1000);
  SpinEditTatsaechlicheGeschwindigkeit->setSingleStep(10);
  SpinEditTatsaechlicheGeschwindigkeit->setValue(0);
  SpinEditTatsaechlicheGeschwindigkeit->setGeometry(448, 148, 100, 26);
  LabelTatsaechlicheGeschwindigkeit->setBuddy(SpinEditTatsaechlicheGeschwindigkeit);
  BitBtnEmpfaengerBewegen =
      makeButton(g, "BitBtnEmpfaengerBewegen", {}, QRect(578, 146, 120, 30), glyphs::move());

  // Defective satellites: 1-13 in the left column, 14-24 in the right one.
  GroupBoxDefekt = new QGroupBox(this);
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
  GroupBoxBerechneterStandort = new QGroupBox(this);
  GroupBoxBerechneterStandort->setObjectName("GroupBoxBerechneterStandort");
  GroupBoxBerechneterStandort->setGeometry(8, 272, 673, 441);
  g = GroupBoxBerechneterStandort;
  LabelBerechneterStandortCart = makeLabelAt(g, "LabelBerechneterStandortCart", {}, 10, 24);
  StringGridBerechneterStandortCart = StringGrid::make(
      g, "StringGridBerechneterStandortCart", 3, 2, 0, 1, {110, 110, 110}, false, {10, 44}, 2);
  BitBtnBerechne = makeButton(g, "BitBtnBerechne", {}, QRect(372, 22, 262, 32), glyphs::ok());
  LabelInfo = makeLabelAt(g, "LabelInfo", {}, 372, 60, 290, 36);
  LabelBerechneterStandortGeo = makeLabelAt(g, "LabelBerechneterStandortGeo", {}, 10, 104);
  StringGridBerechneterStandortGeo = StringGrid::make(g, "StringGridBerechneterStandortGeo", 4, 3,
                                                      1, 1, {76, 24, 66, 81}, false, {10, 124}, 3);
  LabeledEditBerechneteHoehe = makeLabeledEdit(g, "LabeledEditBerechneteHoehe", 268, 104, 120, 130);
  LabeledEditBerechneteHoehe->setReadOnly(true);
  LabeledEditBerechneteGeschwindigkeit =
      makeLabeledEdit(g, "LabeledEditBerechneteGeschwindigkeit", 410, 104, 120);
  LabeledEditBerechneteGeschwindigkeit->setReadOnly(true);
  LabelUnterschied = makeLabelAt(g, "LabelUnterschied", {}, 268, 158, 262, 36);
  EditUnterschied = new QLineEdit(g);
  EditUnterschied->setObjectName("EditUnterschied");
  EditUnterschied->setReadOnly(true);
  EditUnterschied->setGeometry(540, 163, 122, 26);
  LabelUnterschied->setBuddy(EditUnterschied);
  LabeledEditAnzEmpfangeneSatelliten =
      makeLabeledEdit(g, "LabeledEditAnzEmpfangeneSatelliten", 10, 206, 652);
  LabeledEditAnzEmpfangeneSatelliten->setReadOnly(true);
  // Two lines, whatever the language.
  LabelSatelliten =
      makeLabelAt(g, "LabelSatelliten", {}, 10, 258, 652, 2 * fontMetrics().lineSpacing() + 2);
  StringGridSatelliten = StringGrid::make(g, "StringGridSatelliten", 7, 5, 0, 1,
                                          {74, 100, 100, 100, 90, 90, 90}, true,
                                          {10, LabelSatelliten->geometry().bottom() + 4}, 5);

  // Satellite positions.
  GroupBoxSatellitenbewegung = new QGroupBox(this);
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

  TimerLektion = new QTimer(this);
  TimerLektion->setObjectName("TimerLektion");
  TimerLektion->setSingleShot(true);
  TimerLektion->setTimerType(Qt::PreciseTimer);

  connect(TimerLektion, &QTimer::timeout, this, &TFormMain::TimerLektionTimer);
  connect(BitBtnCartToGeo, &QPushButton::clicked, this, &TFormMain::BitBtnCartToGeoClick);
  connect(BitBtnGeoToCart, &QPushButton::clicked, this, &TFormMain::BitBtnGeoToCartClick);
  connect(BitBtnErzeugen, &QPushButton::clicked, this, &TFormMain::BitBtnErzeugenClick);
  connect(BitBtnEmpfaengerBewegen, &QPushButton::clicked, this,
          &TFormMain::BitBtnEmpfaengerBewegenClick);
  connect(BitBtnBerechne, &QPushButton::clicked, this, &TFormMain::BitBtnBerechneClick);
  // Each movement step goes at the speed of its moment.
  connect(SpinEditTatsaechlicheGeschwindigkeit, &QSpinBox::valueChanged, this,
          [this](int kmh) { lesson_.setSpeed(kmh); });
  connect(SpeedButtonHilfe, &QToolButton::clicked, this, &TFormMain::SpeedButtonHilfeClick);
  connect(SpeedButtonBeenden, &QToolButton::clicked, this, &TFormMain::SpeedButtonBeendenClick);
  connect(SpeedButtonAnhalten, &QToolButton::clicked, this, &TFormMain::SpeedButtonAnhaltenClick);
  connect(SpeedButtonEinzelschritt, &QToolButton::clicked, this,
          &TFormMain::SpeedButtonEinzelschrittClick);
  connect(ComboBoxZeitraffer, &QComboBox::currentIndexChanged, this,
          [this] { lesson_.setTimeFactor(ComboBoxZeitraffer->currentData().toInt()); });
  addShortcut(this, QKeySequence("Ctrl+P"), SpeedButtonAnhalten);
  addShortcut(this, QKeySequence("Ctrl+E"), SpeedButtonEinzelschritt);
  addShortcut(this, QKeySequence("Ctrl++"), [this] {
    ComboBoxZeitraffer->setCurrentIndex(
        std::min(ComboBoxZeitraffer->currentIndex() + 1, ComboBoxZeitraffer->count() - 1));
  });
  addShortcut(this, QKeySequence("Ctrl+-"), [this] {
    ComboBoxZeitraffer->setCurrentIndex(std::max(ComboBoxZeitraffer->currentIndex() - 1, 0));
  });
  // The satellite table for spreadsheets, from its context menu.
  exportTable_ = new QAction(StringGridBewegung);
  exportTable_->setObjectName("ActionTabelleExportieren");
  connect(exportTable_, &QAction::triggered, this, [this] {
    saveTableDialog(
        this, [this] { return lessontables::satelliteCsv(lesson_, tableLanguage()); },
        tr("Satellitenpositionen"));
  });
  StringGridBewegung->addAction(exportTable_);
  StringGridBewegung->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TFormMain::addToolButton(ToolPlace place, QToolButton* button, const QKeySequence& keys) {
  QAction*& end = places_[static_cast<std::size_t>(place)];
  if (!end) {
    if (place == ToolPlace::files) {
      end = ToolBar->insertSeparator(ToolBar->actions().front());
    } else {
      end = place == ToolPlace::views ? timeSeparator_ : quitSeparator_;
      ToolBar->insertSeparator(end);
    }
  }
  ToolBar->insertWidget(end, button);
  if (!keys.isEmpty()) addShortcut(this, keys, button);
}

void TFormMain::FormCreate() {
  helpFileName = platform::helpFileName;
  shownLanguage_ = currentLanguage();
  platform::randomize();
  lesson_.addObserver(this);

  initGrids();
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
        connect(box, &QCheckBox::toggled, this,
                [this, tag](bool checked) { lesson_.setDefective(tag, checked); });
      }
    }
    ++i;
  }
  showSatellites();
  stateChanged();
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
  for (StringGrid* grid : {StringGridExakterStandortCart, StringGridBerechneterStandortCart,
                           StringGridSatelliten, StringGridBewegung}) {
    const int first = grid->columnCount() == 3 ? 0 : 1;
    for (int c = 0; c < 3; ++c) grid->setCell(first + c, 0, QString(QChar('x' + c)));
  }
  for (int k = 1; k <= LessonModel::satelliteCount; ++k)
    StringGridBewegung->setCell(0, k, QString::number(k));
}

void TFormMain::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

void TFormMain::retranslate() {
  setWindowTitle(QStringLiteral("Ortivo"));
  SpeedButtonInfo->setToolTip(tr("Info"));
  SpeedButtonHilfe->setToolTip(tr("Hilfe"));
  SpeedButton2DDemo->setToolTip(tr("2D-Demonstration"));
  SpeedButton3DDemo->setToolTip(tr("3D-Demonstration"));
  SpeedButtonEinzelschritt->setToolTip(
      tr("Einzelschritt: Satelliten und Empfänger einen Simulationsschritt weiter (Strg+E)"));
  ComboBoxZeitraffer->setToolTip(
      tr("Zeitraffer: ein Simulationsschritt alle 2 s, 1 s, 0,4 s oder 0,2 s (Strg++ / Strg+-)"));
  SpeedButtonBeenden->setToolTip(tr("Beenden"));
  timeRunsShown_ = !lesson_.satellitesRunning();  // the pause button's hint anew
  travelShown_ = !lesson_.travelling();           // and the captions that follow the lesson
  determiningShown_ = !lesson_.determining();

  GroupBoxEmpfaenger->setTitle(
      tr("Tatsächlicher Standort des GPS-Empfängers (erzeugen oder eingeben) - "
         "maximale(minimale) Höhe über dem Erdboden: %1 (%2) m")
          .arg(static_cast<int>(LessonModel::maxHeight))
          .arg(static_cast<int>(LessonModel::minHeight)));
  fitTitle(GroupBoxEmpfaenger);
  setLabelText(LabelExakterStandortCart,
               tr("Cartesische Koordinaten (in km) - maßgeblich für die Positionsbestimmung"));
  BitBtnCartToGeo->setText(tr("CartToGeo"));
  BitBtnGeoToCart->setText(tr("GeoToCart"));
  BitBtnErzeugen->setText(tr("Erzeugen"));
  setLabelText(LabelExakterStandortGeo, tr("Geographische Koordinaten"));
  setLabelText(LabelTatsaechlicheGeschwindigkeit, tr("Geschwindigkeit in km/h"));
  GroupBoxDefekt->setTitle(tr("Defekte Satelliten"));
  GroupBoxBerechneterStandort->setTitle(
      tr("Berechneter Standort und berechnete Geschwindigkeit des GPS-Empfängers"));
  setLabelText(LabelBerechneterStandortCart, tr("Cartesische Koordinaten (in km)"));
  setLabelText(LabelInfo, tr("Einem Simulationsschritt entsprechen %1 Sekunden in der Wirklichkeit")
                              .arg(static_cast<int>(LessonModel::stepSeconds)));
  setLabelText(LabelBerechneterStandortGeo, tr("Geographische Koordinaten"));
  setLabelText(LabelUnterschied,
               tr("Entfernung tatsächlicher Standort zum berechneten Standort (Luftlinie in km)"));
  setLabelText(LabelSatelliten, tr("Position und fiktive Signallaufzeiten (des ersten "
                                   "Iterationsschritts) der 4 zur Berechnung herangezogenen "
                                   "Satelliten"));
  GroupBoxSatellitenbewegung->setTitle(tr("Satellitenposition"));
  const QString height = tr("Höhe (in m) über NN"), speed = tr("Geschwindigkeit in km/h");
  const std::pair<QLineEdit*, QString> captions[] = {
      {LabeledEditExakteHoehe, height},
      {LabeledEditBerechneteHoehe, height},
      {LabeledEditBerechneteGeschwindigkeit, speed},
      {LabeledEditAnzEmpfangeneSatelliten,
       tr("Anzahl und Nummern der empfangenen Satelliten (geordnet nach Entfernung)")}};
  for (const auto& [edit, caption] : captions) {
    setLabelText(captionOf(edit), caption);
    placeBelowCaption(edit);
  }

  for (StringGrid* grid : {StringGridExakterStandortGeo, StringGridBerechneterStandortGeo}) {
    grid->setCell(0, 1, tr("Länge"));
    grid->setCell(0, 2, tr("Breite"));
    grid->setCell(2, 0, tr("Grad"));
    grid->setCell(3, 0, tr("Minuten"));
  }
  const QString number = tr("Nummer");
  StringGridBewegung->setCell(0, 0, number);
  StringGridSatelliten->setCell(0, 0, number);
  StringGridSatelliten->setCell(4, 0, tr("millisek"));
  StringGridSatelliten->setCell(5, 0, tr("microsek"));
  StringGridSatelliten->setCell(6, 0, tr("nanosek"));
  exportTable_->setText(tr("Tabelle exportieren…"));
  if (shownLanguage_ != currentLanguage()) rewriteEntries();
  shownLanguage_ = currentLanguage();
  stateChanged();
}

// What the grids show, in the form of the language now in place: numbers with its
// decimal separator, hemispheres with its letters. Entries stay as typed otherwise.
void TFormMain::rewriteEntries() {
  const bool english = currentLanguage() == Language::english;
  const QChar from = english ? ',' : '.', to = english ? '.' : ',';
  static const QRegularExpression number(
      QStringLiteral("^[-+]?[0-9]*[.,]?[0-9]*([eE][-+]?[0-9]+)?$"));
  const auto rewrite = [&](const QString& text) {
    if (text.size() == 1 && QStringLiteral("OoEe").contains(text))
      return shownHemisphere(QString(text).replace('E', 'O').replace('e', 'o'));
    return number.match(text).hasMatch() ? QString(text).replace(from, to) : text;
  };
  for (StringGrid* grid : findChildren<StringGrid*>())
    for (int r = 0; r < grid->rowCount(); ++r)
      for (int c = 0; c < grid->columnCount(); ++c) grid->setCell(c, r, rewrite(grid->cell(c, r)));
  for (QLineEdit* edit : {LabeledEditExakteHoehe, LabeledEditBerechneteHoehe,
                          LabeledEditBerechneteGeschwindigkeit, EditUnterschied})
    edit->setText(rewrite(edit->text()));
}

void TFormMain::showSatellites() {
  for (int k = 1; k <= LessonModel::satelliteCount; ++k) {
    StringGridBewegung->setCells(
        1, k, views::cartesianCells(lesson_.constellation().satellites[k].position, 3));
  }
}

void TFormMain::TimerLektionTimer() {
  if (ended_) return;
  lesson_.advanceTime();
  scheduleTick();
}

// The one timer fires when the lesson's next tick falls due.
void TFormMain::scheduleTick() {
  const std::optional<std::int64_t> due = lesson_.nextTickDue();
  if (ended_ || !due) {
    TimerLektion->stop();
    return;
  }
  TimerLektion->start(int(std::clamp<std::int64_t>(*due - lesson_.now(), 0, 24 * 3600 * 1000)));
}

void TFormMain::satellitesMoved() { showSatellites(); }

void TFormMain::SpeedButtonHilfeClick() { platform::openHelpFile(helpFileName); }

void TFormMain::SpeedButtonAnhaltenClick() {
  lesson_.setSatellitesRunning(!lesson_.satellitesRunning());
}

void TFormMain::SpeedButtonEinzelschrittClick() { lesson_.singleStep(); }

void TFormMain::SpeedButtonBeendenClick() { endLesson(); }

void TFormMain::closeEvent(QCloseEvent* event) {
  endLesson();
  QWidget::closeEvent(event);
}

// The lesson's time stops, and clicks still queued before the loop ends reach nothing.
void TFormMain::endLesson() {
  ended_ = true;
  TimerLektion->stop();
  setEnabled(false);
  Q_EMIT ending();
  QApplication::quit();
}

// ---------------------------------------------------------------------------
// True receiver position: display, entry, generation and movement.

void TFormMain::showCartesian(StringGrid* grid, TVektorR3 v) {
  grid->setCells(0, 1, views::cartesianCells(v, grid == StringGridBerechneterStandortCart ? 3 : 10));
}

void TFormMain::showGeographic(StringGrid* grid, QLineEdit* heightEdit, const TGeoPosition& g) {
  const auto cells = views::geographicCells(g, grid == StringGridBerechneterStandortGeo ? 3 : 10);
  grid->setCells(1, 1, cells.longitude);
  grid->setCells(1, 2, cells.latitude);
  for (int r = 1; r <= 2; ++r) grid->setCell(1, r, shownHemisphere(grid->cell(1, r)));
  heightEdit->setText(QString::fromStdString(cells.height));
}

void TFormMain::clearCartesianRow(StringGrid* grid) { grid->setCells(0, 1, {"", "", ""}); }

void TFormMain::clearGeographicGrid(StringGrid* grid, QLineEdit* heightEdit) {
  for (int r = 1; r <= 2; ++r) grid->setCells(1, r, {"", "", ""});
  heightEdit->clear();
}

CartesianEntry TFormMain::cartesianEntry() const {
  const StringGrid* g = StringGridExakterStandortCart;
  return {g->cell(0, 1).toStdString(), g->cell(1, 1).toStdString(), g->cell(2, 1).toStdString()};
}

GeographicEntry TFormMain::geographicEntry() const {
  const StringGrid* g = StringGridExakterStandortGeo;
  return {enteredHemisphere(g->cell(1, 1)),
          g->cell(2, 1).toStdString(),
          g->cell(3, 1).toStdString(),
          enteredHemisphere(g->cell(1, 2)),
          g->cell(2, 2).toStdString(),
          g->cell(3, 2).toStdString(),
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
  showCartesian(StringGridExakterStandortCart, lesson_.truePosition());
  showGeographic(StringGridExakterStandortGeo, LabeledEditExakteHoehe, lesson_.shownGeo());
}

void TFormMain::BitBtnCartToGeoClick() {
  if (!accepted(lesson_.cartToGeo(cartesianEntry()))) return;
  showGeographic(StringGridExakterStandortGeo, LabeledEditExakteHoehe, lesson_.trueGeo());
}

void TFormMain::BitBtnGeoToCartClick() {
  if (!accepted(lesson_.geoToCart(geographicEntry()))) return;
  showCartesian(StringGridExakterStandortCart, lesson_.truePosition());
}

void TFormMain::BitBtnErzeugenClick() {
  lesson_.erzeugen();
  showTruePosition();
}

void TFormMain::BitBtnEmpfaengerBewegenClick() {
  if (lesson_.travelling())
    lesson_.stopTravel();
  else
    accepted(lesson_.startTravel(cartesianEntry()));
}

// Entries are shown as they were typed; the grids follow the lesson only while the
// receiver travels.
void TFormMain::receiverMoved() {
  if (lesson_.travelling()) showTruePosition();
}

// The lesson has already stopped a running determination for the message.
void TFormMain::showError(const QString& message) {
  platform::showMessage(platform::MessageKind::Error, message.toStdString());
}

void TFormMain::enableBitBtns(QGroupBox* groupBox, bool enabled) {
  for (QObject* child : groupBox->children())
    if (auto* button = qobject_cast<QPushButton*>(child);
        button && button->objectName().startsWith("BitBtn"))
      button->setEnabled(enabled);
}

// Mirrors the lesson's travel, determination, run of time, speed and defective
// satellites into the controls, and lets the timer wait for the next tick.
void TFormMain::stateChanged() {
  if (lesson_.travelling() != travelShown_) {
    travelShown_ = lesson_.travelling();
    BitBtnEmpfaengerBewegen->setText(travelShown_ ? tr("Stoppen") : tr("Bewegen"));
    enableBitBtns(GroupBoxEmpfaenger, !travelShown_);
    BitBtnEmpfaengerBewegen->setEnabled(true);
  }
  if (lesson_.satellitesRunning() != timeRunsShown_) {
    timeRunsShown_ = lesson_.satellitesRunning();
    SpeedButtonAnhalten->setIcon(timeRunsShown_ ? glyphs::pause() : glyphs::play());
    SpeedButtonAnhalten->setToolTip(
        timeRunsShown_ ? tr("Zeit anhalten: Satelliten und Empfänger bleiben stehen (Strg+P)")
                       : tr("Zeit weiterlaufen lassen (Strg+P)"));
    SpeedButtonEinzelschritt->setEnabled(!timeRunsShown_);
  }
  if (const int i = ComboBoxZeitraffer->findData(lesson_.timeFactor());
      i != ComboBoxZeitraffer->currentIndex())
    ComboBoxZeitraffer->setCurrentIndex(i);
  if (SpinEditTatsaechlicheGeschwindigkeit->value() != lesson_.speed())
    SpinEditTatsaechlicheGeschwindigkeit->setValue(lesson_.speed());
  if (lesson_.determining() != determiningShown_) {
    determiningShown_ = lesson_.determining();
    BitBtnBerechne->setText(determiningShown_ ? tr("Positionsbestimmung stoppen")
                                              : tr("Positionsbestimmung starten"));
  }
  for (int k = 1; k <= LessonModel::satelliteCount; ++k)
    if (checkBoxes[k] && checkBoxes[k]->isChecked() != lesson_.defective(k))
      checkBoxes[k]->setChecked(lesson_.defective(k));
  scheduleTick();
}

// A lesson put back from a file: everything the window shows is written anew.
void TFormMain::restored() {
  showSatellites();
  if (lesson_.hasTruePosition()) {
    showTruePosition();
  } else {
    clearCartesianRow(StringGridExakterStandortCart);
    clearGeographicGrid(StringGridExakterStandortGeo, LabeledEditExakteHoehe);
  }
  clearComputedPosition();
}

// ---------------------------------------------------------------------------
// The repeated position determination.

void TFormMain::BitBtnBerechneClick() {
  if (lesson_.determining())
    lesson_.stopDetermination();
  else
    accepted(lesson_.startDetermination(cartesianEntry()));
}

// The buttons rest while the lesson determines the position.
void TFormMain::determinationStarting() { enableControls(false); }

void TFormMain::determined(const DeterminationRecord& record) {
  enableControls(true);
  showRecord(record);
  if (record.found()) return;
  // After the tick: the timer's own tick must not hold the message box, or the lesson's
  // time would stand while it is open.
  QMetaObject::invokeMethod(
      this, [message = record.message] { platform::showMessage(platform::MessageKind::Error, message); },
      Qt::QueuedConnection);
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
  clearComputedPosition();
  LabeledEditAnzEmpfangeneSatelliten->setText(
      QString::fromStdString(views::receivedSatellites(record)));
  // The four signals of the window that succeeded, or of the last one tried, with
  // their fictive run times before any correction.
  if (const WindowRecord* window = record.shownWindow())
    for (int j = 1; j <= 4; ++j)
      StringGridSatelliten->setCells(0, j, views::signalCells(record.signals[window->start + j - 1]));
  if (!record.found()) return;
  showCartesian(StringGridBerechneterStandortCart, record.position);
  EditUnterschied->setText(formatNumber(record.distance, 3, 8));
  showGeographic(StringGridBerechneterStandortGeo, LabeledEditBerechneteHoehe, record.geo);
  LabeledEditBerechneteGeschwindigkeit->setText(formatNumber(record.speed, 3, 4));
}

void TFormMain::clearSatelliteTable() {
  for (int r = 1; r <= 4; ++r) StringGridSatelliten->setCells(0, r, views::Cells(7));
}

void TFormMain::enableControls(bool enabled) {
  if (!lesson_.travelling()) enableBitBtns(GroupBoxEmpfaenger, enabled);
  enableBitBtns(GroupBoxBerechneterStandort, enabled);
  enableBitBtns(GroupBoxSatellitenbewegung, enabled);
  for (QToolButton* b : ToolBar->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
    b->setEnabled(enabled);
  SpeedButtonBeenden->setEnabled(true);
  // A single step is offered only while the time stands.
  if (enabled) SpeedButtonEinzelschritt->setEnabled(!lesson_.satellitesRunning());
}
