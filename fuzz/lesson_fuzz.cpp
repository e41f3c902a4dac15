// Reads arbitrary bytes as a scenario file. A file is taken or refused, never more:
// what is taken passes the entry checks, saves again to a file that reads back to the
// very same bytes, and a lesson put back from it gives that file once more.
#include <cstdint>
#include <cstdlib>
#include <variant>
#include <vector>

#include "fuzz/fuzzSupport.h"
#include "model/LessonFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_support::installHandlers();
  auto decoded = lessonfile::decode(data, size);
  if (std::holds_alternative<std::string>(decoded)) {
    if (std::get<std::string>(decoded).empty()) std::abort();  // a refusal names its reason
    return 0;
  }
  const LessonScenario& scenario = std::get<LessonScenario>(decoded);
  if (LessonModel::checkState(scenario.state)) std::abort();
  const std::vector<std::uint8_t> first = lessonfile::encode(scenario);
  auto again = lessonfile::decode(first);
  if (!std::holds_alternative<LessonScenario>(again)) std::abort();
  if (lessonfile::encode(std::get<LessonScenario>(again)) != first) std::abort();
  // Putting the satellites back replays every step: only short lessons, for speed.
  if (scenario.state.step <= 1000) {
    LessonModel lesson;
    if (lesson.restore(scenario.state)) std::abort();
    if (lessonfile::encode({lesson.state(), scenario.description}) != first) std::abort();
  }
  return 0;
}
