// TFormCreateDirectory: asks for the name of a new directory inside BaseDir and creates it. The name takes
// only letters, digits and "-.@_~" and blanks; Enter acts as OK and Escape as Cancel. After OK, BaseDir is
// the created directory.
#pragma once

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"

#include <string>

class TFormCreateDirectory {
public:
    // Created hidden, owned by the window active now.
    TFormCreateDirectory();

    // Shows the dialog centred and waits: 1 when the directory was created, else 2.
    int ShowModal();

    // The directory the new one goes into, shown as the title; after OK, the created directory.
    std::string BaseDir = "c:\\";

    // The window and its controls, public as a form's components are.
    ui::Form FormWindow;
    ui::Label Label1;
    ui::Button ButtonOK;
    ui::Edit EditDirectory;
    ui::Button ButtonCancel;

private:
    void FormShow();
    void EditDirectoryKeyPress(char& key);
    void ButtonOKClick();
    void ButtonCancelClick();
};
