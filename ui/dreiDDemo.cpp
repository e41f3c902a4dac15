#include "ui/dreiDDemo.h"

#include <cmath>

namespace {

// Where the receiver stands when nobody supplies a random position.
TGeoPosition fallbackPosition() {
  TGeoPosition p;
  p.eastWest = 'O';
  p.longitude = {10, 0};
  p.northSouth = 'N';
  p.latitude = {50, 0};
  p.height = 0;
  return p;
}

}  // namespace

T3DDemo::T3DDemo(platform::Canvas& img, std::uint8_t kind, PositionSource erzeugePosition)
    : image(img), projectionKind(kind) {
  const long double h = 100.0L * img.height() / img.width();
  viewWindow = {{-50, -h / 2}, {50, h / 2}};
  receiverPosition =
      converter.geoToCartesian(erzeugePosition ? erzeugePosition() : fallbackPosition());
  updateSatellites(true);
}

// --- frames ------------------------------------------------------------------

void T3DDemo::drawScene() {
  clearImage();
  drawEarth();
  drawReceiver();
  drawSatellites(false);
  receiver.clock.receiveSignals(receiverPosition, constellation);
  drawSignalLines(false);
  receiver.clock.signals.clear();
}

void T3DDemo::drawAlgorithmStep(int s) {
  found = false;
  clearImage();
  drawEarth();
  drawReceiver();
  drawSatellites(true);
  drawSignalLines(true);
  if (!spheresLoaded()) return;
  for (int j = 1; j < s; ++j) {
    if (j <= 3) {
      drawReceiverSphere(j);
    } else if (j == 4) {
      drawCandidate();
    } else if (j == 5) {
      drawReceiverSphere(4);
      TVektorR3 p{};
      if (!candidate(p)) continue;  // no candidate, nothing to correct
      const TKugelR3& fourth = receiver.spheres[4];
      distanceToFourth = fourth.radius - geometry.distance(p, fourth.center);
      if (std::fabs(distanceToFourth) > 1.0L)
        receiver.adjustRadii(-distanceToFourth / 2);
      else
        found = true;
    } else {
      break;
    }
  }
}

// --- shapes ------------------------------------------------------------------

void T3DDemo::clearImage() {
  image.setBrushColor(platform::colors::black);
  image.setPenColor(platform::colors::black);
  image.rectangle(0, 0, image.width(), image.height());
}

void T3DDemo::drawEarth() {
  drawSphereObject({{0, 0, 0}, 6.371L}, {0, 0, 1}, earthColor, 40, 11, 80);
}

void T3DDemo::drawReceiver() {
  drawSphereObject({geometry.multiply(receiverPosition, scale), 1.0L}, {1, 0, 1}, receiverColor, 20,
                   1, 40);
}

void T3DDemo::updateSatellites(bool keep) {
  if (!keep) constellation.moveSatellites();
  for (int i = 1; i <= TSatellitenSchar::satelliteCount; ++i)
    satelliteSpheres[i] = {geometry.multiply(constellation.satellites[i].position, scale), 1.0L};
}

void T3DDemo::drawSatellites(bool algorithmMode) {
  updateSatellites(algorithmMode);
  for (int i = 1; i <= TSatellitenSchar::satelliteCount; ++i) {
    // One orbit per plane: satellites 1, 5, ..., 21 and their neighbours span it.
    if (!algorithmMode && i % 4 == 1)
      drawOrbitCircle(makeOrbitCircle(constellation.satellites[i].position,
                                      constellation.satellites[i + 1].position),
                      orbitColor, 160);
    if (!algorithmMode || isUsedSatellite(i))
      drawSphereObject(satelliteSpheres[i], constellation.orbitAxes[i], satelliteColor, 20, 1, 40);
  }
}

TKreisR3 T3DDemo::makeOrbitCircle(TVektorR3 pointA, TVektorR3 pointB) const {
  return TKreisR3{{{0, 0, 0}, pointA, pointB}, {0, 0, 0}, 26.554L};
}

void T3DDemo::drawOrbitCircle(const TKreisR3& circle, platform::Color, std::uint16_t steps) {
  T3DKreis orbit(circle, steps);
  orbit.color = orbitColor;  // orbits are always green
  drawObject(orbit);
}

void T3DDemo::drawSphereObject(const TKugelR3& sphere, TVektorR3 axis, platform::Color colour,
                               std::uint16_t meridianSteps, std::uint16_t latitudeCount,
                               std::uint16_t pointsPerCircle) {
  T3DKugel wireFrame(sphere, axis, meridianSteps, latitudeCount, pointsPerCircle);
  wireFrame.color = colour;
  drawObject(wireFrame);
}

void T3DDemo::drawObject(T3DObjekt& object) {
  T3DProjektion projection(object, projectionKind, image, viewWindow, eye);
  if (!geometry.isNullVectorR3(rotationAngles)) projection.rotate(rotationAngles);
  projection.draw();
}

void T3DDemo::drawReceiverSphere(int k) {
  const TKugelR3& s = receiver.spheres[k];
  drawSphereObject({geometry.multiply(s.center, scale), s.radius * scale}, {0, 0, 1},
                   measuringSphereColor, 80, 11, 80);
}

bool T3DDemo::candidate(TVektorR3& point) {
  // intersectThreeSpheres only ever sets the flag, so it must be cleared to tell
  // this frame's outcome.
  receiver.failed = false;
  receiver.intersectThreeSpheres(point);
  return !receiver.failed;
}

void T3DDemo::drawCandidate() {
  TVektorR3 p{};
  if (!candidate(p)) return;
  drawSphereObject({geometry.multiply(p, scale), 1.0L}, {0, 0, 1}, candidateColor, 20, 1, 40);
}

void T3DDemo::drawSignalLines(bool algorithmMode) {
  const TVektorR3 from = geometry.multiply(receiverPosition, scale);
  int index = 0;
  for (const TListenElement& e : receiver.clock.signals.elements<TListenElement>()) {
    if (algorithmMode && index++ >= 4) break;
    T3DStrecke line({from, geometry.multiply(e.position, scale)});
    line.color = signalColor;
    drawObject(line);
  }
}

bool T3DDemo::isUsedSatellite(int i) {
  int looked = 0;
  for (const TListenElement& e : receiver.clock.signals.elements<TListenElement>()) {
    if (looked++ == 4) break;
    if (e.number == i) return true;
  }
  return false;
}
