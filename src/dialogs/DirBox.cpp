#include "dialogs/DirBox.h"

#include "dialogs/DialogCreateDir.h"
#include "services/VeskErrors.h"
#include "services/VeskFileAndShellUtil.h"
#include "services/VeskPathRules.h"
#include "ui/MessageLoop.h"
#include "ui/Modal.h"

#include <cctype>

using namespace ui;
using namespace ui::colors;

namespace {

// The dialog's layout, in pixels of the client area. Labels set a text colour, so that they take the
// form's silver as their background.
const FormSpec kFormDirBox{.caption = "Directory selection", .clientWidth = 391, .clientHeight = 220,
                           .color = Silver};

const ControlSpec kLabel1{.caption = "Drive:", .left = 8, .top = 192, .width = 28, .height = 13, .textColor = Black};
const ControlSpec kLabelTitle3{.caption = "Double-click a directory to select it", .left = 8, .top = 16, .width = 162,
                               .height = 13, .textColor = Black};
const ControlSpec kLabelTitle2{.left = 9, .top = 1, .width = 3, .height = 13, .textColor = Black};
const ControlSpec kDirList{.left = 7, .top = 32, .width = 288, .height = 145};
const ControlSpec kDriveCombo{.left = 50, .top = 191, .width = 191, .height = 19};
const ControlSpec kButtonCancel{.caption = "&Cancel", .left = 305, .top = 151, .width = 75, .height = 25};
const ControlSpec kButtonOK{.caption = "&OK", .left = 304, .top = 183, .width = 75, .height = 25};
const ControlSpec kButtonCreateDir{.caption = "Create &Dir", .left = 304, .top = 32, .width = 75, .height = 25};

// The platform's "device not ready".
constexpr long kDriveNotReady = ERROR_NOT_READY;

// The program's directory without its trailing backslash, unless it is a drive's root: c:\setup, c:\.
std::string ProgramDirForList()
{
    std::string dir = GetProgramDir();
    if (dir.size() >= 2 && dir.back() == '\\' && dir[dir.size() - 2] != ':')
        dir.pop_back();
    return dir;
}

} // namespace

// Labels first, in the order they overlap; then the other controls in tab order.
TFormDirBox::TFormDirBox()
    : FormWindow(kFormDirBox),
      Label1(FormWindow, kLabel1),
      LabelTitle3(FormWindow, kLabelTitle3),
      LabelTitle2(FormWindow, kLabelTitle2),
      DirList(FormWindow, kDirList),
      DriveCombo(FormWindow, kDriveCombo),
      ButtonCancel(FormWindow, kButtonCancel),
      ButtonOK(FormWindow, kButtonOK),
      ButtonCreateDir(FormWindow, kButtonCreateDir)
{
    FormCreate();
}

void TFormDirBox::FormCreate()
{
    SelectedDir = ProgramDirForList();
    DriveCombo.LinkTo(DirList);
    try {
        PlaceLists(SelectedDir);
    } catch (const std::exception&) {
        // Nothing is reported at creation: the show places the lists again and reports what fails then.
    }
    // Wired after the first placement, so that SelectedDir keeps the program directory as it was spelt.
    DirList.OnChange = [this] { DirListChange(); };
    FormWindow.OnShow = [this] { FormShow(); };
    FormWindow.OnHide = [this] { FormHide(); };
    ButtonOK.OnClick() = [this] { ButtonOKClick(); };
    ButtonCancel.OnClick() = [this] { ButtonCancelClick(); };
    ButtonCreateDir.OnClick() = [this] { ButtonCreateDirClick(); };
}

int TFormDirBox::ShowModal()
{
    FormWindow.CenterOnScreen();
    return ui::ShowModal(FormWindow);
}

// The directory is a copy: moving the drive list changes the open directory, and with it SelectedDir.
void TFormDirBox::PlaceLists(std::string directory)
{
    DriveCombo.SetDrive(directory.empty() ? '\0' : directory.front());
    DirList.SetDirectory(directory);
}

void TFormDirBox::FormShow()
{
    FormWindow.SetText(DialogCaption);
    LabelTitle2.SetCaption(TopLine);
    LabelTitle3.SetCaption(HintLine);
    // A directory that cannot be shown goes to the handler in force before the dialog's own one, and the
    // show goes on with its remaining steps: the user can still choose another drive, or cancel.
    try {
        PlaceLists(SelectedDir);
    } catch (const std::exception& error) {
        HandleError(error);
    }
    SavedErrorHandler = SetErrorHandler([this](const std::exception& error) { DriveErrorHandler(error); });
    ButtonCreateDir.SetEnabled(AllowCreateDir);
    FormWindow.SetClientSize(kButtonOK.left + kButtonOK.width + 10, kButtonOK.top + kButtonOK.height + 7);
}

void TFormDirBox::FormHide()
{
    SetErrorHandler(SavedErrorHandler);
}

void TFormDirBox::DirListChange()
{
    SelectedDir = DirList.Directory();
}

// The open directory is chosen, not an entry that is merely highlighted.
void TFormDirBox::ButtonOKClick()
{
    SelectedDir = NormalizeDir(DirList.Directory());
    FormWindow.ModalResult = 1;
}

void TFormDirBox::ButtonCancelClick()
{
    FormWindow.ModalResult = 2;
}

void TFormDirBox::ButtonCreateDirClick()
{
    // Created now, while this dialog is active, so that this dialog owns it.
    TFormCreateDirectory dialog;
    dialog.BaseDir = SelectedDir;
    if (dialog.ShowModal() != 1)
        return;
    SelectedDir = dialog.BaseDir;
    DirList.SetDirectory(dialog.BaseDir);
    DirList.Refresh();
}

// The dialog's error handler while it is shown: a drive that is not ready is named, and the lists go back
// to c:; every error is shown and the dialog stays open.
void TFormDirBox::DriveErrorHandler(const std::exception& error)
{
    std::string message = error.what();
    const auto* inOut = dynamic_cast<const EInOutError*>(&error);
    if (inOut && inOut->ErrorCode == kDriveNotReady) {
        message = std::string("Drive:  ") + static_cast<char>(std::toupper(DriveCombo.Drive())) + ": not ready.";
        try {
            DriveCombo.SetDrive('c');
        } catch (const std::exception&) {
            // c: cannot be read either: the lists stay where they are, and the report below still tells why.
        }
        ProcessMessages();
    }
    ShowErrorReport(message);
}
