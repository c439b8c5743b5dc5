#include "fakes/ScriptFixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using Lines = std::vector<std::string>;

// The main window in fakes: the introduction panel in front, its button switching to the installation panel.
struct ScreenCommands : fakes::ScriptFixture {
    fakes::Panel aboutPanel;
    fakes::Panel installPanel;
    fakes::Memo openingMemo;
    fakes::Memo messageMemo;
    fakes::Label infoLabel;
    fakes::Label titleLabel;
    fakes::Edit editBox;
    fakes::Button nextButton{"&Next >>", &installPanel};
    fakes::Button quitButton{"&Quit", &installPanel};
    fakes::Button moreButton{"&More...", &installPanel};
    fakes::Button openingButton{"&Next >>", &aboutPanel};
    int panelSwitches = 0;

    ScreenCommands()
    {
        installPanel.SetVisible(false);
        openingButton.OnClick() = [this] {
            ++panelSwitches;
            aboutPanel.SetVisible(false);
            installPanel.SetVisible(true);
        };
        script.SetControls(&openingMemo, &messageMemo, &infoLabel, &titleLabel, &editBox, &nextButton, &quitButton,
                           &moreButton, &openingButton);
    }

    // Presses "&Next >>" at the given virtual time, noting its caption then.
    void PressNextAt(unsigned long long time, std::string* captionSeen = nullptr)
    {
        host.At(time, [this, captionSeen] {
            if (captionSeen)
                *captionSeen = nextButton.Caption();
            nextButton.Click();
        });
    }

    // Runs a script holding a single "sleep" and tells how long it paused.
    unsigned long long SleepOf(const std::string& argument)
    {
        host.now = 0;
        Run("<sleep>\r\n" + argument + "\r\n<end>");
        return host.now;
    }
};

class ThrowingMemo : public fakes::Memo {
public:
    void AddLine(const std::string&) override { throw std::runtime_error("cannot add"); }
};

} // namespace

TEST_F(ScreenCommands, SetMessageFillsTheAreaInOneBatchWithBlankLinesForEmptyLineMarkers)
{
    messageMemo.lines = {"old"};
    EXPECT_EQ(Run("<set message>\r\nFirst line\r\n#EmptyLine\r\n\r\nLast, with comma\r\n<end>"), 99);
    EXPECT_EQ(messageMemo.lines, (Lines{"First line", " ", "Last, with comma"}));
    EXPECT_EQ(messageMemo.updateDepth, 0);
}

TEST_F(ScreenCommands, SetMessageWithoutArgumentLinesEmptiesTheArea)
{
    messageMemo.lines = {"old"};
    EXPECT_EQ(Run("<set message>\r\n<set title>\r\nNext"), 1);
    EXPECT_EQ(messageMemo.lines, Lines{});
    EXPECT_EQ(titleLabel.Caption(), "Next");
}

TEST_F(ScreenCommands, ACaptionFromWaitButtonStaysUntilWaitMessageResetsIt)
{
    std::string first, second, third;
    PressNextAt(100, &first);
    PressNextAt(200, &second);
    PressNextAt(300, &third);
    EXPECT_EQ(Run("<wait button>\r\n&Install\r\n<wait button>\r\n<wait message>\r\nDone\r\n<end>"), 99);
    EXPECT_EQ(first, "&Install");
    EXPECT_EQ(second, "&Install") << "a wait button followed by a command line keeps the caption";
    EXPECT_EQ(third, "&Next >>");
    EXPECT_EQ(messageMemo.lines, Lines{"Done"});
}

TEST_F(ScreenCommands, AHiddenNextButtonReappearsForTheNextWait)
{
    bool visibleAtWait = false;
    host.At(100, [&] {
        visibleAtWait = nextButton.IsVisible();
        nextButton.Click();
    });
    EXPECT_EQ(Run("<hide button>\r\n<wait button>\r\n<end>"), 99);
    EXPECT_TRUE(visibleAtWait);
}

TEST_F(ScreenCommands, WaitOpeningTextLateInAScriptBringsTheIntroductionBackUntilItsButtonIsPressed)
{
    aboutPanel.SetVisible(false);
    installPanel.SetVisible(true);
    bool aboutShownDuringWait = false;
    host.At(500, [&] {
        aboutShownDuringWait = aboutPanel.IsVisible() && aboutPanel.broughtToFront == 1;
        openingButton.Click();
    });
    EXPECT_EQ(Run("<set title>\r\nT\r\n<wait openingtext>\r\nWelcome\r\n#emptyline\r\nto it\r\n<end>"), 99);
    EXPECT_TRUE(aboutShownDuringWait);
    EXPECT_EQ(openingMemo.lines, (Lines{"Welcome", " ", "to it"}));
    EXPECT_EQ(host.now, 500u);
    EXPECT_FALSE(aboutPanel.IsVisible());
    EXPECT_TRUE(installPanel.IsVisible());
    EXPECT_EQ(panelSwitches, 1) << "the button's own action ran once, after the wait";
    openingButton.Click();
    EXPECT_EQ(panelSwitches, 2) << "the button's own action is back";
}

TEST_F(ScreenCommands, AnAbortEndsTheOpeningWaitSwitchesPanelsAndStopsTheRun)
{
    host.At(300, [&] { script.RequestAbort(); });
    EXPECT_EQ(Run("<wait openingtext>\r\nWelcome\r\n<set title>\r\nNever"), 0);
    EXPECT_EQ(panelSwitches, 1);
    EXPECT_TRUE(installPanel.IsVisible());
    EXPECT_EQ(titleLabel.Caption(), "");
}

TEST_F(ScreenCommands, AnOpeningButtonOffAPanelBeepsSaysSoAndStillWaits)
{
    fakes::Button loose{"&Next >>", nullptr};
    script.OpeningButton = &loose;
    host.At(200, [&] { loose.Click(); });
    EXPECT_EQ(Run("<wait openingtext>\r\nHello\r\n<end>"), 99);
    EXPECT_EQ(host.beeps, std::vector<unsigned>{0xFFFFFFFF});
    EXPECT_EQ(host.messages, Lines{"Illegal condition in Wait Opening text command: \r\nparent <> TPanel"});
    EXPECT_EQ(host.now, 200u);
}

TEST_F(ScreenCommands, SleepRoundsUpToWholeStepsAndStopsAtTwentySeconds)
{
    EXPECT_EQ(SleepOf("250"), 300u);
    EXPECT_EQ(SleepOf("100"), 100u);
    EXPECT_EQ(SleepOf("+1"), 100u);
    EXPECT_EQ(SleepOf("$FA"), 300u);
    EXPECT_EQ(SleepOf("50000"), 20000u);
    EXPECT_EQ(SleepOf("0"), 0u);
    EXPECT_EQ(SleepOf("-500"), 0u);
    EXPECT_EQ(SleepOf("a while"), 0u);
    EXPECT_EQ(SleepOf("12ms"), 0u);
    EXPECT_EQ(SleepOf("2147483648"), 0u) << "out of the 32-bit range";
    EXPECT_EQ(SleepOf("$FFFFFFFF"), 0u) << "a 32-bit pattern of -1";
    EXPECT_EQ(SleepOf("<end>"), 0u) << "a command line in place of the argument";
}

TEST_F(ScreenCommands, AQuitDuringASleepTakesEffectWhenThePauseRunsOut)
{
    host.At(150, [&] { script.RequestAbort(); });
    EXPECT_EQ(Run("<sleep>\r\n1000\r\n<set title>\r\nNever"), 0);
    EXPECT_EQ(host.now, 1000u);
    EXPECT_EQ(titleLabel.Caption(), "");
    EXPECT_GE(host.pumps, 10) << "the window stays responsive during the pause";
}

TEST_F(ScreenCommands, ReadOnlyEditBoxComparesTheTrimmedLowerCasedArgumentWithTrue)
{
    Run("<readonly editbox>\r\n  TRUE\r\n<end>");
    EXPECT_TRUE(editBox.IsReadOnly());
    Run("<readonly editbox>\r\n<end>");
    EXPECT_TRUE(editBox.IsReadOnly()) << "a command line in place of the argument changes nothing";
    Run("<readonly editbox>\r\nyes\r\n<end>");
    EXPECT_FALSE(editBox.IsReadOnly());
    editBox.SetReadOnly(true);
    Run("<readonly editbox>");
    EXPECT_FALSE(editBox.IsReadOnly()) << "at the end of the lines the edit box becomes editable";
}

TEST_F(ScreenCommands, SetEditBoxDropsTheKeyFilterAndShowsAnEditableBoxWithMore)
{
    editBox.OnKeyPress() = [](char& key) { key = 0; };
    editBox.SetVisible(false);
    moreButton.SetVisible(false);
    Run("<set editbox>\r\nc:\\Product\r\n<end>");
    EXPECT_FALSE(editBox.OnKeyPress());
    EXPECT_EQ(editBox.Text(), "c:\\Product");
    EXPECT_TRUE(editBox.IsVisible());
    EXPECT_FALSE(editBox.IsReadOnly());
    EXPECT_TRUE(moreButton.IsVisible());
    EXPECT_FALSE(moreButton.IsEnabled()) << "outside a prompt More stays disabled";

    editBox.OnKeyPress() = [](char& key) { key = 0; };
    Run("<set editbox>\r\n<end>");
    EXPECT_FALSE(editBox.OnKeyPress()) << "the filter goes even without an argument";
    EXPECT_EQ(editBox.Text(), "c:\\Product");
}

TEST_F(ScreenCommands, LabelAndTitleChangeOnlyWhenAnArgumentLineOrTheEndStandsThere)
{
    Run("<set label>\r\nInstall directory\r\n<set title>\r\nWelcome\r\n<end>");
    EXPECT_EQ(infoLabel.Caption(), "Install directory");
    EXPECT_EQ(titleLabel.Caption(), "Welcome");

    Run("<set label>\r\n<set title>\r\n<end>");
    EXPECT_EQ(infoLabel.Caption(), "Install directory");
    EXPECT_EQ(titleLabel.Caption(), "Welcome");

    titleLabel.SetVisible(false);
    Run("<set title>");
    EXPECT_EQ(titleLabel.Caption(), "");
    EXPECT_TRUE(titleLabel.IsVisible());
}

TEST_F(ScreenCommands, HideAndShowCommandsWorkOnTheirControlsOnly)
{
    Run("<hide editbox>\r\n<hide label>\r\n<hide title>\r\n<hide quitbutton>\r\n<end>");
    EXPECT_FALSE(editBox.IsVisible());
    EXPECT_FALSE(moreButton.IsVisible());
    EXPECT_FALSE(infoLabel.IsVisible());
    EXPECT_FALSE(titleLabel.IsVisible());
    EXPECT_FALSE(quitButton.IsVisible());
    EXPECT_TRUE(nextButton.IsVisible());
    Run("<show quitbutton>\r\n<end>");
    EXPECT_TRUE(quitButton.IsVisible());
}

TEST_F(ScreenCommands, ScreenCommandsDoNothingWithControlsThatWereNotHandedOver)
{
    script.SetControls(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(Run("<set message>\r\nx\r\n<wait message>\r\ny\r\n<wait openingtext>\r\nz\r\n<set title>\r\nt\r\n"
                  "<set label>\r\nl\r\n<set editbox>\r\ne\r\n<readonly editbox>\r\ntrue\r\n<hide editbox>\r\n"
                  "<hide button>\r\n<show quitbutton>\r\n<wait button>\r\n<end>"),
              99);
    EXPECT_EQ(host.now, 0u);
}

TEST_F(ScreenCommands, AnErrorInsideACommandLeavesTheRunAndEndsTheBatchUpdate)
{
    ThrowingMemo broken;
    script.MessageMemo = &broken;
    EXPECT_THROW(Run("<set message>\r\ntext\r\n<set title>\r\nNever"), std::runtime_error);
    EXPECT_EQ(broken.updateDepth, 0);
    EXPECT_EQ(titleLabel.Caption(), "");
}

TEST_F(ScreenCommands, AWaitBeforeAnyIntroductionBringsTheInstallationPanelToTheFront)
{
    bool pressable = false;
    host.At(100, [&] {
        pressable = installPanel.IsVisible() && installPanel.broughtToFront == 1 && nextButton.IsVisible();
        nextButton.Click();
    });
    EXPECT_EQ(Run("<wait button>\r\n<end>"), 99);
    EXPECT_TRUE(pressable);
}
