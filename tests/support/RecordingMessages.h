#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/messages.h"

namespace testing_support {

// Thrown by the recording end-of-program handler, so that a test can see that the
// program would have ended, and with which exit code.
struct ProgramEnded : std::runtime_error {
  explicit ProgramEnded(int c) : std::runtime_error("program ended"), code(c) {}
  int code;
};

// Installs recording message and end-of-program handlers for its lifetime.
class RecordingMessages {
 public:
  struct Message {
    platform::MessageKind kind;
    std::string text;
  };

  RecordingMessages();
  ~RecordingMessages();
  RecordingMessages(const RecordingMessages&) = delete;
  RecordingMessages& operator=(const RecordingMessages&) = delete;

  const std::vector<Message>& messages() const { return messages_; }
  std::vector<std::string> texts() const;
  void clear() { messages_.clear(); }

 private:
  std::vector<Message> messages_;
  platform::MessageHandler previousMessage_;
  platform::EndProgramHandler previousEnd_;
};

}  // namespace testing_support
