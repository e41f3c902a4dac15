#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/random.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/RecordingMessages.h"
#include "demo/demoGpsUnit.h"

using testing_support::RecordingCanvas;
using testing_support::RecordingMessages;
using Op = RecordingCanvas::Op;
namespace colors = platform::colors;

namespace {

const std::string kPrompt = "Zur weiteren Demonstation OK drücken";

// The window's image: 521 x 425.
struct Demo {
  RecordingCanvas canvas{521, 425};
  TDemo2DAblauf script{canvas};
};

struct Box {
  int x1, y1, x2, y2;
  bool operator==(const Box&) const = default;
};

Box boxOf(const RecordingCanvas::Entry& e) { return {e.x1, e.y1, e.x2, e.y2}; }

std::vector<RecordingCanvas::Entry> ellipsesFilledWith(const RecordingCanvas& c, platform::Color color) {
  std::vector<RecordingCanvas::Entry> result;
  for (const auto& e : c.entriesOf(Op::Ellipse))
    if (e.brushStyle == platform::BrushStyle::Solid && e.brushColor == color) result.push_back(e);
  return result;
}

std::vector<RecordingCanvas::Entry> outlines(const RecordingCanvas& c, platform::Color pen) {
  std::vector<RecordingCanvas::Entry> result;
  for (const auto& e : c.entriesOf(Op::Ellipse))
    if (e.brushStyle == platform::BrushStyle::Clear && e.penColor == pen) result.push_back(e);
  return result;
}

// The screen box of a circle about a plane point.
Box circleBox(TVektorR2 center, int r) {
  const int x = 260 + int(std::nearbyint(center.x)), y = 212 - int(std::nearbyint(center.y));
  return {x - r, y - r, x + r, y + r};
}

// Starts and takes the run to step 3 with the receiver at (0, 60), whose signals are
// known: satellites 2, 3, 1 solid, then 8 and 4.
void toStep3AtZeroSixty(Demo& d) {
  d.script.startDemo();
  d.script.okClick();
  d.script.receiverPosition = {0, 60};
  d.canvas.clear();
  d.script.okClick();
}

}  // namespace

TEST(Demo2DScene, StartShowsOrbitEarthAndEightSatellitesButNoReceiver) {
  Demo d;
  EXPECT_EQ(d.script.centerX, 260);
  EXPECT_EQ(d.script.centerY, 212);
  d.canvas.clear();
  d.script.startDemo();
  EXPECT_EQ(d.script.memo, (std::vector<std::string>{
                               "GPS-Satelliten (rot) umkreisen die Erde (grün).", "", kPrompt}));
  EXPECT_TRUE(d.script.timerEnabled);
  EXPECT_TRUE(d.script.okEnabled);
  EXPECT_EQ(d.script.step, 1);

  const auto rects = d.canvas.entriesOf(Op::Rectangle);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(boxOf(rects[0]), (Box{0, 0, 521, 425}));
  EXPECT_EQ(rects[0].brushColor, colors::white);
  EXPECT_EQ(rects[0].penColor, colors::black);

  const auto ellipses = d.canvas.entriesOf(Op::Ellipse);
  ASSERT_EQ(ellipses.size(), 10u);  // orbit, earth, eight satellites
  EXPECT_EQ(boxOf(ellipses[0]), (Box{60, 12, 460, 412}));
  EXPECT_EQ(ellipses[0].brushColor, colors::white);
  EXPECT_EQ(ellipses[0].penColor, colors::black);
  EXPECT_EQ(boxOf(ellipses[1]), (Box{210, 162, 310, 262}));
  EXPECT_EQ(ellipses[1].brushColor, colors::green);
  const auto satellites = ellipsesFilledWith(d.canvas, colors::red);
  ASSERT_EQ(satellites.size(), 8u);
  // Satellite 8 at plane (200, 0), centred at (460, 212); satellite 2 at the top.
  EXPECT_EQ(boxOf(satellites[7]), (Box{452, 204, 468, 220}));
  EXPECT_EQ(boxOf(satellites[1]), (Box{252, 4, 268, 20}));
  EXPECT_EQ(boxOf(satellites[3]), (Box{52, 204, 68, 220}));
  EXPECT_TRUE(ellipsesFilledWith(d.canvas, colors::yellow).empty());
}

TEST(Demo2DScene, PlaneToImageMappingRoundsHalvesToEven) {
  Demo d;
  EXPECT_EQ(d.script.toScreenX(200), 460);
  EXPECT_EQ(d.script.toScreenY(200), 12);
  EXPECT_EQ(d.script.toScreenX(2.5L), 262);
  EXPECT_EQ(d.script.toScreenX(3.5L), 264);
  EXPECT_EQ(d.script.toScreenY(-0.5L), 212);
}

TEST(Demo2DScene, ReceiverLandsJustOutsideTheEarthAndIsRedrawnWhileSatellitesMove) {
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    platform::setRandomSeed(seed);
    Demo d;
    d.script.startDemo();
    d.canvas.clear();
    d.script.okClick();
    EXPECT_EQ(d.script.step, 2);
    const TVektorR2 p = d.script.receiverPosition;
    const long double r = std::hypot(p.x, p.y);
    EXPECT_GE(r, 55 - 1e-12) << seed;
    EXPECT_LE(r, 74 + 1e-12) << seed;
    EXPECT_NEAR(r, std::nearbyint(r), 1e-12) << seed;
    const auto dots = ellipsesFilledWith(d.canvas, colors::yellow);
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_EQ(boxOf(dots[0]), circleBox(p, 3));

    const TVektorR2 before = d.script.constellation->positions[8];
    d.canvas.clear();
    d.script.demoTimerTimer();
    EXPECT_NE(d.script.constellation->positions[8], before);
    EXPECT_EQ(ellipsesFilledWith(d.canvas, colors::yellow).size(), 1u);
    EXPECT_EQ(ellipsesFilledWith(d.canvas, colors::red).size(), 8u);
  }
  Demo d;
  d.script.startDemo();
  d.script.okClick();
  EXPECT_EQ(d.script.memo,
            (std::vector<std::string>{
                "Ein GPS-Empfänger (gelb) wird (an zufälliger Stelle) positioniert.", "", kPrompt}));
}

TEST(Demo2DScene, SignalsOfTheThreeNearestSatellitesAreSolidTheRestDotted) {
  Demo d;
  toStep3AtZeroSixty(d);
  EXPECT_FALSE(d.script.timerEnabled);
  EXPECT_EQ(d.script.step, 3);
  ASSERT_NE(d.script.receiver, nullptr);
  const auto lines = d.canvas.entriesOf(Op::LineTo);
  ASSERT_EQ(lines.size(), 5u);
  const auto& s = d.script.constellation->positions;
  const int order[] = {2, 3, 1, 8, 4};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(lines[k].penStyle, k < 3 ? platform::PenStyle::Solid : platform::PenStyle::Dot) << k;
    EXPECT_EQ(lines[k].penColor, colors::black);
    EXPECT_EQ(lines[k].x1, 260);
    EXPECT_EQ(lines[k].y1, 152);
    EXPECT_EQ(lines[k].x2, d.script.toScreenX(s[order[k]].x)) << k;
    EXPECT_EQ(lines[k].y2, d.script.toScreenY(s[order[k]].y)) << k;
  }
  EXPECT_EQ(d.canvas.penStyle(), platform::PenStyle::Solid);  // left solid for what follows
  EXPECT_EQ(d.script.memo, (std::vector<std::string>{
                               "Der GPS-Empfänger empfängt Signale von 5 Satelliten.",
                               "Die Signale der 3 nächsten Satelliten (durchgehend gezeichnet)",
                               "werden registriert. In den Signalen ist die Satellitenposition",
                               "gespeichert. Außerdem misst der Empfänger die Laufzeitunterschiede",
                               "der 3 Signale. (Im Raum werden 4 Signale benötigt.)", "", kPrompt}));
}

TEST(Demo2DScene, OneLoopDrawsCirclesPointAndCheckCircleWithTheirTexts) {
  Demo d;
  toStep3AtZeroSixty(d);
  const auto& s = d.script.constellation->positions;

  d.canvas.clear();
  d.script.okClick();  // step 3
  EXPECT_EQ(d.script.step, 4);
  EXPECT_EQ(d.canvas.entriesOf(Op::LineTo).size(), 0u);  // the scene was drawn afresh
  EXPECT_EQ(ellipsesFilledWith(d.canvas, colors::yellow).size(), 1u);
  const auto circles = outlines(d.canvas, colors::black);
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_EQ(boxOf(circles[0]), circleBox(s[2], 100));
  EXPECT_EQ(boxOf(circles[1]), circleBox(s[3], 123));
  ASSERT_EQ(d.script.memo.size(), 15u);
  EXPECT_EQ(d.script.memo[0], "Der GPS-Empfänger nimmt für das zuerst empfangene Signal eine");
  EXPECT_EQ(d.script.memo[7], "Daraus ergibt sich ein möglicher Standort des Satelliten -");
  EXPECT_EQ(d.script.memo[12], "der Fall ist.");
  EXPECT_EQ(d.script.memo[13], "");
  EXPECT_EQ(d.script.memo[14], kPrompt);

  d.canvas.clear();
  d.script.okClick();  // step 4
  EXPECT_EQ(d.script.step, 5);
  const auto points = ellipsesFilledWith(d.canvas, colors::lime);
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0].x2 - points[0].x1, 6);
  EXPECT_EQ(d.script.memo,
            (std::vector<std::string>{"Es wird nun geprüft, ob der berechnete Standort der korrekte",
                                      "Standort ist. Dazu wird untersucht, ob dieser Standort auf",
                                      "dem dritten Kreis liegt. (Im Raum wird die Prüfung mit einer",
                                      "4. Kugel vorgenommen.)", "", kPrompt}));

  // The fictive radii are 40 too small: the point lies outside circle 3.
  ASSERT_LT(d.script.receiver->deviation, -1);
  d.canvas.clear();
  d.script.okClick();  // step 5
  const auto check = outlines(d.canvas, colors::blue);
  ASSERT_EQ(check.size(), 1u);
  EXPECT_EQ(boxOf(check[0]), circleBox(s[1], 123));  // circle 3 before the correction
  EXPECT_EQ(d.script.step, 3);
  EXPECT_FALSE(d.script.firstPass);
  EXPECT_TRUE(d.script.okEnabled);
  EXPECT_EQ(d.script.memo,
            (std::vector<std::string>{
                "Der berechnete Standort ist nicht korrekt, da er außerhalb des",
                "dritten Kreises liegt. Die fiktiven Radien waren zu klein gewählt.",
                "Die Radien werden vergrößert und die Berechnungsschritte", "erneut durchgeführt.",
                "", kPrompt}));

  d.script.okClick();  // step 3 again: the short text
  EXPECT_EQ(d.script.memo, (std::vector<std::string>{
                               "Die Kreise mit den vergrößerten bzw. verkleinerten Radien werden",
                               "zum Schnitt gebracht", "", kPrompt}));
}

TEST(Demo2DScene, ResultTextsFollowTheSignOfTheDeviation) {
  Demo d;
  d.script.showResultText(0);
  EXPECT_EQ(d.script.memo, (std::vector<std::string>{
                               "Der berechnete Standort ist korrekt, da er auf dem dritten",
                               "Kreis liegt."}));
  d.script.showResultText(2.5L);
  EXPECT_EQ(d.script.memo,
            (std::vector<std::string>{
                "Der berechnete Standort ist nicht korrekt, da er innerhalb des",
                "dritten Kreises liegt. Die fiktiven Radien waren zu groß gewählt.",
                "Die Radien werden verkleinert und die Berechnungsschritte", "erneut durchgeführt.",
                "", kPrompt}));
}

// Runs the script from a fresh start until OK is disabled; answers the passes through
// step 3, or -1 when the run does not end within `limit` presses.
int runToTheEnd(Demo& d, int limit = 400) {
  int passes = 0;
  for (int press = 0; press < limit; ++press) {
    if (!d.script.okEnabled) return passes;
    if (d.script.step == 3) ++passes;
    d.script.okClick();
  }
  return -1;
}

TEST(Demo2DScript, EveryRunEndsWithTheCorrectTextAndOkDisabled) {
  RecordingMessages messages;
  int most = 0;
  for (std::uint64_t seed = 1; seed <= 500; ++seed) {
    platform::setRandomSeed(seed);
    Demo d;
    d.script.startDemo();
    for (int n = 0; n < int(seed % 50); ++n) d.script.demoTimerTimer();
    d.script.okClick();
    d.canvas.clear();
    d.script.okClick();
    // Exactly the three nearest signals solid, every further one dotted; the memo names
    // the number of lines.
    const auto lines = d.canvas.entriesOf(Op::LineTo);
    ASSERT_GE(lines.size(), 4u) << seed;
    for (std::size_t k = 0; k < lines.size(); ++k)
      EXPECT_EQ(lines[k].penStyle, k < 3 ? platform::PenStyle::Solid : platform::PenStyle::Dot);
    EXPECT_EQ(d.script.memo.front(), "Der GPS-Empfänger empfängt Signale von " +
                                         std::to_string(lines.size()) + " Satelliten.");

    std::vector<std::vector<std::string>> step3Texts;
    int passes = 0;
    for (int press = 0; press < 400 && d.script.okEnabled; ++press) {
      const bool atStep3 = d.script.step == 3;
      d.script.okClick();
      if (atStep3) step3Texts.push_back(d.script.memo), ++passes;
    }
    ASSERT_FALSE(d.script.okEnabled) << "seed " << seed;
    EXPECT_EQ(d.script.step, 5);
    EXPECT_TRUE(d.script.receiver->correct);
    EXPECT_EQ(d.script.memo.back(), "Kreis liegt.");
    ASSERT_FALSE(step3Texts.empty());
    EXPECT_EQ(step3Texts[0].size(), 15u);  // the thirteen lines and the prompt
    for (std::size_t i = 1; i < step3Texts.size(); ++i) EXPECT_EQ(step3Texts[i].size(), 4u);
    most = std::max(most, passes);
  }
  EXPECT_TRUE(messages.messages().empty());
  std::printf("[ info ] 500 seeded runs end; at most %d passes through step 3\n", most);
}

TEST(Demo2DScript, NextStartBeginsAgainAtStepOneWithTheLongText) {
  platform::setRandomSeed(7);
  Demo d;
  d.script.startDemo();
  ASSERT_GE(runToTheEnd(d), 1);
  ASSERT_FALSE(d.script.okEnabled);
  d.script.closeDemo();
  d.script.startDemo();
  EXPECT_TRUE(d.script.okEnabled);
  EXPECT_TRUE(d.script.firstPass);
  EXPECT_EQ(d.script.step, 1);
  EXPECT_TRUE(d.script.timerEnabled);
  d.script.okClick();
  d.script.okClick();
  d.script.okClick();
  EXPECT_EQ(d.script.memo.size(), 15u);

  // Started again without closing: still from step 1.
  d.script.startDemo();
  EXPECT_EQ(d.script.step, 1);
  d.canvas.clear();
  d.script.drawScene();
  EXPECT_TRUE(ellipsesFilledWith(d.canvas, colors::yellow).empty());
}

TEST(Demo2DScript, ClosingInAnyStepStopsTheTimerAndDiscardsTheReceiver) {
  for (int presses = 0; presses <= 6; ++presses) {
    platform::setRandomSeed(11);
    Demo d;
    d.script.startDemo();
    for (int n = 0; n < presses; ++n) d.script.okClick();
    d.script.closeDemo();
    EXPECT_FALSE(d.script.timerEnabled) << presses;
    EXPECT_EQ(d.script.receiver, nullptr) << presses;
    // OK without a new start does nothing once the receiver is gone.
    const int step = d.script.step;
    d.script.okClick();
    if (step >= 3) {
      EXPECT_EQ(d.script.step, step) << presses;
    }
    // A new start places a new receiver.
    d.script.startDemo();
    EXPECT_TRUE(d.script.timerEnabled);
    d.script.okClick();
    d.script.okClick();
    EXPECT_NE(d.script.receiver, nullptr) << presses;
    EXPECT_EQ(d.script.step, 3);
  }
}

TEST(Demo2DScript, CirclesThatDoNotMeetShowTheFailureBoxAndStayAtStepFour) {
  RecordingMessages messages;
  Demo d;
  toStep3AtZeroSixty(d);
  d.script.okClick();  // step 3
  // Corrected far too much: circle 1 shrinks to a point-like circle far from circle 2.
  d.script.receiver->circles[1].radius = 1;
  const auto memo = d.script.memo;
  d.canvas.clear();
  d.script.okClick();  // step 4
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].kind, platform::MessageKind::Information);
  EXPECT_EQ(messages.messages()[0].text, "Satellitenstörung - biite Demo schließen");
  EXPECT_EQ(d.script.step, 4);
  EXPECT_EQ(d.script.memo, memo);
  EXPECT_TRUE(ellipsesFilledWith(d.canvas, colors::lime).empty());
  d.script.okClick();  // the same failing step again
  EXPECT_EQ(messages.messages().size(), 2u);
  EXPECT_EQ(d.script.step, 4);
}

TEST(Demo2DScript, AfterReleasingTheModelNothingHappens) {
  Demo d;
  d.script.startDemo();
  d.script.okClick();
  d.script.okClick();
  d.script.releaseModel();
  EXPECT_TRUE(d.script.released());
  EXPECT_FALSE(d.script.timerEnabled);
  EXPECT_EQ(d.script.receiver, nullptr);
  EXPECT_EQ(d.script.constellation, nullptr);
  EXPECT_EQ(d.script.converter, nullptr);
  d.canvas.clear();
  const auto memo = d.script.memo;
  d.script.startDemo();
  d.script.demoTimerTimer();
  d.script.okClick();
  d.script.closeDemo();
  d.script.drawScene();
  EXPECT_TRUE(d.canvas.entries().empty());
  EXPECT_FALSE(d.script.timerEnabled);
  EXPECT_EQ(d.script.memo, memo);
}
