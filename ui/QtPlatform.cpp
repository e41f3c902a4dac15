#include "ui/QtPlatform.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QMessageBox>

#include "platform/messages.h"
#include "platform/numformat.h"
#include "ui/Language.h"

void installQtPlatform() {
  platform::setDecimalSeparator(QLocale().decimalPoint().toStdString());
  // Drawings name the classic dialog font; show it in a clean sans serif.
  QFont::insertSubstitution("MS Sans Serif", "DejaVu Sans");
  QFont::insertSubstitution("MS SANS SERIF", "DejaVu Sans");
  // The core's messages are German; those of the windows are already translated.
  platform::setMessageHandler([](platform::MessageKind kind, const std::string& text) {
    QWidget* owner = QApplication::activeWindow();
    QMessageBox box(
        kind == platform::MessageKind::Error ? QMessageBox::Critical : QMessageBox::Information,
        QApplication::applicationDisplayName(), coreText(text), QMessageBox::Ok, owner);
    // Messages quote file names and entries: never lay them out as HTML.
    box.setTextFormat(Qt::PlainText);
    box.exec();
  });
}
