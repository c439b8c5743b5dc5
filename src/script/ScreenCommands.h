// The screen and pacing commands: filling the text areas, setting and hiding the title, label, edit box
// and buttons, waiting for "&Next >>", and pausing. They never set a result code of their own.
#pragma once

#include "ui/Controls.h"

#include <cstdint>
#include <string>

class TVeskScript;

// Appends a line to a text area; "#emptyline" (any case) appends a blank line.
void AddTextLine(ui::IMemo& area, const std::string& line);

// Fills a text area with the argument lines up to the next command line, the first of them already in
// currentLine, in one batch; the area is left showing its first line with the caret at its start.
void FillTextArea(TVeskScript& script, ui::IMemo& area, std::string& currentLine, bool& isCommand,
                  std::int32_t& resultCode);

void CmdSetMessage(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdWaitMessage(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdWaitOpeningText(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdWaitButton(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdSetLabel(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdSetTitle(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdSetEditBox(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdReadOnlyEditBox(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdHideEditBox(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdHideLabel(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdHideTitle(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdHideButton(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdHideQuitButton(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdShowQuitButton(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdSleep(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
