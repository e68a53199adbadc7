#include "app/format_score.h"

#include <gtest/gtest.h>

TEST(FormatScore, PadsToSixCharactersOnly)
{
    EXPECT_EQ(FormatScore(0), "000000");
    EXPECT_EQ(FormatScore(1234), "001234");
    EXPECT_EQ(FormatScore(1234567), "1234567");
    EXPECT_EQ(FormatScore(-5), "0000-5");
}
