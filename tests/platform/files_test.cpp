// Reading a file by the name the system gave: every refusal has its German reason.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/files.h"

namespace {

namespace fs = std::filesystem;

struct Folder {
  Folder() : path(fs::temp_directory_path() / ("ortivo-files-" + std::to_string(::getpid()))) {
    fs::create_directories(path);
  }
  ~Folder() { fs::remove_all(path); }
  std::string file(const std::string& name, const std::string& content) const {
    const std::string p = (path / name).string();
    std::ofstream(p, std::ios::binary) << content;
    return p;
  }
  fs::path path;
};

std::string reasonOf(const std::string& path, std::size_t max = 100) {
  auto read = platform::readFileBytes(path, max, "zu groß");
  const auto* reason = std::get_if<std::string>(&read);
  return reason ? *reason : std::string();
}

}  // namespace

TEST(ReadFileBytes, RefusesWhatIsNoReadableFileOfItsSize) {
  Folder folder;
  const std::string fifo = (folder.path / "rohr").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string locked = folder.file("gesperrt.ortivo", "x");
  fs::permissions(locked, fs::perms::none);
  const bool root = ::geteuid() == 0;  // root reads whatever the permissions say
  struct Case {
    std::string path;
    std::size_t max;
    std::string reason;
  };
  const Case cases[] = {
      {(folder.path / "fehlt.ortivo").string(), 100, "Sie ist nicht vorhanden."},
      {folder.path.string(), 100, "Sie ist ein Ordner."},
#ifndef __EMSCRIPTEN__  // emscripten's file system makes a pipe an ordinary file
      {fifo, 100, "Sie ist keine gewöhnliche Datei."},
#endif
      {folder.file("gross.ortivo", std::string(101, 'x')), 100, "zu groß"},
      {folder.file("genau.ortivo", std::string(100, 'x')), 100, ""},
      {locked, 100, root ? "" : "Der Zugriff wurde verweigert."},
  };
  for (const Case& c : cases) EXPECT_EQ(reasonOf(c.path, c.max), c.reason) << c.path;
}

// A Latin-1 "ä" from an old USB stick: the name is bytes and must reach the system as such.
TEST(ReadFileBytes, ANameThatIsNotUtf8IsReadByItsBytes) {
  Folder folder;
  const std::string path = folder.file("Aufgabe-\xE4.ortivo", "Inhalt");
  auto read = platform::readFileBytes(path, 100, "zu groß");
  ASSERT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(read));
  const auto& bytes = std::get<std::vector<std::uint8_t>>(read);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "Inhalt");
}
