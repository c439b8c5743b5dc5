// The real setup.exe under Wine: which script it finds, what it says when there is none, and that the
// window closes when the run is over.
#include "Media.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

// Waits for the application's message box, reads it, presses OK.
std::string AnswerMessage(const drive::Process& process)
{
    const HWND box = drive::WaitMessageBox(kAppTitle, kStartMs, process.Id());
    if (!box)
        return "(no message box)";
    const std::string text = Lines(drive::MessageBoxText(box));
    EXPECT_TRUE(drive::Click(drive::WaitControl(box, "OK", kStepMs, "Button")));
    return text;
}

DWORD ExitCodeOf(const drive::Process& process)
{
    DWORD code = 12345;
    EXPECT_TRUE(process.WaitExit(kStepMs, &code)) << "setup.exe did not end";
    return code;
}

} // namespace

TEST(Startup, WithoutAnyScriptTheThreeLineMessageShowsAndTheProgramEnds)
{
    Media media("no-script");
    drive::Process setup;
    ASSERT_TRUE(media.Start(setup));
    EXPECT_EQ(AnswerMessage(setup), "Error: script file\n" + media.Path("install.scr") + "\nnot found");
    EXPECT_EQ(ExitCodeOf(setup), 1u);
}

TEST(Startup, TheEightThreeNameIsRunWhenTheLongOneIsMissing)
{
    Media media("eight-three");
    media.Write("install.scr", "<end>\r\n");
    drive::Process setup;
    ASSERT_TRUE(media.Start(setup));
    EXPECT_EQ(ExitCodeOf(setup), 0u);
}

TEST(Startup, ARelativeArgumentIsTakenFromTheProgramsDirectoryNotTheCurrentOne)
{
    Media media("relative-argument");
    Media elsewhere("relative-argument-cwd");
    media.Write("sub\\my.script", "<end>\r\n");
    elsewhere.Write("sub\\other.script", "<end>\r\n");
    drive::Process found;
    ASSERT_TRUE(media.Start(found, "sub\\my.script", elsewhere.Dir()));
    EXPECT_EQ(ExitCodeOf(found), 0u);

    drive::Process notFound;
    ASSERT_TRUE(media.Start(notFound, "sub\\other.script", elsewhere.Dir()));
    EXPECT_EQ(AnswerMessage(notFound),
              "Error opening installation script file: \n\n" + media.Path("sub\\other.script"));
    EXPECT_EQ(ExitCodeOf(notFound), 1u);
}

TEST(Startup, AnAbsoluteArgumentIsUsedAsItStands)
{
    Media media("absolute-argument");
    Media other("absolute-argument-script");
    other.Write("x.script", "<end>\r\n");
    drive::Process setup;
    ASSERT_TRUE(media.Start(setup, "\"" + other.Path("x.script") + "\""));
    EXPECT_EQ(ExitCodeOf(setup), 0u);
}

TEST(Startup, AScriptOfUnknownCommandsRunsToItsEndAndTheWindowCloses)
{
    Media media("unknown-commands");
    std::string script = "preamble\r\n";
    for (int i = 0; i < 200; ++i)
        script += "<frobnicate " + std::to_string(i) + ">\r\nargument\r\n\r\n  more, fields\r\n<rem>\r\n";
    media.Write("install.script", script + "<END>\r\n<wait button>\r\n");
    drive::Process setup;
    ASSERT_TRUE(media.Start(setup));
    EXPECT_EQ(ExitCodeOf(setup), 0u);
}
