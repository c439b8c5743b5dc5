// The shell-folder object and the program group list on the private prefix: the current user's "Shell
// Folders" values are set as each test needs and put back exactly afterwards; shortcuts are written into a
// test directory and read back through the shell's link object. (tests/lnk reads them with lnkinfo.)
#include "services/ComLibrary.h"
#include "services/ComPtr.h"
#include "services/MVesk_Shell.h"
#include "services/ProgramGroups.h"
#include "services/VeskErrors.h"
#include "win/DialogSteps.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using dialogtest::RemoveTree;
using dialogtest::Steps;
using dialogtest::TempTestDir;
using dialogtest::ThreadMessageBox;

namespace {

constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// One value of the current user's "Shell Folders" as it was when the guard was made, put back exactly (type
// and bytes, or its absence, and the key's absence) when the guard ends, whatever the test did meanwhile.
class SavedFolderValue {
public:
    explicit SavedFolderValue(std::string name) : name_(std::move(name))
    {
        RegistryKey key;
        keyExisted_ = key.Open(HKEY_CURRENT_USER, kShellFolders, KEY_READ) == ERROR_SUCCESS;
        if (!keyExisted_)
            return;
        DWORD size = 0;
        if (RegQueryValueExA(key.Get(), name_.c_str(), nullptr, &type_, nullptr, &size) != ERROR_SUCCESS)
            return;
        data_.resize(size);
        existed_ = RegQueryValueExA(key.Get(), name_.c_str(), nullptr, &type_, data_.data(), &size) == ERROR_SUCCESS;
        data_.resize(size);
    }
    ~SavedFolderValue()
    {
        if (!keyExisted_) {
            RegDeleteKeyA(HKEY_CURRENT_USER, kShellFolders);
            return;
        }
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_WRITE, &key) != ERROR_SUCCESS)
            return;
        if (existed_)
            RegSetValueExA(key, name_.c_str(), 0, type_, data_.data(), static_cast<DWORD>(data_.size()));
        else
            RegDeleteValueA(key, name_.c_str());
        RegCloseKey(key);
    }
    SavedFolderValue(const SavedFolderValue&) = delete;
    SavedFolderValue& operator=(const SavedFolderValue&) = delete;

    void Set(const std::string& text, DWORD type = REG_SZ) const
    {
        Write(type, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
    void SetNumber(DWORD number) const { Write(REG_DWORD, &number, sizeof number); }
    void Remove() const
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_WRITE, &key) != ERROR_SUCCESS)
            return;
        RegDeleteValueA(key, name_.c_str());
        RegCloseKey(key);
    }

    bool Existed() const { return existed_; }
    DWORD Type() const { return type_; }
    const std::vector<BYTE>& Data() const { return data_; }

private:
    void Write(DWORD type, const void* data, DWORD size) const
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, name_.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    std::string name_;
    bool keyExisted_ = false;
    bool existed_ = false;
    DWORD type_ = REG_NONE;
    std::vector<BYTE> data_;
};

// The four folder values that the shell-folder object reads, saved together.
struct SavedFolders {
    SavedFolderValue programs{"Programs"};
    SavedFolderValue startMenu{"Start Menu"};
    SavedFolderValue desktop{"Desktop"};
    SavedFolderValue startup{"Startup"};
};

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsDir(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void MakeFile(const std::string& path)
{
    std::ofstream(path, std::ios::binary) << "MZ";
}

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

// What a shortcut file holds, read back through the shell's link object.
struct LinkSeen {
    bool loaded = false;
    std::string path, arguments, workingDir, description, iconLocation;
    int iconIndex = -1;
    WORD hotkey = 0xFFFF;
    int showCmd = -1;
};

void ReadFields(IShellLinkA& link, LinkSeen& seen)
{
    char text[MAX_PATH * 2] = {};
    if (SUCCEEDED(link.GetPath(text, sizeof text, nullptr, SLGP_RAWPATH)))
        seen.path = text;
    text[0] = '\0';
    if (SUCCEEDED(link.GetArguments(text, sizeof text)))
        seen.arguments = text;
    text[0] = '\0';
    if (SUCCEEDED(link.GetWorkingDirectory(text, sizeof text)))
        seen.workingDir = text;
    text[0] = '\0';
    if (SUCCEEDED(link.GetDescription(text, sizeof text)))
        seen.description = text;
    text[0] = '\0';
    if (SUCCEEDED(link.GetIconLocation(text, sizeof text, &seen.iconIndex)))
        seen.iconLocation = text;
    link.GetHotkey(&seen.hotkey);
    link.GetShowCmd(&seen.showCmd);
}

// The shortcut file, loaded into a new link object; "loaded" is false when it cannot be read.
LinkSeen ReadLink(const std::string& file)
{
    LinkSeen seen;
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.PutVoid())))
        return seen;
    ComPtr<IPersistFile> persist;
    if (FAILED(link->QueryInterface(IID_IPersistFile, persist.PutVoid())) ||
        FAILED(persist->Load(Wide(file).c_str(), STGM_READ)))
        return seen;
    seen.loaded = true;
    ReadFields(*link.Get(), seen);
    return seen;
}

// What a new link object holds before anything is set: the defaults that a shortcut keeps.
LinkSeen NewLinkDefaults()
{
    LinkSeen seen;
    ComPtr<IShellLinkA> link;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.PutVoid())))
        ReadFields(*link.Get(), seen);
    return seen;
}

// The error text raised for a failure code.
std::string SystemText(HRESULT code)
{
    try {
        RaiseComError(code);
    } catch (const EVeskError& error) {
        return error.what();
    }
    return "";
}

std::vector<std::string> Sorted(std::vector<std::string> list)
{
    std::sort(list.begin(), list.end());
    return list;
}

// A test directory of its own, fresh for each test, with the component library started as WinMain does.
struct ShellTest : ::testing::Test {
    ComLibrary com;
    std::string root = TempTestDir("vesk-shell-test");

    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(com.Result()));
        RemoveTree(root);
        ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr)) << root;
    }
    void TearDown() override { RemoveTree(root); }

    std::string MakeDir(const std::string& relative) const
    {
        const std::string path = root + "\\" + relative;
        CreateDirectoryA(path.c_str(), nullptr);
        return path;
    }
    std::string MakeTarget(const std::string& relative) const
    {
        const std::string path = root + "\\" + relative;
        MakeFile(path);
        return path;
    }
};

using ShellFolders = ShellTest;
using ShellGroups = ShellTest;
using ShellLinks = ShellTest;
using ShellProgramGroups = ShellTest;

} // namespace

// ---- The folders read at construction

TEST_F(ShellFolders, TheFourFoldersAreReadOnceAsStored)
{
    std::optional<TVesk_Shell> shell;
    {
        const SavedFolders saved;
        saved.programs.Set("C:\\Vesk Test\\Programs");
        saved.startMenu.Set("C:\\Vesk Test\\Start Menu\\");
        saved.desktop.Set("%USERPROFILE%\\Vesk Desktop", REG_EXPAND_SZ);
        saved.startup.Set(" C:\\Vesk Test\\Startup ");
        shell.emplace();
        saved.programs.Set("C:\\Elsewhere");
        EXPECT_EQ(GetProgramsDir(), "C:\\Elsewhere") << "the group list reads the value afresh";
    }
    EXPECT_EQ(shell->ProgramsDir, "C:\\Vesk Test\\Programs") << "no backslash added, read only once";
    EXPECT_EQ(shell->StartMenuDir, "C:\\Vesk Test\\Start Menu\\");
    EXPECT_EQ(shell->DesktopDir, "%USERPROFILE%\\Vesk Desktop") << "nothing expanded";
    EXPECT_EQ(shell->StartupDir, " C:\\Vesk Test\\Startup ") << "nothing trimmed";
    EXPECT_EQ(shell->WorkingDir, "");
    EXPECT_EQ(shell->LinkDir, "");

    const IVeskShell& seen = *shell;
    EXPECT_EQ(seen.ProgramsFolder(), shell->ProgramsDir);
    EXPECT_EQ(seen.StartMenuFolder(), shell->StartMenuDir);
    EXPECT_EQ(seen.DesktopFolder(), shell->DesktopDir);
    EXPECT_EQ(seen.StartupFolder(), shell->StartupDir);
    shell->SetWorkingDir("c:\\work");
    EXPECT_EQ(shell->WorkingDir, "c:\\work");
}

TEST_F(ShellFolders, AMissingProgramsValueGivesTheEmptyFolder)
{
    std::optional<TVesk_Shell> shell;
    std::string programs = "before";
    {
        const SavedFolders saved;
        saved.programs.Remove();
        saved.desktop.Set("C:\\Vesk Desktop");
        shell.emplace();
        programs = GetProgramsDir();
    }
    EXPECT_EQ(shell->ProgramsDir, "");
    EXPECT_EQ(shell->DesktopDir, "C:\\Vesk Desktop") << "the other values are still read";
    EXPECT_EQ(programs, "");
}

TEST_F(ShellFolders, AValueThatIsNotTextRaisesAnError)
{
    const SavedFolders saved;
    saved.startup.SetNumber(7);
    try {
        TVesk_Shell shell;
        ADD_FAILURE() << "no error raised";
    } catch (const EVeskError& error) {
        EXPECT_STREQ(error.what(), "Invalid data type for 'Startup'");
    }
}

TEST_F(ShellFolders, TheGuardPutsTheValuesBackExactly)
{
    const SavedFolderValue before("Programs");
    {
        const SavedFolderValue changed("Programs");
        changed.Set("C:\\Changed", REG_EXPAND_SZ);
    }
    const SavedFolderValue after("Programs");
    EXPECT_EQ(after.Existed(), before.Existed());
    EXPECT_EQ(after.Type(), before.Type());
    EXPECT_EQ(after.Data(), before.Data());
    {
        const SavedFolderValue missing("Vesk Test Value");
        missing.Set("x");
    }
    EXPECT_FALSE(SavedFolderValue("Vesk Test Value").Existed()) << "a value that was missing is removed again";
}

// ---- Path rules

TEST(ShellPaths, AddBackslashAppendsOneUnlessPresentAndTrimsNothing)
{
    EXPECT_EQ(TVesk_Shell::AddBackslash(""), "");
    EXPECT_EQ(TVesk_Shell::AddBackslash("c:\\start menu"), "c:\\start menu\\");
    EXPECT_EQ(TVesk_Shell::AddBackslash("c:\\start menu\\"), "c:\\start menu\\");
    EXPECT_EQ(TVesk_Shell::AddBackslash("c:\\"), "c:\\");
    EXPECT_EQ(TVesk_Shell::AddBackslash("   "), "   \\") << "unlike the directory rule, blanks stay";
    EXPECT_EQ(TVesk_Shell::AddBackslash("c:\\a "), "c:\\a \\");
    EXPECT_EQ(TVesk_Shell::AddBackslash("c:/a/"), "c:/a/\\") << "only a backslash counts";
}

TEST_F(ShellLinks, SelectLinkDirJoinsFolderAndSubfolderWithoutTouchingTheDisk)
{
    TVesk_Shell shell;
    shell.SelectLinkDir(root + "\\Start", "My Tools");
    EXPECT_EQ(shell.LinkDir, root + "\\Start\\My Tools");
    EXPECT_FALSE(Exists(root + "\\Start")) << "nothing is created";
    shell.SelectLinkDir(root + "\\Startup\\", "");
    EXPECT_EQ(shell.LinkDir, root + "\\Startup\\");
    shell.SelectLinkDir(root + "\\Startup", "");
    EXPECT_EQ(shell.LinkDir, root + "\\Startup\\") << "an empty subfolder leaves the folder with a backslash";
    shell.SelectLinkDir("", "My Tools");
    EXPECT_EQ(shell.LinkDir, "My Tools") << "an empty folder leaves the subfolder alone";
    shell.SelectLinkDir("", "");
    EXPECT_EQ(shell.LinkDir, "");
}

// ---- Program group folders

TEST_F(ShellGroups, MakesTheGroupBelowAnExistingBaseAndAcceptsOneThatExists)
{
    const std::string programs = MakeDir("Programs");
    TVesk_Shell shell;
    shell.CreateProgramGroup(programs, "My Tools");
    EXPECT_TRUE(IsDir(programs + "\\My Tools"));
    MakeFile(programs + "\\My Tools\\kept.txt");
    shell.CreateProgramGroup(programs + "\\", "My Tools");
    EXPECT_TRUE(Exists(programs + "\\My Tools\\kept.txt")) << "an existing group is left as it is";
    shell.CreateProgramGroup(programs + "\\", "Games (old)");
    EXPECT_TRUE(IsDir(programs + "\\Games (old)"));
}

TEST_F(ShellGroups, MakesOneLevelOnlyAndNothingBelowAMissingBase)
{
    const std::string programs = MakeDir("Programs");
    TVesk_Shell shell;
    shell.CreateProgramGroup(programs, "A\\B");
    EXPECT_FALSE(Exists(programs + "\\A")) << "missing parent levels are not made";
    shell.CreateProgramGroup(root + "\\Missing", "Group");
    EXPECT_FALSE(Exists(root + "\\Missing"));
    MakeFile(root + "\\plain.txt");
    shell.CreateProgramGroup(root + "\\plain.txt", "Group");
    EXPECT_FALSE(Exists(root + "\\plain.txt\\Group")) << "a file is no base";
    shell.CreateProgramGroup(programs, "bad*name?");
    EXPECT_FALSE(Exists(programs + "\\bad*name?"));
}

TEST_F(ShellGroups, AnEmptyBaseMakesNothingInTheCurrentDirectory)
{
    char saved[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, saved);
    ASSERT_TRUE(SetCurrentDirectoryA(root.c_str()));
    TVesk_Shell shell;
    shell.CreateProgramGroup("", "Vesk Group");
    const bool made = Exists(root + "\\Vesk Group");
    SetCurrentDirectoryA(saved);
    EXPECT_FALSE(made);
}

// ---- Shortcuts

TEST_F(ShellLinks, AShortcutGetsArgumentsTargetAndWorkingDirectoryAndNothingElse)
{
    const std::string target = MakeTarget("tool.exe");
    const std::string group = MakeDir("Group");
    TVesk_Shell shell;
    shell.SelectLinkDir(root, "Group");
    shell.SetWorkingDir(root);
    shell.CreateShortcut("Example Tool", target, "--mode \"two words\" /q");
    const LinkSeen seen = ReadLink(group + "\\Example Tool.lnk");
    ASSERT_TRUE(seen.loaded);
    EXPECT_EQ(seen.path, target);
    EXPECT_EQ(seen.arguments, "--mode \"two words\" /q");
    EXPECT_EQ(seen.workingDir, root);
    const LinkSeen defaults = NewLinkDefaults();
    EXPECT_EQ(seen.description, "");
    EXPECT_EQ(seen.description, defaults.description);
    EXPECT_EQ(seen.iconLocation, defaults.iconLocation);
    EXPECT_EQ(seen.iconIndex, defaults.iconIndex);
    EXPECT_EQ(seen.hotkey, defaults.hotkey);
    EXPECT_EQ(seen.showCmd, defaults.showCmd);
}

TEST_F(ShellLinks, TheWorkingDirectoryIsTheOneSetBeforeEachShortcut)
{
    const std::string first = MakeTarget("first.exe");
    const std::string second = MakeTarget("second.exe");
    const std::string links = MakeDir("Links");
    TVesk_Shell shell;
    shell.SelectLinkDir(links, "");
    shell.SetWorkingDir(root + "\\Links");
    shell.CreateShortcut("First", first, "");
    shell.SetWorkingDir("");
    shell.CreateShortcut("Second", second, "");
    const LinkSeen one = ReadLink(links + "\\First.lnk");
    const LinkSeen two = ReadLink(links + "\\Second.lnk");
    ASSERT_TRUE(one.loaded);
    ASSERT_TRUE(two.loaded);
    EXPECT_EQ(one.workingDir, links);
    EXPECT_EQ(one.arguments, "");
    EXPECT_EQ(two.workingDir, "");
    EXPECT_EQ(two.path, second);
}

TEST_F(ShellLinks, TheStartupFolderWithAnEmptySubfolderTakesTheShortcutDirectly)
{
    const std::string target = MakeTarget("tool.exe");
    const std::string startup = MakeDir("Startup");
    TVesk_Shell shell;
    shell.SelectLinkDir(startup, "");
    shell.CreateShortcut("Tool", target, "");
    EXPECT_TRUE(Exists(startup + "\\Tool.lnk"));
    EXPECT_TRUE(ReadLink(startup + "\\Tool.lnk").loaded);
}

TEST_F(ShellLinks, NoFileForAMissingTargetADirectoryOrAWildcard)
{
    const std::string links = MakeDir("Links");
    MakeTarget("tool.exe");
    TVesk_Shell shell;
    shell.SelectLinkDir(links, "");
    shell.CreateShortcut("Missing", root + "\\missing.exe", "");
    shell.CreateShortcut("Directory", links, "");
    shell.CreateShortcut("Wildcard", root + "\\tool*.exe", "");
    shell.CreateShortcut("Empty", "", "");
    EXPECT_FALSE(Exists(links + "\\Missing.lnk"));
    EXPECT_FALSE(Exists(links + "\\Directory.lnk"));
    EXPECT_FALSE(Exists(links + "\\Wildcard.lnk"));
    EXPECT_FALSE(Exists(links + "\\Empty.lnk"));
}

TEST_F(ShellLinks, AShortcutThatCannotBeSavedIsLeftOutSilently)
{
    const std::string target = MakeTarget("tool.exe");
    TVesk_Shell shell;
    shell.SelectLinkDir(root, "Missing Group");
    EXPECT_NO_THROW(shell.CreateShortcut("Tool", target, ""));
    EXPECT_FALSE(Exists(root + "\\Missing Group"));
    shell.SelectLinkDir(root, "");
    EXPECT_NO_THROW(shell.CreateShortcut("bad|name", target, ""));
    EXPECT_FALSE(Exists(root + "\\bad|name.lnk"));
}

TEST_F(ShellLinks, WithoutTheComponentLibraryTheLinkObjectCannotBeMadeAndAnErrorIsRaised)
{
    const std::string target = MakeTarget("tool.exe");
    const std::string links = MakeDir("Links");
    std::string raised;
    // A thread of its own, on which the component library was never started.
    std::thread([&] {
        TVesk_Shell shell;
        shell.SelectLinkDir(links, "");
        try {
            shell.CreateShortcut("Tool", target, "");
        } catch (const EVeskError& error) {
            raised = error.what();
        }
    }).join();
    EXPECT_EQ(raised, SystemText(CO_E_NOTINITIALIZED)) << "an error carrying the system's text for the failure";
    EXPECT_FALSE(Exists(links + "\\Tool.lnk"));
}

// ---- The link object's calls, on a stand-in object

namespace {

// A link object that notes every call made on it and counts its references; each of its two interfaces can
// be withheld.
class FakeLink final : public IShellLinkA, public IPersistFile {
public:
    bool offersLink = true;
    bool offersFile = true;
    LONG references = 1;
    std::vector<std::string> calls;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** answer) override
    {
        *answer = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || (offersLink && IsEqualIID(iid, IID_IShellLinkA)))
            *answer = static_cast<IShellLinkA*>(this);
        else if (offersFile && IsEqualIID(iid, IID_IPersistFile))
            *answer = static_cast<IPersistFile*>(this);
        if (!*answer)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--references); }

    HRESULT STDMETHODCALLTYPE SetArguments(LPCSTR text) override { return Note("SetArguments", text); }
    HRESULT STDMETHODCALLTYPE SetPath(LPCSTR text) override { return Note("SetPath", text); }
    HRESULT STDMETHODCALLTYPE SetWorkingDirectory(LPCSTR text) override { return Note("SetWorkingDirectory", text); }
    HRESULT STDMETHODCALLTYPE Save(LPCOLESTR name, BOOL remember) override
    {
        std::string narrow;
        for (const wchar_t* c = name; *c; ++c)
            narrow += static_cast<char>(*c);
        calls.push_back("Save " + narrow + (remember ? " TRUE" : " FALSE"));
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetPath(LPSTR, int, WIN32_FIND_DATAA*, DWORD) override { return Note("GetPath"); }
    HRESULT STDMETHODCALLTYPE GetIDList(PIDLIST_ABSOLUTE*) override { return Note("GetIDList"); }
    HRESULT STDMETHODCALLTYPE SetIDList(PCIDLIST_ABSOLUTE) override { return Note("SetIDList"); }
    HRESULT STDMETHODCALLTYPE GetDescription(LPSTR, int) override { return Note("GetDescription"); }
    HRESULT STDMETHODCALLTYPE SetDescription(LPCSTR) override { return Note("SetDescription"); }
    HRESULT STDMETHODCALLTYPE GetWorkingDirectory(LPSTR, int) override { return Note("GetWorkingDirectory"); }
    HRESULT STDMETHODCALLTYPE GetArguments(LPSTR, int) override { return Note("GetArguments"); }
    HRESULT STDMETHODCALLTYPE GetHotkey(WORD*) override { return Note("GetHotkey"); }
    HRESULT STDMETHODCALLTYPE SetHotkey(WORD) override { return Note("SetHotkey"); }
    HRESULT STDMETHODCALLTYPE GetShowCmd(int*) override { return Note("GetShowCmd"); }
    HRESULT STDMETHODCALLTYPE SetShowCmd(int) override { return Note("SetShowCmd"); }
    HRESULT STDMETHODCALLTYPE GetIconLocation(LPSTR, int, int*) override { return Note("GetIconLocation"); }
    HRESULT STDMETHODCALLTYPE SetIconLocation(LPCSTR, int) override { return Note("SetIconLocation"); }
    HRESULT STDMETHODCALLTYPE SetRelativePath(LPCSTR, DWORD) override { return Note("SetRelativePath"); }
    HRESULT STDMETHODCALLTYPE Resolve(HWND, DWORD) override { return Note("Resolve"); }

    HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return Note("GetClassID"); }
    HRESULT STDMETHODCALLTYPE IsDirty() override { return Note("IsDirty"); }
    HRESULT STDMETHODCALLTYPE Load(LPCOLESTR, DWORD) override { return Note("Load"); }
    HRESULT STDMETHODCALLTYPE SaveCompleted(LPCOLESTR) override { return Note("SaveCompleted"); }
    HRESULT STDMETHODCALLTYPE GetCurFile(LPOLESTR*) override { return Note("GetCurFile"); }

    IUnknown& Object() { return *static_cast<IShellLinkA*>(this); }

private:
    HRESULT Note(const std::string& call, LPCSTR text = nullptr)
    {
        calls.push_back(text ? call + " " + text : call);
        return S_OK;
    }
};

} // namespace

TEST(ShellLinkCalls, ArgumentsPathAndWorkingDirectoryInThisOrderThenSaveAndEverythingReleased)
{
    FakeLink link;
    SaveShellLink(link.Object(), "c:\\links\\Tool.lnk", "c:\\tools\\tool.exe", "/a b", "c:\\work");
    const std::vector<std::string> expected = {"SetArguments /a b", "SetPath c:\\tools\\tool.exe",
                                               "SetWorkingDirectory c:\\work", "Save c:\\links\\Tool.lnk FALSE"};
    EXPECT_EQ(link.calls, expected);
    EXPECT_EQ(link.references, 1) << "both interfaces released";
}

TEST(ShellLinkCalls, AMissingFileInterfaceRaisesAnErrorAfterReleasingTheLinkInterface)
{
    FakeLink link;
    link.offersFile = false;
    try {
        SaveShellLink(link.Object(), "c:\\Tool.lnk", "c:\\tool.exe", "", "");
        ADD_FAILURE() << "no error raised";
    } catch (const EVeskError& error) {
        EXPECT_EQ(error.what(), SystemText(E_NOINTERFACE));
    }
    EXPECT_TRUE(link.calls.empty()) << "nothing set before both interfaces are had";
    EXPECT_EQ(link.references, 1);
}

TEST(ShellLinkCalls, AMissingLinkInterfaceRaisesAnError)
{
    FakeLink link;
    link.offersLink = false;
    EXPECT_THROW(SaveShellLink(link.Object(), "c:\\Tool.lnk", "c:\\tool.exe", "", ""), EVeskError);
    EXPECT_TRUE(link.calls.empty());
    EXPECT_EQ(link.references, 1);
}

TEST(ShellLinkCalls, TheErrorCarriesTheSystemTextWithoutItsClosingFullStop)
{
    const HRESULT code = HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    char raw[256] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        static_cast<DWORD>(code), 0, raw, sizeof raw, nullptr);
    ASSERT_GT(length, 0u);
    const std::string system(raw, length);
    const std::string text = SystemText(code);
    ASSERT_FALSE(text.empty());
    EXPECT_TRUE(system.starts_with(text)) << system;
    EXPECT_EQ(system.find_first_not_of(" .\r\n", text.size()), std::string::npos) << "only the ending is cut";
    EXPECT_EQ(std::string(" .\r\n").find(text.back()), std::string::npos);
    EXPECT_EQ(SystemText(static_cast<HRESULT>(0xA0F1E2D3)), "OLE error A0F1E2D3") << "a code without a system text";
}

// ---- The program group list and the old group-creation entry

TEST_F(ShellProgramGroups, ListsThePlainSubfoldersOfTheProgramsFolderOnly)
{
    const std::string programs = MakeDir("Programs");
    MakeDir("Programs\\Accessories");
    MakeDir("Programs\\Games");
    MakeFile(programs + "\\readme.txt");
    const std::string hidden = MakeDir("Programs\\Hidden Group");
    const std::string system = MakeDir("Programs\\System Group");
    ASSERT_TRUE(SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(SetFileAttributesA(system.c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(GetFileAttributesA(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN) << "the prefix keeps the hidden flag";
    ASSERT_TRUE(GetFileAttributesA(system.c_str()) & FILE_ATTRIBUTE_SYSTEM) << "the prefix keeps the system flag";

    std::vector<std::string> withoutBackslash = {"old entry"}, withBackslash = {"old entry"};
    {
        const SavedFolderValue saved("Programs");
        saved.Set(programs);
        ListProgramGroups(withoutBackslash);
        saved.Set(programs + "\\");
        ListProgramGroups(withBackslash);
    }
    const std::vector<std::string> expected = {"Accessories", "Games"};
    EXPECT_EQ(Sorted(withoutBackslash), expected);
    EXPECT_EQ(Sorted(withBackslash), expected);
}

TEST_F(ShellProgramGroups, NoGroupsGivesAnEmptiedList)
{
    const std::string programs = MakeDir("Programs");
    MakeFile(programs + "\\readme.txt");
    std::vector<std::string> empty = {"old entry"}, missing = {"old entry"}, unset = {"old entry"};
    {
        const SavedFolderValue saved("Programs");
        saved.Set(programs);
        ListProgramGroups(empty);
        saved.Set(root + "\\No Such Folder");
        ListProgramGroups(missing);
        saved.Remove();
        ListProgramGroups(unset);
    }
    EXPECT_TRUE(empty.empty());
    EXPECT_TRUE(missing.empty());
    EXPECT_TRUE(unset.empty()) << "no Programs value, no groups";
}

TEST_F(ShellProgramGroups, AddProgramGroupOnlySaysObsoleteFunction)
{
    const std::string programs = MakeDir("Programs");
    HWND box = nullptr;
    std::string title, message;
    Steps steps;
    steps.Wait([&] { return (box = ThreadMessageBox()) != nullptr; });
    steps.Do([&] {
        char text[256] = {};
        GetWindowTextA(box, text, sizeof text);
        title = text;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            GetWindowTextA(child, text, sizeof text);
            if (std::string(text) == "obsolete function")
                message = text;
        }
        EXPECT_NE(GetDlgItem(box, IDOK), nullptr) << "an OK button";
        const HWND cancel = GetDlgItem(box, IDCANCEL);
        EXPECT_TRUE(!cancel || !IsWindowVisible(cancel)) << "OK alone";
        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    });
    char saved[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, saved);
    ASSERT_TRUE(SetCurrentDirectoryA(programs.c_str()));
    AddProgramGroup("New Group");
    SetCurrentDirectoryA(saved);
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(title, "Vesk-Install");
    EXPECT_EQ(message, "obsolete function");
    EXPECT_EQ(ThreadMessageBox(), nullptr);
    EXPECT_FALSE(Exists(programs + "\\New Group")) << "no folder is made";
    EXPECT_FALSE(Exists(TVesk_Shell::AddBackslash(GetProgramsDir()) + "New Group"));
}
