// A small window for testing the driver: a label, an edit box whose key filter drops digits, a "&Press"
// button that shows the edit's text in a message box and then renames the window, a disabled button and
// a hidden label. Closing the window ends the program.
#include <windows.h>

#include <string>

namespace {

enum : int { kEdit = 100, kPress = 101, kOff = 102 };

WNDPROC editProc = nullptr;

// The key filter: every digit is dropped before the edit control sees it.
LRESULT CALLBACK FilterDigits(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR && wParam >= '0' && wParam <= '9')
        return 0;
    return CallWindowProcA(editProc, window, message, wParam, lParam);
}

void Child(HWND parent, const char* className, const char* text, DWORD style, int id, int x, int y, int width)
{
    CreateWindowExA(0, className, text, WS_CHILD | style, x, y, width,
                    24, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                    nullptr);
}

void CreateControls(HWND window)
{
    Child(window, "Static", "Name:", WS_VISIBLE, -1, 10, 14, 60);
    Child(window, "Edit", "", WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, kEdit, 80, 10, 200);
    Child(window, "Button", "&Press", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, kPress, 80, 50, 90);
    Child(window, "Button", "&Off", WS_VISIBLE | WS_DISABLED, kOff, 190, 50, 90);
    Child(window, "Static", "Hidden", 0, -1, 10, 90, 60);
    HWND edit = GetDlgItem(window, kEdit);
    editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FilterDigits)));
    SetFocus(edit);
}

void OnPress(HWND window)
{
    char typed[256] = {};
    GetDlgItemTextA(window, kEdit, typed, sizeof typed);
    MessageBoxA(window, (std::string("Pressed") + typed).c_str(), "Fixture", MB_OK);
    SetWindowTextA(window, "DriverFixture pressed");
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateControls(window);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kPress && HIWORD(wParam) == BN_CLICKED)
            OnPress(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = MainProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "DriverFixtureWindow";
    if (!RegisterClassA(&windowClass))
        return 1;
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "DriverFixture", WS_OVERLAPPEDWINDOW, 40, 40,
                                  320, 160, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
