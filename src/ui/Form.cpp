#include "ui/Form.h"

#include "ui/Timer.h"

namespace ui {

namespace {
constexpr char kFormClass[] = "VeskForm";
} // namespace

Form::Form(const FormSpec& layout)
{
    RegisterOwnClass(kFormClass, nullptr);
    const DWORD style = WS_POPUP | WS_CLIPCHILDREN | (layout.dialogFrame ? WS_CAPTION | WS_SYSMENU : 0);
    const DWORD exStyle = WS_EX_CONTROLPARENT | (layout.dialogFrame ? WS_EX_DLGMODALFRAME : 0);
    RECT frame{0, 0, layout.clientWidth, layout.clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const HWND owner = layout.dialogFrame ? GetActiveWindow() : nullptr;
    CreateOwn(kFormClass, style, exStyle, owner, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
              layout.caption);
    ControlSpec look;
    look.font = layout.font;
    look.backColor = layout.color;
    ApplyLook(look);
}

void Form::CenterOnScreen()
{
    RECT work, window;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(Handle(), &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    MoveTo(work.left + (work.right - work.left - width) / 2, work.top + (work.bottom - work.top - height) / 2);
}

void Form::MoveTo(int left, int top)
{
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetClientSize(int width, int height)
{
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(Handle(), GWL_EXSTYLE)));
    SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::ShowCentered()
{
    CenterOnScreen();
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

void Form::ShowAt(int left, int top)
{
    MoveTo(left, top);
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

void Form::ClickFocusedButton(WPARAM wParam)
{
    // Enter on a button that lies on a panel: the dialog manager only looks among direct children.
    const HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus) && GetDlgCtrlID(focus) == LOWORD(wParam))
        if (Window* button = FromHandle(focus))
            button->OnCommand(BN_CLICKED);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam && OnShow)
            OnShow();
        else if (!wParam && OnHide)
            OnHide();
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && OnActivate)
            OnActivate();
        break;
    case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(Handle(), &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, BackBrush());
        return 1;
    }
    case WM_TIMER:
        if (Timer* timer = Timer::FromId(wParam))
            timer->Fire();
        return 0;
    case WM_CLOSE:
        if (OnClose) {
            OnClose();
            return 0;
        }
        if (modal_) {
            ModalResult = 2;
            return 0;
        }
        break;
    case WM_DESTROY:
        if (OnDestroy)
            OnDestroy();
        return 0;
    case DM_GETDEFID: {
        // Enter presses the focused button.
        const HWND focus = GetFocus();
        char className[16] = {};
        if (focus && IsChild(Handle(), focus) && GetClassNameA(focus, className, sizeof className) &&
            lstrcmpiA(className, "Button") == 0)
            return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
        return 0;
    }
    case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == BN_CLICKED) {
            ClickFocusedButton(wParam);
            return 0;
        }
        break;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

} // namespace ui
