// The installation script's file format: 8-bit text, lines ending at CR (CR LF is one line end, a bare LF
// stays inside its line), Ctrl+Z ending the file, and every line trimmed of blanks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The file's lines in order, each trimmed, empty ones included; nothing after a Ctrl+Z.
std::vector<std::string> SplitScriptLines(std::string_view bytes);

// A command line begins with '<' and ends with '>'; the command text is what lies between.
bool IsCommandLine(std::string_view line);
