#include "ui/LessonFiles.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>
#include <variant>

#include "model/LessonFile.h"
#include "model/LessonTables.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "ui/ExportFiles.h"
#include "ui/Glyphs.h"
#include "ui/Language.h"
#include "ui/WidgetHelpers.h"

namespace {

const char* const kRecentKey = "Szenarien/zuletzt";
const char* const kScenarioDirectoryKey = "Szenarien/Ordner";

void showError(const std::string& message) {
  platform::showMessage(platform::MessageKind::Error, message);
}

// A file name shown as the system spells it; bytes that are not UTF-8 show as �.
std::string shownName(const QByteArray& nativePath) {
  return QDir::toNativeSeparators(QFile::decodeName(nativePath)).toStdString();
}

// What the user reads where Qt would guess rich text (tool tips): the text as written.
QString richEscaped(const QString& text) {
  return "<p style='white-space:pre'>" + text.toHtmlEscaped() + "</p>";
}

}  // namespace

LessonFiles::LessonFiles(LessonModel& lesson, QWidget& window)
    : QObject(&window), lesson_(lesson), window_(window), recentMenu_(new QMenu(&window)) {
  setObjectName("LessonFiles");
  ButtonSzenarioOeffnen = makeToolButton(nullptr, "ButtonSzenarioOeffnen", {}, glyphs::open());
  ButtonSzenarioOeffnen->setMenu(recentMenu_);
  ButtonSzenarioOeffnen->setPopupMode(QToolButton::MenuButtonPopup);
  ButtonSzenarioSpeichern = makeToolButton(nullptr, "ButtonSzenarioSpeichern", {}, glyphs::save());
  ButtonTabelleExportieren =
      makeToolButton(nullptr, "ButtonTabelleExportieren", {}, glyphs::table());
  auto* tables = new QMenu(&window);
  QAction* satellites = tables->addAction({}, this, [this] {
    saveTableDialog(
        &window_, [this] { return lessontables::satelliteCsv(lesson_, tableLanguage()); },
        tr("Satellitenpositionen"));
  });
  QAction* history = tables->addAction({}, this, [this] {
    saveTableDialog(
        &window_, [this] { return lessontables::historyCsv(lesson_.history(), tableLanguage()); },
        tr("Positionsbestimmungen"));
  });
  // The buttons go to the window's tool bar, whose language changes are theirs too.
  onLanguageChange(&window, [this, satellites, history] {
    if (ButtonSzenarioOeffnen) ButtonSzenarioOeffnen->setToolTip(tr("Szenario öffnen… (Strg+O)"));
    if (ButtonSzenarioSpeichern)
      ButtonSzenarioSpeichern->setToolTip(tr("Szenario speichern… (Strg+S)"));
    if (ButtonTabelleExportieren) ButtonTabelleExportieren->setToolTip(tr("Tabelle exportieren…"));
    satellites->setText(tr("Satellitenpositionen…"));
    history->setText(tr("Verlauf der Positionsbestimmungen…"));
  });
  ButtonTabelleExportieren->setMenu(tables);
  ButtonTabelleExportieren->setPopupMode(QToolButton::InstantPopup);

  connect(ButtonSzenarioOeffnen, &QToolButton::clicked, this, &LessonFiles::openScenarioDialog);
  connect(ButtonSzenarioSpeichern, &QToolButton::clicked, this, &LessonFiles::saveScenarioDialog);
  connect(recentMenu_, &QMenu::aboutToShow, this, &LessonFiles::fillRecentMenu);
}

// Buttons no tool bar took are still ours.
LessonFiles::~LessonFiles() {
  for (QToolButton* button : {ButtonSzenarioOeffnen, ButtonSzenarioSpeichern, ButtonTabelleExportieren})
    if (button && !button->parent()) delete button;
}

bool LessonFiles::saveScenario(const QString& path, const std::string& description) {
  return writeScenario(path, {lesson_.state(), description});
}

bool LessonFiles::writeScenario(const QString& path, const LessonScenario& scenario) {
  const std::size_t length = lessonfile::characterCount(scenario.description);
  const std::vector<std::uint8_t> bytes = lessonfile::encode(scenario);
  const QString reason =
      length > lessonfile::maxDescriptionLength
          ? QString::fromStdString(lessonfile::descriptionTooLong(length))
          : writeFileSafely(path, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                             qsizetype(bytes.size())));
  if (!reason.isEmpty()) {
    showError(lessonfile::saveRefusal(shownName(QFile::encodeName(path)), reason.toStdString()));
    return false;
  }
  description_ = scenario.description;
  addToRecent(path);
  return true;
}

bool LessonFiles::openScenario(const QString& path) {
  return openScenarioFile(QFile::encodeName(path));
}

bool LessonFiles::openScenarioFile(const QByteArray& nativePath) {
  const QString path = QFile::decodeName(nativePath);
  // Only a name that survives the way through text can be offered again.
  const bool nameIsText = QFile::encodeName(path) == nativePath;
  // German like every reason: the message box translates the refusal part by part.
  auto bytes = platform::readFileBytes(nativePath.toStdString(), lessonfile::maxFileSize,
                                       lessonfile::fileTooLarge());
  std::string reason;
  if (const auto* r = std::get_if<std::string>(&bytes)) {
    reason = *r;
  } else {
    auto decoded = lessonfile::decode(std::get<std::vector<std::uint8_t>>(bytes));
    if (auto* why = std::get_if<std::string>(&decoded)) {
      reason = *why;
    } else {
      LessonScenario& scenario = std::get<LessonScenario>(decoded);
      if (auto message = lesson_.restore(scenario.state)) {
        reason = lessonfile::invalidValues(*message);
      } else {
        description_ = std::move(scenario.description);
        if (nameIsText) addToRecent(path);
        showDescription(QFileInfo(path).fileName());
        return true;
      }
    }
  }
  if (nameIsText) removeFromRecent(path);
  showError(lessonfile::openRefusal(shownName(nativePath), reason));
  return false;
}

void LessonFiles::openArguments(const QByteArrayList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i].startsWith('-')) continue;
    const QByteArray path = arguments[i];
    QTimer::singleShot(0, this, [this, path] { openScenarioFile(path); });
    return;
  }
}

void LessonFiles::showDescription(const QString& fileName) {
  if (description_.empty()) return;
  // Not modal: the class works with the lesson while the task stays in view. Plain
  // text in a scrolling view: a task is typed text, however it looks.
  const TextDialog box = makeTextDialog(&window_, "DialogAufgabe", tr("Aufgabe – %1").arg(fileName),
                                        QString::fromStdString(description_), false);
  box.dialog->setAttribute(Qt::WA_DeleteOnClose);
  const QRect screen = window_.screen()->availableGeometry();
  box.dialog->resize(std::min(560, screen.width() * 9 / 10), std::min(360, screen.height() * 8 / 10));
  box.dialog->show();
}

bool LessonFiles::askDescription(QString& text) {
  const TextDialog box =
      makeTextDialog(&window_, "DialogAufgabeEingeben", tr("Szenario speichern"), text, true);
  const std::unique_ptr<QDialog> owner(box.dialog);
  auto* label = new QLabel(tr("Aufgabe (wird beim Öffnen des Szenarios angezeigt):"), box.dialog);
  label->setBuddy(box.text);
  box.layout->insertWidget(0, label);
  auto* count = new QLabel(box.dialog);
  count->setObjectName("LabelAufgabeLaenge");
  box.layout->insertWidget(2, count);
  const auto update = [box, count] {
    const std::size_t n = lessonfile::characterCount(box.text->toPlainText().toStdString());
    const bool fits = n <= lessonfile::maxDescriptionLength;
    count->setText(fits ? tr("%1 von %2 Zeichen")
                              .arg(QLocale().toString(qlonglong(n)),
                                   QLocale().toString(qlonglong(lessonfile::maxDescriptionLength)))
                        : coreText(lessonfile::descriptionTooLong(n)));
    count->setStyleSheet(fits ? QString() : QString("color: #b00000"));
    box.ok->setEnabled(fits);
  };
  connect(box.text, &QPlainTextEdit::textChanged, box.dialog, update);
  update();
  box.dialog->resize(520, 320);
  if (box.dialog->exec() != QDialog::Accepted) return false;
  text = box.text->toPlainText();
  return true;
}

void LessonFiles::saveScenarioDialog() {
  // What the class sees at the click is what is kept, however long the dialogs take.
  const LessonState state = lesson_.state();
  QString text = QString::fromStdString(description_);
  if (!askDescription(text)) return;
  const QStringList recent = recentFiles();
  const QString suggested =
      recent.isEmpty() ? QDir(lastDirectory(kScenarioDirectoryKey)).filePath(tr("Szenario.ortivo"))
                       : recent.front();
  QString path =
      QFileDialog::getSaveFileName(&window_, tr("Szenario speichern"), suggested, scenarioFilter());
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QString::fromUtf8(lessonfile::fileSuffix.data());
  rememberDirectory(kScenarioDirectoryKey, path);
  writeScenario(path, {state, text.toStdString()});
}

void LessonFiles::openScenarioDialog() {
  const QString path = QFileDialog::getOpenFileName(
      &window_, tr("Szenario öffnen"), lastDirectory(kScenarioDirectoryKey),
      scenarioFilter() + ";;" + tr("Alle Dateien (*)"));
  if (path.isEmpty()) return;
  rememberDirectory(kScenarioDirectoryKey, path);
  openScenario(path);
}

QStringList LessonFiles::recentFiles() const {
  return programSettings()->value(kRecentKey).toStringList();
}

void LessonFiles::addToRecent(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList recent = recentFiles();
  recent.removeAll(absolute);
  recent.prepend(absolute);
  while (recent.size() > maxRecentFiles) recent.removeLast();
  programSettings()->setValue(kRecentKey, recent);
}

void LessonFiles::removeFromRecent(const QString& path) {
  QStringList recent = recentFiles();
  if (recent.removeAll(QFileInfo(path).absoluteFilePath()) > 0)
    programSettings()->setValue(kRecentKey, recent);
}

QString LessonFiles::scenarioFilter() const { return tr("Ortivo-Szenario (*.ortivo)"); }

void LessonFiles::fillRecentMenu() {
  recentMenu_->clear();
  const QStringList recent = recentFiles();
  if (recent.isEmpty())
    recentMenu_->addAction(tr("Noch kein Szenario geöffnet"))->setEnabled(false);
  for (const QString& path : recent) {
    // "&" would mark a shortcut letter in a menu.
    QAction* action = recentMenu_->addAction(QFileInfo(path).fileName().replace("&", "&&"), this,
                                             [this, path] { openScenario(path); });
    action->setToolTip(richEscaped(QDir::toNativeSeparators(path)));
  }
  recentMenu_->setToolTipsVisible(true);
}
