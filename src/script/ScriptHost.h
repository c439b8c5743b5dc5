// What the script engine needs from the application beyond its controls: pumping the message queue,
// sleeping, the application's message box and beep, and the dialogs. The window implements it with Win32; tests fake it.
#pragma once

#include <string>

// The answers of the missing-item box.
enum class MissingItemAnswer { Abort, Retry, Ignore };

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

    // The next-disk dialog naming the missing file, opened at location. True on OK with the location to
    // look again at (changed only when the user chose another); false when the user cancelled.
    virtual bool AskForNextDisk(std::string& location, const std::string& neededFile) = 0;

    // The program group dialog, creating groups allowed: whatever text it leaves as the selected group,
    // also after Cancel (it is judged by the prompt's name check).
    virtual std::string ChooseProgramGroup() = 0;

    // The missing-item box: the text in an error box titled "Error" with "&Abort", "&Retry" and "&Ignore".
    virtual MissingItemAnswer AskMissingItem(const std::string& text) = 0;

    // The hourglass over the whole application while files are worked through, or the normal pointer.
    virtual void SetBusyCursor(bool busy) = 0;
};
