#include "services/VeskItemFields.h"

#include "services/VeskStringUtil.h"

std::vector<std::string> SplitItemFields(std::string_view text)
{
    std::vector<std::string> fields;
    int quotes = 0;
    std::size_t fieldStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            ++quotes;
        if (text[i] == ',' && quotes % 2 == 0) {
            fields.push_back(Trim(text.substr(fieldStart, i - fieldStart)));
            fieldStart = i + 1;
        } else if (i + 1 == text.size()) {
            fields.push_back(Trim(text.substr(fieldStart)));
        }
    }
    return fields;
}

void SplitQuotedPath(std::string_view text, std::vector<std::string>& list)
{
    list.clear();
    text = TrimView(text);
    const auto opening = text.find('"');
    if (opening == std::string_view::npos)
        return;
    text = TrimView(text.substr(opening));
    const auto closing = text.find('"', 1);
    if (closing == std::string_view::npos)
        return;
    list.push_back(Trim(text.substr(1, closing - 1)));
    list.push_back(Trim(text.substr(closing + 1)));
}
