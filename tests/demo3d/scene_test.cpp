#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "tests/support/RecordingCanvas.h"
#include "demo/dreiDDemo.h"

using testing_support::RecordingCanvas;
using Op = RecordingCanvas::Op;

namespace {

constexpr int kWidth = 897;
constexpr int kHeight = 657;
constexpr int kEarthLines = 52 * 80;
constexpr int kSmallSphereLines = 4 * 40;  // satellite, receiver, candidate
constexpr int kMeasuringSphereLines = 92 * 80;
constexpr int kOrbitLines = 6 * 160;

TGeoPosition somewhereInEurope() {
  TGeoPosition p;
  p.eastWest = 'O';
  p.longitude = {11, 34.5L};
  p.northSouth = 'N';
  p.latitude = {48, 8.25L};
  p.height = 520;
  return p;
}

struct Scene {
  RecordingCanvas canvas{kWidth, kHeight};
  T3DDemo demo{canvas, 0, somewhereInEurope};

  // What the window does at the first step of the walk-through.
  void loadFourSpheres() {
    demo.receiver.clock.receiveSignals(demo.receiverPosition, demo.constellation);
    demo.receiver.loadSpheres(0);
  }

  std::vector<RecordingCanvas::Entry> lines(platform::Color c) const {
    std::vector<RecordingCanvas::Entry> result;
    for (const auto& e : canvas.entries())
      if (e.op == Op::LineTo && e.penColor == c) result.push_back(e);
    return result;
  }

  platform::Point pixelOf(TVektorR3 km) {
    T3DObjekt none;
    T3DProjektion p(none, demo.projectionKind, canvas, demo.viewWindow, demo.eye);
    return p.projectPoint(demo.geometry.multiply(km, T3DDemo::scale));
  }
};

// Mean of the start points of `count` lines from `first` on: the centre of a wire
// frame sphere in a parallel projection.
std::pair<double, double> centreOf(const std::vector<RecordingCanvas::Entry>& lines, std::size_t first,
                                   std::size_t count) {
  double x = 0, y = 0;
  for (std::size_t i = first; i < first + count; ++i) x += lines[i].x1, y += lines[i].y1;
  return {x / count, y / count};
}

void expectCentredOn(const std::vector<RecordingCanvas::Entry>& lines, std::size_t first, std::size_t count,
                     platform::Point centre, const char* what) {
  ASSERT_LE(first + count, lines.size()) << what;
  const auto [x, y] = centreOf(lines, first, count);
  EXPECT_NEAR(x, centre.x, 1.5) << what;
  EXPECT_NEAR(y, centre.y, 1.5) << what;
}

std::vector<int> firstFourSatellites(T3DDemo& demo) {
  std::vector<int> result;
  auto& signals = demo.receiver.clock.signals;
  for (signals.toFirst(); !signals.atEnd() && result.size() < 4; signals.next())
    result.push_back(static_cast<TListenElement*>(signals.getElem())->number);
  return result;
}

}  // namespace

TEST(T3DDemo, StartsWithTheViewerInFrontAndTheWindowOfTheImagesShape) {
  Scene s;
  EXPECT_EQ(s.demo.eye, (TVektorR3{0, -50, 0}));
  EXPECT_EQ(s.demo.rotationAngles, (TVektorR3{0, 0, 0}));
  const long double h = 100.0L * kHeight / kWidth;
  EXPECT_EQ(s.demo.viewWindow.first, (TVektorR2{-50, -h / 2}));
  EXPECT_EQ(s.demo.viewWindow.second, (TVektorR2{50, h / 2}));
  TKoordinatenwandlerR3 converter;
  EXPECT_EQ(s.demo.receiverPosition, converter.geoToCartesian(somewhereInEurope()));
  EXPECT_FALSE(s.demo.found);
  EXPECT_TRUE(s.canvas.entries().empty());  // nothing is drawn before the first frame
}

TEST(T3DDemo, FreeFrameDrawsEarthOrbitsSatellitesReceiverAndSignals) {
  Scene s;
  TSatellitenSchar expectedSky;
  expectedSky.moveSatellites();
  TUhr expectedClock;
  expectedClock.receiveSignals(s.demo.receiverPosition, expectedSky);
  ASSERT_GE(expectedClock.signals.count(), 4);

  s.demo.drawScene();
  const auto& all = s.canvas.entries();
  ASSERT_FALSE(all.empty());
  EXPECT_EQ(all[0].op, Op::Rectangle);
  EXPECT_EQ(std::make_tuple(all[0].x1, all[0].y1, all[0].x2, all[0].y2), std::make_tuple(0, 0, kWidth, kHeight));
  EXPECT_EQ(all[0].brushColor, 0u);
  EXPECT_EQ(all[0].penColor, 0u);

  // Earth and the six orbits share the green.
  EXPECT_EQ(s.lines(0x00FF00).size(), std::size_t(kEarthLines + kOrbitLines));
  EXPECT_EQ(s.lines(0x0000FF).size(), std::size_t(kSmallSphereLines));
  EXPECT_EQ(s.lines(0x00FFFF).size(), std::size_t(24 * kSmallSphereLines));
  const auto white = s.lines(0xFFFFFF);
  ASSERT_EQ(white.size(), expectedClock.signals.count());
  EXPECT_TRUE(s.lines(0xC0C0C0).empty());

  // The satellites stepped once, and every signal line starts at the receiver.
  EXPECT_EQ(s.demo.constellation.satellites[7].position, expectedSky.satellites[7].position);
  const auto receiver = s.pixelOf(s.demo.receiverPosition);
  for (const auto& w : white) EXPECT_EQ(std::make_pair(w.x1, w.y1), std::make_pair(receiver.x, receiver.y));
  expectCentredOn(s.lines(0x0000FF), 0, kSmallSphereLines, receiver, "receiver");
  expectCentredOn(s.lines(0x00FFFF), 8 * kSmallSphereLines, kSmallSphereLines,
                  s.pixelOf(expectedSky.satellites[9].position), "satellite 9");
  // The signals are dropped again after the frame.
  EXPECT_TRUE(s.demo.receiver.clock.signals.empty());
}

TEST(T3DDemo, FreeFramesMoveTheSatellitesAlgorithmFramesDoNot) {
  Scene s;
  s.demo.drawScene();
  const TVektorR3 afterOne = s.demo.constellation.satellites[1].position;
  s.loadFourSpheres();
  s.demo.drawAlgorithmStep(1);
  s.demo.drawAlgorithmStep(3);
  EXPECT_EQ(s.demo.constellation.satellites[1].position, afterOne);
  EXPECT_EQ(s.demo.satelliteSpheres[1].center, s.demo.geometry.multiply(afterOne, T3DDemo::scale));
  s.demo.receiver.clock.signals.clear();
  s.demo.drawScene();
  EXPECT_NE(s.demo.constellation.satellites[1].position, afterOne);
}

TEST(T3DDemo, FirstStepShowsOnlyTheFourUsedSatellitesAndTheirLines) {
  Scene s;
  s.loadFourSpheres();
  const auto used = firstFourSatellites(s.demo);
  ASSERT_EQ(used.size(), 4u);
  s.demo.drawAlgorithmStep(1);
  EXPECT_EQ(s.lines(0x00FF00).size(), std::size_t(kEarthLines));  // no orbits
  EXPECT_EQ(s.lines(0x0000FF).size(), std::size_t(kSmallSphereLines));
  const auto yellow = s.lines(0x00FFFF);
  ASSERT_EQ(yellow.size(), std::size_t(4 * kSmallSphereLines));
  // Drawn in satellite order.
  auto ordered = used;
  std::sort(ordered.begin(), ordered.end());
  for (int k = 0; k < 4; ++k)
    expectCentredOn(yellow, k * kSmallSphereLines, kSmallSphereLines,
                    s.pixelOf(s.demo.constellation.satellites[ordered[k]].position), "used satellite");
  const auto white = s.lines(0xFFFFFF);
  ASSERT_EQ(white.size(), 4u);
  for (int k = 0; k < 4; ++k) {
    const auto end = s.pixelOf(s.demo.constellation.satellites[used[k]].position);
    EXPECT_EQ(std::make_pair(white[k].x2, white[k].y2), std::make_pair(end.x, end.y));
  }
  EXPECT_TRUE(s.lines(0xC0C0C0).empty());
  EXPECT_TRUE(s.lines(T3DDemo::candidateColor).empty());
  // The list stays for the next steps.
  EXPECT_GE(s.demo.receiver.clock.signals.count(), 4);
}

TEST(T3DDemo, StepsAddTheSpheresOneByOneThenTheCandidate) {
  Scene s;
  s.loadFourSpheres();
  auto pixelOfSphere = [&](int k) { return s.pixelOf(s.demo.receiver.spheres[k].center); };

  s.demo.drawAlgorithmStep(2);
  auto silver = s.lines(0xC0C0C0);
  ASSERT_EQ(silver.size(), std::size_t(kMeasuringSphereLines));
  expectCentredOn(silver, 0, kMeasuringSphereLines, pixelOfSphere(1), "sphere 1");
  EXPECT_TRUE(s.lines(T3DDemo::candidateColor).empty());

  s.canvas.clear();
  s.demo.drawAlgorithmStep(4);
  silver = s.lines(0xC0C0C0);
  ASSERT_EQ(silver.size(), std::size_t(3 * kMeasuringSphereLines));
  for (int k = 1; k <= 3; ++k)
    expectCentredOn(silver, (k - 1) * kMeasuringSphereLines, kMeasuringSphereLines, pixelOfSphere(k), "sphere");
  EXPECT_TRUE(s.lines(T3DDemo::candidateColor).empty());

  s.canvas.clear();
  const auto radii = s.demo.receiver.spheres;
  s.demo.drawAlgorithmStep(5);
  EXPECT_EQ(s.lines(0xC0C0C0).size(), std::size_t(3 * kMeasuringSphereLines));
  const auto candidate = s.lines(T3DDemo::candidateColor);
  ASSERT_EQ(candidate.size(), std::size_t(kSmallSphereLines));
  TEmpfaenger check;
  check.spheres = radii;
  TVektorR3 p{};
  check.intersectThreeSpheres(p);
  ASSERT_FALSE(check.failed);
  expectCentredOn(candidate, 0, kSmallSphereLines, s.pixelOf(p), "candidate");
  // Still nothing corrected, nothing found.
  EXPECT_EQ(s.demo.receiver.spheres, radii);
  EXPECT_FALSE(s.demo.found);
}

TEST(T3DDemo, StepSixAddsTheFourthSphereAndCorrectsTheRadiiOnce) {
  Scene s;
  s.loadFourSpheres();
  const auto before = s.demo.receiver.spheres;
  TEmpfaenger check;
  check.spheres = before;
  TVektorR3 p{};
  check.intersectThreeSpheres(p);
  ASSERT_FALSE(check.failed);
  const long double d = before[4].radius - TEuklidGeoR3::distance(p, before[4].center);
  ASSERT_GT(std::fabs(d), 1.0L);  // fictive run times are far off at first

  s.demo.drawAlgorithmStep(6);
  const auto silver = s.lines(0xC0C0C0);
  ASSERT_EQ(silver.size(), std::size_t(4 * kMeasuringSphereLines));
  expectCentredOn(silver, 3 * kMeasuringSphereLines, kMeasuringSphereLines,
                  s.pixelOf(before[4].center), "sphere 4");
  EXPECT_EQ(s.lines(T3DDemo::candidateColor).size(), std::size_t(kSmallSphereLines));
  EXPECT_EQ(s.lines(0x00FFFF).size(), std::size_t(4 * kSmallSphereLines));
  EXPECT_EQ(s.lines(0xFFFFFF).size(), 4u);
  EXPECT_EQ(s.lines(0x00FF00).size(), std::size_t(kEarthLines));

  EXPECT_EQ(s.demo.distanceToFourth, d);
  EXPECT_FALSE(s.demo.found);
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(s.demo.receiver.spheres[k].center, before[k].center);
    EXPECT_EQ(s.demo.receiver.spheres[k].radius, before[k].radius - d / 2) << k;
  }
  // A second frame at step 6 corrects once more.
  s.demo.drawAlgorithmStep(6);
  EXPECT_NE(s.demo.receiver.spheres[1].radius, before[1].radius - d / 2);
}

// A frame drawn again for a turn by hand: the same picture as the frame before it,
// and neither the satellites nor the radii nor the outcome move on.
TEST(T3DDemo, StillFramesRepeatTheLastFrameAndChangeNothing) {
  for (const int step : {0, 6}) {
    Scene s;
    if (step > 0) s.loadFourSpheres();
    if (step == 0)
      s.demo.drawScene();
    else
      s.demo.drawAlgorithmStep(step);
    const auto frame = s.canvas.entries();
    const auto satellite = s.demo.constellation.satellites[1].position;
    const auto radii = s.demo.receiver.spheres;
    const bool found = s.demo.found;
    const long double distance = s.demo.distanceToFourth;
    s.canvas.clear();
    s.demo.drawStill(step);
    EXPECT_EQ(s.canvas.entries().size(), frame.size()) << step;
    EXPECT_TRUE(std::equal(frame.begin(), frame.end(), s.canvas.entries().begin(),
                           [](const auto& a, const auto& b) {
                             return a.op == b.op && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 &&
                                    a.y2 == b.y2 && a.penColor == b.penColor;
                           }))
        << step;
    EXPECT_EQ(s.demo.constellation.satellites[1].position, satellite) << step;
    EXPECT_EQ(s.demo.receiver.spheres, radii) << step;
    EXPECT_EQ(s.demo.found, found);
    EXPECT_EQ(s.demo.distanceToFourth, distance);
  }
}

TEST(T3DDemo, CandidateWithinOneKilometreOfTheFourthSphereIsFound) {
  Scene s;
  s.loadFourSpheres();
  // Radii that meet at the true position, sphere 4 a little too large.
  for (int k = 1; k <= 4; ++k)
    s.demo.receiver.spheres[k].radius =
        TEuklidGeoR3::distance(s.demo.receiver.spheres[k].center, s.demo.receiverPosition);
  s.demo.receiver.spheres[4].radius += 0.999L;
  const auto before = s.demo.receiver.spheres;
  s.demo.drawAlgorithmStep(6);
  EXPECT_TRUE(s.demo.found);
  EXPECT_NEAR(double(s.demo.distanceToFourth), 0.999, 1e-6);
  EXPECT_EQ(s.demo.receiver.spheres, before);

  s.demo.receiver.spheres[4].radius += 0.002L;  // now 1.001 km
  s.demo.drawAlgorithmStep(6);
  EXPECT_FALSE(s.demo.found);
  EXPECT_NEAR(double(s.demo.receiver.spheres[1].radius), double(before[1].radius - 1.001L / 2), 1e-6);
}

TEST(T3DDemo, SpheresThatDoNotMeetSkipCandidateAndCorrection) {
  Scene s;
  s.loadFourSpheres();
  for (int k = 1; k <= 4; ++k) s.demo.receiver.spheres[k].radius = 100;  // far apart in space
  s.demo.distanceToFourth = 42;
  const auto before = s.demo.receiver.spheres;
  s.demo.drawAlgorithmStep(6);
  EXPECT_TRUE(s.lines(T3DDemo::candidateColor).empty());
  EXPECT_EQ(s.lines(0xC0C0C0).size(), std::size_t(4 * kMeasuringSphereLines));
  EXPECT_EQ(s.demo.receiver.spheres, before);
  EXPECT_EQ(s.demo.distanceToFourth, 42);
  EXPECT_FALSE(s.demo.found);
}

TEST(T3DDemo, FewerThanFourSignalsDrawOnlyTheBasePicture) {
  Scene s;
  s.demo.receiverPosition = {0, 0, 0};  // inside the earth: nothing is heard
  s.loadFourSpheres();
  ASSERT_EQ(s.demo.receiver.signalCount(), 0);
  s.demo.drawAlgorithmStep(6);
  EXPECT_EQ(s.lines(0x00FF00).size(), std::size_t(kEarthLines));
  EXPECT_TRUE(s.lines(0x00FFFF).empty());
  EXPECT_TRUE(s.lines(0xFFFFFF).empty());
  EXPECT_TRUE(s.lines(0xC0C0C0).empty());
  EXPECT_TRUE(s.lines(T3DDemo::candidateColor).empty());
  EXPECT_FALSE(s.demo.found);
}

TEST(T3DDemo, RotationAnglesTurnTheSceneNotTheViewer) {
  Scene s;
  s.demo.drawScene();
  const auto unturned = centreOf(s.lines(0x0000FF), 0, kSmallSphereLines);
  // With no rotation the earth's first meridian starts at the north pole.
  EXPECT_EQ(std::make_pair(s.lines(0x00FF00)[0].x1, s.lines(0x00FF00)[0].y1),
            std::make_pair(s.pixelOf({0, 0, 6371}).x, s.pixelOf({0, 0, 6371}).y));

  Scene turned;
  turned.demo.rotationAngles.z = 0.5L;
  turned.demo.drawScene();
  const auto receiver = centreOf(turned.lines(0x0000FF), 0, kSmallSphereLines);
  const TVektorR3 p = TEuklidGeoR3::rotateZ(turned.demo.receiverPosition, 0.5L);
  EXPECT_NEAR(receiver.first, turned.pixelOf(p).x, 1.5);
  EXPECT_NEAR(receiver.second, turned.pixelOf(p).y, 1.5);
  EXPECT_GT(std::fabs(receiver.first - unturned.first), 1.0);
  EXPECT_EQ(turned.demo.eye, (TVektorR3{0, -50, 0}));
}

TEST(T3DDemo, CentralProjectionDrawsTheSameObjects) {
  RecordingCanvas canvas(kWidth, kHeight);
  T3DDemo demo(canvas, 1, somewhereInEurope);
  demo.drawScene();
  std::map<platform::Color, int> lines;
  for (const auto& e : canvas.entriesOf(Op::LineTo)) ++lines[e.penColor];
  EXPECT_EQ(lines[0x00FF00], kEarthLines + kOrbitLines);
  EXPECT_EQ(lines[0x00FFFF], 24 * kSmallSphereLines);
}

TEST(T3DDemo, WithoutAPositionSourceTheReceiverStillStandsOnTheEarth) {
  RecordingCanvas canvas(kWidth, kHeight);
  T3DDemo demo(canvas, 0, nullptr);
  EXPECT_NEAR(double(TEuklidGeoR3::length(demo.receiverPosition)), 6371.0, 1e-9);
}
