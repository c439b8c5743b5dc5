// The directory and drive lists and the two directory dialogs under Wine: real windows in this process. The
// dialogs are modal, so a thread timer works them from inside their own message loops, as a user would:
// clicks, keys and characters are posted to the controls and go through the dialogs' keyboard handling.
// Pictures of the dialogs are saved in the artefacts folder beside the test program.
#include "dialogs/DialogCreateDir.h"
#include "dialogs/DirBox.h"
#include "services/VeskErrors.h"
#include "services/VeskFileAndShellUtil.h"
#include "ui/DirectoryList.h"
#include "ui/DriveAccess.h"
#include "ui/DriveList.h"
#include "ui/ErrorReport.h"
#include "ui/Form.h"
#include "ui/MessageLoop.h"
#include "win/DialogSteps.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace dialogtest;
using namespace ui;

namespace {

// Handles the messages that come for the given time: windows shown outside a modal loop get painted.
void PumpFor(DWORD ms)
{
    for (const DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(10))
        ProcessMessages();
}

std::vector<std::string> Items(const DirectoryList& list)
{
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(list.Handle(), LB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        char text[MAX_PATH] = {};
        SendMessageA(list.Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

int Highlighted(const DirectoryList& list)
{
    return static_cast<int>(SendMessageA(list.Handle(), LB_GETCURSEL, 0, 0));
}

// A waiting step: a message box is up; its title and message are kept and its OK is pressed.
std::function<bool()> AnswerBox(std::string& title, std::string& message)
{
    return [&title, &message] {
        const HWND box = ThreadMessageBox();
        if (!box)
            return false;
        char text[256] = {};
        GetWindowTextA(box, text, sizeof text);
        title = text;
        message = BoxMessage(box);
        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        return true;
    };
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// ---- Directories and drives

// A directory the create dialog makes in the root of c:.
const char kRootNewDir[] = "c:\\vesk-dirdialogs-new";

// The Win32 access with a drive a: added that is a removable drive with no disk in it, as Wine has none.
// It counts how often a: is touched, to show that listing the drives leaves it alone. It may also name a
// drive of each other kind, only to be drawn.
class DriveANotReady final : public DriveAccess {
public:
    explicit DriveANotReady(bool everyKind = false) : everyKind_(everyKind) {}

    std::vector<DriveEntry> Drives() override
    {
        std::vector<DriveEntry> drives = real_.Drives();
        drives.insert(drives.begin(), DriveEntry{'a', DriveKind::Removable});
        if (everyKind_)
            drives.insert(drives.begin() + 2, {{'d', DriveKind::CdRom},
                                               {'n', DriveKind::Network},
                                               {'r', DriveKind::RamDisk},
                                               {'u', DriveKind::Unknown}});
        return drives;
    }
    std::string CurrentDir(char drive) override { return drive == 'a' ? "a:\\" : real_.CurrentDir(drive); }
    bool IsReady(char drive) override
    {
        if (drive != 'a')
            return real_.IsReady(drive);
        ++touchesOfA;
        return false;
    }
    std::vector<std::string> Subdirectories(const std::string& dir) override
    {
        if (std::tolower(static_cast<unsigned char>(dir.front())) != 'a')
            return real_.Subdirectories(dir);
        ++touchesOfA;
        throw EInOutError(ERROR_NOT_READY);
    }

    int touchesOfA = 0;

private:
    DriveAccess& real_ = Win32DriveAccess();
    bool everyKind_;
};

// Installs a drive access for one scope.
class UsingDriveAccess {
public:
    explicit UsingDriveAccess(DriveAccess& access) : previous_(SetDriveAccess(&access)) {}
    ~UsingDriveAccess() { SetDriveAccess(previous_); }
    UsingDriveAccess(const UsingDriveAccess&) = delete;
    UsingDriveAccess& operator=(const UsingDriveAccess&) = delete;

private:
    DriveAccess* previous_;
};

// Installs an error handler for one scope that records the errors; the one in force before comes back after.
class RecordingErrors {
public:
    RecordingErrors()
        : previous_(SetErrorHandler([this](const std::exception& error) { messages.emplace_back(error.what()); }))
    {
    }
    ~RecordingErrors() { SetErrorHandler(previous_); }
    RecordingErrors(const RecordingErrors&) = delete;
    RecordingErrors& operator=(const RecordingErrors&) = delete;

    std::vector<std::string> messages;

private:
    ErrorHandler previous_;
};

// A test directory with three subdirectories in mixed case, a hidden one and a file, which the lists leave out.
struct DirDialogFixture : ::testing::Test {
    void SetUp() override
    {
        RemoveTree(dir);
        RemoveTree(kRootNewDir);
        ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr)) << dir;
        for (const char* name : {"gamma", "alpha", "Beta", "hidden"})
            CreateDirectoryA((dir + "\\" + name).c_str(), nullptr);
        SetFileAttributesA((dir + "\\hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
        std::ofstream(dir + "\\file.txt") << "not a directory";
    }
    void TearDown() override
    {
        RemoveTree(dir);
        RemoveTree(kRootNewDir);
    }

    const std::string dir = TempTestDir("vesk-dirdialogs");
};

using DirDialogLists = DirDialogFixture;
using DirDialogBox = DirDialogFixture;
using DirDialogCreate = DirDialogFixture;

} // namespace

// ---- The lists

TEST_F(DirDialogLists, ShowTheChainFromTheRootThenTheVisibleSubdirectoriesSorted)
{
    Form form{FormSpec{.caption = "DirDialogLists", .clientWidth = 300, .clientHeight = 200}};
    DirectoryList list(form, ControlSpec{.left = 7, .top = 32, .width = 288, .height = 145});
    int changes = 0;
    list.OnChange = [&] { ++changes; };

    list.SetDirectory(dir + "\\");
    EXPECT_EQ(list.Directory(), dir);
    EXPECT_EQ(changes, 1);
    std::vector<std::string> chain{"c:\\"};
    for (size_t start = 3; start < dir.size();) {
        const size_t end = std::min(dir.find('\\', start), dir.size());
        chain.push_back(dir.substr(start, end - start));
        start = end + 1;
    }
    std::vector<std::string> expected = chain;
    expected.insert(expected.end(), {"alpha", "Beta", "gamma"});
    EXPECT_EQ(Items(list), expected);
    EXPECT_EQ(Highlighted(list), static_cast<int>(chain.size()) - 1) << "the current directory is marked";
    EXPECT_EQ(SendMessageA(list.Handle(), LB_GETITEMHEIGHT, 0, 0), 16);

    list.SetDirectory(dir);
    EXPECT_EQ(changes, 1) << "the same directory again is no change";
    list.SetDirectory("C:\\");
    EXPECT_EQ(list.Directory(), "c:\\") << "a root keeps its backslash and the drive letter is lower case";
    EXPECT_EQ(changes, 2);
}

TEST_F(DirDialogLists, AnUnreadableDirectoryThrowsAndLeavesTheList)
{
    Form form{FormSpec{.caption = "DirDialogLists", .clientWidth = 300, .clientHeight = 200}};
    DirectoryList list(form, ControlSpec{.left = 7, .top = 32, .width = 288, .height = 145});
    list.SetDirectory(dir);
    const std::vector<std::string> before = Items(list);
    try {
        list.SetDirectory(dir + "\\missing");
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode, ERROR_PATH_NOT_FOUND);
    }
    EXPECT_EQ(list.Directory(), dir);
    EXPECT_EQ(Items(list), before);
    EXPECT_THROW(list.SetDirectory(""), EInOutError);
}

TEST_F(DirDialogLists, ASingleClickHighlightsAndADoubleClickOpens)
{
    Form form{FormSpec{.caption = "DirDialogLists", .clientWidth = 300, .clientHeight = 200}};
    DirectoryList list(form, ControlSpec{.left = 7, .top = 32, .width = 288, .height = 145});
    form.ShowAt(0, 0);
    list.SetDirectory(dir);
    int changes = 0;
    list.OnChange = [&] { ++changes; };

    ClickItem(list, "Beta", false);
    ProcessMessages();
    EXPECT_EQ(Highlighted(list), IndexOf(list, "Beta"));
    EXPECT_EQ(list.Directory(), dir);
    EXPECT_EQ(changes, 0);

    ClickItem(list, "Beta", true);
    ProcessMessages();
    EXPECT_EQ(list.Directory(), dir + "\\Beta");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Items(list).back(), "Beta") << "an empty directory ends the chain";

    list.Refresh();
    EXPECT_EQ(list.Directory(), dir + "\\Beta");
    EXPECT_EQ(changes, 1) << "a refresh is no change";
}

TEST_F(DirDialogLists, TheDriveListNamesTheDrivesWithoutTouchingThemAndMovesItsDirectoryList)
{
    DriveANotReady drives(true);
    const UsingDriveAccess using_(drives);
    Form form{FormSpec{.caption = "DirDialogLists", .clientWidth = 300, .clientHeight = 220}};
    DirectoryList list(form, ControlSpec{.left = 7, .top = 32, .width = 288, .height = 145});
    DriveList combo(form, ControlSpec{.left = 50, .top = 8, .width = 191, .height = 19});
    combo.LinkTo(list);
    form.ShowAt(0, 0);
    SendMessageA(combo.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    PumpFor(400);
    EXPECT_TRUE(SavePicture(form.Handle(), "drive-list-dropped.bmp"));
    SendMessageA(combo.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(drives.touchesOfA, 0) << "listing and drawing the drives reads no medium";

    char first[8] = {};
    SendMessageA(combo.Handle(), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_STREQ(first, "a:");
    const RECT place = PlaceInParent(combo);
    EXPECT_EQ(place.bottom - place.top, 19) << "the closed box keeps the layout's height";
    EXPECT_EQ(combo.Drive(), 0);

    combo.SetDrive('C');
    EXPECT_EQ(combo.Drive(), 'c');
    EXPECT_EQ(Lower(list.Directory()), Lower(Win32DriveAccess().CurrentDir('c'))) << "c:'s current directory";

    try {
        combo.SetDrive('a');
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode, 21);
    }
    EXPECT_EQ(combo.Drive(), 'a') << "the drive stays chosen for the error report";
    EXPECT_EQ(list.Directory().substr(0, 3), "c:\\") << "the directory list stays";
    EXPECT_THROW(combo.SetDrive('\\'), EInOutError);
}

// ---- The directory selection dialog

TEST_F(DirDialogBox, StartsOnTheProgramDirectory)
{
    TFormDirBox dialog;
    std::string expected = GetProgramDir();
    expected.pop_back();
    EXPECT_EQ(dialog.SelectedDir, expected);
    EXPECT_EQ(Lower(dialog.DirList.Directory()), Lower(expected));
    EXPECT_EQ(dialog.DriveCombo.Drive(), std::tolower(static_cast<unsigned char>(expected.front())));
    EXPECT_EQ(dialog.DialogCaption, "Directory selection");
    EXPECT_EQ(dialog.HintLine, "Double-click a directory to select it");
    EXPECT_EQ(dialog.TopLine, "");
    EXPECT_FALSE(dialog.AllowCreateDir);
}

TEST_F(DirDialogBox, OkWithoutOpeningReturnsTheStartNormalised)
{
    TFormDirBox dialog;
    dialog.SelectedDir = "c:\\";
    {
        Steps steps;
        steps.Do([&] { Click(dialog.ButtonOK); });
        EXPECT_EQ(dialog.ShowModal(), 1);
        EXPECT_TRUE(steps.AllDone());
    }
    EXPECT_EQ(dialog.SelectedDir, "c:\\");

    dialog.SelectedDir = dir;
    dialog.DialogCaption = "Choose the directory";
    dialog.TopLine = "Top line";
    Steps steps;
    steps.Do([&] {
        EXPECT_EQ(dialog.FormWindow.Text(), "Choose the directory");
        EXPECT_EQ(dialog.LabelTitle2.Caption(), "Top line");
        EXPECT_EQ(dialog.LabelTitle3.Caption(), "Double-click a directory to select it");
        EXPECT_FALSE(dialog.ButtonCreateDir.IsEnabled());
        EXPECT_EQ(dialog.DirList.Directory(), dir);
        const SIZE client = ClientSize(dialog.FormWindow);
        EXPECT_EQ(client.cx, 389);
        EXPECT_EQ(client.cy, 215);
        const RECT list = PlaceInParent(dialog.DirList);
        EXPECT_EQ(list.left, 7);
        EXPECT_EQ(list.top, 32);
        EXPECT_EQ(list.right - list.left, 288);
        EXPECT_EQ(list.bottom - list.top, 145);
        const RECT combo = PlaceInParent(dialog.DriveCombo);
        EXPECT_EQ(combo.left, 50);
        EXPECT_EQ(combo.top, 191);
        EXPECT_EQ(combo.right - combo.left, 191);
        EXPECT_EQ(combo.bottom - combo.top, 19);
    });
    steps.Picture(dialog.FormWindow, "dir-dialog.bmp");
    steps.Do([&] { Click(dialog.ButtonOK); });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.SelectedDir, dir + "\\");
}

TEST_F(DirDialogBox, AHighlightedEntryIsNotChosenButAnOpenedOneIs)
{
    TFormDirBox dialog;
    dialog.SelectedDir = dir;
    {
        Steps steps;
        steps.Do([&] { ClickItem(dialog.DirList, "alpha", false); });
        steps.Pause(100);
        steps.Do([&] {
            EXPECT_EQ(Highlighted(dialog.DirList), IndexOf(dialog.DirList, "alpha"));
            Click(dialog.ButtonOK);
        });
        EXPECT_EQ(dialog.ShowModal(), 1);
        EXPECT_TRUE(steps.AllDone());
    }
    EXPECT_EQ(dialog.SelectedDir, dir + "\\") << "the open directory, not the highlighted one";

    dialog.SelectedDir = dir;
    {
        Steps steps;
        steps.Do([&] { ClickItem(dialog.DirList, "alpha", true); });
        steps.Pause(100);
        steps.Do([&] { Click(dialog.ButtonOK); });
        EXPECT_EQ(dialog.ShowModal(), 1);
        EXPECT_TRUE(steps.AllDone());
    }
    EXPECT_EQ(dialog.SelectedDir, dir + "\\alpha\\");

    // Enter opens the highlighted entry; the subdirectories follow the open directory.
    dialog.SelectedDir = dir;
    {
        Steps steps;
        steps.Do([&] {
            dialog.DirList.Focus();
            PressKey(dialog.DirList.Handle(), VK_DOWN);
            PressKey(dialog.DirList.Handle(), VK_DOWN);
            PressKey(dialog.DirList.Handle(), VK_RETURN);
        });
        steps.Pause(100);
        steps.Do([&] {
            EXPECT_EQ(dialog.SelectedDir, dir + "\\Beta") << "opening reaches SelectedDir at once";
            Click(dialog.ButtonOK);
        });
        EXPECT_EQ(dialog.ShowModal(), 1);
        EXPECT_TRUE(steps.AllDone());
    }
    EXPECT_EQ(dialog.SelectedDir, dir + "\\Beta\\");
}

TEST_F(DirDialogBox, CancelAndClosingByTheFrameGiveCancel)
{
    TFormDirBox dialog;
    dialog.SelectedDir = dir;
    {
        Steps steps;
        steps.Do([&] { ClickItem(dialog.DirList, "gamma", true); });
        steps.Pause(100);
        steps.Do([&] { Click(dialog.ButtonCancel); });
        EXPECT_EQ(dialog.ShowModal(), 2);
        EXPECT_TRUE(steps.AllDone());
    }
    {
        Steps steps;
        steps.Do([&] { PostMessageA(dialog.FormWindow.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); });
        EXPECT_EQ(dialog.ShowModal(), 2);
        EXPECT_TRUE(steps.AllDone());
    }
    EXPECT_TRUE(IsWindow(dialog.FormWindow.Handle())) << "the dialog is hidden, not destroyed";
    EXPECT_FALSE(dialog.FormWindow.Visible());
}

TEST_F(DirDialogBox, TabFollowsTheListsThenCancelOkAndCreateDir)
{
    TFormDirBox dialog;
    dialog.SelectedDir = dir;
    dialog.AllowCreateDir = true;
    std::vector<HWND> visited;
    Steps steps;
    steps.Do([&] { dialog.DirList.Focus(); });
    TabThrough(steps, 5, visited);
    steps.Do([&] { Click(dialog.ButtonCancel); });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_TRUE(steps.AllDone());
    const std::vector<HWND> expected{dialog.DirList.Handle(), dialog.DriveCombo.Handle(), dialog.ButtonCancel.Handle(),
                                     dialog.ButtonOK.Handle(), dialog.ButtonCreateDir.Handle()};
    EXPECT_EQ(visited, expected);
}

TEST_F(DirDialogBox, CreateDirMakesTheDirectoryInTheOpenOneAndOpensIt)
{
    TFormDirBox dialog;
    dialog.SelectedDir = dir;
    dialog.AllowCreateDir = true;
    HWND create = nullptr;
    Steps steps;
    steps.Do([&] {
        EXPECT_TRUE(dialog.ButtonCreateDir.IsEnabled());
        Click(dialog.ButtonCreateDir);
    });
    steps.Wait(FormShown(dir, create));
    steps.Do([&] {
        EXPECT_EQ(GetWindow(create, GW_OWNER), dialog.FormWindow.Handle()) << "the active dialog owns the new one";
        TypeChars(EditOf(create), "New1");
    });
    steps.Picture(create, "create-dir-dialog.bmp");
    steps.Do([&] { PressKey(EditOf(create), VK_RETURN); });
    steps.Pause(100);
    steps.Do([&] {
        EXPECT_FALSE(IsWindow(create)) << "the create dialog is gone";
        EXPECT_EQ(dialog.DirList.Directory(), dir + "\\New1");
        EXPECT_EQ(Items(dialog.DirList).back(), "New1");
        EXPECT_EQ(Highlighted(dialog.DirList), IndexOf(dialog.DirList, "New1"));
        Click(dialog.ButtonOK);
    });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.SelectedDir, dir + "\\New1\\");
    EXPECT_TRUE(IsExistingDir(dir + "\\New1"));
}

TEST_F(DirDialogBox, CreatingAnExistingNameIsReportedAndChangesNothing)
{
    TFormDirBox dialog;
    dialog.SelectedDir = dir;
    dialog.AllowCreateDir = true;
    HWND create = nullptr;
    std::vector<std::string> before;
    std::string title, message;
    Steps steps;
    steps.Do([&] {
        before = Items(dialog.DirList);
        Click(dialog.ButtonCreateDir);
    });
    steps.Wait(FormShown(dir, create));
    steps.Do([&] {
        TypeChars(EditOf(create), "alpha");
        PressKey(EditOf(create), VK_RETURN);
    });
    steps.Wait(AnswerBox(title, message));
    steps.Pause(100);
    steps.Do([&] {
        EXPECT_FALSE(IsWindow(create)) << "the create dialog ends with Cancel";
        EXPECT_TRUE(dialog.FormWindow.Visible());
        EXPECT_EQ(dialog.FormWindow.ModalResult, 0) << "the dir dialog stays open";
        EXPECT_EQ(dialog.DirList.Directory(), dir);
        EXPECT_EQ(Items(dialog.DirList), before);
        Click(dialog.ButtonCancel);
    });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(message, "Unable to create \r\n" + dir + "\\alpha");
    EXPECT_EQ(title, kApplicationTitle);
    EXPECT_EQ(dialog.SelectedDir, dir);
}

TEST_F(DirDialogBox, ADriveThatIsNotReadyIsNamedAndTheListsGoBackToC)
{
    DriveANotReady drives;
    const UsingDriveAccess using_(drives);
    bool earlierHandlerCalled = false;
    const ErrorHandler original = SetErrorHandler([&](const std::exception&) { earlierHandlerCalled = true; });

    TFormDirBox dialog;
    dialog.SelectedDir = dir;
    std::string title, message;
    Steps steps;
    steps.Do([&] {
        EXPECT_EQ(dialog.DriveCombo.Drive(), 'c');
        dialog.DriveCombo.Focus();
        PressKey(dialog.DriveCombo.Handle(), VK_HOME); // a: is the first drive
    });
    steps.Wait([] { return ThreadMessageBox() != nullptr; });
    steps.Pause(400);
    steps.Do([&] { EXPECT_TRUE(SavePicture(dialog.FormWindow.Handle(), "drive-not-ready.bmp")); });
    steps.Wait(AnswerBox(title, message));
    steps.Pause(100);
    steps.Picture(dialog.FormWindow, "dir-dialog-after-drive-error.bmp");
    steps.Do([&] {
        EXPECT_TRUE(dialog.FormWindow.Visible());
        EXPECT_EQ(dialog.FormWindow.ModalResult, 0) << "the dialog stays open";
        EXPECT_EQ(dialog.DriveCombo.Drive(), 'c');
        EXPECT_EQ(dialog.DirList.Directory().substr(0, 3), "c:\\");
        EXPECT_EQ(dialog.SelectedDir, dialog.DirList.Directory());
        Click(dialog.ButtonCancel);
    });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(message, "Drive:  A: not ready.");
    EXPECT_EQ(title, kApplicationTitle);
    EXPECT_FALSE(earlierHandlerCalled) << "the dialog's own handler was in force";

    const ErrorHandler inForce = SetErrorHandler(original);
    ASSERT_TRUE(inForce) << "the handler in force before the show is back after the hide";
    inForce(std::runtime_error("test"));
    EXPECT_TRUE(earlierHandlerCalled);
}

TEST_F(DirDialogBox, ADirectoryThatCannotBeShownGoesToTheEarlierHandlerAndTheShowGoesOn)
{
    const RecordingErrors errors;
    TFormDirBox dialog;
    dialog.SelectedDir = dir + "\\missing";
    dialog.AllowCreateDir = true;
    Steps steps;
    steps.Do([&] {
        EXPECT_EQ(errors.messages, std::vector<std::string>{"I/O error 3"});
        EXPECT_TRUE(dialog.ButtonCreateDir.IsEnabled());
        EXPECT_EQ(ClientSize(dialog.FormWindow).cx, 389);
        EXPECT_EQ(dialog.DriveCombo.Drive(), 'c');
        Click(dialog.ButtonCancel);
    });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_TRUE(steps.AllDone());
}

// ---- The create directory dialog

TEST_F(DirDialogCreate, RefusesCharactersOutsideNamesAndEscapeCancels)
{
    TFormCreateDirectory dialog;
    dialog.BaseDir = dir;
    Steps steps;
    steps.Do([&] {
        EXPECT_EQ(GetFocus(), dialog.EditDirectory.Handle()) << "the edit box has the focus";
        EXPECT_EQ(dialog.FormWindow.Text(), dir);
        const SIZE client = ClientSize(dialog.FormWindow);
        EXPECT_EQ(client.cx, 387);
        EXPECT_EQ(client.cy, 88);
        TypeChars(dialog.EditDirectory.Handle(), "a\\b:c&d e-f.g@h_i~j9*?/\"<>|");
    });
    steps.Pause(100);
    steps.Do([&] {
        EXPECT_EQ(dialog.EditDirectory.Text(), "abcd e-f.g@h_i~j9");
        PressKey(dialog.EditDirectory.Handle(), VK_ESCAPE);
    });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.BaseDir, dir);
    EXPECT_FALSE(IsExistingDir(dir + "\\abcd e-f.g@h_i~j9"));
}

TEST_F(DirDialogCreate, TabGoesFromTheEditToCancelThenOk)
{
    TFormCreateDirectory dialog;
    dialog.BaseDir = dir;
    std::vector<HWND> visited;
    Steps steps;
    TabThrough(steps, 3, visited);
    steps.Do([&] { Click(dialog.ButtonCancel); });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_TRUE(steps.AllDone());
    const std::vector<HWND> expected{dialog.EditDirectory.Handle(), dialog.ButtonCancel.Handle(),
                                     dialog.ButtonOK.Handle()};
    EXPECT_EQ(visited, expected);
}

TEST_F(DirDialogCreate, EnterCreatesTheDirectoryInsideTheBase)
{
    {
        TFormCreateDirectory dialog;
        dialog.BaseDir = dir;
        Steps steps;
        steps.Do([&] {
            TypeChars(dialog.EditDirectory.Handle(), "New");
            PressKey(dialog.EditDirectory.Handle(), VK_RETURN);
        });
        EXPECT_EQ(dialog.ShowModal(), 1);
        EXPECT_TRUE(steps.AllDone());
        EXPECT_EQ(dialog.BaseDir, dir + "\\New");
        EXPECT_TRUE(IsExistingDir(dir + "\\New"));
    }
    {
        TFormCreateDirectory dialog;
        EXPECT_EQ(dialog.BaseDir, "c:\\");
        Steps steps;
        steps.Do([&] { TypeChars(dialog.EditDirectory.Handle(), std::string(kRootNewDir).substr(3)); });
        steps.Pause(100);
        steps.Do([&] { Click(dialog.ButtonOK); });
        EXPECT_EQ(dialog.ShowModal(), 1);
        EXPECT_TRUE(steps.AllDone());
        EXPECT_EQ(dialog.BaseDir, kRootNewDir) << "no backslash is doubled after a root";
        EXPECT_TRUE(IsExistingDir(kRootNewDir));
    }
}
