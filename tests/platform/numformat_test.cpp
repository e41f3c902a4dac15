#include "platform/numformat.h"

#include <gtest/gtest.h>

using platform::formatFixed;

TEST(FormatFixed, placeholder) { EXPECT_EQ(formatFixed(1.5L, 3, 18, ","), "1,500"); }
