// What the Win32 tests use to work modal dialogs in this process: steps run from inside the dialogs' own
// message loops, posted clicks and keys, looks at the windows, and pictures of them saved as artefacts.
#pragma once

#include "ui/DirectoryList.h"
#include "ui/Window.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace dialogtest {

// ---- Pictures for the test's artefacts

// What the screen shows in the window's rectangle (a box on top of it included), as a 24-bit BMP file of
// that name in the artefacts folder beside the test program.
bool SavePicture(HWND window, const std::string& name);

// ---- Working modal dialogs from inside their loops

// The steps of a test, run one per tick of a thread timer: the loop of whatever dialog or message box is up
// dispatches the ticks. A waiting step is tried again at each tick until it holds. Steps post their clicks
// and keys, never send them, so that no step runs inside another. When the time is up every window of the
// thread is asked to close, so that a failing test ends instead of hanging.
class Steps {
public:
    Steps();
    ~Steps();
    Steps(const Steps&) = delete;
    Steps& operator=(const Steps&) = delete;

    void Do(std::function<void()> action);
    void Wait(std::function<bool()> done) { steps_.push_back(std::move(done)); }
    // Waits from the step's first tick: painting and the screen catch up meanwhile.
    void Pause(DWORD ms);
    // Paints the window, lets the screen catch up and saves its picture. The window is read when the steps
    // run: a wrapper, or a variable that an earlier step sets.
    void Picture(const ui::Window& window, const char* name)
    {
        Picture([&window] { return window.Handle(); }, name);
    }
    void Picture(HWND& window, const char* name)
    {
        Picture([&window] { return window; }, name);
    }

    bool AllDone() const { return next_ == steps_.size(); }

private:
    void Picture(std::function<HWND()> window, const char* name);
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Run();

    static Steps* current_;
    std::vector<std::function<bool()>> steps_;
    size_t next_ = 0;
    DWORD start_;
    UINT_PTR timer_;
    bool running_ = false;
};

// Posted input, as a user's would come.
void PressKey(HWND target, WORD vk);
void TypeChars(HWND edit, const std::string& text);
void Click(const ui::Window& button);
// The mouse on an item of a list box: one click, or a double-click as the system reports it.
void ClickListItem(HWND list, int index, bool twice);
void ClickItem(const ui::DirectoryList& list, const std::string& name, bool twice);
// Steps that note the window with the focus, then press Tab on it, that many times.
void TabThrough(Steps& steps, int presses, std::vector<HWND>& visited);

// The index of the item with exactly that text, or LB_ERR.
int IndexOf(const ui::DirectoryList& list, const std::string& name);

// A message box of this thread that is up, or null.
HWND ThreadMessageBox();
// The message of a box: its longest static text (the others are its icon).
std::string BoxMessage(HWND box);

// A waiting step: a form with that title is shown and active; found is set to it.
std::function<bool()> FormShown(const std::string& title, HWND& found);

// The first edit box of the form.
HWND EditOf(HWND form);

// The window's place in its parent's client area.
RECT PlaceInParent(const ui::Window& control);
SIZE ClientSize(const ui::Window& window);
// Checks a control's place in its parent's client area, and its size where the control keeps the layout's.
void ExpectPlace(const ui::Window& control, int left, int top, int width, int height, const char* name);
LOGFONTA FontOf(const ui::Window& control);

// ---- Directories

// Removes a directory with everything in it, read-only files included.
void RemoveTree(const std::string& dir);

// A test's directory of that name in the temporary directory, on drive c:, spelt as the directory list
// spells it.
std::string TempTestDir(const std::string& name);

} // namespace dialogtest
