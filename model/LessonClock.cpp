#include "model/LessonClock.h"

#include <algorithm>

bool LessonClock::isFactor(int factor) {
  return std::find(factors.begin(), factors.end(), factor) != factors.end();
}

std::int64_t LessonClock::interval(Tick tick) const {
  return tick == Tick::determination ? determinationInterval : stepInterval / factor_;
}

void LessonClock::setActive(Tick tick, bool active, std::int64_t now) {
  Cadence& c = cadence(tick);
  if (c.active == active) return;
  c.active = active;
  c.due = now + interval(tick);
}

void LessonClock::setFactor(int factor, std::int64_t now) {
  if (!isFactor(factor) || factor == factor_) return;
  factor_ = factor;
  for (const Tick tick : {Tick::satellites, Tick::receiver})
    if (Cadence& c = cadence(tick); c.active) c.due = now + interval(tick);
}

std::optional<LessonClock::Tick> LessonClock::takeDue(std::int64_t now) {
  std::optional<Tick> first;
  for (const Tick tick : {Tick::satellites, Tick::receiver, Tick::determination}) {
    const Cadence& c = cadence(tick);
    if (c.active && c.due <= now && (!first || c.due < cadence(*first).due)) first = tick;
  }
  if (!first) return std::nullopt;
  Cadence& c = cadence(*first);
  c.due += interval(*first);
  if (c.due < now) c.due = now + interval(*first);
  return first;
}

std::optional<std::int64_t> LessonClock::nextDue() const {
  std::optional<std::int64_t> next;
  for (const Cadence& c : cadences_)
    if (c.active && (!next || c.due < *next)) next = c.due;
  return next;
}
