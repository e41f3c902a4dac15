#pragma once

#include <cstdint>
#include <memory>

#include "containers/listClss.h"
#include "geometry/vektorR2clss.h"
#include "demo/demosatellitUnit.h"

// One registered signal of the 2D demonstration: the satellite, its (fictive) run time
// in plane units and where the satellite stood when the signal was registered.
class TDemoListenElement : public TBase {
  ORTIVO_ELEMENT_CLASS(TDemoListenElement)
 public:
  TDemoListenElement() = default;
  TDemoListenElement(std::int32_t number_, std::int32_t runTime_, TVektorR2 position_)
      : number(number_), runTime(runTime_), position(position_) {}

  using TBase::compare;
  // By run time; 2 for an element of another class.
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;

  std::int32_t number = 0;
  std::int32_t runTime = 0;
  TVektorR2 position{};
};

// The receiver clock of the 2D demonstration: decides which satellites the receiver
// sees past the earth and gives their signals fictive run times.
class TDemoUhr {
 public:
  TDemoUhr() = default;
  TDemoUhr(const TDemoUhr&) = delete;
  TDemoUhr& operator=(const TDemoUhr&) = delete;

  // The constellation stays the caller's and must outlive the clock.
  void setReceiver(TVektorR2 position, const TDemoSatellitenSchar& constellation_);
  // A clear line of sight from the receiver to satellite k (1..8) past the earth circle.
  bool isVisible(int k);
  // Registers every visible satellite, nearest first, with fictive run times: 100 for
  // the nearest, 100 plus the measured difference for the others.
  void receiveSignals();

  TKreisR2 earthCircle{{0, 0}, 50.0L};
  TSortListe signals;
  const TDemoSatellitenSchar* constellation = nullptr;
  TVektorR2 receiverPosition{};

 private:
  TEuklidGeoR2 geo{false};
};
