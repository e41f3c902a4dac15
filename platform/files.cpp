#include "platform/files.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "platform/texts.h"

namespace platform {

namespace {

std::string readFailure(int error) {
  if (error == EACCES || error == EPERM)
    return ORTIVO_TEXT("core", "Der Zugriff wurde verweigert.");
  return ORTIVO_TEXT("core", "Sie kann nicht gelesen werden.");
}

}  // namespace

std::variant<std::vector<std::uint8_t>, std::string> readFileBytes(const std::string& nativePath,
                                                                   std::size_t maxSize,
                                                                   const std::string& tooLarge) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(fs::path(nativePath), ec);
  if (status.type() == fs::file_type::not_found || status.type() == fs::file_type::none)
    return std::string(ORTIVO_TEXT("core", "Sie ist nicht vorhanden."));
  if (ec) return readFailure(ec.value());
  if (fs::is_directory(status)) return std::string(ORTIVO_TEXT("core", "Sie ist ein Ordner."));
  // A pipe or a device might never end.
  if (!fs::is_regular_file(status))
    return std::string(ORTIVO_TEXT("core", "Sie ist keine gewöhnliche Datei."));

  errno = 0;
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(nativePath.c_str(), "rb"),
                                                              &std::fclose);
  if (!file) return readFailure(errno);
  std::vector<std::uint8_t> bytes(maxSize + 1);
  const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
  if (std::ferror(file.get())) return readFailure(errno);
  if (got > maxSize) return tooLarge;
  bytes.resize(got);
  return bytes;
}

}  // namespace platform
