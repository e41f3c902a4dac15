#include "platform/shell.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/messages.h"

namespace platform {
namespace {

// Without a desktop there is nothing to open with; starting a shell command here would
// hand the target to a command interpreter, so we only say what was asked for.
void writeToStderr(const std::string& target) {
  std::fprintf(stderr, "Öffnen nicht möglich (keine Desktop-Umgebung): %s\n", target.c_str());
}

ShellOpenHandler& openHandler() {
  static ShellOpenHandler handler = writeToStderr;
  return handler;
}

}  // namespace

void shellOpen(const std::string& target) { openHandler()(target); }

ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler) {
  if (!handler) handler = writeToStderr;
  return std::exchange(openHandler(), std::move(handler));
}

void openHelpFile(const std::string& fileName) {
  // A directory of that name is no help file; is_regular_file follows symbolic links.
  std::error_code error;
  const bool present = !fileName.empty() && std::filesystem::is_regular_file(fileName, error);
  if (present) {
    shellOpen(fileName);
  } else {
    showMessage(MessageKind::Information,
                "Die Hilfedatei " + fileName + " ist nicht vorhanden");
  }
}

}  // namespace platform
