#include "ui/main3DDemo.h"

#include <QLocale>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "platform/numformat.h"
#include "ui/Glyphs.h"

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;
// One step of either rotation: 2 degrees.
constexpr long double kRotationStep = 0.03490658503988659L;
constexpr int kTimerInterval = 300;  // ms

// Whole degrees of an angle in radians.
long double degreesOf(long double angle) { return std::rint(angle / kPi * 180); }

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, const QIcon& icon = QIcon()) {
  auto* button = new QPushButton(icon, caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  button->setFocusPolicy(Qt::ClickFocus);  // none of them is reached by tabbing
  button->setAutoDefault(false);
  return button;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setWordWrap(true);
  return label;
}

// A read-only display edit with its caption "Grad" to the right.
QLineEdit* makeDegreesEdit(QWidget* parent, const char* name, const QRect& geometry) {
  auto* edit = new QLineEdit(QStringLiteral("0"), parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(geometry);
  edit->setReadOnly(true);
  edit->setAlignment(Qt::AlignRight);
  QLabel* caption = makeLabel(parent, (QByteArray(name) + "Label").constData(), QStringLiteral("Grad"),
                              QRect(geometry.right() + 6, geometry.top(), 32, geometry.height()));
  caption->setBuddy(edit);
  return edit;
}

}  // namespace

TForm3DDemo::TForm3DDemo(T3DDemo::PositionSource erzeugePosition, QWidget* parent)
    : QWidget(parent), erzeugePosition_(std::move(erzeugePosition)) {
  setObjectName(QStringLiteral("Form3DDemo"));
  setWindowTitle(QStringLiteral("3D - Demonstration"));
  setFixedSize(1211, 769);
  buildLayout();
  FormCreate();
}

TForm3DDemo::~TForm3DDemo() = default;

void TForm3DDemo::buildLayout() {
  Image = new ImageControl(897, 657, this);
  Image->setObjectName(QStringLiteral("Image"));
  Image->move(16, 48);

  const int x = 930;
  const int w = 265;

  GroupBoxProjektionsart = new QGroupBox(QStringLiteral("Projektionsart"), this);
  GroupBoxProjektionsart->setObjectName(QStringLiteral("GroupBoxProjektionsart"));
  GroupBoxProjektionsart->setGeometry(x, 40, w, 80);
  RadioButtonZentral = new QRadioButton(QStringLiteral("Zentralprojektion"), GroupBoxProjektionsart);
  RadioButtonZentral->setObjectName(QStringLiteral("RadioButtonZentral"));
  RadioButtonZentral->setGeometry(14, 24, w - 28, 22);
  RadioButtonParallel = new QRadioButton(QStringLiteral("Parallelprojektion"), GroupBoxProjektionsart);
  RadioButtonParallel->setObjectName(QStringLiteral("RadioButtonParallel"));
  RadioButtonParallel->setGeometry(14, 50, w - 28, 22);
  RadioButtonParallel->setChecked(true);

  BitBtnOk = makeButton(this, "BitBtnOk", QStringLiteral("OK"), QRect(x, 130, 126, 32), glyphs::ok());
  BitBtnSchliessen = makeButton(this, "BitBtnSchliessen", QStringLiteral("&Schließen"),
                                QRect(x + w - 126, 130, 126, 32), glyphs::close());

  BitBtnAnhalten = makeButton(this, "BitBtnAnhalten", QStringLiteral("Anhalten"), QRect(x, 176, w, 30));
  BitBtnAnhalten->setToolTip(QStringLiteral("Bewegungen anhalten bzw. fortsetzen"));
  BitBtnAlgorithmus =
      makeButton(this, "BitBtnAlgorithmus", QStringLiteral("Algorithmus"), QRect(x, 212, w, 30));
  BitBtnAlgorithmus->setToolTip(QStringLiteral("Demonstration der Positionsbestimmung"));
  BitBtnAlgorithmusAbbrechen = makeButton(this, "BitBtnAlgorithmusAbbrechen",
                                          QStringLiteral("Abbrechen"), QRect(x, 248, w, 30));
  BitBtnAlgorithmusAbbrechen->setToolTip(QStringLiteral("Algorithmus abbrechen"));
  BitBtnAnhalten->setEnabled(false);
  BitBtnAlgorithmus->setEnabled(false);
  BitBtnAlgorithmusAbbrechen->setEnabled(false);

  Memo3d = new QPlainTextEdit(this);
  Memo3d->setObjectName(QStringLiteral("Memo3d"));
  Memo3d->setGeometry(x, 290, w, 150);
  Memo3d->setReadOnly(true);
  Memo3d->setLineWrapMode(QPlainTextEdit::WidgetWidth);

  PanelAuge = new QFrame(this);
  PanelAuge->setObjectName(QStringLiteral("PanelAuge"));
  PanelAuge->setGeometry(x, 450, w, 255);
  PanelAuge->setFrameStyle(QFrame::Panel | QFrame::Raised);
  QWidget* p = PanelAuge;
  LabelAuge = makeLabel(p, "LabelAuge", QStringLiteral("Postion des Betrachters (Einheit: 1000km)"),
                        QRect(10, 6, w - 20, 36));
  StringGridAuge = new StringGrid(3, 2, 0, 1, p);
  StringGridAuge->setObjectName(QStringLiteral("StringGridAuge"));
  // Wide enough for "-50,000" in the font at hand.
  const int column = std::max(50, StringGridAuge->fontMetrics().horizontalAdvance(QStringLiteral("-50,0000")) + 12);
  StringGridAuge->setColumnWidths({column, column, column});
  StringGridAuge->setEditableCells(false);
  StringGridAuge->setFocusPolicy(Qt::NoFocus);
  StringGridAuge->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGridAuge->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGridAuge->setGeometry(10, 44, 3 * column + 2 * StringGridAuge->frameWidth(),
                              StringGridAuge->heightForRows(2));

  const int rowA = 44 + StringGridAuge->heightForRows(2) + 8;
  LabelAequator = makeLabel(p, "LabelAequator", QStringLiteral("Südpolumdrehung"), QRect(10, rowA, 160, 20));
  BitBtnAequator = makeButton(p, "BitBtnAequator", QStringLiteral("Start"), QRect(10, rowA + 22, 80, 28));
  LabeledEditAequator = makeDegreesEdit(p, "LabeledEditAequator", QRect(98, rowA + 23, 44, 26));
  const int rowN = rowA + 56;
  LabelNordpol = makeLabel(p, "LabelNordpol", QStringLiteral("Nordpolumdrehung"), QRect(10, rowN, 160, 20));
  BitBtnNordpol = makeButton(p, "BitBtnNordpol", QStringLiteral("Start"), QRect(10, rowN + 22, 80, 28));
  LabeledEditNordpol = makeDegreesEdit(p, "LabeledEditNordpol", QRect(98, rowN + 23, 44, 26));
  // Between the two rotations it resets.
  BitBtnCancel = makeButton(p, "BitBtnCancel", QStringLiteral("Cancel"),
                            QRect(w - 78, (rowA + rowN) / 2 + 22, 68, 28));
  BitBtnAequator->setEnabled(false);
  BitBtnNordpol->setEnabled(false);
  BitBtnCancel->setEnabled(false);

  Timer3DDemo = new QTimer(this);
  Timer3DDemo->setObjectName(QStringLiteral("Timer3DDemo"));
  Timer3DDemo->setInterval(500);

  connect(BitBtnOk, &QPushButton::clicked, this, &TForm3DDemo::BitBtnOkClick);
  connect(BitBtnSchliessen, &QPushButton::clicked, this, &TForm3DDemo::BitBtnSchliessenClick);
  connect(BitBtnAnhalten, &QPushButton::clicked, this, &TForm3DDemo::BitBtnAnhaltenClick);
  connect(BitBtnAlgorithmus, &QPushButton::clicked, this, &TForm3DDemo::BitBtnAlgorithmusClick);
  connect(BitBtnAlgorithmusAbbrechen, &QPushButton::clicked, this,
          &TForm3DDemo::BitBtnAlgorithmusAbbrechenClick);
  connect(BitBtnAequator, &QPushButton::clicked, this, &TForm3DDemo::BitBtnAequatorClick);
  connect(BitBtnNordpol, &QPushButton::clicked, this, &TForm3DDemo::BitBtnNordpolClick);
  connect(BitBtnCancel, &QPushButton::clicked, this, &TForm3DDemo::BitBtnCancelClick);
  connect(Timer3DDemo, &QTimer::timeout, this, &TForm3DDemo::frameTick);
}

void TForm3DDemo::FormCreate() {
  projectionKind = chosenProjection();
  demo = std::make_unique<T3DDemo>(Image->canvas(), projectionKind, erzeugePosition_);
  Timer3DDemo->setInterval(kTimerInterval);
  showEye();
}

void TForm3DDemo::releaseScene() {
  Timer3DDemo->stop();
  demo.reset();
  released_ = true;
}

std::uint8_t TForm3DDemo::chosenProjection() const {
  return RadioButtonParallel->isChecked() ? T3DProjektion::parallel : T3DProjektion::central;
}

// --- inner operations ----------------------------------------------------------

void TForm3DDemo::showEye() {
  if (!demo) return;
  StringGridAuge->setCell(0, 0, QStringLiteral("x"));
  StringGridAuge->setCell(1, 0, QStringLiteral("y"));
  StringGridAuge->setCell(2, 0, QStringLiteral("z"));
  const std::string separator = QLocale().decimalPoint().toStdString();
  const long double coordinates[] = {demo->eye.x, demo->eye.y, demo->eye.z};
  for (int c = 0; c < 3; ++c)
    StringGridAuge->setCell(
        c, 1, QString::fromStdString(platform::formatFixed(coordinates[c], 3, 12, separator)));
}

void TForm3DDemo::enableButtons(bool rotationOnly, bool enabled) {
  BitBtnAequator->setEnabled(enabled);
  BitBtnNordpol->setEnabled(enabled);
  BitBtnCancel->setEnabled(false);
  if (!rotationOnly) {
    BitBtnAnhalten->setEnabled(enabled);
    BitBtnAlgorithmus->setEnabled(enabled);
  }
}

void TForm3DDemo::resetDemo() {
  demo->eye = {0, -50, 0};
  demo->rotationAngles = {0, 0, 0};
  demo->rotationAngles.z = kRotationStep;
  LabeledEditAequator->setText(QString::number(static_cast<qint64>(degreesOf(demo->rotationAngles.z))));
  aequatorRunning = false;
  nordpolRunning = false;
  abortRequested = false;
  BitBtnAlgorithmus->setText(QStringLiteral("Algorithmus"));
  BitBtnAlgorithmusAbbrechen->setEnabled(false);
  algorithmMode = false;
  algorithmStep = 0;
  showEye();
  LabeledEditNordpol->setText(QStringLiteral("0"));
  Timer3DDemo->start();
  // The timer runs again, so the button must offer to stop it, also when the
  // animation had been paused before.
  BitBtnAnhalten->setText(QStringLiteral("Anhalten"));
  BitBtnAequator->setText(QStringLiteral("Start"));
  BitBtnNordpol->setText(QStringLiteral("Start"));
  enableButtons(false, true);
  Memo3d->clear();
}

// --- handlers --------------------------------------------------------------------

void TForm3DDemo::BitBtnOkClick() {
  if (released_) return;
  demo.reset();
  projectionKind = chosenProjection();
  demo = std::make_unique<T3DDemo>(Image->canvas(), projectionKind, erzeugePosition_);
  resetDemo();
}

void TForm3DDemo::BitBtnCancelClick() {
  if (released_ || !demo) return;
  resetDemo();
}

void TForm3DDemo::BitBtnAnhaltenClick() {
  if (released_) return;
  if (Timer3DDemo->isActive()) {
    Timer3DDemo->stop();
    BitBtnAnhalten->setText(QStringLiteral("Fortsetzen"));
    enableButtons(true, false);
  } else {
    Timer3DDemo->start();
    BitBtnAnhalten->setText(QStringLiteral("Anhalten"));
    enableButtons(true, true);
    // A rotation paused with the animation turns on again: it keeps the other one
    // locked, so that the two never run at once.
    if (aequatorRunning) BitBtnNordpol->setEnabled(false);
    if (nordpolRunning) BitBtnAequator->setEnabled(false);
  }
}

void TForm3DDemo::toggleRotation(bool& running, QPushButton* own, QPushButton* other) {
  running = !running;
  own->setText(running ? QStringLiteral("Stop") : QStringLiteral("Weiter"));
  BitBtnCancel->setEnabled(!running);
  other->setEnabled(!running);
  // Outside the walk-through the timer runs anyway; inside it, the rotation alone
  // decides whether frames are painted.
  if (algorithmMode) {
    if (running)
      Timer3DDemo->start();
    else
      Timer3DDemo->stop();
  }
}

void TForm3DDemo::BitBtnAequatorClick() {
  if (released_) return;
  toggleRotation(aequatorRunning, BitBtnAequator, BitBtnNordpol);
}

void TForm3DDemo::BitBtnNordpolClick() {
  if (released_) return;
  toggleRotation(nordpolRunning, BitBtnNordpol, BitBtnAequator);
}

// A tick while the last frame still waits to be shown is left out: the scene moves on
// no faster than the screen shows it, and no frame is drawn over unseen. A window
// that is not on the screen gets no paints, so its ticks go on as they come.
void TForm3DDemo::frameTick() {
  const QWindow* w = window()->windowHandle();
  if (Image->frameWaiting() && Image->isVisible() && w && w->isExposed()) {
    Image->update();  // asks again, should that repaint have been lost
    return;
  }
  Timer3DDemoTimer();
}

void TForm3DDemo::Timer3DDemoTimer() {
  if (released_ || !demo) return;
  TVektorR3& angles = demo->rotationAngles;
  if (aequatorRunning) {
    angles.z += kRotationStep;
    // The turn about the z axis ends at 362 degrees and starts again from 2.
    if (degreesOf(angles.z) >= 362) {
      BitBtnAequator->setText(QStringLiteral("Start"));
      aequatorRunning = false;
      BitBtnNordpol->setEnabled(true);
      angles.z = kRotationStep;
      BitBtnCancel->setEnabled(false);
    }
    LabeledEditAequator->setText(QString::number(static_cast<qint64>(degreesOf(angles.z))));
    showEye();
  }
  if (nordpolRunning) {
    angles.x += kRotationStep;
    if (degreesOf(angles.x) >= 360) {
      BitBtnNordpol->setText(QStringLiteral("Start"));
      nordpolRunning = false;
      BitBtnAequator->setEnabled(true);
      angles.x = 0;
      BitBtnCancel->setEnabled(false);
    }
    LabeledEditNordpol->setText(QString::number(static_cast<qint64>(degreesOf(angles.x))));
    showEye();
  }
  if (algorithmMode)
    demo->drawAlgorithmStep(algorithmStep);
  else
    demo->drawScene();
}

void TForm3DDemo::BitBtnAlgorithmusAbbrechenClick() {
  if (released_) return;
  abortRequested = true;
  BitBtnAlgorithmusClick();
}

void TForm3DDemo::BitBtnAlgorithmusClick() {
  if (released_ || !demo) return;
  ++algorithmStep;
  if (abortRequested)
    algorithmStep = 7;
  else if (algorithmStep == 7 && !demo->found)
    algorithmStep = 2;  // once more with the corrected radii

  if (algorithmStep == 1)
    startWalkThrough();
  else if (algorithmStep <= 6)
    showStep();
  else
    endWalkThrough();
}

void TForm3DDemo::startWalkThrough() {
  TUhr& clock = demo->receiver.clock;
  // The list is filled once per walk-through; what a previous one left must not be
  // taken for new signals.
  clock.signals.clear();
  clock.receiveSignals(demo->receiverPosition, demo->constellation);
  if (demo->receiver.signalCount() < 4) {
    // Four spheres can not be loaded: the walk-through ends before it begins.
    endWalkThrough();
    return;
  }
  demo->receiver.loadSpheres(0);
  algorithmMode = true;
  BitBtnAlgorithmus->setText(QStringLiteral("Fortsetzen"));
  BitBtnAnhalten->setEnabled(false);
  BitBtnAlgorithmusAbbrechen->setEnabled(true);
  Timer3DDemo->stop();
  nordpolRunning = false;
  aequatorRunning = false;
  demo->drawAlgorithmStep(1);
  Memo3d->clear();
  Memo3d->appendPlainText(QStringLiteral("4 Satelliten werden zur Berechnung herangezogen"));
  Memo3d->appendPlainText(
      QStringLiteral("Zur weiteren Erläuterung siehe Hilfestellung und 2D-Demonstration"));
  for (QPushButton* b : {BitBtnAequator, BitBtnNordpol})
    if (b->text() == QStringLiteral("Stop")) b->setText(QStringLiteral("Weiter"));
}

void TForm3DDemo::showStep() {
  demo->drawAlgorithmStep(algorithmStep);
  Memo3d->clear();
  if (algorithmStep <= 4) {
    Memo3d->appendPlainText(QStringLiteral("3 Kugeln werden zum Schnitt gebracht."));
  } else if (algorithmStep == 5) {
    Memo3d->appendPlainText(
        QStringLiteral("Einer der beiden Schnittpunkte kommt als möglicher Standort in Betracht."));
  } else {
    const long double d = demo->distanceToFourth;
    Memo3d->appendPlainText(
        QStringLiteral("Abstand des mögklichen Standorts zur Oberfläche der 4.Kugel:"));
    Memo3d->appendPlainText(QString::number(static_cast<qint64>(std::rint(std::fabs(d) * 1000))) +
                            QStringLiteral(" Meter."));
    if (demo->found) {
      Memo3d->appendPlainText(QStringLiteral("Dieser mögliche Standort liegt in der Nähe der 4.Kugel."));
      Memo3d->appendPlainText(QStringLiteral("Der Standort wurde gefunden und das Verfahren wird beendet"));
    } else {
      if (!aequatorRunning && !nordpolRunning) algorithmStep = 1;
      if (d >= 0) {
        Memo3d->appendPlainText(QStringLiteral("Dieser mögliche Standort liegt innerhalb der 4.Kugel."));
        Memo3d->appendPlainText(
            QStringLiteral("Daher werden die Kugelradien verkleinert und das Verfahren wiederholt."));
      } else {
        Memo3d->appendPlainText(QStringLiteral("Dieser mögliche Standort liegt außerhalb der 4.Kugel."));
        Memo3d->appendPlainText(
            QStringLiteral("Daher werden die Kugelradien vergrößert und das Verfahren wiederholt."));
      }
    }
  }
}

void TForm3DDemo::endWalkThrough() {
  BitBtnAlgorithmus->setText(QStringLiteral("Algorithmus"));
  algorithmMode = false;
  abortRequested = false;
  BitBtnAnhalten->setEnabled(true);
  BitBtnAlgorithmusAbbrechen->setEnabled(false);
  algorithmStep = 0;
  // The free frames receive their own signals each time.
  demo->receiver.clock.signals.clear();
  Timer3DDemo->start();
  BitBtnAnhalten->setText(QStringLiteral("Anhalten"));
  // A walk-through begun while the animation was paused found both rotations
  // locked; the animation runs again now, so they are offered again.
  if (!BitBtnAequator->isEnabled() && !BitBtnNordpol->isEnabled()) {
    BitBtnAequator->setEnabled(true);
    BitBtnNordpol->setEnabled(true);
  }
  Memo3d->clear();
}

void TForm3DDemo::BitBtnSchliessenClick() {
  if (released_) return;
  close();
  Timer3DDemo->stop();
  RadioButtonParallel->setEnabled(true);
  RadioButtonZentral->setEnabled(true);
  algorithmStep = 0;
  enableButtons(false, false);
  BitBtnAnhalten->setText(QStringLiteral("Anhalten"));
  BitBtnAlgorithmus->setText(QStringLiteral("Algorithmus"));
  BitBtnAlgorithmusAbbrechen->setEnabled(false);
}
