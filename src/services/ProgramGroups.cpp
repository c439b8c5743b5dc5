#include "services/ProgramGroups.h"

#include "services/FindHandle.h"
#include "services/MVesk_Shell.h"
#include "ui/ErrorReport.h"

#include <windows.h>

namespace {

constexpr char kShellFoldersKey[] = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// A search that asks for directories leaves out what is hidden, system or a volume label; only the
// directories among the rest are groups.
constexpr DWORD kVolumeLabel = 0x8; // no longer named by the platform headers
constexpr DWORD kLeftOutBySearch = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | kVolumeLabel;

bool IsGroup(const WIN32_FIND_DATAA& found)
{
    const std::string name = found.cFileName;
    return !(found.dwFileAttributes & kLeftOutBySearch) && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           name != "." && name != "..";
}

} // namespace

std::string GetProgramsDir()
{
    // The path is written from the root; the key below HKEY_CURRENT_USER takes it without the backslash.
    const RegistryKey folders = OpenShellFoldersKey(HKEY_CURRENT_USER, kShellFoldersKey + 1);
    return ReadShellFolder(folders, "Programs");
}

void ListProgramGroups(std::vector<std::string>& list)
{
    const std::string programs = GetProgramsDir();
    list.clear();
    // Without a Programs folder the pattern would be "\*.*", the root of the current drive: no groups instead.
    if (programs.empty())
        return;
    const std::string pattern = programs + (programs.back() == '\\' ? "*.*" : "\\*.*");
    WIN32_FIND_DATAA found;
    FindHandle search(pattern, found);
    if (!search.Found())
        return;
    do {
        if (IsGroup(found))
            list.emplace_back(found.cFileName);
    } while (search.Next(found));
}

void AddProgramGroup(const std::string& /*name*/)
{
    ui::ShowMessage("obsolete function");
}
