#include "services/VeskDirectories.h"

#include "services/FindHandle.h"
#include "services/VeskErrors.h"
#include "services/VeskFileAndShellUtil.h"
#include "services/VeskPathRules.h"
#include "services/VeskStringUtil.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

constexpr char kUnableToCreate[] = "Unable to create directory ";
constexpr DWORD kRemovalBlockers = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

} // namespace

void CreateOneDir(const std::string& path, std::int32_t& resultCode, std::string& message)
{
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        resultCode = kDirExists;
        message = "Directory already exists";
    } else if (CreateDirectoryA(path.c_str(), nullptr)) {
        resultCode = kDirCreated;
        message.clear();
    } else {
        resultCode = kDirNotCreated;
        message = kUnableToCreate + path;
    }
}

void CreateDirTree(const std::string& path, std::int32_t& resultCode, std::string& message)
{
    resultCode = kDirCreated;
    message.clear();
    const std::string trimmed = Trim(path);
    if (trimmed.empty())
        return;

    std::vector<std::string> levels;
    SplitDirLevels(trimmed, levels);
    // DirectoryExists rather than IsExistingDir: a level list ends with a drive's root, and the path itself
    // may end with a backslash.
    const auto anchor = std::find_if(levels.begin(), levels.end(), DirectoryExists);
    if (anchor == levels.end()) {
        // Not one level exists, not even the root of the drive: a path that cannot be anchored anywhere cannot
        // be created. Reporting success here would let the installation go on into a directory that is not there.
        resultCode = kDirNotCreated;
        message = kUnableToCreate + trimmed;
        return;
    }
    // Parents first; a level that fails does not stop the others, so the result is that of the path itself.
    for (auto level = std::make_reverse_iterator(anchor); level != levels.rend(); ++level)
        CreateOneDir(*level, resultCode, message);
}

namespace {

// Read-only, hidden and system keep a directory or a link from being removed; they are cleared first.
void MakeRemovable(const std::string& path, DWORD attributes)
{
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kRemovalBlockers))
        SetFileAttrFlags(path, (attributes & FILE_ATTRIBUTE_ARCHIVE) != 0, false, false, false);
}

// A junction or a symbolic link to a directory is removed itself, never entered: what it points to lies
// outside the tree being removed and belongs to someone else. A link that stays is reported by the removal
// of the directory holding it.
void RemoveLink(const std::string& path, DWORD attributes)
{
    MakeRemovable(path, attributes);
    RemoveDirectoryA(path.c_str());
}

// A file that cannot be deleted is left; the removal of its directory then reports the failure.
void DeleteAnyFile(const std::string& path)
{
    SetFileAttrFlags(path, false, false, false, false);
    DeleteFileA(path.c_str());
}

// Empties a directory. The listing is closed on return, before the caller removes the directory itself.
void RemoveContents(const std::string& dir, std::string& message)
{
    WIN32_FIND_DATAA found;
    FindHandle search(dir + "\\*.*", found);
    if (!search.Found())
        return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        const std::string path = dir + "\\" + name;
        if (IsExistingDir(path)) {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
                RemoveLink(path, found.dwFileAttributes);
            else
                DelTree(path, message);
        } else if (IsExistingFile(path)) {
            DeleteAnyFile(path);
        }
    } while (search.Next(found));
}

} // namespace

bool DelTree(const std::string& dir, std::string& message)
{
    message.clear();
    if (!IsExistingDir(dir)) {
        message = "Directory does not exist";
        return false;
    }
    const DWORD attributes = GetFileAttributesA(dir.c_str());
    MakeRemovable(dir, attributes);
    // A directory named that is itself a link loses only the link, as a link inside a tree does; one whose
    // attributes cannot be read is not entered either, and its removal reports it.
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        RemoveContents(dir, message);
    if (!RemoveDirectoryA(dir.c_str()))
        throw EInOutError(static_cast<long>(GetLastError()));
    return true;
}

namespace {

void SetFlag(DWORD& attributes, DWORD flag, bool on)
{
    attributes = on ? (attributes | flag) : (attributes & ~flag);
}

} // namespace

void SetFileAttrFlags(const std::string& path, bool archive, bool hidden, bool readOnly, bool system)
{
    const DWORD current = GetFileAttributesA(path.c_str());
    if (current == INVALID_FILE_ATTRIBUTES)
        return;
    DWORD wanted = current;
    SetFlag(wanted, FILE_ATTRIBUTE_READONLY, readOnly);
    SetFlag(wanted, FILE_ATTRIBUTE_HIDDEN, hidden);
    SetFlag(wanted, FILE_ATTRIBUTE_SYSTEM, system);
    SetFlag(wanted, FILE_ATTRIBUTE_ARCHIVE, archive);
    if (static_cast<WORD>(wanted) == static_cast<WORD>(current))
        return;
    // "Normal" means no attribute at all: it stands alone, and stands for a word with nothing left in it.
    wanted &= ~FILE_ATTRIBUTE_NORMAL;
    SetFileAttributesA(path.c_str(), wanted == 0 ? FILE_ATTRIBUTE_NORMAL : wanted);
}

namespace {

// A name has an extension when its last full stop comes after its last backslash and its last colon.
bool HasExtension(const std::string& path)
{
    const auto stop = path.rfind('.');
    if (stop == std::string::npos)
        return false;
    const auto separator = path.find_last_of("\\:");
    return separator == std::string::npos || stop > separator;
}

} // namespace

bool ProgramFileExists(const std::string& path)
{
    if (HasExtension(path))
        return IsExistingFile(path);
    return IsExistingFile(path) || IsExistingFile(path + ".exe") || IsExistingFile(path + ".com") ||
           IsExistingFile(path + ".bat");
}
