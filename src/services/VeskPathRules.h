// Directory and path text rules: the one form of every directory text, the absolute-path test, the
// program's directory cut from its module path and the levels of a directory path. Pure text; the Windows
// lookups live in VeskFileAndShellUtil.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Empty for a blank text; otherwise the text as written with a trailing backslash (added unless present).
std::string NormalizeDir(std::string_view text);

// A drive colon in second place or a leading backslash, after trimming and dropping one leading quote.
bool IsAbsolutePath(std::string_view path);

// The directory of a program's module path, normalised: c:\setup\setup.exe gives c:\setup\, a:\setup.exe a:\.
std::string ProgramDirOfModulePath(std::string_view modulePath);

// An absolute path unchanged (untrimmed, quote included); otherwise the base directory followed by the path.
std::string ExpandFromDir(std::string_view baseDir, std::string_view path);

// The levels of a directory path, the path itself (untrimmed) first, then each parent up to its root; a
// level with no drive is put on c: (\a\b gives \a\b, c:\a). The list is cleared first and stays empty for
// a blank path.
void SplitDirLevels(std::string_view path, std::vector<std::string>& levels);
