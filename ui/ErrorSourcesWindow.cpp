#include "ui/ErrorSourcesWindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QVBoxLayout>

#include "model/uhrunit.h"
#include "platform/messages.h"
#include "ui/HelpWindow.h"
#include "ui/Language.h"
#include "ui/WidgetHelpers.h"

namespace {

QLineEdit* makeEdit(QWidget* parent, const QString& name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setAlignment(Qt::AlignRight);
  edit->setMaximumWidth(90);
  return edit;
}

QString metres(Extended m) { return formatNumber(m, 2, 8); }

}  // namespace

ErrorSourcesWindow::ErrorSourcesWindow(LessonModel& lesson, QWidget* parent)
    : QWidget(parent), lesson_(lesson) {
  setObjectName("FormFehlerquellen");
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* grid = new QGridLayout;
  sourceHeader_ = new QLabel(this);
  grid->addWidget(sourceHeader_, 0, 0);
  grid->addWidget(new QLabel("<b>σ (m)</b>", this), 0, 1);
  for (int i = 0; i < errorSourceCount; ++i) {
    CheckBoxQuelle[i] = new QCheckBox(this);
    CheckBoxQuelle[i]->setObjectName(QString("CheckBoxQuelle%1").arg(i + 1));
    EditSigma[i] = makeEdit(this, QString("EditSigma%1").arg(i + 1));
    grid->addWidget(CheckBoxQuelle[i], i + 1, 0);
    grid->addWidget(EditSigma[i], i + 1, 1);
  }
  int row = errorSourceCount + 1;
  CheckBoxVersatz = new QCheckBox(this);
  CheckBoxVersatz->setObjectName("CheckBoxVersatz");
  EditVersatz = makeEdit(this, "EditVersatz");
  LabelVersatzMeter = new QLabel(this);
  grid->addWidget(CheckBoxVersatz, row, 0);
  grid->addWidget(EditVersatz, row, 1);
  grid->addWidget(LabelVersatzMeter, row++, 2);
  CheckBoxFehlerhaft = new QCheckBox(this);
  CheckBoxFehlerhaft->setObjectName("CheckBoxFehlerhaft");
  EditFehlerhaftNummer = makeEdit(this, "EditFehlerhaftNummer");
  EditFehlerhaftMeter = makeEdit(this, "EditFehlerhaftMeter");
  grid->addWidget(CheckBoxFehlerhaft, row, 0);
  grid->addWidget(EditFehlerhaftNummer, row, 1);
  grid->addWidget(EditFehlerhaftMeter, row++, 2);
  LabelUERE = new QLabel(this);
  LabelUERE->setObjectName("LabelUERE");
  LabelUERE->setWordWrap(true);
  note_ = new QLabel(this);
  note_->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(LabelUERE);
  layout->addWidget(note_);
  layout->addStretch();

  for (QCheckBox* box : CheckBoxQuelle)
    connect(box, &QCheckBox::toggled, this, [this] { apply(nullptr); });
  for (QCheckBox* box : {CheckBoxVersatz, CheckBoxFehlerhaft})
    connect(box, &QCheckBox::toggled, this, [this] { apply(nullptr); });
  for (QLineEdit* edit : findChildren<QLineEdit*>())
    connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
      if (edit->isModified()) apply(edit);
    });
  lesson_.addObserver(this);
  installHelpKey(this, "fehlerquellen.html");
  retranslate();
}

void ErrorSourcesWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

void ErrorSourcesWindow::retranslate() {
  setWindowTitle(tr("Fehlerquellen"));
  sourceHeader_->setText(tr("<b>Quelle</b>"));
  for (int i = 0; i < errorSourceCount; ++i)
    CheckBoxQuelle[i]->setText(coreText(errorSourceName(ErrorSource(i))));
  CheckBoxVersatz->setText(tr("Gemeinsamer Versatz (ns)"));
  CheckBoxFehlerhaft->setText(tr("Fehlerhafter Satellit (Nummer, Zuschlag in m)"));
  note_->setText(
      tr("Die σ gelten für einen Satelliten im Mittel über den Himmel: tief stehende "
         "haben größere Fehler, hoch stehende kleinere. Mehr dazu mit F1."));
  // The numbers in the form of the language.
  showSettings(lesson_.errorSettings());
}

ErrorSourcesWindow::~ErrorSourcesWindow() { lesson_.removeObserver(this); }

void ErrorSourcesWindow::apply(QLineEdit* edited) {
  ErrorSettings s = lesson_.errorSettings();
  std::string refusal;
  // The first refusal is told; the fields after it are not read.
  const auto take = [&refusal](auto checked, auto& into) {
    if (!refusal.empty()) return;
    if (const auto* message = std::get_if<std::string>(&checked))
      refusal = *message;
    else
      into = std::get<0>(checked);
  };
  for (int i = 0; i < errorSourceCount; ++i) {
    s.sources[std::size_t(i)].on = CheckBoxQuelle[std::size_t(i)]->isChecked();
    take(readSigma(ErrorSource(i), EditSigma[i]->text().toStdString()),
         s.sources[std::size_t(i)].sigma);
  }
  s.offsetOn = CheckBoxVersatz->isChecked();
  take(readOffset(EditVersatz->text().toStdString()), s.offsetNs);
  s.faultyOn = CheckBoxFehlerhaft->isChecked();
  take(readFaultySatellite(EditFehlerhaftNummer->text().toStdString()),
       s.faultySatellite);
  take(readFaultyMetres(EditFehlerhaftMeter->text().toStdString()),
       s.faultyMetres);
  if (refusal.empty()) {
    if (const auto message = lesson_.setErrorSettings(s)) refusal = *message;
  }
  if (!refusal.empty()) {
    showSettings(lesson_.errorSettings());  // the lesson's values again
    platform::showMessage(platform::MessageKind::Error, refusal);
    if (edited) edited->setFocus();
  }
}

void ErrorSourcesWindow::showSettings(const ErrorSettings& s) {
  const QSignalBlocker blockers[] = {
      QSignalBlocker(CheckBoxQuelle[0]), QSignalBlocker(CheckBoxQuelle[1]),
      QSignalBlocker(CheckBoxQuelle[2]), QSignalBlocker(CheckBoxQuelle[3]),
      QSignalBlocker(CheckBoxQuelle[4]), QSignalBlocker(CheckBoxQuelle[5]),
      QSignalBlocker(CheckBoxVersatz),   QSignalBlocker(CheckBoxFehlerhaft)};
  for (int i = 0; i < errorSourceCount; ++i) {
    CheckBoxQuelle[i]->setChecked(s.sources[std::size_t(i)].on);
    EditSigma[i]->setText(metres(s.sources[std::size_t(i)].sigma));
  }
  CheckBoxVersatz->setChecked(s.offsetOn);
  EditVersatz->setText(QString::number(s.offsetNs));
  LabelVersatzMeter->setText("≈ " + metres(s.offsetNs * TUhr::signalSpeed * 1000) + " m");
  CheckBoxFehlerhaft->setChecked(s.faultyOn);
  EditFehlerhaftNummer->setText(QString::number(s.faultySatellite));
  EditFehlerhaftMeter->setText(metres(s.faultyMetres));
  for (QLineEdit* edit : findChildren<QLineEdit*>()) edit->setModified(false);
  LabelUERE->setText(tr("Gesamtfehler einer Entfernung (UERE, die Wurzel aus der Summe der "
                        "Quadrate der eingeschalteten σ): <b>%1 m</b>")
                         .arg(metres(s.uere())));
}
