#include "views/ChartScales.h"

#include <algorithm>
#include <cmath>

namespace views {

double roundStep(double x) {
  if (x <= 1) return 1;
  const double decade = std::pow(10, std::floor(std::log10(x)));
  for (const double c : {1, 2, 5})
    if (c * decade >= x) return c * decade;
  return 10 * decade;
}

double roundedUp(double x) {
  const double decade = std::pow(10, std::floor(std::log10(x)));
  for (const double c : {1, 2, 4, 6, 8})
    if (c * decade >= x) return c * decade;
  return 10 * decade;
}

Decades decadesOf(std::span<const ChartPoint> points, double floor, double ceiling) {
  double lo = floor, hi = ceiling;
  for (const ChartPoint& p : points) lo = std::min(lo, p.y), hi = std::max(hi, p.y);
  const double from = std::floor(std::log10(lo)), to = std::ceil(std::log10(hi));
  return {std::pow(10, from), std::pow(10, to), int(to - from)};
}

}  // namespace views
