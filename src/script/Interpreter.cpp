// The interpreter loop of TVeskScript: one command line after the other through the command table.
#include "script/CommandTable.h"
#include "script/VeskScript3.h"
#include "services/VeskStringUtil.h"

void TVeskScript::Run(std::int32_t& resultCode)
{
    resultCode = 0;
    // The empty first line matches nothing, so the lines before the first command line are skipped.
    std::string currentLine;
    do
        ExecuteCommand(currentLine, resultCode);
    while (resultCode == 0 && !AbortRequested);
}

void TVeskScript::ExecuteCommand(std::string& currentLine, std::int32_t& resultCode)
{
    currentLine = LowerAscii(TrimView(currentLine));
    bool isCommand = false;
    resultCode = 0;
    if (const CommandRow* row = FindCommand(currentLine))
        row->handler(*this, currentLine, isCommand, resultCode);
    // Skip whatever argument lines the handler left unread.
    while (!isCommand && resultCode == 0)
        ReadLine(currentLine, isCommand, resultCode);
}
