#include "model/LessonTables.h"
#include "platform/extended.h"

#include "platform/texts.h"

namespace lessontables {

namespace {

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

platform::CsvRow satelliteHeader(const platform::TableLanguage& language) {
  return {language.word(ORTIVO_TEXT("core", "Nummer")), "x (km)", "y (km)", "z (km)",
          language.word(ORTIVO_TEXT("core", "defekt"))};
}

std::vector<platform::CsvRow> satelliteRows(const LessonModel& lesson,
                                            const platform::TableLanguage& language) {
  const std::string yes = language.word(ORTIVO_TEXT("core", "ja"));
  const std::string no = language.word(ORTIVO_TEXT("core", "nein"));
  const auto number = [&language](Extended v) { return platform::csvNumber(v, 3, language); };
  std::vector<platform::CsvRow> rows;
  for (int k = 1; k <= LessonModel::satelliteCount; ++k) {
    const TVektorR3& p = lesson.constellation().satellites[static_cast<std::size_t>(k)].position;
    rows.push_back(
        {std::to_string(k), number(p.x), number(p.y), number(p.z), lesson.defective(k) ? yes : no});
  }
  return rows;
}

std::string satelliteCsv(const LessonModel& lesson, const platform::TableLanguage& language) {
  return platform::csvText(satelliteHeader(language), satelliteRows(lesson, language));
}

platform::CsvRow historyHeader(const platform::TableLanguage& language) {
  static constexpr const char* kHeader[] = {
      ORTIVO_TEXT("core", "Nr."),
      ORTIVO_TEXT("core", "Simulationsschritt"),
      ORTIVO_TEXT("core", "Ergebnis"),
      ORTIVO_TEXT("core", "x tatsächlich (km)"),
      ORTIVO_TEXT("core", "y tatsächlich (km)"),
      ORTIVO_TEXT("core", "z tatsächlich (km)"),
      ORTIVO_TEXT("core", "x berechnet (km)"),
      ORTIVO_TEXT("core", "y berechnet (km)"),
      ORTIVO_TEXT("core", "z berechnet (km)"),
      ORTIVO_TEXT("core", "Länge berechnet (Grad, Ost positiv)"),
      ORTIVO_TEXT("core", "Breite berechnet (Grad, Nord positiv)"),
      ORTIVO_TEXT("core", "Höhe berechnet (m)"),
      ORTIVO_TEXT("core", "Entfernung zum tatsächlichen Standort (km)"),
      ORTIVO_TEXT("core", "Geschwindigkeit berechnet (km/h)"),
      ORTIVO_TEXT("core", "empfangene Satelliten"),
      ORTIVO_TEXT("core", "verwendete Satelliten"),
      ORTIVO_TEXT("core", "versuchte Vierergruppen"),
      ORTIVO_TEXT("core", "Iterationen"),
      ORTIVO_TEXT("core", "defekte Satelliten"),
      ORTIVO_TEXT("core", "Uhrabweichung Kugeln (µs)"),
      ORTIVO_TEXT("core", "Uhrabweichung Kugeln (m)"),
      ORTIVO_TEXT("core", "x Ausgleichsrechnung (km)"),
      ORTIVO_TEXT("core", "y Ausgleichsrechnung (km)"),
      ORTIVO_TEXT("core", "z Ausgleichsrechnung (km)"),
      ORTIVO_TEXT("core", "Entfernung Ausgleichsrechnung (km)"),
      ORTIVO_TEXT("core", "Uhrabweichung Ausgleichsrechnung (µs)"),
      ORTIVO_TEXT("core", "Uhrabweichung Ausgleichsrechnung (m)"),
  };
  platform::CsvRow header;
  for (const char* h : kHeader) header.push_back(language.word(h));
  return header;
}

platform::CsvRow historyRow(const HistoryEntry& e, const platform::TableLanguage& language) {
  const auto csvNumber = [&language](Extended v, int decimals) {
    return platform::csvNumber(v, decimals, language);
  };
  platform::CsvRow row{std::to_string(e.number),
                       std::to_string(e.step),
                       language.word(resultName(e.result)),
                       csvNumber(e.truePosition.x, 6),
                       csvNumber(e.truePosition.y, 6),
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
  const auto clock = [&row, &csvNumber](Extended ns) {
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

std::string historyCsv(const DeterminationHistory& history,
                       const platform::TableLanguage& language) {
  std::vector<platform::CsvRow> rows;
  rows.reserve(history.size());
  for (std::size_t i = 0; i < history.size(); ++i) rows.push_back(historyRow(history[i], language));
  return platform::csvText(historyHeader(language), rows);
}

}  // namespace lessontables
