#include "model/satellitUnit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

long double norm(const TVektorR3& v) { return sqrtl(v.x * v.x + v.y * v.y + v.z * v.z); }
long double dot(const TVektorR3& a, const TVektorR3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

void expectNear(const TVektorR3& v, long double x, long double y, long double z, long double tol) {
  EXPECT_NEAR(double(v.x), double(x), double(tol));
  EXPECT_NEAR(double(v.y), double(y), double(tol));
  EXPECT_NEAR(double(v.z), double(z), double(tol));
}

}  // namespace

TEST(Constellation, StartsWith24WorkingSatellitesOnTheOrbitSphere) {
  TSatellitenSchar c;
  for (int k = 1; k <= 24; ++k) {
    EXPECT_TRUE(c.satellites[k].working) << k;
    EXPECT_NEAR(double(norm(c.satellites[k].position)), 26554.0, 1e-9) << k;
    EXPECT_NEAR(double(norm(c.orbitAxes[k])), 1.0, 1e-15) << k;
    // Each satellite lies in the plane normal to its axis.
    EXPECT_NEAR(double(dot(c.satellites[k].position, c.orbitAxes[k])), 0.0, 1e-9) << k;
  }
  for (int k = 1; k <= 4; ++k) expectNear(c.orbitAxes[k], 0.819152, 0, 0.573576, 5e-7);
  // The four satellites of a plane share the axis; the planes are 60 degrees apart.
  for (int p = 1; p <= 6; ++p) {
    const long double phi = (p - 1) * 3.14159265358979323846L / 3;
    for (int j = 1; j <= 4; ++j)
      expectNear(c.orbitAxes[4 * (p - 1) + j], sinl(0.9599310885968813L) * cosl(phi),
                 sinl(0.9599310885968813L) * sinl(phi), cosl(0.9599310885968813L), 1e-15);
  }
}

TEST(Constellation, StartingPositions) {
  TSatellitenSchar c;
  expectNear(c.satellites[1].position, 15230.749, 0, -21751.763, 5e-4);
  expectNear(c.satellites[2].position, 0, 26554, 0, 1e-9);
  expectNear(c.satellites[5].position, 5582.124, 14297.189, -21668.991, 5e-4);
  expectNear(c.satellites[24].position, 1403.970, -16177.110, -21010.590, 5e-4);
  // Plane 1 is not turned about z: its first satellite stays exactly in the xz plane.
  EXPECT_EQ(c.satellites[1].position.y, 0.0L);
}

TEST(Constellation, OneStepTurnsClockwiseAboutTheAxisKeepingTheRadius) {
  TSatellitenSchar c;
  const TVektorR3 start = c.satellites[1].position;
  c.moveSatellites();
  expectNear(c.satellites[1].position, 15230.344, -193.649, -21751.185, 5e-4);
  for (int k = 1; k <= 24; ++k) {
    EXPECT_NEAR(double(norm(c.satellites[k].position)), 26554.0, 1e-8);
    EXPECT_NEAR(double(dot(c.satellites[k].position, c.orbitAxes[k])), 0.0, 1e-8);
  }
  // The step angle between start and new position.
  const long double cosAngle = dot(start, c.satellites[1].position) / (26554.0L * 26554.0L);
  EXPECT_NEAR(double(acosl(cosAngle)), 0.00729271598033774, 1e-12);
}

TEST(Constellation, DefectiveSatellitesMoveLikeTheOthers) {
  TSatellitenSchar working;
  TSatellitenSchar broken;
  for (int k = 1; k <= 24; ++k) broken.satellites[k].working = false;
  for (int i = 0; i < 5; ++i) working.moveSatellites(), broken.moveSatellites();
  for (int k = 1; k <= 24; ++k) {
    EXPECT_EQ(working.satellites[k].position.x, broken.satellites[k].position.x);
    EXPECT_FALSE(broken.satellites[k].working);
  }
}

TEST(Constellation, A862ndStepOvershootsTheStartBy043Steps) {
  TSatellitenSchar c;
  const TSatellitenSchar fresh;
  for (int i = 0; i < 862; ++i) c.moveSatellites();
  for (int k : {1, 7, 24}) {
    const TVektorR3& p = c.satellites[k].position;
    const TVektorR3& s = fresh.satellites[k].position;
    const long double angle = acosl(std::clamp(dot(p, s) / (26554.0L * 26554.0L), -1.0L, 1.0L));
    EXPECT_NEAR(double(angle), 0.43 * 0.00729271598033774, 1e-9) << k;
    // Past the start in the direction of motion: (start x p) points against the axis.
    const TVektorR3 cross{s.y * p.z - s.z * p.y, s.z * p.x - s.x * p.z, s.x * p.y - s.y * p.x};
    EXPECT_LT(double(dot(cross, c.orbitAxes[k])), 0.0) << k;
    EXPECT_NEAR(double(norm(p)), 26554.0, 1e-6);
  }
}
