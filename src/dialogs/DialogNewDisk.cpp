#include "dialogs/DialogNewDisk.h"

#include "services/VeskFileAndShellUtil.h"
#include "services/VeskPathRules.h"
#include "ui/ErrorReport.h"
#include "ui/Modal.h"

using namespace ui;
using namespace ui::colors;

namespace {

// The dialog's layout, in pixels: the form's client area as laid out (the show trims it), its place on the
// screen, and its controls in the client area. Labels set a text colour, so that they take the form's
// colour as their background.
const FormSpec kFormDialogNextDisk{.caption = "Insert next disk", .clientWidth = 259, .clientHeight = 184,
                                   .font = {.face = "MS Sans Serif", .pixelHeight = 11}};
constexpr int kFormLeft = 221;
constexpr int kFormTop = 216;

const FontSpec kLabelFont{.face = "MS Sans Serif", .pixelHeight = 13};
const FontSpec kBoldLabelFont{.face = "MS Sans Serif", .pixelHeight = 13, .bold = true};

const ControlSpec kLabel1{.caption = "Insert the next disk to continue", .left = 15, .top = 15, .width = 111,
                          .height = 32, .font = kLabelFont, .textColor = Black, .wordWrap = true};
const ControlSpec kLabel2{.caption = "If the required file:", .left = 16, .top = 101, .width = 103, .height = 16,
                          .font = kLabelFont, .textColor = Black};
const ControlSpec kLabelNeededFile{.caption = "LabelNeededFile", .left = 15, .top = 118, .width = 122, .height = 16,
                                   .font = kBoldLabelFont, .textColor = Black};
const ControlSpec kLabel3{.caption = "is in a different location, press change:", .left = 16, .top = 136,
                          .width = 137, .height = 32, .font = kLabelFont, .textColor = Black, .wordWrap = true};
const ControlSpec kLabel4{.caption = "and press 'OK'", .left = 15, .top = 49, .width = 87, .height = 16,
                          .font = kLabelFont, .textColor = Black};
const ControlSpec kBevel1{.left = 15, .top = 88, .width = 229, .height = 3, .tabStop = false};
const ControlSpec kButtonOK{.caption = "&OK", .left = 168, .top = 16, .width = 75, .height = 25};
const ControlSpec kButtonChange{.caption = "Ch&ange", .left = 168, .top = 143, .width = 73, .height = 25};
const ControlSpec kButtonCancel{.caption = "&Cancel", .left = 168, .top = 48, .width = 73, .height = 25};

const char kAbortQuestion[] = "Are you sure you want to abort the installation procedure?";

// The texts of the directory dialog that "Ch&ange" opens.
const char kNewLocationCaption[] = "New location";
const char kNewLocationTopLine[] = "Double click a directory";
const char kNewLocationHintLine[] = "to select a new location";

constexpr int kOk = 1;
constexpr int kCancel = 2;

// The program's directory without its trailing backslash, unless it is a drive's root: c:\setup, c:\.
std::string ProgramDirWithoutBackslash()
{
    std::string dir = GetProgramDir();
    if (dir.size() >= 2 && dir.back() == '\\' && dir[dir.size() - 2] != ':')
        dir.pop_back();
    return dir;
}

} // namespace


// Labels first, in the order they overlap; then the bevel and the buttons in tab order.
TFormDialogNextDisk::TFormDialogNextDisk()
    : FormWindow(kFormDialogNextDisk),
      Label1(FormWindow, kLabel1),
      Label2(FormWindow, kLabel2),
      LabelNeededFile(FormWindow, kLabelNeededFile),
      Label3(FormWindow, kLabel3),
      Label4(FormWindow, kLabel4),
      Bevel1(FormWindow, kBevel1),
      ButtonOK(FormWindow, kButtonOK),
      ButtonChange(FormWindow, kButtonChange),
      ButtonCancel(FormWindow, kButtonCancel)
{
    FormCreate();
    FormWindow.OnShow = [this] { FormShow(); };
    ButtonOK.OnClick() = [this] { ButtonOKClick(); };
    ButtonChange.OnClick() = [this] { ButtonChangeClick(); };
    ButtonCancel.OnClick() = [this] { ButtonCancelClick(); };
    // Closing by the frame needs no handler of its own: the modal loop ends with Cancel, without the
    // question that "&Cancel" asks.
}

int TFormDialogNextDisk::ShowModal()
{
    FormWindow.MoveTo(kFormLeft, kFormTop);
    return ui::ShowModal(FormWindow);
}

// The caller sets both fields before the show.
void TFormDialogNextDisk::FormCreate()
{
    Location = ProgramDirWithoutBackslash();
    NeededFile.clear();
}

void TFormDialogNextDisk::FormShow()
{
    // The client area ends 10 pixels right of and below "Ch&ange".
    FormWindow.SetClientSize(kButtonChange.left + kButtonChange.width + 10,
                             kButtonChange.top + kButtonChange.height + 10);
    LabelNeededFile.SetCaption(NeededFile);
    // The first control in tab order takes the focus, so that Enter means OK.
    ButtonOK.Focus();
}

void TFormDialogNextDisk::ButtonOKClick()
{
    FormWindow.ModalResult = kOk;
}

void TFormDialogNextDisk::ButtonChangeClick()
{
    // Created now, while this dialog is active, so that this dialog owns it; it stays until this dialog
    // goes.
    FormDirBox = std::make_unique<TFormDirBox>();
    FormDirBox->AllowCreateDir = false;
    FormDirBox->DialogCaption = kNewLocationCaption;
    FormDirBox->TopLine = kNewLocationTopLine;
    FormDirBox->HintLine = kNewLocationHintLine;
    FormDirBox->SelectedDir = Location;
    if (FormDirBox->ShowModal() != kOk)
        return;
    // A new location is a retry there at once: this dialog ends with OK.
    Location = NormalizeDir(FormDirBox->SelectedDir);
    FormWindow.SetText(Location);
    ButtonOKClick();
}

void TFormDialogNextDisk::ButtonCancelClick()
{
    if (!Confirm(kAbortQuestion))
        return;
    FormWindow.ModalResult = kCancel;
}
