#include "containers/fifoclss.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/containers/testHelpers.h"
#include "tests/support/RecordingMessages.h"

using namespace containers_test;
using testing_support::RecordingMessages;

namespace {

std::unique_ptr<TInteger> num(std::int32_t v) { return std::make_unique<TInteger>(v); }

std::int32_t frontValue(const TFifo& q) { return dynamic_cast<TInteger&>(*q.front()).getValue(); }

std::vector<std::int32_t> drain(TFifo& q) {
  std::vector<std::int32_t> out;
  while (!q.empty()) {
    out.push_back(frontValue(q));
    q.del();
  }
  return out;
}

std::string tempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("ortivo_fifo_" + name)).string();
}

Bytes readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

using V = std::vector<std::int32_t>;

}  // namespace

TEST(Fifo, FirstInFirstOut) {
  TFifo q;
  EXPECT_TRUE(q.empty());
  EXPECT_EQ(q.front(), nullptr);
  q.del();  // silent when empty
  q.insert(num(1));
  q.insert(num(2));
  q.insert(num(3));
  q.del();
  EXPECT_EQ(frontValue(q), 2);
  EXPECT_EQ(q.count(), 2);
  q.del();
  q.del();
  EXPECT_TRUE(q.empty());
  // The tail went back to the head: a new element is at the front.
  q.insert(num(9));
  EXPECT_EQ(frontValue(q), 9);
  q.insert(num(10));
  EXPECT_EQ(drain(q), (V{9, 10}));
}

TEST(Fifo, ConcatAndCopy) {
  TFifo q;
  q.insert(num(1));
  q.insert(num(2));
  auto other = std::make_unique<TFifo>();
  other->insert(num(3));
  EXPECT_TRUE(q.concat(std::move(other)));
  EXPECT_EQ(other, nullptr);  // destroyed
  auto copied = q.copy();
  auto& c = dynamic_cast<TFifo&>(*copied);
  c.del();
  EXPECT_EQ(q.count(), 3);
  EXPECT_EQ(drain(c), (V{2, 3}));
  EXPECT_EQ(drain(q), (V{1, 2, 3}));
}

TEST(Fifo, ConcatWithItselfIsRefused) {
  auto q = std::make_unique<TFifo>();
  q->insert(num(1));
  q->insert(num(2));
  TFifo* raw = q.get();
  EXPECT_FALSE(raw->concat(std::move(q)));
  ASSERT_NE(q, nullptr);
  EXPECT_EQ(drain(*q), (V{1, 2}));
}

TEST(Fifo, OverflowIsRefusedAndLeavesTheElementWithTheCaller) {
  TFifo q;
  for (int i = 0; i < 65535; ++i) ASSERT_TRUE(q.insert(num(i)));
  RecordingMessages recorder;
  auto extra = num(-1);
  EXPECT_FALSE(q.insert(std::move(extra)));
  ASSERT_NE(extra, nullptr);
  EXPECT_EQ(q.count(), 65535);
  ASSERT_EQ(recorder.messages().size(), 1u);
  EXPECT_EQ(recorder.messages()[0].kind, platform::MessageKind::Error);
  EXPECT_EQ(recorder.messages()[0].text, "Überlauf");
}

TEST(Fifo, FileFormatAndRoundTrip) {
  const std::string path = tempPath("queue.bin");
  TFifo empty;
  empty.save(path);
  EXPECT_EQ(readFile(path), bytesOf({2, 0}));
  TFifo loaded;
  loaded.insert(num(5));
  loaded.load(path);
  EXPECT_TRUE(loaded.empty());

  TFifo q;
  q.insert(num(300));
  q.insert(std::make_unique<TString>("Warteschlange"));
  q.insert(std::make_unique<TReal>(0.1, 0.0));
  q.save(path);
  const Bytes bytes = readFile(path);
  const Bytes head = concat({bytesOf({2, 3}), shortString("TInteger"), bytesOf({3, 0x2C, 1})});
  ASSERT_GE(bytes.size(), head.size());
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(head.size())), head);
  loaded.load(path);
  ASSERT_EQ(loaded.count(), 3);
  EXPECT_EQ(frontValue(loaded), 300);
  loaded.del();
  std::string text;
  dynamic_cast<TString&>(*loaded.front()).getValue(text);
  EXPECT_EQ(text, "Warteschlange");
  loaded.del();
  EXPECT_EQ(dynamic_cast<TReal&>(*loaded.front()).getValue(), 0.1);
  std::remove(path.c_str());
}

TEST(Fifo, MalformedStreamsKeepWhatWasRead) {
  const Bytes lying = concat({bytesOf({4, 0xFF, 0xFF, 0xFF, 0x7F}), shortString("TByte"),
                              bytesOf({3, 200, 0}), shortString("TByte")});
  TFifo q;
  TReader reader(lying);
  EXPECT_THROW(q.loadFrom(reader), EReadError);
  ASSERT_EQ(q.count(), 1);
  EXPECT_EQ(dynamic_cast<TByte&>(*q.front()).getValue(), 200);
  EXPECT_THROW(q.load("/nonexistent/dir/q.bin"), EFileError);
}
