#include "services/VeskStringUtil.h"

#include <algorithm>

std::string LowerAscii(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = LowerAscii(c);
    return result;
}

std::string_view TrimView(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string Trim(std::string_view text)
{
    return std::string(TrimView(text));
}

bool ContainsNoCase(std::string_view part, std::string_view text)
{
    if (part.empty() || text.empty())
        return false;
    const auto sameFolded = [](char a, char b) { return LowerAscii(a) == LowerAscii(b); };
    return std::search(text.begin(), text.end(), part.begin(), part.end(), sameFolded) != text.end();
}
