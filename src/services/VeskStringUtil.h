// Text rules shared by the script engine and the services: blanks, ASCII case folding and the
// containment test used for command words and options. Text is 8-bit ANSI; nothing here calls Windows.
#pragma once

#include <string>
#include <string_view>

// A blank is any character with a code of 32 or less: space and every control character.
constexpr bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

// Folds the 26 ASCII capitals only; characters above 127 are compared as they are.
constexpr char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

std::string LowerAscii(std::string_view text);

// Removes blanks from both ends.
std::string Trim(std::string_view text);
std::string_view TrimView(std::string_view text);

// True when the case-folded part occurs anywhere in the case-folded text; false when either is empty.
bool ContainsNoCase(std::string_view part, std::string_view text);
