#include "services/VeskFileCopy.h"

#include "services/FileHandle.h"
#include "services/FindHandle.h"
#include "services/SzddDecoder.h"

#include <windows.h>

#include <cstdio>
#include <new>

namespace {

constexpr char kLineBreak[] = "\r\n";
constexpr double kSecondsPerDay = 86400.0;
constexpr int kDaysFrom1899To1970 = 25569; // 30 December 1899 to 1 January 1970
// The temporary file's name: "~vk", five hexadecimal digits, ".tmp" (an 8.3 name, for any file system).
constexpr std::size_t kTempNameLength = 12;
constexpr int kTempNameAttempts = 64;

void Report(std::int32_t& resultCode, std::string& message, std::int32_t code, const char* text,
            const std::string& path)
{
    resultCode = code;
    message = std::string(text) + kLineBreak + path;
}

// Days from 1 January 1970 to a date of the proleptic Gregorian calendar.
int DaysFromCivil(int year, int month, int day)
{
    year -= month <= 2;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// A UTC file time in local time, at the DOS format's 2-second resolution, as a date-time value. The format
// holds the years 1980 to 2107; a time outside them is clamped to the nearest end.
double StampTime(const FILETIME& utc)
{
    FILETIME local;
    if (!FileTimeToLocalFileTime(&utc, &local))
        local = utc;
    WORD dosDate = 0;
    WORD dosTime = 0;
    if (FileTimeToDosDateTime(&local, &dosDate, &dosTime))
        return DosDateTimeToDateTime(dosDate, dosTime);
    SYSTEMTIME system;
    if (!FileTimeToSystemTime(&local, &system) || system.wYear < 1980)
        return kDosEpochDateTime;
    constexpr WORD kLastDate = (2107 - 1980) << 9 | 12 << 5 | 31;
    constexpr WORD kLastTime = 23 << 11 | 59 << 5 | 29;
    return DosDateTimeToDateTime(kLastDate, kLastTime);
}

// The directory part of a path with its separator ("c:\dir\" of "c:\dir\x.dll", "c:" of "c:x.dll"); empty
// for a bare name, which lives in the current directory.
std::string DirectoryPart(const std::string& path)
{
    const std::size_t at = path.find_last_of("\\/:");
    return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

// A new file of a unique name in the target's directory, into which the copy goes. It replaces the target
// only when the copy is complete; on every other path it is closed and deleted, so that a failed copy
// neither damages the file already at the target nor leaves a partial file.
class TempFileBeside {
public:
    ~TempFileBeside()
    {
        handle_.Close();
        if (!path_.empty())
            DeleteFileA(path_.c_str());
    }

    // False when no file can be created in the directory (missing, not writable).
    bool Create(const std::string& dir)
    {
        // CREATE_NEW fails on an existing name, so the name found is ours alone; the start varies by process
        // and time so that two copies into one directory rarely try the same names.
        const DWORD start = GetTickCount() ^ GetCurrentProcessId() << 8;
        for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
            char name[kTempNameLength + 1];
            std::snprintf(name, sizeof name, "~vk%05lX.tmp", static_cast<unsigned long>((start + attempt) & 0xFFFFF));
            const std::string path = dir + name;
            handle_ = FileHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
            if (handle_.IsOpen()) {
                path_ = path;
                return true;
            }
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
                return false;
        }
        return false;
    }

    // A missing target is written in place: there is no old file to keep, and a failure still deletes it.
    bool CreateAsTarget(const std::string& target)
    {
        handle_ = FileHandle(
            CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!handle_.IsOpen())
            return false;
        path_ = target;
        return true;
    }

    HANDLE Handle() const { return handle_.Get(); }

    // Closes the file, which must succeed for its content to count as written.
    bool Close() { return handle_.Close(); }

    // Puts the closed file in the target's place in one step.
    bool ReplaceTarget(const std::string& target)
    {
        if (path_ != target && !MoveFileExA(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING))
            return false;
        path_.clear();
        return true;
    }

private:
    FileHandle handle_;
    std::string path_; // empty until created, and again once moved to the target
};

// An existing target must be writable, as creating it over the old file required: a read-only file, a
// directory or a file in use without write sharing is refused before anything is copied. The read-only
// attribute is tested itself: a write probe alone would pass where the system lets its user write anyway
// (an administrator under Wine, for one).
bool TargetWritable(const std::string& target)
{
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true;
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))
        return false;
    const FileHandle probe(CreateFileA(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return probe.IsOpen();
}

// Streams the source through the expander into the temporary file, 64 KiB at a time.
bool ExpandInto(HANDLE source, HANDLE target)
{
    const SzddStatus status = ExpandStream(
        [source](std::span<std::uint8_t> buffer) -> std::ptrdiff_t {
            DWORD got = 0;
            if (!ReadFile(source, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr))
                return -1;
            return static_cast<std::ptrdiff_t>(got);
        },
        [target](std::span<const std::uint8_t> bytes) {
            DWORD written = 0;
            return WriteFile(target, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                   written == bytes.size();
        });
    return SzddSucceeded(status);
}

// The copy's steps in the order their failures are reported: the source, the target, the copy. Sets
// targetStep once the source is open, so that a lack of memory is reported for the right name.
void CopySteps(const std::string& source, const std::string& target, std::int32_t& resultCode,
               std::string& message, bool& targetStep)
{
    if (source.size() > kMaxCopyPathLength) {
        Report(resultCode, message, kCopyNotOpened, kCannotCopyFrom, source);
        return;
    }
    const FileHandle input(CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!input.IsOpen()) {
        Report(resultCode, message, kCopyNotOpened, kCannotCopyFrom, source);
        return;
    }

    targetStep = true;
    const std::string dir = DirectoryPart(target);
    if (target.size() > kMaxCopyPathLength || dir.size() + kTempNameLength > kMaxCopyPathLength) {
        Report(resultCode, message, kCopyNotOpened, kCannotCopyTo, target);
        return;
    }
    TempFileBeside output;
    const bool targetMissing = GetFileAttributesA(target.c_str()) == INVALID_FILE_ATTRIBUTES;
    const bool created = targetMissing ? output.CreateAsTarget(target) : TargetWritable(target) && output.Create(dir);
    if (!created) {
        Report(resultCode, message, kCopyNotOpened, kCannotCopyTo, target);
        return;
    }

    bool copied = false;
    try {
        copied = ExpandInto(input.Get(), output.Handle()) && output.Close();
    } catch (const std::bad_alloc&) {
        copied = false; // no memory for the copy's buffers: the copy failed, like any other copy failure
    }
    if (!copied) {
        Report(resultCode, message, kCopyFailed, kCannotCreateFile, target);
        return;
    }
    if (!output.ReplaceTarget(target))
        Report(resultCode, message, kCopyNotOpened, kCannotCopyTo, target);
}

} // namespace

double DosDateTimeToDateTime(std::uint16_t dosDate, std::uint16_t dosTime)
{
    const int year = 1980 + (dosDate >> 9);
    const int month = dosDate >> 5 & 0x0F;
    const int day = dosDate & 0x1F;
    const int seconds = (dosTime >> 11) * 3600 + (dosTime >> 5 & 0x3F) * 60 + (dosTime & 0x1F) * 2;
    return DaysFromCivil(year, month, day) + kDaysFrom1899To1970 + seconds / kSecondsPerDay;
}

void GetFileStamp(const std::string& path, FileStamp& stamp)
{
    stamp = FileStamp{};
    WIN32_FIND_DATAA found;
    const FindHandle search(path, found);
    if (!search.Found())
        return;
    stamp.Found = true;
    stamp.Name = found.cFileName;
    stamp.Time = StampTime(found.ftLastWriteTime);
    stamp.Size = static_cast<std::int32_t>(found.nFileSizeLow);
}

void CopyIfNewer(const std::string& source, const std::string& target, std::int32_t& resultCode,
                 std::string& message)
{
    if (source.size() > kMaxCopyPathLength || target.size() > kMaxCopyPathLength) {
        ExpandCopyFile(source, target, resultCode, message);
        return;
    }
    FileStamp sourceStamp;
    FileStamp targetStamp;
    GetFileStamp(source, sourceStamp);
    GetFileStamp(target, targetStamp);
    // A missing target is copied whatever the source's date. Taking a missing target as dated 1 January
    // 1980 would skip every source of exactly that date, the date that reproducible builds and many
    // archives give all their files.
    if (sourceStamp.Found && (!targetStamp.Found || sourceStamp.Time > targetStamp.Time)) {
        ExpandCopyFile(source, target, resultCode, message);
        return;
    }
    resultCode = kCopyDone;
    message.clear();
}

void ExpandCopyFile(const std::string& source, const std::string& target, std::int32_t& resultCode,
                    std::string& message)
{
    resultCode = kCopyDone;
    message.clear();
    bool targetStep = false;
    try {
        CopySteps(source, target, resultCode, message, targetStep);
    } catch (const std::bad_alloc&) {
        resultCode = kCopyOutOfMemory;
        message = targetStep ? kOutOfMemoryTarget : kOutOfMemorySource;
    }
}
