// The one way the directory and drive lists reach the drives: which drives there are and of what kind, a
// drive's current directory, whether a drive is ready, and a directory's subdirectories. The Win32 access is
// in force unless a replacement is installed: tests install one with a drive that is not ready, which Wine
// cannot offer.
#pragma once

#include <string>
#include <vector>

namespace ui {

enum class DriveKind { Unknown, Removable, Fixed, Network, CdRom, RamDisk };

struct DriveEntry {
    char letter = 0; // lower case
    DriveKind kind = DriveKind::Unknown;
};

class DriveAccess {
public:
    virtual ~DriveAccess() = default;

    // The logical drives in letter order with their kinds, found without touching any medium.
    virtual std::vector<DriveEntry> Drives() = 0;
    // The drive's current directory as a full path ("c:\" for its root), found without touching the medium.
    virtual std::string CurrentDir(char drive) = 0;
    // False when the system reports the drive not ready (no medium in it); other failures show when reading.
    virtual bool IsReady(char drive) = 0;
    // The names of the directory's subdirectories that are neither hidden nor system, without "." and "..",
    // in the order found. Throws EInOutError with the system's code when the directory cannot be read.
    virtual std::vector<std::string> Subdirectories(const std::string& dir) = 0;
};

// The access the lists use now.
DriveAccess& CurrentDriveAccess();
// Installs a replacement (null puts the Win32 access back) and returns the one in force before, or null
// when that was the Win32 access.
DriveAccess* SetDriveAccess(DriveAccess* access);
// The Win32 access, for a replacement that changes only some drives.
DriveAccess& Win32DriveAccess();

} // namespace ui
