// The component library (COM and OLE) for the GUI thread: WinMain holds one of these from before the main
// window is created until the program ends, because the shortcut writer's link object needs it.
#pragma once

#include <windows.h>
#include <ole2.h>

class ComLibrary {
public:
    ComLibrary() : result_(OleInitialize(nullptr)) {}
    // Every successful start is balanced by one stop, also the one that found the library already started
    // on this thread (S_FALSE); a refused start is not.
    ~ComLibrary()
    {
        if (SUCCEEDED(result_))
            OleUninitialize();
    }
    ComLibrary(const ComLibrary&) = delete;
    ComLibrary& operator=(const ComLibrary&) = delete;

    HRESULT Result() const { return result_; }

private:
    HRESULT result_;
};
