#include "dialogs/DialogCreateDir.h"

#include "dialogs/NameKeyFilter.h"
#include "ui/ErrorReport.h"
#include "ui/Modal.h"

#include <windows.h>

using namespace ui;
using namespace ui::colors;

namespace {

// The dialog's layout, in pixels of the client area.
const FormSpec kFormCreateDirectory{.caption = "", .clientWidth = 386, .clientHeight = 40};

const ControlSpec kLabel1{.caption = "Create new directory", .left = 8, .top = 7, .width = 143, .height = 16,
                          .font = {.face = "MS Sans Serif", .pixelHeight = 13, .bold = true}, .textColor = Black};
const ControlSpec kButtonOK{.caption = "&OK", .left = 302, .top = 56, .width = 75, .height = 25};
const ControlSpec kEditDirectory{.left = 8, .top = 25, .width = 369, .height = 21};
const ControlSpec kButtonCancel{.caption = "&Cancel", .left = 216, .top = 56, .width = 75, .height = 25};

} // namespace

// Controls are created in tab order.
TFormCreateDirectory::TFormCreateDirectory()
    : FormWindow(kFormCreateDirectory),
      Label1(FormWindow, kLabel1),
      ButtonOK(FormWindow, kButtonOK),
      EditDirectory(FormWindow, kEditDirectory),
      ButtonCancel(FormWindow, kButtonCancel)
{
    FormWindow.OnShow = [this] { FormShow(); };
    EditDirectory.SetTakesEnterAndEscape(true);
    EditDirectory.OnKeyPress() = [this](char& key) { EditDirectoryKeyPress(key); };
    ButtonOK.OnClick() = [this] { ButtonOKClick(); };
    ButtonCancel.OnClick() = [this] { ButtonCancelClick(); };
}

int TFormCreateDirectory::ShowModal()
{
    FormWindow.CenterOnScreen();
    return ui::ShowModal(FormWindow);
}

void TFormCreateDirectory::FormShow()
{
    EditDirectory.Focus();
    FormWindow.SetText(BaseDir);
    FormWindow.SetClientSize(kButtonOK.left + kButtonOK.width + 10, kButtonOK.top + kButtonOK.height + 7);
}

void TFormCreateDirectory::EditDirectoryKeyPress(char& key)
{
    FilterNameKey(key, [this] { ButtonOKClick(); }, [this] { ButtonCancelClick(); });
}

void TFormCreateDirectory::ButtonOKClick()
{
    const std::string path =
        BaseDir + (!BaseDir.empty() && BaseDir.back() == '\\' ? "" : "\\") + EditDirectory.Text();
    if (CreateDirectoryA(path.c_str(), nullptr)) {
        BaseDir = path;
        FormWindow.ModalResult = 1;
        return;
    }
    MessageBeep(1);
    ShowMessage("Unable to create \r\n" + path);
    FormWindow.ModalResult = 2;
}

void TFormCreateDirectory::ButtonCancelClick()
{
    FormWindow.ModalResult = 2;
}
