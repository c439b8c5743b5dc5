#include "services/VeskStringUtil.h"

#include <gtest/gtest.h>

TEST(IsValidName, AcceptsExactlyTheNameCharacters)
{
    EXPECT_TRUE(IsValidName("My Programs"));
    EXPECT_TRUE(IsValidName("c:\\x"));
    EXPECT_TRUE(IsValidName("A-Z_0.9!"));
    EXPECT_TRUE(IsValidName("   "));
    EXPECT_TRUE(IsValidName("..."));
    EXPECT_FALSE(IsValidName(""));
    EXPECT_FALSE(IsValidName("Tools & Games"));
    EXPECT_FALSE(IsValidName("Games (old)"));

    int accepted = 0;
    for (int code = 1; code < 256; ++code)
        accepted += IsValidName(std::string(1, static_cast<char>(code)));
    EXPECT_EQ(accepted, 69);
    for (char refused : std::string("&'(),/+#$%@;=[]{}~\"*?<>|\t\xE9"))
        EXPECT_FALSE(IsValidName(std::string("a") + refused)) << refused;
}

TEST(LastPos, FindsTheRightMostOccurrenceCaseSensitively)
{
    EXPECT_EQ(LastPos("\\", "c:\\a\\b"), 5);
    EXPECT_EQ(LastPos("\\", "abc"), 0);
    EXPECT_EQ(LastPos("\\", ""), 0);
    EXPECT_EQ(LastPos("ab", "abxab"), 4);
    EXPECT_EQ(LastPos("AB", "abxab"), 0);
    EXPECT_EQ(LastPos("", "abc"), 3) << "an empty part matches at once, at the last position";
    EXPECT_EQ(LastPos("abcd", "abc"), 0);
}

TEST(SubStrAt, ComparesThePieceAtAPosition)
{
    EXPECT_TRUE(SubStrAt("b", "abc", 2));
    EXPECT_FALSE(SubStrAt("bcd", "abc", 2)) << "the piece is shorter where the text ends";
    EXPECT_TRUE(SubStrAt("", "abc", 9)) << "beyond the end the piece is empty";
    EXPECT_FALSE(SubStrAt("x", "abc", 9));
}

TEST(ReplaceFirst, ReplacesOnlyTheFirstOccurrence)
{
    std::string command = "notepad %1 %1";
    ReplaceFirst("%1", command, "c:\\a.txt");
    EXPECT_EQ(command, "notepad c:\\a.txt %1");

    std::string unchanged = "notepad";
    ReplaceFirst("%1", unchanged, "x");
    EXPECT_EQ(unchanged, "notepad");
    ReplaceFirst("", unchanged, "x");
    EXPECT_EQ(unchanged, "notepad");

    std::string notSearchedAgain = "%1";
    ReplaceFirst("%1", notSearchedAgain, "%1%1");
    EXPECT_EQ(notSearchedAgain, "%1%1");
}

TEST(TryParseInt32, DecimalWithSignOrDollarHex)
{
    std::int32_t value = 0;
    EXPECT_TRUE(TryParseInt32("-2147483648", value));
    EXPECT_EQ(value, INT32_MIN);
    EXPECT_TRUE(TryParseInt32("2147483647", value));
    EXPECT_EQ(value, INT32_MAX);
    EXPECT_TRUE(TryParseInt32("$7fffFFFF", value));
    EXPECT_EQ(value, INT32_MAX);
    value = 42;
    EXPECT_FALSE(TryParseInt32("2147483648", value));
    EXPECT_FALSE(TryParseInt32("$100000000", value));
    EXPECT_FALSE(TryParseInt32("$", value));
    EXPECT_FALSE(TryParseInt32("-", value));
    EXPECT_FALSE(TryParseInt32("", value));
    EXPECT_FALSE(TryParseInt32("0x10", value));
    EXPECT_FALSE(TryParseInt32("1 000", value));
    EXPECT_EQ(value, 42) << "a refused text leaves the value alone";
}
