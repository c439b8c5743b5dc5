// A one-line edit box whose key-press action sees every typed character and may drop it.
#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace ui {

class Edit final : public Window, public IEdit {
public:
    Edit(Window& parent, const ControlSpec& layout);

    void SetVisible(bool visible) override { Show(visible); }
    bool IsVisible() const override { return Visible(); }
    void SetText(const std::string& text) override { Window::SetText(text); }
    std::string Text() const override { return Window::Text(); }
    void SetReadOnly(bool readOnly) override { SendMessageA(Handle(), EM_SETREADONLY, readOnly, 0); }
    bool IsReadOnly() const override { return (GetWindowLongA(Handle(), GWL_STYLE) & ES_READONLY) != 0; }
    KeyPressAction& OnKeyPress() override { return onKeyPress_; }
    // Lets Enter and Escape reach the key-press action as characters 13 and 27 inside a dialog, whose
    // keyboard handling would otherwise take them before they become characters.
    void SetTakesEnterAndEscape(bool takes) { takesEnterAndEscape_ = takes; }

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    KeyPressAction onKeyPress_;
    WNDPROC original_ = nullptr;
    bool takesEnterAndEscape_ = false;
};

} // namespace ui
