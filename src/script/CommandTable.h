// The script language's command words, in the order that decides matching: the first row that matches
// a lower-cased, trimmed command text runs. Rows match the whole text, or contain their word anywhere.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class TVeskScript;

// The handler contract: on entry currentLine holds the command text (lower-cased, trimmed), isCommand is
// false and resultCode 0. A handler reads its arguments with ReadLine into the same three and stops at a
// command line or a non-zero code; any non-zero code it sets ends the run.
using CommandHandler = void (*)(TVeskScript& script, std::string& currentLine, bool& isCommand,
                                std::int32_t& resultCode);

enum class MatchKind { Equality, Containment };

struct CommandRow {
    std::string_view word;
    MatchKind match;
    CommandHandler handler;
};

std::span<const CommandRow> CommandTable();

// The row for a lower-cased, trimmed command text: the first row that matches, the skipping row for any
// other text, and null for the empty text.
const CommandRow* FindCommand(std::string_view commandText);
