// The complete sample installation, from the first line of its script to the last: the media the build
// lays out in sample\ (two disks, plain and compressed files), driven through every screen.
#include "Wizard.h"

#include <fstream>
#include <sstream>

using namespace e2e;

namespace {

std::string BuildDir()
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string dir = self;
    dir = dir.substr(0, dir.find_last_of('\\'));
    return dir.substr(0, dir.find_last_of('\\'));
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Copies every file of a folder into another, as a disk put into the drive shows its files there.
void CopyFiles(const std::string& from, const std::string& to)
{
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((from + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            CopyFileA((from + "\\" + found.cFileName).c_str(), (to + "\\" + found.cFileName).c_str(), FALSE);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

struct Sample : Wizard {
    const std::string sample = BuildDir() + "\\sample";
    const std::string target = "c:\\Example Tools";
    const std::string group = ShellFolder("Programs") + "\\Example Tools";
    const std::string desktopLink = ShellFolder("Desktop") + "\\Example Tool.lnk";

    void SetUp() override { CleanUp(); }
    void TearDown() override
    {
        Wizard::TearDown();
        setup.Terminate();
        CleanUp();
    }
    void CleanUp()
    {
        RemoveTree(target);
        RemoveTree(group);
        DeleteFileA(desktopLink.c_str());
    }

    // Waits until the text area in front begins with the text, then presses "&Next >>".
    void ReadAndGoOn(const std::string& beginning)
    {
        std::string shown;
        for (const DWORD start = GetTickCount(); GetTickCount() - start < kStepMs; Sleep(drive::kPollMs))
            if ((shown = ShownTextArea(window)).rfind(beginning, 0) == 0)
                break;
        ASSERT_EQ(shown.substr(0, beginning.size()), beginning);
        Press("&Next >>");
    }
};

} // namespace

TEST_F(Sample, TheWholeInstallationRunsFromTheFirstLineToTheLast)
{
    Media media("sample");
    CopyFiles(sample + "\\disk1", media.Dir());
    ASSERT_TRUE(media.Start(setup));
    window = drive::WaitWindow(kMainWindow, kStartMs, setup.Id());
    ASSERT_NE(window, nullptr);

    ReadAndGoOn("Welcome to the installation of Example Tools 1.0.");
    ReadAndGoOn("Close every other program before you go on.");
    ASSERT_NE(drive::WaitControl(window, "Install directory", kStepMs, "Static"), nullptr);
    EXPECT_EQ(drive::Text(EditBoxOf(window)), target);
    Press("&Next >>");

    // The second disk, asked for by name, put into the same drive.
    const HWND nextDisk = drive::WaitWindow("Insert next disk", kStepMs, setup.Id());
    ASSERT_NE(nextDisk, nullptr);
    EXPECT_NE(drive::WaitControl(nextDisk, "license.tx_", kStepMs, "Static"), nullptr);
    CopyFiles(sample + "\\disk2", media.Dir());
    Press("&OK", nextDisk);
    ASSERT_TRUE(drive::WaitGone(nextDisk, kStepMs));
    // After a disk change the copy waits for "&Next >>" before it goes on.
    ReadAndGoOn("Copying files...");

    ReadAndGoOn("The files are in place.");
    ASSERT_NE(drive::WaitControl(window, "Program group:", kStepMs, "Static"), nullptr);
    Press("&Next >>");
    ReadAndGoOn("Example Tools 1.0 is installed.");

    DWORD exitCode = 1;
    ASSERT_TRUE(setup.WaitExit(kStepMs, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(ReadFile(target + "\\bin\\tool.exe"), ReadFile(BuildDir() + "\\examples\\tool.exe")) << "expanded";
    EXPECT_EQ(ReadFile(target + "\\readme.txt"), ReadFile(sample + "\\disk1\\readme.txt"));
    EXPECT_EQ(ReadFile(target + "\\license.txt").substr(0, 27), "Example Tools 1.0 licence\r\n");
    EXPECT_NE(ReadFile(target + "\\help.txt"), "");
    for (const char* link : {"\\Example Tool.lnk", "\\Read Me.lnk", "\\License.lnk"})
        EXPECT_NE(GetFileAttributesA((group + link).c_str()), INVALID_FILE_ATTRIBUTES) << link;
    EXPECT_NE(GetFileAttributesA(desktopLink.c_str()), INVALID_FILE_ATTRIBUTES);
}
