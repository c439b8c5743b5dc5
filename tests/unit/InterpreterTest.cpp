#include "fakes/FakeHost.h"
#include "fakes/FakeServices.h"
#include "script/CommandTable.h"
#include "script/ScriptFormat.h"
#include "script/VeskScript3.h"

#include <gtest/gtest.h>

namespace {

struct Interpreter : ::testing::Test {
    fakes::Host host;
    fakes::Services services;
    TVeskScript script{host, services, "c:\\setup\\"};

    std::int32_t RunScript(std::string_view text)
    {
        script.Lines = SplitScriptLines(text);
        std::int32_t code = -1;
        script.Run(code);
        return code;
    }
};

std::string_view WordOf(std::string_view commandText)
{
    const CommandRow* row = FindCommand(commandText);
    return row ? row->word : "(none)";
}

} // namespace

TEST(CommandTable, EveryWordFindsItsOwnRow)
{
    for (const CommandRow& row : CommandTable())
        EXPECT_EQ(FindCommand(row.word), &row) << row.word << " is hidden by an earlier row";
}

TEST(CommandTable, ContainmentRowsMatchAnywhereAndTheEarlierRowWins)
{
    EXPECT_EQ(WordOf("xrunx"), "run");
    EXPECT_EQ(WordOf("truncate"), "run");
    EXPECT_EQ(WordOf("create directory -noask"), "create directory");
    EXPECT_EQ(WordOf("copy files and run"), "copy files");
    EXPECT_EQ(WordOf("run deltree"), "deltree");
    EXPECT_EQ(WordOf("set target root directory -x"), "") << "equality rows take no options";
}

TEST(CommandTable, EqualityRowsNeedTheWholeText)
{
    EXPECT_EQ(WordOf("wait message"), "wait message");
    EXPECT_EQ(WordOf("wait  message"), "") << "a doubled blank is an unknown command";
    EXPECT_EQ(WordOf("remarks"), "");
    EXPECT_EQ(WordOf("end"), "end");
    EXPECT_EQ(FindCommand(""), nullptr);
}

TEST_F(Interpreter, AScriptWithoutCommandLinesRunsNothingAndEndsWithCode1)
{
    EXPECT_EQ(RunScript("just text\r\nmore text"), 1);
    EXPECT_EQ(script.LineIndex, 2);
}

TEST_F(Interpreter, EndStopsTheRunWithCode99AndNothingAfterItIsRead)
{
    EXPECT_EQ(RunScript("preamble\r\n<END>\r\n<rem>\r\nx"), 99);
    EXPECT_EQ(script.LineIndex, 2);
}

TEST_F(Interpreter, UnknownCommandsAndRemarksSkipTheirArgumentLines)
{
    EXPECT_EQ(RunScript("<frobnicate>\r\na\r\nb\r\nc\r\n<rem>\r\nd\r\n<remark>\r\n<>\r\ne\r\n< End >\r\nf"), 99);
    EXPECT_EQ(script.LineIndex, 10);
}

TEST_F(Interpreter, ARunWithoutEndStopsAtTheLastLineWithCode1)
{
    EXPECT_EQ(RunScript("<rem>\r\nlast argument"), 1);
}

TEST_F(Interpreter, AnAbortStopsTheRunBeforeTheNextCommand)
{
    script.AbortRequested = true;
    EXPECT_EQ(RunScript("skipped\r\n<rem>\r\n<end>"), 0);
    EXPECT_EQ(script.LineIndex, 2) << "only the lines up to the first command line were read";
}

TEST_F(Interpreter, ExecuteCommandLeavesTheNextCommandTextInTheLine)
{
    script.Lines = SplitScriptLines("x\r\ny\r\n<Next One>");
    std::string line = "  REM ";
    std::int32_t code = -1;
    script.ExecuteCommand(line, code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(line, "Next One");
}
