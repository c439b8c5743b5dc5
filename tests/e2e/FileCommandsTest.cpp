// The file commands through the real window, on media and a target of the prefix's C:.
#include "Wizard.h"

#include <fstream>
#include <sstream>

using namespace e2e;

namespace {

constexpr char kTarget[] = "c:\\VeskE2EFiles";

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool FileThere(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirThere(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

struct FileCommandsE2E : Wizard {
    void SetUp() override { RemoveTree(kTarget); }
    void TearDown() override
    {
        Wizard::TearDown();
        setup.Terminate();
        RemoveTree(kTarget);
    }

    // Waits for the next-disk dialog and tells which file it asks for.
    HWND WaitNextDisk(std::string& neededShown)
    {
        const HWND dialog = drive::WaitWindow("Insert next disk", kStepMs, setup.Id());
        if (dialog)
            neededShown = drive::Text(drive::WaitControl(dialog, "three.txt", kStepMs, "Static"));
        return dialog;
    }
};

} // namespace

TEST_F(FileCommandsE2E, ATwoDiskInstallationAsksOnceForTheSecondDisk)
{
    Media media("two-disks");
    media.Write("disk\\one.txt", "first file\r\n");
    media.Write("disk\\two.txt", "second file\r\n");
    Start(media, std::string("<create directory -noask>\r\n") + kTarget +
                     "\r\n<set source directory>\r\ndisk\r\n<copy files>\r\none.txt, one.txt\r\ntwo.txt, two.txt\r\n"
                     "three.txt, three.txt\r\nfour.txt, four.txt\r\n<wait button>\r\n&Done\r\n<end>\r\n");

    std::string needed;
    const HWND dialog = WaitNextDisk(needed);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(needed, "three.txt");
    Media::SaveArtefact(dialog, "next-disk-dialog");
    EXPECT_TRUE(FileThere(std::string(kTarget) + "\\one.txt"));
    EXPECT_TRUE(FileThere(std::string(kTarget) + "\\two.txt"));

    // "Inserting" the second disk: its files appear where the first disk's were.
    media.Write("disk\\three.txt", "third file\r\n");
    media.Write("disk\\four.txt", "fourth file\r\n");
    Press("&OK", dialog);

    ASSERT_NE(drive::WaitControl(window, "&Done", kStepMs, "Button"), nullptr) << "no second question";
    EXPECT_EQ(ReadFile(std::string(kTarget) + "\\three.txt"), "third file\r\n");
    EXPECT_EQ(ReadFile(std::string(kTarget) + "\\four.txt"), "fourth file\r\n");
    Press("&Done");
    EXPECT_TRUE(setup.WaitExit(kStepMs));
}

TEST_F(FileCommandsE2E, CancelConfirmedWithYesStopsTheRun)
{
    Media media("cancel-disk");
    Start(media, std::string("<create directory -noask>\r\n") + kTarget +
                     "\r\n<copy files>\r\nthree.txt, three.txt\r\n<wait button>\r\nNever\r\n");
    std::string needed;
    const HWND dialog = WaitNextDisk(needed);
    ASSERT_NE(dialog, nullptr);
    Press("&Cancel", dialog);
    EXPECT_EQ(AnswerQuit("&No"), "Are you sure you want to abort the installation procedure?");
    EXPECT_TRUE(drive::IsVisible(dialog)) << "No keeps the dialog open";
    Press("&Cancel", dialog);
    AnswerQuit("&Yes");
    DWORD exitCode = 1;
    EXPECT_TRUE(setup.WaitExit(kStepMs, &exitCode)) << "no further command ran";
    EXPECT_EQ(exitCode, 0u);
}

TEST_F(FileCommandsE2E, DeleteFilesAsksAboutMissingFilesAndDeltreeRemovesProtectedFiles)
{
    const std::string target = kTarget;
    CreateDirectoryA(kTarget, nullptr);
    CreateDirectoryA((target + "\\tree").c_str(), nullptr);
    CreateDirectoryA((target + "\\tree\\inner").c_str(), nullptr);
    for (const char* name : {"\\tree\\ro.txt", "\\tree\\inner\\hidden.txt", "\\after.txt"})
        std::ofstream(target + name) << "x";
    SetFileAttributesA((target + "\\tree\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA((target + "\\tree\\inner\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);

    Media media("delete");
    Start(media, "<set target root directory>\r\n" + target +
                     "\r\n<delete files -ShowError>\r\nlate.txt\r\nnever.txt\r\nafter.txt\r\n<deltree>\r\ntree\r\n"
                     "<wait button>\r\n&Done\r\n<end>\r\n");

    HWND box = drive::WaitMessageBox("Error", kStepMs, setup.Id());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Lines(drive::MessageBoxText(box)), "To be deleted file does not exist: \n" + target + "\\late.txt\n");
    std::ofstream(target + "\\late.txt") << "appeared";
    Press("&Retry", box);
    ASSERT_TRUE(drive::WaitGone(box, kStepMs));

    box = drive::WaitMessageBox("Error", kStepMs, setup.Id());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Lines(drive::MessageBoxText(box)), "To be deleted file does not exist: \n" + target + "\\never.txt\n");
    Press("&Ignore", box);

    ASSERT_NE(drive::WaitControl(window, "&Done", kStepMs, "Button"), nullptr);
    EXPECT_FALSE(FileThere(target + "\\late.txt")) << "Retry deleted the file that appeared";
    EXPECT_FALSE(FileThere(target + "\\after.txt")) << "Ignore went on with the next line";
    EXPECT_FALSE(DirThere(target + "\\tree"));
    Press("&Done");
    EXPECT_TRUE(setup.WaitExit(kStepMs));
}

TEST_F(FileCommandsE2E, RunStartsAProgramBesideSetupWithItsArguments)
{
    Media media("run");
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string echo = self;
    echo = echo.substr(0, echo.find_last_of('\\')) + "\\..\\tests\\ArgsEcho.exe";
    CreateDirectoryA(media.Path("tools").c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(echo.c_str(), media.Path("tools\\echo it.exe").c_str(), FALSE));
    Start(media, "<run>\r\n\"tools\\echo it.exe\" /s --flag\r\n<wait button>\r\n&Done\r\n<end>\r\n");
    ASSERT_NE(drive::WaitControl(window, "&Done", kStepMs, "Button"), nullptr);
    std::string written;
    for (const DWORD start = GetTickCount(); written.empty() && GetTickCount() - start < kStepMs; Sleep(50))
        written = ReadFile(media.Path("tools\\ArgsEcho.out"));
    EXPECT_EQ(written, "\"" + media.Path("tools\\echo it.exe") + "\" /s --flag\n");
    Press("&Done");
    EXPECT_TRUE(setup.WaitExit(kStepMs));
}
