#pragma once

#include <QString>
#include <QUrl>

// The URL the desktop shell is asked to open for a target of platform::shellOpen: an
// address with a scheme ("http://...", "Mailto:...") as it stands, anything else (and an
// existing file whose name merely looks like an address) as a local file, made absolute
// against the current directory.
QUrl shellTargetUrl(const QString& target);

// Routes platform::shellOpen to QDesktopServices::openUrl; called once from main().
void installQtShellHandler();
