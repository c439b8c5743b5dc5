#include "script/CoreCommands.h"

void CmdEnd(TVeskScript&, std::string&, bool&, std::int32_t& resultCode)
{
    resultCode = 99;
}

void CmdSkip(TVeskScript&, std::string&, bool&, std::int32_t&)
{
    // Reading nothing leaves every argument line to the interpreter, which skips to the next command line.
}
