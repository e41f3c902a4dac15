#include "ui/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QRegularExpression>

#include "platform/shell.h"

QUrl shellTargetUrl(const QString& target) {
  // At least two letters before the colon, so that a drive letter never passes as a scheme.
  static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
  const QFileInfo file(target);
  if (scheme.match(target).hasMatch() && !file.exists()) return QUrl(target);
  return QUrl::fromLocalFile(file.absoluteFilePath());
}

void installQtShellHandler() {
  platform::setShellOpenHandler([](const std::string& target) {
    QDesktopServices::openUrl(shellTargetUrl(QString::fromStdString(target)));
  });
}
