#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

#include "containers/listClss.h"
#include "geometry/vektorR3clss.h"

namespace render3d_test {

inline std::vector<TVektorR3> pointsOf(TListe& list) {
  std::vector<TVektorR3> result;
  for (list.toFirst(); !list.atEnd(); list.next())
    if (auto* p = dynamic_cast<TVektorR3Class*>(list.getElem())) result.push_back(p->vector);
  return result;
}

inline std::vector<TListe*> sublistsOf(TListe& list) {
  std::vector<TListe*> result;
  for (list.toFirst(); !list.atEnd(); list.next())
    if (auto* l = dynamic_cast<TListe*>(list.getElem())) result.push_back(l);
  return result;
}

inline ::testing::AssertionResult near3(TVektorR3 a, TVektorR3 b, long double tol) {
  if (std::fabs(a.x - b.x) <= tol && std::fabs(a.y - b.y) <= tol && std::fabs(a.z - b.z) <= tol)
    return ::testing::AssertionSuccess();
  std::ostringstream out;
  out.precision(20);
  out << "(" << a.x << ", " << a.y << ", " << a.z << ") vs (" << b.x << ", " << b.y << ", " << b.z
      << ")";
  return ::testing::AssertionFailure() << out.str();
}

}  // namespace render3d_test
