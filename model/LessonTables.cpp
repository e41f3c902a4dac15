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

std::string satelliteCsv(const LessonModel& lesson) {
  return platform::csvText(satelliteHeader(), satelliteRows(lesson));
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
          "defekte Satelliten",
          "Uhrabweichung Kugeln (µs)",
          "Uhrabweichung Kugeln (m)",
          "x Ausgleichsrechnung (km)",
          "y Ausgleichsrechnung (km)",
          "z Ausgleichsrechnung (km)",
          "Entfernung Ausgleichsrechnung (km)",
          "Uhrabweichung Ausgleichsrechnung (µs)",
          "Uhrabweichung Ausgleichsrechnung (m)"};
}

platform::CsvRow historyRow(const HistoryEntry& e) {
  platform::CsvRow row{std::to_string(e.number), std::to_string(e.step), resultName(e.result),
                       csvNumber(e.truePosition.x, 6), csvNumber(e.truePosition.y, 6),
                       csvNumber(e.truePosition.z, 6)};
  if (e.found()) {
    for (const Extended v :
         {e.position.x, e.position.y, e.position.z,
          signedDegrees(e.geo.longitude, isWest(e.geo.eastWest)),
          signedDegrees(e.geo.latitude, isSouth(e.geo.northSouth))})
      row.push_back(csvNumber(v, 6));
    row.push_back(csvNumber(e.geo.height, 2));
    row.push_back(csvNumber(e.distanceKm, 6));
    row.push_back(csvNumber(e.speed, 3));
  } else {
    row.resize(row.size() + 8);
  }
  const std::vector<int> heard(e.heard.begin(), e.heard.begin() + e.signalCount);
  row.push_back(numbers(heard));
  std::vector<int> used;
  if (e.shownStart >= 0) used.assign(heard.begin() + e.shownStart, heard.begin() + e.shownStart + 4);
  row.push_back(numbers(used));
  row.push_back(std::to_string(e.windowCount));
  row.push_back(e.shownStart >= 0 ? std::to_string(e.shownIterations) : std::string());
  std::vector<int> defective;
  for (int k = 1; k <= LessonModel::satelliteCount; ++k)
    if (e.defective & (1u << k)) defective.push_back(k);
  row.push_back(numbers(defective));
  // The clock offset in µs and as signal travel in m.
  const auto clock = [&row](Extended ns) {
    row.push_back(csvNumber(ns / 1000, 6));
    row.push_back(csvNumber(ns * TUhr::signalSpeed * 1000, 3));
  };
  if (e.found()) clock(e.clockNs); else row.resize(row.size() + 2);
  if (e.leastSquaresValid) {
    for (const Extended v : {e.leastSquaresPosition.x, e.leastSquaresPosition.y,
                             e.leastSquaresPosition.z, e.leastSquaresDistanceKm})
      row.push_back(csvNumber(v, 6));
    clock(e.leastSquaresClockNs);
  } else {
    row.resize(row.size() + 6);
  }
  return row;
}

std::string historyCsv(const DeterminationHistory& history) {
  std::vector<platform::CsvRow> rows;
  rows.reserve(history.size());
  for (std::size_t i = 0; i < history.size(); ++i) rows.push_back(historyRow(history[i]));
  return platform::csvText(historyHeader(), rows);
}

}  // namespace lessontables
