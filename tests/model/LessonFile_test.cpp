// Scenario files: what a saved lesson brings back, and every way a file is refused.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "containers/baseClss.h"
#include "containers/listClss.h"
#include "model/ErrorSources.h"
#include "model/LessonFile.h"
#include "platform/numformat.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// The cartesian grid as the window fills it.
CartesianEntry entryOf(TVektorR3 v) {
  return {platform::formatFixed(v.x, 10, 18), platform::formatFixed(v.y, 10, 18),
          platform::formatFixed(v.z, 10, 18)};
}

// The lesson of the fixture: Berlin, 800 km/h, satellites 3 and 17 broken.
std::unique_ptr<LessonModel> berlinLesson() {
  auto lesson = std::make_unique<LessonModel>();
  for (int s = 0; s < 37; ++s) lesson->satelliteTick();
  EXPECT_FALSE(lesson->geoToCart({"O", "13", "24", "N", "52", "31", "35"}));
  lesson->setSpeed(800);
  EXPECT_FALSE(lesson->startTravel(entryOf(lesson->truePosition())));
  lesson->receiverTick();
  lesson->setDefective(3, true);
  lesson->setDefective(17, true);
  EXPECT_FALSE(lesson->startDetermination(entryOf(lesson->truePosition())));
  return lesson;
}

std::string reasonOf(const Bytes& bytes) {
  auto decoded = lessonfile::decode(bytes);
  const auto* reason = std::get_if<std::string>(&decoded);
  return reason ? *reason : std::string();
}

// Equal as the file keeps them: to the last bit where long double is the x87 type, to
// the file's 64-bit significand where it is wider.
bool sameBits(long double a, long double b) {
  std::uint8_t x[extended10::size], y[extended10::size];
  extended10::encode(a, x);
  extended10::encode(b, y);
  return std::memcmp(x, y, sizeof x) == 0;
}

void expectSameState(const LessonState& a, const LessonState& b) {
  for (const auto& [x, y] : {std::pair{a.truePosition, b.truePosition},
                              std::pair{a.previousPosition, b.previousPosition}}) {
    EXPECT_TRUE(sameBits(x.x, y.x) && sameBits(x.y, y.y) && sameBits(x.z, y.z));
  }
  EXPECT_EQ(a.trueGeo, b.trueGeo);
  EXPECT_EQ(a.hasTruePosition, b.hasTruePosition);
  EXPECT_EQ(a.speed, b.speed);
  EXPECT_EQ(a.travelling, b.travelling);
  EXPECT_EQ(a.southward, b.southward);
  EXPECT_EQ(a.defective, b.defective);
  EXPECT_EQ(a.step, b.step);
  EXPECT_EQ(a.determining, b.determining);
}

// A file whose head says `version` and whose body holds `body`, summed correctly.
Bytes fileOf(std::int32_t version, TListe& body) {
  Bytes payload;
  {
    TWriter w(payload);
    body.save(w);
  }
  Bytes file;
  TWriter w(file);
  w.WriteString(lessonfile::formatName);
  w.WriteInteger(version);
  w.WriteInteger(std::int32_t{0});
  w.WriteInteger(static_cast<std::int64_t>(payload.size()));
  w.WriteInteger(static_cast<std::int64_t>(
      lessonfile::crc32(payload.data(), payload.size(), lessonfile::crc32(file.data(), file.size()))));
  file.insert(file.end(), payload.begin(), payload.end());
  return file;
}

// The body of a saved scenario, to be changed and summed again.
std::unique_ptr<TListe> bodyOf(const LessonScenario& scenario) {
  const Bytes file = lessonfile::encode(scenario);
  TReader r(file);
  r.ReadString();
  for (int i = 0; i < 4; ++i) r.ReadInt64();
  auto body = std::make_unique<TListe>();
  body->load(r);
  return body;
}

}  // namespace

TEST(LessonFile, RoundTripRestoresTheLessonToTheLastBit) {
  const auto source = berlinLesson();
  const LessonScenario saved{source->state(), "Wie genau ist die Position? „Zoll“ – 5 €, 3 °C"};
  auto decoded = lessonfile::decode(lessonfile::encode(saved));
  ASSERT_TRUE(std::holds_alternative<LessonScenario>(decoded)) << std::get<std::string>(decoded);
  const LessonScenario& back = std::get<LessonScenario>(decoded);
  EXPECT_EQ(back.description, saved.description);
  expectSameState(back.state, saved.state);

  LessonModel target;
  for (int s = 0; s < 50; ++s) target.satelliteTick();
  ASSERT_FALSE(target.restore(back.state));
  expectSameState(target.state(), saved.state);
  for (int k = 1; k <= LessonModel::satelliteCount; ++k)
    EXPECT_EQ(target.constellation().satellites[k].position,
              source->constellation().satellites[k].position);
}

TEST(LessonFile, EveryTruncationIsRefused) {
  const Bytes file = lessonfile::encode({berlinLesson()->state(), "Aufgabe"});
  for (std::size_t n = 0; n < file.size(); ++n)
    EXPECT_NE(reasonOf(Bytes(file.begin(), file.begin() + std::ptrdiff_t(n))), "") << n;
}

// The sum covers every byte but its own; changing the sum breaks it as well.
TEST(LessonFile, AChangedByteAnywhereIsRefused) {
  const Bytes file = lessonfile::encode({berlinLesson()->state(), "Aufgabe"});
  for (std::size_t i = 0; i < file.size(); ++i)
    for (const std::uint8_t flip : {0x01, 0x80, 0xFF}) {
      Bytes changed = file;
      changed[i] ^= flip;
      EXPECT_NE(reasonOf(changed), "") << "byte " << i << " ^ " << int(flip);
    }
}

TEST(LessonFile, FilesOfOtherKindsAreRefusedWithTheirReason) {
  TListe list;
  list.append(std::make_unique<TInteger>(7));
  Bytes listStream;
  {
    TWriter w(listStream);
    list.save(w);
  }
  const Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13};
  auto body = bodyOf({LessonState{}, ""});
  const Bytes newer = fileOf(lessonfile::formatVersion + 1, *body);
  Bytes trailing = lessonfile::encode({LessonState{}, ""});
  trailing.push_back(0);
  struct Case {
    const char* what;
    Bytes bytes;
    const char* reason;
  };
  const Case cases[] = {
      {"empty", {}, "Sie ist leer."},
      {"PNG", png, "Sie ist keine Ortivo-Szenariodatei."},
      {"list stream", listStream, "Sie ist keine Ortivo-Szenariodatei."},
      {"text", Bytes{'O', 'r', 't', 'i', 'v', 'o'}, "Sie ist keine Ortivo-Szenariodatei."},
      {"newer version", newer, "Sie wurde mit einer neueren Ortivo-Version gespeichert"},
      {"bytes after the end", trailing, "nach dem Szenario folgen noch 1 Bytes"},
  };
  for (const Case& c : cases)
    EXPECT_NE(reasonOf(c.bytes).find(c.reason), std::string::npos) << c.what << ": " << reasonOf(c.bytes);
}

// A correctly summed file whose values the entry grids would refuse.
TEST(LessonFile, ValuesTheEntryWouldRefuseAreRefused) {
  const LessonState good = berlinLesson()->state();
  struct Case {
    const char* what;
    void (*change)(LessonState&);
    const char* message;
  };
  const Case cases[] = {
      {"position not a number", [](LessonState& s) { s.truePosition.y = NAN; }, "Unzulässiger Standort"},
      {"inside the earth", [](LessonState& s) { s.truePosition = {100, 0, 0}; }, "Unzulässiger Standort"},
      {"height above the limit", [](LessonState& s) { s.trueGeo.height = 20000; }, "Unzulässiger Standort"},
      {"minutes above 60", [](LessonState& s) { s.trueGeo.latitude.minutes = 60.5L; }, "Unzulässiger Standort"},
      {"speed above 1000", [](LessonState& s) { s.speed = 1001; }, "Unzulässige Geschwindigkeit"},
      {"travel without speed", [](LessonState& s) { s.speed = 0; }, "Geschwindigkeit>0"},
      {"step out of range", [](LessonState& s) { s.step = -1; }, "Unzulässiger Simulationsschritt"},
      // Values a flag leaves unused are saved again, so they are checked as well.
      {"position far off, not set", [](LessonState& s) {
         s = LessonState{};
         s.truePosition.x = 1e308L;
       }, "Unzulässiger Standort"},
      {"previous position far off, standing", [](LessonState& s) {
         s.travelling = false;
         s.previousPosition.z = -1e300L;
       }, "Unzulässiger Standort"},
      {"determination without a position", [](LessonState& s) {
         s = LessonState{};
         s.determining = true;
       }, "Positionsbestimmung ohne gesetzten Standort"},
      // Error settings a window would refuse, switched on or not.
      {"σ not a number", [](LessonState& s) { s.errors[ErrorSource::orbit].sigma = NAN; }, "Satellitenbahn"},
      {"σ infinite", [](LessonState& s) { s.errors[ErrorSource::receiver] = {true, INFINITY}; }, "Empfänger"},
      {"σ negative", [](LessonState& s) { s.errors[ErrorSource::ionosphere].sigma = -1; }, "Ionosphäre"},
      {"σ huge", [](LessonState& s) { s.errors[ErrorSource::multipath].sigma = 1e300L; }, "Mehrwege"},
      {"faulty satellite 25", [](LessonState& s) { s.errors.faultySatellite = 25; }, "Nummer"},
      {"negative draws", [](LessonState& s) { s.errorDraw = -1; }, "Messungen"},
  };
  for (const Case& c : cases) {
    LessonState bad = good;
    c.change(bad);
    const std::string reason = reasonOf(lessonfile::encode({bad, ""}));
    EXPECT_EQ(reason.rfind("Sie enthält unzulässige Werte: ", 0), 0u) << c.what << ": " << reason;
    EXPECT_NE(reason.find(c.message), std::string::npos) << c.what << ": " << reason;
  }
}

TEST(LessonFile, EntriesMissingOrOfAnotherClassAreRefused) {
  const LessonScenario scenario{berlinLesson()->state(), ""};
  struct Case {
    const char* what;
    void (*change)(TListe&);
    const char* reason;
  };
  // Entry 2 is "Standort gesetzt", its value entry 3; the defective satellites are a bit mask.
  const Case cases[] = {
      {"value of another class",
       [](TListe& b) { b.setPosition(3), b.update(std::make_unique<TInteger>(1)); },
       "„Standort gesetzt“ hat nicht die erwartete Form"},
      {"entry missing", [](TListe& b) { b.setPosition(2), b.del(), b.del(); },
       "„Standort gesetzt“ fehlt"},
      {"name twice", [](TListe& b) { b.setPosition(2), b.update(std::make_unique<TString>("Aufgabe")); },
       "steht zweimal darin"},
      {"satellite 25", [](TListe& b) {
         for (b.toFirst(); !b.atEnd(); b.next())
           if (b.getElem()->compare(*std::make_unique<TString>("Defekte Satelliten")) == 0) break;
         b.next();
         b.update(std::make_unique<TLongint>(1 << 25));
       }, "Unzulässige Satellitennummer 25"},
      {"Boolean of another tag", [](TListe& b) {
         // Saves itself as a TBoolean whose value has the tag of a small integer.
         struct OddBoolean : TBoolean {
           void saveValue(TWriter& w) override { w.WriteInteger(std::int32_t{0x55}); }
         };
         b.setPosition(3), b.update(std::make_unique<OddBoolean>());
       }, "Ungültiger Werttyp im Elementstrom (Tag 2)"},
  };
  for (const Case& c : cases) {
    auto body = bodyOf(scenario);
    c.change(*body);
    const std::string reason = reasonOf(fileOf(lessonfile::formatVersion, *body));
    EXPECT_NE(reason.find(c.reason), std::string::npos) << c.what << ": " << reason;
  }
}

// A later revision adds entries; this reader skips them.
TEST(LessonFile, EntriesOfALaterRevisionAreSkipped) {
  const LessonScenario scenario{berlinLesson()->state(), "Aufgabe"};
  auto body = bodyOf(scenario);
  body->append(std::make_unique<TString>("Wetter"));
  body->append(std::make_unique<TInteger>(5));
  auto decoded = lessonfile::decode(fileOf(lessonfile::formatVersion, *body));
  ASSERT_TRUE(std::holds_alternative<LessonScenario>(decoded)) << std::get<std::string>(decoded);
  expectSameState(std::get<LessonScenario>(decoded).state, scenario.state);
}

// Written by the first version of the format; every later program must read it.
TEST(LessonFile, FixtureOfFormatOneStillOpens) {
  std::ifstream in(ORTIVO_TEST_DATA "/berlin-format1.ortivo", std::ios::binary);
  const Bytes file{std::istreambuf_iterator<char>(in), {}};
  ASSERT_FALSE(file.empty());
  auto decoded = lessonfile::decode(file);
  ASSERT_TRUE(std::holds_alternative<LessonScenario>(decoded)) << std::get<std::string>(decoded);
  const LessonScenario& s = std::get<LessonScenario>(decoded);
  EXPECT_EQ(s.description.substr(0, 38), "Der Empfänger steht in Berlin und fä");
  const TGeoPosition berlin{'O', 'N', {13, 24}, {52, 31}, 35};
  EXPECT_EQ(s.state.trueGeo, berlin);
  EXPECT_TRUE(s.state.hasTruePosition && s.state.travelling && s.state.determining);
  EXPECT_FALSE(s.state.southward);
  EXPECT_EQ(s.state.speed, 800);
  EXPECT_EQ(s.state.step, 37);
  for (int k = 0; k <= LessonModel::satelliteCount; ++k)
    EXPECT_EQ(s.state.defective[k], k == 3 || k == 17) << k;
  EXPECT_FALSE(s.state.errors.anyOn());  // format 1 knew no errors
  LessonModel lesson;
  ASSERT_FALSE(lesson.restore(s.state));
  const TKoordinatenwandlerR3 converter;
  const TVektorR3 computed = converter.geoToCartesian(berlin), read = lesson.truePosition();
  if (std::numeric_limits<long double>::digits == 64) {
    EXPECT_EQ(read, computed);
  } else {
    // Written by x87 arithmetic: a wider type computes it to within two of its units.
    for (const auto& [a, b] : {std::pair{read.x, computed.x}, std::pair{read.y, computed.y},
                                std::pair{read.z, computed.z}})
      EXPECT_NEAR(a, b, std::ldexp(std::fabs(b), -62));
  }
}

// The task is shown whole: one longer than a lesson needs is refused before it is.
TEST(LessonFile, ATaskLongerThanTheCapIsRefused) {
  const LessonState state = berlinLesson()->state();
  const std::string cap(lessonfile::maxDescriptionLength, 'a');
  EXPECT_EQ(reasonOf(lessonfile::encode({state, cap})), "");
  EXPECT_EQ(reasonOf(lessonfile::encode({state, cap + "ä"})),
            "Die Aufgabe ist zu lang: sie hat 10.001 Zeichen, erlaubt sind höchstens 10.000.");
  EXPECT_EQ(lessonfile::characterCount("Größe €"), 7u);
}

// A class that opens the same file sees the same errors: the settings, the seed and
// the draws so far travel with the lesson.
TEST(LessonFile, ErrorsComeBackAndDrawTheSameDelays) {
  auto source = berlinLesson();
  ErrorSettings errors;
  for (auto& s : errors.sources) s.on = true;
  errors.faultyOn = true;
  errors.faultySatellite = 7;
  ASSERT_FALSE(source->setErrorSettings(errors));
  source->setErrorSeed(0xFEEDFACECAFEBEEFull);
  source->determinationTick();
  auto decoded = lessonfile::decode(lessonfile::encode({source->state(), ""}));
  ASSERT_TRUE(std::holds_alternative<LessonScenario>(decoded)) << std::get<std::string>(decoded);
  LessonModel a, b;
  ASSERT_FALSE(a.restore(std::get<LessonScenario>(decoded).state));
  ASSERT_FALSE(b.restore(source->state()));
  const DeterminationRecord ra = a.determinationTick(), rb = b.determinationTick();
  ASSERT_EQ(ra.signals.size(), rb.signals.size());
  ASSERT_FALSE(ra.signals.empty());
  for (std::size_t i = 0; i < ra.signals.size(); ++i) {
    EXPECT_EQ(ra.signals[i].measuredRunTime, rb.signals[i].measuredRunTime);
    EXPECT_NE(ra.signals[i].errors.total, 0);
  }
  EXPECT_EQ(a.errorSettings().faultySatellite, 7);
}
