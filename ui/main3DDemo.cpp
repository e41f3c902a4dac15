#include "ui/main3DDemo.h"

#include <QEvent>
#include <QLocale>
#include <QStringList>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "platform/numformat.h"
#include "ui/ExportFiles.h"
#include "ui/Glyphs.h"
#include "ui/HelpWindow.h"
#include "ui/Language.h"
#include "ui/WidgetHelpers.h"

namespace {

constexpr int kTimerInterval = 300;  // ms

// A read-only display edit with its caption ("Grad") to the right.
QLineEdit* makeDegreesEdit(QWidget* parent, const char* name, const QRect& geometry) {
  auto* edit = new QLineEdit(QStringLiteral("0"), parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(geometry);
  edit->setReadOnly(true);
  edit->setAlignment(Qt::AlignRight);
  QLabel* caption = makeLabel(parent, (QByteArray(name) + "Label").constData(), {},
                              QRect(geometry.right() + 6, geometry.top(), 60, geometry.height()));
  caption->setBuddy(edit);
  return edit;
}

}  // namespace

TForm3DDemo::TForm3DDemo(T3DDemo::PositionSource erzeugePosition, QWidget* parent)
    : QWidget(parent), erzeugePosition_(std::move(erzeugePosition)) {
  setObjectName(QStringLiteral("Form3DDemo"));
  setFixedSize(1211, 769);
  buildLayout();
  FormCreate();
  addPictureButton(this, Image, [this] { return tr("3D-Demonstration"); });
  installHelpKey(this, "demo3d.html");
  retranslate();
}

void TForm3DDemo::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

void TForm3DDemo::retranslate() {
  setWindowTitle(tr("3D - Demonstration"));
  GroupBoxProjektionsart->setTitle(tr("Projektionsart"));
  RadioButtonZentral->setText(tr("Zentralprojektion"));
  RadioButtonParallel->setText(tr("Parallelprojektion"));
  BitBtnOk->setText(tr("OK"));
  BitBtnSchliessen->setText(tr("&Schließen"));
  BitBtnAnhalten->setToolTip(tr("Bewegungen anhalten bzw. fortsetzen"));
  BitBtnAlgorithmus->setToolTip(tr("Demonstration der Positionsbestimmung"));
  BitBtnAlgorithmusAbbrechen->setToolTip(tr("Algorithmus abbrechen"));
  LabelAuge->setText(tr("Postion des Betrachters (Einheit: 1000km)"));
  LabelAequator->setText(tr("Südpolumdrehung"));
  LabelNordpol->setText(tr("Nordpolumdrehung"));
  for (QLineEdit* edit : {LabeledEditAequator, LabeledEditNordpol})
    findChild<QLabel*>(edit->objectName() + "Label")->setText(tr("Grad"));
  sync();
}

void TForm3DDemo::showFromMainWindow() {
  showInFront(this);
  // The picture starts black until the first OK; the outline too, whatever pen the
  // last frame left.
  platform::Canvas& canvas = Image->canvas();
  canvas.setBrushColor(platform::colors::black);
  canvas.setBrushStyle(platform::BrushStyle::Solid);
  canvas.setPenColor(platform::colors::black);
  canvas.rectangle(0, 0, width(), height());
}

TForm3DDemo::~TForm3DDemo() = default;

void TForm3DDemo::buildLayout() {
  Image = new ImageControl(897, 657, this);
  Image->setObjectName(QStringLiteral("Image"));
  Image->move(16, 48);

  const int x = 930;
  const int w = 265;

  GroupBoxProjektionsart = new QGroupBox(this);
  GroupBoxProjektionsart->setObjectName(QStringLiteral("GroupBoxProjektionsart"));
  GroupBoxProjektionsart->setGeometry(x, 40, w, 80);
  RadioButtonZentral = new QRadioButton(GroupBoxProjektionsart);
  RadioButtonZentral->setObjectName(QStringLiteral("RadioButtonZentral"));
  RadioButtonZentral->setGeometry(14, 24, w - 28, 22);
  RadioButtonParallel = new QRadioButton(GroupBoxProjektionsart);
  RadioButtonParallel->setObjectName(QStringLiteral("RadioButtonParallel"));
  RadioButtonParallel->setGeometry(14, 50, w - 28, 22);
  RadioButtonParallel->setChecked(true);

  BitBtnOk = makeButton(this, "BitBtnOk", {}, QRect(x, 130, 126, 32), glyphs::ok(), Qt::ClickFocus);
  BitBtnSchliessen = makeButton(this, "BitBtnSchliessen", {}, QRect(x + w - 126, 130, 126, 32),
                                glyphs::close(), Qt::ClickFocus);

  // Their captions come from the walk-through (sync).
  BitBtnAnhalten =
      makeButton(this, "BitBtnAnhalten", {}, QRect(x, 176, w, 30), QIcon(), Qt::ClickFocus);
  BitBtnAlgorithmus =
      makeButton(this, "BitBtnAlgorithmus", {}, QRect(x, 212, w, 30), QIcon(), Qt::ClickFocus);
  BitBtnAlgorithmusAbbrechen = makeButton(this, "BitBtnAlgorithmusAbbrechen", {},
                                          QRect(x, 248, w, 30), QIcon(), Qt::ClickFocus);
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
  LabelAuge = makeLabel(p, "LabelAuge", {}, QRect(10, 6, w - 20, 36));
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
  LabelAequator = makeLabel(p, "LabelAequator", {}, QRect(10, rowA, 160, 20));
  BitBtnAequator =
      makeButton(p, "BitBtnAequator", {}, QRect(10, rowA + 22, 80, 28), QIcon(), Qt::ClickFocus);
  LabeledEditAequator = makeDegreesEdit(p, "LabeledEditAequator", QRect(98, rowA + 23, 44, 26));
  const int rowN = rowA + 56;
  LabelNordpol = makeLabel(p, "LabelNordpol", {}, QRect(10, rowN, 160, 20));
  BitBtnNordpol =
      makeButton(p, "BitBtnNordpol", {}, QRect(10, rowN + 22, 80, 28), QIcon(), Qt::ClickFocus);
  LabeledEditNordpol = makeDegreesEdit(p, "LabeledEditNordpol", QRect(98, rowN + 23, 44, 26));
  // Between the two rotations it resets.
  BitBtnCancel = makeButton(p, "BitBtnCancel", {}, QRect(w - 78, (rowA + rowN) / 2 + 22, 68, 28),
                            QIcon(), Qt::ClickFocus);
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
  ablauf_ = std::make_unique<TDemo3DAblauf>(Image->canvas(), projectionKind, erzeugePosition_);
  Timer3DDemo->setInterval(kTimerInterval);
  showEye();
}

void TForm3DDemo::releaseScene() {
  ablauf_->releaseScene();
  sync();
}

std::uint8_t TForm3DDemo::chosenProjection() const {
  return RadioButtonParallel->isChecked() ? T3DProjektion::parallel : T3DProjektion::central;
}

// --- inner operations ----------------------------------------------------------

void TForm3DDemo::showEye() {
  const T3DDemo* demo = ablauf_->demo.get();
  if (!demo) return;
  StringGridAuge->setCell(0, 0, QStringLiteral("x"));
  StringGridAuge->setCell(1, 0, QStringLiteral("y"));
  StringGridAuge->setCell(2, 0, QStringLiteral("z"));
  const std::string separator = platform::decimalSeparator();
  const long double coordinates[] = {demo->eye.x, demo->eye.y, demo->eye.z};
  for (int c = 0; c < 3; ++c)
    StringGridAuge->setCell(
        c, 1, QString::fromStdString(platform::formatFixed(coordinates[c], 3, 12, separator)));
}

void TForm3DDemo::sync() {
  const TDemo3DAblauf& a = *ablauf_;
  if (a.timerActive != Timer3DDemo->isActive()) {
    if (a.timerActive)
      Timer3DDemo->start();
    else
      Timer3DDemo->stop();
  }
  const std::pair<QPushButton*, const TDemo3DAblauf::Button*> buttons[] = {
      {BitBtnAnhalten, &a.anhalten}, {BitBtnAlgorithmus, &a.algorithmus},
      {BitBtnAlgorithmusAbbrechen, &a.abbrechen}, {BitBtnAequator, &a.aequator},
      {BitBtnNordpol, &a.nordpol}, {BitBtnCancel, &a.cancel}};
  for (const auto& [button, state] : buttons) {
    const QString text = coreText(state->text);
    if (button->text() != text) button->setText(text);
    button->setEnabled(state->enabled);
  }
  LabeledEditAequator->setText(QString::fromStdString(a.aequatorDegrees));
  LabeledEditNordpol->setText(QString::fromStdString(a.nordpolDegrees));
  QStringList lines;
  for (const std::string& line : a.memo) lines << coreText(line);
  const QString text = lines.join('\n');
  if (Memo3d->toPlainText() != text) Memo3d->setPlainText(text);
  showEye();
}

// --- handlers --------------------------------------------------------------------

void TForm3DDemo::BitBtnOkClick() {
  if (ablauf_->released()) return;
  projectionKind = chosenProjection();
  ablauf_->okClick(projectionKind);
  sync();
}

void TForm3DDemo::BitBtnCancelClick() {
  ablauf_->cancelClick();
  sync();
}

void TForm3DDemo::BitBtnAnhaltenClick() {
  ablauf_->anhaltenClick();
  sync();
}

void TForm3DDemo::BitBtnAequatorClick() {
  ablauf_->aequatorClick();
  sync();
}

void TForm3DDemo::BitBtnNordpolClick() {
  ablauf_->nordpolClick();
  sync();
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
  ablauf_->timerTick();
  sync();
}

void TForm3DDemo::BitBtnAlgorithmusAbbrechenClick() {
  ablauf_->algorithmusAbbrechenClick();
  sync();
}

void TForm3DDemo::BitBtnAlgorithmusClick() {
  ablauf_->algorithmusClick();
  sync();
}

void TForm3DDemo::BitBtnSchliessenClick() {
  if (ablauf_->released()) return;
  close();
  ablauf_->schliessenClick();
  RadioButtonParallel->setEnabled(true);
  RadioButtonZentral->setEnabled(true);
  sync();
}
