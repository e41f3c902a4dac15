#include "views/Scatter.h"

#include <algorithm>
#include <cmath>

#include "model/DilutionOfPrecision.h"
#include "model/SkyGeometry.h"
#include "platform/csv.h"
#include "platform/texts.h"

namespace views {

namespace {

ScatterFix fixAt(TVektorR3 truePosition, TVektorR3 position, Extended clockNs, double pdop) {
  const LocalFrame frame = localFrame(truePosition);
  const TVektorR3 d = TEuklidGeoR3::differenceR3(position, truePosition);
  const auto along = [&d](TVektorR3 axis) { return double(TEuklidGeoR3::dotProduct(d, axis)) * 1000; };
  ScatterFix f;
  f.valid = true;
  f.east = along(frame.east);
  f.north = along(frame.north);
  f.up = along(frame.up);
  f.distance = std::sqrt(f.east * f.east + f.north * f.north + f.up * f.up);
  f.clockNs = double(clockNs);
  f.pdop = pdop;
  return f;
}

ScatterSignal signalOf(std::int32_t number, Extended elevation, const SignalErrors& e,
                       Extended residual) {
  ScatterSignal s;
  s.satellite = number;
  s.elevation = float(elevation * 180 / extendedPi);
  for (int i = 0; i < errorSourceCount; ++i) s.delays[std::size_t(i)] = float(e.source[std::size_t(i)]);
  s.faulty = float(e.faulty);
  s.total = float(e.total);
  s.residual = float(residual);
  return s;
}

double quantile(std::vector<double> values, double share) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  // The smallest radius that holds at least `share` of the fixes.
  const auto rank = std::size_t(std::ceil(share * double(values.size())));
  return values[std::max<std::size_t>(rank, 1) - 1];
}

}  // namespace

const char* methodName(Method m) {
  return m == Method::fourSpheres ? ORTIVO_TEXT("core", "vier Kugeln")
                                  : ORTIVO_TEXT("core", "Ausgleichsrechnung");
}

ScatterMeasurement scatterOf(const DeterminationRecord& r) {
  ScatterMeasurement m;
  m.uere = double(r.uere);
  if (r.found()) m.fixes[0] = fixAt(r.truePosition, r.position, r.clock.ns, r.pdop);
  const LeastSquaresFix& ls = r.leastSquares;
  if (ls.valid()) m.fixes[1] = fixAt(r.truePosition, ls.position, ls.clockOffsetNs(), ls.pdop);
  for (const SignalRecord& s : r.signals)
    m.signals.push_back(signalOf(s.number, s.elevation, s.errors, s.residual));
  return m;
}

ScatterMeasurement scatterOf(const Measurement& measured, TVektorR3 truePosition, double uere) {
  ScatterMeasurement m;
  m.uere = uere;
  const FourSphereFix& four = measured.fourSpheres;
  if (four.found) {
    std::array<TVektorR3, 4> used;
    for (std::size_t j = 0; j < 4; ++j) used[j] = measured.signals[std::size_t(four.window) + j].position;
    m.fixes[0] = fixAt(truePosition, four.position, four.clock.ns,
                       positionDop(truePosition, used));
  }
  const LeastSquaresFix& ls = measured.leastSquares;
  if (ls.valid()) m.fixes[1] = fixAt(truePosition, ls.position, ls.clockOffsetNs(), ls.pdop);
  for (int i = 0; i < measured.signalCount; ++i) {
    const MeasuredSignal& s = measured.signals[std::size_t(i)];
    m.signals.push_back(signalOf(s.number, s.elevation, s.errors,
                                 ls.valid() ? ls.residuals[std::size_t(i)] : NAN));
  }
  return m;
}

void ScatterData::add(ScatterMeasurement m) {
  m.number = ++added_;
  if (measurements_.size() == capacity) measurements_.pop_front();
  measurements_.push_back(std::move(m));
}

ScatterStatistics ScatterData::statistics(Method method) const {
  ScatterStatistics s;
  std::vector<double> horizontal;
  double expected = 0;
  for (const ScatterMeasurement& m : measurements_) {
    const ScatterFix& f = m.fixes[static_cast<std::size_t>(method)];
    if (!f.valid) continue;
    ++s.count;
    s.meanEast += f.east, s.meanNorth += f.north, s.meanUp += f.up;
    s.rmsHorizontal += f.east * f.east + f.north * f.north;
    s.rms3d += f.distance * f.distance;
    expected += (f.pdop * m.uere) * (f.pdop * m.uere);
    horizontal.push_back(std::hypot(f.east, f.north));
  }
  if (s.count == 0) return s;
  const double n = s.count;
  s.meanEast /= n, s.meanNorth /= n, s.meanUp /= n;
  s.rmsHorizontal = std::sqrt(s.rmsHorizontal / n);
  s.rms3d = std::sqrt(s.rms3d / n);
  s.expected3d = std::sqrt(expected / n);
  if (s.count > 1) {
    for (const ScatterMeasurement& m : measurements_) {
      const ScatterFix& f = m.fixes[static_cast<std::size_t>(method)];
      if (!f.valid) continue;
      s.sigmaEast += (f.east - s.meanEast) * (f.east - s.meanEast);
      s.sigmaNorth += (f.north - s.meanNorth) * (f.north - s.meanNorth);
      s.sigmaUp += (f.up - s.meanUp) * (f.up - s.meanUp);
    }
    s.sigmaEast = std::sqrt(s.sigmaEast / (n - 1));
    s.sigmaNorth = std::sqrt(s.sigmaNorth / (n - 1));
    s.sigmaUp = std::sqrt(s.sigmaUp / (n - 1));
  }
  s.radius50 = quantile(horizontal, 0.5);
  s.radius95 = quantile(horizontal, 0.95);
  return s;
}

std::string ScatterData::fixesCsv(const platform::TableLanguage& language) const {
  const auto csvNumber = [&language](Extended v, int decimals) {
    return platform::csvNumber(v, decimals, language);
  };
  std::vector<platform::CsvRow> rows;
  for (const ScatterMeasurement& m : measurements_)
    for (int k = 0; k < methodCount; ++k) {
      const ScatterFix& f = m.fixes[std::size_t(k)];
      if (!f.valid) continue;
      rows.push_back({std::to_string(m.number), language.word(methodName(Method(k))),
                      csvNumber(f.east, 4), csvNumber(f.north, 4), csvNumber(f.up, 4),
                      csvNumber(f.distance, 4), csvNumber(f.clockNs / 1000, 6),
                      csvNumber(f.clockNs * double(TUhr::signalSpeed) * 1000, 4),
                      csvNumber(f.pdop, 4)});
    }
  platform::CsvRow header;
  for (const char* h : {ORTIVO_TEXT("core", "Nr."), ORTIVO_TEXT("core", "Verfahren"),
                        ORTIVO_TEXT("core", "Ost (m)"), ORTIVO_TEXT("core", "Nord (m)"),
                        ORTIVO_TEXT("core", "Oben (m)"), ORTIVO_TEXT("core", "Abstand im Raum (m)"),
                        ORTIVO_TEXT("core", "Uhrabweichung (µs)"),
                        ORTIVO_TEXT("core", "Uhrabweichung (m)"), "PDOP"})
    header.push_back(language.word(h));
  return platform::csvText(header, rows);
}

std::string ScatterData::signalsCsv(const platform::TableLanguage& language) const {
  const auto csvNumber = [&language](Extended v, int decimals) {
    return platform::csvNumber(v, decimals, language);
  };
  platform::CsvRow header;
  for (const char* h : {ORTIVO_TEXT("core", "Nr."), ORTIVO_TEXT("core", "Satellit"),
                        ORTIVO_TEXT("core", "Elevation (Grad)")})
    header.push_back(language.word(h));
  for (int i = 0; i < errorSourceCount; ++i)
    header.push_back(language.word(errorSourceName(ErrorSource(i))) + " (m)");
  for (const char* h : {ORTIVO_TEXT("core", "fehlerhafter Satellit (m)"),
                        ORTIVO_TEXT("core", "Summe (m)"), ORTIVO_TEXT("core", "Residuum (m)")})
    header.push_back(language.word(h));
  std::vector<platform::CsvRow> rows;
  for (const ScatterMeasurement& m : measurements_)
    for (const ScatterSignal& s : m.signals) {
      platform::CsvRow row{std::to_string(m.number), std::to_string(s.satellite),
                           csvNumber(s.elevation, 3)};
      for (const float d : s.delays) row.push_back(csvNumber(d, 4));
      row.push_back(csvNumber(s.faulty, 4));
      row.push_back(csvNumber(s.total, 4));
      row.push_back(std::isnan(s.residual) ? std::string() : csvNumber(s.residual, 4));
      rows.push_back(std::move(row));
    }
  return platform::csvText(header, rows);
}

}  // namespace views
