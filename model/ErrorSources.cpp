#include "model/ErrorSources.h"
#include "platform/extended.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "platform/numformat.h"
#include "platform/texts.h"

namespace {

constexpr int index(ErrorSource s) { return static_cast<int>(s); }

constexpr const char* kSigmaMessages[errorSourceCount] = {
    ORTIVO_TEXT("core", "Das σ der Satellitenbahn muss eine Zahl von 0 bis 1000 m sein"),
    ORTIVO_TEXT("core", "Das σ der Satellitenuhr muss eine Zahl von 0 bis 1000 m sein"),
    ORTIVO_TEXT("core", "Das σ der Ionosphäre muss eine Zahl von 0 bis 1000 m sein"),
    ORTIVO_TEXT("core", "Das σ der Troposphäre muss eine Zahl von 0 bis 1000 m sein"),
    ORTIVO_TEXT("core", "Das σ des Mehrwegeempfangs muss eine Zahl von 0 bis 1000 m sein"),
    ORTIVO_TEXT("core", "Das σ des Empfängerrauschens muss eine Zahl von 0 bis 1000 m sein"),
};
constexpr const char* kNames[errorSourceCount] = {
    ORTIVO_TEXT("core", "Satellitenbahn"),  ORTIVO_TEXT("core", "Satellitenuhr"),
    ORTIVO_TEXT("core", "Ionosphäre"),      ORTIVO_TEXT("core", "Troposphäre"),
    ORTIVO_TEXT("core", "Mehrwegeempfang"), ORTIVO_TEXT("core", "Empfängerrauschen"),
};

// Slow errors keep their draw for the whole lesson: orbit and satellite clock, and the
// residual zenith delays of ionosphere and troposphere (their delay still follows the
// satellite's elevation). Multipath and receiver noise change with every measurement.
constexpr bool kPerLesson[errorSourceCount] = {true, true, true, true, false, false};

// Draw streams, so that no two kinds of draw share a counter.
enum Stream : std::uint32_t { lessonStream = 0, determinationStream = 1, freshStream = 2 };

std::string sigmaMessage(ErrorSource s) { return kSigmaMessages[index(s)]; }
const char* const kFaultyMetresMessage = ORTIVO_TEXT(
    "core", "Der Zuschlag des fehlerhaften Satelliten muss eine Zahl von 0 bis 1000 m sein");
const char* const kOffsetMessage = ORTIVO_TEXT(
    "core", "Der gemeinsame Versatz muss eine ganze Zahl von 0 bis 3333 ns (1000 m) sein");
const char* const kSatelliteMessage = ORTIVO_TEXT(
    "core", "Die Nummer des fehlerhaften Satelliten muss eine ganze Zahl von 1 bis 24 sein");

bool isMetres(Extended v) {
  return std::isfinite(v) && v >= 0 && v <= ErrorSettings::maxMetres;
}
bool isOffset(std::int64_t ns) { return ns >= 0 && ns <= ErrorSettings::maxOffsetNs; }
bool isSatellite(std::int64_t k) { return k >= 1 && k <= 24; }

// splitmix64's finaliser: a bijection that scatters every input bit over the output.
constexpr std::uint64_t mix(std::uint64_t z) {
  z += 0x9e3779b97f4a7c15ULL;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

}  // namespace

bool ErrorSettings::anyOn() const { return anyDelay() || offsetOn; }

bool ErrorSettings::anyDelay() const {
  return faultyOn || std::any_of(sources.begin(), sources.end(), [](const Source& s) { return s.on; });
}

Extended ErrorSettings::uere() const {
  Extended sum = 0;
  for (const Source& s : sources)
    if (s.on) sum += s.sigma * s.sigma;
  return std::sqrt(sum);
}

const char* errorSourceName(ErrorSource s) { return kNames[index(s)]; }

std::optional<std::string> checkErrorSettings(const ErrorSettings& settings) {
  for (int i = 0; i < errorSourceCount; ++i)
    if (!isMetres(settings.sources[i].sigma)) return sigmaMessage(static_cast<ErrorSource>(i));
  if (!isOffset(settings.offsetNs)) return std::string(kOffsetMessage);
  if (!isSatellite(settings.faultySatellite)) return std::string(kSatelliteMessage);
  if (!isMetres(settings.faultyMetres)) return std::string(kFaultyMetresMessage);
  return std::nullopt;
}

CheckedEntry<Extended> readSigma(ErrorSource s, std::string_view text) {
  const auto v = platform::parseDecimal(text);
  if (!v || !isMetres(*v)) return sigmaMessage(s);
  return *v;
}

CheckedEntry<Extended> readFaultyMetres(std::string_view text) {
  const auto v = platform::parseDecimal(text);
  if (!v || !isMetres(*v)) return std::string(kFaultyMetresMessage);
  return *v;
}

CheckedEntry<std::int32_t> readOffset(std::string_view text) {
  const auto v = platform::parseInteger(text);
  if (!v || !isOffset(*v)) return std::string(kOffsetMessage);
  return std::int32_t(*v);
}

CheckedEntry<std::int32_t> readFaultySatellite(std::string_view text) {
  const auto v = platform::parseInteger(text);
  if (!v || !isSatellite(*v)) return std::string(kSatelliteMessage);
  return std::int32_t(*v);
}

namespace {

constexpr Extended kEarth = 6371, kShell = 350;  // km: the earth, the ionosphere's thin shell
const Extended kTropoFloor = std::sin(5 * extendedPi / 180);

// The factor at an elevation before it is scaled to the sky's mean.
Extended rawFactor(ErrorSource s, Extended elevation) {
  switch (s) {
    case ErrorSource::ionosphere: {
      const Extended c = kEarth * std::cos(elevation) / (kEarth + kShell);
      return 1 / std::sqrt(1 - c * c);
    }
    case ErrorSource::troposphere:
      return 1 / std::max(std::sin(elevation), kTropoFloor);
    case ErrorSource::multipath: {
      const Extended c = std::cos(elevation);
      return 1 + 2 * c * c;
    }
    default:
      return 1;
  }
}

// The root mean square of a raw factor over the sky, every direction above the horizon
// alike (sin of the elevation evenly spread over 0..1), worked out in closed form.
Extended skyRms(ErrorSource s) {
  switch (s) {
    case ErrorSource::ionosphere: {
      const Extended k = kEarth / (kEarth + kShell), a = std::sqrt(1 - k * k);
      return std::sqrt(std::atan(k / a) / (a * k));
    }
    case ErrorSource::troposphere:
      return std::sqrt(2 / kTropoFloor - 1);
    case ErrorSource::multipath:
      return std::sqrt(Extended(5.8L));  // ∫ (3 - 2 s²)² ds
    default:
      return 1;
  }
}

}  // namespace

Extended elevationFactor(ErrorSource s, Extended elevation) {
  static const std::array<Extended, errorSourceCount> rms = [] {
    std::array<Extended, errorSourceCount> r{};
    for (int i = 0; i < errorSourceCount; ++i) r[i] = skyRms(static_cast<ErrorSource>(i));
    return r;
  }();
  return rawFactor(s, elevation) / rms[static_cast<std::size_t>(s)];
}

Extended signalSigma(const ErrorSettings& settings, Extended elevation) {
  Extended variance = 0;
  for (int i = 0; i < errorSourceCount; ++i) {
    const ErrorSettings::Source& s = settings.sources[i];
    if (!s.on) continue;
    const Extended sigma = s.sigma * elevationFactor(static_cast<ErrorSource>(i), elevation);
    variance += sigma * sigma;
  }
  return std::sqrt(variance);
}

double standardNormal(std::uint64_t seed, std::uint32_t stream, std::uint64_t draw,
                      std::int32_t satellite, std::int32_t source) {
  std::uint64_t h = mix(seed);
  h = mix(h ^ stream);
  h = mix(h ^ draw);
  h = mix(h ^ ((std::uint64_t(std::uint32_t(satellite)) << 8) | std::uint8_t(source)));
  const std::uint64_t g = mix(h);
  // 53 bits each: u1 in (0, 1] so that its logarithm is finite, u2 in [0, 1).
  const double u1 = double((h >> 11) + 1) * 0x1p-53;
  const double u2 = double(g >> 11) * 0x1p-53;
  return std::sqrt(-2 * std::log(u1)) * std::cos(2 * std::numbers::pi * u2);
}

SignalErrors drawErrors(const ErrorSettings& settings, std::int32_t satellite,
                        Extended elevation, std::uint64_t seed, std::uint64_t draw,
                        DrawMode mode) {
  SignalErrors e;
  for (int i = 0; i < errorSourceCount; ++i) {
    const ErrorSettings::Source& s = settings.sources[i];
    if (!s.on) continue;
    const bool fresh = mode == DrawMode::fresh;
    const std::uint32_t stream =
        fresh ? freshStream : kPerLesson[i] ? lessonStream : determinationStream;
    const std::uint64_t n = fresh || !kPerLesson[i] ? draw : 0;
    e.source[i] = s.sigma * elevationFactor(static_cast<ErrorSource>(i), elevation) *
                  standardNormal(seed, stream, n, satellite, i);
    e.total += e.source[i];
  }
  if (settings.faultyOn && satellite == settings.faultySatellite) {
    e.faulty = settings.faultyMetres;
    e.total += e.faulty;
  }
  return e;
}
