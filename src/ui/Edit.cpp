#include "ui/Edit.h"

#include "ui/ErrorReport.h"

#include <exception>

namespace ui {

namespace {

// The dialog manager asks a control about each key before acting on it; lParam is the key's message.
bool AsksForEnterOrEscape(LPARAM lParam)
{
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    return msg && msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE);
}

} // namespace

Edit::Edit(Window& parent, const ControlSpec& layout)
{
    CreateControl(parent, "EDIT", ES_AUTOHSCROLL | WS_BORDER | (layout.readOnly ? ES_READONLY : 0), layout);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Edit::SubclassProc)));
}

LRESULT CALLBACK Edit::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<Edit*>(FromHandle(hwnd));
    const WNDPROC original = self ? self->original_ : reinterpret_cast<WNDPROC>(DefWindowProcA);
    if (message == WM_GETDLGCODE && self && self->takesEnterAndEscape_ && AsksForEnterOrEscape(lParam))
        return CallWindowProcA(original, hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
    if (message == WM_CHAR && self && self->onKeyPress_) {
        char key = static_cast<char>(wParam);
        try {
            const KeyPressAction action = self->onKeyPress_;
            action(key);
        } catch (const std::exception& error) {
            HandleError(error);
            return 0;
        }
        if (key == 0)
            return 0;
        wParam = static_cast<unsigned char>(key);
    }
    return CallWindowProcA(original, hwnd, message, wParam, lParam);
}

} // namespace ui
