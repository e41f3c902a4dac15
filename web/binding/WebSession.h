#pragma once

// The browser edition's lesson: everything the desktop's windows hold between the
// lesson and the screen (the main window, the sky view, the two demonstrations and
// the lesson files), with the page in the role of the widgets. Each call returns
// what the page has to write anew as JSON; pictures are recorded and handed over as
// CanvasStream words. Qt-free, and no emscripten either, so it builds natively too.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "demo/demoGpsUnit.h"
#include "demo/dreiDDemo.h"
#include "model/DilutionOfPrecision.h"
#include "model/LessonModel.h"
#include "model/SkyGeometry.h"
#include "platform/PictureRecorder.h"
#include "platform/texts.h"
#include "web/binding/CanvasStream.h"
#include "web/binding/Json.h"

namespace web {

class WebSession : public LessonObserver {
 public:
  enum class Picture { demo2D, demo3D, sky };
  static constexpr int demo2DWidth = 521, demo2DHeight = 425;
  static constexpr int demo3DWidth = 1000, demo3DHeight = 700;
  static constexpr int skySize = 460;

  // In the desktop's order: the lesson, then the 2D and the 3D demonstration (whose
  // receiver takes the first random position). `seed` empty: from the clock.
  WebSession(std::optional<std::uint64_t> seed, TextMetrics metrics);
  ~WebSession() override;

  // The page's clock, ms: the lesson's time source reads it.
  void setTime(std::int64_t ms) { now_ = ms; }

  // One of the page's actions with its fields (the texts as typed); returns the
  // update. Names: see WebSession.cpp.
  std::string action(std::string_view name, const std::vector<std::string>& fields);
  // Everything the lesson view shows, as after a restart of the page.
  std::string fullView();

  std::string skyView();
  std::string demo2DView();
  std::string demo3DView();

  // The picture now on a surface, into `out` (words, fonts and texts).
  void picture(Picture which, CanvasStream& out);

  // Lesson files: the bytes of the lesson as it is now, with a task; the update
  // holds a message if the task is too long.
  std::vector<std::uint8_t> save(const std::string& task, std::string& update);
  std::string open(const std::string& fileName, const std::uint8_t* data, std::size_t size);

  // English from `english` (kept by the caller, outlives the session), German with none:
  // texts, pictures and the numbers' separators; the page then shows fullView anew.
  void setLanguage(const platform::Dictionary* english);
  // A core text (also a filled one) in the session's language.
  std::string text(const std::string& german) const;

  LessonModel& lesson() { return lesson_; }
  const std::string& description() const { return description_; }

  // --- LessonObserver ---
  void satellitesMoved() override;
  void receiverMoved() override;
  void determined(const DeterminationRecord& record) override;
  void stateChanged() override;
  void restored() override;

 private:
  std::string takeUpdate();
  void put(const std::string& key, std::string json) { update_[key] = std::move(json); }
  void showMessage(const std::string& message);
  void putSatellites();
  void putTruePosition(bool cartesian, bool geographic, const TGeoPosition& geo);
  void putState();
  void forgetFix();

  LessonModel lesson_;
  const platform::Dictionary* english_ = nullptr;
  std::optional<DeterminationRecord> lastRecord_;  // written anew in another language
  std::int64_t now_ = 0;
  std::map<std::string, std::string> update_;
  std::vector<std::string> messages_;
  std::string description_;

  // The sky view's memory of the last fix at this position.
  SatelliteSet used_{};
  bool hasFix_ = false, fixFound_ = false;
  DilutionOfPrecision fixDop_{};

  MeasuringCanvas surface2D_, surface3D_, surfaceSky_;
  platform::PictureRecorder picture2D_, picture3D_, pictureSky_;
  std::unique_ptr<TDemo2DAblauf> demo2D_;
  std::unique_ptr<TDemo3DAblauf> demo3D_;
};

// The desktop's number texts in the grids (the locale's decimal separator).
std::string formatNumber(Extended value, int decimals, int precision);

// A determination's record as the main window shows it, with the exact position.
// Texts and hemisphere letters from `english`, German with none.
void writeRecord(Json& json, const DeterminationRecord& record,
                 const platform::Dictionary* english = nullptr);
void writeGeo(Json& json, const TGeoPosition& g, int decimals,
              const platform::Dictionary* english = nullptr);
void writeCartesian(Json& json, TVektorR3 v, int decimals);

}  // namespace web
