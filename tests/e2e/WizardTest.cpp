// The real window driven as a person would: a script that only guides the user runs from its first line
// to its last, and "&Quit" asks before it ends a run.
#include "Wizard.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

constexpr char kGuidingScript[] =
    "Lines before the first command are skipped.\r\n"
    "<wait openingtext>\r\n"
    "Welcome to Example.\r\n"
    "#emptyline\r\n"
    "Press Next to begin.\r\n"
    "< Set Title >\r\n"
    "Example Setup\r\n"
    "<set message>\r\n"
    "This program installs Example.\r\n"
    "#EMPTYLINE\r\n"
    "   It takes a minute.   \r\n"
    "<set label>\r\n"
    "Install directory\r\n"
    "<set editbox>\r\n"
    "c:\\Example\r\n"
    "<wait button>\r\n"
    "&Continue\r\n"
    "<readonly editbox>\r\n"
    "TRUE\r\n"
    "<hide quitbutton>\r\n"
    "<wait message>\r\n"
    "Almost done.\r\n"
    "<show quitbutton>\r\n"
    "<hide editbox>\r\n"
    "<hide label>\r\n"
    "<sleep>\r\n"
    "300\r\n"
    "<wait button>\r\n"
    "&Finish\r\n"
    "<end>\r\n"
    "<wait button>\r\n";

} // namespace

TEST_F(Wizard, AGuidingScriptRunsFromItsFirstLineToItsLast)
{
    Media media("guiding");
    Start(media, kGuidingScript);

    ASSERT_NE(drive::WaitControl(window, "Vesk-Install", kStepMs, "Static"), nullptr);
    ASSERT_EQ(WaitTextArea(window, "Welcome to Example.\r\n \r\nPress Next to begin.\r\n"),
              "Welcome to Example.\r\n \r\nPress Next to begin.\r\n");
    Media::SaveArtefact(window, "introduction-panel");
    Press("&Next >>");

    // The first wait: "&Continue" on the installation panel.
    ASSERT_NE(drive::WaitControl(window, "&Continue", kStepMs, "Button"), nullptr);
    EXPECT_NE(LabelOf(window, "Example Setup"), nullptr);
    EXPECT_NE(LabelOf(window, "Install directory"), nullptr);
    EXPECT_EQ(ShownTextArea(window), "This program installs Example.\r\n \r\nIt takes a minute.\r\n");
    const HWND edit = EditBoxOf(window);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(drive::Text(edit), "c:\\Example");
    EXPECT_FALSE(IsReadOnly(edit));
    const HWND more = drive::FindControl(window, "&More...", "Button");
    ASSERT_NE(more, nullptr);
    EXPECT_FALSE(drive::IsEnabled(more)) << "outside a prompt More is shown but disabled";
    EXPECT_NE(drive::FindControl(window, "&Quit", "Button"), nullptr);
    Media::SaveArtefact(window, "installation-panel");
    EXPECT_TRUE(drive::PressKey(edit, VK_END));
    EXPECT_TRUE(drive::TypeChars(edit, "\\Beta"));
    EXPECT_EQ(drive::Text(edit), "c:\\Example\\Beta");
    Press("&Continue");

    // "wait message": the caption is reset, the edit box read-only, "&Quit" hidden.
    ASSERT_NE(drive::WaitControl(window, "&Next >>", kStepMs, "Button"), nullptr);
    EXPECT_EQ(WaitTextArea(window, "Almost done.\r\n"), "Almost done.\r\n");
    EXPECT_TRUE(IsReadOnly(edit));
    EXPECT_EQ(drive::FindControl(window, "&Quit", "Button"), nullptr);
    Press("&Next >>");

    // The last wait, after the pause: "&Quit" back, the edit box and label gone.
    ASSERT_NE(drive::WaitControl(window, "&Finish", kStepMs, "Button"), nullptr);
    EXPECT_NE(drive::FindControl(window, "&Quit", "Button"), nullptr);
    EXPECT_FALSE(drive::IsVisible(edit));
    EXPECT_EQ(LabelOf(window, "Install directory"), nullptr);
    Press("&Finish");

    DWORD exitCode = 1;
    EXPECT_TRUE(setup.WaitExit(kStepMs, &exitCode)) << "the run ends at <end> and the window closes";
    EXPECT_EQ(exitCode, 0u);
}

TEST_F(Wizard, QuitAnsweredNoGoesOnAndAnsweredYesEndsTheRun)
{
    Media media("quit");
    Start(media, "<wait openingtext>\r\nHello\r\n<wait button>\r\n<set title>\r\nAfter\r\n<wait button>\r\n"
                 "<sleep>\r\n20000\r\n<end>\r\n");
    ASSERT_EQ(WaitTextArea(window, "Hello\r\n"), "Hello\r\n");
    Press("&Next >>");
    ASSERT_NE(drive::WaitControl(window, "Installation", kStepMs, "Static"), nullptr);

    Press("&Quit");
    EXPECT_EQ(AnswerQuit("&No"), "Are you sure you want to abort the installation procedure?");
    EXPECT_TRUE(setup.Running());
    Press("&Next >>");
    ASSERT_NE(drive::WaitControl(window, "After", kStepMs, "Static"), nullptr) << "the run went on after No";

    Press("&Quit");
    EXPECT_EQ(AnswerQuit("&Yes"), "Are you sure you want to abort the installation procedure?");
    const DWORD answered = GetTickCount();
    DWORD exitCode = 1;
    ASSERT_TRUE(setup.WaitExit(kStepMs, &exitCode));
    EXPECT_LT(GetTickCount() - answered, 5000u) << "the 20-second sleep after the wait never ran";
    EXPECT_EQ(exitCode, 0u);
}

TEST_F(Wizard, TheKeyboardWorksAsInAnyDialog)
{
    Media media("keyboard");
    Start(media, "<wait openingtext>\r\nHi\r\n<set title>\r\nFirst\r\n<wait button>\r\n<set title>\r\nSecond\r\n"
                 "<wait button>\r\n<end>\r\n");
    ASSERT_EQ(WaitTextArea(window, "Hi\r\n"), "Hi\r\n");

    // Enter presses the focused "&Next >>" of the introduction panel.
    ASSERT_TRUE(drive::PressKey(drive::Focused(window), VK_RETURN));
    ASSERT_NE(drive::WaitControl(window, "First", kStepMs, "Static"), nullptr);

    // Alt with the underlined letter presses "&Next >>" of the installation panel.
    const HWND next = drive::FindControl(window, "&Next >>", "Button");
    ASSERT_EQ(drive::Focused(window), next);
    PostMessageA(next, WM_SYSCHAR, 'n', 1 | (1 << 29));
    ASSERT_NE(drive::WaitControl(window, "Second", kStepMs, "Static"), nullptr);

    // Tab follows the tab order and skips what has no tab stop or is disabled: the edit box, then back to
    // "&Next >>" past the text area, "&Quit" and "&More...".
    ASSERT_TRUE(drive::PressKey(drive::Focused(window), VK_TAB));
    EXPECT_EQ(drive::Focused(window), EditBoxOf(window));
    ASSERT_TRUE(drive::PressKey(drive::Focused(window), VK_TAB));
    EXPECT_EQ(drive::Focused(window), next);

    ASSERT_TRUE(drive::PressKey(next, VK_RETURN));
    EXPECT_TRUE(setup.WaitExit(kStepMs));
}

TEST_F(Wizard, AnErrorThatLeavesTheRunIsReportedAndTheWindowStaysOpenUntilClosed)
{
    Media media("error-report");
    const std::string program(300, 'x');
    Start(media, "<wait openingtext>\r\nHi\r\n<run>\r\n" + program + "\r\n<wait button>\r\nNever\r\n");
    PassIntroduction("Hi");

    const std::string report = AnswerMessage();
    EXPECT_EQ(report, "CommandLine too long\n" + media.Dir() + "\\" + program + ".") << "with its full stop";
    EXPECT_TRUE(drive::IsVisible(window)) << "the window stays as the run left it";
    EXPECT_EQ(drive::FindControl(window, "Never", "Button"), nullptr) << "no further command ran";
    EXPECT_TRUE(setup.Running());

    Press("&Quit");
    EXPECT_EQ(AnswerQuit("&Yes"), "Are you sure you want to abort the installation procedure?");
    EXPECT_TRUE(setup.WaitExit(kStepMs));
}
