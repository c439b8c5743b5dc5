#include "fakes/ScriptFixture.h"
#include "services/VeskItemFields.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;
using Shortcut = fakes::Shell::Shortcut;
constexpr unsigned kSimpleBeep = 0xFFFFFFFF;

struct GroupCommands : fakes::ScriptFixture {
    fakes::Shell& shell = services.shell;
    fakes::Panel installPanel;
    fakes::Label infoLabel;
    fakes::Edit editBox;
    fakes::Button nextButton{"&Next >>", &installPanel};
    fakes::Button moreButton{"&More...", &installPanel};

    GroupCommands()
    {
        script.SetControls(nullptr, nullptr, &infoLabel, nullptr, &editBox, &nextButton, nullptr, &moreButton,
                           nullptr);
        script.TargetDir = "c:\\apps\\tool\\";
    }

    // What the user does at the prompt at a virtual time, then "&Next >>".
    void AtPrompt(unsigned long long time, std::function<void()> action)
    {
        host.At(time, [this, action] {
            action();
            nextButton.Click();
        });
    }
};

} // namespace

TEST(ItemFields, SplitAtCommasOutsideQuotes)
{
    EXPECT_EQ(SplitItemFields("\"bin\\tool.exe\" -fast , Tool ,c:\\work"),
              (Texts{"\"bin\\tool.exe\" -fast", "Tool", "c:\\work"}));
    EXPECT_EQ(SplitItemFields("\"a,b.exe\", Name"), (Texts{"\"a,b.exe\"", "Name"}));
    EXPECT_EQ(SplitItemFields("x,,y"), (Texts{"x", "", "y"}));
    EXPECT_EQ(SplitItemFields("x,"), Texts{"x"}) << "a comma at the end adds no field";
    EXPECT_EQ(SplitItemFields("x, \"last\""), (Texts{"x", "\"last\""})) << "a closing quote still ends the field";
    EXPECT_EQ(SplitItemFields(""), Texts{});
    EXPECT_EQ(SplitItemFields("\"open, x"), Texts{"\"open, x"}) << "an unbalanced quote keeps the rest together";
}

TEST(ItemFields, QuotedPathAndArguments)
{
    Texts parts;
    SplitQuotedPath(" ignored \" bin\\tool.exe \" -fast \"x\" ", parts);
    EXPECT_EQ(parts, (Texts{"bin\\tool.exe", "-fast \"x\""}));
    SplitQuotedPath("\"tool.exe\"", parts);
    EXPECT_EQ(parts, (Texts{"tool.exe", ""}));
    SplitQuotedPath("tool.exe -fast", parts);
    EXPECT_EQ(parts, Texts{});
    SplitQuotedPath("\"tool.exe", parts);
    EXPECT_EQ(parts, Texts{});
}

TEST_F(GroupCommands, ThePromptOffersTheDefaultAndCreatesTheGroupFolder)
{
    bool promptShown = false;
    AtPrompt(100, [&] {
        promptShown = infoLabel.Caption() == "Program group:" && editBox.Text() == "Example Tools" &&
                      !editBox.IsReadOnly() && moreButton.IsEnabled();
    });
    EXPECT_EQ(Run("<create program group>\r\nExample Tools\r\n<end>"), 99);
    EXPECT_TRUE(promptShown);
    EXPECT_EQ(script.ProgramGroup, "Example Tools");
    EXPECT_EQ(shell.groups, Texts{"c:\\Start Menu\\Programs|Example Tools"});
    EXPECT_FALSE(moreButton.IsEnabled());
    EXPECT_FALSE(moreButton.OnClick());
}

TEST_F(GroupCommands, AnInvalidNameIsRefusedUntilTheUserCorrectsIt)
{
    AtPrompt(100, [] {});
    AtPrompt(200, [&] {
        EXPECT_FALSE(moreButton.IsEnabled()) << "More stays disabled during the repeats";
        editBox.SetText("Games old");
    });
    Run("<create program group>\r\nGames (old)\r\n<end>");
    EXPECT_EQ(host.messages, Texts{"Invalid program group name: \r\nGames (old)\r\nspecify another program group name."});
    EXPECT_EQ(script.ProgramGroup, "Games old");
}

TEST_F(GroupCommands, TheKeyFilterRefusesTheBackslashAndPunctuation)
{
    AtPrompt(100, [&] {
        for (char key : std::string("a\\(b)_1")) {
            editBox.OnKeyPress()(key);
            if (key)
                editBox.SetText(editBox.Text() + key);
        }
    });
    Run("<create program group>\r\nG\r\n<end>");
    EXPECT_EQ(script.ProgramGroup, "Gab_1");
    EXPECT_EQ(host.beeps, (std::vector<unsigned>{kSimpleBeep, kSimpleBeep, kSimpleBeep}));
}

TEST_F(GroupCommands, MorePutsANonBlankAnswerOfTheDialogInTheEditBox)
{
    host.groupChoices = {"   ", "Accessories"};
    AtPrompt(100, [&] {
        moreButton.Click();
        EXPECT_EQ(editBox.Text(), "Tools") << "a blank answer changes nothing";
        moreButton.Click();
    });
    Run("<create program group>\r\nTools\r\n<end>");
    EXPECT_EQ(script.ProgramGroup, "Accessories");
}

TEST_F(GroupCommands, NoAskTakesTheNameUncheckedAndAMissingArgumentChangesNothing)
{
    script.ProgramGroup = "Before";
    Run("<create program group>\r\n<create program group -NOASK>\r\nTools & Games\r\n<end>");
    EXPECT_EQ(host.now, 0u);
    EXPECT_EQ(script.ProgramGroup, "Tools & Games");
    EXPECT_EQ(shell.groups, Texts{"c:\\Start Menu\\Programs|Tools & Games"});
}

TEST_F(GroupCommands, QuitDuringThePromptMakesNoGroup)
{
    host.At(100, [&] { script.RequestAbort(); });
    EXPECT_EQ(Run("<create program group>\r\nTools\r\n<end>"), 0);
    EXPECT_EQ(script.ProgramGroup, "");
    EXPECT_TRUE(shell.groups.empty());
}

TEST_F(GroupCommands, ItemsGoIntoTheGroupWithPathsUnderTheTargetDirectory)
{
    script.ProgramGroup = "Tools";
    shell.existingTargets = {"c:\\apps\\tool\\bin\\tool.exe", "c:\\apps\\tool\\readme.txt"};
    EXPECT_EQ(Run("<create program items>\r\n\"bin\\missing.exe\", Missing\r\n\"bin\\tool.exe\" -fast, Tool, c:\\work\r\n"
                  "\"readme.txt\"\r\nno quotes.exe, Never\r\n<end>"),
              99);
    EXPECT_EQ(shell.shortcuts,
              (std::vector<Shortcut>{
                  {"c:\\Start Menu\\Programs\\Tools\\Tool.lnk", "c:\\apps\\tool\\bin\\tool.exe", "-fast", "c:\\work"},
                  {"c:\\Start Menu\\Programs\\Tools\\.lnk", "c:\\apps\\tool\\readme.txt", "", "c:\\apps\\tool\\"}}));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(host.busy);
}

TEST_F(GroupCommands, TheFirstFolderOptionPresentChoosesTheFolder)
{
    script.ProgramGroup = "Tools";
    shell.existingTargets = {"c:\\apps\\tool\\t.exe"};
    Run("<create program items -desktop -startup>\r\n\"t.exe\", A\r\n<create program items -DESKTOP>\r\n\"t.exe\", B\r\n"
        "<create program items -programs>\r\n\"t.exe\", C\r\n<create program items -startmenu>\r\n\"t.exe\", D\r\n<end>");
    ASSERT_EQ(shell.shortcuts.size(), 4u);
    EXPECT_EQ(shell.shortcuts[0].file, "c:\\Start Menu\\Programs\\Startup\\A.lnk");
    EXPECT_EQ(shell.shortcuts[1].file, "c:\\Desktop\\B.lnk");
    EXPECT_EQ(shell.shortcuts[2].file, "c:\\Start Menu\\Programs\\C.lnk");
    EXPECT_EQ(shell.shortcuts[3].file, "c:\\Start Menu\\D.lnk");
}

TEST_F(GroupCommands, ItemsBeforeAnyGroupGoIntoTheProgramsFolderAndACommandLineEndsThem)
{
    shell.existingTargets = {"c:\\apps\\tool\\t.exe"};
    Run("<create program items>\r\n\"t.exe\", T\r\n<set source directory>\r\ndisk2\r\n<end>");
    ASSERT_EQ(shell.shortcuts.size(), 1u);
    EXPECT_EQ(shell.shortcuts[0].file, "c:\\Start Menu\\Programs\\T.lnk");
    EXPECT_EQ(script.SourceDir, "c:\\setup\\disk2\\");
}
