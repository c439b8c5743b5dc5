// Directory creation and removal, the DOS attribute flags and the program look-up, on real directories in
// the private prefix's temporary directory.
#include "services/VeskDirectories.h"
#include "services/VeskErrors.h"

#include "win/TestFiles.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <winioctl.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

constexpr char kUnableToCreate[] = "Unable to create directory ";

std::string TempDir()
{
    char buffer[MAX_PATH];
    GetTempPathA(MAX_PATH, buffer);
    return buffer;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsDir(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsDirLink(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    constexpr DWORD kLink = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kLink) == kLink;
}

void WriteFile(const std::string& path, const std::string& text, DWORD attributes = FILE_ATTRIBUTE_NORMAL)
{
    std::ofstream(path, std::ios::binary) << text;
    SetFileAttributesA(path.c_str(), attributes);
}

std::string ReadFile(const std::string& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// A free drive letter, so that a path on it has no existing level at all; 0 when every letter is taken.
char FreeDriveLetter()
{
    const DWORD used = GetLogicalDrives();
    for (char letter = 'Y'; letter >= 'D'; --letter)
        if (!(used & (1u << (letter - 'A'))))
            return letter;
    return 0;
}

// Directories and files of one test, under one fresh directory that is removed afterwards.
struct Directories : ::testing::Test {
    std::string root = TempDir() + "vesk-dirs-test";
    std::int32_t code = 99;
    std::string message = "old text";

    void SetUp() override
    {
        testfiles::RemoveAll(root);
        ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr)) << root;
    }
    void TearDown() override { testfiles::RemoveAll(root); }

    std::string MakeDir(const std::string& relative)
    {
        const std::string path = root + "\\" + relative;
        CreateDirectoryA(path.c_str(), nullptr);
        return path;
    }
};

} // namespace

TEST_F(Directories, BlankPathCreatesNothingAndSucceeds)
{
    CreateDirTree(" \t ", code, message);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(message, "");
    CreateDirTree("", code, message);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(testfiles::Entries(root).size(), 0u);
}

TEST_F(Directories, AnExistingDirectoryIsTheAnchorAndSucceeds)
{
    CreateDirTree(root, code, message);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(message, "");
    CreateDirTree(root + "\\", code, message);
    EXPECT_EQ(code, 0) << "with a trailing backslash the path itself is still the first existing level";
    CreateDirTree("  " + root + "\t", code, message);
    EXPECT_EQ(code, 0) << "the path is trimmed";
    EXPECT_EQ(testfiles::Entries(root).size(), 0u);
}

TEST_F(Directories, AMissingLastLevelIsCreatedAndATrailingBackslashReportsItExists)
{
    MakeDir("a");
    CreateDirTree(root + "\\a\\b", code, message);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(message, "");
    EXPECT_TRUE(IsDir(root + "\\a\\b"));

    // With a trailing backslash the path and its form without one are two levels of the same directory: the
    // second sees the directory the first created.
    CreateDirTree(root + "\\a\\c\\", code, message);
    EXPECT_EQ(code, -3);
    EXPECT_EQ(message, "Directory already exists");
    EXPECT_TRUE(IsDir(root + "\\a\\c"));
}

TEST_F(Directories, SeveralMissingLevelsAreCreatedParentsFirst)
{
    const std::string path = root + "\\x\\y\\z";
    CreateDirTree(path, code, message);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(message, "");
    EXPECT_TRUE(IsDir(root + "\\x"));
    EXPECT_TRUE(IsDir(root + "\\x\\y"));
    EXPECT_TRUE(IsDir(path));
}

TEST_F(Directories, AnExistingFileCountsAsExistingAndNothingGrowsBelowIt)
{
    const std::string file = root + "\\file.txt";
    WriteFile(file, "data");

    CreateDirTree(file, code, message);
    EXPECT_EQ(code, -3);
    EXPECT_EQ(message, "Directory already exists");

    const std::string below = file + "\\sub\\deeper";
    CreateDirTree("  " + below + " ", code, message);
    EXPECT_EQ(code, -2);
    EXPECT_EQ(message, kUnableToCreate + below) << "the outcome is that of the path as passed, trimmed";
    EXPECT_FALSE(IsDir(file));
    EXPECT_EQ(ReadFile(file), "data");
}

TEST_F(Directories, APathOnADriveThatDoesNotExistIsNotCreated)
{
    const char letter = FreeDriveLetter();
    if (letter == 0)
        GTEST_SKIP() << "every drive letter from D to Y is in use";
    const std::string path = std::string(1, letter) + ":\\vesk\\sub";

    CreateDirTree(" " + path + " ", code, message);
    EXPECT_EQ(code, -2) << "no level can be anchored, so success would be a lie";
    EXPECT_EQ(message, kUnableToCreate + path);
    EXPECT_FALSE(Exists(path));
}

TEST_F(Directories, ALongPathFailsWithItsWholeTextInTheMessage)
{
    const std::string path = root + "\\" + std::string(300, 'l') + "\\leaf";
    CreateDirTree(path, code, message);
    EXPECT_EQ(code, -2);
    EXPECT_EQ(message, kUnableToCreate + path);
    EXPECT_EQ(testfiles::Entries(root).size(), 0u);
}

TEST_F(Directories, OneLevelIsCreatedOnlyWhereNothingOfThatNameExists)
{
    CreateOneDir(root + "\\one", code, message);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(message, "");
    EXPECT_TRUE(IsDir(root + "\\one"));

    CreateOneDir(root + "\\one", code, message);
    EXPECT_EQ(code, -3);
    EXPECT_EQ(message, "Directory already exists");

    CreateOneDir(root + "\\missing\\two", code, message);
    EXPECT_EQ(code, -2);
    EXPECT_EQ(message, kUnableToCreate + root + "\\missing\\two") << "one level only: the parent is not made";
    EXPECT_FALSE(Exists(root + "\\missing"));
}

TEST_F(Directories, DelTreeOfAMissingDirectoryReportsIt)
{
    EXPECT_FALSE(DelTree(root + "\\missing", message));
    EXPECT_EQ(message, "Directory does not exist");

    const std::string file = root + "\\file.txt";
    WriteFile(file, "data");
    message = "old text";
    EXPECT_FALSE(DelTree(file, message)) << "a file is not a directory";
    EXPECT_EQ(message, "Directory does not exist");
    EXPECT_EQ(ReadFile(file), "data");
}

TEST_F(Directories, DelTreeRemovesNestedDirectoriesAndFilesOfEveryAttribute)
{
    const std::string tree = MakeDir("tree");
    MakeDir("tree\\sub");
    MakeDir("tree\\sub\\deeper");
    MakeDir("tree\\empty");
    const std::string guarded = MakeDir("tree\\guarded");
    WriteFile(tree + "\\plain.txt", "p");
    WriteFile(tree + "\\readonly.txt", "r", FILE_ATTRIBUTE_READONLY);
    WriteFile(tree + "\\sub\\hidden.txt", "h", FILE_ATTRIBUTE_HIDDEN);
    WriteFile(tree + "\\sub\\deeper\\system.txt", "s", FILE_ATTRIBUTE_SYSTEM);
    WriteFile(tree + "\\sub\\deeper\\all.txt", "a",
              FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    WriteFile(guarded + "\\inside.txt", "i");
    SetFileAttributesA(guarded.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    const std::string sibling = MakeDir("sibling");
    WriteFile(sibling + "\\stays.txt", "x");

    EXPECT_TRUE(DelTree(tree, message));
    EXPECT_EQ(message, "");
    EXPECT_FALSE(Exists(tree));
    EXPECT_EQ(ReadFile(sibling + "\\stays.txt"), "x") << "only the named tree goes";
}

TEST_F(Directories, DelTreeRaisesAnIoErrorWhenTheDirectoryCannotBeRemoved)
{
    const std::string tree = MakeDir("busy");
    const std::string file = tree + "\\open.txt";
    WriteFile(file, "held");
    WriteFile(tree + "\\other.txt", "goes");
    // Held open without delete sharing, the file cannot be deleted, so its directory cannot be removed.
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    try {
        DelTree(tree, message);
        ADD_FAILURE() << "DelTree returned although its directory is still there";
    } catch (const EInOutError& error) {
        EXPECT_NE(error.ErrorCode, 0);
        EXPECT_EQ(std::string(error.what()), "I/O error " + std::to_string(error.ErrorCode));
    }
    CloseHandle(held);
    EXPECT_TRUE(Exists(file));
    EXPECT_FALSE(Exists(tree + "\\other.txt")) << "the rest was removed before the failure";
}

TEST_F(Directories, AttributeFlagsAreSetAndClearedWithoutTouchingOtherAttributes)
{
    constexpr DWORD kThree = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const std::string file = root + "\\flags.txt";
    WriteFile(file, "f");
    // Wine shows every file with the archive flag, whatever was set; the archive flag is checked where it stays.
    const bool archiveKept = !(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_ARCHIVE);
    SetFileAttributesA(file.c_str(), kThree | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    const DWORD before = GetFileAttributesA(file.c_str());
    ASSERT_EQ(before & kThree, kThree);
    const DWORD others = before & ~(kThree | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NORMAL);

    SetFileAttrFlags(file, false, false, false, false);
    const DWORD cleared = GetFileAttributesA(file.c_str());
    EXPECT_EQ(cleared & kThree, 0u);
    EXPECT_EQ(cleared & ~(FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NORMAL), others) << "other attributes stay";
    if (archiveKept) {
        EXPECT_EQ(cleared & FILE_ATTRIBUTE_ARCHIVE, 0u);
    }
    EXPECT_EQ(ReadFile(file), "f");

    SetFileAttrFlags(file, false, true, false, true);
    EXPECT_EQ(GetFileAttributesA(file.c_str()) & kThree, DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM});
    SetFileAttrFlags(file, true, false, true, false);
    EXPECT_EQ(GetFileAttributesA(file.c_str()) & kThree, DWORD{FILE_ATTRIBUTE_READONLY});
    EXPECT_TRUE(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_ARCHIVE);
    SetFileAttrFlags(file, false, false, false, false);

    const std::string dir = MakeDir("flagged");
    SetFileAttributesA(dir.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    SetFileAttrFlags(dir, false, false, false, false);
    EXPECT_EQ(GetFileAttributesA(dir.c_str()) & kThree, 0u);
    EXPECT_TRUE(IsDir(dir));

    SetFileAttrFlags(root + "\\missing.txt", true, true, true, true);
    EXPECT_FALSE(Exists(root + "\\missing.txt"));
}

TEST_F(Directories, AProgramIsFoundWithOrWithoutItsExtension)
{
    const std::string dir = MakeDir("prog");
    WriteFile(dir + "\\setup.exe", "MZ");
    WriteFile(dir + "\\tool.com", "c");
    WriteFile(dir + "\\batch.bat", "b");
    MakeDir("prog\\folder.exe");

    EXPECT_TRUE(ProgramFileExists(dir + "\\setup"));
    EXPECT_TRUE(ProgramFileExists(dir + "\\setup.exe"));
    EXPECT_TRUE(ProgramFileExists(dir + "\\tool"));
    EXPECT_TRUE(ProgramFileExists(dir + "\\batch"));
    EXPECT_FALSE(ProgramFileExists(dir + "\\setup.txt")) << "a name with an extension is taken as it is";
    EXPECT_FALSE(ProgramFileExists(dir + "\\missing"));
    EXPECT_FALSE(ProgramFileExists(dir + "\\folder")) << "a directory is no program";
}

TEST_F(Directories, AFullStopInADirectoryNameIsNoExtension)
{
    const std::string dir = MakeDir("x.y");
    WriteFile(dir + "\\setup.bat", "b");
    WriteFile(root + "\\x.y\\.profile.exe", "e");

    EXPECT_TRUE(ProgramFileExists(dir + "\\setup"));
    EXPECT_FALSE(ProgramFileExists(dir + "\\.profile")) << "a leading full stop after the backslash starts one";
}

namespace {

// A handle closed on every path.
struct OwnedHandle {
    HANDLE handle;
    explicit OwnedHandle(HANDLE opened) : handle(opened) {}
    ~OwnedHandle()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
};

// A symbolic link to a directory, through the call the project's headers for older systems do not declare.
bool MakeSymbolicLink(const std::string& link, const std::string& target)
{
    using CreateSymbolicLinkFn = BOOLEAN(WINAPI*)(LPCSTR, LPCSTR, DWORD);
    constexpr DWORD kDirectoryLink = 1;
    const auto create = reinterpret_cast<CreateSymbolicLinkFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateSymbolicLinkA")));
    return create && create(link.c_str(), target.c_str(), kDirectoryLink) && IsDirLink(link);
}

// A junction: an empty directory given a mount-point reparse point that names the target.
bool MakeJunction(const std::string& link, const std::string& target)
{
    if (!CreateDirectoryA(link.c_str(), nullptr))
        return false;
    const std::string substitute = "\\??\\" + target;
    std::vector<WCHAR> names(substitute.size() + target.size() + 2);
    MultiByteToWideChar(CP_ACP, 0, substitute.c_str(), -1, names.data(), static_cast<int>(substitute.size() + 1));
    MultiByteToWideChar(CP_ACP, 0, target.c_str(), -1, names.data() + substitute.size() + 1,
                        static_cast<int>(target.size() + 1));
    // The mount-point layout: tag, data length, reserved; then the offsets and lengths of both names in bytes.
    const WORD substituteBytes = static_cast<WORD>(substitute.size() * sizeof(WCHAR));
    const WORD printBytes = static_cast<WORD>(target.size() * sizeof(WCHAR));
    const WORD nameFields[4] = {0, substituteBytes, static_cast<WORD>(substituteBytes + sizeof(WCHAR)), printBytes};
    const WORD dataBytes = static_cast<WORD>(sizeof nameFields + names.size() * sizeof(WCHAR));
    std::vector<BYTE> buffer(8 + dataBytes);
    const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
    std::memcpy(buffer.data(), &tag, 4);
    std::memcpy(buffer.data() + 4, &dataBytes, 2);
    std::memcpy(buffer.data() + 8, nameFields, sizeof nameFields);
    std::memcpy(buffer.data() + 16, names.data(), names.size() * sizeof(WCHAR));

    bool made = false;
    {
        const OwnedHandle dir(CreateFileA(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                          FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        DWORD returned = 0;
        made = dir.handle != INVALID_HANDLE_VALUE &&
               DeviceIoControl(dir.handle, FSCTL_SET_REPARSE_POINT, buffer.data(), static_cast<DWORD>(buffer.size()),
                               nullptr, 0, &returned, nullptr) &&
               IsDirLink(link);
    }
    if (!made)
        RemoveDirectoryA(link.c_str());
    return made;
}

// Wine runs a host program handed to CreateProcess; its exported helpers translate between the two kinds of
// path. Under Wine 8 neither a symbolic link nor a junction can be made from Windows code, but a host
// symbolic link to a directory is listed as a directory carrying the reparse-point attribute.
bool IsWine()
{
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

std::string HostPath(const std::string& path)
{
    using UnixNameFn = char*(CDECL*)(LPCWSTR);
    const auto toUnix = reinterpret_cast<UnixNameFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    std::vector<WCHAR> wide(path.size() + 1);
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    char* unixName = toUnix ? toUnix(wide.data()) : nullptr;
    const std::string result = unixName ? unixName : "";
    HeapFree(GetProcessHeap(), 0, unixName);
    return result;
}

// Starts a host command and waits until the path reaches the wanted state: the host process's exit code does
// not reach the Windows side.
bool RunOnHost(std::string commandLine, const std::string& path, bool shouldExist)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    const OwnedHandle processHandle(process.hProcess ? process.hProcess : INVALID_HANDLE_VALUE);
    const OwnedHandle threadHandle(process.hThread ? process.hThread : INVALID_HANDLE_VALUE);
    for (int waited = 0; waited < 5000 && Exists(path) != shouldExist; waited += 20)
        Sleep(20);
    return Exists(path) == shouldExist;
}

bool MakeHostLink(const std::string& link, const std::string& target)
{
    if (!IsWine())
        return false;
    const std::string hostLink = HostPath(link);
    const std::string hostTarget = HostPath(target);
    if (hostLink.empty() || hostTarget.empty())
        return false;
    return RunOnHost("/bin/ln -s \"" + hostTarget + "\" \"" + hostLink + "\"", link, true) && IsDirLink(link);
}

bool RemoveHostLink(const std::string& link)
{
    const std::string hostLink = HostPath(link);
    return !hostLink.empty() && RunOnHost("/bin/rm -f \"" + hostLink + "\"", link, false);
}

// A tree holding a link to a directory outside it, whose files must survive the tree's removal.
struct DelTreeLinks : Directories {
    std::string outside;
    std::string tree;
    std::vector<std::string> hostLinks; // removed by the host again: Wine 8 cannot remove them

    void SetUp() override
    {
        Directories::SetUp();
        outside = MakeDir("outside");
        MakeDir("outside\\inner");
        WriteFile(outside + "\\keep.txt", "keep");
        WriteFile(outside + "\\inner\\deep.txt", "deep", FILE_ATTRIBUTE_READONLY);
        tree = MakeDir("tree");
        MakeDir("tree\\sub");
        for (const char* name : {"a.txt", "m.txt", "z.txt"}) // listed before and after the link
            WriteFile(tree + "\\sub\\" + name, "goes");
    }
    void TearDown() override
    {
        for (const std::string& link : hostLinks)
            RemoveHostLink(link);
        Directories::TearDown();
    }

    // How the link was made, or an empty text when this platform can make none.
    std::string MakeLink(const std::string& link)
    {
        if (MakeSymbolicLink(link, outside))
            return "symbolic link";
        if (MakeJunction(link, outside))
            return "junction";
        if (MakeHostLink(link, outside)) {
            hostLinks.push_back(link);
            return "host symbolic link";
        }
        return {};
    }

    void ExpectOutsideUntouched()
    {
        EXPECT_EQ(ReadFile(outside + "\\keep.txt"), "keep");
        EXPECT_EQ(ReadFile(outside + "\\inner\\deep.txt"), "deep");
        EXPECT_EQ(testfiles::Entries(outside).size(), 2u);
        EXPECT_EQ(GetFileAttributesA((outside + "\\inner\\deep.txt").c_str()) & FILE_ATTRIBUTE_READONLY,
                  DWORD{FILE_ATTRIBUTE_READONLY});
    }

    // Removes a link on its own, as DelTree does, and tells whether this platform leaves the target alone.
    // Wine 8 resolves the link first: it refuses for a target with files and removes an empty target instead.
    bool PlatformRemovesLinksAlone()
    {
        const std::string probeTarget = MakeDir("probe-target");
        WriteFile(probeTarget + "\\probe.txt", "p");
        const std::string probeLink = root + "\\probe-link";
        const std::string kind = MakeLink(probeLink);
        const bool removed = !kind.empty() && RemoveDirectoryA(probeLink.c_str()) && !Exists(probeLink);
        return removed && ReadFile(probeTarget + "\\probe.txt") == "p";
    }
};

} // namespace

TEST_F(DelTreeLinks, ALinkToADirectoryIsNeverFollowed)
{
    const std::string link = tree + "\\sub\\link";
    const std::string kind = MakeLink(link);
    if (kind.empty())
        GTEST_SKIP() << "this platform makes neither a symbolic link nor a junction to a directory";
    ASSERT_EQ(ReadFile(link + "\\keep.txt"), "keep") << "the " << kind << " leads to the outside directory";

    bool removed = false;
    try {
        removed = DelTree(tree, message);
    } catch (const EInOutError& error) {
        // Where the link cannot be removed on its own, the failure is reported by the removal of its
        // directory, after everything else in that directory is gone.
        EXPECT_TRUE(IsDirLink(link)) << error.what();
        EXPECT_EQ(testfiles::Entries(tree + "\\sub").size(), 1u) << "only the link stays";
    }
    ExpectOutsideUntouched();
    EXPECT_EQ(removed, !Exists(tree)) << "the " << kind << " was removed or reported";
}

TEST_F(DelTreeLinks, ALinkNamedDirectlyLosesOnlyTheLink)
{
    const std::string link = root + "\\direct";
    const std::string kind = MakeLink(link);
    if (kind.empty())
        GTEST_SKIP() << "this platform makes neither a symbolic link nor a junction to a directory";

    bool removed = false;
    try {
        removed = DelTree(link, message);
    } catch (const EInOutError& error) {
        EXPECT_TRUE(IsDirLink(link)) << error.what();
    }
    ExpectOutsideUntouched();
    EXPECT_EQ(removed, !Exists(link)) << "the " << kind << " was removed or reported";
}

TEST_F(DelTreeLinks, TheLinkItselfGoesWithTheTree)
{
    if (!PlatformRemovesLinksAlone())
        GTEST_SKIP() << "this platform cannot remove a link to a directory without resolving it (Wine 8 refuses "
                        "for a target with files); the tests above show that the target is left alone";
    const std::string link = tree + "\\sub\\link";
    ASSERT_FALSE(MakeLink(link).empty());

    EXPECT_TRUE(DelTree(tree, message));
    EXPECT_FALSE(Exists(tree));
    ExpectOutsideUntouched();
}
