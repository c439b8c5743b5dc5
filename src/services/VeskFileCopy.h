// Copying one file from the installation media to the target machine: SZDD-compressed files are expanded
// on the way, others copied unchanged, and only when the source is newer than the file at the target.
// The services show nothing; the outcome is a result code and a message for the script's LastErrorText.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// 1 January 1980 00:00:00, the first time the DOS date and time format can hold, as a date-time value
// (days since 30 December 1899, the fraction being the time of day). The time of a file that is not found.
inline constexpr double kDosEpochDateTime = 29221.0;

// The facts about one file.
struct FileStamp {
    bool Found = false;              // the file was found
    std::string Name;                // the found entry's name, without directory; empty when not found
    double Time = kDosEpochDateTime; // last modification, local time in 2-second steps, as a date-time value
    std::int32_t Size = 0;           // the low 32 bits of the file's size; 0 when not found
};

// Result codes of a copy.
inline constexpr std::int32_t kCopyDone = 0;          // copied, or skipped as not newer; empty message
inline constexpr std::int32_t kCopyNotOpened = -1;    // kCannotCopyFrom or kCannotCopyTo, "\r\n", the path
inline constexpr std::int32_t kCopyFailed = -2;       // kCannotCreateFile, "\r\n", the target path
inline constexpr std::int32_t kCopyOutOfMemory = -20; // kOutOfMemorySource or kOutOfMemoryTarget

inline constexpr char kCannotCopyFrom[] = "Can not copy file from:";
inline constexpr char kCannotCopyTo[] = "Can not copy file to:";
inline constexpr char kCannotCreateFile[] = "Can not create file:";
inline constexpr char kOutOfMemorySource[] = "out of memory"; // the two capitals differ on purpose
inline constexpr char kOutOfMemoryTarget[] = "Out of memory";

// The longest path the platform's ANSI file calls take whole (MAX_PATH less the terminating zero). A longer
// source or target, or a target whose directory cannot hold the temporary file's name within it, is
// refused with kCopyNotOpened: a path cut short would name another file.
inline constexpr std::size_t kMaxCopyPathLength = 259;

// The date-time value of a DOS date and time (both 16-bit fields as the format packs them).
double DosDateTimeToDateTime(std::uint16_t dosDate, std::uint16_t dosTime);

// Looks the path up with every kind of entry admitted (read-only, hidden, system, volume label, directory,
// archive). A time outside the DOS range is clamped to its first or last 2-second step.
void GetFileStamp(const std::string& path, FileStamp& stamp);

// Copies with ExpandCopyFile when the source is found and the target is missing, or when the source's time
// is strictly later than the target's. Otherwise kCopyDone with an empty message. A source or target path
// too long to look up is passed on to ExpandCopyFile, which refuses it.
void CopyIfNewer(const std::string& source, const std::string& target, std::int32_t& resultCode,
                 std::string& message);

// Expands an SZDD-compressed source, or copies any other source byte for byte, to the target, replacing a
// writable file there. The copy goes to a temporary file in the target's directory that replaces the target
// only once complete: on any failure the old target stays as it was and nothing is left behind. The target
// gets no time stamp or attributes from the source. The target's directory must exist. Always sets the
// result code and the message.
void ExpandCopyFile(const std::string& source, const std::string& target, std::int32_t& resultCode,
                    std::string& message);
