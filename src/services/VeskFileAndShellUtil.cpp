#include "services/VeskFileAndShellUtil.h"

#include "services/FindHandle.h"
#include "services/VeskPathRules.h"

#include <windows.h>

#include <vector>

std::string GetProgramDir()
{
    // Grows the buffer until the whole module path fits: a program deep in a share's tree may pass MAX_PATH.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size())
            return ProgramDirOfModulePath(std::string(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
}

std::string ExpandFromProgramDir(const std::string& path)
{
    return ExpandFromDir(GetProgramDir(), path);
}

namespace {

// The attributes of the one entry a path names; false when there is none. Wildcards name no single entry.
bool FindEntry(const std::string& path, DWORD& attributes)
{
    if (path.empty() || path.find_first_of("*?") != std::string::npos)
        return false;
    WIN32_FIND_DATAA found;
    const FindHandle search(path, found);
    if (!search.Found())
        return false;
    attributes = found.dwFileAttributes;
    return true;
}

} // namespace

bool DirectoryExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsExistingDir(const std::string& path)
{
    DWORD attributes = 0;
    return FindEntry(path, attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsExistingFile(const std::string& path)
{
    constexpr DWORD kVolumeLabel = 0x8; // faVolumeID; no longer named by the platform headers
    DWORD attributes = 0;
    return FindEntry(path, attributes) && !(attributes & (FILE_ATTRIBUTE_DIRECTORY | kVolumeLabel));
}

namespace {

// Asks a directory query with room for 255 characters, and again with room for the whole answer if longer.
std::string QueryDir(UINT (WINAPI *query)(LPSTR, UINT))
{
    std::vector<char> buffer(256);
    UINT length = query(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = query(buffer.data(), static_cast<UINT>(buffer.size()));
    }
    return NormalizeDir(std::string(buffer.data(), length < buffer.size() ? length : 0));
}

} // namespace

std::string GetWindowsDir()
{
    return QueryDir(GetWindowsDirectoryA);
}

std::string GetSystemDir()
{
    return QueryDir(GetSystemDirectoryA);
}
