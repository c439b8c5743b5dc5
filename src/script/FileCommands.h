// The file commands: copying (and expanding) files from one or more disks, deleting files and directory
// trees, opening documents and starting programs. Each works through its argument lines, one item a line.
#pragma once

#include <cstdint>
#include <string>

class TVeskScript;

void CmdCopyFiles(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdDeleteFiles(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdDelTree(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdOpenFile(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
void CmdRun(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
