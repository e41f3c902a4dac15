#include "model/uhrunit.h"
#include "platform/extended.h"

#include <cmath>

int TListenElement::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  const auto& o = static_cast<TListenElement&>(other);
  if (runTime < o.runTime) return -1;
  return runTime == o.runTime ? 0 : 1;
}

std::unique_ptr<TBase> TListenElement::copy() {
  return std::make_unique<TListenElement>(number, runTime, position);
}

TUhr::TUhr() = default;

bool TUhr::isVisible(TVektorR3 receiverPosition, const TSatellitenSchar& constellation, int k) {
  const TStreckeR3 lineOfSight{receiverPosition, constellation.satellites[k].position};
  const TKugelR3 earth{earthCenter, earthRadius};
  std::uint8_t code = geocode::segmentRound::inside;  // stays "inside" should a check refuse the figures
  TPunktpaarR3 points{};
  geo.intersectSegmentSphere(lineOfSight, earth, code, points);
  // Clear of the ball, from the surface above the horizon, or grazing it.
  using namespace geocode::segmentRound;
  return code == apart || code == endOnLeaving || code == tangent;
}

void TUhr::receiveSignals(TVektorR3 receiverPosition, const TSatellitenSchar& constellation,
                          const Delays* delays) {
  for (int k = 1; k <= TSatellitenSchar::satelliteCount; ++k) {
    const TSatellit& satellite = constellation.satellites[k];
    if (!isVisible(receiverPosition, constellation, k) || !satellite.working) continue;
    const Extended d = geo.distance(satellite.position, receiverPosition);
    const std::int32_t runTime = measuredRunTime(delays ? d + (*delays)[k] : d);
    signals.insertSorted(std::make_unique<TListenElement>(k, runTime, satellite.position));
  }
  if (signals.empty()) return;
  // The same shift for all keeps their order.
  const std::int32_t first = signals.elements<TListenElement>().begin()->runTime;
  for (TListenElement& e : signals.elements<TListenElement>()) e.runTime += fictiveRunTime - first;
  signals.toEnd();
}
