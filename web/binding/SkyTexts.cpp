#include "web/binding/SkyTexts.h"

#include "platform/numformat.h"

namespace web {

std::string skyDegrees(Extended radians) {
  return platform::formatFixed(radians * 180 / extendedPi, 1, 6) + "°";
}

namespace {

// How good a geometry is, judged by its PDOP.
std::string verdict(const DilutionOfPrecision& dop) {
  if (dop.pdop <= 2) return "sehr gute Geometrie";
  if (dop.pdop <= 4) return "gute Geometrie";
  if (dop.pdop <= 8) return "mäßige Geometrie";
  return "schlechte Geometrie";
}

}  // namespace

std::string skyReason(const DilutionOfPrecision& dop) {
  switch (dop.status) {
    case DilutionOfPrecision::Status::valid:
      return verdict(dop) + " (PDOP " + platform::formatFixed(dop.pdop, 1, 6) + ")";
    case DilutionOfPrecision::Status::tooFewSatellites:
      return "nur " + std::to_string(dop.satellites) + " Satellit" +
             (dop.satellites == 1 ? "" : "en") +
             " – für Standort und Uhrabweichung braucht der Empfänger mindestens 4";
    case DilutionOfPrecision::Status::degenerate:
      return "die Geometrie ist entartet: Die Satelliten stehen (nahezu) auf einem Kreis um den "
             "Empfänger oder mit ihm in einer Ebene, so legen sie den Standort nicht fest";
  }
  return {};
}

std::vector<std::pair<bool, std::string>> skyHint(bool hasReceiver, bool hasFix, bool fixFound,
                                                  const DilutionOfPrecision& fix,
                                                  const DilutionOfPrecision& all) {
  if (!hasReceiver)
    return {{false,
             "Noch kein Standort des Empfängers: Erzeugen Sie ihn im Hauptfenster oder geben Sie "
             "ihn dort ein."}};
  std::string used;
  if (!hasFix)
    used = "noch keine Positionsbestimmung an diesem Standort.";
  else if (!fixFound)
    used = "die letzte Positionsbestimmung fand keinen Standort.";
  else
    used = skyReason(fix) + ".";
  return {{true, "4 verwendete:"}, {false, " " + used},
          {true, "Alle empfangenen:"}, {false, " " + skyReason(all) + "."}};
}

}  // namespace web
