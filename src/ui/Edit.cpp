#include "ui/Edit.h"

#include "ui/ErrorReport.h"

#include <exception>

namespace ui {

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
