#pragma once
#include "platform/extended.h"

// The lesson as the main window runs it, without any window: the constellation,
// the receiver's true position and its travel along the meridian, the defective
// satellites and the repeated position determination. Windows are views: they turn
// clicks and timer ticks into calls here and show what the model and its records
// hold. Every determination returns a record of how it went.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "geometry/Koordinatenclss.h"
#include "geometry/vektorR3clss.h"
#include "model/GpsUnit.h"
#include "model/satellitUnit.h"

// One signal the receiver heard, as it was when the determination began.
struct SignalRecord {
  std::int32_t number = 0;          // satellite 1..24
  std::int32_t runTime = 0;         // ns, the true run time
  std::int32_t fictiveRunTime = 0;  // ns, what the receiver assumed (70 ms for the first)
  TVektorR3 position{};             // km, where the satellite stood
};

// One window of four consecutive signals and how the fix with it ended.
struct WindowRecord {
  std::int32_t start = 0;  // the window uses signals start + 1 .. start + 4
  FixOutcome outcome = FixOutcome::converged;
  std::uint32_t iterations = 0;  // intersections tried, however many were kept below
  // The fourth sphere's mismatch (its radius minus the candidate's distance from its
  // centre, km) in each iteration that found a candidate; every radius is then
  // corrected by minus half of it. At most LessonModel::traceLimit entries.
  std::vector<Extended> mismatches;
};

enum class DeterminationResult : std::uint8_t {
  found,             // a window converged
  tooFewSignals,     // fewer than four satellites heard
  allWindowsFailed,  // every window failed
};

// Everything one determination did and found.
struct DeterminationRecord {
  std::int64_t number = 0;  // 1 for the lesson's first determination
  std::int64_t step = 0;    // simulation steps of the constellation since the start
  DeterminationResult result = DeterminationResult::tooFewSignals;
  TVektorR3 truePosition{};             // km, where the receiver really stood
  std::array<bool, 25> defective{};     // by satellite number, entry 0 unused
  std::vector<SignalRecord> signals;    // nearest first
  std::vector<WindowRecord> windows;    // in the order tried
  // Valid when result is found.
  TVektorR3 position{};  // km
  TGeoPosition geo{};    // with the height in metres
  Extended distance = 0;  // km from the true position
  Extended speed = 0;     // km/h from the last movement step, 0 when standing
  // The German message a window shows when no position was found; empty otherwise.
  std::string message;

  bool found() const { return result == DeterminationResult::found; }
  // The window whose four signals the satellite table shows: the one that
  // converged, or the last one tried; nullptr when none was tried.
  const WindowRecord* shownWindow() const { return windows.empty() ? nullptr : &windows.back(); }
};

// The texts of the entry grids as typed.
struct CartesianEntry {
  std::string x, y, z;
};
struct GeographicEntry {
  std::string eastWest, longitudeDegrees, longitudeMinutes;
  std::string northSouth, latitudeDegrees, latitudeMinutes;
  std::string height;
};

// What a lesson file keeps: enough to put the lesson back exactly where it was.
struct LessonState {
  bool hasTruePosition = false;
  TVektorR3 truePosition{};      // km
  TVektorR3 previousPosition{};  // km, before the last movement step
  TGeoPosition trueGeo{};        // as entered
  int speed = 0;                 // km/h, 0..maxSpeed
  bool travelling = false;       // needs a speed above 0 and a true position
  bool southward = true;         // the sense of the travel along the meridian
  std::array<bool, 25> defective{};  // by satellite number, entry 0 unused
  std::int64_t step = 0;         // simulation steps, 0..maxStep
  bool determining = false;      // needs a true position
};

// What a view of the lesson hears about; every call comes after the change.
class LessonObserver {
 public:
  virtual ~LessonObserver() = default;
  virtual void satellitesMoved() {}
  // The true position changed: entered, generated or one movement step.
  virtual void receiverMoved() {}
  virtual void determined(const DeterminationRecord&) {}
  // Travel, determination, speed or the defective satellites changed.
  virtual void stateChanged() {}
  // The whole lesson was put back from a file (after the three above).
  virtual void restored() {}
  // The history of the determinations was emptied; the lesson itself goes on.
  virtual void historyCleared() {}
  // The model is being destroyed: drop every reference to it.
  virtual void lessonEnded() {}
};

class LessonModel {
 public:
  static constexpr int satelliteCount = TSatellitenSchar::satelliteCount;
  static constexpr Extended minHeight = 0;       // m
  static constexpr Extended maxHeight = 11000;   // m
  static constexpr Extended stepSeconds = 100;   // simulated time of one step
  static constexpr int maxSpeed = 1000;             // km/h
  // Iterations kept per window in a record: a window that runs into the time limit
  // makes millions.
  static constexpr std::uint32_t traceLimit = 4096;

  template <class T>
  using Checked = std::variant<T, std::string>;  // the value, or the German message

  LessonModel();
  ~LessonModel();
  LessonModel(const LessonModel&) = delete;
  LessonModel& operator=(const LessonModel&) = delete;

  // --- ticks ------------------------------------------------------------------
  void satelliteTick();
  // One movement step at the current speed; nothing while the receiver stands.
  void receiverTick();
  // One complete determination for the stored true position.
  DeterminationRecord determinationTick();

  // --- entry: checked completely before anything is stored -------------------
  static Checked<TVektorR3> checkCartesian(const CartesianEntry& entry);
  static Checked<TGeoPosition> checkGeographic(const GeographicEntry& entry);
  static bool isValidPosition(TVektorR3 v);
  static bool isValidAngle(const TGradMinuten& gm, int maxDegrees);
  static bool isValidGeographic(const TGeoPosition& g);

  // Each returns the message of a refused entry (after which nothing has changed
  // but that a running determination is stopped) or nothing.
  std::optional<std::string> readCartesian(const CartesianEntry& entry);
  std::optional<std::string> readGeographic(const GeographicEntry& entry);
  std::optional<std::string> cartToGeo(const CartesianEntry& entry);
  std::optional<std::string> geoToCart(const GeographicEntry& entry);
  void erzeugen();
  // Starts the travel at the current speed from the entered position.
  std::optional<std::string> startTravel(const CartesianEntry& entry);
  // Stops it and sets the speed back to 0.
  void stopTravel();
  std::optional<std::string> startDetermination(const CartesianEntry& entry);
  void stopDetermination();

  // A random true position: whole degrees 1..180 and 1..90 with random minutes,
  // a height of 0..10999 m.
  static TGeoPosition erzeugePosition();

  // --- state --------------------------------------------------------------------
  void setSpeed(int kmh);
  int speed() const { return speed_; }
  bool travelling() const { return travelling_; }
  bool determining() const { return determining_; }
  void setDefective(int satellite, bool defective);
  bool defective(int satellite) const { return defective_[satellite]; }
  bool anyDefective() const;
  // Whether the constellation moves; only then does waiting for a new one help.
  void setSatellitesRunning(bool running);
  bool satellitesRunning() const { return satellitesRunning_; }

  TVektorR3 truePosition() const { return truePosition_; }
  TVektorR3 previousPosition() const { return previousPosition_; }
  TGeoPosition trueGeo() const { return trueGeo_; }
  // The geographic form of the true position as the grids show it after a movement
  // step (trueGeo itself keeps what was entered).
  TGeoPosition shownGeo() const { return shownGeo_; }
  bool hasTruePosition() const { return hasTruePosition_; }
  std::int64_t step() const { return step_; }
  const TSatellitenSchar& constellation() const { return constellation_; }
  const TEmpfaenger& receiver() const { return *receiver_; }
  const TKoordinatenwandlerR3& converter() const { return converter_; }
  // The message shown when every window failed.
  std::string optionsMessage() const;
  // km/h from the last movement step, 0 while standing.
  Extended computedSpeed() const;

  // The lesson as a lesson file keeps it, and back. restore checks the whole state
  // first (the same limits as the entry) and changes nothing when it refuses;
  // replaying the steps puts the satellites exactly where they were.
  static constexpr std::int64_t maxStep = 1'000'000;
  LessonState state() const;
  static std::optional<std::string> checkState(const LessonState& s);
  std::optional<std::string> restore(const LessonState& s);

  void addObserver(LessonObserver* observer);
  void removeObserver(LessonObserver* observer);
  // Everything that keeps past determinations (charts, the table export) forgets them.
  void clearHistory();

 private:
  std::optional<std::string> refuse(std::string message);
  TVektorR3 nextReceiverPosition(Extended d);
  template <class F>
  void notify(F f);

  TKoordinatenwandlerR3 converter_;
  TSatellitenSchar constellation_;
  std::unique_ptr<TEmpfaenger> receiver_;
  TVektorR3 previousPosition_{};
  TVektorR3 truePosition_{};
  TGeoPosition trueGeo_{};
  TGeoPosition shownGeo_{};
  bool hasTruePosition_ = false;
  std::array<bool, satelliteCount + 1> defective_{};
  int speed_ = 0;
  bool travelling_ = false;
  bool determining_ = false;
  bool satellitesRunning_ = true;
  std::int64_t step_ = 0;
  std::int64_t determinations_ = 0;
  std::vector<LessonObserver*> observers_;
};
