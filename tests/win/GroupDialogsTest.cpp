// The two program group dialogs under Wine: real windows in this process. The dialogs are modal, so a thread
// timer works them from inside their own message loops (and the loops of the boxes they open), as a user
// would: clicks, keys and characters are posted to the controls. The user's Programs folder is a test
// directory for the time of each test: the prefix's "Shell Folders" value is set to it and put back as it was
// afterwards. The beeps are counted by redirecting this program's import of MessageBeep. Pictures of the
// dialogs are saved in the artefacts folder beside the test program.
#include "dialogs/DialogCreateProgramGroup.h"
#include "dialogs/ProgramGroupBox.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "win/DialogSteps.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace dialogtest;
using namespace ui;

namespace {

// ---- The Programs folder in the registry

const char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Sets the current user's "Programs" shell folder for one scope, and puts back exactly what was there before:
// the same type and bytes, or no value (and no key) when there was none.
class ProgramsFolderValue {
public:
    explicit ProgramsFolderValue(const std::string& folder)
    {
        DWORD disposition = 0;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kShellFoldersKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                            &disposition) != ERROR_SUCCESS) {
            ADD_FAILURE() << "cannot open the Shell Folders key";
            key_ = nullptr;
            return;
        }
        keyCreated_ = disposition == REG_CREATED_NEW_KEY;
        DWORD size = 0;
        hadValue_ = RegQueryValueExA(key_, "Programs", nullptr, &type_, nullptr, &size) == ERROR_SUCCESS;
        if (hadValue_) {
            saved_.resize(size);
            RegQueryValueExA(key_, "Programs", nullptr, &type_, saved_.data(), &size);
            saved_.resize(size);
        }
        Set(folder);
    }
    ~ProgramsFolderValue()
    {
        if (!key_)
            return;
        if (hadValue_)
            RegSetValueExA(key_, "Programs", 0, type_, saved_.data(), static_cast<DWORD>(saved_.size()));
        else
            RegDeleteValueA(key_, "Programs");
        RegCloseKey(key_);
        if (keyCreated_)
            RegDeleteKeyA(HKEY_CURRENT_USER, kShellFoldersKey);
    }
    ProgramsFolderValue(const ProgramsFolderValue&) = delete;
    ProgramsFolderValue& operator=(const ProgramsFolderValue&) = delete;

    void Set(const std::string& folder)
    {
        RegSetValueExA(key_, "Programs", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                       static_cast<DWORD>(folder.size() + 1));
    }

private:
    HKEY key_ = nullptr;
    bool keyCreated_ = false;
    bool hadValue_ = false;
    DWORD type_ = REG_SZ;
    std::vector<BYTE> saved_;
};

// ---- Beeps

// Counts the beeps of this program for one scope: its import of MessageBeep points at a recorder meanwhile,
// which keeps the value and sounds nothing. The dialogs are linked into this program, so their calls go
// through that import.
class BeepRecorder {
public:
    BeepRecorder()
    {
        slot_ = ImportSlot("user32.dll", "MessageBeep");
        if (!slot_) {
            ADD_FAILURE() << "this program imports no MessageBeep";
            return;
        }
        current_ = this;
        Write(reinterpret_cast<void*>(&BeepRecorder::Record), &original_);
    }
    ~BeepRecorder()
    {
        if (slot_)
            Write(original_, nullptr);
        current_ = nullptr;
    }
    BeepRecorder(const BeepRecorder&) = delete;
    BeepRecorder& operator=(const BeepRecorder&) = delete;

    std::vector<UINT> values;

private:
    static BOOL WINAPI Record(UINT type)
    {
        if (current_)
            current_->values.push_back(type);
        return TRUE;
    }

    // The entry of this program's import address table that holds the function, or null.
    static void** ImportSlot(const char* dll, const char* function)
    {
        auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name;
             ++entry) {
            if (lstrcmpiA(reinterpret_cast<const char*>(base + entry->Name), dll) != 0 ||
                !entry->OriginalFirstThunk)
                continue;
            auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
            auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
            for (; names->u1.AddressOfData; ++names, ++slots) {
                if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                    continue;
                const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
                    return reinterpret_cast<void**>(&slots->u1.Function);
            }
        }
        return nullptr;
    }

    void Write(void* value, void** previous)
    {
        DWORD protection = 0;
        VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
        if (previous)
            *previous = *slot_;
        *slot_ = value;
        VirtualProtect(slot_, sizeof *slot_, protection, &protection);
    }

    static BeepRecorder* current_;
    void** slot_ = nullptr;
    void* original_ = nullptr;
};

BeepRecorder* BeepRecorder::current_ = nullptr;

// ---- Refills of the group list

// Notes each emptying of a list box, with its time: the group dialog empties its list at every fill, once at
// the show and once in each pass after a group was created. The list's own procedure does the rest.
class ListRefills {
public:
    explicit ListRefills(const ListBox& list) : list_(list.Handle())
    {
        current_ = this;
        original_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListRefills::Proc)));
    }
    ~ListRefills()
    {
        SetWindowLongPtrA(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        current_ = nullptr;
    }
    ListRefills(const ListRefills&) = delete;
    ListRefills& operator=(const ListRefills&) = delete;

    std::vector<DWORD> times;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == LB_RESETCONTENT)
            current_->times.push_back(GetTickCount());
        return CallWindowProcA(current_->original_, hwnd, message, wParam, lParam);
    }

    static ListRefills* current_;
    HWND list_;
    WNDPROC original_ = nullptr;
};

ListRefills* ListRefills::current_ = nullptr;

// ---- Looking at the windows

std::vector<std::string> Items(const ListBox& list)
{
    std::vector<std::string> items;
    for (int index = 0; index < list.Count(); ++index)
        items.push_back(list.Item(index));
    return items;
}

int IndexOf(const ListBox& list, const std::string& name)
{
    for (int index = 0; index < list.Count(); ++index)
        if (list.Item(index) == name)
            return index;
    return -1;
}

// The mouse on an item of the list: one click, or a double-click as the system reports it.
void ClickItem(const ListBox& list, const std::string& name, bool twice)
{
    ClickListItem(list.Handle(), IndexOf(list, name), twice);
}

// A waiting step: a message box is up; its message and the time are kept and its OK is pressed.
std::function<bool()> AnswerBox(std::string& message, DWORD& answeredAt)
{
    return [&message, &answeredAt] {
        const HWND box = ThreadMessageBox();
        if (!box)
            return false;
        message = BoxMessage(box);
        answeredAt = GetTickCount();
        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        return true;
    };
}

// A waiting step: the create dialog is up, active and owned by the group dialog; found is set to it.
std::function<bool()> CreateDialogShown(const TFormProgramGroupBox& box, HWND& found)
{
    return [&box, &found] {
        const HWND active = GetActiveWindow();
        char className[16] = {};
        GetClassNameA(active, className, sizeof className);
        if (!active || lstrcmpA(className, "VeskForm") != 0 || !IsWindowVisible(active) ||
            GetWindow(active, GW_OWNER) != box.FormWindow.Handle())
            return false;
        found = active;
        return true;
    };
}

HWND ButtonOf(HWND form, const char* caption)
{
    return FindWindowExA(form, nullptr, "Button", caption);
}

// What a test of creating a group from the group dialog keeps: the create dialog once it is up, the list's
// refills from the click on Create group on, and the message of the box that answers the new name.
struct CreatingGroup {
    HWND create = nullptr;
    std::unique_ptr<ListRefills> refills;
    std::string message;
    DWORD answeredAt = 0;
};

// Steps: the list's refills are noted from now on, Create group opens the create dialog, the name is typed
// and sent with Enter (or with a click on OK), and the box that answers it is closed.
void CreateGroupSteps(Steps& steps, const TFormProgramGroupBox& dialog, CreatingGroup& run, const std::string& name,
                      bool clickOk = false)
{
    steps.Do([&dialog, &run] {
        run.refills = std::make_unique<ListRefills>(dialog.ListBox1);
        Click(dialog.ButtonCreateGroup);
    });
    steps.Wait(CreateDialogShown(dialog, run.create));
    steps.Do([&run, name, clickOk] {
        TypeChars(EditOf(run.create), name);
        if (clickOk)
            PostMessageA(ButtonOf(run.create, "&OK"), BM_CLICK, 0, 0);
        else
            PressKey(EditOf(run.create), VK_RETURN);
    });
    steps.Wait(AnswerBox(run.message, run.answeredAt));
}

// ---- The fixture

// A Programs folder with the groups Games, Accessories and Tools, a file and a hidden folder, which are no
// groups; and a window in the place of the application's, shown and active, so that the dialogs are owned as
// the caller's are.
struct GroupDialogFixture : ::testing::Test {
    void SetUp() override
    {
        RemoveTree(dir);
        ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr)) << dir;
        ASSERT_TRUE(CreateDirectoryA(programs.c_str(), nullptr)) << programs;
        for (const char* group : {"Games", "Accessories", "Tools", "hidden"})
            CreateDirectoryA((programs + "\\" + group).c_str(), nullptr);
        SetFileAttributesA((programs + "\\hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
        std::ofstream(programs + "\\readme.txt") << "not a group";
        application.ShowAt(0, 0);
        SetActiveWindow(application.Handle());
        ASSERT_EQ(GetActiveWindow(), application.Handle());
    }
    void TearDown() override { RemoveTree(dir); }

    const std::string dir = TempTestDir("vesk-groupdialogs");
    const std::string programs = dir + "\\Programs";
    ProgramsFolderValue programsValue{programs};
    Form application{FormSpec{.caption = "GroupDialogsApplication", .clientWidth = 160, .clientHeight = 80,
                              .dialogFrame = false}};
};

using ProgramGroupBoxLayout = GroupDialogFixture;
using ProgramGroupBoxAnswers = GroupDialogFixture;
using ProgramGroupBoxCreate = GroupDialogFixture;
using CreateProgramGroupLayout = GroupDialogFixture;
using CreateProgramGroupKeys = GroupDialogFixture;
using CreateProgramGroupNames = GroupDialogFixture;

const std::vector<std::string> kSortedGroups{"Accessories", "Games", "Tools"};

} // namespace

// ---- The tests' own setting of the Programs folder

TEST(ProgramGroupTestSetting, PutsTheProgramsValueBackExactly)
{
    const auto read = [](DWORD& type, std::vector<BYTE>& data) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        DWORD size = 0;
        bool found = RegQueryValueExA(key, "Programs", nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
        data.assign(size, 0);
        found = found && RegQueryValueExA(key, "Programs", nullptr, &type, data.data(), &size) == ERROR_SUCCESS;
        RegCloseKey(key);
        return found;
    };
    DWORD typeBefore = 0, typeDuring = 0, typeAfter = 0;
    std::vector<BYTE> before, during, after;
    const bool hadBefore = read(typeBefore, before);
    {
        const ProgramsFolderValue value("c:\\vesk-groupdialogs-elsewhere");
        ASSERT_TRUE(read(typeDuring, during));
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(during.data())), "c:\\vesk-groupdialogs-elsewhere");
        EXPECT_EQ(typeDuring, static_cast<DWORD>(REG_SZ));
    }
    EXPECT_EQ(read(typeAfter, after), hadBefore);
    EXPECT_EQ(typeAfter, typeBefore);
    EXPECT_EQ(after, before);
}

// ---- The group dialog: its layout and list

TEST_F(ProgramGroupBoxLayout, StartsWithTheMarkerAnswerAndWithoutCreatingGroups)
{
    TFormProgramGroupBox dialog;
    EXPECT_EQ(dialog.SelectedGroup, "<only initialized>");
    EXPECT_FALSE(dialog.AllowCreateGroup);
    EXPECT_FALSE(dialog.FormWindow.Visible());
    EXPECT_EQ(dialog.FormWindow.Text(), "Program Group selection");
    EXPECT_EQ(GetWindow(dialog.FormWindow.Handle(), GW_OWNER), application.Handle()) << "owned by the application";
    const SIZE client = ClientSize(dialog.FormWindow);
    EXPECT_EQ(client.cx, 447);
    EXPECT_EQ(client.cy, 240) << "the resize handler: OK's bottom edge + 10";
}

TEST_F(ProgramGroupBoxLayout, ShowsTheGroupsSortedWithTheSecondSelectedAndTheTableControls)
{
    TFormProgramGroupBox dialog;
    Steps steps;
    steps.Do([&] {
        EXPECT_EQ(Items(dialog.ListBox1), kSortedGroups) << "no file, no hidden folder";
        EXPECT_EQ(dialog.ListBox1.ItemIndex(), 1) << "the entry at position 1";
        EXPECT_EQ(dialog.ListBox1.ItemHeight(), 13);
        EXPECT_TRUE(GetWindowLongA(dialog.ListBox1.Handle(), GWL_STYLE) & LBS_SORT);
        EXPECT_FALSE(dialog.ButtonCreateGroup.IsEnabled()) << "not allowed by the caller";
        EXPECT_TRUE(dialog.ButtonCancel.IsEnabled());
        EXPECT_TRUE(dialog.ButtonOK.IsEnabled());
        EXPECT_EQ(GetFocus(), dialog.ListBox1.Handle()) << "the first in tab order has the focus";

        RECT window{}, work{};
        GetWindowRect(dialog.FormWindow.Handle(), &window);
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_LE(std::abs((window.left + window.right) - (work.left + work.right)), 1) << "centred";
        EXPECT_LE(std::abs((window.top + window.bottom) - (work.top + work.bottom)), 1) << "centred";
        const SIZE client = ClientSize(dialog.FormWindow);
        EXPECT_EQ(client.cx, 447);
        EXPECT_EQ(client.cy, 240);
        EXPECT_TRUE(GetWindowLongA(dialog.FormWindow.Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
        EXPECT_FALSE(GetWindowLongA(dialog.FormWindow.Handle(), GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX |
                                                                                WS_MAXIMIZEBOX));
        EXPECT_EQ(dialog.FormWindow.BackColor(), colors::Silver);

        ExpectPlace(dialog.ListBox1, 8, 7, 332, 224, "ListBox1");
        ExpectPlace(dialog.Panel1, 347, 0, 100, 240, "Panel1, on the right edge and as high as the client area");
        EXPECT_EQ(GetParent(dialog.ButtonOK.Handle()), dialog.Panel1.Handle());
        ExpectPlace(dialog.ButtonCreateGroup, 14, 13, 75, 25, "ButtonCreateGroup");
        ExpectPlace(dialog.ButtonCancel, 14, 173, 75, 25, "ButtonCancel");
        ExpectPlace(dialog.ButtonOK, 14, 205, 75, 25, "ButtonOK");
        EXPECT_EQ(dialog.ButtonCreateGroup.Caption(), "Create &group");
        EXPECT_EQ(dialog.ButtonCancel.Caption(), "&Cancel");
        EXPECT_EQ(dialog.ButtonOK.Caption(), "&OK");
        for (const Window* control : std::vector<const Window*>{&dialog.ListBox1, &dialog.ButtonCreateGroup,
                                                                &dialog.ButtonCancel, &dialog.ButtonOK}) {
            const LOGFONTA font = FontOf(*control);
            EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
            EXPECT_EQ(font.lfHeight, -11);
        }
    });
    steps.Picture(dialog.FormWindow, "program-group-box.bmp");
    steps.Do([&] { Click(dialog.ButtonOK); });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.SelectedGroup, "Games");
}

TEST_F(ProgramGroupBoxLayout, TabGoesFromTheListToCreateGroupThenCancelThenOk)
{
    TFormProgramGroupBox dialog;
    dialog.AllowCreateGroup = true;
    std::vector<HWND> visited;
    Steps steps;
    TabThrough(steps, 5, visited);
    steps.Do([&] { Click(dialog.ButtonCancel); });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_TRUE(steps.AllDone());
    const std::vector<HWND> expected{dialog.ListBox1.Handle(), dialog.ButtonCreateGroup.Handle(),
                                     dialog.ButtonCancel.Handle(), dialog.ButtonOK.Handle(),
                                     dialog.ListBox1.Handle()};
    EXPECT_EQ(visited, expected);
}

TEST_F(ProgramGroupBoxLayout, TheListIsFilledAgainAtEveryShow)
{
    TFormProgramGroupBox dialog;
    {
        Steps steps;
        steps.Do([&] { Click(dialog.ButtonCancel); });
        EXPECT_EQ(dialog.ShowModal(), 2);
        EXPECT_TRUE(steps.AllDone());
    }
    ASSERT_TRUE(CreateDirectoryA((programs + "\\Demo").c_str(), nullptr));
    Steps steps;
    steps.Do([&] {
        EXPECT_EQ(Items(dialog.ListBox1), (std::vector<std::string>{"Accessories", "Demo", "Games", "Tools"}));
        EXPECT_EQ(dialog.ListBox1.ItemIndex(), 1);
        Click(dialog.ButtonOK);
    });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.SelectedGroup, "Demo");
}

// ---- The group dialog: its answers

TEST_F(ProgramGroupBoxAnswers, OkAnswersTheGroupTheUserSelected)
{
    TFormProgramGroupBox dialog;
    Steps steps;
    steps.Do([&] { ClickItem(dialog.ListBox1, "Tools", false); });
    steps.Pause(100);
    steps.Do([&] {
        EXPECT_EQ(dialog.ListBox1.ItemIndex(), 2);
        EXPECT_EQ(dialog.FormWindow.ModalResult, 0) << "a single click only selects";
        Click(dialog.ButtonOK);
    });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.SelectedGroup, "Tools");
    EXPECT_FALSE(dialog.FormWindow.Visible());
    EXPECT_TRUE(application.Enabled());
}

TEST_F(ProgramGroupBoxAnswers, ADoubleClickAnswersTheGroupAsOkDoes)
{
    TFormProgramGroupBox dialog;
    Steps steps;
    steps.Do([&] { ClickItem(dialog.ListBox1, "Accessories", true); });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.SelectedGroup, "Accessories");
}

TEST_F(ProgramGroupBoxAnswers, WithOneGroupNothingIsSelectedAndOkAnswersSelectedNotFound)
{
    for (const char* group : {"Games", "Tools"})
        ASSERT_TRUE(RemoveDirectoryA((programs + "\\" + group).c_str()));
    TFormProgramGroupBox dialog;
    Steps steps;
    steps.Do([&] {
        EXPECT_EQ(Items(dialog.ListBox1), std::vector<std::string>{"Accessories"});
        EXPECT_EQ(dialog.ListBox1.ItemIndex(), -1) << "no entry at position 1";
    });
    steps.Picture(dialog.FormWindow, "program-group-box-one-group.bmp");
    steps.Do([&] { Click(dialog.ButtonOK); });
    EXPECT_EQ(dialog.ShowModal(), 1) << "OK without a selection is not refused";
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.SelectedGroup, "<selected not found>");
}

TEST_F(ProgramGroupBoxAnswers, AnEmptyProgramsFolderListsNothing)
{
    for (const char* group : {"Games", "Accessories", "Tools"})
        ASSERT_TRUE(RemoveDirectoryA((programs + "\\" + group).c_str()));
    TFormProgramGroupBox dialog;
    Steps steps;
    steps.Do([&] {
        EXPECT_EQ(dialog.ListBox1.Count(), 0);
        Click(dialog.ButtonOK);
    });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.SelectedGroup, "<selected not found>");
}

TEST_F(ProgramGroupBoxAnswers, CancelAnswersTheEmptyText)
{
    TFormProgramGroupBox dialog;
    Steps steps;
    steps.Do([&] { Click(dialog.ButtonCancel); });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.SelectedGroup, "");
}

TEST_F(ProgramGroupBoxAnswers, ClosingByTheFrameAnswersOnlyInitialized)
{
    TFormProgramGroupBox dialog;
    {
        Steps steps;
        steps.Do([&] { PostMessageA(dialog.FormWindow.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); });
        EXPECT_EQ(dialog.ShowModal(), 2);
        EXPECT_TRUE(steps.AllDone());
    }
    EXPECT_EQ(dialog.SelectedGroup, "<only initialized>");
    {
        Steps steps;
        steps.Do([&] { PressKey(dialog.ListBox1.Handle(), VK_ESCAPE); });
        steps.Pause(100);
        steps.Do([&] {
            EXPECT_EQ(dialog.FormWindow.ModalResult, 0) << "Escape is no Cancel here: the form has no cancel button";
            PostMessageA(dialog.FormWindow.Handle(), WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(dialog.ShowModal(), 2);
        EXPECT_TRUE(steps.AllDone());
    }
    EXPECT_EQ(dialog.SelectedGroup, "<only initialized>");
    EXPECT_TRUE(IsWindow(dialog.FormWindow.Handle())) << "the dialog is hidden, not destroyed";
}

// ---- The group dialog: creating a group

TEST_F(ProgramGroupBoxCreate, TheCreateDialogIsOwnedByTheGroupDialogAndItsCancelChangesNothing)
{
    TFormProgramGroupBox dialog;
    dialog.AllowCreateGroup = true;
    HWND create = nullptr;
    std::unique_ptr<ListRefills> refills;
    Steps steps;
    steps.Do([&] {
        EXPECT_TRUE(dialog.ButtonCreateGroup.IsEnabled());
        refills = std::make_unique<ListRefills>(dialog.ListBox1);
        ClickItem(dialog.ListBox1, "Tools", false);
    });
    steps.Pause(100);
    steps.Do([&] { Click(dialog.ButtonCreateGroup); });
    steps.Wait(CreateDialogShown(dialog, create));
    steps.Do([&] {
        EXPECT_FALSE(dialog.FormWindow.Enabled()) << "the group dialog waits below";
        TypeChars(EditOf(create), "Office");
    });
    steps.Picture(create, "create-program-group-over-box.bmp");
    steps.Do([&] { PressKey(EditOf(create), VK_ESCAPE); });
    steps.Pause(300);
    steps.Do([&] {
        EXPECT_FALSE(IsWindow(create)) << "the create dialog is freed";
        EXPECT_EQ(dialog.FormWindow.ModalResult, 0) << "the group dialog stays open";
        EXPECT_TRUE(refills->times.empty()) << "no pass after Cancel";
        EXPECT_EQ(dialog.ListBox1.ItemIndex(), 2) << "the user's selection stays";
        refills.reset();
        Click(dialog.ButtonOK);
    });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.SelectedGroup, "Tools");
    EXPECT_TRUE(dialog.AllowCreateGroup) << "the dialog leaves the caller's field alone";
}

TEST_F(ProgramGroupBoxCreate, AnExistingGroupOfTheNewNameIsFoundInTheFirstPassIgnoringCase)
{
    TFormProgramGroupBox dialog;
    dialog.AllowCreateGroup = true;
    CreatingGroup run;
    DWORD selectedAt = 0;
    Steps steps;
    CreateGroupSteps(steps, dialog, run, "  tools ");
    steps.Wait([&] {
        selectedAt = GetTickCount();
        return dialog.ListBox1.ItemIndex() == 2;
    });
    steps.Pause(200);
    steps.Do([&] {
        EXPECT_FALSE(IsWindow(run.create)) << "the create dialog is freed";
        EXPECT_EQ(run.refills->times.size(), 1u) << "one pass";
        EXPECT_LT(selectedAt - run.answeredAt, 1000u);
        EXPECT_EQ(Items(dialog.ListBox1), kSortedGroups) << "creating a group makes no folder";
        EXPECT_EQ(GetForegroundWindow(), dialog.FormWindow.Handle());
        run.refills.reset();
        Click(dialog.ButtonOK);
    });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(run.message, "obsolete function");
    EXPECT_EQ(dialog.SelectedGroup, "Tools") << "the group as the list spells it";
}

TEST_F(ProgramGroupBoxCreate, ANewNameThatMatchesNoGroupEndsAfter31PassesOnTheSecondEntry)
{
    TFormProgramGroupBox dialog;
    dialog.AllowCreateGroup = true;
    CreatingGroup run;
    Steps steps;
    CreateGroupSteps(steps, dialog, run, "Office", true);
    steps.Pause(1000);
    steps.Do([&] {
        // Meanwhile the group dialog answers and paints: the user may select another entry.
        EXPECT_TRUE(dialog.FormWindow.Visible());
        EXPECT_GE(run.refills->times.size(), 5u);
        EXPECT_LE(run.refills->times.size(), 15u);
    });
    steps.Picture(dialog.FormWindow, "program-group-box-passes.bmp");
    steps.Wait([&] { return run.refills->times.size() >= 31; });
    // The last pass still handles the messages and sleeps before the selection is made.
    steps.Pause(400);
    steps.Do([&] {
        EXPECT_EQ(run.refills->times.size(), 31u) << "31 passes and no more";
        const DWORD spread = run.refills->times.back() - run.refills->times.front();
        EXPECT_GE(spread, 2900u) << "about 100 ms between passes";
        EXPECT_LE(spread, 6000u);
        EXPECT_EQ(dialog.ListBox1.ItemIndex(), 1);
        run.refills.reset();
        Click(dialog.ButtonOK);
    });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(run.message, "obsolete function");
    EXPECT_EQ(dialog.SelectedGroup, "Games");
}

TEST_F(ProgramGroupBoxCreate, AGroupThatAppearsDuringThePassesIsSelectedAtTheNextPass)
{
    TFormProgramGroupBox dialog;
    dialog.AllowCreateGroup = true;
    CreatingGroup run;
    size_t passesBefore = 0;
    Steps steps;
    CreateGroupSteps(steps, dialog, run, "Office");
    steps.Pause(600);
    steps.Do([&] {
        passesBefore = run.refills->times.size();
        EXPECT_EQ(dialog.ListBox1.ItemIndex(), 1) << "not found yet";
        ASSERT_TRUE(CreateDirectoryA((programs + "\\office").c_str(), nullptr));
    });
    steps.Wait([&] { return dialog.ListBox1.ItemIndex() == 2; });
    steps.Pause(300);
    steps.Do([&] {
        EXPECT_EQ(Items(dialog.ListBox1), (std::vector<std::string>{"Accessories", "Games", "office", "Tools"}));
        EXPECT_EQ(dialog.ListBox1.ItemIndex(), 2);
        EXPECT_LE(run.refills->times.size(), passesBefore + 2) << "the passes stop once the group is found";
        EXPECT_LT(run.refills->times.size(), 31u);
        run.refills.reset();
        Click(dialog.ButtonOK);
    });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.SelectedGroup, "office");
}

// ---- The create dialog: its layout

TEST_F(CreateProgramGroupLayout, ShowsTheTableControlsWithTheFocusInTheEditBox)
{
    TFormCreateProgramGroup dialog;
    EXPECT_EQ(dialog.GroupName, "");
    EXPECT_EQ(GetWindow(dialog.FormWindow.Handle(), GW_OWNER), application.Handle());
    EXPECT_EQ(ClientSize(dialog.FormWindow).cx, 367) << "the layout's size until the show";
    EXPECT_EQ(ClientSize(dialog.FormWindow).cy, 88);
    Steps steps;
    steps.Do([&] {
        EXPECT_EQ(GetFocus(), dialog.EditProgramgroup.Handle()) << "the edit box has the focus";
        EXPECT_EQ(dialog.FormWindow.Text(), "") << "no title";
        const SIZE client = ClientSize(dialog.FormWindow);
        EXPECT_EQ(client.cx, 373) << "OK's right edge + 15";
        EXPECT_EQ(client.cy, 89) << "OK's bottom edge + 7";
        RECT window{}, work{};
        GetWindowRect(dialog.FormWindow.Handle(), &window);
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_LE(std::abs((window.left + window.right) - (work.left + work.right)), 8) << "centred";
        EXPECT_LE(std::abs((window.top + window.bottom) - (work.top + work.bottom)), 8) << "centred";
        EXPECT_TRUE(GetWindowLongA(dialog.FormWindow.Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
        EXPECT_EQ(dialog.FormWindow.BackColor(), GetSysColor(COLOR_BTNFACE)) << "the dialog colour";

        EXPECT_EQ(dialog.Label1.Caption(), "Create program group");
        ExpectPlace(dialog.Label1, 6, 7, 0, 0, "Label1");
        ExpectPlace(dialog.EditProgramgroup, 5, 26, 353, 21, "EditProgramgroup");
        ExpectPlace(dialog.ButtonOK, 283, 57, 75, 25, "ButtonOK");
        ExpectPlace(dialog.ButtonCancel, 201, 57, 75, 25, "ButtonCancel");
        EXPECT_EQ(dialog.EditProgramgroup.Text(), "");
        EXPECT_EQ(dialog.ButtonOK.Caption(), "&OK");
        EXPECT_EQ(dialog.ButtonCancel.Caption(), "&Cancel");
        const LOGFONTA label = FontOf(dialog.Label1);
        EXPECT_STREQ(label.lfFaceName, "MS Sans Serif");
        EXPECT_EQ(label.lfHeight, -13);
        EXPECT_GE(label.lfWeight, FW_BOLD);
        EXPECT_EQ(FontOf(dialog.EditProgramgroup).lfHeight, -11) << "the form's font";
        EXPECT_EQ(FontOf(dialog.ButtonOK).lfHeight, -11);
        TypeChars(dialog.EditProgramgroup.Handle(), "My Tools");
    });
    steps.Picture(dialog.FormWindow, "create-program-group.bmp");
    steps.Do([&] { Click(dialog.ButtonCancel); });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.GroupName, "");
}

TEST_F(CreateProgramGroupLayout, TabGoesFromTheEditToOkThenCancel)
{
    TFormCreateProgramGroup dialog;
    std::vector<HWND> visited;
    Steps steps;
    TabThrough(steps, 4, visited);
    steps.Do([&] { Click(dialog.ButtonCancel); });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_TRUE(steps.AllDone());
    const std::vector<HWND> expected{dialog.EditProgramgroup.Handle(), dialog.ButtonOK.Handle(),
                                     dialog.ButtonCancel.Handle(), dialog.EditProgramgroup.Handle()};
    EXPECT_EQ(visited, expected);
}

// ---- The create dialog: its key filter

TEST_F(CreateProgramGroupKeys, ARefusedCharacterIsDroppedWithOneBeep)
{
    const BeepRecorder beeps;
    TFormCreateProgramGroup dialog;
    Steps steps;
    steps.Do([&] { TypeChars(dialog.EditProgramgroup.Handle(), "My!Tools"); });
    steps.Pause(100);
    steps.Do([&] {
        EXPECT_EQ(dialog.EditProgramgroup.Text(), "MyTools");
        EXPECT_EQ(beeps.values, std::vector<UINT>{1}) << "one beep, for the exclamation mark";
        PressKey(dialog.EditProgramgroup.Handle(), VK_ESCAPE);
    });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_TRUE(steps.AllDone());
}

TEST_F(CreateProgramGroupKeys, OnlyNameCharactersPassAndBackspaceEdits)
{
    const BeepRecorder beeps;
    TFormCreateProgramGroup dialog;
    const std::string refused = "\\:&*?/\"<>|!#$%^()+=[]{};',`\x01\x7f\xe9\xff";
    Steps steps;
    steps.Do([&] {
        TypeChars(dialog.EditProgramgroup.Handle(), "a b-c.d@e_f~g0123456789XYZxyz" + refused);
        TypeChars(dialog.EditProgramgroup.Handle(), "qq\b");
    });
    steps.Pause(200);
    steps.Do([&] {
        EXPECT_EQ(dialog.EditProgramgroup.Text(), "a b-c.d@e_f~g0123456789XYZxyzq");
        EXPECT_EQ(beeps.values, std::vector<UINT>(refused.size(), 1)) << "one beep per refused character";
        Click(dialog.ButtonCancel);
    });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_TRUE(steps.AllDone());
}

TEST_F(CreateProgramGroupKeys, EscapeActsAsCancelAndLeavesGroupNameAsItWas)
{
    TFormCreateProgramGroup dialog;
    std::string message;
    DWORD answeredAt = 0;
    {
        Steps steps;
        steps.Do([&] {
            TypeChars(dialog.EditProgramgroup.Handle(), "Games");
            PressKey(dialog.EditProgramgroup.Handle(), VK_RETURN);
        });
        steps.Wait(AnswerBox(message, answeredAt));
        EXPECT_EQ(dialog.ShowModal(), 1);
        EXPECT_TRUE(steps.AllDone());
    }
    EXPECT_EQ(dialog.GroupName, "Games");
    // Shown again: Escape ends it with Cancel, and the name accepted before stays.
    {
        const BeepRecorder beeps;
        Steps steps;
        steps.Do([&] {
            dialog.EditProgramgroup.SetText("");
            TypeChars(dialog.EditProgramgroup.Handle(), "Other");
            PressKey(dialog.EditProgramgroup.Handle(), VK_ESCAPE);
        });
        EXPECT_EQ(dialog.ShowModal(), 2);
        EXPECT_TRUE(steps.AllDone());
        EXPECT_TRUE(beeps.values.empty()) << "Escape is no refused character";
    }
    EXPECT_EQ(dialog.GroupName, "Games");
    EXPECT_EQ(dialog.EditProgramgroup.Text(), "Other");
}

// ---- The create dialog: the name's check on OK

TEST_F(CreateProgramGroupNames, EnterTrimsTheNameShowsTheObsoleteMessageAndAcceptsIt)
{
    const BeepRecorder beeps;
    TFormCreateProgramGroup dialog;
    std::string message, editDuringBox;
    DWORD answeredAt = 0;
    HWND box = nullptr;
    Steps steps;
    steps.Do([&] {
        TypeChars(dialog.EditProgramgroup.Handle(), "   Games  ");
        PressKey(dialog.EditProgramgroup.Handle(), VK_RETURN);
    });
    steps.Wait([&] { return (box = ThreadMessageBox()) != nullptr; });
    steps.Do([&] {
        editDuringBox = dialog.EditProgramgroup.Text();
        EXPECT_EQ(dialog.FormWindow.ModalResult, 0) << "the box comes before the dialog closes";
    });
    steps.Pause(400);
    steps.Do([&] { EXPECT_TRUE(SavePicture(box, "create-program-group-obsolete.bmp")); });
    steps.Wait(AnswerBox(message, answeredAt));
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(editDuringBox, "Games") << "the trimmed name is written back";
    EXPECT_EQ(message, "obsolete function");
    EXPECT_EQ(dialog.GroupName, "Games");
    EXPECT_TRUE(beeps.values.empty());
    // No folder is made for the group: the Programs folder still holds exactly the same entries.
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((programs + "\\*").c_str(), &found);
    std::vector<std::string> entries;
    if (search != INVALID_HANDLE_VALUE) {
        do
            entries.emplace_back(found.cFileName);
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    EXPECT_EQ(entries.size(), 2u + 5u) << "., .., Games, Accessories, Tools, hidden, readme.txt";
}

TEST_F(CreateProgramGroupNames, BlanksOnlyOrALeadingFullStopAreRefusedWithABeepAndTheDialogStaysOpen)
{
    const BeepRecorder beeps;
    TFormCreateProgramGroup dialog;
    Steps steps;
    steps.Do([&] {
        TypeChars(dialog.EditProgramgroup.Handle(), "    ");
        Click(dialog.ButtonOK);
    });
    steps.Pause(150);
    steps.Do([&] {
        EXPECT_EQ(beeps.values, std::vector<UINT>{1});
        EXPECT_EQ(dialog.EditProgramgroup.Text(), "") << "the trimmed text is written back";
        EXPECT_EQ(dialog.FormWindow.ModalResult, 0) << "the dialog stays open";
        EXPECT_TRUE(dialog.FormWindow.Visible());
        EXPECT_EQ(ThreadMessageBox(), nullptr) << "no group is created";
        Click(dialog.ButtonOK);
    });
    steps.Pause(150);
    steps.Do([&] {
        EXPECT_EQ(beeps.values, (std::vector<UINT>{1, 1})) << "an empty edit box";
        EXPECT_EQ(dialog.FormWindow.ModalResult, 0);
        // Back into the edit box, as the user clicks there after OK took the focus.
        dialog.EditProgramgroup.Focus();
        TypeChars(dialog.EditProgramgroup.Handle(), "  .games ");
        PressKey(dialog.EditProgramgroup.Handle(), VK_RETURN);
    });
    steps.Pause(150);
    steps.Do([&] {
        EXPECT_EQ(beeps.values, (std::vector<UINT>{1, 1, 1})) << "a leading full stop after trimming";
        EXPECT_EQ(dialog.EditProgramgroup.Text(), ".games");
        EXPECT_EQ(dialog.FormWindow.ModalResult, 0);
        EXPECT_TRUE(dialog.FormWindow.Visible());
        EXPECT_EQ(ThreadMessageBox(), nullptr);
        EXPECT_EQ(GetFocus(), dialog.EditProgramgroup.Handle());
        PressKey(dialog.EditProgramgroup.Handle(), VK_ESCAPE);
    });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(dialog.GroupName, "");
}

TEST_F(CreateProgramGroupNames, AFullStopInsideTheNameIsAccepted)
{
    TFormCreateProgramGroup dialog;
    std::string message;
    DWORD answeredAt = 0;
    Steps steps;
    steps.Do([&] {
        TypeChars(dialog.EditProgramgroup.Handle(), "Tools 2.0");
        Click(dialog.ButtonOK);
    });
    steps.Wait(AnswerBox(message, answeredAt));
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(message, "obsolete function");
    EXPECT_EQ(dialog.GroupName, "Tools 2.0");
}
