// vesk-drive: the driver for shell scripts. One action per run; windows and controls are named by caption
// and are waited for up to five seconds. Exit code 0: done; 1: not found or failed; 2: wrong usage.
#include "driver/Driver.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr DWORD kFindMs = 5000;

const char kUsage[] =
    "usage: vesk-drive wait-window CAPTION [TIMEOUT_MS]\n"
    "       vesk-drive wait-gone CAPTION [TIMEOUT_MS]\n"
    "       vesk-drive click WINDOW BUTTON\n"
    "       vesk-drive type WINDOW CLASS INDEX TEXT\n"
    "       vesk-drive key WINDOW enter|escape|tab|space|VK_NUMBER   (to the focused control)\n"
    "       vesk-drive text WINDOW CONTROL_OR_EMPTY CLASS_OR_EMPTY INDEX   (prints the text)\n"
    "       vesk-drive msgbox CAPTION [TIMEOUT_MS]   (prints the message)\n"
    "       vesk-drive shot WINDOW FILE.bmp\n";

int Fail(const std::string& what)
{
    std::fprintf(stderr, "vesk-drive: %s\n", what.c_str());
    return 1;
}

DWORD Number(const char* text)
{
    return static_cast<DWORD>(std::strtoul(text, nullptr, 0));
}

const char* ClassOrAny(const std::string& className)
{
    return className.empty() ? nullptr : className.c_str();
}

HWND Window(const std::string& caption)
{
    HWND window = drive::WaitWindow(caption, kFindMs);
    if (window == nullptr)
        Fail("no window \"" + caption + "\"");
    return window;
}

HWND Control(HWND window, const std::string& caption, const std::string& className, int index)
{
    HWND control = drive::WaitControl(window, caption, kFindMs, ClassOrAny(className), index);
    if (control == nullptr)
        Fail("no control \"" + caption + "\" of class \"" + className + "\" #" + std::to_string(index));
    return control;
}

WORD KeyCode(const std::string& name)
{
    if (name == "enter") return VK_RETURN;
    if (name == "escape") return VK_ESCAPE;
    if (name == "tab") return VK_TAB;
    if (name == "space") return VK_SPACE;
    return static_cast<WORD>(Number(name.c_str()));
}

// No visible window with the caption may remain, whichever window it was.
int WaitNone(const std::string& caption, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (drive::WaitWindow(caption, 0) != nullptr) {
        if (GetTickCount() - start >= timeoutMs)
            return Fail("window \"" + caption + "\" still shown");
        Sleep(drive::kPollMs);
    }
    return 0;
}

int Run(const std::string& verb, int count, char** args)
{
    const DWORD timeout = count > 1 ? Number(args[1]) : kFindMs; // for the verbs that take TIMEOUT_MS
    if (verb == "wait-window" && count >= 1)
        return drive::WaitWindow(args[0], timeout) ? 0 : Fail("no window \"" + std::string(args[0]) + "\"");
    if (verb == "wait-gone" && count >= 1)
        return WaitNone(args[0], timeout);
    if (verb == "msgbox" && count >= 1) {
        HWND box = drive::WaitMessageBox(args[0], timeout);
        if (box == nullptr)
            return Fail("no message box \"" + std::string(args[0]) + "\"");
        std::printf("%s\n", drive::MessageBoxText(box).c_str());
        return 0;
    }
    const bool windowVerb = verb == "click" || verb == "key" || verb == "shot"
                            || ((verb == "type" || verb == "text") && count >= 4);
    if (!windowVerb || count < 2)
        return 2;
    HWND window = Window(args[0]);
    if (window == nullptr)
        return 1;
    if (verb == "click") {
        HWND button = Control(window, args[1], "Button", 0);
        return !button ? 1 : drive::Click(button) ? 0 : Fail("cannot click \"" + std::string(args[1]) + "\"");
    }
    if (verb == "key") {
        HWND focused = drive::Focused(window);
        return focused && drive::PressKey(focused, KeyCode(args[1])) ? 0 : Fail("cannot press the key");
    }
    if (verb == "shot")
        return drive::SaveScreenshot(window, args[1]) ? 0 : Fail("cannot save " + std::string(args[1]));
    if (verb == "type") {
        HWND edit = Control(window, "", args[1], std::atoi(args[2]));
        return !edit ? 1 : drive::TypeChars(edit, args[3]) ? 0 : Fail("typing was not taken");
    }
    HWND control = Control(window, args[1], args[2], std::atoi(args[3])); // text
    if (control == nullptr)
        return 1;
    std::printf("%s\n", drive::Text(control).c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const int result = argc >= 2 ? Run(argv[1], argc - 2, argv + 2) : 2;
    if (result == 2)
        std::fputs(kUsage, stderr);
    return result;
}
