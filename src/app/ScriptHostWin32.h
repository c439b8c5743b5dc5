// The script engine's host on Win32: the real message pump, Sleep, message boxes, beeps and dialogs.
#pragma once

#include "script/ScriptHost.h"

class ScriptHostWin32 final : public IScriptHost {
public:
    void ProcessMessages() override;
    void Sleep(unsigned milliseconds) override;
    void ShowMessage(const std::string& text) override;
    void Beep(unsigned type) override;
    bool ChooseDirectory(std::string& selectedDir) override;
    std::string ChooseProgramGroup() override;
    bool AskForNextDisk(std::string& location, const std::string& neededFile) override;
    MissingItemAnswer AskMissingItem(const std::string& text) override;
    void SetBusyCursor(bool busy) override;
};
