// The functions the page calls (WebAssembly exports). Texts go both ways as UTF-8;
// the fields of an action are separated by the unit separator 0x1F. Every answer is
// JSON and stays valid until the next call.
#include <emscripten.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "model/LessonFile.h"
#include "web/binding/CanvasStream.h"
#include "web/binding/Json.h"
#include "web/binding/WebSession.h"

namespace {

// The page measures text with the browser's fonts, as the desktop asks Qt's.
EM_JS(int, jsTextWidth, (const char* font, const char* text),
      { return Module["measureTextWidth"](UTF8ToString(font), UTF8ToString(text)); });
EM_JS(int, jsTextHeight, (const char* font), { return Module["measureTextHeight"](UTF8ToString(font)); });

std::unique_ptr<web::WebSession> session;
web::CanvasStream stream(0, 0);
std::string answer;
std::vector<std::uint8_t> fileBytes;
// The page's English, kept for every session; empty while the page is German.
platform::Dictionary english;
bool englishOn = false;

const char* reply(std::string text) {
  answer = std::move(text);
  return answer.c_str();
}

std::vector<std::string> splitFields(const char* fields) {
  std::vector<std::string> out;
  if (!fields || !*fields) return out;
  std::string current;
  for (const char* p = fields; *p; ++p) {
    if (*p == '\x1f') {
      out.push_back(std::move(current));
      current.clear();
    } else {
      current += *p;
    }
  }
  out.push_back(std::move(current));
  return out;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* ortivo_start(const char* seed) {
  std::optional<std::uint64_t> s;
  if (seed && *seed) s = std::strtoull(seed, nullptr, 10);
  web::TextMetrics metrics{
      [](const platform::Font& f, const std::string& text) {
        return jsTextWidth(web::cssFont(f).c_str(), text.c_str());
      },
      [](const platform::Font& f) { return jsTextHeight(web::cssFont(f).c_str()); }};
  session.reset();
  session = std::make_unique<web::WebSession>(s, metrics);
  session->setLanguage(englishOn ? &english : nullptr);
  return reply(session->fullView());
}

// The page's language: German with no fields, English with the translations as pairs
// of fields (German, English), given once; returns the view written anew.
EMSCRIPTEN_KEEPALIVE const char* ortivo_language(const char* pairs) {
  const std::vector<std::string> fields = splitFields(pairs);
  if (english.empty())  // the pairs never change: a second switch to English reuses them
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2) english.add(fields[i], fields[i + 1]);
  englishOn = !fields.empty();
  if (!session) return reply("{}");
  session->setLanguage(englishOn ? &english : nullptr);
  return reply(session->fullView());
}

EMSCRIPTEN_KEEPALIVE void ortivo_set_time(double ms) {
  if (session) session->setTime(static_cast<std::int64_t>(ms));
}

EMSCRIPTEN_KEEPALIVE const char* ortivo_action(const char* name, const char* fields) {
  return reply(session->action(name, splitFields(fields)));
}

EMSCRIPTEN_KEEPALIVE const char* ortivo_view(const char* which) {
  const std::string w = which;
  if (w == "sky") return reply(session->skyView());
  if (w == "demo2d") return reply(session->demo2DView());
  if (w == "demo3d") return reply(session->demo3DView());
  // "task:N": whether a task of N characters fits a file, and the refusal if not.
  if (w.rfind("task:", 0) == 0) {
    const auto n = static_cast<std::size_t>(std::strtoull(w.c_str() + 5, nullptr, 10));
    web::Json json;
    json.beginObject()
        .field("fits", n <= lessonfile::maxDescriptionLength)
        .field("refusal", session ? session->text(lessonfile::descriptionTooLong(n))
                                  : lessonfile::descriptionTooLong(n))
        .endObject();
    return reply(json.str());
  }
  return reply(session->fullView());
}

// The picture now on a surface: its words lie in the memory at `words`.
EMSCRIPTEN_KEEPALIVE const char* ortivo_picture(int which) {
  session->picture(static_cast<web::WebSession::Picture>(which), stream);
  web::Json json;
  json.beginObject()
      .field("words", static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(stream.words().data())))
      .field("count", static_cast<std::int64_t>(stream.words().size()));
  json.key("fonts").beginArray();
  for (const platform::Font& f : stream.fonts())
    json.beginObject().field("css", web::cssFont(f)).field("color", static_cast<std::int64_t>(f.color)).endObject();
  json.endArray();
  json.key("texts").beginArray();
  for (const std::string& t : stream.texts()) json.value(t);
  json.endArray().endObject();
  return reply(json.str());
}

// The lesson with a task as a file's bytes (at `bytes`), or a message in the update.
EMSCRIPTEN_KEEPALIVE const char* ortivo_save(const char* task) {
  std::string update;
  fileBytes = session->save(task, update);
  web::Json json;
  json.beginObject()
      .field("bytes", static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(fileBytes.data())))
      .field("size", static_cast<std::int64_t>(fileBytes.size()))
      .key("update")
      .raw(update)
      .endObject();
  return reply(json.str());
}

EMSCRIPTEN_KEEPALIVE const char* ortivo_open(const char* name, const std::uint8_t* data, int size) {
  return reply(session->open(name, data, static_cast<std::size_t>(size)));
}

// What a lesson file would keep now (for the tests: the lesson unchanged?).
EMSCRIPTEN_KEEPALIVE const char* ortivo_lesson_hex() {
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  for (const std::uint8_t b : lessonfile::encode({session->lesson().state(), session->description()})) {
    hex += digits[b >> 4];
    hex += digits[b & 15];
  }
  return reply(hex);
}

}  // extern "C"
