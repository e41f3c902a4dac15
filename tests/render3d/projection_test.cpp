#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "render3d/dreiDdarstellungclss.h"
#include "tests/render3d/render3d_util.h"
#include "tests/support/RecordingCanvas.h"

using render3d_test::pointsOf;
using render3d_test::sublistsOf;
using testing_support::RecordingCanvas;
using Op = RecordingCanvas::Op;

namespace {

// 800 x 600 pixels showing 100 x 75 units centred on the origin: 8 pixels a unit.
const TViewWindow kWindow{{-50, -37.5L}, {50, 37.5L}};
const TVektorR3 kEye{0, -50, 0};

platform::Point project(TVektorR3 p, std::uint8_t kind = T3DProjektion::parallel,
                        TVektorR3 eye = kEye) {
  RecordingCanvas canvas(800, 600);
  T3DObjekt object;
  T3DProjektion projection(object, kind, canvas, kWindow, eye);
  return projection.projectPoint(p);
}

long double distanceFromCentre(platform::Point p) {
  return std::hypot(static_cast<long double>(p.x - 400), static_cast<long double>(p.y - 300));
}

std::unique_ptr<TListe> pointList(std::initializer_list<TVektorR3> pts) {
  auto list = std::make_unique<TListe>();
  for (const auto& p : pts) list->append(std::make_unique<TVektorR3Class>(p));
  return list;
}

}  // namespace

TEST(TTransformer, MapsTheWindowCornersOntoTheImageCorners) {
  RecordingCanvas canvas(897, 657);
  const TViewWindow window{{-50, -20}, {50, 30}};
  TTransformer t(window, canvas);
  EXPECT_EQ(t.left, 0);
  EXPECT_EQ(t.bottom, 657);
  EXPECT_EQ(t.right, 897);
  EXPECT_EQ(t.top, 0);
  EXPECT_EQ(t.worldToPixel({-50, -20}), (platform::Point{0, 657}));
  EXPECT_EQ(t.worldToPixel({50, 30}), (platform::Point{897, 0}));
  EXPECT_EQ(t.worldToPixel({-50, 30}).y, 0);   // top edge of the window: row 0
  EXPECT_EQ(t.worldToPixel({50, -20}).y, 657);  // bottom edge: row H
  EXPECT_EQ(t.worldToPixel({10, 10}), (platform::Point{538, 263}));  // 538.2, 262.8
  // Outside the window: outside the image, not clipped.
  EXPECT_EQ(t.worldToPixel({150, -70}), (platform::Point{1794, 1314}));
  // Far beyond the integers: kept at their ends instead of overflowing.
  EXPECT_EQ(t.worldToPixel({1e30L, 0}).x, 2147483647);
}

TEST(TTransformer, ReadsTheImageSizeWhenMade) {
  RecordingCanvas canvas(100, 100);
  TTransformer t(TViewWindow{{0, 0}, {1, 1}}, canvas);
  canvas.resize(200, 50);
  EXPECT_EQ(t.worldToPixel({1, 0}), (platform::Point{100, 100}));
  TTransformer later(TViewWindow{{0, 0}, {1, 1}}, canvas);
  EXPECT_EQ(later.worldToPixel({1, 0}), (platform::Point{200, 50}));
}

TEST(T3DProjektion, StartEyeShowsXToTheRightAndZUp) {
  EXPECT_EQ(project({0, 0, 0}), (platform::Point{400, 300}));
  EXPECT_EQ(project({6.371L, 0, 0}), (platform::Point{451, 300}));
  EXPECT_EQ(project({0, 0, 6.371L}), (platform::Point{400, 249}));
  // Depth along the line of sight does not matter in parallel projection.
  EXPECT_EQ(project({0, 20, 0}), (platform::Point{400, 300}));
}

TEST(T3DProjektion, EyeOnTheZAxisFallsBackToXRightYUp) {
  const TVektorR3 above{0, 0, 50};
  EXPECT_EQ(project({5, 0, 0}, T3DProjektion::parallel, above), (platform::Point{440, 300}));
  EXPECT_EQ(project({0, 5, 0}, T3DProjektion::parallel, above), (platform::Point{400, 260}));
  EXPECT_EQ(project({0, 0, 9}, T3DProjektion::parallel, above), (platform::Point{400, 300}));
  // Looking up from below: v = N x u turns round.
  EXPECT_EQ(project({0, 5, 0}, T3DProjektion::parallel, {0, 0, -50}), (platform::Point{400, 340}));
}

TEST(T3DProjektion, CentralProjectionEnlargesNearPointsAndShrinksFarOnes) {
  const TVektorR3 nearer{3, -25, 4};  // between the plane and the eye
  const TVektorR3 inPlane{3, 0, 4};
  const TVektorR3 farther{3, 25, 4};  // beyond the plane
  const auto parallelNear = project(nearer);
  EXPECT_EQ(parallelNear, project(inPlane));
  EXPECT_EQ(parallelNear, project(farther));
  EXPECT_EQ(project(inPlane, T3DProjektion::central), project(inPlane));
  EXPECT_GT(distanceFromCentre(project(nearer, T3DProjektion::central)), distanceFromCentre(parallelNear));
  EXPECT_LT(distanceFromCentre(project(farther, T3DProjektion::central)), distanceFromCentre(parallelNear));
  // Halfway to the eye everything appears twice as large: (6, 8) units from the centre.
  EXPECT_EQ(project(nearer, T3DProjektion::central), (platform::Point{448, 236}));
}

TEST(T3DProjektion, ParallelIgnoresTheEyeDistanceCentralDoesNot) {
  const TVektorR3 p{7, -10, -3};
  EXPECT_EQ(project(p, T3DProjektion::parallel, {0, -50, 0}), project(p, T3DProjektion::parallel, {0, -12, 0}));
  EXPECT_NE(project(p, T3DProjektion::central, {0, -50, 0}), project(p, T3DProjektion::central, {0, -12, 0}));
}

TEST(T3DProjektion, UnprojectablePointsLandOnTheOrigin) {
  // The eye itself under central projection.
  EXPECT_EQ(project(kEye, T3DProjektion::central), (platform::Point{400, 300}));
  // A point in the plane of the eye parallel to the image plane.
  EXPECT_EQ(project({10, -50, 3}, T3DProjektion::central), (platform::Point{400, 300}));
  // A point behind the eye is projected through it: mirrored.
  const auto behind = project({5, -100, 0}, T3DProjektion::central);
  EXPECT_LT(behind.x, 400);
}

TEST(T3DProjektion, RotateByNothingLeavesEveryPointAsItIs) {
  RecordingCanvas canvas;
  T3DKugel sphere({{1, 2, 3}, 1.5L}, {0, 0, 1}, 6, 3, 12);
  T3DKugel reference({{1, 2, 3}, 1.5L}, {0, 0, 1}, 6, 3, 12);
  T3DProjektion projection(sphere, 0, canvas, kWindow, kEye);
  projection.rotate({0, 0, 0});
  EXPECT_EQ(sphere.points->compare(*reference.points), 0);
}

TEST(T3DProjektion, RotationTurnsLikeTheCalculatorInXYZOrder) {
  RecordingCanvas canvas;
  T3DKreis circle({{{0, 0, 0}, {1, 0, 0}, {0, 1, 1}}, {2, -1, 0.5L}, 3}, 24);
  const auto before = pointsOf(*circle.points);
  T3DProjektion projection(circle, 0, canvas, kWindow, kEye);
  const TVektorR3 angles{0.3L, -1.1L, 2.5L};
  projection.rotate(angles);
  const auto after = pointsOf(*circle.points);
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < before.size(); ++i) {
    const TVektorR3 expected = TEuklidGeoR3::rotateZ(
        TEuklidGeoR3::rotateY(TEuklidGeoR3::rotateX(before[i], angles.x), angles.y), angles.z);
    EXPECT_EQ(after[i], expected) << i;  // the same arithmetic, bit for bit
  }
  // Turning back restores the points up to rounding.
  projection.rotate({0, 0, -angles.z});
  projection.rotate({0, -angles.y, 0});
  projection.rotate({-angles.x, 0, 0});
  const auto back = pointsOf(*circle.points);
  for (std::size_t i = 0; i < before.size(); ++i)
    EXPECT_TRUE(render3d_test::near3(back[i], before[i], 1e-15L)) << i;
}

TEST(T3DProjektion, RotateSkipsZeroAxesAndSnapsTinyComponents) {
  RecordingCanvas canvas;
  T3DObjekt object;
  object.kind = 2;
  object.points = pointList({{1, 0, 0}});
  T3DProjektion projection(object, 0, canvas, kWindow, kEye);
  projection.rotate({0, 0, 1.5707963267948966192L});
  EXPECT_EQ(pointsOf(*object.points)[0], (TVektorR3{0, 1, 0}));
}

TEST(T3DProjektion, KindsAboveFifteenNeitherDrawNorTurn) {
  RecordingCanvas canvas;
  T3DObjekt object;
  object.kind = 16;
  object.color = 0x123456;
  object.penWidth = 4;
  object.points = pointList({{1, 0, 0}, {2, 0, 0}});
  T3DProjektion projection(object, 0, canvas, kWindow, kEye);
  projection.rotate({1, 1, 1});
  projection.draw();
  EXPECT_TRUE(canvas.entries().empty());
  EXPECT_EQ(canvas.penColor(), 0x123456u);
  EXPECT_EQ(canvas.brushColor(), 0x123456u);
  EXPECT_EQ(canvas.penWidth(), 4);
  EXPECT_EQ(pointsOf(*object.points)[0], (TVektorR3{1, 0, 0}));
}

TEST(T3DProjektion, SegmentIsOneLineInItsColour) {
  RecordingCanvas canvas(800, 600);
  T3DStrecke s({{0, 0, 0}, {6.371L, 0, 6.371L}});
  s.color = 0xFFFFFF;
  T3DProjektion projection(s, 0, canvas, kWindow, kEye);
  projection.draw();
  ASSERT_EQ(canvas.entries().size(), 1u);
  const auto& e = canvas.entries()[0];
  EXPECT_EQ(e.op, Op::LineTo);
  EXPECT_EQ(e.penColor, 0xFFFFFFu);
  EXPECT_EQ(e.brushColor, 0xFFFFFFu);
  EXPECT_EQ(e.penWidth, 0);
  EXPECT_EQ(std::make_pair(e.x1, e.y1), std::make_pair(400, 300));
  EXPECT_EQ(std::make_pair(e.x2, e.y2), std::make_pair(451, 249));
}

TEST(T3DProjektion, WireFrameDrawsEveryCircleAsAPolyline) {
  RecordingCanvas canvas(800, 600);
  T3DKugel sphere({{0, 0, 0}, 6.371L}, {0, 0, 1}, 40, 11, 80);
  T3DProjektion projection(sphere, 0, canvas, kWindow, kEye);
  projection.draw();
  // 52 circles of 81 points: 80 segments each, every one starting where the last ended
  // within its circle.
  const auto& lines = canvas.entries();
  ASSERT_EQ(lines.size(), 52u * 80u);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (i % 80 == 0) continue;
    EXPECT_EQ(std::make_pair(lines[i].x1, lines[i].y1), std::make_pair(lines[i - 1].x2, lines[i - 1].y2));
  }
  // Closed: each circle ends where it began.
  for (std::size_t c = 0; c < 52; ++c) {
    EXPECT_EQ(lines[c * 80].x1, lines[c * 80 + 79].x2);
    EXPECT_EQ(lines[c * 80].y1, lines[c * 80 + 79].y2);
  }
}

TEST(T3DProjektion, DiscKindDrawsAFilledCircleOfPenWidthRadius) {
  RecordingCanvas canvas(800, 600);
  T3DObjekt dot;
  dot.kind = 1;
  dot.penWidth = 5;
  dot.color = 0x0000FF;
  dot.points = pointList({{2.5L, 0, 0}, {9, 9, 9}});
  T3DProjektion projection(dot, 0, canvas, kWindow, kEye);
  projection.draw();
  ASSERT_EQ(canvas.entries().size(), 1u);
  const auto& e = canvas.entries()[0];
  EXPECT_EQ(e.op, Op::Ellipse);
  EXPECT_EQ(std::make_tuple(e.x1, e.y1, e.x2, e.y2), std::make_tuple(415, 295, 425, 305));
  EXPECT_EQ(e.brushColor, 0x0000FFu);
}

namespace {

// An object of the given kind holding `n` point lists; list i is the segment from
// (i, 0, 0) to (i, 0, 1), so the drawn x tells which list a line belongs to.
std::unique_ptr<T3DObjekt> listsObject(std::uint8_t kind, int n) {
  auto o = std::make_unique<T3DObjekt>();
  o->kind = kind;
  for (int i = 0; i < n; ++i) o->points->append(pointList({{i * 1.0L, 0, 0}, {i * 1.0L, 0, 1}}));
  return o;
}

int listOfLine(const RecordingCanvas::Entry& e) { return (e.x1 - 400) / 8; }

}  // namespace

TEST(T3DProjektion, KindZeroDrawsThreeListsThinThenThreeThick) {
  RecordingCanvas canvas(800, 600);
  auto o = listsObject(0, 7);
  o->penWidth = 1;
  T3DProjektion projection(*o, 0, canvas, kWindow, kEye);
  projection.draw();
  const auto& lines = canvas.entries();
  ASSERT_EQ(lines.size(), 6u);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(listOfLine(lines[i]), i);
    EXPECT_EQ(lines[i].penWidth, i < 3 ? 1 : 3);
  }
}

TEST(T3DProjektion, KindElevenFramesTheMiddleListsInTheSecondColour) {
  RecordingCanvas canvas(800, 600);
  auto o = listsObject(11, 5);
  o->color = 0x0000FF;
  o->secondColor = 0x00FF00;
  T3DProjektion projection(*o, 0, canvas, kWindow, kEye);
  projection.draw();
  const auto& lines = canvas.entries();
  ASSERT_EQ(lines.size(), 5u);
  const platform::Color expected[] = {0x0000FF, 0x00FF00, 0x00FF00, 0x00FF00, 0x0000FF};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(listOfLine(lines[i]), i);
    EXPECT_EQ(lines[i].penColor, expected[i]) << i;
  }
}

TEST(T3DProjektion, KindTwelveDrawsAllButTheFirstListInTheSecondColour) {
  RecordingCanvas canvas(800, 600);
  auto o = listsObject(12, 3);
  o->color = 0x0000FF;
  o->secondColor = 0xFF0000;
  T3DProjektion projection(*o, 0, canvas, kWindow, kEye);
  projection.draw();
  const auto& lines = canvas.entries();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].penColor, 0x0000FFu);
  EXPECT_EQ(lines[1].penColor, 0xFF0000u);
  EXPECT_EQ(lines[2].penColor, 0xFF0000u);
}

TEST(T3DProjektion, ListKindsTurnEveryList) {
  RecordingCanvas canvas;
  for (std::uint8_t kind : {0, 8, 9, 10, 11, 12, 14, 15}) {
    auto o = listsObject(kind, 2);
    T3DProjektion projection(*o, 0, canvas, kWindow, kEye);
    projection.rotate({0, 0, 3.14159265358979323846L});
    const auto lists = sublistsOf(*o->points);
    EXPECT_TRUE(render3d_test::near3(pointsOf(*lists[1])[1], {-1, 0, 1}, 1e-18L)) << int(kind);
  }
}

TEST(T3DProjektion, KindFiveDrawsFivePointsThenPairsAndUsesUpItsPoints) {
  RecordingCanvas canvas(800, 600);
  T3DObjekt o;
  o.kind = 5;
  for (int i = 0; i < 10; ++i) o.points->append(std::make_unique<TVektorR3Class>(TVektorR3{i * 1.0L, 0, 0}));
  T3DProjektion projection(o, 0, canvas, kWindow, kEye);
  projection.draw();
  EXPECT_TRUE(o.points->empty());
  const auto& lines = canvas.entries();
  // 0-1-2-3-4 joined, then 5-6 and 7-8 on their own, 9 alone draws nothing.
  ASSERT_EQ(lines.size(), 6u);
  const int from[] = {0, 1, 2, 3, 5, 7};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(listOfLine(lines[i]), from[i]);
    EXPECT_EQ((lines[i].x2 - 400) / 8, from[i] + 1);
  }
}

TEST(T3DProjektion, KindThirteenMarkerWithTextDrawsDiscOrSpokes) {
  RecordingCanvas canvas(800, 600);
  T3DObjekt o;
  o.kind = 13;
  o.penWidth = 3;
  o.points->append(std::make_unique<TString>("Satellit"));
  o.points->append(std::make_unique<TVektorR3Class>(TVektorR3{1, 0, 0}));
  {
    T3DProjektion projection(o, 0, canvas, kWindow, kEye);
    projection.draw();
  }
  ASSERT_EQ(canvas.entries().size(), 1u);
  EXPECT_EQ(canvas.entries()[0].op, Op::Ellipse);
  EXPECT_EQ(std::make_tuple(canvas.entries()[0].x1, canvas.entries()[0].y1), std::make_tuple(405, 297));
  EXPECT_TRUE(canvas.entriesOf(Op::Text).empty());

  canvas.clear();
  o.points->append(std::make_unique<TVektorR3Class>(TVektorR3{2, 0, 0}));
  o.points->append(std::make_unique<TVektorR3Class>(TVektorR3{1, 0, 1}));
  T3DProjektion projection(o, 0, canvas, kWindow, kEye);
  projection.draw();
  const auto& lines = canvas.entries();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(std::make_tuple(lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2), std::make_tuple(408, 300, 416, 300));
  EXPECT_EQ(std::make_tuple(lines[1].x1, lines[1].y1, lines[1].x2, lines[1].y2), std::make_tuple(408, 300, 408, 292));
}

TEST(T3DProjektion, KindThirteenBooleansLiftThePen) {
  RecordingCanvas canvas(800, 600);
  T3DObjekt o;
  o.kind = 13;
  auto pt = [&](long double x) { o.points->append(std::make_unique<TVektorR3Class>(TVektorR3{x, 0, 0})); };
  pt(0), pt(1), pt(2);
  o.points->append(std::make_unique<TBoolean>(true));
  pt(4), pt(5);
  o.points->append(std::make_unique<TBoolean>(false));
  pt(7);
  T3DProjektion projection(o, 0, canvas, kWindow, kEye);
  projection.rotate({0, 0, 0});
  projection.draw();
  const auto& lines = canvas.entries();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(listOfLine(lines[0]), 0);
  EXPECT_EQ(listOfLine(lines[1]), 1);
  EXPECT_EQ(listOfLine(lines[2]), 4);
  // Turning moves the points and keeps the value elements in place.
  projection.rotate({0, 0, 3.14159265358979323846L});
  EXPECT_EQ(o.points->count(), 8);
  o.points->setPosition(3);
  EXPECT_STREQ(o.points->getElem()->className(), "TBoolean");
  EXPECT_TRUE(render3d_test::near3(pointsOf(*o.points)[5], {-7, 0, 0}, 1e-15L));
}

TEST(T3DProjektion, AgreesWithTheCalculatorsProjections) {
  // The image plane is built once per projection object; every point must still
  // land where centralProjection and parallelProjection put it.
  RecordingCanvas canvas(800, 600);
  TEuklidGeoR3 g;
  const TVektorR3 eyes[] = {{0, -50, 0}, {3, -40, 17}, {0, 0, 50}, {-0.5L, 0.25L, -30}};
  const TVektorR3 pts[] = {{0, 0, 0}, {6.371L, 0, 0}, {-20, 13, 7.5L}, {26.5L, -3, -1}, {1e-3L, 2e-3L, 5}};
  T3DObjekt none;
  for (const auto& eye : eyes) {
    for (std::uint8_t kind : {T3DProjektion::parallel, T3DProjektion::central}) {
      T3DProjektion projection(none, kind, canvas, kWindow, eye);
      for (const auto& p : pts) {
        TEbeneR3 image;
        if (kind == T3DProjektion::central)
          g.centralProjection(p, eye, image);
        else
          g.parallelProjection(p, eye, image);
        const TVektorR2 q{g.dotProduct(image.point, image.direction1), g.dotProduct(image.point, image.direction2)};
        EXPECT_EQ(projection.projectPoint(p), projection.transformer.worldToPixel(q));
      }
    }
  }
}

namespace {

// projectPoint as the calculator does it, call for call: the projecting line,
// the image plane made anew, their intersection and the mapping to pixels.
platform::Point calculatorPixel(TVektorR3 P, std::uint8_t kind, TVektorR3 eye,
                                const TTransformer& transformer) {
  TEuklidGeoR3 g(false);
  const TGeradeR3 line = kind == T3DProjektion::central ? g.lineThroughPoints(eye, P)
                                                        : TGeradeR3{P, eye};
  TEbeneR3 plane;
  g.parallelProjection({0, 0, 0}, eye, plane);
  plane.point = {0, 0, 0};
  TVektorR3 Q{0, 0, 0};
  if (g.checkPlane(plane)) {
    std::uint8_t code = 0;
    g.intersectLinePlaneEquation(line, g.parametricToPlane(plane), code, Q);
  }
  return transformer.worldToPixel(
      {TEuklidGeoR3::dotProduct(Q, plane.direction1), TEuklidGeoR3::dotProduct(Q, plane.direction2)});
}

}  // namespace

TEST(T3DProjektion, EveryPixelIsTheCalculatorsOneOverManyPointsAndScales) {
  // The per-point path is inlined and skips the calculator's checks; the pixels
  // must stay exactly where they were, also under strong magnification and for the
  // points the checks are there for (the eye itself, points a hair from it).
  const TVektorR3 eyes[] = {{0, -50, 0}, {3, -40, 17}, {0, 0, 50}, {-0.5L, 0.25L, -30},
                            {1e-3L, -7, 1e-17L}};
  const TViewWindow windows[] = {kWindow, {{-1e-4L, -7.5e-5L}, {1e-4L, 7.5e-5L}},
                                 {{-3, 2}, {-2.999L, 2.001L}}};
  std::uint64_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<long double>(seed >> 11) / static_cast<long double>(1ULL << 53) * 60 - 30;
  };
  std::vector<TVektorR3> pts;
  for (int i = 0; i < 1500; ++i) pts.push_back({next(), next(), next()});
  T3DObjekt none;
  RecordingCanvas canvas(897, 657);
  int compared = 0;
  for (const auto& eye : eyes) {
    std::vector<TVektorR3> all = pts;
    all.push_back(eye);
    all.push_back({eye.x + 1e-18L, eye.y, eye.z});
    all.push_back({eye.x, eye.y * (1 + 1e-15L), eye.z + 1e-9L});
    all.push_back({0, 0, 0});
    for (std::uint8_t kind : {T3DProjektion::parallel, T3DProjektion::central}) {
      for (const auto& window : windows) {
        T3DProjektion projection(none, kind, canvas, window, eye);
        for (const auto& p : all) {
          ASSERT_EQ(projection.projectPoint(p),
                    calculatorPixel(p, kind, eye, projection.transformer))
              << "eye " << int(&eye - eyes) << " kind " << int(kind);
          ++compared;
        }
      }
    }
  }
  EXPECT_EQ(compared, 5 * 2 * 3 * 1504);
}
