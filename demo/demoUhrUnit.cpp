#include "demo/demoUhrUnit.h"

#include <cmath>

int TDemoListenElement::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  const auto* o = dynamic_cast<const TDemoListenElement*>(&other);
  if (!o) return 2;
  if (runTime < o->runTime) return -1;
  return runTime == o->runTime ? 0 : 1;
}

std::unique_ptr<TBase> TDemoListenElement::copy() {
  return std::make_unique<TDemoListenElement>(number, runTime, position);
}

void TDemoUhr::setReceiver(TVektorR2 position, const TDemoSatellitenSchar& constellation_) {
  receiverPosition = position;
  constellation = &constellation_;
}

bool TDemoUhr::isVisible(int k) {
  if (!constellation || k < 1 || k > TDemoSatellitenSchar::satelliteCount) return false;
  // Anything but "apart" blocks the view; a segment the calculator refuses leaves
  // the code at "inside".
  std::uint8_t code = geocode::segmentRound::inside;
  TPunktpaarR2 points;
  geo.intersectSegmentCircle({receiverPosition, constellation->positions[k]}, earthCircle, code,
                             points);
  return code == geocode::segmentRound::apart;
}

void TDemoUhr::receiveSignals() {
  if (!constellation) return;
  for (int k = 1; k <= TDemoSatellitenSchar::satelliteCount; ++k) {
    if (!isVisible(k)) continue;
    const TVektorR2 at = constellation->positions[k];
    // Halves to even, as the default rounding mode does.
    const auto d = static_cast<std::int32_t>(std::nearbyint(geo.distanceR2(at, receiverPosition)));
    signals.insertSorted(std::make_unique<TDemoListenElement>(k, d, at));
  }
  if (signals.empty()) return;

  // The receiver only knows the differences: the nearest signal is given run time 100
  // and the others keep their distance to it.
  // The same shift for all keeps their order.
  const std::int32_t b = signals.elements<TDemoListenElement>().begin()->runTime;
  for (TDemoListenElement& e : signals.elements<TDemoListenElement>()) e.runTime += 100 - b;
  signals.toFirst();
}
