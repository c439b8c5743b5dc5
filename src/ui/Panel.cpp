#include "ui/Panel.h"

namespace ui {

namespace {
constexpr char kPanelClass[] = "VeskPanel";
} // namespace

Panel::Panel(Window& parent, const ControlSpec& layout)
{
    RegisterOwnClass(kPanelClass, nullptr);
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (layout.visible ? WS_VISIBLE : 0);
    // WS_EX_CONTROLPARENT lets Tab and the mnemonics reach the controls on the panel.
    CreateOwn(kPanelClass, style, WS_EX_CONTROLPARENT, parent.Handle(), layout.left, layout.top, layout.width, layout.height,
              layout.caption);
    SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ApplyLook(layout);
}

void Panel::BringToFront()
{
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

void Panel::Paint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(Handle(), &paint);
    RECT area;
    GetClientRect(Handle(), &area);
    FillRect(dc, &area, BackBrush());
    if (raisedBevel_)
        DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
    const std::string caption = Text();
    if (!caption.empty()) {
        SetBkMode(dc, TRANSPARENT);
        const HGDIOBJ oldFont = SelectObject(dc, captionFont_);
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, oldFont);
    }
    EndPaint(Handle(), &paint);
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SETFONT:
        captionFont_ = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(captionFont_);
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

} // namespace ui
