// Opening documents and starting command lines, on the private prefix's registry and processes. The tests
// write the file types they need under HKEY_CLASSES_ROOT and remove them again. Programs are started for
// real: a private copy of ArgsEcho.exe appends the command line it receives to ArgsEcho.out beside itself,
// so each test reads back exactly what was started, undisturbed by other test programs using ArgsEcho.
#include "services/VeskDocuments.h"
#include "services/VeskErrors.h"
#include "services/VeskFileAndShellUtil.h"
#include "services/VeskRegistry.h"
#include "services/VeskStringUtil.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

// The test file types: an extension with its type name, a type without open command, one whose open
// command key has no default value.
constexpr char kExtension[] = ".vesktest";
constexpr char kTypeName[] = "VeskTestFile";
constexpr char kTypeWithoutCommand[] = "VeskTestNoCommand";
constexpr char kTypeWithoutValue[] = "VeskTestNoValue";

void SetValue(const std::string& key, DWORD type, const void* data, DWORD size)
{
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(opened, nullptr, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(opened);
}

// Writes the default value of a key under HKEY_CLASSES_ROOT, creating the key and its parents.
void SetDefault(const std::string& key, const std::string& text)
{
    SetValue(key, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void CreateKey(const std::string& key)
{
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(opened);
}

// Registers the test extension with an open command.
void RegisterOpenCommand(const std::string& command)
{
    SetDefault(kExtension, kTypeName);
    SetDefault(std::string(kTypeName) + "\\shell\\open\\command", command);
}

// Removes a type's "shell\open\command" chain from the leaf up (a key with subkeys cannot be deleted).
void DeleteType(const std::string& type)
{
    for (const char* tail : {"\\shell\\open\\command", "\\shell\\open", "\\shell", ""})
        RegDeleteKeyA(HKEY_CLASSES_ROOT, (type + tail).c_str());
}

// The registry state every test leaves behind: no test types, and the root setting at its first value.
struct ClassesFixture : ::testing::Test {
    void TearDown() override
    {
        RegDeleteKeyA(HKEY_CLASSES_ROOT, kExtension);
        for (const char* type : {kTypeName, kTypeWithoutCommand, kTypeWithoutValue})
            DeleteType(type);
        RegistryRootKey = HKEY_CURRENT_USER;
    }
};

std::string TempDir()
{
    char buffer[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    return std::string(buffer, length);
}

// Adds a test's own directory with a copy of ArgsEcho.exe. The directory's name has capitals, so that a
// lower-cased command naming it shows whether the file system still finds the program.
struct EchoFixture : ClassesFixture {
    std::string Dir;  // the private directory, with a trailing backslash
    std::string Echo; // the copy of ArgsEcho.exe in it, as the file system spells it

    void SetUp() override
    {
        Dir = TempDir() + "VeskDocs-" + std::to_string(GetCurrentProcessId()) + "\\";
        Echo = Dir + "ArgsEcho.exe";
        CreateDirectoryA(Dir.c_str(), nullptr);
        DeleteFileA(OutPath().c_str());
        ASSERT_TRUE(CopyFileA((GetProgramDir() + "ArgsEcho.exe").c_str(), Echo.c_str(), FALSE))
            << "ArgsEcho.exe is built beside win_tests.exe";
    }

    void TearDown() override
    {
        // A started copy that has just written may still hold its file for a moment.
        for (int attempt = 0; attempt < 50; ++attempt) {
            DeleteFileA(OutPath().c_str());
            DeleteFileA(Echo.c_str());
            if (RemoveDirectoryA(Dir.c_str()))
                break;
            Sleep(100);
        }
        ClassesFixture::TearDown();
    }

    std::string OutPath() const { return Dir + "ArgsEcho.out"; }

    // The complete lines of ArgsEcho.out, without their line feeds; empty when the file is missing.
    std::vector<std::string> OutLines() const
    {
        std::vector<std::string> lines;
        const HANDLE file = CreateFileA(OutPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return lines;
        std::string text;
        char chunk[4096];
        DWORD read = 0;
        while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0)
            text.append(chunk, read);
        CloseHandle(file);
        for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }

    // Waits, up to ten seconds, until the started programs have written at least count lines.
    std::vector<std::string> WaitForLines(std::size_t count) const
    {
        std::vector<std::string> lines = OutLines();
        for (int waited = 0; lines.size() < count && waited < 10000; waited += 50) {
            Sleep(50);
            lines = OutLines();
        }
        return lines;
    }

    // Proves that the calls before it started nothing: a last start writes its line, and after a further
    // pause that line is still the only one. A program started earlier would have written by then.
    void ExpectOnlyTheSentinelStarted()
    {
        const std::string sentinel = Echo + " sentinel";
        RunCommandLine(sentinel);
        WaitForLines(1);
        Sleep(500);
        EXPECT_EQ(OutLines(), std::vector<std::string>{sentinel});
    }
};

// The message of the error a call raises; empty when it raises none.
template <typename Call>
std::string ErrorOf(Call call)
{
    try {
        call();
    } catch (const EVeskError& error) {
        return error.what();
    }
    return {};
}

std::string TooLong(const std::string& commandLine)
{
    return "CommandLine too long\r\n" + commandLine;
}

} // namespace

// --- Finding a file type's open command -------------------------------------------------------------------

using OpenDocumentAssociations = ClassesFixture;

TEST_F(OpenDocumentAssociations, ARegisteredTypeGivesItsOpenCommandLowerCased)
{
    RegisterOpenCommand("\"C:\\Program Files\\Vesk Viewer\\View.EXE\" /Open \"%1\"");
    std::string command = "untouched";
    EXPECT_TRUE(FindOpenCommand(kExtension, command));
    EXPECT_EQ(command, "\"c:\\program files\\vesk viewer\\view.exe\" /open \"%1\"")
        << "the whole stored command is lower-cased, its paths and switches too";
    EXPECT_EQ(RegistryRootKey, HKEY_CLASSES_ROOT) << "the root setting stays where the look-up put it";

    command.clear();
    EXPECT_TRUE(FindOpenCommand(".VeskTest", command)) << "registry key names are found in any case";
    EXPECT_EQ(command, "\"c:\\program files\\vesk viewer\\view.exe\" /open \"%1\"");
}

TEST_F(OpenDocumentAssociations, SystemRootInTheOpenCommandBecomesTheWindowsDirectory)
{
    RegisterOpenCommand("%SystemRoot%\\notepad.exe %1");
    std::string command;
    ASSERT_TRUE(FindOpenCommand(kExtension, command));
    EXPECT_EQ(command, GetWindowsDir() + "\\notepad.exe %1") << "the doubled separator stays";
}

TEST_F(OpenDocumentAssociations, AnUnregisteredExtensionHasNone)
{
    std::string command = "untouched";
    EXPECT_FALSE(FindOpenCommand(".vesknotregistered", command));
    EXPECT_FALSE(FindOpenCommand("", command)) << "the root's own default value is absent";
    EXPECT_EQ(command, "untouched");
}

TEST_F(OpenDocumentAssociations, ATypeWithoutAnOpenCommandHasNone)
{
    std::string command = "untouched";
    SetDefault(kExtension, "VeskTestNoSuchType");
    EXPECT_FALSE(FindOpenCommand(kExtension, command)) << "the type has no key at all";

    SetDefault(kExtension, kTypeWithoutCommand);
    SetDefault(std::string(kTypeWithoutCommand) + "\\shell\\print\\command", "print.exe %1");
    EXPECT_FALSE(FindOpenCommand(kExtension, command)) << "the type has other verbs only";

    SetDefault(kExtension, kTypeWithoutValue);
    CreateKey(std::string(kTypeWithoutValue) + "\\shell\\open\\command");
    EXPECT_FALSE(FindOpenCommand(kExtension, command)) << "the open command key has no default value";
    EXPECT_EQ(command, "untouched");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, (std::string(kTypeWithoutCommand) + "\\shell\\print\\command").c_str());
    RegDeleteKeyA(HKEY_CLASSES_ROOT, (std::string(kTypeWithoutCommand) + "\\shell\\print").c_str());
}

TEST_F(OpenDocumentAssociations, AValueOfAnotherTypeRaisesAnError)
{
    const DWORD number = 7;
    SetValue(kExtension, REG_DWORD, &number, sizeof number);
    std::string command = "untouched";
    EXPECT_THROW(FindOpenCommand(kExtension, command), EVeskError);
    EXPECT_EQ(command, "untouched");
}

// --- The extension of a document's path and the Windows directory in a command ----------------------------

TEST(OpenDocumentExtension, RunsFromTheLastFullStopOfTheLastNameToTheEnd)
{
    EXPECT_EQ(DocumentExtension("c:\\x\\readme.txt"), ".txt");
    EXPECT_EQ(DocumentExtension("c:\\x\\archive.tar.GZ"), ".GZ") << "only the last full stop counts; case kept";
    EXPECT_EQ(DocumentExtension("c:\\x.dir\\readme"), "") << "a full stop in a directory name is no extension";
    EXPECT_EQ(DocumentExtension("a:readme"), "");
    EXPECT_EQ(DocumentExtension("a:.profile"), ".profile");
    EXPECT_EQ(DocumentExtension("readme."), ".");
    EXPECT_EQ(DocumentExtension("setup"), "");
    EXPECT_EQ(DocumentExtension(""), "");
}

TEST(OpenDocumentSystemRoot, LowerCasesAndReplacesTheFirstPlaceholderOnly)
{
    EXPECT_EQ(ExpandSystemRoot("%SystemRoot%\\Notepad.EXE %SYSTEMROOT%\\x %WinDir% %Path%"),
              GetWindowsDir() + "\\notepad.exe %systemroot%\\x %windir% %path%");
    EXPECT_EQ(ExpandSystemRoot("C:\\Viewer\\VIEW.exe \xC4"), "c:\\viewer\\view.exe \xC4")
        << "letters above 127 keep their case";
    EXPECT_EQ(ExpandSystemRoot(""), "");
}

TEST(OpenDocumentSystemRoot, TheWindowsDirectoryKeepsThePlatformsSpelling)
{
    const std::string windows = GetWindowsDir();
    ASSERT_FALSE(windows.empty());
    EXPECT_EQ(ExpandSystemRoot("%systemroot%"), windows) << "not lower-cased, with its trailing backslash";
}

// --- Opening documents: what is started ---------------------------------------------------------------------

using OpenDocumentStarts = EchoFixture;

TEST_F(OpenDocumentStarts, TheAssociatedProgramGetsThePathInPlaceOfTheFirstPercentOne)
{
    // The registered command names the program in capitals; lower-cased, the case-insensitive file system
    // still finds it. The document keeps its own case and is inserted without quotes of its own.
    RegisterOpenCommand(Echo + " %1");
    const std::string document = Dir + "ReadMe.VeskTest";
    OpenDocument(document);
    EXPECT_EQ(WaitForLines(1), std::vector<std::string>{LowerAscii(Echo) + " " + document});
}

TEST_F(OpenDocumentStarts, QuotesAroundThePlaceholderStayAndLaterPlaceholdersAreLeft)
{
    RegisterOpenCommand("\"" + Echo + "\" \"%1\" %1 %L");
    const std::string document = Dir + "Read Me.VeskTest";
    OpenDocument(document);
    EXPECT_EQ(WaitForLines(1), std::vector<std::string>{"\"" + LowerAscii(Echo) + "\" \"" + document + "\" %1 %l"});
}

TEST_F(OpenDocumentStarts, ACommandWithoutPlaceholderGetsThePathQuotedAtItsEnd)
{
    RegisterOpenCommand(Echo);
    const std::string document = Dir + "Read Me.VeskTest";
    OpenDocument(document);
    EXPECT_EQ(WaitForLines(1), std::vector<std::string>{LowerAscii(Echo) + " \"" + document + "\""});
}

TEST_F(OpenDocumentStarts, AProgramOfAnUnregisteredTypeIsStartedItself)
{
    std::string command;
    ASSERT_FALSE(FindOpenCommand(".exe", command)) << "this prefix registers no open command for programs";
    OpenDocument(Echo);
    EXPECT_EQ(WaitForLines(1), std::vector<std::string>{Echo}) << "started by its own path, as written";
}

// --- The length of a started command line ---------------------------------------------------------------------

using OpenDocumentLength = EchoFixture;

TEST_F(OpenDocumentLength, ACommandLineOf250CharactersStartsAndOneOf251IsRefused)
{
    RegisterOpenCommand(Echo + " %1");
    const std::string program = LowerAscii(Echo) + " ";
    const std::string stem = Dir + "Doc";
    const std::string extension = ".VeskTest";
    ASSERT_LT(program.size() + stem.size() + extension.size(), 250u) << "the temporary directory is too deep";
    const std::string document250 = stem + std::string(250 - program.size() - stem.size() - extension.size(), 'x') + extension;
    const std::string document251 = stem + std::string(251 - program.size() - stem.size() - extension.size(), 'x') + extension;
    ASSERT_EQ((program + document250).size(), 250u);

    OpenDocument(document250);
    EXPECT_EQ(WaitForLines(1), std::vector<std::string>{program + document250});

    DeleteFileA(OutPath().c_str());
    EXPECT_EQ(ErrorOf([&] { OpenDocument(document251); }), TooLong(program + document251))
        << "the message is the first line, a line break and the whole command line";
    ExpectOnlyTheSentinelStarted();
}

TEST_F(OpenDocumentLength, TheLimitIsTheStartedLineNotThePath)
{
    // A short open command, a long path: the same limit applies to the line the two make together.
    RegisterOpenCommand(Echo);
    const std::string program = LowerAscii(Echo) + " \"";
    const std::string stem = Dir + "Doc";
    const std::string extension = ".VeskTest";
    const std::string document = stem + std::string(251 - program.size() - stem.size() - extension.size() - 1, 'x') + extension;
    ASSERT_EQ((program + document + "\"").size(), 251u);
    EXPECT_EQ(ErrorOf([&] { OpenDocument(document); }), TooLong(program + document + "\""));
    ExpectOnlyTheSentinelStarted();
}

using RunCommandLineLimits = EchoFixture;

TEST_F(RunCommandLineLimits, StartsALineOfAtMost250CharactersUnchanged)
{
    const std::string line250 = Echo + " " + std::string(250 - Echo.size() - 1, 'a');
    RunCommandLine(line250);
    EXPECT_EQ(WaitForLines(1), std::vector<std::string>{line250});

    DeleteFileA(OutPath().c_str());
    const std::string line251 = line250 + "b";
    EXPECT_EQ(ErrorOf([&] { RunCommandLine(line251); }), TooLong(line251));
    ExpectOnlyTheSentinelStarted();
}

TEST_F(RunCommandLineLimits, TheRunLimitAllows255Characters)
{
    const std::string line255 = Echo + " " + std::string(255 - Echo.size() - 1, 'a');
    RunCommandLine(line255, kRunCommandMaxLength);
    EXPECT_EQ(WaitForLines(1), std::vector<std::string>{line255});

    DeleteFileA(OutPath().c_str());
    EXPECT_EQ(ErrorOf([&] { RunCommandLine(line255 + "b", kRunCommandMaxLength); }), TooLong(line255 + "b"));
    ExpectOnlyTheSentinelStarted();
}

TEST_F(RunCommandLineLimits, ALineTheStartBufferCannotHoldIsRefusedNotStartedCutShort)
{
    // Whatever limit a caller asks for, the start call takes at most 255 characters and a terminating zero;
    // a longer line started cut short would run with other arguments than the line names.
    const std::string line256 = Echo + " " + std::string(256 - Echo.size() - 1, 'a');
    const std::string line400 = Echo + " " + std::string(400 - Echo.size() - 1, 'a');
    EXPECT_EQ(ErrorOf([&] { RunCommandLine(line256, 256); }), TooLong(line256));
    EXPECT_EQ(ErrorOf([&] { RunCommandLine(line400, 1000); }), TooLong(line400));
    ExpectOnlyTheSentinelStarted();
}

TEST_F(RunCommandLineLimits, ALineWithAZeroCharacterInsideIsRefusedNotStartedCutShort)
{
    // The start call would stop reading at the zero and start the program without the rest of its line.
    const std::string line = Echo + std::string(1, '\0') + " rest";
    EXPECT_THROW(RunCommandLine(line), EVeskError);
    EXPECT_THROW(RunCommandLine(line, kRunCommandMaxLength), EVeskError);
    ExpectOnlyTheSentinelStarted();
}

TEST_F(RunCommandLineLimits, AProgramThatCannotStartIsNotReported)
{
    EXPECT_NO_THROW(RunCommandLine(Dir + "NoSuchProgram.exe argument"));
    EXPECT_NO_THROW(RunCommandLine(""));
    ExpectOnlyTheSentinelStarted();
}
