#pragma once

// Scenario files (.ortivo): a lesson as a teacher prepares it, with the task text the
// class reads when the file is opened.
//
// The file is an element stream. Its head names the format, its version and
// revision, the length of the body and the CRC-32 of everything but itself; the body
// is a list of value elements in which each entry is a name (TString) followed by
// its value. A reader
// refuses a greater version; a greater revision only adds entries, which a reader
// that does not know them skips. So every later program reads today's files.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/LessonModel.h"

struct LessonScenario {
  LessonState state;
  // The teacher's task ("Aufgabe"), UTF-8. The file keeps it in the element
  // stream's code page, Windows-1252: other characters come back as '?'.
  std::string description;
};

namespace lessonfile {

constexpr std::string_view formatName = "Ortivo-Szenario";
constexpr std::int32_t formatVersion = 1;
// Revision 1 adds the run of time (time-lapse factor, paused), revision 2 the
// measurement errors (the sources, their σ, the seed they are drawn from).
constexpr std::int32_t formatRevision = 2;
// A scenario takes a few hundred bytes; whatever is far larger is no scenario.
constexpr std::size_t maxFileSize = 1 << 20;
constexpr std::string_view fileSuffix = ".ortivo";
// Characters of a task: more than any real lesson needs, little enough to show at once.
constexpr std::size_t maxDescriptionLength = 10'000;

// Characters (code points) of a UTF-8 text.
std::size_t characterCount(std::string_view utf8);
// The German message for a task longer than maxDescriptionLength; also a reason of decode.
std::string descriptionTooLong(std::size_t length);

std::vector<std::uint8_t> encode(const LessonScenario& scenario);

// The scenario, or why the bytes are none this program may take (German, a sentence
// that follows "Die Datei „…“ kann nicht geöffnet werden: "). A scenario is returned
// only when LessonModel::checkState accepts its state.
std::variant<LessonScenario, std::string> decode(const std::uint8_t* data, std::size_t size);
inline std::variant<LessonScenario, std::string> decode(const std::vector<std::uint8_t>& data) {
  return decode(data.data(), data.size());
}

// The message for a file that could not be opened or saved; `fileName` is shown as given.
std::string openRefusal(std::string_view fileName, std::string_view reason);
std::string saveRefusal(std::string_view fileName, std::string_view reason);
// The reason for a file larger than maxFileSize, refused unread.
std::string fileTooLarge();
// The reason for a state LessonModel::checkState refuses with `message`.
std::string invalidValues(std::string_view message);

// IEEE CRC-32 as zip and PNG compute it; `previous` continues the sum of the bytes
// before.
std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t previous = 0);

}  // namespace lessonfile
