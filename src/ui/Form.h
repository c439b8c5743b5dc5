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
    // A fixed dialog frame with a title and a close box, owned by the window active at creation; else a
    // borderless main window.
    bool dialogFrame = true;
};

class Form : public Window {
public:
    explicit Form(const FormSpec& layout);

    // Shows the window centred on the screen's work area.
    void ShowCentered();
    // Shows the window at a place of the screen.
    void ShowAt(int left, int top);
    // Places the window without showing it.
    void CenterOnScreen();
    void MoveTo(int left, int top);
    // Gives the client area a new size; the frame follows.
    void SetClientSize(int width, int height);

    // While shown modally: 0 until the dialog ends, then 1 for OK or 2 for Cancel.
    int ModalResult = 0;

    std::function<void()> OnShow;
    std::function<void()> OnHide;
    std::function<void()> OnActivate;
    // Called for WM_CLOSE; when empty, a modal dialog ends with Cancel and any other window is destroyed.
    std::function<void()> OnClose;
    // Called when the window is destroyed; the main form ends the message loop here.
    std::function<void()> OnDestroy;

    void Destroy() { DestroyWindow(Handle()); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend int ShowModal(Form& dialog);
    void ClickFocusedButton(WPARAM wParam);

    bool modal_ = false;
};

} // namespace ui
