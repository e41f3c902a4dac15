#include "platform/messages.h"
#include "platform/random.h"
#include "tests/support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <set>

using testing_support::ProgramEnded;
using testing_support::RecordingMessages;

TEST(Messages, RecordingHandlerSeesKindAndTextAndIsRemovedAfterwards) {
  {
    RecordingMessages recorder;
    platform::showMessage(platform::MessageKind::Information, "Die Hilfedatei fehlt");
    ASSERT_EQ(recorder.messages().size(), 1u);
    EXPECT_EQ(recorder.messages()[0].kind, platform::MessageKind::Information);
    EXPECT_EQ(recorder.messages()[0].text, "Die Hilfedatei fehlt");
  }
#if defined(__EMSCRIPTEN__)
  GTEST_SKIP() << "node writes stderr past the descriptor gtest captures";
#endif
  testing::internal::CaptureStderr();
  platform::showMessage(platform::MessageKind::Error, "Unzulässiger Standort");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Fehler: Unzulässiger Standort\n");
}

TEST(Messages, EndProgramReachesTheHandlerWithItsCode) {
  RecordingMessages recorder;
  try {
    platform::endProgram(3);
    FAIL() << "endProgram returned";
  } catch (const ProgramEnded& e) {
    EXPECT_EQ(e.code, 3);
  }
}

TEST(MessagesDeathTest, EndProgramExitsWhenTheHandlerReturns) {
#if GTEST_HAS_DEATH_TEST
  EXPECT_EXIT(
      {
        platform::setEndProgramHandler([](int) {});
        platform::endProgram(4);
      },
      testing::ExitedWithCode(4), "");
#else
  GTEST_SKIP() << "no second process to end here (WebAssembly)";
#endif
}

TEST(Random, IntsStayInRangeAndFractionsBelowOne) {
  platform::setRandomSeed(7);
  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) {
    const int v = platform::randomInt(10);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 10);
    seen.insert(v);
    const long double f = platform::randomFraction();
    ASSERT_GE(f, 0.0L);
    ASSERT_LT(f, 1.0L);
  }
  EXPECT_EQ(seen.size(), 10u);
  EXPECT_EQ(platform::randomInt(0), 0);
}

TEST(Random, SameSeedSameSequence) {
  platform::setRandomSeed(99);
  const int a = platform::randomInt(1000000);
  platform::setRandomSeed(99);
  EXPECT_EQ(platform::randomInt(1000000), a);
}

// One seed, one lesson on every platform: the numbers libstdc++'s
// uniform_int_distribution drew from this seed (n = 1 still takes a draw).
TEST(Random, SeededIntsAreTheSameEverywhere) {
  const struct {
    int n;
    int drawn[4];
  } table[] = {
      {1, {0, 0, 0, 0}},
      {2, {0, 0, 1, 1}},
      {60, {14, 32, 34, 36}},
      {180, {168, 134, 8, 27}},
      {11000, {3724, 10367, 8251, 4694}},
      {2147483647, {2057365975, 982880301, 564888979, 1869998300}},
  };
  platform::setRandomSeed(2024);
  for (const auto& row : table)
    for (int expected : row.drawn) EXPECT_EQ(platform::randomInt(row.n), expected) << row.n;
}

#if defined(__GLIBCXX__)
TEST(Random, IntsAreLibstdcxxUniformIntDistribution) {
  std::mt19937_64 reference;
  for (std::uint64_t seed : {1u, 5489u, 77777u}) {
    platform::setRandomSeed(seed);
    reference.seed(seed);
    for (int i = 0; i < 3000; ++i) {
      const int n = i % 3 == 0 ? 1 + i : i % 3 == 1 ? 2147483647 - i : 2 + i % 360;
      ASSERT_EQ(platform::randomInt(n), std::uniform_int_distribution<int>(0, n - 1)(reference));
    }
  }
}
#endif
