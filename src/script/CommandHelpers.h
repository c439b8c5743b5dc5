// Small pieces that several command handlers share: reading a one-line argument, the hourglass for the
// time of a command, and "&More..." enabled with its dialog for the time of a prompt.
#pragma once

#include "script/VeskScript3.h"

#include <cstdint>
#include <string>

// MessageBeep's simple beep, sounded by the script's prompts and commands.
inline constexpr unsigned kSimpleBeep = 0xFFFFFFFF;

// Reads a command's one argument into currentLine. False when a command line stands in its place; at the
// end of the lines the argument is the empty text.
inline bool ReadArgument(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    script.ReadLine(currentLine, isCommand, resultCode);
    return !isCommand;
}

// The hourglass for one scope, put back on every path.
class BusyCursor {
public:
    explicit BusyCursor(IScriptHost& host) : host_(host) { host_.SetBusyCursor(true); }
    ~BusyCursor() { host_.SetBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    IScriptHost& host_;
};

// "&More..." enabled with the prompt's dialog for one scope; disabled and without action again on every
// path, errors included.
class PromptMoreButton {
public:
    PromptMoreButton(TVeskScript& script, ui::ClickAction openDialog) : button_(script.MoreButton)
    {
        if (!button_)
            return;
        button_->SetEnabled(true);
        button_->OnClick() = std::move(openDialog);
    }
    ~PromptMoreButton()
    {
        if (!button_)
            return;
        button_->OnClick() = nullptr;
        button_->SetEnabled(false);
    }
    PromptMoreButton(const PromptMoreButton&) = delete;
    PromptMoreButton& operator=(const PromptMoreButton&) = delete;

private:
    ui::IButton* button_;
};
