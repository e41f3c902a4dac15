#pragma once

#include <QString>
#include <QUrl>

// The URL the desktop shell is asked to open for a target of platform::shellOpen: an
// address with a scheme ("http://...", "Mailto:...") as it stands, anything else (and an
// existing file whose name merely looks like an address) as a local file, made absolute
// against the current directory.
QUrl shellTargetUrl(const QString& target);

// Whether the desktop has a program that opens this local file.
bool desktopHasProgramFor(const QString& file);

// Routes platform::shellOpen to QDesktopServices::openUrl, answering false for a local
// file no program is registered for; called once from main().
void installQtShellHandler();
