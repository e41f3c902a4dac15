#pragma once
#include "platform/extended.h"

// The lesson as the main window runs it, without any window: the constellation,
// the receiver's true position and its travel along the meridian, the defective
// satellites and the repeated position determination. Windows are views: they turn
// clicks and timer ticks into calls here and show what the model and its records
// hold. Every determination returns a record of how it went.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "containers/streamClss.h"
#include "geometry/Koordinatenclss.h"
#include "geometry/vektorR3clss.h"
#include "model/DeterminationHistory.h"
#include "model/DeterminationRecord.h"
#include "model/GpsUnit.h"
#include "model/LessonClock.h"
#include "model/Measurement.h"
#include "model/SkyGeometry.h"
#include "model/satellitUnit.h"

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
  int timeFactor = 1;            // one of LessonClock::factors
  bool timeRunning = true;       // false while the time is paused
  ErrorSettings errors{};        // every source off unless a file says otherwise
  std::uint64_t errorSeed = 0;   // the errors a class sees come from it
  std::int64_t errorDraw = 0;    // determinations drawn so far, 0..maxStep
  // The bytes of the file's floats by entry name, where Extended keeps fewer bits than
  // the file (the browser page): saved again for each value still the one they give.
  std::map<std::string, extended10::Image, std::less<>> fileImages;
};

// What a view of the lesson hears about; every call comes after the change.
class LessonObserver {
 public:
  virtual ~LessonObserver() = default;
  virtual void satellitesMoved() {}
  // A determination begins; `determined` follows when it has ended.
  virtual void determinationStarting() {}
  // The true position changed: entered, generated or one movement step.
  virtual void receiverMoved() {}
  virtual void determined(const DeterminationRecord&) {}
  // Travel, determination, speed, the defective satellites or the run of time changed.
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

  // --- time -------------------------------------------------------------------
  // Milliseconds of a monotonic clock; replaceable so that tests can make time pass.
  using TimeSource = std::function<std::int64_t()>;
  void setTimeSource(TimeSource source);
  std::int64_t now() const { return timeSource_(); }
  // Runs every tick that has fallen due by now, in the order they fell due.
  void advanceTime();
  // When the next tick falls due (a time of the time source); nothing while none runs.
  std::optional<std::int64_t> nextTickDue() const { return clock_.nextDue(); }
  const LessonClock& clock() const { return clock_; }
  // One of LessonClock::factors: a simulation step every 2 s / factor.
  void setTimeFactor(int factor);
  int timeFactor() const { return clock_.factor(); }
  // Pauses or resumes the satellites and a travelling receiver; the determination
  // goes on. Only while the time runs does waiting for a new constellation help.
  void setSatellitesRunning(bool running);
  bool satellitesRunning() const { return satellitesRunning_; }
  // While paused: the satellites, and a travelling receiver, one step on.
  void singleStep();

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

  // --- measurement errors -----------------------------------------------------------
  const ErrorSettings& errorSettings() const { return errors_; }
  // Takes settings only whole; returns the German message of settings it refuses.
  std::optional<std::string> setErrorSettings(const ErrorSettings& settings);
  std::uint64_t errorSeed() const { return errorSeed_; }
  void setErrorSeed(std::uint64_t seed) { errorSeed_ = seed; }
  // What a measurement of the receiver at this instant needs, its errors drawn as
  // `mode` says with draw index `draw`. It points at the lesson's constellation: a
  // measurement on another thread takes a copy of it first.
  MeasurementSetup measurementSetup(DrawMode mode, std::uint64_t draw) const;

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
  // The sky over the true position as the views show it, `used` marked; empty without one.
  SkySnapshot observeSky(const SatelliteSet& used) const;
  bool anyDefective() const;

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

  // Every determination of the lesson (the last ones, bounded), for every view and
  // the table export; a lesson put back from a file starts a new one.
  const DeterminationHistory& history() const { return history_; }
  // Empties it; the lesson itself goes on.
  void clearHistory();

 private:
  std::optional<std::string> refuse(std::string message);
  // The run of time, travel or determination changed: the clock follows, then the views.
  void changed();
  void updateClock();
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
  ErrorSettings errors_;
  std::uint64_t errorSeed_ = 0;
  std::int64_t errorDraws_ = 0;
  std::map<std::string, extended10::Image, std::less<>> fileImages_;  // LessonState::fileImages
  LessonClock clock_;
  TimeSource timeSource_;
  DeterminationHistory history_;
  std::unique_ptr<Extended[]> traceBuffer_;  // the fix's mismatches, traceLimit of them
  std::vector<LessonObserver*> observers_;
};
