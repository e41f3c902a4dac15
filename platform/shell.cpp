#include "platform/shell.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/messages.h"
#include "platform/texts.h"

namespace platform {
namespace {

// Without a desktop there is nothing to open with; starting a shell command here would
// hand the target to a command interpreter, so we only say what was asked for.
bool writeToStderr(const std::string& target) {
  std::fprintf(stderr, "Öffnen nicht möglich (keine Desktop-Umgebung): %s\n", target.c_str());
  return false;
}

ShellOpenHandler& openHandler() {
  static ShellOpenHandler handler = writeToStderr;
  return handler;
}

HelpViewer& helpViewer() {
  static HelpViewer viewer;
  return viewer;
}

}  // namespace

bool shellOpen(const std::string& target) { return openHandler()(target); }

HelpViewer setHelpViewer(HelpViewer viewer) { return std::exchange(helpViewer(), std::move(viewer)); }

ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler) {
  if (!handler) handler = writeToStderr;
  return std::exchange(openHandler(), std::move(handler));
}

void openHelpFile(const std::string& fileName) {
  // A directory of that name is no help file; is_regular_file follows symbolic links.
  std::error_code error;
  const bool present = !fileName.empty() && std::filesystem::is_regular_file(fileName, error);
  if (present && shellOpen(fileName)) return;
  // A desktop without a program for the file would otherwise do nothing at all.
  if (helpViewer() && helpViewer()("")) return;
  showMessage(
      MessageKind::Information,
      fillText(present ? ORTIVO_TEXT("core", "Die Hilfedatei %1 konnte nicht geöffnet werden")
                       : ORTIVO_TEXT("core", "Die Hilfedatei %1 ist nicht vorhanden"),
               {fileName}));
}

}  // namespace platform
