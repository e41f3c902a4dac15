#include "demo/demoGpsUnit.h"
#include "platform/extended.h"

#include <cmath>
#include <limits>

#include "platform/messages.h"
#include "platform/random.h"
#include "platform/texts.h"

// ---------------------------------------------------------------- receiver

TDemoEmpfaenger::TDemoEmpfaenger(TVektorR2 position, const TDemoSatellitenSchar& constellation) {
  clock.setReceiver(position, constellation);
  clock.receiveSignals();
}

int TDemoEmpfaenger::signalCount() const { return clock.signals.count(); }

TDemoListenElement* TDemoEmpfaenger::signalAt(int n) {
  if (n < 1) return nullptr;
  for (TDemoListenElement& e : clock.signals.elements<TDemoListenElement>())
    if (--n == 0) return &e;
  return nullptr;
}

void TDemoEmpfaenger::loadCircles() {
  int i = 1;
  for (const TDemoListenElement& e : clock.signals.elements<TDemoListenElement>()) {
    if (i > 3) break;
    circles[i++] = {clock.constellation->positions[e.number], static_cast<Extended>(e.runTime)};
  }
}

void TDemoEmpfaenger::adjustRadii(Extended amount) {
  for (int i = 1; i <= 3; ++i) circles[i].radius += amount;
}

namespace {

// Where the line through the common points of two circles crosses the line of their
// centres: the touching point of circles that touch.
TVektorR2 radicalFoot(const TKreisR2& k1, const TKreisR2& k2) {
  const TVektorR2 u = TEuklidGeo::differenceR2(k2.center, k1.center);
  const Extended d2 = TEuklidGeoR2::dotProductR2(u, u);
  const Extended t = (d2 + k1.radius * k1.radius - k2.radius * k2.radius) / (2 * d2);
  return {k1.center.x + t * u.x, k1.center.y + t * u.y};
}

}  // namespace

void TDemoEmpfaenger::determinePosition(TVektorR2& point) {
  constexpr Extended unset = std::numeric_limits<Extended>::quiet_NaN();
  // A radius corrected down to zero or below makes the calculator refuse the circle
  // and leave the relation unwritten: that counts as "no common point".
  std::uint8_t relation = geocode::twoRounds::apart;
  TPunktpaarR2 points{{unset, unset}, {unset, unset}};
  geo.intersectCircles(circles[1], circles[2], relation, points);
  if (!geocode::twoRounds::cutsOrTouches(relation)) {
    failed = true;
    return;
  }
  if (std::isnan(points.first.x)) {
    // Circles that touch up to rounding: the radical line misses circle 1 by a hair
    // and the calculator writes no points. Their common point is the foot point.
    points.first = points.second = radicalFoot(circles[1], circles[2]);
  }

  // Of the two points the one nearer the earth is plausible.
  const TVektorR2 earth = clock.earthCircle.center;
  point = geo.distanceR2(points.first, earth) < geo.distanceR2(points.second, earth)
              ? points.first
              : points.second;

  deviation = circles[3].radius - geo.distanceR2(circles[3].center, point);
  if (std::fabs(deviation) <= 1) {
    correct = true;
  } else if (!first && std::fabs(previousDeviation - deviation) < Extended(1e-05L)) {
    correct = true;  // the correction no longer makes progress
  } else if (first) {
    first = false;
    adjustRadii(-deviation);
  } else if (std::fabs(deviation) < std::fabs(previousDeviation)) {
    adjustRadii(-deviation);
  } else {
    adjustRadii(deviation);  // the last correction did not help: the other way
  }
  previousDeviation = deviation;
}

// ---------------------------------------------------------------- script

namespace {

constexpr const char* kOkPrompt = ORTIVO_TEXT("core", "Zur weiteren Demonstation OK drücken");

constexpr const char* kIntroduction[] = {
    ORTIVO_TEXT("core", "GPS-Satelliten (rot) umkreisen die Erde (grün)."), "", kOkPrompt};
constexpr const char* kReceiver[] = {
    ORTIVO_TEXT("core", "Ein GPS-Empfänger (gelb) wird (an zufälliger Stelle) positioniert.")};
constexpr const char* kSignals[] = {
    ORTIVO_TEXT("core", "Die Signale der 3 nächsten Satelliten (durchgehend gezeichnet)"),
    ORTIVO_TEXT("core", "werden registriert. In den Signalen ist die Satellitenposition"),
    ORTIVO_TEXT("core", "gespeichert. Außerdem misst der Empfänger die Laufzeitunterschiede"),
    ORTIVO_TEXT("core", "der 3 Signale. (Im Raum werden 4 Signale benötigt.)"),
    "",
    kOkPrompt};
constexpr const char* kFirstIntersection[] = {
    ORTIVO_TEXT("core", "Der GPS-Empfänger nimmt für das zuerst empfangene Signal eine"),
    ORTIVO_TEXT("core", "fiktive Laufzeit an und berechnet für die beiden anderen Signale"),
    ORTIVO_TEXT("core", "unter Berücksichtigung der Laufzeitunterschiede ebenfalls fiktive"),
    ORTIVO_TEXT("core", "Laufzeiten. Der Empfänger muss sich dann auf Kreisen um die"),
    ORTIVO_TEXT("core", "Satelliten mit den entsprechenden Laufzeitradien befinden."),
    ORTIVO_TEXT("core", "(Im Raum befindet sich der Empfänger auf entsprechenden"),
    ORTIVO_TEXT("core", "Kugeloberflächen.) Zwei Kreise werden nun zum Schnitt gebracht."),
    ORTIVO_TEXT("core", "Daraus ergibt sich ein möglicher Standort des Satelliten -"),
    ORTIVO_TEXT("core", "der 2. Schnittpunkt scheidet aus Plausibilitätsgründen aus."),
    ORTIVO_TEXT("core", "(Im Raum werden drei Kugeln zum Schnitt gebracht.)"),
    ORTIVO_TEXT("core", "Dieser Schnittpunkt könnte theoretisch der korrekte Standort"),
    ORTIVO_TEXT("core", "sein, was aber wegen der fiktiven Radien in der Regel nicht"),
    ORTIVO_TEXT("core", "der Fall ist.")};
constexpr const char* kRepeatedIntersection[] = {
    ORTIVO_TEXT("core", "Die Kreise mit den vergrößerten bzw. verkleinerten Radien werden"),
    ORTIVO_TEXT("core", "zum Schnitt gebracht")};
constexpr const char* kCheck[] = {
    ORTIVO_TEXT("core", "Es wird nun geprüft, ob der berechnete Standort der korrekte"),
    ORTIVO_TEXT("core", "Standort ist. Dazu wird untersucht, ob dieser Standort auf"),
    ORTIVO_TEXT("core", "dem dritten Kreis liegt. (Im Raum wird die Prüfung mit einer"),
    ORTIVO_TEXT("core", "4. Kugel vorgenommen.)")};
constexpr const char* kResultCorrect[] = {
    ORTIVO_TEXT("core", "Der berechnete Standort ist korrekt, da er auf dem dritten"),
    ORTIVO_TEXT("core", "Kreis liegt.")};
constexpr const char* kResultTooSmall[] = {
    ORTIVO_TEXT("core", "Der berechnete Standort ist nicht korrekt, da er außerhalb des"),
    ORTIVO_TEXT("core", "dritten Kreises liegt. Die fiktiven Radien waren zu klein gewählt."),
    ORTIVO_TEXT("core", "Die Radien werden vergrößert und die Berechnungsschritte"),
    ORTIVO_TEXT("core", "erneut durchgeführt.")};
constexpr const char* kResultTooLarge[] = {
    ORTIVO_TEXT("core", "Der berechnete Standort ist nicht korrekt, da er innerhalb des"),
    ORTIVO_TEXT("core", "dritten Kreises liegt. Die fiktiven Radien waren zu groß gewählt."),
    ORTIVO_TEXT("core", "Die Radien werden verkleinert und die Berechnungsschritte"),
    ORTIVO_TEXT("core", "erneut durchgeführt.")};

constexpr const char* kFailure = ORTIVO_TEXT("core", "Satellitenstörung - biite Demo schließen");
constexpr const char* kReceivedSignals =
    ORTIVO_TEXT("core", "Der GPS-Empfänger empfängt Signale von %1 Satelliten.");

template <std::size_t N>
void appendLines(std::vector<std::string>& memo, const char* const (&lines)[N]) {
  memo.insert(memo.end(), std::begin(lines), std::end(lines));
}

}  // namespace

TDemo2DAblauf::TDemo2DAblauf(platform::Canvas& image) : image_(image) {
  converter = std::make_unique<TKoordinatenWandlerR2>();
  step = 1;
  centerX = image_.width() / 2;
  centerY = image_.height() / 2;
  constellation = std::make_unique<TDemoSatellitenSchar>();
  drawScene();
  firstPass = true;
}

void TDemo2DAblauf::startDemo() {
  if (released()) return;
  timerEnabled = true;
  step = 1;
  firstPass = true;
  okEnabled = true;
  showIntroduction();
  drawScene();
}

void TDemo2DAblauf::demoTimerTimer() {
  if (released()) return;
  constellation->moveSatellites();
  drawScene();
}

void TDemo2DAblauf::okClick() {
  if (released()) return;
  // From step 3 on the run needs its receiver; after "Schließen" only a new start
  // (back to step 1) continues.
  if (step >= 3 && !receiver) return;
  switch (step) {
    case 1:
      placeReceiver();
      step = 2;
      showReceiverText();
      break;
    case 2:
      timerEnabled = false;
      registerSignals();
      step = 3;
      showSignalsText(receiver->signalCount());
      break;
    case 3:
      drawScene();
      drawCircles();
      step = 4;
      if (firstPass)
        showFirstIntersectionText();
      else
        showRepeatedIntersectionText();
      break;
    case 4:
      computeIntersection();
      if (receiver->failed) {
        platform::showMessage(platform::MessageKind::Information, kFailure);
        return;
      }
      step = 5;
      showCheckText();
      break;
    case 5:
      drawCheckCircle();
      if (receiver->correct) {
        showResultText(0);
        okEnabled = false;
      } else {
        showResultText(receiver->deviation);
        firstPass = false;
        step = 3;
      }
      break;
    default:
      break;
  }
}

void TDemo2DAblauf::closeDemo() {
  timerEnabled = false;
  receiver.reset();
}

void TDemo2DAblauf::releaseModel() {
  timerEnabled = false;
  // The receiver's clock refers to the constellation: it goes first.
  receiver.reset();
  constellation.reset();
  converter.reset();
}

// ---------------------------------------------------------------- drawing

int TDemo2DAblauf::toScreenX(Extended x) const {
  return centerX + static_cast<int>(std::nearbyint(x));
}

int TDemo2DAblauf::toScreenY(Extended y) const {
  return centerY - static_cast<int>(std::nearbyint(y));
}

void TDemo2DAblauf::drawDot(TVektorR2 at, platform::Color color, int halfSize) {
  image_.setBrushStyle(platform::BrushStyle::Solid);
  image_.setBrushColor(color);
  const int x = toScreenX(at.x), y = toScreenY(at.y);
  image_.ellipse(x - halfSize, y - halfSize, x + halfSize, y + halfSize);
}

void TDemo2DAblauf::drawCircle(const TKreisR2& k) {
  const int x = toScreenX(k.center.x), y = toScreenY(k.center.y);
  const int r = static_cast<int>(std::nearbyint(k.radius));
  image_.ellipse(x - r, y - r, x + r, y + r);
}

void TDemo2DAblauf::drawScene() {
  if (released()) return;
  image_.setBrushStyle(platform::BrushStyle::Solid);
  image_.setBrushColor(platform::colors::white);
  image_.setPenColor(platform::colors::black);
  image_.setPenStyle(platform::PenStyle::Solid);
  image_.rectangle(0, 0, image_.width(), image_.height());
  const int orbit = static_cast<int>(TDemoSatellitenSchar::orbitRadius);
  image_.ellipse(centerX - orbit, centerY - orbit, centerX + orbit, centerY + orbit);
  if (step > 1) drawReceiver();
  image_.setBrushColor(platform::colors::green);
  image_.ellipse(centerX - 50, centerY - 50, centerX + 50, centerY + 50);
  for (int i = 1; i <= TDemoSatellitenSchar::satelliteCount; ++i)
    drawDot(constellation->positions[i], platform::colors::red, 8);
}

void TDemo2DAblauf::drawReceiver() { drawDot(receiverPosition, platform::colors::yellow, 3); }

void TDemo2DAblauf::placeReceiver() {
  const int a = platform::randomInt(360) + 1;  // degrees, 1..360
  const int r = platform::randomInt(20) + 55;  // just outside the earth, 55..74
  TPolarkoordinaten polar;
  polar.angle = a * extendedPi / 180;
  polar.radius = r;
  receiverPosition = converter->polarToCartesian(polar);
  drawReceiver();
}

void TDemo2DAblauf::registerSignals() {
  receiver.reset();
  receiver = std::make_unique<TDemoEmpfaenger>(receiverPosition, *constellation);
  receiver->loadCircles();
  const int rx = toScreenX(receiverPosition.x), ry = toScreenY(receiverPosition.y);
  for (int k = 1; k <= receiver->signalCount(); ++k) {
    image_.setPenColor(platform::colors::black);
    image_.setBrushStyle(platform::BrushStyle::Clear);
    // The three signals the receiver uses solid, every further visible one dotted.
    image_.setPenStyle(k > 3 ? platform::PenStyle::Dot : platform::PenStyle::Solid);
    const TVektorR2 at = receiver->signalAt(k)->position;
    image_.moveTo(rx, ry);
    image_.lineTo(toScreenX(at.x), toScreenY(at.y));
  }
  image_.setPenStyle(platform::PenStyle::Solid);
}

void TDemo2DAblauf::drawCircles() {
  image_.setPenColor(platform::colors::black);
  image_.setPenStyle(platform::PenStyle::Solid);
  image_.setBrushStyle(platform::BrushStyle::Clear);
  drawCircle(receiver->circles[1]);
  drawCircle(receiver->circles[2]);
}

void TDemo2DAblauf::computeIntersection() {
  receiver->checkCircle = receiver->circles[3];
  TVektorR2 point{};
  receiver->determinePosition(point);
  if (!receiver->failed) drawDot(point, platform::colors::lime, 3);
}

void TDemo2DAblauf::drawCheckCircle() {
  image_.setBrushStyle(platform::BrushStyle::Clear);
  image_.setPenColor(platform::colors::blue);
  image_.setPenStyle(platform::PenStyle::Solid);
  drawCircle(receiver->checkCircle);
}

// ---------------------------------------------------------------- memo texts

void TDemo2DAblauf::appendOkPrompt() {
  memo.emplace_back();
  memo.emplace_back(kOkPrompt);
}

void TDemo2DAblauf::showIntroduction() {
  memo.clear();
  appendLines(memo, kIntroduction);
}

void TDemo2DAblauf::showReceiverText() {
  memo.clear();
  appendLines(memo, kReceiver);
  appendOkPrompt();
}

void TDemo2DAblauf::showSignalsText(int n) {
  memo.clear();
  memo.push_back(platform::fillText(kReceivedSignals, {std::to_string(n)}));
  appendLines(memo, kSignals);
}

void TDemo2DAblauf::showFirstIntersectionText() {
  memo.clear();
  appendLines(memo, kFirstIntersection);
  appendOkPrompt();
}

void TDemo2DAblauf::showRepeatedIntersectionText() {
  memo.clear();
  appendLines(memo, kRepeatedIntersection);
  appendOkPrompt();
}

void TDemo2DAblauf::showCheckText() {
  memo.clear();
  appendLines(memo, kCheck);
  appendOkPrompt();
}

void TDemo2DAblauf::showResultText(Extended d) {
  memo.clear();
  if (d == 0) {
    appendLines(memo, kResultCorrect);
    return;
  }
  if (d < 0)
    appendLines(memo, kResultTooSmall);
  else
    appendLines(memo, kResultTooLarge);
  appendOkPrompt();
}

std::vector<std::string> TDemo2DAblauf::allTextLines() {
  std::vector<std::string> all;
  appendLines(all, kIntroduction);
  appendLines(all, kReceiver);
  all.push_back(platform::fillText(kReceivedSignals, {"8"}));
  appendLines(all, kSignals);
  appendLines(all, kFirstIntersection);
  appendLines(all, kRepeatedIntersection);
  appendLines(all, kCheck);
  appendLines(all, kResultCorrect);
  appendLines(all, kResultTooSmall);
  appendLines(all, kResultTooLarge);
  return all;
}
