#include "model/LessonTables.h"
#include "platform/extended.h"

namespace lessontables {

namespace {

using platform::csvNumber;

std::string numbers(const std::vector<int>& values) {
  std::string out;
  for (const int v : values) {
    if (!out.empty()) out += ' ';
    out += std::to_string(v);
  }
  return out;
}

// Degrees as a spreadsheet computes with them: east and north positive.
Extended signedDegrees(const TGradMinuten& a, bool negative) {
  const Extended d = a.degrees + a.minutes / 60;
  return negative ? -d : d;
}

bool isWest(char c) { return c == 'W' || c == 'w'; }
bool isSouth(char c) { return !(c == 'N' || c == 'n'); }

}  // namespace

platform::CsvRow satelliteHeader() { return {"Nummer", "x (km)", "y (km)", "z (km)", "defekt"}; }

std::vector<platform::CsvRow> satelliteRows(const LessonModel& lesson) {
  std::vector<platform::CsvRow> rows;
  for (int k = 1; k <= LessonModel::satelliteCount; ++k) {
    const TVektorR3& p = lesson.constellation().satellites[static_cast<std::size_t>(k)].position;
    rows.push_back({std::to_string(k), csvNumber(p.x, 3), csvNumber(p.y, 3), csvNumber(p.z, 3),
                    lesson.defective(k) ? "ja" : "nein"});
  }
  return rows;
}

platform::CsvRow historyHeader() {
  return {"Nr.",
          "Simulationsschritt",
          "Ergebnis",
          "x tatsächlich (km)",
          "y tatsächlich (km)",
          "z tatsächlich (km)",
          "x berechnet (km)",
          "y berechnet (km)",
          "z berechnet (km)",
          "Länge berechnet (Grad, Ost positiv)",
          "Breite berechnet (Grad, Nord positiv)",
          "Höhe berechnet (m)",
          "Entfernung zum tatsächlichen Standort (km)",
          "Geschwindigkeit berechnet (km/h)",
          "empfangene Satelliten",
          "verwendete Satelliten",
          "versuchte Vierergruppen",
          "Iterationen",
          "defekte Satelliten"};
}

platform::CsvRow historyRow(const DeterminationRecord& r) {
  const char* result = r.result == DeterminationResult::found           ? "gefunden"
                       : r.result == DeterminationResult::tooFewSignals ? "zu wenige Signale"
                                                                        : "keine Lösung";
  platform::CsvRow row{std::to_string(r.number), std::to_string(r.step), result,
                       csvNumber(r.truePosition.x, 6), csvNumber(r.truePosition.y, 6),
                       csvNumber(r.truePosition.z, 6)};
  if (r.found()) {
    for (const Extended v :
         {r.position.x, r.position.y, r.position.z,
          signedDegrees(r.geo.longitude, isWest(r.geo.eastWest)),
          signedDegrees(r.geo.latitude, isSouth(r.geo.northSouth))})
      row.push_back(csvNumber(v, 6));
    row.push_back(csvNumber(r.geo.height, 2));
    row.push_back(csvNumber(r.distance, 6));
    row.push_back(csvNumber(r.speed, 3));
  } else {
    row.resize(row.size() + 8);
  }
  std::vector<int> heard;
  for (const SignalRecord& s : r.signals) heard.push_back(s.number);
  row.push_back(numbers(heard));
  std::vector<int> used;
  if (const WindowRecord* w = r.shownWindow())
    for (int j = 0; j < 4; ++j) used.push_back(r.signals[static_cast<std::size_t>(w->start + j)].number);
  row.push_back(numbers(used));
  row.push_back(std::to_string(r.windows.size()));
  row.push_back(r.shownWindow() ? std::to_string(r.shownWindow()->iterations) : std::string());
  std::vector<int> defective;
  for (int k = 1; k <= LessonModel::satelliteCount; ++k)
    if (r.defective[static_cast<std::size_t>(k)]) defective.push_back(k);
  row.push_back(numbers(defective));
  return row;
}

DeterminationHistory::DeterminationHistory(LessonModel& lesson) : lesson_(&lesson) {
  lesson.addObserver(this);
}

DeterminationHistory::~DeterminationHistory() {
  if (lesson_) lesson_->removeObserver(this);
}

void DeterminationHistory::determined(const DeterminationRecord& record) {
  if (rows_.size() == maxRows) rows_.pop_front();
  rows_.push_back(historyRow(record));
}

std::string DeterminationHistory::csv() const {
  return platform::csvText(historyHeader(), {rows_.begin(), rows_.end()});
}

}  // namespace lessontables
