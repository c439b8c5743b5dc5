// The end-to-end driver: works another process's windows the way a person would. It finds windows and
// controls by their captions, clicks buttons, types characters, presses keys, reads texts and message
// boxes and takes screenshots. Everything crosses the process boundary through posted and sent window
// messages, so the driver shares no memory with the program it drives and never blocks on it for long.
// Used in process by the end-to-end tests and from shell scripts through vesk-drive.exe.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace drive {

// How often the waiting functions look again, and how long a sent message may take to be answered.
inline constexpr DWORD kPollMs = 20;
inline constexpr DWORD kReplyMs = 5000;

// Owns one kernel handle and closes it once.
class Handle
{
public:
    Handle() = default;
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Handle& operator=(Handle&& other) noexcept;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { Reset(); }

    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    void Reset(HANDLE handle = nullptr);

private:
    HANDLE handle_ = nullptr;
};

// A launched program. The destructor ends it if it still runs, so a failing test leaves nothing behind.
class Process
{
public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process() { Terminate(); }

    // Runs the command line with the given working directory (empty: the driver's own).
    bool Start(const std::string& commandLine, const std::string& workDir = {});
    DWORD Id() const { return id_; }
    bool Running() const;
    // True when the program ended within the time; its exit code goes to exitCode when given.
    bool WaitExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
    // Ends the program (exit code 1) if it still runs and waits until it is gone.
    void Terminate();

private:
    Handle process_;
    DWORD id_ = 0;
};

// Captions match exactly, or once the mnemonic markers are taken out: "Next >" matches "&Next >".

// Waits for a visible top-level window with that caption, of that process and window class when given.
// When several match, an enabled one wins: a window that owns a modal box is disabled while the box is up.
// Returns nullptr when none shows within the time.
HWND WaitWindow(const std::string& caption, DWORD timeoutMs, DWORD processId = 0,
                const char* className = nullptr);
// True when the window is destroyed or hidden within the time.
bool WaitGone(HWND window, DWORD timeoutMs);

// The index-th descendant of top, in enumeration order, whose text matches caption (any text when caption
// is empty) and whose class matches className without regard to case (any class when null). Only visible
// controls count unless includeHidden is set.
HWND FindControl(HWND top, const std::string& caption, const char* className = nullptr, int index = 0,
                 bool includeHidden = false);
// FindControl, looking again until the control shows or the time is up.
HWND WaitControl(HWND top, const std::string& caption, DWORD timeoutMs, const char* className = nullptr,
                 int index = 0);

// Presses a visible, enabled button. Returns as soon as the target has taken the click in, even if the
// click opens a modal box there. False when the button cannot be clicked.
bool Click(HWND button);
// Types each character as its own keystroke and waits until the target has handled it, so a key filter
// in the target sees every character, one at a time.
bool TypeChars(HWND edit, const std::string& text);
// Presses and releases one virtual key (VK_RETURN, VK_ESCAPE, VK_TAB...) on target, normally the focused
// control: see Focused. The keyboard state is not changed, so Shift or Ctrl combinations cannot be made.
bool PressKey(HWND target, WORD vk);
// The control that has the keyboard focus in top's thread, or nullptr.
HWND Focused(HWND top);
// Waits until the thread of a visible window has handled the messages posted to it before the call.
// True as well when the window goes away meanwhile; false when the thread does not get round to it.
bool Settle(HWND window);

// The text of a window or control as its program reports it now (an edit's current contents).
std::string Text(HWND window);
std::string ClassName(HWND window);

// Waits for a message box (dialog class "#32770") with that caption.
HWND WaitMessageBox(const std::string& caption, DWORD timeoutMs, DWORD processId = 0);
// The message of a message box.
std::string MessageBoxText(HWND box);

// Saves what the screen shows in the window's rectangle as a 24-bit BMP file.
bool SaveScreenshot(HWND window, const std::string& bmpPath);

bool IsVisible(HWND window);
bool IsEnabled(HWND window);
RECT ClientRectOnScreen(HWND window);

} // namespace drive
