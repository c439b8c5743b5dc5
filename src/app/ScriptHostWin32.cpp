#include "app/ScriptHostWin32.h"

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
