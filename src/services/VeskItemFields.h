// Splitting the item lines of "create program items": fields at the commas outside double quotes, and a
// quoted program path with the arguments after it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The fields of a line, each trimmed, split at every comma that lies outside double quotes (quotes are
// counted over the whole line). An empty line gives no field; a comma at the very end adds none.
std::vector<std::string> SplitItemFields(std::string_view text);

// The text between the first two double quotes and the text after the second, each trimmed; text before
// the first quote is dropped. The list stays empty when there are fewer than two double quotes.
void SplitQuotedPath(std::string_view text, std::vector<std::string>& list);
