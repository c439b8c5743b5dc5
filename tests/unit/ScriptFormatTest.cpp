#include "script/ScriptFormat.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;
using namespace std::string_literals;

TEST(ScriptFormat, CarriageReturnEndsALineAndSwallowsOneLineFeed)
{
    EXPECT_EQ(SplitScriptLines("a\r\nb\rc\r\n\r\nd"), (Lines{"a", "b", "c", "", "d"}));
    EXPECT_EQ(SplitScriptLines("a\r\n\nb"), (Lines{"a", "b"})) << "the second LF trims away as a blank";
}

TEST(ScriptFormat, BareLineFeedsStayInsideOneLine)
{
    EXPECT_EQ(SplitScriptLines("<set title>\nHello\n<end>\n"), (Lines{"<set title>\nHello\n<end>"}));
}

TEST(ScriptFormat, CtrlZEndsTheFile)
{
    EXPECT_EQ(SplitScriptLines("one\r\ntw\x1Ao\r\nthree"), (Lines{"one", "tw"}));
    EXPECT_EQ(SplitScriptLines("\x1A<end>"), Lines{});
}

TEST(ScriptFormat, LastLineNeedsNoLineEndAndAFinalLineEndAddsNoLine)
{
    EXPECT_EQ(SplitScriptLines("a\r\nlast"), (Lines{"a", "last"}));
    EXPECT_EQ(SplitScriptLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(SplitScriptLines(""), Lines{});
}

TEST(ScriptFormat, EveryLineIsTrimmedOfBlanksAndControlCharacters)
{
    EXPECT_EQ(SplitScriptLines("  \t<end>\x01 \r\n\x00x\x00"s), (Lines{"<end>", "x"}));
}

TEST(ScriptFormat, CommandLinesNeedBothBrackets)
{
    EXPECT_TRUE(IsCommandLine("<end>"));
    EXPECT_TRUE(IsCommandLine("<>"));
    EXPECT_TRUE(IsCommandLine("< set title >"));
    EXPECT_FALSE(IsCommandLine("<end> trailing"));
    EXPECT_FALSE(IsCommandLine("<"));
    EXPECT_FALSE(IsCommandLine(">"));
    EXPECT_FALSE(IsCommandLine("end>"));
}
