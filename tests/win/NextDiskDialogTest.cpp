// The next-disk dialog under Wine: a real window in this process. The dialog is modal, so a thread timer
// works it from inside its own message loop (and the loops of the directory dialog and the question box it
// opens), as a user would: clicks and keys are posted to the controls. Pictures of the dialog are saved in
// the artefacts folder beside the test program.
#include "dialogs/DialogNewDisk.h"
#include "services/VeskFileAndShellUtil.h"
#include "ui/DirectoryList.h"
#include "ui/Form.h"
#include "ui/MessageLoop.h"
#include "win/DialogSteps.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

using namespace dialogtest;
using namespace ui;

namespace {

std::string TextOf(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// What a question box shows: its title, its message (its longest static text), the captions of its Yes
// and No buttons, and whether its icon is the system's question mark.
struct BoxSeen {
    std::string title;
    std::string message;
    std::string yes;
    std::string no;
    bool questionIcon = false;
};

BoxSeen Read(HWND box)
{
    BoxSeen seen;
    seen.title = TextOf(box);
    seen.yes = TextOf(GetDlgItem(box, IDYES));
    seen.no = TextOf(GetDlgItem(box, IDNO));
    const HICON question = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_QUESTION));
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") != 0)
            continue;
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            seen.questionIcon = seen.questionIcon ||
                                reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)) == question;
        else if (TextOf(child).size() > seen.message.size())
            seen.message = TextOf(child);
    }
    return seen;
}

// A waiting step: a message box is up; what it shows is kept and the given button is pressed.
std::function<bool()> AnswerBox(BoxSeen& seen, int button)
{
    return [&seen, button] {
        const HWND box = ThreadMessageBox();
        if (!box)
            return false;
        seen = Read(box);
        PostMessageA(GetDlgItem(box, button), BM_CLICK, 0, 0);
        return true;
    };
}

// How many lines the control's caption takes when it is broken between words at the control's width.
int WrappedLineCount(const Window& control)
{
    const std::string caption = control.Text();
    RECT area{};
    GetClientRect(control.Handle(), &area);
    const HDC dc = GetDC(control.Handle());
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control.Handle(), WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_LEFT);
    SelectObject(dc, old);
    ReleaseDC(control.Handle(), dc);
    return metrics.tmHeight ? (area.bottom - area.top) / metrics.tmHeight : 0;
}

// ---- The fixture

// The source location the dialog is shown with, holding the directory of the second disk; and a window in
// the place of the application's, shown and active, so that the dialogs are owned as the caller's are.
struct NextDiskFixture : ::testing::Test {
    void SetUp() override
    {
        RemoveTree(dir);
        ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr)) << dir;
        ASSERT_TRUE(CreateDirectoryA((dir + "\\disk2").c_str(), nullptr));
        application.ShowAt(0, 0);
        SetActiveWindow(application.Handle());
        ASSERT_EQ(GetActiveWindow(), application.Handle());
    }
    void TearDown() override { RemoveTree(dir); }

    const std::string dir = TempTestDir("vesk-nextdisk");
    Form application{FormSpec{.caption = "NextDiskApplication", .clientWidth = 160, .clientHeight = 80,
                              .dialogFrame = false}};
};

using NextDiskLayout = NextDiskFixture;
using NextDiskOk = NextDiskFixture;
using NextDiskChange = NextDiskFixture;
using NextDiskCancel = NextDiskFixture;

const char kAbortQuestion[] = "Are you sure you want to abort the installation procedure?";

} // namespace

// ---- The layout

TEST_F(NextDiskLayout, StartsOnTheProgramDirectoryWithNoFileHidden)
{
    TFormDialogNextDisk dialog;
    std::string programDir = GetProgramDir();
    programDir.pop_back();
    EXPECT_EQ(dialog.Location, programDir) << "without the trailing backslash";
    EXPECT_EQ(dialog.NeededFile, "");
    EXPECT_FALSE(dialog.FormWindow.Visible());
    EXPECT_EQ(dialog.FormWindow.Text(), "Insert next disk");
    EXPECT_EQ(dialog.LabelNeededFile.Caption(), "LabelNeededFile") << "the layout's text until the show";
    EXPECT_EQ(dialog.FormDirBox, nullptr);
    EXPECT_EQ(GetWindow(dialog.FormWindow.Handle(), GW_OWNER), application.Handle()) << "owned by the application";
    const SIZE client = ClientSize(dialog.FormWindow);
    EXPECT_EQ(client.cx, 259);
    EXPECT_EQ(client.cy, 184);
}

TEST_F(NextDiskLayout, ShowsAtItsPlaceWithTheTableControlsAndTheNeededFileInBold)
{
    TFormDialogNextDisk dialog;
    dialog.Location = dir;
    dialog.NeededFile = "disk2\\tools.ex_";
    Steps steps;
    steps.Do([&] {
        RECT window{};
        GetWindowRect(dialog.FormWindow.Handle(), &window);
        EXPECT_EQ(window.left, 221) << "the layout's place, not centred";
        EXPECT_EQ(window.top, 216);
        const SIZE client = ClientSize(dialog.FormWindow);
        EXPECT_EQ(client.cx, 251) << "Ch&ange's right edge + 10";
        EXPECT_EQ(client.cy, 178) << "Ch&ange's bottom edge + 10";
        EXPECT_EQ(dialog.FormWindow.Text(), "Insert next disk");
        EXPECT_TRUE(GetWindowLongA(dialog.FormWindow.Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

        EXPECT_EQ(dialog.Label1.Caption(), "Insert the next disk to continue");
        EXPECT_EQ(dialog.Label2.Caption(), "If the required file:");
        EXPECT_EQ(dialog.LabelNeededFile.Caption(), "disk2\\tools.ex_") << "the file as the script names it";
        EXPECT_EQ(dialog.Label3.Caption(), "is in a different location, press change:");
        EXPECT_EQ(dialog.Label4.Caption(), "and press 'OK'");
        EXPECT_EQ(dialog.ButtonOK.Caption(), "&OK");
        EXPECT_EQ(dialog.ButtonChange.Caption(), "Ch&ange");
        EXPECT_EQ(dialog.ButtonCancel.Caption(), "&Cancel");

        // Labels that break their text keep the layout's rectangle; the others grow to their text.
        ExpectPlace(dialog.Label1, 15, 15, 111, 32, "Label1");
        ExpectPlace(dialog.Label2, 16, 101, 0, 0, "Label2");
        ExpectPlace(dialog.LabelNeededFile, 15, 118, 0, 0, "LabelNeededFile");
        ExpectPlace(dialog.Label3, 16, 136, 137, 32, "Label3");
        ExpectPlace(dialog.Label4, 15, 49, 0, 0, "Label4");
        ExpectPlace(dialog.Bevel1, 15, 88, 229, 3, "Bevel1");
        ExpectPlace(dialog.ButtonOK, 168, 16, 75, 25, "ButtonOK");
        ExpectPlace(dialog.ButtonChange, 168, 143, 73, 25, "ButtonChange");
        ExpectPlace(dialog.ButtonCancel, 168, 48, 73, 25, "ButtonCancel");
        EXPECT_EQ(WrappedLineCount(dialog.Label1), 2);
        EXPECT_EQ(WrappedLineCount(dialog.Label3), 2);
        EXPECT_TRUE(GetWindowLongA(dialog.Bevel1.Handle(), GWL_STYLE) & SS_SUNKEN);

        for (const Window* label : std::vector<const Window*>{&dialog.Label1, &dialog.Label2, &dialog.LabelNeededFile,
                                                              &dialog.Label3, &dialog.Label4}) {
            const LOGFONTA font = FontOf(*label);
            EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
            EXPECT_EQ(font.lfHeight, -13);
            EXPECT_EQ(font.lfWeight >= FW_BOLD, label == &dialog.LabelNeededFile) << label->Text();
        }
        EXPECT_EQ(FontOf(dialog.ButtonOK).lfHeight, -11) << "the form's font";
        EXPECT_EQ(GetFocus(), dialog.ButtonOK.Handle()) << "the first in tab order has the focus";
    });
    steps.Picture(dialog.FormWindow, "next-disk-dialog.bmp");
    steps.Do([&] { Click(dialog.ButtonOK); });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
}

TEST_F(NextDiskLayout, TabGoesFromOkToChangeToCancel)
{
    TFormDialogNextDisk dialog;
    dialog.Location = dir;
    std::vector<HWND> visited;
    Steps steps;
    TabThrough(steps, 4, visited);
    steps.Do([&] { Click(dialog.ButtonOK); });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
    const std::vector<HWND> expected{dialog.ButtonOK.Handle(), dialog.ButtonChange.Handle(),
                                     dialog.ButtonCancel.Handle(), dialog.ButtonOK.Handle()};
    EXPECT_EQ(visited, expected);
}

// ---- OK

TEST_F(NextDiskOk, OkByClickOrEnterGivesOkWithTheLocationUnchanged)
{
    TFormDialogNextDisk dialog;
    dialog.Location = dir;
    dialog.NeededFile = "tools.ex_";
    {
        Steps steps;
        steps.Do([&] {
            EXPECT_FALSE(application.Enabled()) << "the application waits while the dialog is up";
            Click(dialog.ButtonOK);
        });
        EXPECT_EQ(dialog.ShowModal(), 1);
        EXPECT_TRUE(steps.AllDone());
    }
    EXPECT_TRUE(application.Enabled());
    EXPECT_EQ(GetActiveWindow(), application.Handle()) << "the application is active again";
    EXPECT_EQ(dialog.Location, dir) << "no backslash is added when nothing was chosen";
    EXPECT_FALSE(dialog.FormWindow.Visible());
    EXPECT_EQ(dialog.FormWindow.Text(), "Insert next disk");

    // Shown again, as the caller does while the file is still missing.
    {
        Steps steps;
        steps.Do([&] { PressKey(GetFocus(), VK_RETURN); });
        EXPECT_EQ(dialog.ShowModal(), 1);
        EXPECT_TRUE(steps.AllDone());
    }
    EXPECT_EQ(dialog.Location, dir);
}

// ---- Change

TEST_F(NextDiskChange, OpensTheDirectoryDialogForANewLocationAndItsOkClosesBoth)
{
    TFormDialogNextDisk dialog;
    dialog.Location = dir;
    dialog.NeededFile = "tools.ex_";
    HWND newLocation = nullptr;
    Steps steps;
    steps.Do([&] { Click(dialog.ButtonChange); });
    steps.Wait(FormShown("New location", newLocation));
    steps.Do([&] {
        ASSERT_NE(dialog.FormDirBox, nullptr);
        const TFormDirBox& box = *dialog.FormDirBox;
        EXPECT_EQ(newLocation, box.FormWindow.Handle());
        EXPECT_EQ(GetWindow(newLocation, GW_OWNER), dialog.FormWindow.Handle()) << "the next-disk dialog owns it";
        EXPECT_EQ(box.FormWindow.Text(), "New location");
        EXPECT_EQ(box.LabelTitle2.Caption(), "Double click a directory");
        EXPECT_EQ(box.LabelTitle3.Caption(), "to select a new location");
        EXPECT_FALSE(box.ButtonCreateDir.IsEnabled()) << "no directory is made here";
        EXPECT_EQ(box.DirList.Directory(), dir) << "it opens on the location";
        EXPECT_TRUE(dialog.FormWindow.Visible());
        EXPECT_FALSE(dialog.FormWindow.Enabled()) << "the next-disk dialog waits below";
    });
    steps.Picture(newLocation, "next-disk-new-location.bmp");
    steps.Do([&] { ClickItem(dialog.FormDirBox->DirList, "disk2", true); });
    steps.Pause(100);
    steps.Do([&] {
        EXPECT_EQ(dialog.FormDirBox->DirList.Directory(), dir + "\\disk2");
        Click(dialog.FormDirBox->ButtonOK);
    });
    EXPECT_EQ(dialog.ShowModal(), 1) << "OK in the directory dialog is OK here at once";
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.Location, dir + "\\disk2\\") << "normalised, with a trailing backslash";
    EXPECT_EQ(dialog.FormWindow.Text(), dir + "\\disk2\\") << "the title names the new location";
    EXPECT_FALSE(dialog.FormWindow.Visible());
    ASSERT_NE(dialog.FormDirBox, nullptr);
    EXPECT_FALSE(dialog.FormDirBox->FormWindow.Visible());
    EXPECT_TRUE(IsWindow(dialog.FormDirBox->FormWindow.Handle())) << "it goes with the next-disk dialog";
}

TEST_F(NextDiskChange, ARootStaysWithOneBackslash)
{
    TFormDialogNextDisk dialog;
    dialog.Location = "c:\\";
    HWND newLocation = nullptr;
    Steps steps;
    steps.Do([&] { Click(dialog.ButtonChange); });
    steps.Wait(FormShown("New location", newLocation));
    steps.Do([&] { Click(dialog.FormDirBox->ButtonOK); });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.Location, "c:\\");
}

TEST_F(NextDiskChange, CancelInTheDirectoryDialogLeavesTheDialogOpenAndTheLocationAlone)
{
    TFormDialogNextDisk dialog;
    dialog.Location = dir;
    HWND newLocation = nullptr;
    Steps steps;
    steps.Do([&] { Click(dialog.ButtonChange); });
    steps.Wait(FormShown("New location", newLocation));
    steps.Do([&] { ClickItem(dialog.FormDirBox->DirList, "disk2", true); });
    steps.Pause(100);
    steps.Do([&] { Click(dialog.FormDirBox->ButtonCancel); });
    steps.Pause(200);
    steps.Do([&] {
        EXPECT_FALSE(IsWindowVisible(newLocation));
        EXPECT_TRUE(dialog.FormWindow.Visible());
        EXPECT_TRUE(dialog.FormWindow.Enabled());
        EXPECT_EQ(dialog.FormWindow.ModalResult, 0) << "the next-disk dialog stays open";
        EXPECT_EQ(GetActiveWindow(), dialog.FormWindow.Handle());
        EXPECT_EQ(dialog.Location, dir);
        EXPECT_EQ(dialog.FormWindow.Text(), "Insert next disk");
        Click(dialog.ButtonOK);
    });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.Location, dir);
}

// ---- Cancel

TEST_F(NextDiskCancel, AsksToConfirmNoKeepsTheDialogOpenAndYesEndsWithCancel)
{
    TFormDialogNextDisk dialog;
    dialog.Location = dir;
    dialog.NeededFile = "tools.ex_";
    BoxSeen first, second;
    HWND box = nullptr;
    Steps steps;
    steps.Do([&] { Click(dialog.ButtonCancel); });
    steps.Wait([&] { return (box = ThreadMessageBox()) != nullptr; });
    steps.Pause(400);
    steps.Do([&] { EXPECT_TRUE(SavePicture(box, "next-disk-confirm.bmp")); });
    steps.Wait(AnswerBox(first, IDNO));
    steps.Pause(200);
    steps.Do([&] {
        EXPECT_EQ(ThreadMessageBox(), nullptr);
        EXPECT_TRUE(dialog.FormWindow.Visible());
        EXPECT_EQ(dialog.FormWindow.ModalResult, 0) << "No leaves the dialog open";
        Click(dialog.ButtonCancel);
    });
    steps.Wait(AnswerBox(second, IDYES));
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(first.title, "Confirm");
    EXPECT_EQ(first.message, kAbortQuestion);
    EXPECT_EQ(first.yes, "&Yes");
    EXPECT_EQ(first.no, "&No");
    EXPECT_TRUE(first.questionIcon);
    EXPECT_EQ(second.title, "Confirm");
    EXPECT_EQ(second.message, kAbortQuestion);
    EXPECT_EQ(dialog.Location, dir);
    EXPECT_FALSE(dialog.FormWindow.Visible());
}

TEST_F(NextDiskCancel, ClosingByTheFrameEndsWithCancelWithoutTheQuestion)
{
    TFormDialogNextDisk dialog;
    dialog.Location = dir;
    bool asked = false;
    Steps steps;
    steps.Do([&] { PostMessageA(dialog.FormWindow.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); });
    // Would run only if a question came up: it is noted and answered, so that the test ends either way.
    steps.Wait([&] {
        const HWND box = ThreadMessageBox();
        if (box) {
            asked = true;
            PostMessageA(GetDlgItem(box, IDYES), BM_CLICK, 0, 0);
        }
        return box != nullptr;
    });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_FALSE(asked) << "the frame closes without the question";
    EXPECT_FALSE(dialog.FormWindow.Visible());
    EXPECT_EQ(dialog.Location, dir);
}
