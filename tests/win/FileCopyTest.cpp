// Copying with expansion on the private prefix's real file system: the time-stamp rules, the result codes
// and messages, a failed copy that leaves the old target as it was, and refused long paths.
#include "services/VeskFileCopy.h"
#include "support/SzddTestEncoder.h"

#include "win/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string TempDir()
{
    char buffer[MAX_PATH];
    GetTempPathA(MAX_PATH, buffer);
    return buffer;
}

void WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

void WriteFile(const std::string& path, const Bytes& content)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
}

std::string ReadFile(const std::string& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Sets a file's last-write time to a local date and time.
void SetLocalTime(const std::string& path, WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME local = {};
    local.wYear = year;
    local.wMonth = month;
    local.wDay = day;
    local.wHour = hour;
    local.wMinute = minute;
    local.wSecond = second;
    FILETIME localTime;
    FILETIME utc;
    ASSERT_TRUE(SystemTimeToFileTime(&local, &localTime));
    ASSERT_TRUE(LocalFileTimeToFileTime(&localTime, &utc));
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &utc));
    CloseHandle(file);
}

Bytes SomeText(std::size_t size)
{
    static const char* const words[] = {"setup", "copies", "the", "files", "to", "disk", "\r\n", "group"};
    std::mt19937 random(7);
    std::string text;
    while (text.size() < size) {
        text += words[random() % 8];
        text += ' ';
    }
    text.resize(size);
    return Bytes(text.begin(), text.end());
}

std::string AsText(const Bytes& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

// The local date-time of 3 February 2001 at 04:05 and some seconds, as the DOS format holds it.
double February2001(int evenSecond)
{
    return 36925.0 + (4 * 3600 + 5 * 60 + evenSecond) / 86400.0;
}

// Files of one test in one fresh directory, removed afterwards; the outputs start with values that every
// call must overwrite.
struct CopyFiles : ::testing::Test {
    std::string root = TempDir() + "vesk-copy-test";
    std::string source = root + "\\source.txt";
    std::string target = root + "\\target.txt";
    std::int32_t code = 99;
    std::string message = "old text";

    void SetUp() override
    {
        testfiles::RemoveAll(root);
        ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr)) << root;
    }
    void TearDown() override { testfiles::RemoveAll(root); }

    void ExpectDone()
    {
        EXPECT_EQ(code, kCopyDone);
        EXPECT_EQ(message, "");
    }
};

} // namespace

TEST(CopyDosTime, CountsDaysFrom30December1899)
{
    EXPECT_DOUBLE_EQ(DosDateTimeToDateTime(0 << 9 | 1 << 5 | 1, 0), kDosEpochDateTime);
    EXPECT_DOUBLE_EQ(kDosEpochDateTime, 29221.0);
    // 3 February 2001, 04:05:06.
    EXPECT_DOUBLE_EQ(DosDateTimeToDateTime(21 << 9 | 2 << 5 | 3, 4 << 11 | 5 << 5 | 3), February2001(6));
    // 29 February 2000, 23:59:58.
    EXPECT_DOUBLE_EQ(DosDateTimeToDateTime(20 << 9 | 2 << 5 | 29, 23 << 11 | 59 << 5 | 29),
                     36585.0 + 86398.0 / 86400.0);
}

TEST_F(CopyFiles, AStampHoldsNameSizeAndTimeInTwoSecondSteps)
{
    WriteFile(source, std::string(1234, 'x'));
    SetLocalTime(source, 2001, 2, 3, 4, 5, 7);
    FileStamp stamp;
    stamp.Name = "old";
    GetFileStamp(source, stamp);
    EXPECT_TRUE(stamp.Found);
    EXPECT_EQ(stamp.Name, "source.txt");
    EXPECT_EQ(stamp.Size, 1234);
    EXPECT_DOUBLE_EQ(stamp.Time, February2001(6)) << "seconds are rounded down to even";

    GetFileStamp(root + "\\missing.txt", stamp);
    EXPECT_FALSE(stamp.Found);
    EXPECT_EQ(stamp.Name, "");
    EXPECT_EQ(stamp.Size, 0);
    EXPECT_DOUBLE_EQ(stamp.Time, kDosEpochDateTime);
}

TEST_F(CopyFiles, AStampFindsHiddenFilesAndDirectories)
{
    WriteFile(source, "x");
    SetFileAttributesA(source.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
    FileStamp stamp;
    GetFileStamp(source, stamp);
    EXPECT_TRUE(stamp.Found);
    CreateDirectoryA((root + "\\sub").c_str(), nullptr);
    GetFileStamp(root + "\\sub", stamp);
    EXPECT_TRUE(stamp.Found);
    EXPECT_EQ(stamp.Name, "sub");
}

TEST_F(CopyFiles, ATimeBefore1980CountsAs1980)
{
    WriteFile(source, "x");
    SetLocalTime(source, 1975, 6, 1, 12, 0, 0);
    FileStamp stamp;
    GetFileStamp(source, stamp);
    EXPECT_TRUE(stamp.Found);
    EXPECT_DOUBLE_EQ(stamp.Time, kDosEpochDateTime);
}

TEST_F(CopyFiles, ANewerSourceReplacesTheTarget)
{
    WriteFile(source, "new content");
    WriteFile(target, "old");
    SetLocalTime(source, 2001, 2, 3, 4, 5, 8);
    SetLocalTime(target, 2001, 2, 3, 4, 5, 7);
    CopyIfNewer(source, target, code, message);
    ExpectDone();
    EXPECT_EQ(ReadFile(target), "new content");
}

TEST_F(CopyFiles, TimesWithinOneTwoSecondStepAreEqualAndNothingIsCopied)
{
    WriteFile(source, "new content");
    WriteFile(target, "old");
    SetLocalTime(source, 2001, 2, 3, 4, 5, 7);
    SetLocalTime(target, 2001, 2, 3, 4, 5, 6);
    CopyIfNewer(source, target, code, message);
    ExpectDone();
    EXPECT_EQ(ReadFile(target), "old");

    SetLocalTime(target, 2002, 1, 1, 0, 0, 0);
    CopyIfNewer(source, target, code, message);
    ExpectDone();
    EXPECT_EQ(ReadFile(target), "old") << "a later target is kept";
}

TEST_F(CopyFiles, AMissingTargetIsCopiedEvenFromASourceDated1January1980)
{
    WriteFile(source, "reproducible");
    SetLocalTime(source, 1980, 1, 1, 0, 0, 0);
    FileStamp stamp;
    GetFileStamp(source, stamp);
    ASSERT_DOUBLE_EQ(stamp.Time, kDosEpochDateTime);
    CopyIfNewer(source, target, code, message);
    ExpectDone();
    EXPECT_EQ(ReadFile(target), "reproducible");
}

TEST_F(CopyFiles, AMissingSourceIsNotCopiedOverAnyTarget)
{
    CopyIfNewer(root + "\\missing.txt", target, code, message);
    ExpectDone();
    EXPECT_FALSE(Exists(target));
}

TEST_F(CopyFiles, ThePlainFileIsCopiedByteForByte)
{
    std::mt19937 random(3);
    Bytes content(300'000);
    for (auto& byte : content)
        byte = static_cast<std::uint8_t>(random());
    content[0] = 'S';
    content[1] = 'Z';
    WriteFile(source, content);
    ExpandCopyFile(source, target, code, message);
    ExpectDone();
    EXPECT_EQ(ReadFile(target), AsText(content));

    WriteFile(source, "");
    ExpandCopyFile(source, target, code, message);
    ExpectDone();
    EXPECT_EQ(ReadFile(target), "") << "an empty file too";
}

TEST_F(CopyFiles, AnSzddFileIsExpandedToItsTarget)
{
    const Bytes original = SomeText(1'000'000);
    const std::string compressed = root + "\\program.dl_";
    const std::string expanded = root + "\\program.dll";
    WriteFile(compressed, SzddTestEncoder::Encode(original, 'l'));
    ExpandCopyFile(compressed, expanded, code, message);
    ExpectDone();
    EXPECT_TRUE(ReadFile(expanded) == AsText(original));
}

TEST_F(CopyFiles, TheTargetIsDatedAtTheCopyNotFromTheSource)
{
    WriteFile(source, "x");
    SetLocalTime(source, 2001, 2, 3, 4, 5, 8);
    ExpandCopyFile(source, target, code, message);
    ExpectDone();
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(target.c_str(), GetFileExInfoStandard, &data));
    const auto ticks = [](const FILETIME& time) {
        return static_cast<long long>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
    };
    const long long age = ticks(now) - ticks(data.ftLastWriteTime);
    EXPECT_LT(age, 60LL * 10'000'000) << "written within the last minute";
    EXPECT_GT(age, -60LL * 10'000'000);
}

TEST_F(CopyFiles, AMissingSourceCannotBeCopiedFrom)
{
    const std::string missing = root + "\\missing.txt";
    ExpandCopyFile(missing, target, code, message);
    EXPECT_EQ(code, kCopyNotOpened);
    EXPECT_EQ(message, "Can not copy file from:\r\n" + missing);
    EXPECT_FALSE(Exists(target));
}

TEST_F(CopyFiles, ATargetInAMissingDirectoryCannotBeCopiedTo)
{
    WriteFile(source, "x");
    const std::string inMissing = root + "\\missing\\target.txt";
    CopyIfNewer(source, inMissing, code, message);
    EXPECT_EQ(code, kCopyNotOpened);
    EXPECT_EQ(message, "Can not copy file to:\r\n" + inMissing);
    EXPECT_FALSE(Exists(root + "\\missing"));
}

TEST_F(CopyFiles, AReadOnlyTargetIsRefusedAndKept)
{
    WriteFile(source, "new content");
    WriteFile(target, "old");
    SetLocalTime(target, 1999, 1, 1, 0, 0, 0);
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
    CopyIfNewer(source, target, code, message);
    EXPECT_EQ(code, kCopyNotOpened);
    EXPECT_EQ(message, "Can not copy file to:\r\n" + target);
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_TRUE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(testfiles::Entries(root).size(), 2u) << "no temporary file is left";
}

TEST_F(CopyFiles, ADirectoryAtTheTargetIsRefused)
{
    WriteFile(source, "x");
    ASSERT_TRUE(CreateDirectoryA(target.c_str(), nullptr));
    ExpandCopyFile(source, target, code, message);
    EXPECT_EQ(code, kCopyNotOpened);
    EXPECT_EQ(message, "Can not copy file to:\r\n" + target);
    EXPECT_TRUE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(testfiles::Entries(root).size(), 2u);
}

TEST_F(CopyFiles, ATargetInUseIsRefusedAndKept)
{
    WriteFile(source, "new content");
    WriteFile(target, "old");
    HANDLE held = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ExpandCopyFile(source, target, code, message);
    CloseHandle(held);
    EXPECT_EQ(code, kCopyNotOpened);
    EXPECT_EQ(message, "Can not copy file to:\r\n" + target);
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(testfiles::Entries(root).size(), 2u);
}

TEST_F(CopyFiles, AFileCopiedOntoItselfIsLeftWhole)
{
    WriteFile(source, "only copy");
    ExpandCopyFile(source, source, code, message);
    EXPECT_EQ(code, kCopyNotOpened);
    EXPECT_EQ(ReadFile(source), "only copy");
}

TEST_F(CopyFiles, ACorruptSourceFailsAndTheOlderTargetStaysIntact)
{
    Bytes compressed = SzddTestEncoder::Encode(SomeText(200'000));
    const Bytes shortHeader(compressed.begin(), compressed.begin() + 11);
    Bytes badMode = compressed;
    badMode[8] = 'B';
    Bytes cut = compressed;
    cut.resize(cut.size() / 2);
    Bytes longer = compressed;
    longer[13] = 0x7F; // the header gives far more than the data holds
    for (const Bytes& corrupt : {shortHeader, badMode, cut, longer}) {
        WriteFile(source, corrupt);
        WriteFile(target, "the old version");
        SetLocalTime(target, 1999, 1, 1, 0, 0, 0);
        code = 99;
        message = "old text";
        CopyIfNewer(source, target, code, message);
        EXPECT_EQ(code, kCopyFailed);
        EXPECT_EQ(message, "Can not create file:\r\n" + target);
        EXPECT_EQ(ReadFile(target), "the old version");
        EXPECT_EQ(testfiles::Entries(root).size(), 2u) << "no temporary or partial file is left";
    }
}

TEST_F(CopyFiles, ACorruptSourceLeavesNoFileWhereThereWasNone)
{
    WriteFile(source, Bytes{'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A', 0, 5, 0, 0, 0, 0x01, 'a'});
    ExpandCopyFile(source, target, code, message);
    EXPECT_EQ(code, kCopyFailed);
    EXPECT_EQ(message, "Can not create file:\r\n" + target);
    EXPECT_EQ(testfiles::Entries(root).size(), 1u);
}

TEST_F(CopyFiles, PathsTooLongForThePlatformAreRefusedNeverCut)
{
    WriteFile(source, "x");
    // A directory whose path leaves exactly room for the temporary file's 12-character name.
    const std::size_t dirLength = kMaxCopyPathLength - 12 - 1; // the backslash before the name
    const std::string deep = root + "\\" + std::string(dirLength - root.size() - 1, 'd');
    ASSERT_EQ(deep.size(), dirLength);
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr)) << deep.size();

    const std::string fits = deep + "\\target12.txt";
    ASSERT_EQ(fits.size(), kMaxCopyPathLength);
    CopyIfNewer(source, fits, code, message);
    ExpectDone();
    EXPECT_EQ(ReadFile(fits), "x") << "259 characters are taken whole";

    const std::string tooLong = deep + "\\target123.txt";
    ASSERT_EQ(tooLong.size(), kMaxCopyPathLength + 1);
    CopyIfNewer(source, tooLong, code, message);
    EXPECT_EQ(code, kCopyNotOpened);
    EXPECT_EQ(message, "Can not copy file to:\r\n" + tooLong);
    EXPECT_EQ(testfiles::Entries(deep).size(), 1u) << "nothing is written under a cut name";

    // A short name in a directory too deep for the temporary file's name.
    const std::string deeper = deep + "x";
    ASSERT_TRUE(CreateDirectoryA(deeper.c_str(), nullptr));
    const std::string shortName = deeper + "\\t.txt";
    ASSERT_LE(shortName.size(), kMaxCopyPathLength);
    ExpandCopyFile(source, shortName, code, message);
    EXPECT_EQ(code, kCopyNotOpened);
    EXPECT_EQ(message, "Can not copy file to:\r\n" + shortName);
    EXPECT_TRUE(testfiles::Entries(deeper).empty());

    const std::string longSource = deep + "\\source123.txt";
    ExpandCopyFile(longSource, target, code, message);
    EXPECT_EQ(code, kCopyNotOpened);
    EXPECT_EQ(message, "Can not copy file from:\r\n" + longSource);
    code = 99;
    CopyIfNewer(longSource, target, code, message);
    EXPECT_EQ(code, kCopyNotOpened) << "a source too long to look up is refused, not skipped";
    EXPECT_FALSE(Exists(target));
}
