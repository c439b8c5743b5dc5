// The directory commands: asking for and creating the installation directory, creating a directory
// under it, and choosing the target, target root and source directories of the later commands.
#pragma once

#include <cstdint>
#include <string>

class TVeskScript;

// The install-directory prompt's key filter: backspace, space, "-", digits, letters, "\", "_" and "~"
// pass; anything else is dropped with the simple beep.
void DirKeyFilter(TVeskScript& script, char& key);

// "&More..." during the install-directory prompt: the directory dialog with creation allowed, opened at
// "c:\"; on OK the edit box shows the chosen directory.
void ChooseDirectory(TVeskScript& script);

void CmdCreateDirectory(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdCreateSubdirectory(TVeskScript& script, std::string& currentLine, bool& isCommand,
                           std::int32_t& resultCode);
void CmdSetTargetDirectory(TVeskScript& script, std::string& currentLine, bool& isCommand,
                           std::int32_t& resultCode);
void CmdSetTargetRootDirectory(TVeskScript& script, std::string& currentLine, bool& isCommand,
                               std::int32_t& resultCode);
void CmdSetSourceDirectory(TVeskScript& script, std::string& currentLine, bool& isCommand,
                           std::int32_t& resultCode);
