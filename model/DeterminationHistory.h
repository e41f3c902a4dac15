#pragma once
#include "platform/extended.h"

// The lesson's one history of its determinations, which every view and the table
// export read: a summary of each, in numbers (at most `capacity`, the oldest dropped
// first, so memory stays bounded however long a lesson runs), and the full
// convergence of the latest one.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/DeterminationRecord.h"
#include "model/satellitUnit.h"

// The German name of how a window ended, and one sentence on what happened.
const char* outcomeName(FixOutcome outcome);
const char* outcomeExplanation(FixOutcome outcome);
// The German name of how a whole determination ended, as the tables write it.
const char* resultName(DeterminationResult result);

struct HistoryEntry {
  static constexpr int maxWindows = TSatellitenSchar::satelliteCount - 3;

  std::int64_t number = 0;
  std::int64_t step = 0;
  DeterminationResult result = DeterminationResult::tooFewSignals;
  std::uint8_t signalCount = 0;
  std::uint8_t windowCount = 0;
  std::array<FixOutcome, maxWindows> outcomes{};  // of the windows tried, in order
  std::uint32_t iterations = 0;                   // of all windows together
  double distance = 0;                            // m, when found

  // What the table export writes of it, formatted only when it is written.
  TVektorR3 truePosition{};  // km
  TVektorR3 position{};      // km, when found
  TGeoPosition geo{};        // when found
  Extended distanceKm = 0;
  Extended speed = 0;  // km/h
  std::array<std::uint8_t, TSatellitenSchar::satelliteCount> heard{};  // nearest first
  std::int8_t shownStart = -1;           // first signal of the window shown; -1 none tried
  std::uint32_t shownIterations = 0;     // of that window
  std::uint32_t defective = 0;           // bit k for satellite k
  // The receiver's clock offset of each method, and the least-squares fix.
  Extended clockNs = 0;                  // four spheres, when found
  bool leastSquaresValid = false;
  TVektorR3 leastSquaresPosition{};      // km
  Extended leastSquaresDistanceKm = 0;
  Extended leastSquaresClockNs = 0;

  bool found() const { return result == DeterminationResult::found; }
  // 1 for the first window; 0 when none converged.
  int convergedWindow() const { return found() ? windowCount : 0; }
};

class DeterminationHistory {
 public:
  static constexpr std::size_t defaultCapacity = 10000;

  explicit DeterminationHistory(std::size_t capacity = defaultCapacity);

  void add(const DeterminationRecord& record);
  void clear();

  std::size_t size() const { return size_; }
  std::size_t capacity() const { return capacity_; }
  bool empty() const { return size_ == 0; }
  // 0 is the oldest kept.
  const HistoryEntry& operator[](std::size_t i) const { return slot((head_ + i) % capacity_); }
  const HistoryEntry& latest() const { return (*this)[size_ - 1]; }
  // Bytes the summaries hold at most; they never grow beyond capacity entries.
  std::size_t storedBytes() const { return allocated_ * sizeof(HistoryEntry); }

  // The latest determination's windows with their mismatches (empty after clear).
  struct LatestWindow {
    std::int32_t start = 0;
    std::array<std::int32_t, 4> satellites{};
    FixOutcome outcome = FixOutcome::converged;
    std::uint32_t iterations = 0;
    std::vector<Extended> mismatches;  // km, as in the record
  };
  const std::vector<LatestWindow>& latestWindows() const { return latest_; }
  bool hasLatest() const { return hasLatest_; }
  const HistoryEntry& latestEntry() const { return latestEntry_; }

 private:
  // Blocks of summaries, allocated as the history fills and never moved: a growing
  // history copies nothing it already holds. The last block ends at the capacity.
  static constexpr std::size_t blockSize = 250;
  HistoryEntry& slot(std::size_t index) const {
    return blocks_[index / blockSize][index % blockSize];
  }

  std::size_t capacity_;
  std::vector<std::unique_ptr<HistoryEntry[]>> blocks_;
  std::size_t allocated_ = 0;  // entries in the blocks
  std::size_t head_ = 0;  // index of the oldest once the buffer is full
  std::size_t size_ = 0;
  std::vector<LatestWindow> latest_;
  HistoryEntry latestEntry_{};
  bool hasLatest_ = false;
};
