#include "containers/baseClss.h"
#include "platform/extended.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "platform/messages.h"
#include "platform/texts.h"

// ---------------------------------------------------------------- TBase

void abortNotOverridden(std::string_view operation) {
  platform::showMessage(platform::MessageKind::Information,
                        std::string(operation) +
                            " wurde nicht überschrieben - das Programm wird daher abgebrochen");
  // A protocol violation is a failure, whatever the box says.
  platform::endProgram(1);
}

void TBase::writeValue() { abortNotOverridden("TBase.writeValue"); }
void TBase::saveValue(TWriter&) { abortNotOverridden("TBase.saveValue"); }
void TBase::loadValue(TReader&) { abortNotOverridden("TBase.loadValue"); }
int TBase::compare(TBase&) { abortNotOverridden("TBase.compare"); }
int TBase::compare(TBase&, Extended) { abortNotOverridden("TBase.compare"); }
std::unique_ptr<TBase> TBase::copy() { abortNotOverridden("TBase.copy"); }
void TBase::paintValue(platform::Canvas&, int, int) { abortNotOverridden("TBase.paintValue"); }

namespace {

char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (upperAscii(a[i]) != upperAscii(b[i])) return false;
  return true;
}

template <class T>
int threeWay(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

bool sameClass(const TBase& a, const TBase& b) {
  // Every class hands out its one name constant: equal pointers are the common case.
  return a.className() == b.className() || equalsIgnoringCase(a.className(), b.className());
}

// ---------------------------------------------------------------- class registry

namespace {

// Class names are found regardless of case, without building upper-cased copies.
struct NameLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
      const auto ca = static_cast<unsigned char>(upperAscii(a[i]));
      const auto cb = static_cast<unsigned char>(upperAscii(b[i]));
      if (ca != cb) return ca < cb;
    }
    return a.size() < b.size();
  }
};

std::map<std::string, TClassInfo, NameLess>& registry() {
  static std::map<std::string, TClassInfo, NameLess> classes;
  return classes;
}

}  // namespace

void registerClass(const std::string& name, TElementFactory factory, bool loadable) {
  registry()[name] = TClassInfo{name, std::move(factory), loadable};
}

const TClassInfo* findClass(std::string_view name) {
  const auto& classes = registry();
  const auto it = classes.find(name);
  return it == classes.end() ? nullptr : &it->second;
}

std::unique_ptr<TBase> createDefaultInstance(std::string_view name) {
  const TClassInfo* info = findClass(name);
  if (!info) throw EClassNotFound("Klasse " + std::string(name) + " nicht gefunden");
  return info->create();
}

std::unique_ptr<TBase> readElement(TReader& reader) {
  TReader::NestingGuard guard(reader, kMaxElementNesting);
  const std::string name = reader.ReadString();
  const TClassInfo* info = findClass(name);
  if (!info) throw EClassNotFound("Klasse " + name + " nicht gefunden");
  // Such a class would end the program in loadValue: a stream must not be able to do that.
  if (!info->loadable)
    throw EReadError(platform::fillText(
        ORTIVO_TEXT("core", "Die Klasse %1 kann nicht aus einem Elementstrom gelesen werden"),
        {name}));
  std::unique_ptr<TBase> element = info->create();
  element->loadValue(reader);
  return element;
}

void writeElement(TWriter& writer, TBase& element) {
  writer.WriteString(element.className());
  element.saveValue(writer);
}

namespace {
const TClassRegistration<TBase> registerBase;
const TClassRegistration<TChar> registerChar;
const TClassRegistration<TString> registerString;
const TClassRegistration<TInteger> registerInteger;
const TClassRegistration<TInt64> registerInt64;
const TClassRegistration<TByte> registerByte;
const TClassRegistration<TWord> registerWord;
const TClassRegistration<TLongint> registerLongint;
const TClassRegistration<TReal> registerReal;
const TClassRegistration<TExtended> registerExtended;
const TClassRegistration<TBoolean> registerBoolean;
const TClassRegistration<TTColor> registerColor;
const TClassRegistration<TTBruch> registerBruch;
}  // namespace

// ---------------------------------------------------------------- value elements

// TChar
void TChar::saveValue(TWriter& writer) { writer.WriteChar(value_); }
void TChar::loadValue(TReader& reader) { value_ = reader.ReadChar(); }
int TChar::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  return threeWay(static_cast<unsigned char>(value_),
                  static_cast<unsigned char>(static_cast<TChar&>(other).value_));
}
std::unique_ptr<TBase> TChar::copy() { return std::make_unique<TChar>(value_); }
void TChar::paintValue(platform::Canvas& image, int x, int y) {
  platform::Font font;
  font.name = "MS SANS SERIF";
  font.size = 8;
  font.color = platform::colors::black;
  font.bold = true;
  image.setFont(font);
  image.setPenColor(platform::colors::black);
  image.textOut(x, y, cp1252ToUtf8(std::string_view(&value_, 1)));
}

// TString
void TString::saveValue(TWriter& writer) { writer.WriteString(value_); }
void TString::loadValue(TReader& reader) { value_ = reader.ReadString(); }
int TString::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  // std::string compares as unsigned bytes (char_traits<char>::compare uses memcmp).
  const int c = value_.compare(static_cast<TString&>(other).value_);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}
std::unique_ptr<TBase> TString::copy() { return std::make_unique<TString>(value_); }

// TInteger
void TInteger::saveValue(TWriter& writer) { writer.WriteInteger(value_); }
void TInteger::loadValue(TReader& reader) { value_ = reader.ReadInteger(); }
int TInteger::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  return threeWay(value_, static_cast<TInteger&>(other).value_);
}
std::unique_ptr<TBase> TInteger::copy() { return std::make_unique<TInteger>(value_); }

// TInt64
void TInt64::saveValue(TWriter& writer) { writer.WriteInteger(value_); }
void TInt64::loadValue(TReader& reader) { value_ = reader.ReadInt64(); }
int TInt64::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  return threeWay(value_, static_cast<TInt64&>(other).value_);
}
std::unique_ptr<TBase> TInt64::copy() { return std::make_unique<TInt64>(value_); }

// TByte
void TByte::saveValue(TWriter& writer) { writer.WriteInteger(std::int32_t{value_}); }
void TByte::loadValue(TReader& reader) {
  value_ = static_cast<std::uint8_t>(reader.ReadInteger() & 0xFF);
}
int TByte::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  return threeWay(value_, static_cast<TByte&>(other).value_);
}
std::unique_ptr<TBase> TByte::copy() { return std::make_unique<TByte>(value_); }

// TWord
void TWord::saveValue(TWriter& writer) { writer.WriteInteger(std::int32_t{value_}); }
void TWord::loadValue(TReader& reader) {
  value_ = static_cast<std::uint16_t>(reader.ReadInteger() & 0xFFFF);
}
int TWord::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  return threeWay(value_, static_cast<TWord&>(other).value_);
}
std::unique_ptr<TBase> TWord::copy() { return std::make_unique<TWord>(value_); }

// TLongint
void TLongint::saveValue(TWriter& writer) { writer.WriteInteger(value_); }
void TLongint::loadValue(TReader& reader) { value_ = reader.ReadInteger(); }
int TLongint::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  return threeWay(value_, static_cast<TLongint&>(other).value_);
}
std::unique_ptr<TBase> TLongint::copy() { return std::make_unique<TLongint>(value_); }

// TReal
void TReal::saveValue(TWriter& writer) { writer.WriteFloat(static_cast<Extended>(value_)); }
void TReal::loadValue(TReader& reader) { value_ = static_cast<double>(reader.ReadFloat()); }
int TReal::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  const double a = value_;
  const double b = static_cast<TReal&>(other).value_;
  double e = tolerance_;
  if (e == 0.0) e = std::max(std::min(std::fabs(a), std::fabs(b)) * 1e-12, 1e-12);
  if (std::fabs(a - b) <= e) return 0;
  return a < b ? -1 : 1;
}
std::unique_ptr<TBase> TReal::copy() { return std::make_unique<TReal>(value_, tolerance_); }

// TExtended
void TExtended::saveValue(TWriter& writer) {
  if (image_ && extended10::decode<Extended>(image_->data()) == value_)
    writer.WriteFloat(*image_);
  else
    writer.WriteFloat(value_);
}
void TExtended::loadValue(TReader& reader) {
  value_ = reader.ReadFloat(image_);
  if (!extended10::narrowerThanFormat) image_.reset();
}
int TExtended::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  const auto& o = static_cast<TExtended&>(other);
  const Extended a = value_;
  const Extended b = o.value_;
  Extended e = o.tolerance_;  // the other element's tolerance decides
  if (e == 0) e = std::max(std::min(std::fabs(a), std::fabs(b)) * Extended(1e-16L), Extended(1e-16L));
  if (std::fabs(a - b) <= e) return 0;
  return a < b ? -1 : 1;
}
std::unique_ptr<TBase> TExtended::copy() {
  auto c = std::make_unique<TExtended>(value_, tolerance_);
  c->setImage(image_);
  return c;
}

// TBoolean
void TBoolean::saveValue(TWriter& writer) { writer.WriteBoolean(value_); }
void TBoolean::loadValue(TReader& reader) { value_ = reader.ReadBoolean(); }
int TBoolean::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  return value_ == static_cast<TBoolean&>(other).value_ ? 0 : 1;
}
std::unique_ptr<TBase> TBoolean::copy() { return std::make_unique<TBoolean>(value_); }

// TTColor
void TTColor::saveValue(TWriter& writer) { writer.WriteInteger(value_); }
void TTColor::loadValue(TReader& reader) { value_ = reader.ReadInteger(); }
int TTColor::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  return threeWay(value_, static_cast<TTColor&>(other).value_);
}
std::unique_ptr<TBase> TTColor::copy() { return std::make_unique<TTColor>(value_); }

// TTBruch
void TTBruch::saveValue(TWriter& writer) {
  writer.WriteInteger(value_.numerator);
  writer.WriteInteger(value_.denominator);
}
void TTBruch::loadValue(TReader& reader) {
  value_.numerator = reader.ReadInteger();
  value_.denominator = reader.ReadInteger();
}
int TTBruch::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  const TBruch& o = static_cast<TTBruch&>(other).value_;
  // 32-bit products that wrap on overflow, computed without signed-overflow UB.
  auto wrapMul = [](std::int32_t x, std::int32_t y) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(x) * static_cast<std::uint32_t>(y));
  };
  const std::int32_t p = wrapMul(value_.denominator, o.numerator);
  const std::int32_t q = wrapMul(value_.numerator, o.denominator);
  if (p > q) return -1;
  return p == q ? 0 : 1;
}
std::unique_ptr<TBase> TTBruch::copy() { return std::make_unique<TTBruch>(value_); }
