// A directory list: a list box showing, for one drive, the chain of directories from the root down to the
// current directory (each one step further in, with an open folder), then the current directory's
// subdirectories (one step further still, with a closed folder) in case-insensitive order. Opening an entry
// (double-click, or Enter on the highlighted entry) makes it the current directory; a single click only
// highlights it. The drives are read through the DriveAccess seam.
#pragma once

#include "ui/Window.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

class DirectoryList final : public Window {
public:
    DirectoryList(Window& parent, const ControlSpec& layout);
    ~DirectoryList() override;

    // The current directory: "c:\" for a root, else its full path without a trailing backslash. The drive
    // letter is in lower case, the rest as it was given. Empty until a directory is set.
    std::string Directory() const { return directory_; }
    // Makes the directory current and lists it. Throws EInOutError when it cannot be read (21 when its
    // drive is not ready); the list then stays as it was.
    void SetDirectory(const std::string& path);
    // Reads the current directory's subdirectories again and repaints.
    void Refresh();

    // Called after each change of the current directory, made by the user or by the program.
    std::function<void()> OnChange;

    void OnCommand(WORD code) override;
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;

private:
    struct Entry {
        std::string name; // as shown and as the list box keeps it for screen readers
        std::string path;
        int depth = 0;
        bool open = false; // on the chain from the root to the current directory
    };

    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Open(int index);
    void Fill(const std::string& directory, std::vector<std::string> subdirectories);

    std::vector<Entry> entries_;
    std::string directory_;
    WNDPROC original_ = nullptr;
};

} // namespace ui
