// The interpreter's own commands: "end" and skipping a command with its argument lines.
#pragma once

#include <cstdint>
#include <string>

class TVeskScript;

// "end": result code 99; nothing after it is read.
void CmdEnd(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);

// "remark", "rem" and every unknown command: the argument lines are skipped, nothing is shown.
void CmdSkip(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode);
