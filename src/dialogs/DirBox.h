// TFormDirBox: the directory selection dialog. The user opens a directory in the list, may change the drive
// and, when allowed, create a directory; after OK, SelectedDir holds the open directory with a trailing
// backslash. While the dialog is shown its own error handler is in force: a drive that is not ready is
// reported as such and the lists go back to c:.
#pragma once

#include "ui/Button.h"
#include "ui/DirectoryList.h"
#include "ui/DriveList.h"
#include "ui/ErrorReport.h"
#include "ui/Form.h"
#include "ui/Label.h"

#include <exception>
#include <string>

class TFormDirBox {
public:
    // Created hidden, owned by the window active now, with the lists on the program's directory.
    TFormDirBox();

    // Shows the dialog centred and waits: 1 for OK, 2 for Cancel or closing by the frame.
    int ShowModal();

    // The application's handler, kept while the dialog's own one is in force.
    ui::ErrorHandler SavedErrorHandler;
    std::string DialogCaption = "Directory selection";
    // The line above the hint; empty by default.
    std::string TopLine;
    std::string HintLine = "Double-click a directory to select it";
    // The directory the dialog opens on; after OK, the chosen one with a trailing backslash.
    std::string SelectedDir;
    bool AllowCreateDir = false;

    // The window and its controls, public as a form's components are.
    ui::Form FormWindow;
    ui::Label Label1;
    ui::Label LabelTitle3;
    ui::Label LabelTitle2;
    ui::DirectoryList DirList;
    ui::DriveList DriveCombo;
    ui::Button ButtonCancel;
    ui::Button ButtonOK;
    ui::Button ButtonCreateDir;

private:
    void FormCreate();
    void FormShow();
    void FormHide();
    void DirListChange();
    void ButtonOKClick();
    void ButtonCancelClick();
    void ButtonCreateDirClick();
    void DriveErrorHandler(const std::exception& error);
    void PlaceLists(std::string directory);
};
