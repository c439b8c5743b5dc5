#include "dialogs/DialogCreateProgramGroup.h"

#include "dialogs/NameKeyFilter.h"
#include "services/ProgramGroups.h"
#include "services/VeskStringUtil.h"
#include "ui/ErrorReport.h"
#include "ui/Modal.h"

#include <windows.h>

#include <exception>

using namespace ui;
using namespace ui::colors;

namespace {

// The dialog's layout, in pixels of the client area; the show trims the client area to the buttons. The
// form has no title and the dialog colour.
const FormSpec kFormCreateProgramGroup{.caption = "", .clientWidth = 367, .clientHeight = 88,
                                       .font = {.face = "MS Sans Serif", .pixelHeight = 11}};

const ControlSpec kLabel1{.caption = "Create program group", .left = 6, .top = 7, .width = 153, .height = 16,
                          .font = {.face = "MS Sans Serif", .pixelHeight = 13, .bold = true}, .textColor = Black};
const ControlSpec kEditProgramgroup{.left = 5, .top = 26, .width = 353, .height = 21};
const ControlSpec kButtonOK{.caption = "&OK", .left = 283, .top = 57, .width = 75, .height = 25};
const ControlSpec kButtonCancel{.caption = "&Cancel", .left = 201, .top = 57, .width = 75, .height = 25};

constexpr int kOk = 1;
constexpr int kCancel = 2;

// The value the beep of a refused name is sounded with.
constexpr UINT kBeep = 1;

} // namespace

// The label, then the other controls in tab order.
TFormCreateProgramGroup::TFormCreateProgramGroup()
    : FormWindow(kFormCreateProgramGroup),
      Label1(FormWindow, kLabel1),
      EditProgramgroup(FormWindow, kEditProgramgroup),
      ButtonOK(FormWindow, kButtonOK),
      ButtonCancel(FormWindow, kButtonCancel)
{
    FormCreate();
    FormWindow.OnShow = [this] { FormShow(); };
    EditProgramgroup.SetTakesEnterAndEscape(true);
    EditProgramgroup.OnKeyPress() = [this](char& key) { EditProgramgroupKeyPress(key); };
    ButtonOK.OnClick() = [this] { ButtonOKClick(); };
    ButtonCancel.OnClick() = [this] { ButtonCancelClick(); };
}

int TFormCreateProgramGroup::ShowModal()
{
    FormWindow.CenterOnScreen();
    return ui::ShowModal(FormWindow);
}

void TFormCreateProgramGroup::FormCreate()
{
    GroupName.clear();
}

// The client area ends 15 pixels right of and 7 pixels below "&OK".
void TFormCreateProgramGroup::FormShow()
{
    EditProgramgroup.Focus();
    FormWindow.SetClientSize(kButtonOK.left + kButtonOK.width + 15, kButtonOK.top + kButtonOK.height + 7);
}

void TFormCreateProgramGroup::EditProgramgroupKeyPress(char& key)
{
    FilterNameKey(key, [this] { ButtonOKClick(); }, [this] { ButtonCancelClick(); });
}

void TFormCreateProgramGroup::ButtonOKClick()
{
    const std::string name = Trim(EditProgramgroup.Text());
    EditProgramgroup.SetText(name);
    if (name.empty() || name.front() == '.') {
        MessageBeep(kBeep);
        return;
    }
    try {
        AddProgramGroup(name);
    } catch (const std::exception& error) {
        ShowMessage(std::string("Unable to create program group: \r\n") + error.what());
        FormWindow.ModalResult = kCancel;
        return;
    }
    GroupName = name;
    FormWindow.ModalResult = kOk;
}

// GroupName keeps what it held.
void TFormCreateProgramGroup::ButtonCancelClick()
{
    FormWindow.ModalResult = kCancel;
}
