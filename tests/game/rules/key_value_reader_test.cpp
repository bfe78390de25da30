// The one reader of the saved match's and the statistics' words.
#include "game/rules/key_value_reader.h"

#include <gtest/gtest.h>

TEST(KeyValueReader, ReadsKeysNumbersListsAndTheRestOfALine)
{
    TKeyValueReader in("mode 2 last -1\r\nrow 3 5 0 53\nrandom 1 2 3\r\n");
    EXPECT_TRUE(in.Key("mode"));
    EXPECT_EQ(in.Int(0, 2), 2);
    EXPECT_TRUE(in.Key("last"));
    EXPECT_EQ(in.Number(-1, 3), -1) << "a sign where the range is negative";
    EXPECT_EQ(in.List("row", 208, 0, 53), (std::vector<int> { 5, 0, 53 }));
    EXPECT_TRUE(in.Key("random"));
    EXPECT_EQ(in.Rest(), "1 2 3") << "without the CR";
    EXPECT_TRUE(in.AtEnd());
    EXPECT_TRUE(in.Ok()) << in.Error();
}

TEST(KeyValueReader, RefusesWhatIsNotAWholeNumberInRange)
{
    for (const char* word : { "3", "-1", "+1", "1x", "x", "007a", "99999999999999999999", "" }) {
        TKeyValueReader in(word);
        const long long value = in.Number(0, 2);
        EXPECT_FALSE(in.Ok()) << word;
        EXPECT_EQ(value, 0) << word << ": the low bound after a failure";
        EXPECT_EQ(in.Error(), "broj van dozvoljenog opsega") << word;
    }
    TKeyValueReader leadingZeros("007");
    EXPECT_EQ(leadingZeros.Number(0, 10), 7);
    TKeyValueReader huge("999999999999");
    EXPECT_EQ(huge.Number(0, 1'000'000'000'000LL), 999'999'999'999LL);
}

TEST(KeyValueReader, TheFirstFailureSticksWithItsReason)
{
    TKeyValueReader in("decks 1 hand 2 4 5");
    EXPECT_FALSE(in.Key("mode"));
    EXPECT_EQ(in.Error(), "nedostaje polje mode");
    EXPECT_FALSE(in.Key("decks")) << "nothing reads after a failure";
    EXPECT_EQ(in.Int(3, 9), 3);
    EXPECT_TRUE(in.List("hand", 10, 0, 53).empty());
    in.Fail("drugi razlog");
    EXPECT_EQ(in.Error(), "nedostaje polje mode");

    TKeyValueReader list("hand 3 4 5");
    list.List("hand", 10, 0, 53);
    EXPECT_FALSE(list.Ok()) << "a list shorter than its count";
    EXPECT_EQ(list.Error(), "broj van dozvoljenog opsega");
    TKeyValueReader tooLong("hand 11");
    EXPECT_TRUE(tooLong.List("hand", 10, 0, 53).empty());
    EXPECT_FALSE(tooLong.Ok());
    TKeyValueReader extra("end x");
    EXPECT_TRUE(extra.Key("end"));
    EXPECT_FALSE(extra.AtEnd());
}
