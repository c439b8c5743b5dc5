// The program group commands: asking for and creating the program group, and writing the shortcuts into
// it or into the Startup, Desktop, Programs or Start Menu folder.
#pragma once

#include <cstdint>
#include <string>

class TVeskScript;

// The group prompt's key filter: backspace, space, "-", digits, letters, "_" and "~" pass; anything else
// is dropped with the simple beep.
void GroupKeyFilter(TVeskScript& script, char& key);

// "&More..." during the group prompt: the group dialog; a non-blank answer goes into the edit box.
void ChooseProgramGroup(TVeskScript& script);

// One item line: "quoted program path" arguments, shortcut name, working directory.
void CreateProgramItem(TVeskScript& script, const std::string& itemLine, const std::string& baseDir);

void DoCreateProgramGroup(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void DoCreateProgramItems(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
