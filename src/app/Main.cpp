// The program entry: create the main window, run the message loop, end with the window.
#include "app/MainForm.h"
#include "services/ComLibrary.h"
#include "ui/MessageLoop.h"

#include <windows.h>

#include <string>
#include <vector>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // The shell's link object needs the component library on this thread before any window exists.
    const ComLibrary comLibrary;
    std::vector<std::string> arguments(__argv + 1, __argv + __argc);
    TFormMain formMain(arguments);
    if (!formMain.HasScript())
        return formMain.ExitCode();
    formMain.Show();
    return ui::RunMessageLoop();
}
