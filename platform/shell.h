#pragma once

#include <functional>
#include <string>

namespace platform {

// The help file the main window opens; looked up relative to the current directory.
inline constexpr const char* helpFileName = "GPS.chm";

// The built-in help the program carries beside GPS.chm, for desktops that can not open that.
inline constexpr const char* builtInHelpFileName = "ortivo.qch";

// Receives what the desktop shell should "open": a file name (relative to the current
// directory or absolute) or an address with its scheme, e.g. "http://..." or "Mailto:...".
// Answers whether the desktop took it: false where no program is there to open it.
using ShellOpenHandler = std::function<bool(const std::string& target)>;

// Asks the desktop shell to open `target` through the installed handler. The default
// handler opens nothing, writes a note to stderr and answers false; the user interface
// installs one that reaches the desktop.
bool shellOpen(const std::string& target);

// Returns the handler it replaces; an empty function restores the default.
ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler);

// Shows the built-in help at `page` (a file of the help, e.g. "demo3d.html"; empty for
// the start page). Answers false when there is no built-in help to show.
using HelpViewer = std::function<bool(const std::string& page)>;
// Returns the viewer it replaces; an empty function means there is none.
HelpViewer setHelpViewer(HelpViewer viewer);

// Opens the help file with the desktop shell if a regular file of that name exists
// relative to the current directory. Where it is missing, or the desktop can not open
// it, the built-in help viewer shows the help instead. With neither, a missing file
// gives the information message "Die Hilfedatei <fileName> ist nicht vorhanden", one the
// desktop could not open "Die Hilfedatei <fileName> konnte nicht geöffnet werden".
void openHelpFile(const std::string& fileName);

}  // namespace platform
