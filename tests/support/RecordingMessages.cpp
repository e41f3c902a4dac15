#include "tests/support/RecordingMessages.h"

namespace testing_support {

RecordingMessages::RecordingMessages() {
  previousMessage_ = platform::setMessageHandler(
      [this](platform::MessageKind kind, const std::string& text) {
        messages_.push_back({kind, text});
      });
  previousEnd_ = platform::setEndProgramHandler([](int code) { throw ProgramEnded(code); });
}

RecordingMessages::~RecordingMessages() {
  platform::setMessageHandler(std::move(previousMessage_));
  platform::setEndProgramHandler(std::move(previousEnd_));
}

std::vector<std::string> RecordingMessages::texts() const {
  std::vector<std::string> result;
  for (const auto& m : messages_) result.push_back(m.text);
  return result;
}

}  // namespace testing_support
