#pragma once
#include "platform/extended.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "geometry/Koordinatenclss.h"
#include "geometry/vektorR2clss.h"
#include "platform/Canvas.h"
#include "demo/demoUhrUnit.h"
#include "demo/demosatellitUnit.h"

// The receiver of the 2D demonstration: intersects the circles about the two nearest
// satellites, checks the point against the circle about the third and corrects all
// three radii by the same amount until the point lies on it.
class TDemoEmpfaenger {
 public:
  // Registers the signals at once. The constellation must outlive the receiver.
  TDemoEmpfaenger(TVektorR2 position, const TDemoSatellitenSchar& constellation);
  TDemoEmpfaenger(const TDemoEmpfaenger&) = delete;
  TDemoEmpfaenger& operator=(const TDemoEmpfaenger&) = delete;

  int signalCount() const;
  // The signal with 1-based index n (nearest first); nullptr outside 1..signalCount.
  TDemoListenElement* signalAt(int n);
  // Circles 1..3 about the satellites of the three nearest signals, radius = run time.
  void loadCircles();
  void adjustRadii(Extended amount);
  // One intersection and check step; see `correct`, `failed` and `deviation`.
  void determinePosition(TVektorR2& point);

  TDemoUhr clock;
  bool correct = false;
  std::array<TKreisR2, 4> circles{};  // 1..3, entry 0 unused
  TKreisR2 checkCircle{};
  // Radius of circle 3 minus the distance of the point from its centre: negative when
  // the point lies outside circle 3 (the radii were too small).
  Extended deviation = 0;
  bool failed = false;
  bool first = true;
  Extended previousDeviation = 0;

 private:
  TEuklidGeoR2 geo{false};
};

// The 2D demonstration as the window runs it: the scene drawn on the window's image,
// the explanation in the memo and the five-step script advanced by the OK button. It
// knows nothing of Qt: the window passes its events on and mirrors `timerEnabled`,
// `okEnabled` and `memo` into its controls.
class TDemo2DAblauf {
 public:
  // What the window does when it is created; `image` must outlive the script.
  explicit TDemo2DAblauf(platform::Canvas& image);
  TDemo2DAblauf(const TDemo2DAblauf&) = delete;
  TDemo2DAblauf& operator=(const TDemo2DAblauf&) = delete;

  // --- the window's events (each does nothing once the model is released) ---
  void startDemo();
  void demoTimerTimer();
  void okClick();
  // "Schließen": the timer stops and the receiver is discarded.
  void closeDemo();
  // At program end: frees converter, constellation and receiver and stops the timer.
  void releaseModel();
  bool released() const { return !constellation; }

  // --- drawing ---
  int toScreenX(Extended x) const;
  int toScreenY(Extended y) const;
  void drawScene();
  void drawReceiver();
  void placeReceiver();
  void registerSignals();
  void drawCircles();
  void computeIntersection();
  void drawCheckCircle();

  // --- memo texts ---
  void showIntroduction();
  void showReceiverText();
  void showSignalsText(int n);
  void showFirstIntersectionText();
  void showRepeatedIntersectionText();
  void showCheckText();
  void showResultText(Extended d);
  void appendOkPrompt();
  // Every line any text shows, so the window can size the memo's font once.
  static std::vector<std::string> allTextLines();

  int centerX;
  int centerY;
  TVektorR2 receiverPosition{};
  bool firstPass = true;
  int step = 1;  // the step the next OK performs, 1..5
  std::unique_ptr<TKoordinatenWandlerR2> converter;
  std::unique_ptr<TDemoSatellitenSchar> constellation;
  std::unique_ptr<TDemoEmpfaenger> receiver;

  bool timerEnabled = false;
  bool okEnabled = true;
  std::vector<std::string> memo;

 private:
  void drawDot(TVektorR2 at, platform::Color color, int halfSize);
  void drawCircle(const TKreisR2& k);

  platform::Canvas& image_;
};
