#include "ui/TeachingViews.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
#include <QShortcut>
#include <functional>

#include "ui/HistoryWindow.h"
#include <QChartView>

#include "ui/ExportFiles.h"
#include "ui/Glyphs.h"
#include "ui/HelpWindow.h"
#include "ui/MainGps.h"
#include "ui/SkyWindow.h"

namespace {

using glyphs::paintIcon;

// Rings of the sky with a filled and a hollow satellite.
QIcon skyGlyph() {
  return paintIcon([](QPainter& p) {
    const QColor blue(20, 60, 150);
    p.setPen(QPen(QColor(120, 120, 120), 1.5));
    p.setBrush(QColor(236, 244, 252));
    p.drawEllipse(QRectF(2, 2, 28, 28));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(9, 9, 14, 14));
    p.setPen(QPen(blue, 2.2));
    p.setBrush(blue);
    p.drawEllipse(QPointF(20, 10), 3.2, 3.2);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 21), 3.2, 3.2);
  });
}

// A falling curve on axes, down to a dashed line: the convergence.
QIcon historyGlyph() {
  return paintIcon([](QPainter& p) {
    p.setPen(QPen(QColor(50, 50, 50), 1.8));
    p.drawLine(QPointF(4, 3), QPointF(4, 28));
    p.drawLine(QPointF(4, 28), QPointF(29, 28));
    QPen dash(QColor(200, 40, 40), 1.5);
    dash.setStyle(Qt::DashLine);
    p.setPen(dash);
    p.drawLine(QPointF(5, 23), QPointF(29, 23));
    QPen curve(QColor(42, 140, 60), 2.5);
    curve.setCapStyle(Qt::RoundCap);
    p.setPen(curve);
    QPainterPath path;
    path.moveTo(7, 5);
    path.cubicTo(10, 18, 16, 21, 28, 22);
    p.drawPath(path);
  });
}

void showInFront(QWidget* window) {
  window->show();
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
    window->raise();
    window->activateWindow();
  }
}

QToolButton* makeButton(QToolBar* bar, QAction* before, const char* name, const QString& hint,
                        const QIcon& icon) {
  auto* button = new QToolButton(bar);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setIcon(icon);
  button->setAutoRaise(true);
  bar->insertWidget(before, button);
  return button;
}

}  // namespace

TeachingViews::TeachingViews(TFormMain& formMain)
    : QObject(&formMain),
      himmel_(std::make_unique<TFormHimmel>(formMain.lesson())),
      verlauf_(std::make_unique<TFormVerlauf>(formMain.lesson())) {
  setObjectName("TeachingViews");
  // Pictures for worksheets from the context menu, the help page on F1.
  ImageControl* sky = himmel_->ImageHimmel;
  addSavePictureAction(sky, [sky] { return pictureOf(sky); }, "Himmelsansicht");
  for (QChartView* chart : {verlauf_->ChartAbstand, verlauf_->ChartIterationen,
                            verlauf_->ChartFenster, verlauf_->ChartKonvergenz})
    addSavePictureAction(chart, [chart] { return pictureOf(static_cast<QWidget*>(chart)); },
                         "Verlauf");
  installHelpKey(himmel_.get(), "himmelsansicht.html");
  installHelpKey(verlauf_.get(), "verlauf.html");
  // Before the time control: ahead of the separator that opens it.
  QToolBar* bar = formMain.ToolBar;
  QAction* before = nullptr;
  const QList<QAction*> actions = bar->actions();
  for (qsizetype i = 0; i < actions.size(); ++i)
    if (bar->widgetForAction(actions[i]) == formMain.SpeedButtonAnhalten)
      before = i > 0 && actions[i - 1]->isSeparator() ? actions[i - 1] : actions[i];
  bar->insertSeparator(before);
  SpeedButtonHimmel = makeButton(
      bar, before, "SpeedButtonHimmel",
      "Himmelsansicht: die Satelliten über dem Empfänger und die Güte ihrer Geometrie (Strg+H)",
      skyGlyph());
  SpeedButtonVerlauf = makeButton(
      bar, before, "SpeedButtonVerlauf",
      "Verlauf: Abstand, Iterationen und Fenster aller Positionsbestimmungen (Strg+L)",
      historyGlyph());
  connect(SpeedButtonHimmel, &QToolButton::clicked, this, &TeachingViews::SpeedButtonHimmelClick);
  connect(SpeedButtonVerlauf, &QToolButton::clicked, this, &TeachingViews::SpeedButtonVerlaufClick);
  // The shortcuts follow the buttons, which a running determination disables.
  connect(new QShortcut(QKeySequence("Ctrl+H"), &formMain), &QShortcut::activated, this, [this] {
    if (SpeedButtonHimmel->isEnabled()) SpeedButtonHimmelClick();
  });
  connect(new QShortcut(QKeySequence("Ctrl+L"), &formMain), &QShortcut::activated, this, [this] {
    if (SpeedButtonVerlauf->isEnabled()) SpeedButtonVerlaufClick();
  });
}

TeachingViews::~TeachingViews() = default;

void TeachingViews::SpeedButtonHimmelClick() { showInFront(himmel_.get()); }
void TeachingViews::SpeedButtonVerlaufClick() { showInFront(verlauf_.get()); }

TeachingViews* attachTeachingViews(TFormMain& formMain) { return new TeachingViews(formMain); }
