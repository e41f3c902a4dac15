#include "model/DeterminationHistory.h"

#include <algorithm>
#include <cmath>

#include "platform/texts.h"

const char* outcomeName(FixOutcome outcome) {
  switch (outcome) {
    case FixOutcome::converged:
      return ORTIVO_TEXT("core", "konvergiert");
    case FixOutcome::noCircle12:
      return ORTIVO_TEXT("core", "kein Schnittkreis der Kugeln 1 und 2");
    case FixOutcome::noCircle13:
      return ORTIVO_TEXT("core", "kein Schnittkreis der Kugeln 1 und 3");
    case FixOutcome::intersectionFailed:
      return ORTIVO_TEXT("core", "kein Schnittpunkt");
    case FixOutcome::runaway:
      return ORTIVO_TEXT("core", "davongelaufen");
    case FixOutcome::timeLimit:
      return ORTIVO_TEXT("core", "Zeitgrenze überschritten");
  }
  return "";
}

const char* outcomeExplanation(FixOutcome outcome) {
  switch (outcome) {
    case FixOutcome::converged:
      return ORTIVO_TEXT(
          "core",
          "Der Schnittpunkt der ersten drei Kugeln liegt bis auf 1 cm auf der vierten Kugel.");
    case FixOutcome::noCircle12:
      return ORTIVO_TEXT("core",
                         "Die Kugeln um den 1. und 2. Satelliten berühren sich nicht: Es gibt "
                         "nichts zu schneiden.");
    case FixOutcome::noCircle13:
      return ORTIVO_TEXT("core",
                         "Die Kugeln um den 1. und 3. Satelliten berühren sich nicht: Es gibt "
                         "nichts zu schneiden.");
    case FixOutcome::intersectionFailed:
      return ORTIVO_TEXT("core",
                         "Ein Radius wurde 0, die beiden Schnittebenen sind parallel, oder ihre "
                         "Schnittgerade verfehlt die erste Kugel.");
    case FixOutcome::runaway:
      return ORTIVO_TEXT("core",
                         "Die Korrekturen wurden immer größer statt kleiner, weit über jede "
                         "mögliche Uhrabweichung hinaus.");
    case FixOutcome::timeLimit:
      return ORTIVO_TEXT(
          "core", "Nach mehr als 2 Sekunden lag der Punkt noch immer nicht auf der vierten Kugel.");
  }
  return "";
}

const char* resultName(DeterminationResult result) {
  switch (result) {
    case DeterminationResult::found:
      return ORTIVO_TEXT("core", "gefunden");
    case DeterminationResult::tooFewSignals:
      return ORTIVO_TEXT("core", "zu wenige Signale");
    case DeterminationResult::allWindowsFailed:
      return ORTIVO_TEXT("core", "keine Lösung");
  }
  return "";
}

DeterminationHistory::DeterminationHistory(std::size_t capacity)
    : capacity_(std::max<std::size_t>(capacity, 1)) {}

void DeterminationHistory::add(const DeterminationRecord& record) {
  HistoryEntry e;
  e.number = record.number;
  e.step = record.step;
  e.result = record.result;
  e.signalCount = static_cast<std::uint8_t>(std::min<std::size_t>(record.signals.size(), 255));
  const std::size_t windows = std::min<std::size_t>(record.windows.size(), HistoryEntry::maxWindows);
  e.windowCount = static_cast<std::uint8_t>(windows);
  for (std::size_t i = 0; i < record.windows.size(); ++i) {
    if (i < windows) e.outcomes[i] = record.windows[i].outcome;
    e.iterations += record.windows[i].iterations;
  }
  if (record.found()) e.distance = static_cast<double>(record.distance * 1000);
  e.truePosition = record.truePosition;
  if (record.found()) {
    e.position = record.position;
    e.geo = record.geo;
    e.distanceKm = record.distance;
    e.speed = record.speed;
  }
  for (std::size_t i = 0; i < e.heard.size() && i < record.signals.size(); ++i)
    e.heard[i] = static_cast<std::uint8_t>(record.signals[i].number);
  if (const WindowRecord* w = record.shownWindow()) {
    e.shownStart = static_cast<std::int8_t>(w->start);
    e.shownIterations = w->iterations;
  }
  for (std::size_t k = 1; k < record.defective.size(); ++k)
    if (record.defective[k]) e.defective |= 1u << k;
  if (record.found()) e.clockNs = record.clock.ns;
  e.leastSquaresValid = record.leastSquares.valid();
  if (e.leastSquaresValid) {
    e.leastSquaresPosition = record.leastSquares.position;
    e.leastSquaresDistanceKm = record.leastSquaresDistance;
    e.leastSquaresClockNs = record.leastSquares.clockOffsetNs();
  }

  if (size_ < capacity_) {
    if (size_ == allocated_) {
      const std::size_t n = std::min(blockSize, capacity_ - allocated_);
      blocks_.push_back(std::make_unique<HistoryEntry[]>(n));
      allocated_ += n;
    }
    slot(size_++) = e;
  } else {
    slot(head_) = e;
    head_ = (head_ + 1) % capacity_;
  }

  latestEntry_ = e;
  hasLatest_ = true;
  latest_.resize(record.windows.size());
  for (std::size_t i = 0; i < record.windows.size(); ++i) {
    const WindowRecord& w = record.windows[i];
    LatestWindow& l = latest_[i];
    l.start = w.start;
    for (int j = 0; j < 4; ++j) {
      const std::size_t s = static_cast<std::size_t>(w.start) + j;
      l.satellites[j] = s < record.signals.size() ? record.signals[s].number : 0;
    }
    l.outcome = w.outcome;
    l.iterations = w.iterations;
    l.mismatches.assign(w.mismatches.begin(), w.mismatches.end());
  }
}

void DeterminationHistory::clear() {
  head_ = 0;
  size_ = 0;
  latest_.clear();
  latestEntry_ = {};
  hasLatest_ = false;
}
