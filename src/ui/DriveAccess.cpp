#include "ui/DriveAccess.h"

#include "services/FindHandle.h"
#include "services/VeskErrors.h"
#include "services/VeskPathRules.h"

#include <windows.h>

#include <utility>

namespace ui {

namespace {

// Keeps the system from asking for a disk while a drive is read: a missing medium becomes an error code.
class NoCriticalErrorBoxes {
public:
    NoCriticalErrorBoxes() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~NoCriticalErrorBoxes() { SetErrorMode(previous_); }
    NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
    NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

private:
    UINT previous_;
};

std::string RootOf(char drive)
{
    return {drive, ':', '\\'};
}

DriveKind KindOf(UINT driveType)
{
    switch (driveType) {
    case DRIVE_REMOVABLE:
        return DriveKind::Removable;
    case DRIVE_FIXED:
        return DriveKind::Fixed;
    case DRIVE_REMOTE:
        return DriveKind::Network;
    case DRIVE_CDROM:
        return DriveKind::CdRom;
    case DRIVE_RAMDISK:
        return DriveKind::RamDisk;
    default:
        return DriveKind::Unknown;
    }
}

bool IsListedDirectory(const WIN32_FIND_DATAA& found)
{
    const std::string name = found.cFileName;
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) && name != "." && name != "..";
}

class Win32Drives final : public DriveAccess {
public:
    std::vector<DriveEntry> Drives() override
    {
        // GetDriveType reads only the system's table of drives, never the medium.
        std::vector<DriveEntry> drives;
        const DWORD present = GetLogicalDrives();
        for (int index = 0; index < 26; ++index) {
            if (!(present & (1u << index)))
                continue;
            const char letter = static_cast<char>('a' + index);
            drives.push_back({letter, KindOf(GetDriveTypeA(RootOf(letter).c_str()))});
        }
        return drives;
    }

    std::string CurrentDir(char drive) override
    {
        // "x:" alone names the drive's current directory; expanding it is text work on the process's state.
        const char relative[] = {drive, ':', '\0'};
        char buffer[MAX_PATH];
        const DWORD length = GetFullPathNameA(relative, MAX_PATH, buffer, nullptr);
        if (length == 0 || length >= MAX_PATH)
            return RootOf(drive);
        return std::string(buffer, length);
    }

    bool IsReady(char drive) override
    {
        const NoCriticalErrorBoxes quiet;
        if (GetFileAttributesA(RootOf(drive).c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        return GetLastError() != ERROR_NOT_READY;
    }

    std::vector<std::string> Subdirectories(const std::string& dir) override
    {
        const NoCriticalErrorBoxes quiet;
        WIN32_FIND_DATAA found;
        FindHandle search(NormalizeDir(dir) + "*", found);
        if (!search.Found()) {
            // A root holds no "." entry: an empty one finds nothing at all.
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES)
                return {};
            throw EInOutError(static_cast<long>(error));
        }
        std::vector<std::string> names;
        do {
            if (IsListedDirectory(found))
                names.emplace_back(found.cFileName);
        } while (search.Next(found));
        return names;
    }
};

DriveAccess* g_replacement = nullptr;

} // namespace

DriveAccess& Win32DriveAccess()
{
    static Win32Drives access;
    return access;
}

DriveAccess& CurrentDriveAccess()
{
    return g_replacement ? *g_replacement : Win32DriveAccess();
}

DriveAccess* SetDriveAccess(DriveAccess* access)
{
    return std::exchange(g_replacement, access == &Win32DriveAccess() ? nullptr : access);
}

} // namespace ui
