#pragma once

// The lesson's tables as a spreadsheet receives them (platform/csv.h): the satellite
// table of the main window and the history of the determinations.

#include <cstddef>
#include <string>
#include <vector>

#include "model/DeterminationHistory.h"
#include "model/LessonModel.h"
#include "platform/csv.h"

namespace lessontables {

// Each in German unless another language is given.

// Number, x, y, z (km) and whether it is marked defective, for the 24 satellites.
platform::CsvRow satelliteHeader(const platform::TableLanguage& language = {});
std::vector<platform::CsvRow> satelliteRows(const LessonModel& lesson,
                                            const platform::TableLanguage& language = {});
std::string satelliteCsv(const LessonModel& lesson, const platform::TableLanguage& language = {});

// One row per determination the history keeps: its number and step, the result, the
// true and the computed position, the distance and speed, the satellites heard and
// used. Rows are formatted when the table is written, never kept.
platform::CsvRow historyHeader(const platform::TableLanguage& language = {});
platform::CsvRow historyRow(const HistoryEntry& entry,
                            const platform::TableLanguage& language = {});
std::string historyCsv(const DeterminationHistory& history,
                       const platform::TableLanguage& language = {});

}  // namespace lessontables
