#include "services/VeskPathRules.h"

#include "services/VeskStringUtil.h"

std::string NormalizeDir(std::string_view text)
{
    if (TrimView(text).empty())
        return {};
    std::string dir(text);
    if (dir.back() != '\\')
        dir += '\\';
    return dir;
}

bool IsAbsolutePath(std::string_view path)
{
    path = TrimView(path);
    if (!path.empty() && path.front() == '"')
        path.remove_prefix(1);
    if (path.empty())
        return false;
    return (path.size() >= 2 && path[1] == ':') || path.front() == '\\';
}

std::string ProgramDirOfModulePath(std::string_view modulePath)
{
    const auto cut = modulePath.find_last_of("\\:");
    std::string_view dir = cut == std::string_view::npos ? std::string_view{} : modulePath.substr(0, cut + 1);
    // A directory loses its closing backslash; a root (a:\, \, \\) keeps it.
    if (dir.size() >= 2 && dir.back() == '\\') {
        const char before = dir[dir.size() - 2];
        if (before != ':' && before != '\\')
            dir.remove_suffix(1);
    }
    return NormalizeDir(dir);
}

std::string ExpandFromDir(std::string_view baseDir, std::string_view path)
{
    if (IsAbsolutePath(path))
        return std::string(path);
    std::string expanded(baseDir);
    expanded += path;
    return expanded;
}

void SplitDirLevels(std::string_view path, std::vector<std::string>& levels)
{
    levels.clear();
    if (TrimView(path).empty())
        return;
    std::string current(path);
    levels.push_back(current);
    int position = LastPos("\\", current);
    while (position > 1) {
        current.resize(static_cast<std::size_t>(position - 1));
        position = LastPos("\\", current);
        // The top of a path without a root stands on drive c:, where the directory creation anchors it.
        if (position == 0)
            current = current.back() == ':' ? current + '\\' : "c:\\" + current;
        else if (position == 1)
            current = "c:" + current;
        levels.push_back(current);
    }
}
