#include "containers/streamClss.h"
#include "platform/extended.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <istream>
#include <ostream>

#include "platform/texts.h"

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 controls of the
// same value, so that every byte survives a round trip through UTF-8.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t cp1252ToCodePoint(unsigned char c) {
  if (c >= 0x80 && c <= 0x9F) return kHighControls[c - 0x80];
  return c;
}

char codePointToCp1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
  return '?';
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool isPlainAscii(std::string_view s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

// Stream lengths above this are lies in any stream this library writes; rejecting them
// early also keeps size arithmetic far from overflow.
constexpr std::uint32_t kMaxLength = 0x7FFFFFFF;

}  // namespace

std::string cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (unsigned char c : cp1252) appendUtf8(out, cp1252ToCodePoint(c));
  return out;
}

std::string utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    std::size_t len = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
      len = 1, cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      len = 2, cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      len = 3, cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      len = 4, cp = lead & 0x07;
    } else {
      out += '?';
      ++i;
      continue;
    }
    if (i + len > utf8.size()) {
      out += '?';
      break;
    }
    bool valid = true;
    for (std::size_t k = 1; k < len; ++k) {
      const auto c = static_cast<unsigned char>(utf8[i + k]);
      if ((c & 0xC0) != 0x80) {
        valid = false;
        break;
      }
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!valid) {
      out += '?';
      ++i;
      continue;
    }
    out += codePointToCp1252(cp);
    i += len;
  }
  return out;
}

// ---------------------------------------------------------------- TWriter

TWriter::TWriter(std::vector<std::uint8_t>& sink) : sink_(&sink) {}

TWriter::TWriter(std::ostream& out, std::size_t bufferSize)
    : out_(&out), bufferSize_(bufferSize == 0 ? 1 : bufferSize) {
  buffer_.reserve(bufferSize_);
}

TWriter::~TWriter() {
  if (out_ && !buffer_.empty()) {
    out_->write(reinterpret_cast<const char*>(buffer_.data()),
                static_cast<std::streamsize>(buffer_.size()));
    out_->flush();
  }
}

void TWriter::FlushBuffer() {
  if (!out_) return;
  if (!buffer_.empty())
    out_->write(reinterpret_cast<const char*>(buffer_.data()),
                static_cast<std::streamsize>(buffer_.size()));
  buffer_.clear();
  out_->flush();
  if (!*out_) throw EWriteError("Schreibfehler im Elementstrom");
}

void TWriter::put(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  if (sink_) {
    sink_->insert(sink_->end(), bytes, bytes + size);
    return;
  }
  for (std::size_t i = 0; i < size; ++i) {
    if (buffer_.size() == bufferSize_) FlushBuffer();
    buffer_.push_back(bytes[i]);
  }
}

void TWriter::WriteInteger(std::int32_t value) {
  if (value >= -128 && value <= 127) {
    putByte(streamtags::Int8);
    putByte(static_cast<std::uint8_t>(value));
  } else if (value >= -32768 && value <= 32767) {
    const auto v = static_cast<std::uint16_t>(value);
    const std::uint8_t b[3] = {streamtags::Int16, std::uint8_t(v), std::uint8_t(v >> 8)};
    put(b, 3);
  } else {
    const auto v = static_cast<std::uint32_t>(value);
    const std::uint8_t b[5] = {streamtags::Int32, std::uint8_t(v), std::uint8_t(v >> 8),
                               std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
    put(b, 5);
  }
}

void TWriter::WriteInteger(std::int64_t value) {
  if (value >= std::numeric_limits<std::int32_t>::min() &&
      value <= std::numeric_limits<std::int32_t>::max()) {
    WriteInteger(static_cast<std::int32_t>(value));
    return;
  }
  std::uint8_t b[9] = {streamtags::Int64};
  const auto v = static_cast<std::uint64_t>(value);
  for (int i = 0; i < 8; ++i) b[1 + i] = std::uint8_t(v >> (8 * i));
  put(b, 9);
}

void TWriter::WriteString(std::string_view cp1252) {
  auto putLength32 = [this](std::size_t n) {
    if (n > kMaxLength) throw EWriteError("Zeichenkette zu lang für den Elementstrom");
    const auto v = static_cast<std::uint32_t>(n);
    const std::uint8_t b[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                               std::uint8_t(v >> 24)};
    put(b, 4);
  };
  if (isPlainAscii(cp1252)) {
    if (cp1252.size() <= 255) {
      putByte(streamtags::String);
      putByte(static_cast<std::uint8_t>(cp1252.size()));
    } else {
      putByte(streamtags::LString);
      putLength32(cp1252.size());
    }
    put(cp1252.data(), cp1252.size());
    return;
  }
  const std::string utf8 = cp1252ToUtf8(cp1252);
  putByte(streamtags::Utf8String);
  putLength32(utf8.size());
  put(utf8.data(), utf8.size());
}

// Always the one code page byte: a character is not a text, so it never takes the UTF-8 form.
void TWriter::WriteChar(char c) {
  const std::uint8_t b[3] = {streamtags::String, 1, static_cast<std::uint8_t>(c)};
  put(b, 3);
}

void TWriter::WriteBoolean(bool value) { putByte(value ? streamtags::True : streamtags::False); }

void TWriter::WriteFloat(Extended value) {
  std::uint8_t b[1 + extended10::size] = {streamtags::Extended};
  extended10::encode(value, b + 1);
  put(b, sizeof b);
}

void TWriter::WriteFloat(const extended10::Image& image) {
  putByte(streamtags::Extended);
  put(image.data(), image.size());
}

// ---------------------------------------------------------------- TReader

TReader::TReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

TReader::TReader(std::istream& in, std::size_t bufferSize) {
  if (bufferSize == 0) bufferSize = 1;
  std::vector<char> chunk(bufferSize);
  while (in) {
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    owned_.insert(owned_.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got));
    if (got < chunk.size()) break;
  }
  if (in.bad()) throw EReadError(ORTIVO_TEXT("core", "Lesefehler im Elementstrom"));
  data_ = owned_.data();
  size_ = owned_.size();
}

TReader::NestingGuard::NestingGuard(TReader& reader, std::size_t limit) : reader_(reader) {
  if (reader_.nesting_ >= limit)
    throw EReadError(ORTIVO_TEXT("core", "Elementstrom zu tief verschachtelt"));
  ++reader_.nesting_;
}

const std::uint8_t* TReader::take(std::size_t n) {
  if (n > remaining()) throw EReadError(ORTIVO_TEXT("core", "Elementstrom endet vorzeitig"));
  const std::uint8_t* p = data_ + pos_;
  pos_ += n;
  return p;
}

std::uint8_t TReader::tag() { return *take(1); }

std::int64_t TReader::integerOfTag(std::uint8_t t) {
  switch (t) {
    case streamtags::Int8:
      return static_cast<std::int8_t>(*take(1));
    case streamtags::Int16: {
      const std::uint8_t* p = take(2);
      return static_cast<std::int16_t>(std::uint16_t(p[0] | (p[1] << 8)));
    }
    case streamtags::Int32: {
      const std::uint8_t* p = take(4);
      return static_cast<std::int32_t>(std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) |
                                       (std::uint32_t(p[2]) << 16) |
                                       (std::uint32_t(p[3]) << 24));
    }
    case streamtags::Int64: {
      const std::uint8_t* p = take(8);
      std::uint64_t v = 0;
      for (int i = 7; i >= 0; --i) v = (v << 8) | p[i];
      return static_cast<std::int64_t>(v);
    }
    default:
      throw EReadError(platform::fillText(
          ORTIVO_TEXT("core", "Ungültiger Werttyp im Elementstrom (Tag %1)"), {std::to_string(t)}));
  }
}

std::int32_t TReader::ReadInteger() {
  const std::uint8_t t = tag();
  if (t == streamtags::Int64)
    throw EReadError(platform::fillText(
        ORTIVO_TEXT("core", "Ungültiger Werttyp im Elementstrom (Tag %1)"), {"19"}));
  return static_cast<std::int32_t>(integerOfTag(t));
}

std::int64_t TReader::ReadInt64() { return integerOfTag(tag()); }

std::string TReader::ReadString() {
  auto length32 = [this]() -> std::size_t {
    const std::uint8_t* p = take(4);
    const std::uint32_t n = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) |
                            (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
    if (n > kMaxLength)
      throw EReadError(ORTIVO_TEXT("core", "Ungültige Zeichenkettenlänge im Elementstrom"));
    return n;
  };
  const std::uint8_t t = tag();
  switch (t) {
    case streamtags::String: {
      const std::size_t n = *take(1);
      const std::uint8_t* p = take(n);
      return std::string(reinterpret_cast<const char*>(p), n);
    }
    case streamtags::LString: {
      const std::size_t n = length32();
      const std::uint8_t* p = take(n);  // checked before the string is allocated
      return std::string(reinterpret_cast<const char*>(p), n);
    }
    case streamtags::Utf8String: {
      const std::size_t n = length32();
      const std::uint8_t* p = take(n);
      return utf8ToCp1252(std::string_view(reinterpret_cast<const char*>(p), n));
    }
    case streamtags::WString: {
      const std::size_t units = length32();
      if (units > remaining() / 2)
        throw EReadError(ORTIVO_TEXT("core", "Elementstrom endet vorzeitig"));
      const std::uint8_t* p = take(units * 2);
      std::string out;
      out.reserve(units);
      for (std::size_t i = 0; i < units; ++i) {
        const char32_t u = char32_t(p[2 * i] | (p[2 * i + 1] << 8));
        if (u >= 0xD800 && u <= 0xDFFF) {
          // A surrogate pair is one character outside the code page.
          if (u <= 0xDBFF && i + 1 < units) {
            const char32_t low = char32_t(p[2 * i + 2] | (p[2 * i + 3] << 8));
            if (low >= 0xDC00 && low <= 0xDFFF) ++i;
          }
          out += '?';
        } else {
          out += codePointToCp1252(u);
        }
      }
      return out;
    }
    default:
      throw EReadError(platform::fillText(
          ORTIVO_TEXT("core", "Ungültiger Werttyp im Elementstrom (Tag %1), Zeichenkette erwartet"),
          {std::to_string(t)}));
  }
}

char TReader::ReadChar() {
  const std::string s = ReadString();
  if (s.size() != 1)
    throw EReadError(platform::fillText(
        ORTIVO_TEXT("core", "Zeichen erwartet, Zeichenkette der Länge %1 gelesen"),
        {std::to_string(s.size())}));
  return s[0];
}

bool TReader::ReadBoolean() {
  const std::uint8_t t = tag();
  if (t != streamtags::True && t != streamtags::False)
    throw EReadError(platform::fillText(
        ORTIVO_TEXT("core", "Ungültiger Werttyp im Elementstrom (Tag %1)"), {std::to_string(t)}));
  return t == streamtags::True;
}

Extended TReader::ReadFloat() {
  std::optional<extended10::Image> image;
  return ReadFloat(image);
}

Extended TReader::ReadFloat(std::optional<extended10::Image>& image) {
  image.reset();
  const std::uint8_t t = tag();
  if (t == streamtags::Extended) {
    const std::uint8_t* bytes = take(extended10::size);
    image.emplace();
    std::copy(bytes, bytes + extended10::size, image->begin());
    return extended10::decode<Extended>(bytes);
  }
  return static_cast<Extended>(integerOfTag(t));
}

// ---------------------------------------------------------------- extended10

namespace extended10 {
namespace {

constexpr int kBias = 16383;
constexpr int kSpecial = 0x7FFF;  // the exponent of infinities and NaNs
constexpr std::uint64_t kTop = std::uint64_t{1} << 63;
// Below the normal range the significand counts units of 2^-16445.
constexpr int kSubnormalScale = 1 - kBias - 63;

// Rounds m (0 <= m < 2^64) to an integer, ties to even, without the rounding mode;
// `carry` when that gives 2^64. Exact steps only: trunc and the difference are.
template <class T>
std::uint64_t roundToInteger(T m, bool& carry) {
  const T whole = std::trunc(m);
  const T rest = m - whole;
  auto n = static_cast<std::uint64_t>(whole);
  carry = false;
  if (rest > T(0.5) || (rest == T(0.5) && (n & 1) != 0)) {
    if (n == ~std::uint64_t{0}) carry = true;
    ++n;
  }
  return n;
}

}  // namespace

template <class T>
void encode(T value, std::uint8_t* out) {
  static_assert(std::numeric_limits<T>::radix == 2);
  std::uint64_t significand = 0;
  int exponent = 0;
  if (std::isnan(value)) {
    exponent = kSpecial;
    significand = kTop | (kTop >> 1);  // the quiet NaN the x87 makes
  } else if (std::isinf(value)) {
    exponent = kSpecial;
    significand = kTop;
  } else if (value != 0) {
    const T magnitude = std::fabs(value);
    int k = 0;
    const T fraction = std::frexp(magnitude, &k);  // magnitude = fraction * 2^k
    exponent = k - 1 + kBias;
    const bool normal = exponent >= 1;
    if (!normal) exponent = 0;
    bool carry = false;
    significand = roundToInteger(normal ? std::ldexp(fraction, 64)
                                        : std::ldexp(magnitude, -kSubnormalScale),
                                 carry);
    if (carry) {
      significand = kTop;
      ++exponent;
    } else if (!normal && significand >= kTop) {
      exponent = 1;  // rounded up to the smallest normal value
    }
    if (exponent >= kSpecial)
      throw EWriteError("Gleitkommazahl zu groß für den Elementstrom");
  }
  for (int i = 0; i < 8; ++i) out[i] = std::uint8_t(significand >> (8 * i));
  out[8] = std::uint8_t(exponent);
  out[9] = std::uint8_t((exponent >> 8) | (std::signbit(value) ? 0x80 : 0));
}

template <class T>
T decode(const std::uint8_t* in) {
  using L = std::numeric_limits<T>;
  static_assert(L::radix == 2);
  std::uint64_t significand = 0;
  for (int i = 7; i >= 0; --i) significand = (significand << 8) | in[i];
  const int exponent = ((in[9] & 0x7F) << 8) | in[8];
  const T sign = (in[9] & 0x80) != 0 ? T(-1) : T(1);
  if (exponent == kSpecial)
    return std::copysign(significand == kTop ? L::infinity() : L::quiet_NaN(), sign);
  if (significand == 0) return std::copysign(T(0), sign);

  // The value is significand * 2^scale; T keeps the bits from `quantum` up.
  const int scale = exponent == 0 ? kSubnormalScale : exponent - kBias - 63;
  const int lead = 63 - std::countl_zero(significand) + scale;
  const int quantum = std::max(lead - (L::digits - 1), L::min_exponent - L::digits);
  const int shift = quantum - scale;
  auto checked = [sign](std::uint64_t bits, int at) {
    if (63 - std::countl_zero(bits) + at >= L::max_exponent)
      throw EReadError(
          ORTIVO_TEXT("core", "Gleitkommazahl im Elementstrom außerhalb des Wertebereichs"));
    return sign * std::ldexp(static_cast<T>(bits), at);  // exact: bits fit T at `at`
  };
  if (shift <= 0) return checked(significand, scale);

  std::uint64_t kept = 0, rest = significand, half = kTop;
  if (shift < 64) {
    kept = significand >> shift;
    rest = significand & ((std::uint64_t{1} << shift) - 1);
    half = std::uint64_t{1} << (shift - 1);
  } else if (shift > 64) {
    half = 0;  // far below the smallest value of T: nothing rounds up
  }
  if (half != 0 && (rest > half || (rest == half && (kept & 1) != 0))) ++kept;
  if (kept == 0) return std::copysign(T(0), sign);
  return checked(kept, quantum);
}

// Extended is long double, or double in the browser page.
template void encode<float>(float, std::uint8_t*);
template void encode<double>(double, std::uint8_t*);
template void encode<long double>(long double, std::uint8_t*);
template float decode<float>(const std::uint8_t*);
template double decode<double>(const std::uint8_t*);
template long double decode<long double>(const std::uint8_t*);

}  // namespace extended10
