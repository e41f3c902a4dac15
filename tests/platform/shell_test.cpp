#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/shell.h"
#include "tests/support/RecordingMessages.h"

namespace fs = std::filesystem;

namespace {

// Runs a test in a fresh temporary directory as current directory and records what would
// have been opened with the desktop shell.
class HelpFile : public ::testing::Test {
 protected:
  void SetUp() override {
    previousDir_ = fs::current_path();
    dir_ = fs::temp_directory_path() /
           ("ortivo-shell-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
    previousHandler_ = platform::setShellOpenHandler(
        [this](const std::string& target) {
          opened.push_back(target);
          return desktopOpens;
        });
  }
  void TearDown() override {
    platform::setShellOpenHandler(std::move(previousHandler_));
    fs::current_path(previousDir_);
    fs::remove_all(dir_);
  }

  static void touch(const fs::path& file) { std::ofstream(file) << "ITSF"; }

  std::vector<std::string> opened;
  bool desktopOpens = true;
  testing_support::RecordingMessages messages;
  fs::path dir_;

 private:
  fs::path previousDir_;
  platform::ShellOpenHandler previousHandler_;
};

}  // namespace

TEST_F(HelpFile, MissingFileGivesInformationMessage) {
  platform::openHelpFile(platform::helpFileName);
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].kind, platform::MessageKind::Information);
  EXPECT_EQ(messages.messages()[0].text, "Die Hilfedatei GPS.chm ist nicht vorhanden");
  EXPECT_TRUE(opened.empty());
}

TEST_F(HelpFile, PresentFileIsOpenedByItsName) {
  touch(dir_ / "GPS.chm");
  platform::openHelpFile("GPS.chm");
  EXPECT_TRUE(messages.messages().empty());
  EXPECT_EQ(opened, std::vector<std::string>{"GPS.chm"});
}

TEST_F(HelpFile, OnlyTheCurrentDirectoryCounts) {
  // Beside the current directory, below it, or a folder of that name: all missing.
  fs::create_directory(dir_ / "sub");
  touch(dir_ / "sub" / "GPS.chm");
  fs::create_directory(dir_ / "sub" / "inner");
  fs::current_path(dir_ / "sub" / "inner");
  platform::openHelpFile("GPS.chm");
  fs::current_path(dir_);
  fs::create_directory(dir_ / "Hilfe.chm");
  platform::openHelpFile("Hilfe.chm");
  platform::openHelpFile("");

  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(messages.texts(),
            (std::vector<std::string>{"Die Hilfedatei GPS.chm ist nicht vorhanden",
                                      "Die Hilfedatei Hilfe.chm ist nicht vorhanden",
                                      "Die Hilfedatei  ist nicht vorhanden"}));
}

TEST(ShellOpen, HandlerIsReplaceableAndDefaultOpensNothing) {
  std::vector<std::string> first;
  auto original = platform::setShellOpenHandler(
      [&](const std::string& target) {
        first.push_back(target);
        return true;
      });
  EXPECT_TRUE(platform::shellOpen("Mailto:team@ortivo.example.org"));
  EXPECT_EQ(first, std::vector<std::string>{"Mailto:team@ortivo.example.org"});

  // An empty handler brings back the default, which only reports to stderr.
  auto mine = platform::setShellOpenHandler({});
  ASSERT_TRUE(mine);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(platform::shellOpen("http://www.ortivo.example.org"));
  [[maybe_unused]] const std::string err = ::testing::internal::GetCapturedStderr();
#if !defined(__EMSCRIPTEN__)  // node writes stderr past the descriptor gtest captures
  EXPECT_NE(err.find("http://www.ortivo.example.org"), std::string::npos);
#endif
  EXPECT_EQ(first.size(), 1u);

  platform::setShellOpenHandler(std::move(original));
}

// Where the desktop has no program for GPS.chm, or the file is missing, the built-in help
// shows; only with neither does a message say so.
TEST_F(HelpFile, BuiltInHelpStandsInWhereTheDesktopCanNot) {
  std::vector<std::string> shown;
  bool builtInThere = true;
  auto previous = platform::setHelpViewer([&](const std::string& page) {
    shown.push_back(page);
    return builtInThere;
  });
  platform::openHelpFile("GPS.chm");  // missing: the built-in help
  touch(dir_ / "GPS.chm");
  platform::openHelpFile("GPS.chm");  // the desktop opens it
  desktopOpens = false;
  platform::openHelpFile("GPS.chm");  // the desktop refuses: the built-in help
  EXPECT_EQ(shown.size(), 2u);
  EXPECT_TRUE(messages.texts().empty());

  builtInThere = false;
  platform::openHelpFile("GPS.chm");
  fs::remove(dir_ / "GPS.chm");
  platform::openHelpFile("GPS.chm");
  EXPECT_EQ(messages.texts(),
            (std::vector<std::string>{"Die Hilfedatei GPS.chm konnte nicht geöffnet werden",
                                      "Die Hilfedatei GPS.chm ist nicht vorhanden"}));
  platform::setHelpViewer(std::move(previous));
}
