#include "fakes/FakeControls.h"
#include "fakes/FakeHost.h"
#include "fakes/FakeServices.h"
#include "script/ScriptFormat.h"
#include "script/VeskScript3.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

struct ScriptObject : ::testing::Test {
    fakes::Host host;
    fakes::Services services;
    TVeskScript script{host, services, "c:\\setup"};
    fakes::Button next{"&Next >>"};
    fakes::Button more{"&More..."};
    fakes::Label info;
    fakes::Edit edit;

    void Load(std::string_view text) { script.Lines = SplitScriptLines(text); }
    void HandOver() { script.SetControls(nullptr, nullptr, &info, nullptr, &edit, &next, nullptr, &more, nullptr); }
};

std::filesystem::path WriteTempFile(const std::string& name, std::string_view bytes)
{
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

} // namespace

TEST_F(ScriptObject, StartsWithNormalisedProgramDirAsSourceAndEmptyTargets)
{
    EXPECT_EQ(script.ProgramDir, "c:\\setup\\");
    EXPECT_EQ(script.SourceDir, "c:\\setup\\");
    EXPECT_EQ(script.TargetRootDir, "");
    EXPECT_EQ(script.TargetDir, "");
    EXPECT_EQ(script.Separator, ',');
    EXPECT_FALSE(script.AbortRequested);
}

TEST_F(ScriptObject, HandOverDisablesTheMoreButton)
{
    HandOver();
    EXPECT_FALSE(more.IsEnabled());
    EXPECT_EQ(script.NextButton, &next);
}

TEST_F(ScriptObject, OpenScriptLoadsEveryLineAndRewinds)
{
    const auto path = WriteTempFile("vesk-open.script", "<set title>\r\n\r\n  Hello  \r\n<end>");
    script.LineIndex = 7;
    std::int32_t code = -5;
    std::string error = "stale";
    script.OpenScript(path.string(), code, error);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(error, "");
    EXPECT_EQ(script.LineIndex, 0);
    EXPECT_EQ(script.Lines, (std::vector<std::string>{"<set title>", "", "Hello", "<end>"}));
    std::filesystem::remove(path);
}

TEST_F(ScriptObject, OpenScriptOfAMissingFileFailsAndKeepsTheLines)
{
    script.Lines = {"kept"};
    std::int32_t code = 0;
    std::string error;
    script.OpenScript((std::filesystem::temp_directory_path() / "vesk-no-such.script").string(), code, error);
    EXPECT_EQ(code, -1);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(script.Lines, std::vector<std::string>{"kept"});
}

TEST_F(ScriptObject, ReadLineSkipsEmptyLinesAndStripsCommandBracketsOnly)
{
    Load("\r\n   \r\n< Set Title >\r\n\r\n  Hello, World \r\n<>\r\n<x> y");
    std::string line;
    bool isCommand = true;
    std::int32_t code = -7;

    script.ReadLine(line, isCommand, code);
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(isCommand);
    EXPECT_EQ(line, " Set Title ") << "case and inner blanks stay until the interpreter folds them";

    script.ReadLine(line, isCommand, code);
    EXPECT_FALSE(isCommand);
    EXPECT_EQ(line, "Hello, World");

    script.ReadLine(line, isCommand, code);
    EXPECT_TRUE(isCommand);
    EXPECT_EQ(line, "");

    script.ReadLine(line, isCommand, code);
    EXPECT_FALSE(isCommand);
    EXPECT_EQ(line, "<x> y");

    script.ReadLine(line, isCommand, code);
    EXPECT_EQ(code, 1);
    EXPECT_FALSE(isCommand);
    EXPECT_EQ(line, "");
    script.ReadLine(line, isCommand, code);
    EXPECT_EQ(code, 1) << "the end of the lines stays the end";
}

TEST_F(ScriptObject, GetFieldSplitsAtTheSeparatorAndTrimsEachField)
{
    const std::string line = "readme.txt ,  doc\\readme.txt,,last ";
    EXPECT_EQ(script.GetField(1, line), "readme.txt");
    EXPECT_EQ(script.GetField(2, line), "doc\\readme.txt");
    EXPECT_EQ(script.GetField(3, line), "");
    EXPECT_EQ(script.GetField(4, line), "last");
    EXPECT_EQ(script.GetField(5, line), "");
    EXPECT_EQ(script.GetField(0, line), "");
    EXPECT_EQ(script.GetField(-1, line), "");
    EXPECT_EQ(script.GetField(1, " whole "), " whole ") << "a line without separator is its own first field";
    EXPECT_EQ(script.GetField(2, "whole"), "");
    EXPECT_EQ(script.GetField(2, "a,"), "");
}

TEST_F(ScriptObject, WaitForNextEndsAtTheClickAndPutsTheOldActionBack)
{
    HandOver();
    int oldClicks = 0;
    next.OnClick() = [&] { ++oldClicks; };
    next.SetVisible(false);
    next.SetEnabled(false);
    host.At(1000, [&] {
        EXPECT_TRUE(next.IsVisible());
        EXPECT_TRUE(next.IsEnabled());
        EXPECT_TRUE(script.WaitingForNext);
        next.Click();
    });

    script.WaitForNext("");

    EXPECT_FALSE(script.WaitingForNext);
    EXPECT_EQ(host.now, 1000u);
    EXPECT_EQ(next.Caption(), "&Next >>") << "an empty caption leaves the caption as it is";
    EXPECT_EQ(oldClicks, 0);
    next.Click();
    EXPECT_EQ(oldClicks, 1);
}

TEST_F(ScriptObject, WaitForNextSetsACaptionAndEndsWithin100msOfAnAbort)
{
    HandOver();
    host.At(450, [&] { script.RequestAbort(); });
    script.WaitForNext("&Install");
    EXPECT_EQ(next.Caption(), "&Install");
    EXPECT_EQ(host.now, 500u);
    EXPECT_TRUE(script.AbortRequested);
}

TEST_F(ScriptObject, WaitForNextPutsTheActionBackWhenAnErrorLeavesTheWait)
{
    HandOver();
    bool oldRan = false;
    next.OnClick() = [&] { oldRan = true; };
    host.At(200, [] { throw std::runtime_error("boom"); });
    EXPECT_THROW(script.WaitForNext(""), std::runtime_error);
    next.Click();
    EXPECT_TRUE(oldRan);
}

TEST_F(ScriptObject, WaitForNextWithoutAButtonReturnsAtOnce)
{
    script.WaitForNext("x");
    EXPECT_EQ(host.now, 0u);
    EXPECT_FALSE(script.WaitingForNext);
}

TEST_F(ScriptObject, LabelAndEditBoxServicesShowTheirControls)
{
    HandOver();
    info.SetVisible(false);
    edit.SetVisible(false);
    more.SetVisible(false);
    script.SetInfoLabel("Install directory");
    script.SetEditBox("c:\\Product", false);
    EXPECT_EQ(info.Caption(), "Install directory");
    EXPECT_TRUE(info.IsVisible());
    EXPECT_EQ(edit.Text(), "c:\\Product");
    EXPECT_TRUE(edit.IsVisible());
    EXPECT_FALSE(edit.IsReadOnly());
    EXPECT_TRUE(more.IsVisible());
    EXPECT_FALSE(more.IsEnabled()) << "showing the edit box leaves the More button's enabled state alone";
}
