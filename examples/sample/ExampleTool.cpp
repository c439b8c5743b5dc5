// The sample product that the sample installation installs: a window-less program that says hello with
// its command line.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    const std::string text = std::string("Example Tools 1.0 is installed.\r\n\r\nArguments: ") + commandLine;
    MessageBoxA(nullptr, text.c_str(), "Example Tool", MB_OK | MB_ICONINFORMATION);
    return 0;
}
