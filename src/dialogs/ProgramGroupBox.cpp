#include "dialogs/ProgramGroupBox.h"

#include "dialogs/DialogCreateProgramGroup.h"
#include "services/ProgramGroups.h"
#include "ui/MessageLoop.h"
#include "ui/Modal.h"

#include <windows.h>

#include <vector>

using namespace ui;
using namespace ui::colors;

namespace {

// The dialog's layout, in pixels of the client area. The form is laid out 239 pixels high; its resize
// handler makes it 240. The panel on the right holds the buttons, in its own client area.
const FormSpec kFormProgramGroupBox{.caption = "Program Group selection", .clientWidth = 447, .clientHeight = 239,
                                    .color = Silver, .font = {.face = "MS Sans Serif", .pixelHeight = 11}};

const ControlSpec kListBox1{.left = 8, .top = 7, .width = 332, .height = 224};
constexpr int kListItemHeight = 13;
const ControlSpec kPanel1{.left = 347, .top = 0, .width = 100, .height = 239};
const ControlSpec kButtonCreateGroup{.caption = "Create &group", .left = 14, .top = 13, .width = 75, .height = 25};
const ControlSpec kButtonCancel{.caption = "&Cancel", .left = 14, .top = 173, .width = 75, .height = 25};
const ControlSpec kButtonOK{.caption = "&OK", .left = 14, .top = 205, .width = 75, .height = 25};

constexpr int kOk = 1;
constexpr int kCancel = 2;

// The entry selected after the list is filled, counted from 0: the second one in sorted order.
constexpr int kDefaultPosition = 1;
// After a group is created, the list is read again this many times, 100 ms apart, until the new group
// shows up in it.
constexpr int kCreatePasses = 31;
constexpr DWORD kPassPauseMs = 100;

} // namespace

// The list, then the panel and its buttons, in tab order.
TFormProgramGroupBox::TFormProgramGroupBox()
    : FormWindow(kFormProgramGroupBox),
      ListBox1(FormWindow, kListBox1),
      Panel1(FormWindow, kPanel1),
      ButtonCreateGroup(Panel1, kButtonCreateGroup),
      ButtonCancel(Panel1, kButtonCancel),
      ButtonOK(Panel1, kButtonOK)
{
    ListBox1.SetItemHeight(kListItemHeight);
    Panel1.SetRaisedBevel(false);
    FormCreate();
    // The form's size is set only here: the dialog frame cannot be resized by the user.
    FormResize();
    FormWindow.OnShow = [this] { FormShow(); };
    ListBox1.OnDoubleClick = [this] { ListBox1DblClick(); };
    ButtonCreateGroup.OnClick() = [this] { ButtonCreateGroupClick(); };
    ButtonCancel.OnClick() = [this] { ButtonCancelClick(); };
    ButtonOK.OnClick() = [this] { ButtonOKClick(); };
}

int TFormProgramGroupBox::ShowModal()
{
    FormWindow.CenterOnScreen();
    return ui::ShowModal(FormWindow);
}

void TFormProgramGroupBox::FormCreate()
{
    AllowCreateGroup = false;
    SelectedGroup = kOnlyInitialized;
}

void TFormProgramGroupBox::FormShow()
{
    ButtonCreateGroup.SetEnabled(AllowCreateGroup);
    FillGroupList();
    // The first control in tab order takes the focus, as a form gives it at its show.
    ListBox1.Focus();
}

// The client area ends 10 pixels below "&OK"; the panel stays on the right edge, as high as the client area.
void TFormProgramGroupBox::FormResize()
{
    const int clientHeight = kButtonOK.top + kButtonOK.height + 10;
    FormWindow.SetClientSize(kFormProgramGroupBox.clientWidth, clientHeight);
    RECT client{};
    GetClientRect(FormWindow.Handle(), &client);
    MoveWindow(Panel1.Handle(), client.right - kPanel1.width, 0, kPanel1.width, client.bottom, TRUE);
}

void TFormProgramGroupBox::FillGroupList()
{
    ListBox1.Clear();
    std::vector<std::string> groups;
    ListProgramGroups(groups);
    for (const std::string& group : groups)
        ListBox1.Add(group);
    // With fewer than two entries no entry is selected.
    ListBox1.SetItemIndex(kDefaultPosition);
}

void TFormProgramGroupBox::ButtonOKClick()
{
    SelectedGroup = kSelectedNotFound;
    for (int index = 0; index < ListBox1.Count(); ++index) {
        if (ListBox1.Selected(index)) {
            SelectedGroup = ListBox1.Item(index);
            break;
        }
    }
    FormWindow.ModalResult = kOk;
}

void TFormProgramGroupBox::ListBox1DblClick()
{
    ButtonOKClick();
}

void TFormProgramGroupBox::ButtonCancelClick()
{
    SelectedGroup.clear();
    FormWindow.ModalResult = kCancel;
}

// The new group's folder may be made by someone else a little later (creating a group makes none itself),
// so the list is read again for about three seconds, while this dialog stays in front and responsive.
void TFormProgramGroupBox::ButtonCreateGroupClick()
{
    // Created now, while this dialog is active, so that this dialog owns it; it goes at the end of the click,
    // whatever it returned.
    TFormCreateProgramGroup dialog;
    if (dialog.ShowModal() != kOk)
        return;
    int position = -1;
    for (int pass = 1;; ++pass) {
        FillGroupList();
        position = -1;
        for (int index = 0; index < ListBox1.Count() && position == -1; ++index)
            if (lstrcmpiA(ListBox1.Item(index).c_str(), dialog.GroupName.c_str()) == 0)
                position = index;
        if (GetForegroundWindow() != FormWindow.Handle())
            SetForegroundWindow(FormWindow.Handle());
        ProcessMessages();
        Sleep(kPassPauseMs);
        if (pass == kCreatePasses) {
            position = kDefaultPosition;
            break;
        }
        if (position != -1)
            break;
    }
    ListBox1.SetItemIndex(position);
}
