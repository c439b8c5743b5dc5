#include "fakes/ScriptFixture.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;
constexpr unsigned kSimpleBeep = 0xFFFFFFFF;

struct FileCommands : fakes::ScriptFixture {
    fakes::Panel installPanel;
    fakes::Button nextButton{"&Next >>", &installPanel};
    fakes::Label titleLabel;

    FileCommands()
    {
        script.SetControls(nullptr, nullptr, nullptr, &titleLabel, nullptr, &nextButton, nullptr, nullptr, nullptr);
        script.SourceDir = "a:\\";
        script.TargetDir = "c:\\App\\";
        nextButton.SetVisible(false);
    }

};

} // namespace

TEST_F(FileCommands, CopyFilesTakesTrimmedFieldsFromTheSourceToTheTarget)
{
    services.files = {"a:\\readme.tx_", "a:\\tool.ex_"};
    EXPECT_EQ(Run("<copy files>\r\n  readme.tx_ ,  readme.txt \r\ntool.ex_,bin\\tool.exe\r\n<end>"), 99);
    EXPECT_EQ(services.copies, (Texts{"a:\\readme.tx_ -> c:\\App\\readme.txt", "a:\\tool.ex_ -> c:\\App\\bin\\tool.exe"}));
    EXPECT_FALSE(host.busy) << "the normal pointer is back";
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FileCommands, WindirAndSystemdirChooseTheTargetBase)
{
    services.files = {"a:\\tools.dl_"};
    Run("<copy files -systemdir>\r\ntools.dl_, tools.dll\r\n<copy files -WINDIR>\r\ntools.dl_, win.dll\r\n<end>");
    EXPECT_EQ(services.copies, (Texts{"a:\\tools.dl_ -> c:\\windows\\system32\\tools.dll",
                                      "a:\\tools.dl_ -> c:\\windows\\win.dll"}));
}

TEST_F(FileCommands, AFileOnTheNextDiskIsAskedForOnceAndTheRestComesFromThere)
{
    services.files = {"a:\\one", "a:\\two"};
    host.onNextDisk = [&](std::string& location, const std::string&) {
        EXPECT_EQ(location, "a:\\");
        services.files = {"a:\\three", "a:\\four"}; // the second disk in the same drive
        return true;
    };
    EXPECT_EQ(Run("<copy files>\r\none, 1\r\ntwo, 2\r\nthree, 3\r\nfour, 4\r\n<end>"), 99);
    EXPECT_EQ(host.nextDiskAsks, Texts{"three"});
    EXPECT_EQ(services.copies.size(), 4u);
    EXPECT_EQ(services.copies.back(), "a:\\four -> c:\\App\\4");
}

TEST_F(FileCommands, AnotherLocationChosenForTheNextDiskStaysForLaterCommands)
{
    services.files = {"d:\\disk2\\three", "d:\\disk2\\four"};
    host.onNextDisk = [](std::string& location, const std::string&) {
        location = "d:\\disk2\\";
        return true;
    };
    bool waitedForNext = false;
    nextButton.SetVisible(true);
    host.At(100, [&] {
        waitedForNext = script.WaitingForNext;
        nextButton.Click();
    });
    Run("<copy files>\r\nthree, 3\r\n<copy files>\r\nfour, 4\r\n<end>");
    EXPECT_TRUE(waitedForNext) << "a visible Next button is waited for after the disk change";
    EXPECT_EQ(script.SourceDir, "d:\\disk2\\");
    EXPECT_EQ(services.copies, (Texts{"d:\\disk2\\three -> c:\\App\\3", "d:\\disk2\\four -> c:\\App\\4"}));
}

TEST_F(FileCommands, CancellingTheNextDiskStopsTheCopyAndTheRun)
{
    services.files = {"a:\\one", "a:\\three"};
    EXPECT_EQ(Run("<copy files>\r\none, 1\r\ntwo, 2\r\nthree, 3\r\n<set title>\r\nNever"), 0);
    EXPECT_TRUE(script.AbortRequested);
    EXPECT_EQ(services.copies, Texts{"a:\\one -> c:\\App\\1"});
    EXPECT_EQ(titleLabel.Caption(), "");
    EXPECT_FALSE(host.busy);
}

TEST_F(FileCommands, AFailedCopyIsShownAndTheNextFileStillCopied)
{
    services.files = {"a:\\one", "a:\\two"};
    services.failures["c:\\App\\1"] = {-1, "Can not copy file to:\r\nc:\\App\\1"};
    EXPECT_EQ(Run("<copy files>\r\none, 1\r\ntwo, 2\r\n<end>"), 99);
    EXPECT_EQ(host.messages, Texts{"Can not copy file to:\r\nc:\\App\\1"});
    EXPECT_EQ(services.copies.size(), 2u);
    EXPECT_EQ(script.LastErrorText, "") << "the last copy succeeded";
}

TEST_F(FileCommands, DeleteFilesUsesTheBaseForRelativeNamesAndSkipsMissingOnesQuietly)
{
    services.files = {"c:\\App\\old.txt", "d:\\abs.txt", "c:\\windows\\x.ini"};
    Run("<delete files>\r\nold.txt\r\nd:\\abs.txt\r\nmissing.txt\r\n*.txt\r\n<delete files -windir>\r\nx.ini\r\n<end>");
    EXPECT_EQ(services.deleted, (Texts{"c:\\App\\old.txt", "d:\\abs.txt", "c:\\windows\\x.ini"}));
    EXPECT_TRUE(host.missingItems.empty());
    EXPECT_TRUE(host.beeps.empty());
}

TEST_F(FileCommands, ShowErrorAsksAboutAMissingFileRetryFindsItIgnoreGoesOn)
{
    int asked = 0;
    host.onMissingItem = [&](const std::string&) {
        if (++asked == 1) {
            services.files.insert("c:\\App\\late.txt");
            return MissingItemAnswer::Retry;
        }
        return MissingItemAnswer::Ignore;
    };
    services.files = {"c:\\App\\next.txt"};
    EXPECT_EQ(Run("<delete files -ShowError>\r\nlate.txt\r\nnever.txt\r\nnext.txt\r\n<end>"), 99);
    EXPECT_EQ(host.missingItems, (Texts{"To be deleted file does not exist: \r\nc:\\App\\late.txt\r\n",
                                        "To be deleted file does not exist: \r\nc:\\App\\never.txt\r\n"}));
    EXPECT_EQ(host.beeps, (std::vector<unsigned>{kSimpleBeep, kSimpleBeep}));
    EXPECT_EQ(services.deleted, (Texts{"c:\\App\\late.txt", "c:\\App\\next.txt"}));
}

TEST_F(FileCommands, AbortInTheMissingItemBoxStopsAtOnceAndEndsTheRun)
{
    host.onMissingItem = [](const std::string&) { return MissingItemAnswer::Abort; };
    services.files = {"c:\\App\\after.txt"};
    EXPECT_EQ(Run("<delete files -showerror>\r\ngone.txt\r\nafter.txt\r\n<set title>\r\nNever"), 0);
    EXPECT_TRUE(script.AbortRequested);
    EXPECT_TRUE(services.deleted.empty()) << "no line is worked on after the abort";
    EXPECT_EQ(titleLabel.Caption(), "");
}

TEST_F(FileCommands, DeltreeRemovesExistingTreesAndAsksForMissingOnesWithShowError)
{
    services.directories = {"c:\\App\\old", "d:\\tmp\\x"};
    Run("<deltree>\r\nold\\\r\nd:\\tmp\\x\r\nmissing\r\n<deltree -ShowError>\r\ngone\r\n<end>");
    EXPECT_EQ(services.removedTrees, (Texts{"c:\\App\\old", "d:\\tmp\\x"}));
    EXPECT_EQ(host.missingItems, Texts{"To be deleted directory does not exist: \r\nc:\\App\\gone\r\n"});
}

TEST_F(FileCommands, OpenFileFindsTheNameInItsBaseAndAlwaysAsksForAMissingOne)
{
    services.files = {"c:\\App\\readme.txt", "a:\\setup.exe", "c:\\my docs\\a b.txt", "manual.txt"};
    Run("<open file -targetdir>\r\nreadme.txt\r\n<open file -sourcedir>\r\nsetup\r\n"
        "<open file>\r\n\"c:\\my docs\\a b.txt\"\r\nmanual.txt\r\nnothere.txt\r\n<end>");
    EXPECT_EQ(services.opened, (Texts{"c:\\App\\readme.txt", "a:\\setup", "c:\\my docs\\a b.txt", "manual.txt"}));
    EXPECT_EQ(host.missingItems, Texts{"To be opened file does not exist: \r\nnothere.txt\r\n"});
}

TEST_F(FileCommands, RunStartsFromTheProgramsDirectoryKeepingQuotedPathsTogether)
{
    script.SourceDir = "d:\\disk2\\";
    Run("<run>\r\nsetup2.exe /s\r\n\"setup two.exe\" /s\r\n<end>");
    EXPECT_EQ(services.started, (Texts{"c:\\setup\\setup2.exe /s", "\"c:\\setup\\setup two.exe\" /s"}));
}
