#pragma once
#include "platform/extended.h"

// The element protocol every container entry follows, the twelve value elements and the
// class registry through which stored elements are created again.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

#include "containers/streamClss.h"
#include "platform/Canvas.h"

class EClassNotFound : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Declares the class name an element is stored and registered under.
#define ORTIVO_ELEMENT_CLASS(name)                          \
 public:                                                    \
  static constexpr const char* ClassName = #name;           \
  const char* className() const override { return ClassName; }

class TBase {
 public:
  static constexpr const char* ClassName = "TBase";

  TBase() = default;
  virtual ~TBase() = default;
  TBase(const TBase&) = default;
  TBase& operator=(const TBase&) = default;

  virtual const char* className() const { return ClassName; }

  // Each of these ends the program unless the class provides it.
  virtual void writeValue();
  virtual void saveValue(TWriter& writer);
  virtual void loadValue(TReader& reader);
  // -1 smaller, 0 equal, 1 greater, 2 not comparable (another class, in particular).
  virtual int compare(TBase& other);
  // 0 equal within the tolerance, 2 not equal.
  virtual int compare(TBase& other, Extended tolerance);
  virtual std::unique_ptr<TBase> copy();
  virtual void paintValue(platform::Canvas& image, int x, int y);
};

// Shows the abort text for the not provided operation and ends the program.
[[noreturn]] void abortNotOverridden(std::string_view operation);

// Exact class identity, case-insensitive as class names are.
bool sameClass(const TBase& a, const TBase& b);

// ---------------------------------------------------------------- class registry

using TElementFactory = std::function<std::unique_ptr<TBase>()>;

struct TClassInfo {
  std::string name;
  TElementFactory create;  // a default instance: zeroed fields, no value given
  bool loadable = false;   // the class reads its value from a stream itself
};

void registerClass(const std::string& name, TElementFactory factory, bool loadable);
// nullptr when no class of this name is registered.
const TClassInfo* findClass(std::string_view name);
// Throws EClassNotFound for an unknown name.
std::unique_ptr<TBase> createDefaultInstance(std::string_view name);

template <class T>
void registerClass() {
  // A class whose loadValue is still the one of TBase would end the program on load.
  constexpr bool loadable = !std::is_same_v<decltype(&T::loadValue), void (TBase::*)(TReader&)>;
  registerClass(T::ClassName, [] { return std::unique_ptr<TBase>(new T()); }, loadable);
}

// Registers its class while the unit is initialised.
template <class T>
struct TClassRegistration {
  TClassRegistration() { registerClass<T>(); }
};

// Reads one stored element: its class name, then its value through a default instance.
// A class that can not read itself is a read error, as is nesting deeper than
// kMaxElementNesting.
constexpr std::size_t kMaxElementNesting = 200;
std::unique_ptr<TBase> readElement(TReader& reader);
// Writes the class name and the value of an element.
void writeElement(TWriter& writer, TBase& element);

// ---------------------------------------------------------------- value elements

class TChar : public TBase {
  ORTIVO_ELEMENT_CLASS(TChar)
 public:
  TChar() = default;
  explicit TChar(char value) : value_(value) {}
  char getValue() const { return value_; }

  using TBase::compare;
  void saveValue(TWriter& writer) override;
  void loadValue(TReader& reader) override;
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;
  void paintValue(platform::Canvas& image, int x, int y) override;

 private:
  char value_ = 0;
};

class TString : public TBase {
  ORTIVO_ELEMENT_CLASS(TString)
 public:
  TString() = default;
  // Windows-1252 text.
  explicit TString(std::string value) : value_(std::move(value)) {}
  void getValue(std::string& value) const { value = value_; }

  using TBase::compare;
  void saveValue(TWriter& writer) override;
  void loadValue(TReader& reader) override;
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;

 private:
  std::string value_;
};

class TInteger : public TBase {
  ORTIVO_ELEMENT_CLASS(TInteger)
 public:
  TInteger() = default;
  explicit TInteger(std::int32_t value) : value_(value) {}
  std::int32_t getValue() const { return value_; }

  using TBase::compare;
  void saveValue(TWriter& writer) override;
  void loadValue(TReader& reader) override;
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;

 private:
  std::int32_t value_ = 0;
};

class TInt64 : public TBase {
  ORTIVO_ELEMENT_CLASS(TInt64)
 public:
  TInt64() = default;
  explicit TInt64(std::int64_t value) : value_(value) {}
  std::int64_t getValue() const { return value_; }

  using TBase::compare;
  void saveValue(TWriter& writer) override;
  void loadValue(TReader& reader) override;
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;

 private:
  std::int64_t value_ = 0;
};

class TByte : public TBase {
  ORTIVO_ELEMENT_CLASS(TByte)
 public:
  TByte() = default;
  explicit TByte(std::uint8_t value) : value_(value) {}
  std::uint8_t getValue() const { return value_; }

  using TBase::compare;
  void saveValue(TWriter& writer) override;
  void loadValue(TReader& reader) override;
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;

 private:
  std::uint8_t value_ = 0;
};

class TWord : public TBase {
  ORTIVO_ELEMENT_CLASS(TWord)
 public:
  TWord() = default;
  explicit TWord(std::uint16_t value) : value_(value) {}
  std::uint16_t getValue() const { return value_; }

  using TBase::compare;
  void saveValue(TWriter& writer) override;
  void loadValue(TReader& reader) override;
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;

 private:
  std::uint16_t value_ = 0;
};

class TLongint : public TBase {
  ORTIVO_ELEMENT_CLASS(TLongint)
 public:
  TLongint() = default;
  explicit TLongint(std::int32_t value) : value_(value) {}
  std::int32_t getValue() const { return value_; }

  using TBase::compare;
  void saveValue(TWriter& writer) override;
  void loadValue(TReader& reader) override;
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;

 private:
  std::int32_t value_ = 0;
};

class TReal : public TBase {
  ORTIVO_ELEMENT_CLASS(TReal)
 public:
  TReal() = default;
  TReal(double value, double tolerance) : value_(value), tolerance_(tolerance) {}
  double getValue() const { return value_; }
  double getTolerance() const { return tolerance_; }

  using TBase::compare;
  void saveValue(TWriter& writer) override;
  void loadValue(TReader& reader) override;
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;

 private:
  double value_ = 0.0;
  double tolerance_ = 0.0;
};

class TExtended : public TBase {
  ORTIVO_ELEMENT_CLASS(TExtended)
 public:
  TExtended() = default;
  TExtended(Extended value, Extended tolerance) : value_(value), tolerance_(tolerance) {}
  Extended getValue() const { return value_; }
  Extended getTolerance() const { return tolerance_; }
  // Where Extended is narrower than the file's format (the browser page), the bytes the
  // value was read from: written again as long as the value is still theirs, so that a
  // lesson opened and saved there keeps the desktop's bytes. Empty elsewhere.
  const std::optional<extended10::Image>& image() const { return image_; }
  void setImage(std::optional<extended10::Image> image) { image_ = image; }

  using TBase::compare;
  void saveValue(TWriter& writer) override;
  void loadValue(TReader& reader) override;
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;

 private:
  Extended value_ = 0.0L;
  Extended tolerance_ = 0.0L;
  std::optional<extended10::Image> image_;
};

class TBoolean : public TBase {
  ORTIVO_ELEMENT_CLASS(TBoolean)
 public:
  TBoolean() = default;
  explicit TBoolean(bool value) : value_(value) {}
  bool getValue() const { return value_; }

  using TBase::compare;
  void saveValue(TWriter& writer) override;
  void loadValue(TReader& reader) override;
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;

 private:
  bool value_ = false;
};

class TTColor : public TBase {
  ORTIVO_ELEMENT_CLASS(TTColor)
 public:
  TTColor() = default;
  explicit TTColor(std::int32_t value) : value_(value) {}
  std::int32_t getValue() const { return value_; }

  using TBase::compare;
  void saveValue(TWriter& writer) override;
  void loadValue(TReader& reader) override;
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;

 private:
  std::int32_t value_ = 0;
};

struct TBruch {
  std::int32_t numerator = 0;
  std::int32_t denominator = 0;
};

class TTBruch : public TBase {
  ORTIVO_ELEMENT_CLASS(TTBruch)
 public:
  TTBruch() = default;
  explicit TTBruch(TBruch value) : value_(value) {}
  void getValue(TBruch& value) const { value = value_; }

  using TBase::compare;
  void saveValue(TWriter& writer) override;
  void loadValue(TReader& reader) override;
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;

 private:
  TBruch value_;
};
