#include "ui/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>

#include "platform/shell.h"

QUrl shellTargetUrl(const QString& target) {
  // At least two letters before the colon, so that a drive letter never passes as a scheme.
  static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
  const QFileInfo file(target);
  if (scheme.match(target).hasMatch() && !file.exists()) return QUrl(target);
  return QUrl::fromLocalFile(file.absoluteFilePath());
}

bool desktopHasProgramFor(const QString& file) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
  Q_UNUSED(file);
  return true;
#else
  // Elsewhere QDesktopServices hands every file to xdg-open and reports success even
  // where nothing is registered for its type; xdg-mime tells the truth.
  const QString type = QMimeDatabase().mimeTypeForFile(file).name();
  QProcess query;
  query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type});
  if (!query.waitForStarted(2000)) return false;
  if (!query.waitForFinished(3000)) {
    query.kill();
    query.waitForFinished(1000);
    return false;
  }
  return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
         !query.readAllStandardOutput().trimmed().isEmpty();
#endif
}

void installQtShellHandler() {
  platform::setShellOpenHandler([](const std::string& target) {
    const QUrl url = shellTargetUrl(QString::fromStdString(target));
    if (url.isLocalFile() && !desktopHasProgramFor(url.toLocalFile())) return false;
    return QDesktopServices::openUrl(url);
  });
}
