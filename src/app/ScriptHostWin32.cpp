#include "app/ScriptHostWin32.h"

#include "dialogs/DialogNewDisk.h"
#include "dialogs/DirBox.h"
#include "dialogs/ProgramGroupBox.h"
#include "ui/Cursor.h"
#include "ui/ErrorReport.h"
#include "ui/MessageLoop.h"

#include <windows.h>

void ScriptHostWin32::ProcessMessages()
{
    ui::ProcessMessages();
}

void ScriptHostWin32::Sleep(unsigned milliseconds)
{
    ::Sleep(milliseconds);
}

void ScriptHostWin32::ShowMessage(const std::string& text)
{
    ui::ShowMessage(text);
}

void ScriptHostWin32::Beep(unsigned type)
{
    MessageBeep(type);
}

bool ScriptHostWin32::ChooseDirectory(std::string& selectedDir)
{
    TFormDirBox dialog;
    dialog.AllowCreateDir = true;
    dialog.SelectedDir = selectedDir;
    if (dialog.ShowModal() != 1)
        return false;
    selectedDir = dialog.SelectedDir;
    return true;
}

std::string ScriptHostWin32::ChooseProgramGroup()
{
    TFormProgramGroupBox dialog;
    dialog.AllowCreateGroup = true;
    dialog.ShowModal();
    return dialog.SelectedGroup;
}

bool ScriptHostWin32::AskForNextDisk(std::string& location, const std::string& neededFile)
{
    TFormDialogNextDisk dialog;
    dialog.Location = location;
    dialog.NeededFile = neededFile;
    if (dialog.ShowModal() != 1)
        return false;
    location = dialog.Location;
    return true;
}

MissingItemAnswer ScriptHostWin32::AskMissingItem(const std::string& text)
{
    switch (MessageBoxA(GetActiveWindow(), text.c_str(), "Error", MB_ABORTRETRYIGNORE | MB_ICONERROR)) {
    case IDABORT:
        return MissingItemAnswer::Abort;
    case IDRETRY:
        return MissingItemAnswer::Retry;
    default:
        return MissingItemAnswer::Ignore;
    }
}

void ScriptHostWin32::SetBusyCursor(bool busy)
{
    ui::SetBusyCursor(busy);
}
