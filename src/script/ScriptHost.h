// What the script engine needs from the application beyond its controls: pumping the message queue,
// sleeping, and the application's message box and beep. The window implements it with Win32; tests fake it.
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
};
