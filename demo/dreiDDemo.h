#pragma once
#include "platform/extended.h"

// The scene of the 3D demonstration: its own constellation and receiver, painted
// frame by frame onto the window's image, either running freely or as one step of
// the position determination. Draws only through Canvas.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "geometry/Koordinatenclss.h"
#include "geometry/vektorR3clss.h"
#include "model/GpsUnit.h"
#include "model/satellitUnit.h"
#include "platform/Canvas.h"
#include "platform/texts.h"
#include "render3d/dreiDdarstellungclss.h"

class T3DDemo {
 public:
  // A random geographic position for the receiver; the main window's generator.
  using PositionSource = std::function<TGeoPosition()>;

  // The scene's unit is 1000 km.
  static constexpr Extended scale = 0.001L;
  // Canvas colours keep red in the low byte: written as hex, 0x0000FF would read blue.
  static constexpr platform::Color earthColor = platform::colors::lime;
  static constexpr platform::Color receiverColor = platform::colors::red;
  static constexpr platform::Color satelliteColor = platform::colors::yellow;
  static constexpr platform::Color orbitColor = platform::colors::lime;
  static constexpr platform::Color measuringSphereColor = platform::colors::silver;
  static constexpr platform::Color candidateColor = platform::colors::gradientActiveCaption;
  static constexpr platform::Color signalColor = platform::colors::white;

  // Places the receiver at a position from `erzeugePosition`; without one, at a
  // fixed point in central Europe.
  T3DDemo(platform::Canvas& image, std::uint8_t projectionKind, PositionSource erzeugePosition);
  T3DDemo(const T3DDemo&) = delete;
  T3DDemo& operator=(const T3DDemo&) = delete;

  // One free-running frame: the satellites move one step, and the receiver's
  // signals are drawn and dropped again.
  void drawScene();
  // One frame of the walk-through at step s >= 1. From step 6 on every call
  // corrects the radii once more. The clock's signals and the four spheres must
  // have been loaded; with fewer than four signals only the base picture is drawn.
  void drawAlgorithmStep(int s);
  // The frame last drawn once more, as it looks from the present rotation: nothing
  // moves and no radius is corrected. `s` is 0 for a free-running frame, else the
  // step of the walk-through it showed. For a picture turned by hand.
  void drawStill(int s);

  TVektorR3 eye{0, -50, 0};
  // About x, y and z, in radians.
  TVektorR3 rotationAngles{0, 0, 0};
  TEuklidGeoR3 geometry{false};
  // Set by drawAlgorithmStep when the candidate lies within 1 km of sphere 4.
  bool found = false;
  // km: radius of sphere 4 minus the candidate's distance from its centre.
  Extended distanceToFourth = 0;
  TEmpfaenger receiver;
  TVektorR3 receiverPosition{};  // km
  TSatellitenSchar constellation;
  platform::Canvas& image;
  TViewWindow viewWindow;
  std::uint8_t projectionKind;
  TKoordinatenwandlerR3 converter;
  std::array<TKugelR3, TSatellitenSchar::satelliteCount + 1> satelliteSpheres{};  // 1..24

 private:
  void clearImage();
  void drawEarth();
  void drawReceiver();
  void updateSatellites(bool keep);
  void drawSatellites(bool algorithmMode);
  TKreisR3 makeOrbitCircle(TVektorR3 pointA, TVektorR3 pointB) const;
  void drawOrbitCircle(const TKreisR3& circle, platform::Color colour, std::uint16_t steps);
  void drawSphereObject(const TKugelR3& sphere, TVektorR3 axis, platform::Color colour,
                        std::uint16_t meridianSteps, std::uint16_t latitudeCount,
                        std::uint16_t pointsPerCircle);
  void drawReceiverSphere(int k);
  void drawCandidate();
  void drawSignalLines(bool algorithmMode);
  bool isUsedSatellite(int i);
  void drawObject(T3DObjekt& object);
  // The receiver's candidate from spheres 1 to 3; false when they do not meet.
  bool candidate(TVektorR3& point);
  bool spheresLoaded() const { return receiver.signalCount() >= 4; }

  bool still_ = false;  // drawing a still frame: the satellites and the radii stay
  // The spheres as the last walk-through frame drew them, before it corrected them.
  std::array<TKugelR3, 5> drawnSpheres_{};
};

// The 3D window's script: the scene, the two rotations, pausing and the
// walk-through, with everything the window shows (button texts and states, the
// degree displays, the memo, whether the timer runs). The window forwards its
// clicks and timer ticks and copies this state onto its controls.
class TDemo3DAblauf {
 public:
  struct Button {
    std::string text;
    bool enabled = false;
  };

  // `image` must outlive the script; the scene is built at once.
  TDemo3DAblauf(platform::Canvas& image, std::uint8_t projectionKind,
                T3DDemo::PositionSource erzeugePosition);
  TDemo3DAblauf(const TDemo3DAblauf&) = delete;
  TDemo3DAblauf& operator=(const TDemo3DAblauf&) = delete;

  // --- the window's events (each does nothing once the scene is released) ---
  void okClick(std::uint8_t projectionKind);  // a new scene, everything reset
  void cancelClick();                          // reset, same scene
  void anhaltenClick();
  void aequatorClick();
  void nordpolClick();
  void algorithmusClick();
  void algorithmusAbbrechenClick();
  void schliessenClick();
  void timerTick();
  // At program end: frees the scene and stops the timer.
  void releaseScene();
  bool released() const { return released_; }

  std::unique_ptr<T3DDemo> demo;
  bool aequatorRunning = false;
  bool nordpolRunning = false;
  bool algorithmMode = false;
  bool abortRequested = false;
  // 0 outside the walk-through, 1..7 during it.
  std::int32_t algorithmStep = 0;

  // What the window shows.
  bool timerActive = false;
  Button anhalten{ORTIVO_TEXT("core", "Anhalten")}, algorithmus{ORTIVO_TEXT("core", "Algorithmus")},
      abbrechen{ORTIVO_TEXT("core", "Abbrechen")};
  Button aequator{ORTIVO_TEXT("core", "Start")}, nordpol{ORTIVO_TEXT("core", "Start")},
      cancel{ORTIVO_TEXT("core", "Cancel")};
  std::string aequatorDegrees = "0", nordpolDegrees = "0";
  std::vector<std::string> memo;

 private:
  void resetDemo();
  void enableButtons(bool rotationOnly, bool enabled);
  void toggleRotation(bool& running, Button& own, Button& other);
  void startWalkThrough();
  void showStep();
  void endWalkThrough();

  platform::Canvas& image_;
  T3DDemo::PositionSource erzeugePosition_;
  bool released_ = false;
};
