// The base of every window wrapper: it owns one HWND, finds its object again from the handle, and gives
// the windows of our own classes (forms, panels) one static window procedure that forwards to a member
// and keeps C++ exceptions from crossing into Windows code.
#pragma once

#include "ui/Gdi.h"

#include <windows.h>

#include <optional>
#include <string>

namespace ui {

// What a control is made from; the forms' layout tables are lists of these.
struct ControlSpec {
    std::string caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    FontSpec font;
    std::optional<COLORREF> textColor;
    std::optional<COLORREF> backColor;
    bool visible = true;
    bool tabStop = true;
    bool readOnly = false;
    bool transparent = false; // a label shaped to its glyphs: what lies beneath shows between them
    bool verticalScrollBar = false;
    bool wordWrap = false; // a label that breaks its caption between words inside the layout's rectangle
};

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }
    // The wrapper of a window made by this layer, or null.
    static Window* FromHandle(HWND hwnd);

    void Show(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
    bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
    void Enable(bool enabled) { EnableWindow(hwnd_, enabled); }
    bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    void SetText(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }
    std::string Text() const;
    void Focus() { SetFocus(hwnd_); }

    // A notification (BN_CLICKED, ...) reflected from the parent.
    virtual void OnCommand(WORD /*code*/) {}
    // The painting of one item of an owner-drawn list, reflected from the parent.
    virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
    // The brush for WM_CTLCOLOR*, reflected from the parent: the layout's colours on the given DC, or null
    // for the system's default when the layout set none.
    virtual HBRUSH OnCtlColor(HDC dc);

    // The background: the layout's colour, else the parent's, else the face colour of buttons.
    COLORREF BackColor() const;
    HBRUSH BackBrush() const;

protected:
    // Creates a child control of a system class (BUTTON, STATIC, EDIT, ...) from its layout.
    void CreateControl(Window& parent, const char* className, DWORD style, const ControlSpec& layout);
    // Creates a window of one of our own classes, whose messages reach HandleMessage.
    void CreateOwn(const char* className, DWORD style, DWORD exStyle, HWND parent, int left, int top, int width,
                   int height, const std::string& caption);
    static void RegisterOwnClass(const char* className, HBRUSH background);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Reflects notifications, colour requests and item painting of child controls to their wrappers.
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The colours and font from a layout, applied to this window.
    void ApplyLook(const ControlSpec& layout);

private:
    static LRESULT CALLBACK OwnWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND hwnd);

    HWND hwnd_ = nullptr;
    Font font_;
    Brush backBrush_;
    std::optional<COLORREF> textColor_;
    std::optional<COLORREF> backColor_;
};

} // namespace ui
