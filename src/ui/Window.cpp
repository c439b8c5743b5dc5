#include "ui/Window.h"

#include "ui/Cursor.h"
#include "ui/ErrorReport.h"

#include <stdexcept>
#include <vector>

namespace ui {

namespace {
int g_nextControlId = 100;
} // namespace

Window::~Window()
{
    if (hwnd_ && IsWindow(hwnd_) && FromHandle(hwnd_) == this) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

Window* Window::FromHandle(HWND hwnd)
{
    return hwnd ? reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)) : nullptr;
}

std::string Window::Text() const
{
    std::vector<char> buffer(static_cast<size_t>(GetWindowTextLengthA(hwnd_)) + 1);
    const int length = GetWindowTextA(hwnd_, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), static_cast<size_t>(length));
}

void Window::Attach(HWND hwnd)
{
    hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void Window::CreateControl(Window& parent, const char* className, DWORD style, const ControlSpec& layout)
{
    style |= WS_CHILD | WS_CLIPSIBLINGS | (layout.visible ? WS_VISIBLE : 0) | (layout.tabStop ? WS_TABSTOP : 0);
    const HWND hwnd = CreateWindowExA(0, className, layout.caption.c_str(), style, layout.left, layout.top,
                                      layout.width, layout.height, parent.Handle(),
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(g_nextControlId++)),
                                      GetModuleHandleA(nullptr), nullptr);
    if (!hwnd)
        throw std::runtime_error(std::string("Cannot create the control ") + layout.caption);
    Attach(hwnd);
    // Creation order is tab order: each new control goes below its siblings.
    SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ApplyLook(layout);
}

void Window::RegisterOwnClass(const char* className, HBRUSH background)
{
    WNDCLASSA existing;
    if (GetClassInfoA(GetModuleHandleA(nullptr), className, &existing))
        return;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = OwnWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
}

void Window::CreateOwn(const char* className, DWORD style, DWORD exStyle, HWND parent, int left, int top, int width,
                       int height, const std::string& caption)
{
    const HMENU id = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(g_nextControlId++)) : nullptr;
    if (!CreateWindowExA(exStyle, className, caption.c_str(), style, left, top, width, height, parent, id,
                         GetModuleHandleA(nullptr), this))
        throw std::runtime_error(std::string("Cannot create the window ") + caption);
}

LRESULT CALLBACK Window::OwnWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->Attach(hwnd);
    }
    Window* self = FromHandle(hwnd);
    if (!self)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        HandleError(error);
    } catch (...) {
        ShowErrorReport("Unknown error");
    }
    return 0;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Children ask their parent first, so the hourglass covers the controls on our windows too.
    if (message == WM_SETCURSOR && IsBusyCursor()) {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
        return TRUE;
    }
    LRESULT result = 0;
    if (ReflectToChild(message, wParam, lParam, result))
        return result;
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

bool Window::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND:
        if (Window* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
            child->OnCommand(HIWORD(wParam));
            return true;
        }
        return false;
    case WM_DRAWITEM:
        // The item names its control by id: a combo box's list may report itself as the painted window.
        if (Window* child = wParam ? FromHandle(GetDlgItem(hwnd_, static_cast<int>(wParam))) : nullptr) {
            child->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            result = TRUE;
            return true;
        }
        return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        if (Window* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
            if (HBRUSH brush = child->OnCtlColor(reinterpret_cast<HDC>(wParam))) {
                result = reinterpret_cast<LRESULT>(brush);
                return true;
            }
        }
        return false;
    default:
        return false;
    }
}

void Window::ApplyLook(const ControlSpec& layout)
{
    font_ = CreateFontFromSpec(layout.font);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    textColor_ = layout.textColor;
    backColor_ = layout.backColor;
    if (backColor_)
        backBrush_ = Brush(CreateSolidBrush(*backColor_));
}

HBRUSH Window::OnCtlColor(HDC dc)
{
    if (!textColor_ && !backColor_)
        return nullptr;
    SetTextColor(dc, textColor_.value_or(GetSysColor(COLOR_WINDOWTEXT)));
    SetBkColor(dc, BackColor());
    return BackBrush();
}

COLORREF Window::BackColor() const
{
    if (backColor_)
        return *backColor_;
    const Window* parent = FromHandle(GetParent(hwnd_));
    return parent ? parent->BackColor() : GetSysColor(COLOR_BTNFACE);
}

HBRUSH Window::BackBrush() const
{
    if (backBrush_.Get())
        return backBrush_.Get();
    const Window* parent = FromHandle(GetParent(hwnd_));
    return parent ? parent->BackBrush() : GetSysColorBrush(COLOR_BTNFACE);
}

} // namespace ui
