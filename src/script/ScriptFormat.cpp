#include "script/ScriptFormat.h"

#include "services/VeskStringUtil.h"

namespace {
constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kEndOfFile = '\x1A';
} // namespace

std::vector<std::string> SplitScriptLines(std::string_view bytes)
{
    if (const auto end = bytes.find(kEndOfFile); end != std::string_view::npos)
        bytes = bytes.substr(0, end);

    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const auto lineEnd = bytes.find(kCarriageReturn);
        lines.push_back(Trim(bytes.substr(0, lineEnd)));
        if (lineEnd == std::string_view::npos)
            break;
        bytes.remove_prefix(lineEnd + 1);
        if (!bytes.empty() && bytes.front() == kLineFeed)
            bytes.remove_prefix(1);
    }
    return lines;
}

bool IsCommandLine(std::string_view line)
{
    return line.size() >= 2 && line.front() == '<' && line.back() == '>';
}
