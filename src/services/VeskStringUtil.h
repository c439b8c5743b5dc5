// Text rules shared by the script engine and the services: blanks, ASCII case folding and the
// containment test used for command words and options. Text is 8-bit ANSI; nothing here calls Windows.
#pragma once

#include <cstdint>
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

// Program group names: every character one of NameChars (space ! - . 0-9 : A-Z \ _ a-z); false when empty.
bool IsValidName(std::string_view text);

// The piece of the text at a 1-based position, as long as the part (shorter at the text's end), equals
// the part, case-sensitively.
bool SubStrAt(std::string_view part, std::string_view text, int position);

// The 1-based position of the right-most occurrence of the part; 0 when there is none or the text is empty.
int LastPos(std::string_view part, std::string_view text);

// Replaces the first occurrence of oldPart (case-sensitive) by newPart; an empty oldPart changes nothing.
void ReplaceFirst(std::string_view oldPart, std::string& variable, std::string_view newPart);

// A 32-bit signed integer written as decimal digits with an optional sign, or "$" and hexadecimal digits
// (a 32-bit pattern). False for anything else or a number out of range.
bool TryParseInt32(std::string_view text, std::int32_t& value);
