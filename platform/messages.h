#pragma once

#include <functional>
#include <string>

namespace platform {

enum class MessageKind { Information, Error };

using MessageHandler = std::function<void(MessageKind, const std::string&)>;
using EndProgramHandler = std::function<void(int exitCode)>;

// Shows a modal message with an OK button through the installed handler. The
// default handler writes "kind: text" to stderr; the user interface installs one
// that shows a message box, tests one that records.
void showMessage(MessageKind kind, const std::string& utf8Text);

// Ends the program through the installed handler. Should the handler return (a
// test's handler throws instead), the process exits with the code.
[[noreturn]] void endProgram(int exitCode);

// Each returns the handler it replaces; an empty function restores the default.
MessageHandler setMessageHandler(MessageHandler handler);
EndProgramHandler setEndProgramHandler(EndProgramHandler handler);

}  // namespace platform
