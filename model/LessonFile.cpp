#include "model/LessonFile.h"
#include "platform/extended.h"

#include <array>
#include <map>
#include <memory>

#include "containers/baseClss.h"
#include "containers/listClss.h"
#include "platform/numformat.h"
#include "platform/texts.h"

namespace lessonfile {

namespace {

// The names of the body's entries. Never rename one: files of every revision use them.
// The values are value elements; the stream has no nested lists.
constexpr const char* kDescription = "Aufgabe";
constexpr const char* kHasPosition = "Standort gesetzt";
constexpr const char* kPosition[3] = {"Standort x", "Standort y", "Standort z"};  // km
constexpr const char* kPrevious[3] = {"Vorheriger Standort x", "Vorheriger Standort y",
                                      "Vorheriger Standort z"};
constexpr const char* kEastWest = "Ost-West";
constexpr const char* kLongitudeDegrees = "Laengengrad";
constexpr const char* kLongitudeMinutes = "Laengenminuten";
constexpr const char* kNorthSouth = "Nord-Sued";
constexpr const char* kLatitudeDegrees = "Breitengrad";
constexpr const char* kLatitudeMinutes = "Breitenminuten";
constexpr const char* kHeight = "Hoehe";  // m
constexpr const char* kSpeed = "Geschwindigkeit";  // km/h
constexpr const char* kTravelling = "Bewegung";
constexpr const char* kSouthward = "Suedwaerts";
constexpr const char* kDefective = "Defekte Satelliten";  // bit k for satellite k
constexpr const char* kStep = "Simulationsschritt";
constexpr const char* kDetermining = "Positionsbestimmung";
// Revision 1.
constexpr const char* kTimeFactor = "Zeitraffer";
constexpr const char* kTimePaused = "Zeit angehalten";
// Revision 2: each source on or off and its σ (m), by these names.
constexpr const char* kSources[errorSourceCount] = {"Bahn", "Satellitenuhr", "Ionosphaere",
                                                    "Troposphaere", "Mehrwege", "Empfaenger"};
constexpr const char* kOffsetOn = "Gemeinsamer Versatz";
constexpr const char* kOffsetNs = "Gemeinsamer Versatz ns";
constexpr const char* kFaultyOn = "Fehlerhafter Satellit";
constexpr const char* kFaultyNumber = "Fehlerhafter Satellit Nummer";
constexpr const char* kFaultyMetres = "Fehlerhafter Satellit Meter";
constexpr const char* kErrorSeed = "Fehler Startwert";
constexpr const char* kErrorDraw = "Fehler Messungen";

std::string sourceOn(int i) { return std::string("Fehler ") + kSources[i]; }
std::string sourceSigma(int i) { return std::string("Sigma ") + kSources[i]; }

// The bytes every scenario starts with: the format's name as the stream writes it.
std::vector<std::uint8_t> magic() {
  std::vector<std::uint8_t> bytes;
  TWriter writer(bytes);
  writer.WriteString(formatName);
  return bytes;
}

// A refusal on the way through the body; its text is the reason.
struct Refused {
  std::string reason;
};

std::string damaged(const std::string& what) {
  return platform::fillText(ORTIVO_TEXT("core", "Sie ist beschädigt: %1."), {what});
}

[[noreturn]] void wrongForm(const char* name) {
  throw Refused{damaged(platform::fillText(
      ORTIVO_TEXT("core", "der Eintrag „%1“ hat nicht die erwartete Form"), {name}))};
}

// An element of exactly the class T, or the refusal for the entry `name`.
template <class T>
T& expect(TBase* element, const char* name) {
  auto* value = dynamic_cast<T*>(element);
  if (!value || !sameClass(*value, T())) wrongForm(name);
  return *value;
}

// The body's entries by name.
class Entries {
 public:
  explicit Entries(TListe& body) {
    if (body.count() % 2 != 0)
      throw Refused{damaged(ORTIVO_TEXT("core", "ein Eintrag ist unvollständig"))};
    body.toFirst();
    while (!body.atEnd()) {
      auto* key = dynamic_cast<TString*>(body.getElem());
      if (!key) throw Refused{damaged(ORTIVO_TEXT("core", "ein Eintrag hat keinen Namen"))};
      std::string name;
      key->getValue(name);
      body.next();
      // Entries of a later revision are skipped; a name twice would be ambiguous.
      if (!values_.emplace(name, body.getElem()).second)
        throw Refused{damaged(ORTIVO_TEXT("core", "ein Eintrag steht zweimal darin"))};
      if (auto* value = dynamic_cast<TExtended*>(body.getElem()); value && value->image())
        images_.emplace(name, *value->image());
      body.next();
    }
  }

  bool has(const char* name) const { return values_.count(name) != 0; }
  const std::map<std::string, extended10::Image, std::less<>>& images() const { return images_; }

  template <class T>
  T& get(const char* name) const {
    const auto it = values_.find(name);
    if (it == values_.end())
      throw Refused{
          damaged(platform::fillText(ORTIVO_TEXT("core", "der Eintrag „%1“ fehlt"), {name}))};
    return expect<T>(it->second, name);
  }

 private:
  std::map<std::string, TBase*> values_;
  std::map<std::string, extended10::Image, std::less<>> images_;
};

TVektorR3 vectorOf(const Entries& entries, const char* const (&names)[3]) {
  return {entries.get<TExtended>(names[0]).getValue(), entries.get<TExtended>(names[1]).getValue(),
          entries.get<TExtended>(names[2]).getValue()};
}

LessonScenario scenarioOf(TListe& body) {
  const Entries entries(body);
  LessonScenario s;
  if (entries.has(kDescription)) {
    std::string text;
    entries.get<TString>(kDescription).getValue(text);
    // One byte per character in the file's code page.
    if (text.size() > maxDescriptionLength) throw Refused{descriptionTooLong(text.size())};
    s.description = cp1252ToUtf8(text);
  }
  LessonState& st = s.state;
  st.hasTruePosition = entries.get<TBoolean>(kHasPosition).getValue();
  st.truePosition = vectorOf(entries, kPosition);
  st.previousPosition = vectorOf(entries, kPrevious);
  st.trueGeo.eastWest = entries.get<TChar>(kEastWest).getValue();
  st.trueGeo.longitude.degrees = entries.get<TInteger>(kLongitudeDegrees).getValue();
  st.trueGeo.longitude.minutes = entries.get<TExtended>(kLongitudeMinutes).getValue();
  st.trueGeo.northSouth = entries.get<TChar>(kNorthSouth).getValue();
  st.trueGeo.latitude.degrees = entries.get<TInteger>(kLatitudeDegrees).getValue();
  st.trueGeo.latitude.minutes = entries.get<TExtended>(kLatitudeMinutes).getValue();
  st.trueGeo.height = entries.get<TExtended>(kHeight).getValue();
  st.speed = entries.get<TInteger>(kSpeed).getValue();
  st.travelling = entries.get<TBoolean>(kTravelling).getValue();
  st.southward = entries.get<TBoolean>(kSouthward).getValue();
  const auto defective = static_cast<std::uint32_t>(entries.get<TLongint>(kDefective).getValue());
  for (std::uint32_t k = 0; k < 32; ++k) {
    if (!(defective & (1u << k))) continue;
    if (k < 1 || k > LessonModel::satelliteCount)
      throw Refused{invalidValues(platform::fillText(
          ORTIVO_TEXT("core", "Unzulässige Satellitennummer %1"), {std::to_string(k)}))};
    st.defective[k] = true;
  }
  st.step = entries.get<TInt64>(kStep).getValue();
  st.determining = entries.get<TBoolean>(kDetermining).getValue();
  // Files of revision 0 knew only the normal run of time.
  if (entries.has(kTimeFactor)) st.timeFactor = entries.get<TInteger>(kTimeFactor).getValue();
  if (entries.has(kTimePaused)) st.timeRunning = !entries.get<TBoolean>(kTimePaused).getValue();
  // Files before revision 2 knew no errors: every source stays off.
  ErrorSettings& e = st.errors;
  for (int i = 0; i < errorSourceCount; ++i) {
    if (entries.has(sourceOn(i).c_str()))
      e.sources[std::size_t(i)].on = entries.get<TBoolean>(sourceOn(i).c_str()).getValue();
    if (entries.has(sourceSigma(i).c_str()))
      e.sources[std::size_t(i)].sigma = entries.get<TExtended>(sourceSigma(i).c_str()).getValue();
  }
  if (entries.has(kOffsetOn)) e.offsetOn = entries.get<TBoolean>(kOffsetOn).getValue();
  if (entries.has(kOffsetNs)) e.offsetNs = entries.get<TInteger>(kOffsetNs).getValue();
  if (entries.has(kFaultyOn)) e.faultyOn = entries.get<TBoolean>(kFaultyOn).getValue();
  if (entries.has(kFaultyNumber)) e.faultySatellite = entries.get<TInteger>(kFaultyNumber).getValue();
  if (entries.has(kFaultyMetres)) e.faultyMetres = entries.get<TExtended>(kFaultyMetres).getValue();
  if (entries.has(kErrorSeed))
    st.errorSeed = static_cast<std::uint64_t>(entries.get<TInt64>(kErrorSeed).getValue());
  if (entries.has(kErrorDraw)) st.errorDraw = entries.get<TInt64>(kErrorDraw).getValue();
  st.fileImages = entries.images();
  return s;
}

// The four numbers of the head after the format's name.
struct Head {
  std::int32_t version;
  std::int32_t revision;
  std::int64_t length;
  std::size_t summed;  // bytes of the head before the sum
  std::int64_t crc;
};

}  // namespace

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t previous) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  std::uint32_t c = previous ^ 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::vector<std::uint8_t> encode(const LessonScenario& scenario) {
  const LessonState& st = scenario.state;
  TListe body;
  const auto add = [&body](const char* name, std::unique_ptr<TBase> value) {
    body.append(std::make_unique<TString>(name));
    body.append(std::move(value));
  };
  add(kDescription, std::make_unique<TString>(utf8ToCp1252(scenario.description)));
  add(kHasPosition, std::make_unique<TBoolean>(st.hasTruePosition));
  const auto extended = [&st](Extended v, std::string_view name) {
    auto element = std::make_unique<TExtended>(v, 0);
    if (const auto it = st.fileImages.find(name); it != st.fileImages.end())
      element->setImage(it->second);
    return element;
  };
  const TVektorR3 position = st.truePosition, previous = st.previousPosition;
  add(kPosition[0], extended(position.x, kPosition[0]));
  add(kPosition[1], extended(position.y, kPosition[1]));
  add(kPosition[2], extended(position.z, kPosition[2]));
  add(kPrevious[0], extended(previous.x, kPrevious[0]));
  add(kPrevious[1], extended(previous.y, kPrevious[1]));
  add(kPrevious[2], extended(previous.z, kPrevious[2]));
  add(kEastWest, std::make_unique<TChar>(st.trueGeo.eastWest));
  add(kLongitudeDegrees, std::make_unique<TInteger>(st.trueGeo.longitude.degrees));
  add(kLongitudeMinutes, extended(st.trueGeo.longitude.minutes, kLongitudeMinutes));
  add(kNorthSouth, std::make_unique<TChar>(st.trueGeo.northSouth));
  add(kLatitudeDegrees, std::make_unique<TInteger>(st.trueGeo.latitude.degrees));
  add(kLatitudeMinutes, extended(st.trueGeo.latitude.minutes, kLatitudeMinutes));
  add(kHeight, extended(st.trueGeo.height, kHeight));
  add(kSpeed, std::make_unique<TInteger>(st.speed));
  add(kTravelling, std::make_unique<TBoolean>(st.travelling));
  add(kSouthward, std::make_unique<TBoolean>(st.southward));
  std::uint32_t defective = 0;
  for (int k = 1; k <= LessonModel::satelliteCount; ++k)
    if (st.defective[static_cast<std::size_t>(k)]) defective |= 1u << k;
  add(kDefective, std::make_unique<TLongint>(static_cast<std::int32_t>(defective)));
  add(kStep, std::make_unique<TInt64>(st.step));
  add(kDetermining, std::make_unique<TBoolean>(st.determining));
  add(kTimeFactor, std::make_unique<TInteger>(st.timeFactor));
  add(kTimePaused, std::make_unique<TBoolean>(!st.timeRunning));
  for (int i = 0; i < errorSourceCount; ++i) {
    const ErrorSettings::Source& source = st.errors.sources[std::size_t(i)];
    body.append(std::make_unique<TString>(sourceOn(i)));
    body.append(std::make_unique<TBoolean>(source.on));
    body.append(std::make_unique<TString>(sourceSigma(i)));
    body.append(extended(source.sigma, sourceSigma(i)));
  }
  add(kOffsetOn, std::make_unique<TBoolean>(st.errors.offsetOn));
  add(kOffsetNs, std::make_unique<TInteger>(st.errors.offsetNs));
  add(kFaultyOn, std::make_unique<TBoolean>(st.errors.faultyOn));
  add(kFaultyNumber, std::make_unique<TInteger>(st.errors.faultySatellite));
  add(kFaultyMetres, extended(st.errors.faultyMetres, kFaultyMetres));
  add(kErrorSeed, std::make_unique<TInt64>(static_cast<std::int64_t>(st.errorSeed)));
  add(kErrorDraw, std::make_unique<TInt64>(st.errorDraw));

  std::vector<std::uint8_t> payload;
  {
    TWriter writer(payload);
    body.save(writer);
  }
  std::vector<std::uint8_t> file;
  TWriter writer(file);
  writer.WriteString(formatName);
  writer.WriteInteger(formatVersion);
  writer.WriteInteger(formatRevision);
  writer.WriteInteger(static_cast<std::int64_t>(payload.size()));
  // The sum covers the head before it as well: no byte but its own goes unchecked.
  const std::uint32_t sum = crc32(payload.data(), payload.size(), crc32(file.data(), file.size()));
  writer.WriteInteger(static_cast<std::int64_t>(sum));
  file.insert(file.end(), payload.begin(), payload.end());
  return file;
}

std::variant<LessonScenario, std::string> decode(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return std::string(ORTIVO_TEXT("core", "Sie ist leer."));
  static const std::vector<std::uint8_t> expected = magic();
  const std::size_t compared = std::min(size, expected.size());
  if (!std::equal(data, data + compared, expected.begin()))
    return std::string(ORTIVO_TEXT("core", "Sie ist keine Ortivo-Szenariodatei."));
  if (size < expected.size()) return std::string(ORTIVO_TEXT("core", "Sie ist unvollständig."));

  TReader reader(data + expected.size(), size - expected.size());
  Head head{};
  try {
    head.version = reader.ReadInteger();
    head.revision = reader.ReadInteger();
    head.length = reader.ReadInt64();
    head.summed = expected.size() + reader.position();
    head.crc = reader.ReadInt64();
  } catch (const EReadError&) {
    return std::string(ORTIVO_TEXT("core", "Ihr Kopf ist unvollständig oder beschädigt."));
  }
  // The head keeps its form in every version; what follows it may change.
  if (head.version > formatVersion)
    return platform::fillText(ORTIVO_TEXT("core",
                                          "Sie wurde mit einer neueren Ortivo-Version "
                                          "gespeichert (Dateiformat %1, dieses Programm "
                                          "liest bis Format %2)."),
                              {std::to_string(head.version), std::to_string(formatVersion)});
  if (head.version < 1 || head.length < 0 || head.crc < 0 || head.crc > 0xFFFFFFFFll)
    return std::string(ORTIVO_TEXT("core", "Ihr Kopf ist beschädigt."));
  const auto length = static_cast<std::uint64_t>(head.length);
  if (length > reader.remaining())
    return platform::fillText(ORTIVO_TEXT("core", "Sie ist unvollständig: es fehlen %1 Bytes."),
                              {std::to_string(length - reader.remaining())});
  if (length < reader.remaining())
    return damaged(platform::fillText(ORTIVO_TEXT("core", "nach dem Szenario folgen noch %1 Bytes"),
                                      {std::to_string(reader.remaining() - length)}));
  const std::uint8_t* payload = data + (size - reader.remaining());
  // A fuzzer could hardly ever guess the sum, and would never reach the body.
#ifndef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
  if (crc32(payload, length, crc32(data, head.summed)) != static_cast<std::uint32_t>(head.crc))
    return damaged(ORTIVO_TEXT("core", "die Prüfsumme stimmt nicht"));
#endif

  try {
    TListe body;
    TReader bodyReader(payload, length);
    body.load(bodyReader);
    if (!bodyReader.EndOfStream())
      return damaged(ORTIVO_TEXT("core", "ihr Inhalt endet vor dem Dateiende"));
    LessonScenario scenario = scenarioOf(body);
    if (auto message = LessonModel::checkState(scenario.state)) return invalidValues(*message);
    return scenario;
  } catch (const Refused& r) {
    return r.reason;
  } catch (const EReadError& e) {
    return damaged(e.what());
  } catch (const EClassNotFound&) {
    return damaged(ORTIVO_TEXT("core", "sie enthält Elemente, die dieses Programm nicht kennt"));
  }
}

std::size_t characterCount(std::string_view utf8) {
  std::size_t n = 0;
  for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

std::string descriptionTooLong(std::size_t length) {
  return platform::fillText(
      ORTIVO_TEXT("core",
                  "Die Aufgabe ist zu lang: sie hat %1 Zeichen, erlaubt sind höchstens %2."),
      {platform::groupedInteger(length), platform::groupedInteger(maxDescriptionLength)});
}

std::string fileTooLarge() { return ORTIVO_TEXT("core", "Sie ist zu groß für ein Ortivo-Szenario."); }

std::string invalidValues(std::string_view message) {
  return platform::fillText(ORTIVO_TEXT("core", "Sie enthält unzulässige Werte: %1."), {message});
}

std::string openRefusal(std::string_view fileName, std::string_view reason) {
  return platform::fillText(ORTIVO_TEXT("core", "Die Datei „%1“ kann nicht geöffnet werden. %2"),
                            {fileName, reason});
}

std::string saveRefusal(std::string_view fileName, std::string_view reason) {
  return platform::fillText(ORTIVO_TEXT("core", "Die Datei „%1“ kann nicht gespeichert werden. %2"),
                            {fileName, reason});
}

}  // namespace lessonfile
