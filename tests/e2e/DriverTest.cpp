// Checks the end-to-end driver against FixtureApp.exe, which lies beside this program: each test starts
// its own copy, and the Process object ends it whatever the outcome.
#include "driver/Driver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

namespace {

constexpr DWORD kWaitMs = 10000;
const std::string kCaption = "DriverFixture";

std::string BesideThisProgram(const std::string& name)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir = path;
    return dir.substr(0, dir.find_last_of('\\') + 1) + name;
}

class Fixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.Start("\"" + BesideThisProgram("FixtureApp.exe") + "\""));
        window = drive::WaitWindow(kCaption, kWaitMs, app.Id());
        ASSERT_NE(window, nullptr);
        edit = drive::FindControl(window, "", "edit");
        press = drive::FindControl(window, "&Press", "Button");
        ASSERT_NE(edit, nullptr);
        ASSERT_NE(press, nullptr);
    }

    // Clicks "&Press" and returns the message box it opens.
    HWND PressForBox()
    {
        const DWORD start = GetTickCount();
        EXPECT_TRUE(drive::Click(press));
        EXPECT_LT(GetTickCount() - start, 4000u) << "Click waited for the modal box to close";
        return drive::WaitMessageBox("Fixture", kWaitMs, app.Id());
    }

    drive::Process app;
    HWND window = nullptr;
    HWND edit = nullptr;
    HWND press = nullptr;
};

TEST_F(Fixture, WaitWindowMatchesCaptionProcessAndClassExactly)
{
    EXPECT_EQ(drive::WaitWindow(kCaption, 0, app.Id(), "driverfixturewindow"), window);
    EXPECT_EQ(drive::WaitWindow(kCaption, 0, GetCurrentProcessId()), nullptr);
    EXPECT_EQ(drive::WaitWindow(kCaption, 0, 0, "#32770"), nullptr);
    EXPECT_EQ(drive::WaitWindow("DriverFix", 0, app.Id()), nullptr);
    EXPECT_EQ(drive::Text(window), kCaption);
}

TEST_F(Fixture, FindControlByCaptionClassIndexAndVisibility)
{
    HWND label = drive::FindControl(window, "Name:", "STATIC");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(drive::Text(label), "Name:");
    EXPECT_EQ(drive::FindControl(window, "Press"), press) << "mnemonic markers are ignored";
    EXPECT_EQ(drive::FindControl(window, "Press", "Edit"), nullptr);
    HWND off = drive::FindControl(window, "", "Button", 1);
    ASSERT_NE(off, nullptr);
    EXPECT_EQ(drive::Text(off), "&Off");
    EXPECT_EQ(drive::FindControl(window, "", "Button", 2), nullptr);
    EXPECT_EQ(drive::FindControl(window, "Hidden"), nullptr);
    HWND hidden = drive::FindControl(window, "Hidden", nullptr, 0, true);
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(drive::IsVisible(hidden));
    EXPECT_TRUE(drive::IsVisible(press));
}

TEST_F(Fixture, TypeCharsLetsTheKeyFilterSeeEachCharacter)
{
    EXPECT_TRUE(drive::TypeChars(edit, "a1b2"));
    EXPECT_EQ(drive::Text(edit), "ab");
    EXPECT_TRUE(drive::TypeChars(edit, "C:\\x 9"));
    EXPECT_EQ(drive::Text(edit), "abC:\\x ");
}

// Each character must be handled before TypeChars returns: reading the text at once shows it.
TEST_F(Fixture, TypeCharsReturnsOnlyOnceTheCharacterIsHandled)
{
    for (size_t typed = 1; typed <= 100; ++typed) {
        ASSERT_TRUE(drive::TypeChars(edit, "x"));
        ASSERT_EQ(drive::Text(edit).size(), typed);
    }
}

TEST_F(Fixture, ClickOpensTheBoxAndItsOkButtonClosesIt)
{
    ASSERT_TRUE(drive::TypeChars(edit, "a1b2"));
    HWND box = PressForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_NE(GetDlgItem(box, 0xFFFF), nullptr) << "the message is in the static control 0xFFFF";
    EXPECT_EQ(drive::MessageBoxText(box), "Pressedab");
    EXPECT_FALSE(drive::IsEnabled(window)) << "the box is modal";
    EXPECT_EQ(drive::WaitWindow(kCaption, 0, app.Id()), window);

    HWND ok = drive::FindControl(box, "OK", "Button");
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(drive::Click(ok));
    EXPECT_TRUE(drive::WaitGone(box, kWaitMs));
    EXPECT_EQ(drive::WaitWindow("DriverFixture pressed", kWaitMs, app.Id()), window);
    EXPECT_EQ(drive::Text(window), "DriverFixture pressed");
    EXPECT_TRUE(drive::IsEnabled(window));
}

TEST_F(Fixture, EnterOnTheFocusedButtonClosesTheBox)
{
    HWND box = PressForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(drive::MessageBoxText(box), "Pressed");
    HWND focused = drive::Focused(box);
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(GetParent(focused), box);
    EXPECT_TRUE(drive::PressKey(focused, VK_RETURN));
    EXPECT_TRUE(drive::WaitGone(box, kWaitMs));
    EXPECT_NE(drive::WaitWindow("DriverFixture pressed", kWaitMs, app.Id()), nullptr);
}

TEST_F(Fixture, ClickRefusesADisabledButton)
{
    HWND off = drive::FindControl(window, "Off", "Button");
    ASSERT_NE(off, nullptr);
    EXPECT_FALSE(drive::IsEnabled(off));
    EXPECT_FALSE(drive::Click(off));
}

TEST_F(Fixture, SaveScreenshotWritesTheWindowAsBmp)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "vesk_driver_test_shot.bmp";
    ASSERT_TRUE(drive::SaveScreenshot(window, path));

    std::ifstream in(path, std::ios::binary);
    const std::vector<char> data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    in.close();
    DeleteFileA(path.c_str());
    ASSERT_GT(data.size(), sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER header;
    std::memcpy(&file, data.data(), sizeof file);
    std::memcpy(&header, data.data() + sizeof file, sizeof header);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(file.bfType, 0x4D42);
    EXPECT_EQ(file.bfSize, data.size());
    EXPECT_EQ(header.biWidth, rect.right - rect.left);
    EXPECT_EQ(header.biHeight, rect.bottom - rect.top);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(data.size(), file.bfOffBits + ((header.biWidth * 3 + 3) & ~3) * header.biHeight);

    // A real picture of the window has several colours: face, text, edit background, frame.
    std::set<unsigned> colours;
    for (size_t at = file.bfOffBits; at + 3 <= data.size(); at += 3)
        colours.insert(static_cast<unsigned char>(data[at]) | static_cast<unsigned char>(data[at + 1]) << 8
                       | static_cast<unsigned char>(data[at + 2]) << 16);
    EXPECT_GE(colours.size(), 3u);
}

TEST_F(Fixture, ClosingTheWindowEndsTheProgram)
{
    ASSERT_TRUE(PostMessageA(window, WM_CLOSE, 0, 0));
    DWORD exitCode = STILL_ACTIVE;
    EXPECT_TRUE(app.WaitExit(kWaitMs, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(app.Running());
    EXPECT_TRUE(drive::WaitGone(window, 0));
}

TEST(WaitWindow, GivesUpAfterTheTimeout)
{
    const DWORD start = GetTickCount();
    EXPECT_EQ(drive::WaitWindow("No such window", 300), nullptr);
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 300u);
    EXPECT_LT(elapsed, 3000u);
}

TEST(Process, EndsTheProgramWhenDestroyed)
{
    drive::Handle watch;
    {
        drive::Process app;
        ASSERT_TRUE(app.Start("\"" + BesideThisProgram("FixtureApp.exe") + "\""));
        ASSERT_NE(drive::WaitWindow(kCaption, kWaitMs, app.Id()), nullptr);
        ASSERT_TRUE(app.Running());
        watch.Reset(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, app.Id()));
        ASSERT_TRUE(watch);
    }
    EXPECT_EQ(WaitForSingleObject(watch.Get(), 0), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    ASSERT_TRUE(GetExitCodeProcess(watch.Get(), &exitCode));
    EXPECT_EQ(exitCode, 1u);
}

TEST(Process, StartFailsForAMissingProgram)
{
    drive::Process app;
    EXPECT_FALSE(app.Start("\"" + BesideThisProgram("NoSuchProgram.exe") + "\""));
    EXPECT_FALSE(app.Running());
    EXPECT_FALSE(app.WaitExit(0));
}

} // namespace
