#pragma once
#include "platform/extended.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "containers/listClss.h"
#include "geometry/vektorR3clss.h"
#include "model/satellitUnit.h"

// One received signal: the sending satellite, the signal's run time and where the
// satellite stood when it sent it.
class TListenElement : public TBase {
  ORTIVO_ELEMENT_CLASS(TListenElement)
 public:
  TListenElement(std::int32_t aNumber, std::int32_t aRunTime, TVektorR3 aPosition)
      : number(aNumber), runTime(aRunTime), position(aPosition) {}

  using TBase::compare;
  // 2 for an element of another class; otherwise the order of the run times.
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;

  std::int32_t number;
  std::int32_t runTime;  // ns
  TVektorR3 position;    // km
};

// The receiver's clock: which satellites it hears, and their run times. It is not
// synchronised with the satellites, so it knows only the differences of the run
// times and assumes 70 ms for the nearest signal.
class TUhr {
 public:
  static constexpr Extended signalSpeed = 0.0003L;        // km per ns
  static constexpr std::int32_t fictiveRunTime = 70000000;  // ns for the first signal

  TUhr();

  // Whether satellite k is in the line of sight from the receiver.
  bool isVisible(TVektorR3 receiverPosition, const TSatellitenSchar& constellation, int k);
  // Delays of the signals on their way, km by satellite number (entry 0 unused).
  using Delays = std::array<Extended, TSatellitenSchar::satelliteCount + 1>;

  // The run time the receiver measures over a range (km): whole nanoseconds. rint gives
  // what nearbyint gives, without saving and restoring the floating-point environment.
  static std::int32_t measuredRunTime(Extended range) {
    return static_cast<std::int32_t>(std::rint(range / signalSpeed));
  }

  // Adds the signals of every visible working satellite, ordered by run time, and
  // replaces the run times by fictive ones. A satellite's delay lengthens its range
  // before the run time is rounded; without delays the ranges are the distances.
  void receiveSignals(TVektorR3 receiverPosition, const TSatellitenSchar& constellation,
                      const Delays* delays = nullptr);

  std::int32_t windowStart = 0;
  TSortListe signals;
  TVektorR3 earthCenter{0, 0, 0};
  Extended earthRadius = 6371.0L;

 private:
  TEuklidGeoR3 geo{false};
};
