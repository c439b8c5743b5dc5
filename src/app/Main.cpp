// The program entry: create the main window, run the message loop, end with the window.
#include "app/MainForm.h"
#include "ui/MessageLoop.h"

#include <windows.h>

#include <string>
#include <vector>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    std::vector<std::string> arguments(__argv + 1, __argv + __argc);
    TFormMain formMain(arguments);
    if (!formMain.HasScript())
        return formMain.ExitCode();
    formMain.Show();
    return ui::RunMessageLoop();
}
