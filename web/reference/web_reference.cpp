// The desktop's side of the browser's tests: the lesson, the demonstrations and the
// lesson files run natively (x86-64, the x87 arithmetic the desktop computes in),
// driven by a script on standard input, one command a line, fields separated by tabs.
// Each command prints one line of JSON with what the desktop would show: messages,
// the records of the determinations that fell due, positions, pictures as words.
//
//   seed N                          first: the lesson and the two demonstrations
//   cartToGeo|bewegen|berechne X Y Z
//   geoToCart EW LONDEG LONMIN NS LATDEG LATMIN HEIGHT
//   erzeugen | pause | step | speed V | factor V | defective N 0|1
//   advance MS                      the time goes on; the ticks that fall due run
//   lesson                          the lesson as a file's bytes (hex)
//   satellites                      the satellite table
//   demo2d start|ok|timer|close     demo3d show|ok|algorithmus|timer|turn DX DY ...
//   picture 2d|3d                   the drawing calls now on the picture
//   write PATH TASK                 saves the lesson as a file (\n in TASK: a line break)
//   read PATH                       opens a file: the message, or the lesson it holds
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "demo/demoGpsUnit.h"
#include "demo/dreiDDemo.h"
#include "model/LessonFile.h"
#include "model/LessonModel.h"
#include "platform/PictureRecorder.h"
#include "platform/numformat.h"
#include "platform/random.h"
#include "render3d/dreiDdarstellungclss.h"
#include "web/binding/CanvasStream.h"
#include "web/binding/Json.h"
#include "web/binding/WebSession.h"

namespace {

using web::Json;

std::string hexOf(const std::vector<std::uint8_t>& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  for (const std::uint8_t b : bytes) {
    hex += digits[b >> 4];
    hex += digits[b & 15];
  }
  return hex;
}

// The lesson with what its main window would be told, collected per command.
struct Desktop : LessonObserver {
  LessonModel lesson;
  std::int64_t now = 0;
  std::vector<std::string> records, messages;
  web::MeasuringCanvas surface2D{web::WebSession::demo2DWidth, web::WebSession::demo2DHeight,
                                 web::fixedTextMetrics()};
  web::MeasuringCanvas surface3D{web::WebSession::demo3DWidth, web::WebSession::demo3DHeight,
                                 web::fixedTextMetrics()};
  platform::PictureRecorder picture2D{surface2D}, picture3D{surface3D};
  std::unique_ptr<TDemo2DAblauf> demo2D;
  std::unique_ptr<TDemo3DAblauf> demo3D;

  explicit Desktop(std::uint64_t seed) {
    platform::setDecimalSeparator(",");
    platform::setRandomSeed(seed);
    lesson.setTimeSource([this] { return now; });
    lesson.addObserver(this);
    demo2D = std::make_unique<TDemo2DAblauf>(picture2D);
    demo3D = std::make_unique<TDemo3DAblauf>(picture3D, T3DProjektion::parallel,
                                             &LessonModel::erzeugePosition);
  }
  ~Desktop() override { lesson.removeObserver(this); }

  void determined(const DeterminationRecord& record) override {
    Json json;
    web::writeRecord(json, record);
    records.push_back(json.str());
    if (!record.found()) messages.push_back(record.message);
  }
  void refused(const std::optional<std::string>& message) {
    if (message) messages.push_back(*message);
  }
};

const std::string& at(const std::vector<std::string>& f, std::size_t i) {
  static const std::string empty;
  return i < f.size() ? f[i] : empty;
}

CartesianEntry cartesian(const std::vector<std::string>& f) { return {at(f, 1), at(f, 2), at(f, 3)}; }

int number(const std::vector<std::string>& f, std::size_t i) {
  return platform::parseInteger(at(f, i)).value_or(0);
}

void writeState(Json& json, const LessonState& s) {
  json.key("state").beginObject().field("hasTruePosition", s.hasTruePosition);
  json.key("cart");
  web::writeCartesian(json, s.truePosition, 10);
  json.key("geo");
  web::writeGeo(json, s.trueGeo, 10);
  json.field("speed", s.speed).field("travelling", s.travelling).field("determining", s.determining);
  json.field("step", s.step).field("timeFactor", s.timeFactor).field("timeRunning", s.timeRunning);
  json.key("defective").beginArray();
  for (int k = 1; k <= LessonModel::satelliteCount; ++k) json.value(s.defective[static_cast<std::size_t>(k)]);
  json.endArray().endObject();
}

void writePicture(Json& json, const platform::PictureRecorder& recorder) {
  web::CanvasStream stream(0, 0);
  web::encodePicture(recorder, stream);
  json.key("words").beginArray();
  for (const std::int32_t w : stream.words()) json.value(static_cast<std::int64_t>(w));
  json.endArray();
  json.key("texts").beginArray();
  for (const std::string& t : stream.texts()) json.value(t);
  json.endArray();
}

}  // namespace

int main() {
  std::unique_ptr<Desktop> d;
  std::string line;
  while (std::getline(std::cin, line)) {
    std::vector<std::string> f;
    std::stringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) f.push_back(field);
    if (f.empty()) continue;
    const std::string& c = f[0];
    Json json;
    json.beginObject().field("command", c);
    if (c == "seed") {
      d = std::make_unique<Desktop>(std::stoull(at(f, 1)));
    } else if (!d) {
      std::cerr << "the first command must be seed\n";
      return 2;
    } else if (c == "cartToGeo") {
      const auto message = d->lesson.cartToGeo(cartesian(f));
      d->refused(message);
      if (!message) web::writeGeo(json.key("geo"), d->lesson.trueGeo(), 10);
    } else if (c == "geoToCart") {
      const auto message = d->lesson.geoToCart(
          {at(f, 1), at(f, 2), at(f, 3), at(f, 4), at(f, 5), at(f, 6), at(f, 7)});
      d->refused(message);
      if (!message) web::writeCartesian(json.key("cart"), d->lesson.truePosition(), 10);
    } else if (c == "erzeugen") {
      d->lesson.erzeugen();
      web::writeCartesian(json.key("cart"), d->lesson.truePosition(), 10);
      web::writeGeo(json.key("geo"), d->lesson.shownGeo(), 10);
    } else if (c == "bewegen") {
      if (d->lesson.travelling())
        d->lesson.stopTravel();
      else
        d->refused(d->lesson.startTravel(cartesian(f)));
    } else if (c == "berechne") {
      if (d->lesson.determining())
        d->lesson.stopDetermination();
      else
        d->refused(d->lesson.startDetermination(cartesian(f)));
    } else if (c == "speed") {
      d->lesson.setSpeed(number(f, 1));
    } else if (c == "factor") {
      d->lesson.setTimeFactor(number(f, 1));
    } else if (c == "defective") {
      d->lesson.setDefective(number(f, 1), at(f, 2) == "1");
    } else if (c == "pause") {
      d->lesson.setSatellitesRunning(!d->lesson.satellitesRunning());
    } else if (c == "step") {
      d->lesson.singleStep();
    } else if (c == "advance") {
      d->now += number(f, 1);
      d->lesson.advanceTime();
      if (d->lesson.travelling()) {
        web::writeCartesian(json.key("cart"), d->lesson.truePosition(), 10);
        web::writeGeo(json.key("geo"), d->lesson.shownGeo(), 10);
      }
    } else if (c == "lesson") {
      json.field("hex", hexOf(lessonfile::encode({d->lesson.state(), ""})));
    } else if (c == "satellites") {
      json.key("satellites").beginArray();
      for (int k = 1; k <= LessonModel::satelliteCount; ++k)
        web::writeCartesian(json, d->lesson.constellation().satellites[k].position, 3);
      json.endArray();
    } else if (c == "demo2d") {
      const std::string& a = at(f, 1);
      if (a == "start") d->demo2D->startDemo();
      else if (a == "ok") d->demo2D->okClick();
      else if (a == "timer") d->demo2D->demoTimerTimer();
      else if (a == "close") d->demo2D->closeDemo();
      json.key("memo").beginArray();
      for (const std::string& m : d->demo2D->memo) json.value(m);
      json.endArray();
    } else if (c == "demo3d") {
      TDemo3DAblauf& a3 = *d->demo3D;
      const std::string& a = at(f, 1);
      if (a == "show") {
        platform::Canvas& p = d->picture3D;
        p.setBrushColor(platform::colors::black);
        p.setBrushStyle(platform::BrushStyle::Solid);
        p.setPenColor(platform::colors::black);
        p.rectangle(0, 0, p.width(), p.height());
      } else if (a == "ok") {
        a3.okClick(at(f, 2) == "central" ? T3DProjektion::central : T3DProjektion::parallel);
      } else if (a == "algorithmus") {
        a3.algorithmusClick();
      } else if (a == "abbrechen") {
        a3.algorithmusAbbrechenClick();
      } else if (a == "anhalten") {
        a3.anhaltenClick();
      } else if (a == "aequator") {
        a3.aequatorClick();
      } else if (a == "nordpol") {
        a3.nordpolClick();
      } else if (a == "timer") {
        a3.timerTick();
      }
      json.key("memo").beginArray();
      for (const std::string& m : a3.memo) json.value(m);
      json.endArray();
    } else if (c == "picture") {
      writePicture(json, at(f, 1) == "3d" ? d->picture3D : d->picture2D);
    } else if (c == "write") {
      std::string task;
      for (std::size_t i = 0; i < at(f, 2).size(); ++i) {
        const bool lineBreak = at(f, 2).compare(i, 2, "\\n") == 0;
        task += lineBreak ? '\n' : at(f, 2)[i];
        i += lineBreak;
      }
      const auto bytes = lessonfile::encode({d->lesson.state(), task});
      std::ofstream(at(f, 1), std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
      json.field("hex", hexOf(bytes));
    } else if (c == "read") {
      std::ifstream in(at(f, 1), std::ios::binary);
      const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
      auto decoded = lessonfile::decode(bytes);
      if (const auto* why = std::get_if<std::string>(&decoded)) {
        json.field("refused", *why);
      } else {
        const LessonScenario& s = std::get<LessonScenario>(decoded);
        writeState(json, s.state);
        json.field("task", s.description);
        // Written again: the same bytes, if nothing was lost on the way.
        json.field("hex", hexOf(lessonfile::encode(s)));
      }
    } else {
      std::cerr << "unknown command: " << c << '\n';
      return 2;
    }
    json.key("messages").beginArray();
    for (const std::string& m : d->messages) json.value(m);
    json.endArray();
    json.key("records").beginArray();
    for (const std::string& r : d->records) json.raw(r);
    json.endArray().endObject();
    d->messages.clear();
    d->records.clear();
    std::cout << json.str() << '\n';
  }
  return 0;
}
