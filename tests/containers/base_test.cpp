#include "containers/baseClss.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "tests/containers/testHelpers.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/RecordingMessages.h"

using namespace containers_test;
using testing_support::ProgramEnded;
using testing_support::RecordingCanvas;
using testing_support::RecordingMessages;

namespace {

template <class T>
std::unique_ptr<T> roundTrip(TBase& element) {
  const Bytes bytes = saved(element);
  TReader reader(bytes);
  auto loaded = std::make_unique<T>();
  loaded->loadValue(reader);
  EXPECT_TRUE(reader.EndOfStream());
  return loaded;
}

Bytes writtenString(const std::string& s) {
  Bytes out;
  TWriter writer(out);
  writer.WriteString(s);
  return out;
}

}  // namespace

TEST(ElementStream, IntegersUseTheSmallestTag) {
  TInteger i100(100), im200(-200), i40000(40000), imin(std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(saved(i100), bytesOf({2, 100}));
  EXPECT_EQ(saved(im200), bytesOf({3, 0x38, 0xFF}));
  EXPECT_EQ(saved(i40000), bytesOf({4, 0x40, 0x9C, 0, 0}));
  EXPECT_EQ(saved(imin), bytesOf({4, 0, 0, 0, 0x80}));
  TByte b200(200);
  EXPECT_EQ(saved(b200), bytesOf({3, 200, 0}));
  TWord w65535(65535);
  EXPECT_EQ(saved(w65535), bytesOf({4, 0xFF, 0xFF, 0, 0}));
  TInt64 big(std::int64_t{1} << 32), seven(7);
  EXPECT_EQ(saved(big), bytesOf({19, 0, 0, 0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(saved(seven), bytesOf({2, 7}));
  TBoolean t(true), f(false);
  EXPECT_EQ(saved(t), bytesOf({9}));
  EXPECT_EQ(saved(f), bytesOf({8}));
  TTBruch half(TBruch{1, 2});
  EXPECT_EQ(saved(half), bytesOf({2, 1, 2, 2}));
  TChar a('A');
  EXPECT_EQ(saved(a), bytesOf({6, 1, 'A'}));
}

TEST(ElementStream, StringsByLengthAndCharacterSet) {
  const Bytes s255 = writtenString(std::string(255, 'x'));
  ASSERT_EQ(s255.size(), 257u);
  EXPECT_EQ(s255[0], 6);
  EXPECT_EQ(s255[1], 255);
  const Bytes s256 = writtenString(std::string(256, 'x'));
  ASSERT_EQ(s256.size(), 261u);
  EXPECT_EQ(Bytes(s256.begin(), s256.begin() + 5), bytesOf({12, 0, 1, 0, 0}));
  // "Grüße" in Windows-1252: ü = 0xFC, ß = 0xDF; UTF-8 takes two bytes for each.
  EXPECT_EQ(writtenString("Gr\xFC\xDF" "e"),
            bytesOf({20, 7, 0, 0, 0, 'G', 'r', 0xC3, 0xBC, 0xC3, 0x9F, 'e'}));
  // The euro sign lives at 0x80 in the code page.
  EXPECT_EQ(writtenString("\x80"), bytesOf({20, 3, 0, 0, 0, 0xE2, 0x82, 0xAC}));
}

TEST(ElementStream, CharIsAlwaysAOneByteShortString) {
  // Unlike a text, a character above 127 keeps tag 6 and its code page byte.
  TChar umlaut('\xE4'), euro('\x80');
  EXPECT_EQ(saved(umlaut), bytesOf({6, 1, 0xE4}));
  EXPECT_EQ(saved(euro), bytesOf({6, 1, 0x80}));
  Bytes out;
  TWriter writer(out);
  writer.WriteChar('\xFF');
  EXPECT_EQ(out, bytesOf({6, 1, 0xFF}));
  TString text("\xE4");
  EXPECT_EQ(saved(text), bytesOf({20, 2, 0, 0, 0, 0xC3, 0xA4}));
}

TEST(ElementStream, ExtendedIsTheTenByteX87Image) {
  TExtended one(1.0L, 0.0L);
  EXPECT_EQ(saved(one), bytesOf({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
  TReal minusTwo(-2.0, 0.0);
  EXPECT_EQ(saved(minusTwo), bytesOf({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}));
}

TEST(ElementStream, ReaderAcceptsTheDescribedTags) {
  {
    const Bytes b = bytesOf({2, 0xFE, 3, 0x00, 0x80, 4, 1, 0, 0, 0x80, 19, 1, 0, 0, 0, 0, 0, 0, 0x80});
    TReader r(b);
    EXPECT_EQ(r.ReadInteger(), -2);
    EXPECT_EQ(r.ReadInteger(), -32768);
    EXPECT_EQ(r.ReadInt64(), std::int64_t(std::int32_t(0x80000001)));
    EXPECT_EQ(r.ReadInt64(), std::numeric_limits<std::int64_t>::min() + 1);
    EXPECT_TRUE(r.EndOfStream());
  }
  {
    const Bytes b = bytesOf({19, 0, 0, 0, 0, 1, 0, 0, 0});
    TReader r(b);
    EXPECT_THROW(r.ReadInteger(), EReadError);
  }
  {
    // A float stored as an integer is converted; a Boolean is tag 8 or 9 and nothing else.
    const Bytes b = bytesOf({3, 0xE8, 0x03, 19, 0, 0, 0, 0, 1, 0, 0, 0, 8, 9, 0x55});
    TReader r(b);
    EXPECT_EQ(r.ReadFloat(), 1000.0L);
    EXPECT_EQ(r.ReadFloat(), 4294967296.0L);
    EXPECT_FALSE(r.ReadBoolean());
    EXPECT_TRUE(r.ReadBoolean());
    EXPECT_THROW(r.ReadBoolean(), EReadError);
  }
  {
    // UTF-16 text (tag 18) is converted to the code page; € becomes 0x80, ✓ is not there.
    const Bytes b = bytesOf({18, 4, 0, 0, 0, 'a', 0, 0xAC, 0x20, 0xFC, 0, 0x13, 0x27});
    TReader r(b);
    EXPECT_EQ(r.ReadString(), "a\x80\xFC?");
  }
  {
    const Bytes b = bytesOf({7, 1, 'a'});
    TReader r(b);
    EXPECT_THROW(r.ReadString(), EReadError);
  }
}

TEST(ElementStream, LyingOrTruncatedDataIsAReadError) {
  const Bytes cases[] = {
      bytesOf({}),                          // nothing at all
      bytesOf({4, 1, 2}),                   // integer cut short
      bytesOf({6, 10, 'a', 'b'}),           // short string longer than the data
      bytesOf({12, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}),  // 2 GiB announced, one byte there
      bytesOf({12, 0xFF, 0xFF, 0xFF, 0xFF}),
      bytesOf({20, 0, 0, 0, 0x40, 0xC3}),
      bytesOf({18, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 0}),
      bytesOf({5, 1, 2, 3}),                // float cut short
  };
  for (const Bytes& b : cases) {
    TReader r(b);
    EXPECT_THROW((void)r.ReadString(), EReadError);
    TReader r2(b);
    EXPECT_THROW((void)r2.ReadFloat(), EReadError);
  }
}

TEST(ValueElements, RoundTripsKeepEveryValue) {
  for (std::int32_t v : {0, -1, 127, -128, 128, -129, 32767, -32768, 32768, -32769,
                         std::numeric_limits<std::int32_t>::max(),
                         std::numeric_limits<std::int32_t>::min()}) {
    TInteger i(v);
    EXPECT_EQ(roundTrip<TInteger>(i)->getValue(), v);
    TLongint l(v);
    EXPECT_EQ(roundTrip<TLongint>(l)->getValue(), v);
    TTColor c(v);
    EXPECT_EQ(roundTrip<TTColor>(c)->getValue(), v);
  }
  for (std::int64_t v : {std::int64_t{0}, std::int64_t{1} << 32, -(std::int64_t{1} << 31) - 1,
                         std::numeric_limits<std::int64_t>::min(),
                         std::numeric_limits<std::int64_t>::max()}) {
    TInt64 i(v);
    EXPECT_EQ(roundTrip<TInt64>(i)->getValue(), v);
  }
  for (int v : {0, 127, 128, 255}) {
    TByte b(static_cast<std::uint8_t>(v));
    EXPECT_EQ(roundTrip<TByte>(b)->getValue(), v);
  }
  for (int v : {0, 32767, 32768, 65535}) {
    TWord w(static_cast<std::uint16_t>(v));
    EXPECT_EQ(roundTrip<TWord>(w)->getValue(), v);
  }
  for (bool v : {false, true}) {
    TBoolean b(v);
    EXPECT_EQ(roundTrip<TBoolean>(b)->getValue(), v);
  }
  for (int v : {0, int('A'), 127, 128, 0x81, 0xFF}) {
    TChar c(static_cast<char>(v));
    EXPECT_EQ(roundTrip<TChar>(c)->getValue(), static_cast<char>(v));
  }
  for (const std::string& s : {std::string(), std::string(255, 'a'), std::string(256, 'b'),
                               std::string("Stra\xDF" "e \x80 \x81\x8D\x8F\x90\x9D \xFF"),
                               std::string(300, '\xE4')}) {
    TString t(s);
    std::string back;
    roundTrip<TString>(t)->getValue(back);
    EXPECT_EQ(back, s);
  }
  TTBruch f(TBruch{-7, 40000});
  TBruch back;
  roundTrip<TTBruch>(f)->getValue(back);
  EXPECT_EQ(back.numerator, -7);
  EXPECT_EQ(back.denominator, 40000);
}

// 2 - 2^-63: all 64 significand bits set, more than a double holds. Read and written
// again unchanged it keeps its bytes wherever it is read; changed, it is the new value's.
TEST(ValueElements, ExtendedKeepsTheBytesItWasReadFromWhileUnchanged) {
  const Bytes file = {streamtags::Extended, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x3f};
  TReader reader(file.data(), file.size());
  TExtended read;
  read.loadValue(reader);
  EXPECT_EQ(saved(read), file);
  EXPECT_EQ(saved(*read.copy()), file);

  TExtended changed(1.5L, 0);
  changed.setImage(read.image());
  TExtended fresh(1.5L, 0);
  EXPECT_EQ(saved(changed), saved(fresh));
}

TEST(ValueElements, ExtendedRoundTripsBitExactly) {
  using L = std::numeric_limits<long double>;
  if (L::digits != 64 || std::numeric_limits<Extended>::digits != 64)
    GTEST_SKIP() << "x87 values; Extended10 covers the wider and narrower types";
  const long double values[] = {0.0L,          -0.0L,         L::quiet_NaN(), L::infinity(),
                                -L::infinity(), L::denorm_min(), L::min() / 3, L::max(),
                                L::lowest(),   L::min(),      1.0L / 3.0L};
  for (long double v : values) {
    TExtended e(v, 0.25L);
    auto back = roundTrip<TExtended>(e);
    const long double got = back->getValue();
    EXPECT_EQ(std::memcmp(&got, &v, 10), 0) << static_cast<double>(v);
    EXPECT_EQ(back->getTolerance(), 0.0L);  // the tolerance is not stored
  }
  TReal r(-0.0, 0.5);
  const double got = roundTrip<TReal>(r)->getValue();
  EXPECT_TRUE(std::signbit(got));
  TReal tiny(std::numeric_limits<double>::denorm_min(), 0);
  EXPECT_EQ(roundTrip<TReal>(tiny)->getValue(), std::numeric_limits<double>::denorm_min());
}

TEST(ValueElements, CharAndMalformedLoads) {
  const Bytes two = bytesOf({6, 2, 'a', 'b'});
  TReader r(two);
  TChar c('x');
  EXPECT_THROW(c.loadValue(r), EReadError);
  EXPECT_EQ(c.getValue(), 'x');

  // The first numerator is kept when the denominator is missing.
  const Bytes half = bytesOf({2, 3});
  TReader r2(half);
  TTBruch f(TBruch{1, 1});
  EXPECT_THROW(f.loadValue(r2), EReadError);
  TBruch v;
  f.getValue(v);
  EXPECT_EQ(v.numerator, 3);
  EXPECT_EQ(v.denominator, 1);
}

TEST(ValueElements, CompareNeedsTheExactClass) {
  TInteger i5(5);
  TLongint l5(5);
  TTColor c5(5);
  EXPECT_EQ(i5.compare(l5), 2);
  EXPECT_EQ(l5.compare(i5), 2);
  EXPECT_EQ(c5.compare(i5), 2);
  TInteger i5b(5), i6(6), im1(-1);
  EXPECT_EQ(i5.compare(i5b), 0);
  EXPECT_EQ(i5.compare(i6), -1);
  EXPECT_EQ(i5.compare(im1), 1);
}

TEST(ValueElements, UnsignedAndTextComparisons) {
  TByte b200(200), b100(100);
  EXPECT_EQ(b200.compare(b100), 1);
  TWord w40000(40000), w1(1);
  EXPECT_EQ(w40000.compare(w1), 1);
  TChar cE4('\xE4'), ca('a');
  EXPECT_EQ(cE4.compare(ca), 1);
  EXPECT_EQ(ca.compare(cE4), -1);
  TString abc("abc"), abd("abd"), ab("ab"), B("B"), a("a"), umlaut("\xE4");
  EXPECT_EQ(abc.compare(abd), -1);
  EXPECT_EQ(ab.compare(abc), -1);
  EXPECT_EQ(abc.compare(ab), 1);
  EXPECT_EQ(B.compare(a), -1);
  EXPECT_EQ(umlaut.compare(a), 1);  // bytes are unsigned
  TInt64 big(std::int64_t{1} << 40), small(-(std::int64_t{1} << 40));
  EXPECT_EQ(big.compare(small), 1);
}

TEST(ValueElements, ToleranceRulesOfRealAndExtended) {
  TReal r1(1.0, 0.5), r14(1.4, 0.0);
  EXPECT_EQ(r1.compare(r14), 0);   // own tolerance 0.5
  EXPECT_EQ(r14.compare(r1), 1);   // own tolerance 0 becomes 1e-12
  TReal a(1e6, 0), b(1e6 + 5e-7, 0), c(1e6 + 2e-6, 0);
  EXPECT_EQ(a.compare(b), 0);      // relative: 1e6 * 1e-12 = 1e-6
  EXPECT_EQ(a.compare(c), -1);

  TExtended e1(1.0L, 0.0L), e14(1.4L, 0.5L);
  EXPECT_EQ(e1.compare(e14), 0);   // the argument's tolerance counts
  EXPECT_EQ(e14.compare(e1), 1);   // e1's tolerance 0 becomes 1e-16
  TExtended x(1.0L, 0.0L), y(1.0L + 5e-17L, 0.0L), z(1.0L + 1e-15L, 0.0L);
  EXPECT_EQ(x.compare(y), 0);
  EXPECT_EQ(x.compare(z), -1);
  TExtended nan(std::numeric_limits<long double>::quiet_NaN(), 0.0L);
  EXPECT_NE(nan.compare(nan), 0);
}

TEST(ValueElements, BooleanAndFractionComparisons) {
  TBoolean f(false), t(true), t2(true);
  EXPECT_EQ(f.compare(t), 1);
  EXPECT_EQ(t.compare(f), 1);
  EXPECT_EQ(t.compare(t2), 0);

  TTBruch half(TBruch{1, 2}), twoQuarters(TBruch{2, 4}), third(TBruch{1, 3});
  EXPECT_EQ(half.compare(twoQuarters), 0);
  EXPECT_EQ(third.compare(half), -1);
  EXPECT_EQ(half.compare(third), 1);
  // 65536 * 65536 wraps to 0 in 32 bits: 65536/1 and 0/65536 "are equal".
  TTBruch wrapA(TBruch{65536, 1}), wrapB(TBruch{0, 65536});
  EXPECT_EQ(wrapA.compare(wrapB), 0);
  // 1/65536 against 32768/1: p = 65536 * 32768 wraps to -2^31, so the small fraction
  // counts as the greater one.
  TTBruch small(TBruch{1, 65536}), large(TBruch{32768, 1});
  EXPECT_EQ(small.compare(large), 1);
}

TEST(ValueElements, CopyKeepsClassValueAndTolerance) {
  TReal r(2.5, 0.75);
  auto c = r.copy();
  auto* rc = dynamic_cast<TReal*>(c.get());
  ASSERT_NE(rc, nullptr);
  EXPECT_EQ(rc->getValue(), 2.5);
  EXPECT_EQ(rc->getTolerance(), 0.75);
  TExtended e(2.5L, 0.125L);
  auto ec = e.copy();
  EXPECT_EQ(dynamic_cast<TExtended&>(*ec).getTolerance(), 0.125L);
  TString s("Ortivo");
  auto sc = s.copy();
  EXPECT_EQ(sc->compare(s), 0);
  EXPECT_STREQ(sc->className(), "TString");
}

TEST(ValueElements, CharPaintsBoldBlackText) {
  RecordingCanvas canvas;
  TChar c('\xE4');
  c.paintValue(canvas, 12, 34);
  ASSERT_EQ(canvas.entries().size(), 1u);
  const auto& e = canvas.entries()[0];
  EXPECT_EQ(e.op, RecordingCanvas::Op::Text);
  EXPECT_EQ(e.x1, 12);
  EXPECT_EQ(e.y1, 34);
  EXPECT_EQ(e.text, "\xC3\xA4");
  EXPECT_EQ(e.font.name, "MS SANS SERIF");
  EXPECT_EQ(e.font.size, 8);
  EXPECT_TRUE(e.font.bold);
  EXPECT_EQ(e.font.color, platform::colors::black);
  EXPECT_EQ(e.penColor, platform::colors::black);
}

TEST(BaseAbort, EveryMissingOperationNamesItselfAndEndsWithFailure) {
  TBase base;
  TInteger i(1);
  RecordingCanvas canvas;
  Bytes out;
  TWriter writer(out);
  const Bytes in = bytesOf({2, 1});
  TReader reader(in);
  struct Case {
    std::function<void()> call;
    const char* op;
  };
  const Case cases[] = {
      {[&] { base.writeValue(); }, "writeValue"},
      {[&] { base.saveValue(writer); }, "saveValue"},
      {[&] { base.loadValue(reader); }, "loadValue"},
      {[&] { (void)base.compare(i); }, "compare"},
      {[&] { (void)i.compare(i, 0.5L); }, "compare"},
      {[&] { (void)base.copy(); }, "copy"},
      {[&] { i.paintValue(canvas, 0, 0); }, "paintValue"},
      {[&] { i.writeValue(); }, "writeValue"},
  };
  for (const Case& c : cases) {
    RecordingMessages recorder;
    try {
      c.call();
      ADD_FAILURE() << c.op << " returned";
    } catch (const ProgramEnded& ended) {
      EXPECT_NE(ended.code, 0);
    }
    ASSERT_EQ(recorder.messages().size(), 1u);
    EXPECT_EQ(recorder.messages()[0].kind, platform::MessageKind::Information);
    EXPECT_EQ(recorder.messages()[0].text,
              std::string("TBase.") + c.op +
                  " wurde nicht überschrieben - das Programm wird daher abgebrochen");
  }
  EXPECT_TRUE(out.empty());
  EXPECT_TRUE(canvas.entries().empty());
}

TEST(ClassRegistry, FindsRegisteredClassesAndMakesDefaultInstances) {
  for (const char* name : {"TBase", "TChar", "TString", "TInteger", "TInt64", "TByte", "TWord",
                           "TLongint", "TReal", "TExtended", "TBoolean", "TTColor", "TTBruch"}) {
    const TClassInfo* info = findClass(name);
    ASSERT_NE(info, nullptr) << name;
    auto instance = info->create();
    EXPECT_STREQ(instance->className(), name);
  }
  EXPECT_TRUE(findClass("TInteger")->loadable);
  EXPECT_FALSE(findClass("TBase")->loadable);
  auto zero = createDefaultInstance("TInt64");
  EXPECT_EQ(dynamic_cast<TInt64&>(*zero).getValue(), 0);
  EXPECT_EQ(findClass("TNichtDa"), nullptr);
  EXPECT_THROW(createDefaultInstance("TNichtDa"), EClassNotFound);
}

TEST(ClassRegistry, ReadElementRefusesUnknownAndUnreadableClasses) {
  const Bytes unknown = concat({shortString("TNichtDa"), bytesOf({2, 1})});
  TReader r1(unknown);
  EXPECT_THROW(readElement(r1), EClassNotFound);
  // TBase would end the program in loadValue; a stream must not be able to do that.
  RecordingMessages recorder;
  const Bytes base = shortString("TBase");
  TReader r2(base);
  EXPECT_THROW(readElement(r2), EReadError);
  EXPECT_TRUE(recorder.messages().empty());
  const Bytes ok = concat({shortString("tinteger"), bytesOf({2, 9})});
  TReader r3(ok);
  auto e = readElement(r3);
  EXPECT_EQ(dynamic_cast<TInteger&>(*e).getValue(), 9);
}
