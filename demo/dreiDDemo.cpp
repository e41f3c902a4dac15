#include "demo/dreiDDemo.h"
#include "platform/extended.h"

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
  const Extended h = Extended(100) * img.height() / img.width();
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
  if (!still_) drawnSpheres_ = receiver.spheres;
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
      if (still_ || !candidate(p)) continue;  // no candidate, nothing to correct
      const TKugelR3& fourth = receiver.spheres[4];
      distanceToFourth = fourth.radius - geometry.distance(p, fourth.center);
      if (std::fabs(distanceToFourth) > 1)
        receiver.adjustRadii(-distanceToFourth / 2);
      else
        found = true;
    } else {
      break;
    }
  }
}

void T3DDemo::drawStill(int s) {
  const bool wasFound = found;
  const Extended distance = distanceToFourth;
  still_ = true;
  if (s == 0) {
    drawScene();
  } else {
    std::swap(receiver.spheres, drawnSpheres_);
    drawAlgorithmStep(s);
    std::swap(receiver.spheres, drawnSpheres_);
  }
  still_ = false;
  found = wasFound;
  distanceToFourth = distance;
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
  if (!keep && !still_) constellation.moveSatellites();
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

// --- the window's script ------------------------------------------------------------

namespace {

constexpr Extended kPi = 3.14159265358979323846264338327950288L;
// One step of either rotation: 2 degrees.
constexpr Extended kRotationStep = 0.03490658503988659L;

// Whole degrees of an angle in radians.
Extended degreesOf(Extended angle) { return std::rint(angle / kPi * 180); }
std::string degreesText(Extended angle) {
  return std::to_string(static_cast<long long>(degreesOf(angle)));
}

}  // namespace

TDemo3DAblauf::TDemo3DAblauf(platform::Canvas& image, std::uint8_t projectionKind,
                             T3DDemo::PositionSource erzeugePosition)
    : demo(std::make_unique<T3DDemo>(image, projectionKind, erzeugePosition)),
      image_(image),
      erzeugePosition_(std::move(erzeugePosition)) {}

void TDemo3DAblauf::releaseScene() {
  timerActive = false;
  demo.reset();
  released_ = true;
}

void TDemo3DAblauf::enableButtons(bool rotationOnly, bool enabled) {
  aequator.enabled = enabled;
  nordpol.enabled = enabled;
  cancel.enabled = false;
  if (!rotationOnly) {
    anhalten.enabled = enabled;
    algorithmus.enabled = enabled;
  }
}

void TDemo3DAblauf::resetDemo() {
  demo->eye = {0, -50, 0};
  demo->rotationAngles = {0, 0, 0};
  demo->rotationAngles.z = kRotationStep;
  aequatorDegrees = degreesText(demo->rotationAngles.z);
  aequatorRunning = false;
  nordpolRunning = false;
  abortRequested = false;
  algorithmus.text = ORTIVO_TEXT("core", "Algorithmus");
  abbrechen.enabled = false;
  algorithmMode = false;
  algorithmStep = 0;
  nordpolDegrees = "0";
  timerActive = true;
  // The timer runs again, so the button must offer to stop it, also when the
  // animation had been paused before.
  anhalten.text = ORTIVO_TEXT("core", "Anhalten");
  aequator.text = ORTIVO_TEXT("core", "Start");
  nordpol.text = ORTIVO_TEXT("core", "Start");
  enableButtons(false, true);
  memo.clear();
}

void TDemo3DAblauf::okClick(std::uint8_t projectionKind) {
  if (released_) return;
  demo.reset();
  demo = std::make_unique<T3DDemo>(image_, projectionKind, erzeugePosition_);
  resetDemo();
}

void TDemo3DAblauf::cancelClick() {
  if (released_ || !demo) return;
  resetDemo();
}

void TDemo3DAblauf::anhaltenClick() {
  if (released_) return;
  if (timerActive) {
    timerActive = false;
    anhalten.text = ORTIVO_TEXT("core", "Fortsetzen");
    enableButtons(true, false);
  } else {
    timerActive = true;
    anhalten.text = ORTIVO_TEXT("core", "Anhalten");
    enableButtons(true, true);
    // A rotation paused with the animation turns on again: it keeps the other one
    // locked, so that the two never run at once.
    if (aequatorRunning) nordpol.enabled = false;
    if (nordpolRunning) aequator.enabled = false;
  }
}

void TDemo3DAblauf::toggleRotation(bool& running, Button& own, Button& other) {
  running = !running;
  own.text = running ? ORTIVO_TEXT("core", "Stop") : ORTIVO_TEXT("core", "Weiter");
  cancel.enabled = !running;
  other.enabled = !running;
  // Outside the walk-through the timer runs anyway; inside it, the rotation alone
  // decides whether frames are painted.
  if (algorithmMode) timerActive = running;
}

void TDemo3DAblauf::aequatorClick() {
  if (released_) return;
  toggleRotation(aequatorRunning, aequator, nordpol);
}

void TDemo3DAblauf::nordpolClick() {
  if (released_) return;
  toggleRotation(nordpolRunning, nordpol, aequator);
}

void TDemo3DAblauf::timerTick() {
  if (released_ || !demo) return;
  TVektorR3& angles = demo->rotationAngles;
  if (aequatorRunning) {
    angles.z += kRotationStep;
    // The turn about the z axis ends at 362 degrees and starts again from 2.
    if (degreesOf(angles.z) >= 362) {
      aequator.text = ORTIVO_TEXT("core", "Start");
      aequatorRunning = false;
      nordpol.enabled = true;
      angles.z = kRotationStep;
      cancel.enabled = false;
    }
    aequatorDegrees = degreesText(angles.z);
  }
  if (nordpolRunning) {
    angles.x += kRotationStep;
    if (degreesOf(angles.x) >= 360) {
      nordpol.text = ORTIVO_TEXT("core", "Start");
      nordpolRunning = false;
      aequator.enabled = true;
      angles.x = 0;
      cancel.enabled = false;
    }
    nordpolDegrees = degreesText(angles.x);
  }
  if (algorithmMode)
    demo->drawAlgorithmStep(algorithmStep);
  else
    demo->drawScene();
}

void TDemo3DAblauf::algorithmusAbbrechenClick() {
  if (released_) return;
  abortRequested = true;
  algorithmusClick();
}

void TDemo3DAblauf::algorithmusClick() {
  if (released_ || !demo) return;
  ++algorithmStep;
  if (abortRequested)
    algorithmStep = 7;
  else if (algorithmStep == 7 && !demo->found)
    algorithmStep = 2;  // once more with the corrected radii

  if (algorithmStep == 1)
    startWalkThrough();
  else if (algorithmStep <= 6)
    showStep();
  else
    endWalkThrough();
}

void TDemo3DAblauf::startWalkThrough() {
  TUhr& clock = demo->receiver.clock;
  // The list is filled once per walk-through; what a previous one left must not be
  // taken for new signals.
  clock.signals.clear();
  clock.receiveSignals(demo->receiverPosition, demo->constellation);
  if (demo->receiver.signalCount() < 4) {
    // Four spheres can not be loaded: the walk-through ends before it begins.
    endWalkThrough();
    return;
  }
  demo->receiver.loadSpheres(0);
  algorithmMode = true;
  algorithmus.text = ORTIVO_TEXT("core", "Fortsetzen");
  anhalten.enabled = false;
  abbrechen.enabled = true;
  timerActive = false;
  nordpolRunning = false;
  aequatorRunning = false;
  demo->drawAlgorithmStep(1);
  memo = {ORTIVO_TEXT("core", "4 Satelliten werden zur Berechnung herangezogen"),
          ORTIVO_TEXT("core", "Zur weiteren Erläuterung siehe Hilfestellung und 2D-Demonstration")};
  for (Button* b : {&aequator, &nordpol})
    if (b->text == "Stop") b->text = ORTIVO_TEXT("core", "Weiter");
}

void TDemo3DAblauf::showStep() {
  demo->drawAlgorithmStep(algorithmStep);
  memo.clear();
  if (algorithmStep <= 4) {
    memo.push_back(ORTIVO_TEXT("core", "3 Kugeln werden zum Schnitt gebracht."));
  } else if (algorithmStep == 5) {
    memo.push_back(ORTIVO_TEXT(
        "core", "Einer der beiden Schnittpunkte kommt als möglicher Standort in Betracht."));
  } else {
    const Extended d = demo->distanceToFourth;
    memo.push_back(
        ORTIVO_TEXT("core", "Abstand des mögklichen Standorts zur Oberfläche der 4.Kugel:"));
    memo.push_back(platform::fillText(
        ORTIVO_TEXT("core", "%1 Meter."),
        {std::to_string(static_cast<long long>(std::rint(std::fabs(d) * 1000)))}));
    if (demo->found) {
      memo.push_back(
          ORTIVO_TEXT("core", "Dieser mögliche Standort liegt in der Nähe der 4.Kugel."));
      memo.push_back(
          ORTIVO_TEXT("core", "Der Standort wurde gefunden und das Verfahren wird beendet"));
    } else {
      if (!aequatorRunning && !nordpolRunning) algorithmStep = 1;
      if (d >= 0) {
        memo.push_back(
            ORTIVO_TEXT("core", "Dieser mögliche Standort liegt innerhalb der 4.Kugel."));
        memo.push_back(ORTIVO_TEXT(
            "core", "Daher werden die Kugelradien verkleinert und das Verfahren wiederholt."));
      } else {
        memo.push_back(
            ORTIVO_TEXT("core", "Dieser mögliche Standort liegt außerhalb der 4.Kugel."));
        memo.push_back(ORTIVO_TEXT(
            "core", "Daher werden die Kugelradien vergrößert und das Verfahren wiederholt."));
      }
    }
  }
}

void TDemo3DAblauf::endWalkThrough() {
  algorithmus.text = ORTIVO_TEXT("core", "Algorithmus");
  algorithmMode = false;
  abortRequested = false;
  anhalten.enabled = true;
  abbrechen.enabled = false;
  algorithmStep = 0;
  // The free frames receive their own signals each time.
  demo->receiver.clock.signals.clear();
  timerActive = true;
  anhalten.text = ORTIVO_TEXT("core", "Anhalten");
  // A walk-through begun while the animation was paused found both rotations
  // locked; the animation runs again now, so they are offered again.
  if (!aequator.enabled && !nordpol.enabled) {
    aequator.enabled = true;
    nordpol.enabled = true;
  }
  memo.clear();
}

void TDemo3DAblauf::schliessenClick() {
  if (released_) return;
  timerActive = false;
  algorithmStep = 0;
  enableButtons(false, false);
  anhalten.text = ORTIVO_TEXT("core", "Anhalten");
  algorithmus.text = ORTIVO_TEXT("core", "Algorithmus");
  abbrechen.enabled = false;
}
