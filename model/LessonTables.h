#pragma once

// The lesson's tables as a spreadsheet receives them (platform/csv.h): the satellite
// table of the main window and the history of the determinations.

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "model/LessonModel.h"
#include "platform/csv.h"

namespace lessontables {

// Number, x, y, z (km) and whether it is marked defective, for the 24 satellites.
platform::CsvRow satelliteHeader();
std::vector<platform::CsvRow> satelliteRows(const LessonModel& lesson);

// One row per determination: its number and step, the result, the true and the
// computed position, the distance and speed, the satellites heard and used.
platform::CsvRow historyHeader();
platform::CsvRow historyRow(const DeterminationRecord& record);

// Keeps a row of every determination of the lesson it watches; a lesson put back
// from a file starts a new history.
class DeterminationHistory : public LessonObserver {
 public:
  // An hour of determinations at the fastest run of time is far less.
  static constexpr std::size_t maxRows = 100'000;

  explicit DeterminationHistory(LessonModel& lesson);
  ~DeterminationHistory() override;
  DeterminationHistory(const DeterminationHistory&) = delete;
  DeterminationHistory& operator=(const DeterminationHistory&) = delete;

  // The oldest rows give way beyond maxRows.
  const std::deque<platform::CsvRow>& rows() const { return rows_; }
  std::string csv() const;

 private:
  void determined(const DeterminationRecord& record) override;
  void restored() override { rows_.clear(); }
  void historyCleared() override { rows_.clear(); }
  void lessonEnded() override { lesson_ = nullptr; }

  LessonModel* lesson_;
  std::deque<platform::CsvRow> rows_;
};

}  // namespace lessontables
