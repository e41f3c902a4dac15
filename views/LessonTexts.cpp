#include "views/LessonTexts.h"

#include "platform/numformat.h"
#include "platform/texts.h"

namespace views {

Cells cartesianCells(TVektorR3 v, int decimals) {
  return {platform::formatFixed(v.x, decimals, 18), platform::formatFixed(v.y, decimals, 18),
          platform::formatFixed(v.z, decimals, 18)};
}

GeographicCells geographicCells(const TGeoPosition& g, int decimals) {
  const std::string separator = platform::decimalSeparator();
  const auto cells = [&](char letter, const TGradMinuten& a, int most) {
    const auto text = platform::formatDegreesMinutes(a.degrees, a.minutes, decimals, 18, most, separator);
    return Cells{std::string(1, letter), std::to_string(text.degrees), text.minutes};
  };
  return {cells(g.eastWest, g.longitude, 180), cells(g.northSouth, g.latitude, 90),
          platform::formatFixed(g.height, 2, 7)};
}

Cells signalCells(const SignalRecord& s) {
  return {std::to_string(s.number),
          platform::formatFixed(s.position.x, 3, 8),
          platform::formatFixed(s.position.y, 3, 8),
          platform::formatFixed(s.position.z, 3, 8),
          std::to_string(s.fictiveRunTime / 1000000),
          std::to_string((s.fictiveRunTime % 1000000) / 1000),
          std::to_string(s.fictiveRunTime % 1000)};
}

std::string receivedSatellites(const DeterminationRecord& record) {
  std::string text = std::to_string(record.signals.size()) + ": ";
  for (const SignalRecord& s : record.signals) text += std::to_string(s.number) + ", ";
  return text;
}

std::string dopReason(const DilutionOfPrecision& dop) {
  switch (dop.status) {
    case DilutionOfPrecision::Status::valid: {
      const char* verdict = dop.pdop <= 2   ? ORTIVO_TEXT("core", "sehr gute Geometrie")
                            : dop.pdop <= 4 ? ORTIVO_TEXT("core", "gute Geometrie")
                            : dop.pdop <= 8 ? ORTIVO_TEXT("core", "mäßige Geometrie")
                                            : ORTIVO_TEXT("core", "schlechte Geometrie");
      return platform::fillText(ORTIVO_TEXT("core", "%1 (PDOP %2)"),
                                {verdict, platform::formatFixed(dop.pdop, 1, 6)});
    }
    case DilutionOfPrecision::Status::tooFewSatellites:
      return platform::fillText(
          dop.satellites == 1
              ? ORTIVO_TEXT("core",
                            "nur %1 Satellit – für Standort und Uhrabweichung braucht der "
                            "Empfänger mindestens 4")
              : ORTIVO_TEXT("core",
                            "nur %1 Satelliten – für Standort und Uhrabweichung braucht "
                            "der Empfänger mindestens 4"),
          {std::to_string(dop.satellites)});
    case DilutionOfPrecision::Status::degenerate:
      return ORTIVO_TEXT("core",
                         "die Geometrie ist entartet: Die Satelliten stehen (nahezu) auf "
                         "einem Kreis um den Empfänger oder mit ihm in einer Ebene, so "
                         "legen sie den Standort nicht fest");
  }
  return {};
}

std::vector<std::pair<bool, std::string>> skyHint(bool hasReceiver, bool hasFix, bool fixFound,
                                                  const DilutionOfPrecision& fix,
                                                  const DilutionOfPrecision& all,
                                                  const platform::Translation& language) {
  const auto text = [&language](const std::string& german) {
    return platform::translated(language, german.c_str());
  };
  if (!hasReceiver)
    return {{false, text(ORTIVO_TEXT("core",
                                     "Noch kein Standort des Empfängers: Erzeugen Sie ihn im "
                                     "Hauptfenster oder geben Sie ihn dort ein."))}};
  const std::string used =
      !hasFix     ? text(ORTIVO_TEXT("core", "noch keine Positionsbestimmung an diesem Standort"))
      : !fixFound ? text(ORTIVO_TEXT("core", "die letzte Positionsbestimmung fand keinen Standort"))
                  : text(dopReason(fix));
  return {{true, text(ORTIVO_TEXT("core", "4 verwendete:"))},
          {false, " " + used + "."},
          {true, text(ORTIVO_TEXT("core", "Alle empfangenen:"))},
          {false, " " + text(dopReason(all)) + "."}};
}

}  // namespace views
