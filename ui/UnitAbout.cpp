#include "ui/UnitAbout.h"

#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

#include "platform/shell.h"
#include "ui/HelpWindow.h"
#include "ui/WidgetHelpers.h"

// The resources live in the static ui library; without an explicit reference the linker
// would drop them. Q_INIT_RESOURCE must be used outside any namespace.
static void initOrtivoResources() {
  static const bool done = [] {
    Q_INIT_RESOURCE(ortivo);
    return true;
  }();
  (void)done;
}

QIcon programIcon() {
  initOrtivoResources();
  return QIcon(QStringLiteral(":/icons/ortivo.svg"));
}


TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setModal(false);
  setFixedSize(503, 432);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(8, 8, 401, 273);
  // A lowered outer and a raised inner bevel read as an engraved frame.
  Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Panel1->setLineWidth(1);
  Panel1->setMidLineWidth(1);

  ProgramIcon = makeLabel(Panel1, "ProgramIcon", QString(), QRect(12, 12, 72, 72), false,
                          Qt::AlignLeft | Qt::AlignTop);
  ProgramIcon->setScaledContents(true);
  ProgramIcon->setPixmap(programIcon().pixmap(QSize(72, 72), devicePixelRatioF()));

  ProductName = makeLabel(Panel1, "ProductName", QStringLiteral("Ortivo"),
                          QRect(100, 12, 289, 30), false, Qt::AlignLeft | Qt::AlignTop);
  QFont title = ProductName->font();
  title.setPointSizeF(title.pointSizeF() * 1.8);
  title.setBold(true);
  ProductName->setFont(title);

  Version = makeLabel(Panel1, "Version", {}, QRect(100, 44, 289, 18), false,
                      Qt::AlignLeft | Qt::AlignTop);
  Copyright = makeLabel(Panel1, "Copyright", {}, QRect(100, 64, 289, 36), true,
                        Qt::AlignLeft | Qt::AlignTop);

  ButtonWebseite = makeButton(Panel1, "ButtonWebseite", QString::fromLatin1(webAddress),
                              QRect(12, 104, 184, 26));
  ButtonMail = makeButton(Panel1, "ButtonMail", QString::fromLatin1(mailAddress),
                          QRect(205, 104, 184, 26));
  Comments = makeLabel(Panel1, "Comments", {}, QRect(12, 140, 377, 50), true,
                       Qt::AlignLeft | Qt::AlignTop);
  Label1 =
      makeLabel(Panel1, "Label1", {}, QRect(12, 194, 377, 72), true, Qt::AlignLeft | Qt::AlignTop);
  BitBtnSchliessen = makeButton(this, "BitBtnSchliessen", {}, QRect(309, 293, 100, 28));
  BitBtnSchliessen->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  // Return closes it as Escape does: there is nothing else to confirm.
  BitBtnSchliessen->setDefault(true);

  connect(BitBtnSchliessen, &QPushButton::clicked, this, &TAboutBox::BitBtnSchliessenClick);
  connect(ButtonWebseite, &QPushButton::clicked, this, &TAboutBox::ButtonWebseiteClick);
  connect(ButtonMail, &QPushButton::clicked, this, &TAboutBox::ButtonMailClick);
  installHelpKey(this, "info.html");
  retranslate();
}

void TAboutBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

void TAboutBox::retranslate() {
  setWindowTitle(tr("Info"));
  Version->setText(tr("Version %1").arg(QStringLiteral(ORTIVO_VERSION)));
  Copyright->setText(tr(
      "© 2026 Ortivo-Team. Ein Lernprogramm dazu, wie ein GPS-Empfänger seinen Standort findet."));
  ButtonWebseite->setToolTip(tr("Die Webseite des Ortivo-Teams öffnen"));
  ButtonMail->setToolTip(tr("Dem Ortivo-Team eine E-Mail schreiben"));
  Comments->setText(
      tr("Nutzungsbedingungen: Ortivo darf in Schule, Studium und zu Hause "
         "kostenlos genutzt, kopiert und unverändert weitergegeben werden. "
         "Ein Verkauf ist nicht gestattet."));
  Label1->setText(
      tr("Haftungsausschluss: Ortivo wird ohne jede Gewährleistung bereitgestellt. "
         "Die Simulation vereinfacht die Wirklichkeit und taugt nicht zur "
         "Navigation. Für Schäden aus der Nutzung wird nicht gehaftet."));
  BitBtnSchliessen->setText(tr("&Schließen"));
}

void TAboutBox::BitBtnSchliessenClick() { hide(); }

void TAboutBox::ButtonWebseiteClick() {
  platform::shellOpen("http://" + ButtonWebseite->text().toStdString());
}

void TAboutBox::ButtonMailClick() {
  platform::shellOpen("Mailto:" + ButtonMail->text().toStdString());
}

void TAboutBox::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    if (where) {
      QRect frame = frameGeometry();
      frame.moveCenter(where->availableGeometry().center());
      move(frame.topLeft());
    }
  }
  QDialog::showEvent(event);
}
