// TFormCreateProgramGroup: asks for the name of a new program group. The name takes only letters, digits,
// "-.@_~" and blanks; Enter acts as OK and Escape as Cancel. OK refuses an empty name and one starting with
// a full stop with a beep; an accepted name is trimmed and handed to AddProgramGroup, then kept in GroupName.
#pragma once

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"

#include <string>

class TFormCreateProgramGroup {
public:
    // Created hidden, owned by the window active now.
    TFormCreateProgramGroup();

    // Shows the dialog centred and waits: 1 when a name was accepted, else 2.
    int ShowModal();

    // The name accepted by OK; empty until then.
    std::string GroupName;

    // The window and its controls, public as a form's components are.
    ui::Form FormWindow;
    ui::Label Label1;
    ui::Edit EditProgramgroup;
    ui::Button ButtonOK;
    ui::Button ButtonCancel;

private:
    void FormCreate();
    void FormShow();
    void EditProgramgroupKeyPress(char& key);
    void ButtonOKClick();
    void ButtonCancelClick();
};
