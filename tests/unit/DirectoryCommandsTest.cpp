#include "fakes/ScriptFixture.h"

#include <gtest/gtest.h>

namespace {

using Messages = std::vector<std::string>;
constexpr unsigned kSimpleBeep = 0xFFFFFFFF;

struct DirectoryCommands : fakes::ScriptFixture {
    fakes::Panel installPanel;
    fakes::Label infoLabel;
    fakes::Edit editBox;
    fakes::Button nextButton{"&Next >>", &installPanel};
    fakes::Button moreButton{"&More...", &installPanel};

    DirectoryCommands()
    {
        script.SetControls(nullptr, nullptr, &infoLabel, nullptr, &editBox, &nextButton, nullptr, &moreButton,
                           nullptr);
    }

    // At a virtual time, what a user does at the prompt: then "&Next >>".
    void AtPrompt(unsigned long long time, std::function<void()> action)
    {
        host.At(time, [this, action] {
            action();
            nextButton.Click();
        });
    }

    // Types into the prompt's edit box through its key filter.
    void Type(const std::string& text)
    {
        for (char key : text) {
            if (editBox.OnKeyPress())
                editBox.OnKeyPress()(key);
            if (key == 8 && !editBox.Text().empty())
                editBox.SetText(editBox.Text().substr(0, editBox.Text().size() - 1));
            else if (key != 0 && key != 8)
                editBox.SetText(editBox.Text() + key);
        }
    }
};

} // namespace

TEST_F(DirectoryCommands, ThePromptShowsTheDefaultAndCreatesWhatIsThereAtNext)
{
    bool promptShown = false;
    AtPrompt(100, [&] {
        promptShown = infoLabel.Caption() == "Install directory" && editBox.Text() == "c:\\App" &&
                      !editBox.IsReadOnly() && moreButton.IsVisible() && moreButton.IsEnabled();
    });
    EXPECT_EQ(Run("<create directory>\r\nc:\\App\r\n<end>"), 99);
    EXPECT_TRUE(promptShown);
    EXPECT_EQ(services.created, Messages{"c:\\App\\"});
    EXPECT_EQ(script.TargetRootDir, "c:\\App\\");
    EXPECT_EQ(script.TargetDir, "c:\\App\\");
    EXPECT_FALSE(moreButton.IsEnabled()) << "More is disabled again after the prompt";
    EXPECT_FALSE(moreButton.OnClick());
    EXPECT_TRUE(editBox.OnKeyPress()) << "the filter stays until set editbox removes it";
}

TEST_F(DirectoryCommands, TheKeyFilterRefusesWhatCannotBeTypedWithTheSimpleBeep)
{
    AtPrompt(100, [&] { Type("\b\b\b\b\b\b:\\New Dir_1~.x"); });
    Run("<create directory>\r\nc:\\App\r\n<end>");
    EXPECT_EQ(script.TargetDir, "\\New Dir_1~x\\");
    EXPECT_EQ(host.beeps, (std::vector<unsigned>{kSimpleBeep, kSimpleBeep}));
    char enter = 13;
    editBox.OnKeyPress()(enter);
    EXPECT_EQ(enter, 0);
    char accented = '\xE9';
    editBox.OnKeyPress()(accented);
    EXPECT_EQ(accented, 0);
}

TEST_F(DirectoryCommands, MoreOpensTheDialogAtTheRootAndPutsTheChoiceInTheEditBox)
{
    host.directoryChoices = {"", "d:\\Tools\\"};
    AtPrompt(100, [&] {
        moreButton.Click();
        EXPECT_EQ(editBox.Text(), "c:\\App") << "Cancel changes nothing";
        moreButton.Click();
    });
    Run("<create directory>\r\nc:\\App\r\n<end>");
    EXPECT_EQ(host.dialogStarts, (Messages{"c:\\", "c:\\"}));
    EXPECT_EQ(script.TargetDir, "d:\\Tools\\");
}

TEST_F(DirectoryCommands, NoAskInAnyCaseCreatesTheDefaultWithoutAPrompt)
{
    services.directories.insert("c:\\Existing\\");
    EXPECT_EQ(Run("<create directory -noASK>\r\nc:\\Existing\r\n<end>"), 99);
    EXPECT_EQ(host.now, 0u);
    EXPECT_EQ(infoLabel.Caption(), "");
    EXPECT_EQ(script.TargetRootDir, "c:\\Existing\\");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(DirectoryCommands, AnAlreadyExistingDirectoryCountsAsCreated)
{
    services.failures["c:\\App\\"] = {-3, "Directory already exists"};
    EXPECT_EQ(Run("<create directory -NoAsk>\r\nc:\\App\r\n<end>"), 99);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(script.LastErrorText, "Directory already exists");
}

TEST_F(DirectoryCommands, ADirectoryThatCannotBeCreatedIsAskedForAgainFromTheDefault)
{
    services.failures["q:\\App\\"] = {-2, "Unable to create directory q:\\App\\"};
    std::string shownAgain;
    AtPrompt(100, [&] {
        shownAgain = editBox.Text();
        editBox.SetText("c:\\Other");
    });
    EXPECT_EQ(Run("<create directory -NoAsk>\r\nq:\\App\r\n<end>"), 99);
    EXPECT_EQ(host.messages, Messages{"Unable to create directory\r\nq:\\App\\\r\n\r\nspecify another directory."});
    EXPECT_EQ(shownAgain, "q:\\App");
    EXPECT_EQ(script.TargetRootDir, "c:\\Other\\");
    EXPECT_EQ(script.LastErrorText, "");
}

TEST_F(DirectoryCommands, QuitDuringThePromptEndsTheCommandAndTheRun)
{
    services.failures["q:\\App\\"] = {-2, "Unable to create directory q:\\App\\"};
    host.At(100, [&] { script.RequestAbort(); });
    EXPECT_EQ(Run("<create directory>\r\nq:\\App\r\n<set source directory>\r\ndisk2"), 0);
    EXPECT_TRUE(services.created.empty());
    EXPECT_EQ(script.SourceDir, "c:\\setup\\");
    EXPECT_FALSE(moreButton.IsEnabled());
}

TEST_F(DirectoryCommands, CreateSubdirectoryBuildsOnTheRootAndEndsTheRunWhenItFails)
{
    script.TargetRootDir = "c:\\App\\";
    EXPECT_EQ(Run("<create subdirectory>\r\nbin\r\n<end>"), 99);
    EXPECT_EQ(script.TargetDir, "c:\\App\\bin\\");
    EXPECT_EQ(services.created, Messages{"c:\\App\\bin\\"});

    services.failures["c:\\App\\x\\"] = {-2, "Unable to create directory c:\\App\\x\\"};
    EXPECT_EQ(Run("<create subdirectory>\r\nx\\\r\n<set source directory>\r\nnever"), -2);
    EXPECT_EQ(host.messages, Messages{"Unable to create directory\r\nc:\\App\\x\\\r\n"});
    EXPECT_EQ(script.TargetDir, "c:\\App\\x\\") << "the new value stays";
    EXPECT_EQ(script.LastErrorText, "Unable to create directory c:\\App\\x\\");
    EXPECT_EQ(script.SourceDir, "c:\\setup\\");
}

TEST_F(DirectoryCommands, SetTargetDirectoryAcceptsOnlyAnExistingDirectoryUnderTheRoot)
{
    script.TargetRootDir = "c:\\App\\";
    script.TargetDir = "c:\\App\\";
    services.directories.insert("c:\\App\\bin\\");
    Run("<set target directory>\r\nbin\r\n<end>");
    EXPECT_EQ(script.TargetDir, "c:\\App\\bin\\");

    EXPECT_EQ(Run("<set target directory>\r\ndoc\r\n<end>"), 99) << "the run goes on";
    EXPECT_EQ(script.TargetDir, "c:\\App\\bin\\");
    EXPECT_EQ(host.beeps, std::vector<unsigned>{kSimpleBeep});
    EXPECT_EQ(host.messages, Messages{"Set target directory: \r\nc:\\App\\doc\\\r\ndoes not exist"});
}

TEST_F(DirectoryCommands, SetTargetRootDirectoryTestsTheArgumentAsWritten)
{
    services.directories.insert("d:\\tools");
    Run("<set target root directory>\r\nd:\\tools\r\n<end>");
    EXPECT_EQ(script.TargetRootDir, "d:\\tools\\");
    EXPECT_EQ(script.TargetDir, "d:\\tools\\");

    Run("<set target root directory>\r\nd:\\missing\r\n<end>");
    EXPECT_EQ(script.TargetRootDir, "d:\\tools\\");
    EXPECT_EQ(host.beeps, std::vector<unsigned>{kSimpleBeep});
    EXPECT_EQ(host.messages, Messages{"Set Target Root Directory: \r\nd:\\missing\r\ndoes not exist"});
}

TEST_F(DirectoryCommands, SetSourceDirectoryIsTakenFromTheProgramsDirectoryUntested)
{
    Run("<set source directory>\r\ndisk2\r\n<end>");
    EXPECT_EQ(script.SourceDir, "c:\\setup\\disk2\\");
}

TEST_F(DirectoryCommands, ACommandLineInPlaceOfTheArgumentChangesNothing)
{
    script.TargetRootDir = "c:\\App\\";
    EXPECT_EQ(Run("<create directory>\r\n<create subdirectory>\r\n<set target directory>\r\n"
                  "<set target root directory>\r\n<set source directory>\r\n<end>"),
              99);
    EXPECT_TRUE(services.created.empty());
    EXPECT_EQ(script.TargetRootDir, "c:\\App\\");
    EXPECT_EQ(script.TargetDir, "");
    EXPECT_EQ(script.SourceDir, "c:\\setup\\");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.now, 0u);
}
