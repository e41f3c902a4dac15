#include "web/binding/SkyTexts.h"

#include "platform/numformat.h"
#include "views/LessonTexts.h"

namespace web {

std::string skyDegrees(Extended radians) {
  return platform::formatFixed(radians * 180 / extendedPi, 1, 6) + "°";
}

std::string skyReason(const DilutionOfPrecision& dop) { return views::dopReason(dop); }

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
