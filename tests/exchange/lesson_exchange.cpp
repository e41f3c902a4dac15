// Writes a lesson file, or opens one and prints every figure the main window shows of
// it (the satellite table, the true position, and the determination that follows), so
// that check_exchange.sh can compare files and figures between platforms.
//   lesson_exchange write typed|travel FILE
//   lesson_exchange show FILE
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "model/LessonFile.h"
#include "model/LessonModel.h"
#include "model/LessonTables.h"
#include "platform/numformat.h"

namespace {

using platform::formatFixed;

void fail(const std::string& why) {
  std::fprintf(stderr, "lesson_exchange: %s\n", why.c_str());
  std::exit(2);
}

void check(const std::optional<std::string>& refusal) {
  if (refusal) fail(*refusal);
}

CartesianEntry entryOf(TVektorR3 p) {  // as the window passes its grid
  return {formatFixed(p.x, 3, 18), formatFixed(p.y, 3, 18), formatFixed(p.z, 3, 18)};
}

// typed: a cartesian position, defective satellites and steps, all typed or clicked.
// travel: a geographic entry, then the receiver travels while the satellites move.
LessonScenario lesson(const std::string& kind) {
  LessonModel lesson;
  lesson.setErrorSeed(20261210);  // a new lesson's seed comes from the clock
  lesson.setDefective(3, true);
  lesson.setDefective(17, true);
  if (kind == "typed") {
    for (int i = 0; i < 37; ++i) lesson.satelliteTick();
    check(lesson.startDetermination({"3772.904", "898.842", "5054.447"}));
  } else if (kind == "travel") {
    check(lesson.geoToCart({"O", "13", "24.5", "N", "52", "31.25", "35"}));
    lesson.setSpeed(800);
    check(lesson.startTravel(entryOf(lesson.truePosition())));
    for (int i = 0; i < 40; ++i) {
      lesson.satelliteTick();
      lesson.receiverTick();
    }
    check(lesson.startDetermination(entryOf(lesson.truePosition())));
  } else {
    fail("unknown lesson " + kind);
  }
  return {lesson.state(), "Austausch zwischen Plattformen: " + kind};
}

void print(const platform::CsvRow& row) {
  std::string line;
  for (const std::string& cell : row) line += cell + ";";
  std::printf("%s\n", line.c_str());
}

void show(const LessonScenario& scenario) {
  LessonModel lesson;
  check(lesson.restore(scenario.state));
  std::printf("%s\nstep %lld, speed %d, travelling %d, determining %d\n",
              scenario.description.c_str(), static_cast<long long>(lesson.step()),
              lesson.speed(), lesson.travelling(), lesson.determining());
  const TVektorR3 p = lesson.truePosition();
  std::printf("true position %s %s %s\n", formatFixed(p.x, 3, 18).c_str(),
              formatFixed(p.y, 3, 18).c_str(), formatFixed(p.z, 3, 18).c_str());
  const TGeoPosition g = lesson.shownGeo();
  for (const auto& [letter, angle, most] :
       {std::tuple{g.eastWest, g.longitude, 180}, std::tuple{g.northSouth, g.latitude, 90}}) {
    const auto text = platform::formatDegreesMinutes(angle.degrees, angle.minutes, 10, 18, most,
                                                     platform::decimalSeparator());
    std::printf("%c %d %s\n", letter, text.degrees, text.minutes.c_str());
  }
  std::printf("height %s\n", formatFixed(g.height, 2, 7).c_str());
  print(lessontables::satelliteHeader());
  for (const auto& row : lessontables::satelliteRows(lesson)) print(row);
  // The window determines on its next tick.
  const DeterminationRecord record = lesson.determinationTick();
  print(lessontables::historyHeader());
  print(lessontables::historyRow(lesson.history().latest()));
  for (const WindowRecord& w : record.windows)
    std::printf("window %d: outcome %d, %u iterations\n", w.start, int(w.outcome), w.iterations);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == "write") {
    const std::vector<std::uint8_t> bytes = lessonfile::encode(lesson(args[1]));
    std::ofstream out(args[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out.flush()) fail("cannot write " + args[2]);
  } else if (args.size() == 2 && args[0] == "show") {
    std::ifstream in(args[1], std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    auto decoded = lessonfile::decode(bytes);
    if (auto* refusal = std::get_if<std::string>(&decoded)) fail(*refusal);
    show(std::get<LessonScenario>(decoded));
  } else {
    fail("usage: lesson_exchange write typed|travel FILE | show FILE");
  }
}
