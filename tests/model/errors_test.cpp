// The error sources: what the settings refuse, the elevation factors against values
// worked out by hand, and draws that repeat exactly and change where they should.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "model/ErrorSources.h"

namespace {

constexpr long double deg = std::numbers::pi_v<long double> / 180;
constexpr long double inf = std::numeric_limits<long double>::infinity();

ErrorSettings allOn() {
  ErrorSettings s;
  for (auto& source : s.sources) source.on = true;
  s.offsetOn = s.faultyOn = true;
  return s;
}

}  // namespace

TEST(ErrorSettings, RefusesWhatNoWindowOrFileMaySet) {
  const struct {
    const char* name;
    void (*edit)(ErrorSettings&);
    const char* says;  // part of the message; nullptr: accepted
  } cases[] = {
      {"defaults", [](ErrorSettings&) {}, nullptr},
      {"the limits", [](ErrorSettings& s) {
         s.sources[0].sigma = 0;
         s.sources[5].sigma = s.faultyMetres = 1000;
         s.offsetNs = 3333;
         s.faultySatellite = 24;
       }, nullptr},
      {"NaN σ, switched off", [](ErrorSettings& s) { s[ErrorSource::ionosphere] = {false, std::nanl("")}; }, "Ionosphäre"},
      {"infinite σ", [](ErrorSettings& s) { s[ErrorSource::multipath].sigma = inf; }, "Mehrwegeempfangs"},
      {"minus infinite σ", [](ErrorSettings& s) { s[ErrorSource::orbit].sigma = -inf; }, "Satellitenbahn"},
      {"negative σ", [](ErrorSettings& s) { s[ErrorSource::troposphere].sigma = -0.001L; }, "Troposphäre"},
      {"σ above 1000 m", [](ErrorSettings& s) { s[ErrorSource::satelliteClock].sigma = 1000.001L; }, "Satellitenuhr"},
      {"negative offset", [](ErrorSettings& s) { s.offsetNs = -1; }, "Versatz"},
      {"offset above 1000 m", [](ErrorSettings& s) { s.offsetNs = 3334; }, "Versatz"},
      {"satellite 0", [](ErrorSettings& s) { s.faultySatellite = 0; }, "Nummer"},
      {"satellite 25", [](ErrorSettings& s) { s.faultySatellite = 25; }, "Nummer"},
      {"NaN amount", [](ErrorSettings& s) { s.faultyMetres = std::nanl(""); }, "Zuschlag"},
      {"negative amount", [](ErrorSettings& s) { s.faultyMetres = -50; }, "Zuschlag"},
  };
  for (const auto& c : cases) {
    ErrorSettings s = allOn();
    c.edit(s);
    const auto message = checkErrorSettings(s);
    ASSERT_EQ(message.has_value(), c.says != nullptr) << c.name;
    if (message) {
      EXPECT_NE(message->find(c.says), std::string::npos) << c.name << ": " << *message;
    }
  }
}

TEST(ErrorSettings, EntriesAsTypedAreNumbersWithinTheLimits) {
  const struct {
    const char* text;
    bool metres, nanoseconds;  // accepted as σ or amount, as offset
  } cases[] = {
      {" 0 ", true, true},     {"1000", true, true},    {"2.5", true, false},  {"1e3", true, false},
      {"3333", false, true},   {"vier", false, false},  {"", false, false},    {"-1", false, false},
      {"1000.1", false, false}, {"1e400", false, false}, {"nan", false, false}, {"3334", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(std::holds_alternative<long double>(readSigma(ErrorSource::orbit, c.text)), c.metres) << c.text;
    EXPECT_EQ(std::holds_alternative<long double>(readFaultyMetres(c.text)), c.metres) << c.text;
    EXPECT_EQ(std::holds_alternative<std::int32_t>(readOffset(c.text)), c.nanoseconds) << c.text;
  }
  EXPECT_EQ(std::get<std::int32_t>(readFaultySatellite("24")), 24);
  EXPECT_TRUE(std::holds_alternative<std::string>(readFaultySatellite("25")));
  EXPECT_NEAR(double(allOn().uere()), 5.17, 0.005);  // the published budget
}

// Each factor follows its model and is scaled so that its mean square over the sky is
// 1: the budget's σ is that of an average satellite.
TEST(ErrorSources, ElevationFactors) {
  // Thin shell at 350 km: 1 / sqrt(1 - (6371 cos e / 6721)^2).
  const auto shell = [](long double e) {
    const long double c = 6371 * std::cos(e * deg) / 6721;
    return double(1 / std::sqrt(1 - c * c));
  };
  const double floor = 1 / std::sin(5 * double(deg));  // the troposphere's below 5°
  const double rms[] = {2.0320511987540506, 4.684808052774383, 2.4083189157584592};
  const struct {
    long double elevation;  // degrees
    double ionosphere, troposphere, multipath;
  } cases[] = {
      {90, 1, 1, 1},
      {30, shell(30), 2, 2.5},
      {0, 3.13976, floor, 3},
      {-2, shell(-2), floor, 1 + 2 * std::pow(std::cos(2 * double(deg)), 2)},
  };
  for (const auto& c : cases) {
    const long double e = c.elevation * deg;
    EXPECT_NEAR(double(elevationFactor(ErrorSource::ionosphere, e)), c.ionosphere / rms[0], 1e-5) << c.elevation;
    EXPECT_NEAR(double(elevationFactor(ErrorSource::troposphere, e)), c.troposphere / rms[1], 1e-9) << c.elevation;
    EXPECT_NEAR(double(elevationFactor(ErrorSource::multipath, e)), c.multipath / rms[2], 1e-9) << c.elevation;
    for (ErrorSource s : {ErrorSource::orbit, ErrorSource::satelliteClock, ErrorSource::receiver})
      EXPECT_EQ(elevationFactor(s, e), 1) << c.elevation;
  }
  for (const ErrorSource s : {ErrorSource::ionosphere, ErrorSource::troposphere, ErrorSource::multipath}) {
    double mean = 0;
    constexpr int n = 200000;
    for (int i = 0; i < n; ++i) {
      const double f = double(elevationFactor(s, std::asin((i + 0.5) / n)));
      mean += f * f / n;
    }
    EXPECT_NEAR(mean, 1, 1e-4) << int(s);
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
  ErrorSettings s = allOn();
  const long double e = 40 * deg;
  const auto draw = [&](int satellite, std::uint64_t seed, std::uint64_t n, DrawMode mode) {
    return drawErrors(s, satellite, e, seed, n, mode);
  };
  const SignalErrors first = draw(7, 2024, 1, DrawMode::lesson);
  const SignalErrors fresh = draw(7, 2024, 1, DrawMode::fresh);
  const bool slow[] = {true, true, true, true, false, false};
  long double sum = 0;
  for (int i = 0; i < errorSourceCount; ++i) {
    EXPECT_EQ(first.source[i], draw(7, 2024, 1, DrawMode::lesson).source[i]) << i;
    EXPECT_EQ(first.source[i] == draw(7, 2024, 2, DrawMode::lesson).source[i], slow[i]) << i;
    for (const SignalErrors& other : {draw(8, 2024, 1, DrawMode::lesson), draw(7, 2025, 1, DrawMode::lesson), fresh})
      EXPECT_NE(first.source[i], other.source[i]) << i;
    EXPECT_NE(fresh.source[i], draw(7, 2024, 2, DrawMode::fresh).source[i]) << i;
    sum += first.source[i];
  }
  EXPECT_EQ(first.total, sum);  // satellite 7 is not the faulty one
  EXPECT_EQ(draw(s.faultySatellite, 2024, 1, DrawMode::lesson).faulty, 50);
  // A slow source follows the elevation with its one draw; a source switched off adds nothing.
  const int iono = static_cast<int>(ErrorSource::ionosphere);
  EXPECT_NEAR(double(drawErrors(s, 7, 10 * deg, 2024, 5, DrawMode::lesson).source[iono] / first.source[iono]),
              double(elevationFactor(ErrorSource::ionosphere, 10 * deg) /
                     elevationFactor(ErrorSource::ionosphere, e)), 1e-12);
  s[ErrorSource::ionosphere].on = false;
  EXPECT_EQ(draw(7, 2024, 1, DrawMode::lesson).source[iono], 0);
}
