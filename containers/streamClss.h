#pragma once
#include "platform/extended.h"

// The element stream: a typed, little-endian binary encoding. Every value starts with a
// tag byte; 8-bit text is Windows-1252.

#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class EReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class EWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A container file that can not be created or opened.
class EFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

namespace streamtags {
constexpr std::uint8_t Int8 = 2;
constexpr std::uint8_t Int16 = 3;
constexpr std::uint8_t Int32 = 4;
constexpr std::uint8_t Extended = 5;
constexpr std::uint8_t String = 6;
constexpr std::uint8_t False = 8;
constexpr std::uint8_t True = 9;
constexpr std::uint8_t LString = 12;
constexpr std::uint8_t WString = 18;
constexpr std::uint8_t Int64 = 19;
constexpr std::uint8_t Utf8String = 20;
}  // namespace streamtags

// The stream's extended float: ten bytes, little-endian, of the 80-bit extended format
// (sign, 15-bit exponent biased by 16383, explicit 64-bit significand). Coded by value,
// never by copying memory, so that a file is the same whatever a platform's floats look
// like. T is any binary floating type: where it is wider than 64 bits, encode rounds to
// nearest (ties to even) and refuses what exceeds the format (EWriteError); where it is
// narrower, decode rounds to nearest and refuses what exceeds T (EReadError) instead of
// giving an infinity. NaN keeps its sign, not its payload.
namespace extended10 {
constexpr std::size_t size = 10;
template <class T>
void encode(T value, std::uint8_t* out);
template <class T>
T decode(const std::uint8_t* in);
using Image = std::array<std::uint8_t, size>;
// Whether Extended (double in the browser page) keeps fewer bits than the format.
inline constexpr bool narrowerThanFormat = std::numeric_limits<Extended>::digits < 64;
}  // namespace extended10

// Windows-1252 <-> UTF-8. Characters the code page lacks become '?'.
std::string cp1252ToUtf8(std::string_view cp1252);
std::string utf8ToCp1252(std::string_view utf8);

class TWriter {
 public:
  // Appends to a byte vector.
  explicit TWriter(std::vector<std::uint8_t>& sink);
  // Writes to a stream through a buffer of the given size; flushed when destroyed.
  TWriter(std::ostream& out, std::size_t bufferSize);
  ~TWriter();
  TWriter(const TWriter&) = delete;
  TWriter& operator=(const TWriter&) = delete;

  void WriteInteger(std::int32_t value);
  void WriteInteger(std::int64_t value);
  void WriteString(std::string_view cp1252);
  void WriteChar(char c);
  void WriteBoolean(bool value);
  void WriteFloat(Extended value);
  // Ten bytes as they were read, for a value a narrower Extended could not hold exactly.
  void WriteFloat(const extended10::Image& image);

  // Throws EWriteError when the underlying stream failed.
  void FlushBuffer();

 private:
  void put(const void* data, std::size_t size);
  void putByte(std::uint8_t b) { put(&b, 1); }

  std::vector<std::uint8_t>* sink_ = nullptr;
  std::ostream* out_ = nullptr;
  std::vector<std::uint8_t> buffer_;
  std::size_t bufferSize_ = 0;
};

class TReader {
 public:
  // Reads from memory the caller keeps alive.
  TReader(const std::uint8_t* data, std::size_t size);
  explicit TReader(const std::vector<std::uint8_t>& data) : TReader(data.data(), data.size()) {}
  // Reads a whole stream, in chunks of bufferSize, so that every length in the data can be
  // checked against what is really there before anything is allocated for it.
  TReader(std::istream& in, std::size_t bufferSize);
  TReader(const TReader&) = delete;
  TReader& operator=(const TReader&) = delete;

  std::int32_t ReadInteger();
  std::int64_t ReadInt64();
  std::string ReadString();
  char ReadChar();
  bool ReadBoolean();
  Extended ReadFloat();
  // Also gives the ten bytes when the value was written in the extended format.
  Extended ReadFloat(std::optional<extended10::Image>& image);

  bool EndOfStream() const { return pos_ >= size_; }
  std::size_t remaining() const { return size_ - pos_; }
  std::size_t position() const { return pos_; }

  // Guards the depth of nested reads (elements inside elements, tree levels) so that a
  // hostile stream ends in a read error instead of exhausting the call stack.
  class NestingGuard {
   public:
    NestingGuard(TReader& reader, std::size_t limit);
    ~NestingGuard() { --reader_.nesting_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

   private:
    TReader& reader_;
  };

 private:
  std::uint8_t tag();
  const std::uint8_t* take(std::size_t n);
  std::int64_t integerOfTag(std::uint8_t t);

  std::vector<std::uint8_t> owned_;
  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t pos_ = 0;
  std::size_t nesting_ = 0;
};
