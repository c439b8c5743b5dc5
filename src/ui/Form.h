// A top-level window of our own class: its events are replaceable actions, and it routes its timers.
#pragma once

#include "ui/Window.h"

#include <functional>

namespace ui {

class Timer;

struct FormSpec {
    std::string caption;
    int clientWidth = 0;
    int clientHeight = 0;
    COLORREF color = GetSysColor(COLOR_BTNFACE);
    FontSpec font;
    bool bordered = true;
};

class Form : public Window {
public:
    explicit Form(const FormSpec& layout);

    // Shows the window centred on the screen's work area.
    void ShowCentered();
    // Shows the window at a place of the screen.
    void ShowAt(int left, int top);

    std::function<void()> OnShow;
    std::function<void()> OnActivate;
    // Called for WM_CLOSE; when empty, the window is destroyed.
    std::function<void()> OnClose;
    // Called when the window is destroyed; the main form ends the message loop here.
    std::function<void()> OnDestroy;

    void Destroy() { DestroyWindow(Handle()); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ClickFocusedButton(WPARAM wParam);
};

} // namespace ui
