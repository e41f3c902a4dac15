#pragma once

#include <functional>
#include <string>

namespace platform {

// The help file the main window opens; looked up relative to the current directory.
inline constexpr const char* helpFileName = "GPS.chm";

// Receives what the desktop shell should "open": a file name (relative to the current
// directory or absolute) or an address with its scheme, e.g. "http://..." or "Mailto:...".
using ShellOpenHandler = std::function<void(const std::string& target)>;

// Asks the desktop shell to open `target` through the installed handler. The result is
// not reported: the shell shows its own complaints. The default handler opens nothing and
// writes a note to stderr; the user interface installs one that reaches the desktop.
void shellOpen(const std::string& target);

// Returns the handler it replaces; an empty function restores the default.
ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler);

// Opens the help file with the desktop shell if a regular file of that name exists
// relative to the current directory; otherwise shows the information message
// "Die Hilfedatei <fileName> ist nicht vorhanden".
void openHelpFile(const std::string& fileName);

}  // namespace platform
