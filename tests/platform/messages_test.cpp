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
  EXPECT_EXIT(
      {
        platform::setEndProgramHandler([](int) {});
        platform::endProgram(4);
      },
      testing::ExitedWithCode(4), "");
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
