#include "app/ScriptHostWin32.h"

#include "dialogs/DirBox.h"
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
