#include "ui/main2DDemo.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScrollBar>
#include <QStringList>
#include <algorithm>

#include "ui/ExportFiles.h"
#include "ui/Glyphs.h"
#include "ui/HelpWindow.h"
#include "ui/Language.h"
#include "demo/demoGpsUnit.h"
#include "ui/WidgetHelpers.h"


TForm2DDemo::TForm2DDemo(QWidget* parent) : QWidget(parent) {
  setObjectName("Form2DDemo");
  move(56, 117);
  setFixedSize(929, 495);
  // Only the main window's closing ends the program: an open demonstration must not
  // keep it running.
  setAttribute(Qt::WA_QuitOnClose, false);

  Image = new ImageControl(521, 425, this);
  Image->setObjectName("Image");
  Image->move(24, 8);

  BitBtnOk = makeButton(this, "BitBtnOk", {}, QRect(624, 64, 75, 25), glyphs::ok(), Qt::NoFocus);
  BitBtnSchliessen = makeButton(this, "BitBtnSchliessen", {}, QRect(624, 96, 75, 25),
                                glyphs::close(), Qt::NoFocus);

  MemoDemo = new QPlainTextEdit(this);
  MemoDemo->setObjectName("MemoDemo");
  MemoDemo->setGeometry(576, 144, 345, 297);
  MemoDemo->setReadOnly(true);
  MemoDemo->setFocusPolicy(Qt::NoFocus);
  MemoDemo->setLineWrapMode(QPlainTextEdit::NoWrap);
  MemoDemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MemoDemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  DemoTimer = new QTimer(this);
  DemoTimer->setObjectName("DemoTimer");

  connect(DemoTimer, &QTimer::timeout, this, &TForm2DDemo::DemoTimerTimer);
  connect(BitBtnOk, &QPushButton::clicked, this, &TForm2DDemo::BitBtnOkClick);
  connect(BitBtnSchliessen, &QPushButton::clicked, this, &TForm2DDemo::BitBtnSchliessenClick);

  FormCreate();
  addPictureButton(this, Image, [this] { return tr("2D-Demonstration"); });
  installHelpKey(this, "demo2d.html");
  retranslate();
}

void TForm2DDemo::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

void TForm2DDemo::retranslate() {
  setWindowTitle(tr("2D-Demonstration"));
  BitBtnOk->setText(tr("OK"));
  BitBtnSchliessen->setText(tr("&Schließen"));
  fitMemoFont();
  sync();
}

TForm2DDemo::~TForm2DDemo() = default;

void TForm2DDemo::FormCreate() {
  DemoTimer->setInterval(2000);
  ablauf_ = std::make_unique<TDemo2DAblauf>(Image->canvas());
}

// The memo's lines are written for a narrow 8-point font: the font shrinks (within
// reason) until the widest line fits beside the scroll bar without scrolling sideways.
void TForm2DDemo::fitMemoFont() {
  // The explanation lines were laid out for a narrow dialog font: a condensed face
  // keeps them readable on a projector without wrapping.
  QFont font = MemoDemo->font();
  font.setFamily("DejaVu Sans Condensed");
  font.setPointSizeF(9.5);
  const qreal available = MemoDemo->width() - 2 * MemoDemo->frameWidth() -
                          MemoDemo->verticalScrollBar()->sizeHint().width() -
                          2 * MemoDemo->document()->documentMargin() - 2;
  const auto widest = [&font] {
    const QFontMetricsF metrics(font);
    qreal w = 0;
    for (const std::string& line : TDemo2DAblauf::allTextLines())
      w = std::max(w, metrics.horizontalAdvance(coreText(line)));
    return w;
  };
  while (widest() > available && font.pointSizeF() > 7.0) font.setPointSizeF(font.pointSizeF() - 0.25);
  MemoDemo->setFont(font);
}

void TForm2DDemo::sync() {
  if (ablauf_->timerEnabled && !DemoTimer->isActive())
    DemoTimer->start();
  else if (!ablauf_->timerEnabled && DemoTimer->isActive())
    DemoTimer->stop();
  BitBtnOk->setEnabled(ablauf_->okEnabled);
  QStringList lines;
  for (const std::string& line : ablauf_->memo) lines << coreText(line);
  const QString text = lines.join('\n');
  if (MemoDemo->toPlainText() != text) MemoDemo->setPlainText(text);
}

void TForm2DDemo::startDemo() {
  if (ablauf_->released()) return;
  // A minimised window would stay out of sight of the class.
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  // Brings it to the front when it was already open behind the main window; the
  // offscreen platform of the tests can not raise windows and would only complain.
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();
  ablauf_->startDemo();
  sync();
}

void TForm2DDemo::releaseModel() {
  ablauf_->releaseModel();
  sync();
}

void TForm2DDemo::DemoTimerTimer() {
  ablauf_->demoTimerTimer();
  sync();
}

void TForm2DDemo::BitBtnOkClick() {
  ablauf_->okClick();
  sync();
}

void TForm2DDemo::BitBtnSchliessenClick() {
  if (ablauf_->released()) return;
  ablauf_->closeDemo();
  sync();
  close();  // hides: the window lives as long as the program
}
