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

namespace {

constexpr bool IsNameChar(char c)
{
    return c == ' ' || c == '!' || c == '-' || c == '.' || (c >= '0' && c <= ':') || (c >= 'A' && c <= 'Z') ||
           c == '\\' || c == '_' || (c >= 'a' && c <= 'z');
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = LowerAscii(c);
    return (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
}

} // namespace

bool IsValidName(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), IsNameChar);
}

bool SubStrAt(std::string_view part, std::string_view text, int position)
{
    if (position < 1)
        return false;
    const auto start = static_cast<std::size_t>(position - 1);
    const std::string_view piece = start >= text.size() ? std::string_view{} : text.substr(start, part.size());
    return piece == part;
}

int LastPos(std::string_view part, std::string_view text)
{
    for (int position = static_cast<int>(text.size()); position >= 1; --position)
        if (SubStrAt(part, text, position))
            return position;
    return 0;
}

void ReplaceFirst(std::string_view oldPart, std::string& variable, std::string_view newPart)
{
    if (oldPart.empty())
        return;
    if (const auto at = variable.find(oldPart); at != std::string::npos)
        variable.replace(at, oldPart.size(), newPart);
}

bool TryParseInt32(std::string_view text, std::int32_t& value)
{
    if (!text.empty() && text.front() == '$') {
        text.remove_prefix(1);
        if (text.empty() || text.size() > 8)
            return false;
        std::uint32_t pattern = 0;
        for (char c : text) {
            const int digit = HexDigit(c);
            if (digit < 0)
                return false;
            pattern = pattern * 16 + static_cast<std::uint32_t>(digit);
        }
        value = static_cast<std::int32_t>(pattern);
        return true;
    }
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty())
        return false;
    std::int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > std::int64_t{1} << 31)
            return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT32_MAX)
        return false;
    value = static_cast<std::int32_t>(signedValue);
    return true;
}
