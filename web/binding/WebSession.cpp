#include "web/binding/WebSession.h"

#include <array>
#include <cmath>
#include <span>

#include "model/LessonFile.h"
#include "platform/numformat.h"
#include "platform/random.h"
#include "render3d/dreiDdarstellungclss.h"
#include "views/LessonTexts.h"
#include "views/SkyPlot.h"
#include "web/binding/Json.h"
#include "web/binding/SkyTexts.h"

namespace web {

std::string formatNumber(Extended value, int decimals, int precision) {
  return platform::formatFixed(value, decimals, precision);
}

void writeCartesian(Json& json, TVektorR3 v, int decimals) {
  json.beginArray()
      .value(formatNumber(v.x, decimals, 18))
      .value(formatNumber(v.y, decimals, 18))
      .value(formatNumber(v.z, decimals, 18))
      .endArray();
}

namespace {

std::string inLanguage(const platform::Dictionary* english, const std::string& german) {
  return english ? english->translate(german) : german;
}

platform::Lookup lookupIn(const platform::Dictionary* english) {
  if (!english) return [](const std::string& german) { return german; };
  return [english](const std::string& german) { return english->lookup(german); };
}

}  // namespace

void writeGeo(Json& json, const TGeoPosition& g, int decimals, const platform::Dictionary* english) {
  const platform::Lookup lookup = lookupIn(english);
  const std::string& separator = platform::decimalSeparator();
  const auto longitude = platform::formatDegreesMinutes(g.longitude.degrees, g.longitude.minutes,
                                                        decimals, 18, 180, separator);
  const auto latitude = platform::formatDegreesMinutes(g.latitude.degrees, g.latitude.minutes,
                                                       decimals, 18, 90, separator);
  json.beginObject()
      .field("ew", platform::shownHemisphere(std::string(1, g.eastWest), lookup))
      .field("lonDeg", std::to_string(longitude.degrees))
      .field("lonMin", longitude.minutes)
      .field("ns", platform::shownHemisphere(std::string(1, g.northSouth), lookup))
      .field("latDeg", std::to_string(latitude.degrees))
      .field("latMin", latitude.minutes)
      .field("height", formatNumber(g.height, 2, 7))
      .endObject();
}

void writeRecord(Json& json, const DeterminationRecord& record, const platform::Dictionary* english) {
  json.beginObject();
  json.field("number", record.number).field("found", record.found());
  std::int64_t iterations = 0;
  for (const WindowRecord& w : record.windows) iterations += w.iterations;
  json.field("windows", static_cast<int>(record.windows.size())).field("iterations", iterations);
  std::string received = std::to_string(record.signals.size()) + ": ";
  for (const SignalRecord& e : record.signals) received += std::to_string(e.number) + ", ";
  json.field("received", received);
  // The four signals of the window that converged, or of the last one tried, with
  // their fictive run times before any correction.
  json.key("signals").beginArray();
  if (const WindowRecord* window = record.shownWindow())
    for (int j = 0; j < 4; ++j) {
      const SignalRecord& e = record.signals[static_cast<std::size_t>(window->start + j)];
      json.beginArray()
          .value(std::to_string(e.number))
          .value(formatNumber(e.position.x, 3, 8))
          .value(formatNumber(e.position.y, 3, 8))
          .value(formatNumber(e.position.z, 3, 8))
          .value(std::to_string(e.fictiveRunTime / 1000000))
          .value(std::to_string((e.fictiveRunTime % 1000000) / 1000))
          .value(std::to_string(e.fictiveRunTime % 1000))
          .endArray();
    }
  json.endArray();
  if (record.found()) {
    json.key("cart");
    writeCartesian(json, record.position, 3);
    json.key("geo");
    writeGeo(json, record.geo, 3, english);
    json.field("distance", formatNumber(record.distance, 3, 8));
    json.field("speed", formatNumber(record.speed, 3, 4));
    json.key("exact")
        .beginArray()
        .value(static_cast<double>(record.position.x))
        .value(static_cast<double>(record.position.y))
        .value(static_cast<double>(record.position.z))
        .endArray();
  }
  json.field("message", inLanguage(english, record.message));
  json.endObject();
}

WebSession::WebSession(std::optional<std::uint64_t> seed, TextMetrics metrics)
    : surface2D_(demo2DWidth, demo2DHeight, metrics),
      surface3D_(demo3DWidth, demo3DHeight, metrics),
      surfaceSky_(skySize, skySize, metrics),
      picture2D_(surface2D_),
      picture3D_(surface3D_),
      pictureSky_(surfaceSky_) {
  platform::setDecimalSeparator(",");
  if (seed)
    platform::setRandomSeed(*seed);
  else
    platform::randomize();
  lesson_.setTimeSource([this] { return now_; });
  lesson_.addObserver(this);
  demo2D_ = std::make_unique<TDemo2DAblauf>(picture2D_);
  demo3D_ = std::make_unique<TDemo3DAblauf>(picture3D_, T3DProjektion::parallel,
                                            &LessonModel::erzeugePosition);
}

WebSession::~WebSession() { lesson_.removeObserver(this); }

void WebSession::setLanguage(const platform::Dictionary* english) {
  english_ = english;
  platform::setDecimalSeparator(english ? "." : ",");
  platform::setGroupSeparator(english ? "," : ".");
  if (lastRecord_) {
    Json json;
    writeRecord(json, *lastRecord_, english_);
    put("computed", json.str());
  }
}

std::string WebSession::text(const std::string& german) const {
  return inLanguage(english_, german);
}

// --- what the page writes anew ---------------------------------------------------

std::string WebSession::takeUpdate() {
  Json json;
  json.beginObject();
  for (auto& [key, value] : update_) json.key(key).raw(value);
  json.key("messages").beginArray();
  for (const std::string& m : messages_) json.value(m);
  json.endArray();
  json.key("nextDue");
  if (const auto due = lesson_.nextTickDue())
    json.value(*due);
  else
    json.null();
  json.endObject();
  update_.clear();
  messages_.clear();
  return json.str();
}

void WebSession::showMessage(const std::string& message) { messages_.push_back(text(message)); }

void WebSession::putSatellites() {
  Json json;
  json.beginArray();
  for (int k = 1; k <= LessonModel::satelliteCount; ++k)
    writeCartesian(json, lesson_.constellation().satellites[k].position, 3);
  json.endArray();
  put("satellites", json.str());
}

void WebSession::putTruePosition(bool cartesian, bool geographic, const TGeoPosition& geo) {
  if (cartesian) {
    Json json;
    writeCartesian(json, lesson_.truePosition(), 10);
    put("cart", json.str());
  }
  if (geographic) {
    Json json;
    writeGeo(json, geo, 10, english_);
    put("geo", json.str());
  }
}

void WebSession::putState() {
  const LessonModel& l = lesson_;
  Json json;
  json.beginObject()
      .field("travelling", l.travelling())
      .field("determining", l.determining())
      .field("speed", l.speed())
      .field("timeRunning", l.satellitesRunning())
      .field("factor", l.timeFactor())
      .field("step", l.step())
      .field("hasTruePosition", l.hasTruePosition());
  json.key("defective").beginArray();
  for (int k = 1; k <= LessonModel::satelliteCount; ++k) json.value(l.defective(k));
  json.endArray();
  json.field("bewegen", text(l.travelling() ? "Stoppen" : "Bewegen"));
  json.field("berechne", text(l.determining() ? "Positionsbestimmung stoppen"
                                              : "Positionsbestimmung starten"));
  json.endObject();
  put("state", json.str());
}

void WebSession::forgetFix() {
  used_.fill(false);
  hasFix_ = fixFound_ = false;
  fixDop_ = {};
}

// --- the lesson's news -------------------------------------------------------------

void WebSession::satellitesMoved() {
  putSatellites();
  putState();
}

// Entries are shown as typed; the grids follow the lesson only while it travels.
void WebSession::receiverMoved() {
  if (lesson_.travelling())
    putTruePosition(true, true, lesson_.shownGeo());
  else
    forgetFix();  // a new position makes the last fix meaningless
}

void WebSession::determined(const DeterminationRecord& record) {
  Json json;
  writeRecord(json, record, english_);
  put("computed", json.str());
  lastRecord_ = record;
  used_ = usedSatellites(record);
  hasFix_ = true;
  fixFound_ = record.found();
  fixDop_ = {};
  if (fixFound_) {
    const auto start = static_cast<std::size_t>(record.windows.back().start);
    std::array<TVektorR3, 4> four;
    for (std::size_t i = 0; i < 4; ++i) four[i] = record.signals[start + i].position;
    fixDop_ = dilutionOfPrecision(record.truePosition, four);
  } else {
    showMessage(record.message);
  }
}

void WebSession::stateChanged() { putState(); }

void WebSession::restored() {
  putSatellites();
  if (lesson_.hasTruePosition())
    putTruePosition(true, true, lesson_.shownGeo());
  else
    put("clearEntry", "true");
  put("computed", "null");
  lastRecord_.reset();
  forgetFix();
  putState();
}

// --- the page's actions ------------------------------------------------------------

namespace {

const std::string& fieldAt(const std::vector<std::string>& fields, std::size_t i) {
  static const std::string empty;
  return i < fields.size() ? fields[i] : empty;
}

CartesianEntry cartesianEntry(const std::vector<std::string>& f) {
  return {fieldAt(f, 0), fieldAt(f, 1), fieldAt(f, 2)};
}

// The hemisphere letters as the language writes them.
GeographicEntry geographicEntry(const std::vector<std::string>& f, const platform::Lookup& lookup) {
  return {platform::enteredHemisphere(fieldAt(f, 0), lookup), fieldAt(f, 1), fieldAt(f, 2),
          platform::enteredHemisphere(fieldAt(f, 3), lookup), fieldAt(f, 4), fieldAt(f, 5),
          fieldAt(f, 6)};
}

int integerAt(const std::vector<std::string>& f, std::size_t i) {
  return platform::parseInteger(fieldAt(f, i)).value_or(0);
}

constexpr Extended kPi = extendedPi;

std::string degreesText(Extended angle) {
  return std::to_string(static_cast<long long>(std::rint(angle / kPi * 180)));
}

}  // namespace

std::string WebSession::action(std::string_view name, const std::vector<std::string>& f) {
  const auto accepted = [this](const std::optional<std::string>& message) {
    if (message) showMessage(*message);
    return !message;
  };
  if (name == "tick") {
    lesson_.advanceTime();
  } else if (name == "determine") {
    // One determination at once, outside the clock: for the benchmark.
    if (lesson_.hasTruePosition()) lesson_.determinationTick();
  } else if (name == "cartToGeo") {
    if (accepted(lesson_.cartToGeo(cartesianEntry(f))))
      putTruePosition(false, true, lesson_.trueGeo());
  } else if (name == "geoToCart") {
    if (accepted(lesson_.geoToCart(geographicEntry(f, lookupIn(english_))))) putTruePosition(true, false, {});
  } else if (name == "erzeugen") {
    lesson_.erzeugen();
    putTruePosition(true, true, lesson_.shownGeo());
  } else if (name == "bewegen") {
    if (lesson_.travelling())
      lesson_.stopTravel();
    else
      accepted(lesson_.startTravel(cartesianEntry(f)));
  } else if (name == "berechne") {
    if (lesson_.determining())
      lesson_.stopDetermination();
    else
      accepted(lesson_.startDetermination(cartesianEntry(f)));
  } else if (name == "speed") {
    lesson_.setSpeed(integerAt(f, 0));
    putState();  // a refused value goes back to the lesson's
  } else if (name == "defective") {
    lesson_.setDefective(integerAt(f, 0), fieldAt(f, 1) == "1");
  } else if (name == "pause") {
    lesson_.setSatellitesRunning(!lesson_.satellitesRunning());
  } else if (name == "step") {
    lesson_.singleStep();
  } else if (name == "factor") {
    lesson_.setTimeFactor(integerAt(f, 0));
  } else if (name == "demo2d.start") {
    demo2D_->startDemo();
  } else if (name == "demo2d.timer") {
    demo2D_->demoTimerTimer();
  } else if (name == "demo2d.ok") {
    demo2D_->okClick();
  } else if (name == "demo2d.close") {
    if (!demo2D_->released()) demo2D_->closeDemo();
  } else if (name == "demo3d.show") {
    // The picture starts black until the first OK.
    picture3D_.setBrushColor(platform::colors::black);
    picture3D_.setBrushStyle(platform::BrushStyle::Solid);
    picture3D_.setPenColor(platform::colors::black);
    picture3D_.rectangle(0, 0, picture3D_.width(), picture3D_.height());
  } else if (name == "demo3d.ok") {
    demo3D_->okClick(fieldAt(f, 0) == "central" ? T3DProjektion::central : T3DProjektion::parallel);
  } else if (name == "demo3d.cancel") {
    demo3D_->cancelClick();
  } else if (name == "demo3d.anhalten") {
    demo3D_->anhaltenClick();
  } else if (name == "demo3d.aequator") {
    demo3D_->aequatorClick();
  } else if (name == "demo3d.nordpol") {
    demo3D_->nordpolClick();
  } else if (name == "demo3d.algorithmus") {
    demo3D_->algorithmusClick();
  } else if (name == "demo3d.abbrechen") {
    demo3D_->algorithmusAbbrechenClick();
  } else if (name == "demo3d.schliessen") {
    demo3D_->schliessenClick();
  } else if (name == "demo3d.timer") {
    demo3D_->timerTick();
  } else if (name == "demo3d.turn") {
    // A finger's drag: degrees about the polar (z) axis and the x axis. The frame is
    // drawn again as it stands; the animation, if it runs, goes on from the new angles.
    if (T3DDemo* d = demo3D_->demo.get(); d && !demo3D_->released()) {
      const auto wrap = [](Extended a) {
        a = std::fmod(a, 2 * kPi);
        return a < 0 ? a + 2 * kPi : a;
      };
      d->rotationAngles.z = wrap(d->rotationAngles.z + integerAt(f, 0) * kPi / 180);
      d->rotationAngles.x = wrap(d->rotationAngles.x + integerAt(f, 1) * kPi / 180);
      demo3D_->aequatorDegrees = degreesText(d->rotationAngles.z);
      demo3D_->nordpolDegrees = degreesText(d->rotationAngles.x);
      d->drawStill(demo3D_->algorithmMode ? demo3D_->algorithmStep : 0);
    }
  }
  return takeUpdate();
}

std::string WebSession::fullView() {
  putSatellites();
  putState();
  if (lesson_.hasTruePosition()) putTruePosition(true, true, lesson_.shownGeo());
  return takeUpdate();
}

// --- the sky view ------------------------------------------------------------------

std::string WebSession::skyView() {
  const bool hasReceiver = lesson_.hasTruePosition();
  const SkySnapshot sky = lesson_.observeSky(used_);
  const platform::Translation language = english_ ? english_->translation() : platform::Translation{};
  views::drawSkyPlot(pictureSky_, sky, hasReceiver, language);

  Json json;
  json.beginObject();
  json.key("rows").beginArray();
  static const char* const kMarks[] = {"verwendet", "empfangen", "defekt"};
  for (int r = 0; r < sky.count; ++r) {
    const SkySatellite& s = sky.satellites[static_cast<std::size_t>(r)];
    json.beginArray()
        .value(std::to_string(s.number))
        .value(skyDegrees(s.direction.azimuth))
        .value(skyDegrees(s.direction.elevation))
        .value(text(kMarks[static_cast<int>(s.mark)]))
        .endArray();
  }
  json.endArray();
  // Received: above the horizon and not defective.
  std::array<TVektorR3, LessonModel::satelliteCount> received;
  std::size_t n = 0;
  for (int i = 0; i < sky.count; ++i)
    if (sky.satellites[static_cast<std::size_t>(i)].mark != SkyMark::defective)
      received[n++] =
          lesson_.constellation().satellites[sky.satellites[static_cast<std::size_t>(i)].number].position;
  const DilutionOfPrecision all =
      hasReceiver ? dilutionOfPrecision(lesson_.truePosition(), std::span(received.data(), n))
                  : DilutionOfPrecision{};
  const auto dops = [&json](const DilutionOfPrecision& dop) {
    const double values[] = {dop.gdop, dop.pdop, dop.hdop, dop.vdop, dop.tdop};
    json.beginArray();
    for (const double v : values) json.value(dop.valid() ? formatNumber(v, 2, 6) : "–");
    json.endArray();
  };
  json.key("dopUsed");
  dops(fixFound_ ? fixDop_ : DilutionOfPrecision{});
  json.key("dopAll");
  dops(all);
  json.field("allCaption", text(platform::fillText("alle empfangenen (%1)", {std::to_string(n)})));
  json.key("hint").beginArray();
  for (const auto& [bold, part] : views::skyHint(hasReceiver, hasFix_, fixFound_, fixDop_, all, language))
    json.beginArray().value(bold).value(part).endArray();
  json.endArray();
  json.endObject();
  return json.str();
}

// --- the demonstrations ------------------------------------------------------------

std::string WebSession::demo2DView() {
  Json json;
  json.beginObject()
      .field("okEnabled", demo2D_->okEnabled)
      .field("timerEnabled", demo2D_->timerEnabled);
  json.key("memo").beginArray();
  for (const std::string& line : demo2D_->memo) json.value(text(line));
  json.endArray().endObject();
  return json.str();
}

std::string WebSession::demo3DView() {
  const TDemo3DAblauf& a = *demo3D_;
  Json json;
  json.beginObject().field("timerActive", a.timerActive);
  const std::pair<const char*, const TDemo3DAblauf::Button*> buttons[] = {
      {"anhalten", &a.anhalten}, {"algorithmus", &a.algorithmus}, {"abbrechen", &a.abbrechen},
      {"aequator", &a.aequator}, {"nordpol", &a.nordpol},         {"cancel", &a.cancel}};
  json.key("buttons").beginObject();
  for (const auto& [key, b] : buttons)
    json.key(key).beginObject().field("text", text(b->text)).field("enabled", b->enabled).endObject();
  json.endObject();
  json.field("aequatorDegrees", a.aequatorDegrees).field("nordpolDegrees", a.nordpolDegrees);
  json.key("memo").beginArray();
  for (const std::string& line : a.memo) json.value(text(line));
  json.endArray();
  json.key("eye").beginArray();
  if (const T3DDemo* d = a.demo.get())
    for (const Extended v : {d->eye.x, d->eye.y, d->eye.z})
      json.value(platform::formatFixed(v, 3, 12, platform::decimalSeparator()));
  json.endArray();
  json.endObject();
  return json.str();
}

void WebSession::picture(Picture which, CanvasStream& out) {
  switch (which) {
    case Picture::demo2D: encodePicture(picture2D_, out); break;
    case Picture::demo3D: encodePicture(picture3D_, out); break;
    case Picture::sky: encodePicture(pictureSky_, out); break;
  }
}

// --- lesson files ------------------------------------------------------------------

std::vector<std::uint8_t> WebSession::save(const std::string& task, std::string& update) {
  const std::size_t length = lessonfile::characterCount(task);
  if (length > lessonfile::maxDescriptionLength) {
    showMessage(lessonfile::saveRefusal("Szenario.ortivo", lessonfile::descriptionTooLong(length)));
    update = takeUpdate();
    return {};
  }
  description_ = task;
  update = takeUpdate();
  return lessonfile::encode({lesson_.state(), task});
}

std::string WebSession::open(const std::string& fileName, const std::uint8_t* data, std::size_t size) {
  std::string reason;
  if (size > lessonfile::maxFileSize) {
    reason = lessonfile::fileTooLarge();
  } else {
    auto decoded = lessonfile::decode(data, size);
    if (auto* why = std::get_if<std::string>(&decoded)) {
      reason = *why;
    } else {
      LessonScenario& scenario = std::get<LessonScenario>(decoded);
      if (auto message = lesson_.restore(scenario.state)) {
        reason = lessonfile::invalidValues(*message);
      } else {
        description_ = std::move(scenario.description);
        if (!description_.empty()) {
          Json json;
          json.beginObject()
              .field("title", text(platform::fillText("Aufgabe – %1", {fileName})))
              .field("text", description_)
              .endObject();
          put("task", json.str());
        }
        return takeUpdate();
      }
    }
  }
  showMessage(lessonfile::openRefusal(fileName, reason));
  return takeUpdate();
}

}  // namespace web
