#include "platform/messages.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace platform {
namespace {

void writeToStderr(MessageKind kind, const std::string& text) {
  const char* label = kind == MessageKind::Error ? "Fehler" : "Information";
  std::fprintf(stderr, "%s: %s\n", label, text.c_str());
}

MessageHandler& messageHandler() {
  static MessageHandler handler = writeToStderr;
  return handler;
}

EndProgramHandler& endHandler() {
  static EndProgramHandler handler;
  return handler;
}

}  // namespace

void showMessage(MessageKind kind, const std::string& utf8Text) {
  messageHandler()(kind, utf8Text);
}

void endProgram(int exitCode) {
  if (auto& handler = endHandler()) handler(exitCode);
  std::fflush(nullptr);
  std::exit(exitCode);
}

MessageHandler setMessageHandler(MessageHandler handler) {
  if (!handler) handler = writeToStderr;
  return std::exchange(messageHandler(), std::move(handler));
}

EndProgramHandler setEndProgramHandler(EndProgramHandler handler) {
  return std::exchange(endHandler(), std::move(handler));
}

}  // namespace platform
