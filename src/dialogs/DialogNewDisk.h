// TFormDialogNextDisk: the dialog that "copy files" shows when a source file is missing. It names the file
// and offers OK (retry at Location), Change (choose another Location in the directory dialog, then retry)
// and Cancel (abort the installation, after a confirmation question).
#pragma once

#include "dialogs/DirBox.h"
#include "ui/Bevel.h"
#include "ui/Button.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Window.h"

#include <memory>
#include <string>

class TFormDialogNextDisk {
public:
    // Created hidden, owned by the window active now; Location is the program's directory.
    TFormDialogNextDisk();

    // Shows the dialog at its place on the screen (not centred) and waits: 1 for OK, 2 for Cancel.
    int ShowModal();

    // The missing file as the script names it; shown in bold at each show.
    std::string NeededFile;
    // In: where the file was looked for. Out: where to look again; only "Ch&ange" changes it, and then it
    // ends with a backslash.
    std::string Location;

    // The window and its controls, public as a form's components are.
    ui::Form FormWindow;
    ui::Label Label1;
    ui::Label Label2;
    ui::Label LabelNeededFile;
    ui::Label Label3;
    ui::Label Label4;
    ui::Bevel Bevel1;
    ui::Button ButtonOK;
    ui::Button ButtonChange;
    ui::Button ButtonCancel;
    // The directory dialog of the last "Ch&ange", owned by this dialog; null until then. It lives as long
    // as this dialog.
    std::unique_ptr<TFormDirBox> FormDirBox;

private:
    void FormCreate();
    void FormShow();
    void ButtonOKClick();
    void ButtonChangeClick();
    void ButtonCancelClick();
};
