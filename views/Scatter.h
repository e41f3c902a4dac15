#pragma once

// The scatter of fixes around the true position, for both methods: the lesson's
// determinations and clouds of measurements made at one instant. East, north and up in
// metres in the receiver's local frame; the statistics a teacher compares with what
// the geometry predicts (PDOP × UERE); the tables a spreadsheet receives.

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "model/DeterminationRecord.h"
#include "model/Measurement.h"
#include "platform/csv.h"

namespace views {

enum class Method : std::uint8_t { fourSpheres, leastSquares };
inline constexpr int methodCount = 2;
const char* methodName(Method m);

struct ScatterFix {
  bool valid = false;
  double east = 0, north = 0, up = 0;  // m from the true position
  double distance = 0;                 // m, in space
  double clockNs = 0;                  // the receiver's clock offset
  double pdop = 0;                     // of the satellites the method used
};

struct ScatterSignal {
  std::int32_t satellite = 0;
  float elevation = 0;  // degrees
  std::array<float, errorSourceCount> delays{};  // m
  float faulty = 0;                              // m
  float total = 0;                               // m
  float residual = 0;                            // m; NaN without a least-squares fix
};

struct ScatterMeasurement {
  std::int64_t number = 0;  // in the view
  double uere = 0;  // m, of the sources switched on when it was made
  std::array<ScatterFix, methodCount> fixes{};
  std::vector<ScatterSignal> signals;
};

ScatterMeasurement scatterOf(const DeterminationRecord& record);
ScatterMeasurement scatterOf(const Measurement& m, TVektorR3 truePosition, double uere);

struct ScatterStatistics {
  int count = 0;
  double meanEast = 0, meanNorth = 0, meanUp = 0;
  double sigmaEast = 0, sigmaNorth = 0, sigmaUp = 0;
  double rmsHorizontal = 0, rms3d = 0;  // about the true position
  double expected3d = 0;                // root mean square of PDOP × UERE
  double radius50 = 0, radius95 = 0;    // horizontal circles that hold 50 % and 95 %
};

// The measurements shown, at most `capacity`, the oldest dropped first.
class ScatterData {
 public:
  static constexpr std::size_t capacity = 10000;

  // Numbers the measurements 1, 2, ... in the order they come.
  void add(ScatterMeasurement m);
  void clear() {
    measurements_.clear();
    added_ = 0;
  }
  const std::deque<ScatterMeasurement>& measurements() const { return measurements_; }
  ScatterStatistics statistics(Method method) const;

  // One row per measurement and method: number, method, east, north, up, 3D distance
  // (m), clock offset in µs and in m, the PDOP it used.
  std::string fixesCsv(const platform::TableLanguage& language = {}) const;
  // One row per measurement and satellite: number, satellite, elevation, each
  // source's delay, the faulty satellite's amount, their sum, the residual.
  std::string signalsCsv(const platform::TableLanguage& language = {}) const;

 private:
  std::deque<ScatterMeasurement> measurements_;
  std::int64_t added_ = 0;
};

}  // namespace views
