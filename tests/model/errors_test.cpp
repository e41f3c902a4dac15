// The error sources: what the settings refuse, the elevation factors against values
// worked out by hand, and draws that repeat exactly and change where they should.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "model/ErrorSources.h"
#include "model/uhrunit.h"

namespace {

constexpr long double deg = std::numbers::pi_v<long double> / 180;
constexpr long double inf = std::numeric_limits<long double>::infinity();
constexpr long double notANumber = std::numeric_limits<long double>::quiet_NaN();

ErrorSettings allOn() {
  ErrorSettings s;
  for (auto& source : s.sources) source.on = true;
  s.offsetOn = s.faultyOn = true;
  return s;
}

}  // namespace

TEST(ErrorSettings, RefusesWhatNoWindowOrFileMaySet) {
  using Edit = void (*)(ErrorSettings&);
  const struct {
    const char* name;
    Edit edit;
    const char* says;  // part of the message; nullptr: accepted
  } cases[] = {
      {"defaults", [](ErrorSettings&) {}, nullptr},
      {"the limits", [](ErrorSettings& s) {
         s[ErrorSource::orbit].sigma = 0;
         s[ErrorSource::receiver].sigma = 1000;
         s.offsetNs = 3333;
         s.faultySatellite = 24;
         s.faultyMetres = 1000;
       }, nullptr},
      {"NaN σ of a source switched off", [](ErrorSettings& s) { s[ErrorSource::ionosphere].sigma = notANumber; }, "Ionosphäre"},
      {"infinite σ", [](ErrorSettings& s) { s[ErrorSource::multipath].sigma = inf; }, "Mehrwegeempfangs"},
      {"minus infinite σ", [](ErrorSettings& s) { s[ErrorSource::orbit].sigma = -inf; }, "Satellitenbahn"},
      {"negative σ", [](ErrorSettings& s) { s[ErrorSource::troposphere].sigma = -0.001L; }, "Troposphäre"},
      {"σ above 1000 m", [](ErrorSettings& s) { s[ErrorSource::satelliteClock].sigma = 1000.001L; }, "Satellitenuhr"},
      {"huge σ", [](ErrorSettings& s) { s[ErrorSource::receiver].sigma = 1e300L; }, "Empfängerrauschens"},
      {"negative offset", [](ErrorSettings& s) { s.offsetNs = -1; }, "Versatz"},
      {"offset above 1000 m", [](ErrorSettings& s) { s.offsetNs = 3334; }, "Versatz"},
      {"satellite 0", [](ErrorSettings& s) { s.faultySatellite = 0; }, "Nummer"},
      {"satellite 25", [](ErrorSettings& s) { s.faultySatellite = 25; }, "Nummer"},
      {"NaN amount", [](ErrorSettings& s) { s.faultyMetres = notANumber; }, "Zuschlag"},
      {"negative amount", [](ErrorSettings& s) { s.faultyMetres = -50; }, "Zuschlag"},
  };
  for (const auto& c : cases) {
    ErrorSettings s = allOn();
    c.edit(s);
    const auto message = checkErrorSettings(s);
    if (!c.says) {
      EXPECT_FALSE(message) << c.name << ": " << *message;
    } else {
      ASSERT_TRUE(message) << c.name;
      EXPECT_NE(message->find(c.says), std::string::npos) << c.name << ": " << *message;
    }
  }
}

TEST(ErrorSettings, EntriesAsTypedAreNumbersWithinTheLimits) {
  const struct {
    const char* text;
    bool sigma, offset;  // accepted as σ (and amount), as offset or satellite count
  } cases[] = {
      {"4", true, true},        {" 0 ", true, true},     {"1000", true, true},
      {"2.5", true, false},     {"1e3", true, false},    {"3333", false, true},
      {"vier", false, false},   {"", false, false},      {"-1", false, false},
      {"1000.1", false, false}, {"1e400", false, false}, {"nan", false, false},
      {"inf", false, false},    {"3334", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(std::holds_alternative<long double>(readSigma(ErrorSource::ionosphere, c.text)),
              c.sigma) << c.text;
    EXPECT_EQ(std::holds_alternative<long double>(readFaultyMetres(c.text)), c.sigma) << c.text;
    EXPECT_EQ(std::holds_alternative<std::int32_t>(readOffset(c.text)), c.offset) << c.text;
  }
  EXPECT_EQ(std::get<long double>(readSigma(ErrorSource::orbit, "2.5")), 2.5L);
  EXPECT_EQ(std::get<std::int32_t>(readFaultySatellite("24")), 24);
  EXPECT_FALSE(std::holds_alternative<std::int32_t>(readFaultySatellite("25")));
  EXPECT_FALSE(std::holds_alternative<std::int32_t>(readFaultySatellite("0")));
}

TEST(ErrorSettings, UereIsTheRootSumSquareOfTheSourcesSwitchedOn) {
  ErrorSettings s = allOn();
  EXPECT_NEAR(double(s.uere()), 5.17, 0.005);  // the published budget
  s[ErrorSource::ionosphere].on = false;
  s[ErrorSource::multipath].on = false;
  EXPECT_NEAR(double(s.uere()), std::sqrt(4 + 4 + 0.49 + 0.25), 1e-12);
  EXPECT_FALSE(ErrorSettings{}.anyOn());
  ErrorSettings offsetOnly;
  offsetOnly.offsetOn = true;
  EXPECT_TRUE(offsetOnly.anyOn());
  EXPECT_FALSE(offsetOnly.anyDelay());
}

TEST(ErrorSources, ElevationFactors) {
  // Thin shell at 350 km: 1 / sqrt(1 - (6371 cos e / 6721)^2).
  const auto shell = [](long double e) {
    const long double c = 6371 * std::cos(e * deg) / 6721;
    return double(1 / std::sqrt(1 - c * c));
  };
  const struct {
    long double elevation;  // degrees
    double ionosphere, troposphere, multipath;
  } cases[] = {
      {90, 1, 1, 1},
      {30, shell(30), 2, 2.5},
      {5, shell(5), 1 / std::sin(5 * double(deg)), 1 + 2 * std::pow(std::cos(5 * double(deg)), 2)},
      {0, 3.13976, 1 / std::sin(5 * double(deg)), 3},  // the troposphere's floor of 5°
      {-2, shell(-2), 1 / std::sin(5 * double(deg)), 1 + 2 * std::pow(std::cos(2 * double(deg)), 2)},
  };
  for (const auto& c : cases) {
    const long double e = c.elevation * deg;
    EXPECT_NEAR(double(elevationFactor(ErrorSource::ionosphere, e)), c.ionosphere, 1e-4) << c.elevation;
    EXPECT_NEAR(double(elevationFactor(ErrorSource::troposphere, e)), c.troposphere, 1e-9) << c.elevation;
    EXPECT_NEAR(double(elevationFactor(ErrorSource::multipath, e)), c.multipath, 1e-9) << c.elevation;
    for (ErrorSource s : {ErrorSource::orbit, ErrorSource::satelliteClock, ErrorSource::receiver})
      EXPECT_EQ(elevationFactor(s, e), 1) << c.elevation;
  }
}

// The draws are part of what a lesson file means: changing them changes the errors a
// class sees when it opens an old file. The two values are the generator's own, kept
// to notice such a change.
TEST(ErrorSources, TheGeneratorIsStandardNormalAndStaysTheSame) {
  EXPECT_NEAR(standardNormal(0, 0, 0, 1, 0), -0.8861094546781525, 1e-12);
  EXPECT_NEAR(standardNormal(12345, 1, 7, 24, 5), 0.028346586260801068, 1e-12);
  double sum = 0, squares = 0;
  int tails = 0;
  constexpr int n = 40000;
  for (int i = 0; i < n; ++i) {
    const double z = standardNormal(99, 2, i / 24, i % 24 + 1, i % 6);
    sum += z;
    squares += z * z;
    tails += std::fabs(z) > 1.959964;
  }
  EXPECT_NEAR(sum / n, 0, 0.02);
  EXPECT_NEAR(squares / n, 1, 0.03);
  EXPECT_NEAR(double(tails) / n, 0.05, 0.005);
}

TEST(ErrorSources, SlowSourcesKeepTheirDrawForTheLessonFastOnesChange) {
  const ErrorSettings s = allOn();
  const long double e = 40 * deg;
  const SignalErrors first = drawErrors(s, 7, e, 2024, 1, DrawMode::lesson);
  const SignalErrors again = drawErrors(s, 7, e, 2024, 1, DrawMode::lesson);
  const SignalErrors next = drawErrors(s, 7, e, 2024, 2, DrawMode::lesson);
  const SignalErrors otherSatellite = drawErrors(s, 8, e, 2024, 1, DrawMode::lesson);
  const SignalErrors otherLesson = drawErrors(s, 7, e, 2025, 1, DrawMode::lesson);
  const SignalErrors fresh = drawErrors(s, 7, e, 2024, 1, DrawMode::fresh);
  const SignalErrors freshNext = drawErrors(s, 7, e, 2024, 2, DrawMode::fresh);
  const bool slow[] = {true, true, true, true, false, false};
  for (int i = 0; i < errorSourceCount; ++i) {
    EXPECT_EQ(first.source[i], again.source[i]) << i;
    EXPECT_EQ(first.source[i] == next.source[i], slow[i]) << i;
    EXPECT_NE(first.source[i], otherSatellite.source[i]) << i;
    EXPECT_NE(first.source[i], otherLesson.source[i]) << i;
    EXPECT_NE(first.source[i], fresh.source[i]) << i;
    EXPECT_NE(fresh.source[i], freshNext.source[i]) << i;
  }
  EXPECT_EQ(first.faulty, 0);  // satellite 7 is not the faulty one
  EXPECT_EQ(drawErrors(s, s.faultySatellite, e, 2024, 1, DrawMode::lesson).faulty, 50);
  long double sum = 0;
  for (long double d : first.source) sum += d;
  EXPECT_EQ(first.total, sum);
  // A slow source follows the elevation with its one draw.
  const long double low = 10 * deg;
  const SignalErrors lower = drawErrors(s, 7, low, 2024, 5, DrawMode::lesson);
  const int iono = static_cast<int>(ErrorSource::ionosphere);
  EXPECT_NEAR(double(lower.source[iono] / first.source[iono]),
              double(elevationFactor(ErrorSource::ionosphere, low) /
                     elevationFactor(ErrorSource::ionosphere, e)), 1e-12);
}

TEST(ErrorSources, SwitchedOffSourcesAddNothing) {
  ErrorSettings s;
  s[ErrorSource::troposphere].on = true;
  const SignalErrors d = drawErrors(s, 3, 20 * deg, 1, 1, DrawMode::fresh);
  for (int i = 0; i < errorSourceCount; ++i)
    EXPECT_EQ(d.source[i] != 0, i == static_cast<int>(ErrorSource::troposphere)) << i;
  EXPECT_EQ(d.total, d.source[static_cast<int>(ErrorSource::troposphere)]);
}
