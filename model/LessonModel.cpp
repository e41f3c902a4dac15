#include "model/LessonModel.h"
#include "platform/extended.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

#include "model/DilutionOfPrecision.h"
#include "platform/numformat.h"
#include "platform/random.h"
#include "platform/texts.h"

namespace {

const char* const kXMessage = ORTIVO_TEXT(
    "core",
    "Unzulässiges Zeichen bei der x-Koordinate bzw. geographische Koordinaten wurden nicht in "
    "cartesische Koordinaten umgewandelt");

}  // namespace

LessonModel::LessonModel()
    : receiver_(std::make_unique<TEmpfaenger>()),
      // Each lesson its own errors; the program's random numbers are left alone, so
      // that a seeded lesson places its receivers as it always did.
      errorSeed_(std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()) ^
                 std::uint64_t(reinterpret_cast<std::uintptr_t>(this))) {
  setTimeSource({});
}


template <class F>
void LessonModel::notify(F f) {
  // A copy: an observer may remove itself while it is told.
  const std::vector<LessonObserver*> observers = observers_;
  for (LessonObserver* o : observers) f(*o);
}


LessonModel::~LessonModel() {
  notify([](LessonObserver& o) { o.lessonEnded(); });
}

// --- time ---------------------------------------------------------------------

void LessonModel::setTimeSource(TimeSource source) {
  if (!source)
    source = [] {
      using namespace std::chrono;
      return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    };
  timeSource_ = std::move(source);
  // Times of another source mean nothing here: the running ticks start anew.
  const int factor = clock_.factor();
  clock_ = LessonClock();
  clock_.setFactor(factor, 0);
  updateClock();
}

void LessonModel::updateClock() {
  const std::int64_t t = now();
  clock_.setActive(LessonClock::Tick::satellites, satellitesRunning_, t);
  clock_.setActive(LessonClock::Tick::receiver, satellitesRunning_ && travelling_, t);
  clock_.setActive(LessonClock::Tick::determination, determining_, t);
}

void LessonModel::changed() {
  updateClock();
  notify([](LessonObserver& o) { o.stateChanged(); });
}

void LessonModel::advanceTime() {
  const std::int64_t t = now();
  while (const auto tick = clock_.takeDue(t)) {
    switch (*tick) {
      case LessonClock::Tick::satellites: satelliteTick(); break;
      case LessonClock::Tick::receiver: receiverTick(); break;
      case LessonClock::Tick::determination:
        if (determining_) determinationTick();
        break;
    }
  }
}

std::optional<std::string> LessonModel::setErrorSettings(const ErrorSettings& settings) {
  if (auto message = checkErrorSettings(settings)) return message;
  errors_ = settings;
  changed();
  return std::nullopt;
}

void LessonModel::setTimeFactor(int factor) {
  if (!LessonClock::isFactor(factor) || factor == clock_.factor()) return;
  clock_.setFactor(factor, now());
  changed();
}

void LessonModel::setSatellitesRunning(bool running) {
  if (running == satellitesRunning_) return;
  satellitesRunning_ = running;
  changed();
}

void LessonModel::singleStep() {
  if (satellitesRunning_) return;
  satelliteTick();
  if (travelling_) receiverTick();
}

// --- ticks --------------------------------------------------------------------

void LessonModel::satelliteTick() {
  constellation_.moveSatellites();
  ++step_;
  notify([](LessonObserver& o) { o.satellitesMoved(); });
}

void LessonModel::receiverTick() {
  if (!travelling_) return;
  const Extended d = static_cast<Extended>(speed_) / 3600 * stepSeconds;  // km per step
  previousPosition_ = truePosition_;
  truePosition_ = nextReceiverPosition(d);
  shownGeo_ = converter_.cartesianToGeo(truePosition_);
  notify([](LessonObserver& o) { o.receiverMoved(); });
}

TVektorR3 LessonModel::nextReceiverPosition(Extended d) {
  TGeoPosition g = converter_.cartesianToGeo(truePosition_);
  const Extended climb = (platform::randomInt(10) + 1) * d;  // taken as metres
  const int sign = platform::randomInt(2) == 0 ? 1 : -1;
  g.height = std::clamp(g.height + sign * climb, minHeight, maxHeight);
  // What the climb takes off the step is left for the way along the meridian.
  const Extended horizontal = std::sqrt(d * d - (climb / 1000) * (climb / 1000));
  return converter_.moveOnMeridian(converter_.geoToCartesian(g), horizontal);
}

namespace {

// Keeps each window the fix tries in the record. The fix writes its mismatches into the
// lesson's buffer, allocated once, and never allocates; the record then takes only
// what was written, instead of a cleared buffer of the full length per window.
class RecordWindows : public WindowRecorder {
 public:
  RecordWindows(DeterminationRecord& record, Extended* buffer)
      : record_(record), buffer_(buffer) {}
  FixTrace begin(std::int32_t start) override {
    record_.windows.emplace_back().start = start;
    FixTrace trace;
    trace.mismatches = buffer_;
    trace.capacity = LessonModel::traceLimit;
    return trace;
  }
  void end(std::int32_t, const FixTrace& trace) override {
    WindowRecord& w = record_.windows.back();
    w.mismatches.assign(buffer_, buffer_ + trace.recorded);
    w.outcome = trace.outcome;
    w.iterations = trace.iterations;
  }

 private:
  DeterminationRecord& record_;
  Extended* buffer_;
};

}  // namespace

MeasurementSetup LessonModel::measurementSetup(DrawMode mode, std::uint64_t draw) const {
  MeasurementSetup setup{&constellation_, truePosition_, {}, errors_, errorSeed_, draw, mode};
  for (int k = 1; k <= satelliteCount; ++k) setup.defective[k] = defective_[k];
  return setup;
}

DeterminationRecord LessonModel::determinationTick() {
  notify([](LessonObserver& o) { o.determinationStarting(); });
  DeterminationRecord record;
  record.number = ++determinations_;
  record.step = step_;
  record.truePosition = truePosition_;
  for (int k = 1; k <= satelliteCount; ++k) {
    record.defective[k] = defective_[k];
    constellation_.satellites[k].working = !defective_[k];
  }
  receiver_ = std::make_unique<TEmpfaenger>();
  record.windows.reserve(satelliteCount);
  if (!traceBuffer_) traceBuffer_.reset(new Extended[traceLimit]);  // left uncleared
  RecordWindows recorder(record, traceBuffer_.get());
  // Every source off: the clock measures and the spheres converge exactly as they
  // always did; least squares is worked out beside them.
  const Measurement m = measure(measurementSetup(DrawMode::lesson, std::uint64_t(errorDraws_++)),
                                *receiver_, &recorder);
  record.offsetNs = m.offsetNs;
  record.uere = errors_.uere();
  record.signals.reserve(std::size_t(m.signalCount));
  for (int i = 0; i < m.signalCount; ++i) {
    const MeasuredSignal& s = m.signals[std::size_t(i)];
    record.signals.push_back({s.number, s.trueRunTime, s.fictiveRunTime, s.position, s.runTime,
                              s.elevation, s.errors,
                              m.leastSquares.valid() ? m.leastSquares.residuals[std::size_t(i)]
                                                     : std::numeric_limits<Extended>::quiet_NaN()});
  }
  record.leastSquares = m.leastSquares;
  record.leastSquaresReason = leastSquaresReason(m.leastSquares);
  if (m.leastSquares.valid())
    record.leastSquaresDistance = TEuklidGeoR3::distance(truePosition_, m.leastSquares.position);

  if (m.signalCount < 4) {
    record.result = DeterminationResult::tooFewSignals;
    record.message = ORTIVO_TEXT("core", "Es müssen mindestens 4 Satelliten empfangen werden");
    determining_ = false;
  } else if (m.fourSpheres.found) {
    record.result = DeterminationResult::found;
    record.position = m.fourSpheres.position;
    record.geo = converter_.cartesianToGeo(record.position);
    record.distance = TEuklidGeoR3::distance(truePosition_, record.position);
    record.speed = computedSpeed();
    record.clock = m.fourSpheres.clock;
    std::array<TVektorR3, 4> four;
    for (std::size_t j = 0; j < 4; ++j)
      four[j] = record.signals[std::size_t(m.fourSpheres.window) + j].position;
    record.pdop = positionDop(truePosition_, four);
  } else {
    record.result = DeterminationResult::allWindowsFailed;
    record.message = optionsMessage();
    determining_ = false;
  }
  history_.add(record);
  notify([&record](LessonObserver& o) { o.determined(record); });
  if (!determining_) changed();
  return record;
}

// --- entry ----------------------------------------------------------------------

LessonModel::Checked<TVektorR3> LessonModel::checkCartesian(const CartesianEntry& entry) {
  const auto x = platform::parseDecimal(entry.x);
  if (!x) return std::string(kXMessage);
  const auto y = platform::parseDecimal(entry.y);
  if (!y) return std::string(ORTIVO_TEXT("core", "Unzulässiges Zeichen bei der y-Koordinate"));
  const auto z = platform::parseDecimal(entry.z);
  if (!z) return std::string(ORTIVO_TEXT("core", "Unzulässiges Zeichen bei der z-Koordinate"));
  const TVektorR3 v{*x, *y, *z};
  if (!isValidPosition(v)) return std::string(ORTIVO_TEXT("core", "Unzulässiger Standort"));
  return v;
}

namespace {

// Whether the cell holds exactly one of the two letters, in either case.
bool isLetterOf(const std::string& cell, char upper, char otherUpper) {
  if (cell.size() != 1) return false;
  const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(cell[0])));
  return c == upper || c == otherUpper;
}

}  // namespace

LessonModel::Checked<TGeoPosition> LessonModel::checkGeographic(const GeographicEntry& entry) {
  TGeoPosition g;
  if (!isLetterOf(entry.eastWest, 'O', 'W'))
    return std::string(ORTIVO_TEXT("core", "Bei der Länge kan nur O oder W stehen"));
  g.eastWest = entry.eastWest[0];  // as typed; the converter reads it in either case
  if (!isLetterOf(entry.northSouth, 'S', 'N'))
    return std::string(ORTIVO_TEXT("core", "Bei der Breite kann nur N oder S stehen"));
  g.northSouth = entry.northSouth[0];
  const auto longitudeDegrees = platform::parseInteger(entry.longitudeDegrees);
  if (!longitudeDegrees)
    return std::string(ORTIVO_TEXT("core", "Unzulässiges Zeichen beim Längengrad"));
  g.longitude.degrees = *longitudeDegrees;
  const auto latitudeDegrees = platform::parseInteger(entry.latitudeDegrees);
  if (!latitudeDegrees)
    return std::string(ORTIVO_TEXT("core", "Unzulässiges Zeichen beim Breitengrad"));
  g.latitude.degrees = *latitudeDegrees;
  const auto longitudeMinutes = platform::parseDecimal(entry.longitudeMinutes);
  if (!longitudeMinutes)
    return std::string(ORTIVO_TEXT("core", "Unzulässiges Zeichen bei den Längenminuten"));
  g.longitude.minutes = *longitudeMinutes;
  const auto latitudeMinutes = platform::parseDecimal(entry.latitudeMinutes);
  if (!latitudeMinutes)
    return std::string(ORTIVO_TEXT("core", "Unzulässiges Zeichen bei den Breitennminuten"));
  g.latitude.minutes = *latitudeMinutes;
  const auto height = platform::parseDecimal(entry.height);
  if (!height) return std::string(ORTIVO_TEXT("core", "Unzulässiges Zeichen bei der Höhenangabe"));
  g.height = *height;
  if (!isValidGeographic(g)) return std::string(ORTIVO_TEXT("core", "Unzulässiger Standort"));
  return g;
}

bool LessonModel::isValidPosition(TVektorR3 v) {
  const Extended n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return TKoordinatenwandlerR3::earthRadius - Extended(0.0001L) <= n &&
         n <= TKoordinatenwandlerR3::earthRadius + maxHeight / 1000 + Extended(0.0001L);
}

bool LessonModel::isValidAngle(const TGradMinuten& gm, int maxDegrees) {
  if (gm.degrees < 0) return false;
  if (gm.degrees == maxDegrees && gm.minutes == 0) return true;
  if (gm.degrees >= maxDegrees) return false;
  if (gm.minutes < 0) return false;
  return gm.minutes <= 60;
}

bool LessonModel::isValidGeographic(const TGeoPosition& g) {
  return isValidAngle(g.longitude, 180) && isValidAngle(g.latitude, 90) && minHeight <= g.height &&
         g.height <= maxHeight;
}

std::optional<std::string> LessonModel::refuse(std::string message) {
  // Every message of the lesson also ends a running determination.
  if (determining_) {
    determining_ = false;
    changed();
  }
  return message;
}

std::optional<std::string> LessonModel::readCartesian(const CartesianEntry& entry) {
  auto checked = checkCartesian(entry);
  if (auto* message = std::get_if<std::string>(&checked)) return refuse(std::move(*message));
  truePosition_ = std::get<TVektorR3>(checked);
  hasTruePosition_ = true;
  notify([](LessonObserver& o) { o.receiverMoved(); });
  return std::nullopt;
}

std::optional<std::string> LessonModel::readGeographic(const GeographicEntry& entry) {
  auto checked = checkGeographic(entry);
  if (auto* message = std::get_if<std::string>(&checked)) return refuse(std::move(*message));
  trueGeo_ = std::get<TGeoPosition>(checked);
  return std::nullopt;
}

std::optional<std::string> LessonModel::cartToGeo(const CartesianEntry& entry) {
  if (auto message = readCartesian(entry)) return message;
  trueGeo_ = converter_.cartesianToGeo(truePosition_);
  shownGeo_ = trueGeo_;
  notify([](LessonObserver& o) { o.receiverMoved(); });
  return std::nullopt;
}

std::optional<std::string> LessonModel::geoToCart(const GeographicEntry& entry) {
  if (auto message = readGeographic(entry)) return message;
  truePosition_ = converter_.geoToCartesian(trueGeo_);
  shownGeo_ = trueGeo_;
  hasTruePosition_ = true;
  notify([](LessonObserver& o) { o.receiverMoved(); });
  return std::nullopt;
}

void LessonModel::erzeugen() {
  trueGeo_ = erzeugePosition();
  shownGeo_ = trueGeo_;
  truePosition_ = converter_.geoToCartesian(trueGeo_);
  hasTruePosition_ = true;
  notify([](LessonObserver& o) { o.receiverMoved(); });
}

TGeoPosition LessonModel::erzeugePosition() {
  TGeoPosition g;
  g.eastWest = platform::randomInt(2) == 1 ? 'O' : 'W';
  g.northSouth = platform::randomInt(2) == 1 ? 'S' : 'N';
  g.longitude.degrees = platform::randomInt(180) + 1;
  g.longitude.minutes =
      g.longitude.degrees == 180 ? 0 : platform::randomInt(60) + platform::randomFraction();
  g.latitude.degrees = platform::randomInt(90) + 1;
  g.latitude.minutes =
      g.latitude.degrees == 90 ? 0 : platform::randomInt(60) + platform::randomFraction();
  g.height = platform::randomInt(static_cast<int>(maxHeight));
  return g;
}

std::optional<std::string> LessonModel::startTravel(const CartesianEntry& entry) {
  if (speed_ == 0)
    return refuse(
        ORTIVO_TEXT("core", "Für eine Bewegung muss eine Geschwindigkeit>0 eingegeben werden"));
  if (auto message = readCartesian(entry)) return message;
  travelling_ = true;
  previousPosition_ = truePosition_;
  changed();
  return std::nullopt;
}

void LessonModel::stopTravel() {
  travelling_ = false;
  speed_ = 0;
  changed();
}

std::optional<std::string> LessonModel::startDetermination(const CartesianEntry& entry) {
  if (auto message = readCartesian(entry)) return message;
  determining_ = true;
  changed();
  return std::nullopt;
}

void LessonModel::stopDetermination() {
  determining_ = false;
  changed();
}

// --- state ------------------------------------------------------------------------

void LessonModel::setSpeed(int kmh) {
  const int clamped = std::clamp(kmh, 0, maxSpeed);
  if (clamped == speed_) return;
  speed_ = clamped;
  changed();
}

void LessonModel::setDefective(int satellite, bool defective) {
  if (satellite < 1 || satellite > satelliteCount || defective_[satellite] == defective) return;
  defective_[satellite] = defective;
  changed();
}

bool LessonModel::anyDefective() const {
  return std::any_of(defective_.begin() + 1, defective_.end(), [](bool d) { return d; });
}

std::string LessonModel::optionsMessage() const {
  std::string options = satellitesRunning_
                            ? ORTIVO_TEXT("core", "neue Satellitenkonstellation abwarten")
                            : ORTIVO_TEXT("core", "Zeit weiterlaufen lassen");
  if (anyDefective())
    options = platform::fillText(ORTIVO_TEXT("core", "Satelliten reparieren, %1"), {options});
  return platform::fillText(ORTIVO_TEXT("core",
                                        "Position kann z.Zt. nicht bestimmt werden. Sie haben "
                                        "folgende Optionen: %1."),
                            {options});
}

Extended LessonModel::computedSpeed() const {
  if (!travelling_) return 0;
  return TEuklidGeoR3::distance(previousPosition_, truePosition_) / stepSeconds * 3600;
}

// --- lesson files ---------------------------------------------------------------------

LessonState LessonModel::state() const {
  LessonState s;
  s.hasTruePosition = hasTruePosition_;
  s.truePosition = truePosition_;
  s.previousPosition = previousPosition_;
  s.trueGeo = trueGeo_;
  s.speed = speed_;
  s.travelling = travelling_;
  s.southward = converter_.southward;
  s.defective = defective_;
  s.step = step_;
  s.determining = determining_;
  s.timeFactor = clock_.factor();
  s.timeRunning = satellitesRunning_;
  s.errors = errors_;
  s.errorSeed = errorSeed_;
  s.errorDraw = errorDraws_;
  s.fileImages = fileImages_;
  return s;
}

std::optional<std::string> LessonModel::checkState(const LessonState& s) {
  const auto finite = [](TVektorR3 v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
  };
  if (!finite(s.truePosition) || !finite(s.previousPosition) ||
      !std::isfinite(s.trueGeo.longitude.minutes) || !std::isfinite(s.trueGeo.latitude.minutes) ||
      !std::isfinite(s.trueGeo.height))
    return std::string(ORTIVO_TEXT("core", "Unzulässiger Standort"));
  // Every position a file carries is checked, set or not: what is opened is saved again.
  // One never set is the zero vector.
  const auto validOrUnset = [](TVektorR3 v) { return v == TVektorR3{} || isValidPosition(v); };
  if (s.hasTruePosition ? !isValidPosition(s.truePosition) : !validOrUnset(s.truePosition))
    return std::string(ORTIVO_TEXT("core", "Unzulässiger Standort"));
  if (s.travelling ? !isValidPosition(s.previousPosition) : !validOrUnset(s.previousPosition))
    return std::string(ORTIVO_TEXT("core", "Unzulässiger Standort"));
  const auto letter = [](char c, char a, char b) {
    const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u == a || u == b;
  };
  // A geographic position that was never entered is the empty record.
  if (s.trueGeo != TGeoPosition{} &&
      (!letter(s.trueGeo.eastWest, 'O', 'W') || !letter(s.trueGeo.northSouth, 'N', 'S') ||
       !isValidGeographic(s.trueGeo)))
    return std::string(ORTIVO_TEXT("core", "Unzulässiger Standort"));
  if (s.speed < 0 || s.speed > maxSpeed)
    return std::string(ORTIVO_TEXT("core", "Unzulässige Geschwindigkeit"));
  if (s.travelling && s.speed == 0)
    return std::string(
        ORTIVO_TEXT("core", "Für eine Bewegung muss eine Geschwindigkeit>0 eingegeben werden"));
  if (s.travelling && !s.hasTruePosition)
    return std::string(ORTIVO_TEXT("core", "Bewegung ohne gesetzten Standort"));
  if (s.determining && !s.hasTruePosition)
    return std::string(ORTIVO_TEXT("core", "Positionsbestimmung ohne gesetzten Standort"));
  if (s.step < 0 || s.step > maxStep)
    return std::string(ORTIVO_TEXT("core", "Unzulässiger Simulationsschritt"));
  if (s.defective[0]) return std::string(ORTIVO_TEXT("core", "Unzulässige Satellitennummer"));
  if (!LessonClock::isFactor(s.timeFactor))
    return std::string(ORTIVO_TEXT("core", "Unzulässiger Zeitraffer"));
  if (auto message = checkErrorSettings(s.errors)) return message;
  if (s.errorDraw < 0 || s.errorDraw > maxStep)
    return std::string(ORTIVO_TEXT("core", "Unzulässige Zahl der Messungen"));
  return std::nullopt;
}

std::optional<std::string> LessonModel::restore(const LessonState& s) {
  if (auto message = checkState(s)) return message;
  // The satellites are stepped from their starting places, as they moved in the
  // lesson that was saved, so that they stand there to the last bit.
  if (s.step != step_) {
    if (s.step < step_) constellation_ = TSatellitenSchar();
    const std::int64_t from = s.step < step_ ? 0 : step_;
    for (std::int64_t i = from; i < s.step; ++i) constellation_.moveSatellites();
  }
  step_ = s.step;
  hasTruePosition_ = s.hasTruePosition;
  truePosition_ = s.truePosition;
  previousPosition_ = s.previousPosition;
  trueGeo_ = s.trueGeo;
  // The grids show the entered geographic position while it still is the true one,
  // otherwise (after a movement step, or a cartesian entry) the converted one.
  shownGeo_ = converter_.geoToCartesian(s.trueGeo) == s.truePosition
                  ? s.trueGeo
                  : converter_.cartesianToGeo(s.truePosition);
  speed_ = s.speed;
  travelling_ = s.travelling;
  converter_.southward = s.southward;
  defective_ = s.defective;
  determining_ = s.determining;
  satellitesRunning_ = s.timeRunning;
  clock_.setFactor(s.timeFactor, now());
  errors_ = s.errors;
  errorSeed_ = s.errorSeed;
  errorDraws_ = s.errorDraw;
  fileImages_ = s.fileImages;
  receiver_ = std::make_unique<TEmpfaenger>();
  history_.clear();
  notify([](LessonObserver& o) { o.satellitesMoved(); });
  notify([](LessonObserver& o) { o.receiverMoved(); });
  changed();
  notify([](LessonObserver& o) { o.restored(); });
  return std::nullopt;
}

// --- observers --------------------------------------------------------------------------

void LessonModel::addObserver(LessonObserver* observer) {
  if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
    observers_.push_back(observer);
}

void LessonModel::removeObserver(LessonObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void LessonModel::clearHistory() {
  history_.clear();
  notify([](LessonObserver& o) { o.historyCleared(); });
}

SkySnapshot LessonModel::observeSky(const SatelliteSet& used) const {
  if (!hasTruePosition()) return {};
  return ::observeSky(constellation(), truePosition(), defective_, used);
}
