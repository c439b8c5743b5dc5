// TFormProgramGroupBox: the program group selection dialog. It lists the existing program groups (the
// subfolders of the user's Programs folder) sorted, and may let the user create a new group first. After the
// show, SelectedGroup holds the answer: a group name, a marker text, or empty for Cancel.
#pragma once

#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/Panel.h"

#include <string>

class TFormProgramGroupBox {
public:
    // The answer of a dialog that was shown and closed neither by OK nor by Cancel.
    static constexpr char kOnlyInitialized[] = "<only initialized>";
    // The answer of OK when no entry was selected.
    static constexpr char kSelectedNotFound[] = "<selected not found>";

    // Created hidden, owned by the window active now; "Create &group" is not offered until the caller
    // allows it.
    TFormProgramGroupBox();

    // Shows the dialog centred and waits: 1 for OK or a double click, 2 for Cancel or closing by the frame.
    int ShowModal();

    // The dialog's answer: the selected group after OK, kSelectedNotFound after OK without a selection,
    // empty after Cancel, kOnlyInitialized when closed another way.
    std::string SelectedGroup;
    // Whether "Create &group" is enabled when the dialog is shown.
    bool AllowCreateGroup = false;

    // The window and its controls, public as a form's components are.
    ui::Form FormWindow;
    ui::ListBox ListBox1;
    ui::Panel Panel1;
    ui::Button ButtonCreateGroup;
    ui::Button ButtonCancel;
    ui::Button ButtonOK;

private:
    void FormCreate();
    void FormShow();
    void FormResize();
    void FillGroupList();
    void ButtonOKClick();
    void ListBox1DblClick();
    void ButtonCancelClick();
    void ButtonCreateGroupClick();
};
