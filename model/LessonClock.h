#pragma once

// The lesson's time: when its three ticks fall due. The satellites step every 2 s, or
// 2 s divided by the time-lapse factor; a travelling receiver steps with them; the
// determination runs every 2 s whatever the factor. Pausing stops the first two.
// Times are milliseconds of a monotonic clock that the caller reads. A tick that
// starts falls due one interval later; a running one keeps its rhythm, and one that
// fell more than an interval behind goes on from the moment it ran, as a desktop
// timer does.

#include <array>
#include <cstdint>
#include <optional>

class LessonClock {
 public:
  enum class Tick : std::uint8_t { satellites, receiver, determination };
  static constexpr std::int64_t stepInterval = 2000;           // ms at factor 1
  static constexpr std::int64_t determinationInterval = 2000;  // ms at any factor
  static constexpr std::array<int, 4> factors{1, 2, 5, 10};
  static bool isFactor(int factor);

  // Starts or stops a tick; nothing changes for one that already is as asked.
  void setActive(Tick tick, bool active, std::int64_t now);
  bool active(Tick tick) const { return cadence(tick).active; }
  // A new factor restarts the running step ticks at their new interval.
  void setFactor(int factor, std::int64_t now);
  int factor() const { return factor_; }
  std::int64_t interval(Tick tick) const;

  // The tick that fell due first by `now`, if any; its next time is set on.
  std::optional<Tick> takeDue(std::int64_t now);
  // When the next tick falls due; nothing while none runs.
  std::optional<std::int64_t> nextDue() const;

 private:
  struct Cadence {
    bool active = false;
    std::int64_t due = 0;
  };
  Cadence& cadence(Tick tick) { return cadences_[static_cast<std::size_t>(tick)]; }
  const Cadence& cadence(Tick tick) const { return cadences_[static_cast<std::size_t>(tick)]; }

  std::array<Cadence, 3> cadences_{};
  int factor_ = 1;
};
