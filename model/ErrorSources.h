#pragma once
#include "platform/extended.h"

// The errors a real receiver's ranges carry, as a stage between the constellation and
// the receiver: per signal, the delay of every source that is switched on, in metres.
// They are what remains after the receiver's own corrections, so each is drawn
// zero-mean normal, its standard deviation the source's σ times a factor of the
// satellite's elevation. Draws are a pure function of (seed, draw, satellite, source),
// made with our own generator and normal transform, so that a lesson file gives a
// class the same errors on every machine.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// Orbit, satellite clock and the residual zenith delays of ionosphere and troposphere
// change slowly: each satellite keeps its draw for the whole lesson (the delays of the
// two layers still follow its elevation). Multipath and receiver noise are drawn anew
// for each determination.
enum class ErrorSource : std::uint8_t {
  orbit,
  satelliteClock,
  ionosphere,
  troposphere,
  multipath,
  receiver,
};
inline constexpr int errorSourceCount = 6;

struct ErrorSettings {
  struct Source {
    bool on = false;
    Extended sigma = 0;  // m, 1σ over the whole sky (see elevationFactor)
  };
  // A published budget; its root sum square is 5.17 m.
  std::array<Source, errorSourceCount> sources{{
      {false, 2.0L},  // orbit
      {false, 2.0L},  // satellite clock
      {false, 4.0L},  // ionosphere
      {false, 0.7L},  // troposphere
      {false, 1.4L},  // multipath
      {false, 0.5L},  // receiver
  }};
  // The same whole nanoseconds on every signal: the receiver's clock is off.
  bool offsetOn = false;
  std::int32_t offsetNs = 1000;
  // One satellite's range longer by a fixed amount.
  bool faultyOn = false;
  std::int32_t faultySatellite = 1;  // 1..24
  Extended faultyMetres = 50;

  static constexpr Extended maxMetres = 1000;
  // The offset's limit: 1000 m of signal travel in whole nanoseconds.
  static constexpr std::int32_t maxOffsetNs = 3333;

  Source& operator[](ErrorSource s) { return sources[static_cast<int>(s)]; }
  const Source& operator[](ErrorSource s) const { return sources[static_cast<int>(s)]; }
  // Whether any range changes; when not, the stage is left out altogether.
  bool anyOn() const;
  // Whether any source or the faulty satellite lengthens a range (the offset does not).
  bool anyDelay() const;
  // The user equivalent range error: root sum square of the σ switched on, m.
  Extended uere() const;
};

// The source's name as the window and the messages give it.
const char* errorSourceName(ErrorSource s);

// The German message for settings no window or lesson file may set: a σ or the
// faulty satellite's amount that is not a number, negative or above 1000 m, an offset
// outside 0..3333 ns, a satellite number outside 1..24. Switched-off entries count too.
std::optional<std::string> checkErrorSettings(const ErrorSettings& settings);

// Single entries as typed into a window: the value, or the German message.
template <class T>
using CheckedEntry = std::variant<T, std::string>;
CheckedEntry<Extended> readSigma(ErrorSource s, std::string_view text);
CheckedEntry<Extended> readFaultyMetres(std::string_view text);
CheckedEntry<std::int32_t> readOffset(std::string_view text);
CheckedEntry<std::int32_t> readFaultySatellite(std::string_view text);

// The elevation factor of a source's σ (elevation in radians): ionosphere the
// thin-shell obliquity at 350 km, troposphere 1/sin(elevation) floored at 5°,
// multipath 1 + 2 cos²(elevation); 1 for the others. A published budget gives each
// source's σ over the whole sky: the factors are scaled so that their mean square over
// the sky (every direction above the horizon alike) is 1. A satellite in the zenith
// thus has σ/2.03 of the ionosphere, σ/4.68 of the troposphere, σ/2.41 of multipath;
// one on the horizon 1.54, 2.45 and 1.25 times σ.
Extended elevationFactor(ErrorSource s, Extended elevation);
// The 1σ of a satellite's total delay from the switched-on sources, m (the faulty
// satellite's fixed amount is no spread and is left out).
Extended signalSigma(const ErrorSettings& settings, Extended elevation);

// Which draws change. `lesson`: the slow sources from the seed alone, multipath and
// receiver noise anew for each draw index (the determination's number, say).
// `fresh`: every source anew for each draw index, in draws of their own ("1000
// Messungen jetzt").
enum class DrawMode : std::uint8_t { lesson, fresh };

// A standard normal number, the same for the same arguments everywhere: our own
// counter-based generator and Box–Muller in IEEE double.
double standardNormal(std::uint64_t seed, std::uint32_t stream, std::uint64_t draw,
                      std::int32_t satellite, std::int32_t source);

// One signal's delays, m.
struct SignalErrors {
  std::array<Extended, errorSourceCount> source{};  // 0 for a source switched off
  Extended faulty = 0;                              // the faulty satellite's amount
  Extended total = 0;                               // all of the above
};
SignalErrors drawErrors(const ErrorSettings& settings, std::int32_t satellite,
                        Extended elevation, std::uint64_t seed, std::uint64_t draw,
                        DrawMode mode);
