// What the script engine needs from the application beyond its controls: pumping the message queue,
// sleeping, the application's message box and beep, and the dialogs. The window implements it with Win32; tests fake it.
#pragma once

#include <string>

class IScriptHost {
public:
    virtual ~IScriptHost() = default;
    // Handles every pending window message, so that clicks run nested inside a wait.
    virtual void ProcessMessages() = 0;
    virtual void Sleep(unsigned milliseconds) = 0;
    // A modal box with the text and an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // MessageBeep with the given type: 0xFFFFFFFF is the simple beep.
    virtual void Beep(unsigned type) = 0;

    // The directory dialog, creating directories allowed, opened at selectedDir. True on OK, with the chosen
    // directory (ending with a backslash) in selectedDir; false on Cancel, selectedDir unchanged.
    virtual bool ChooseDirectory(std::string& selectedDir) = 0;
};
