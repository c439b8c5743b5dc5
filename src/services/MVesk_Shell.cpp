#include "services/MVesk_Shell.h"

#include "services/ComPtr.h"
#include "services/VeskErrors.h"
#include "services/VeskFileAndShellUtil.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <memory>
#include <type_traits>
#include <vector>

namespace {

constexpr char kExplorerKey[] = "Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer";
constexpr char kShellFoldersSubkey[] = "Shell Folders";

// The owner of a key that RegCreateKeyExA opened.
struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using CreatedKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

// The text in UTF-16, taken from the ANSI code page: the link object's file names are wide.
std::wstring Widen(const std::string& text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

} // namespace

[[noreturn]] void RaiseComError(HRESULT code)
{
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string message(text ? text : "", text ? length : 0);
    if (text)
        LocalFree(text);
    // The system's texts end in a full stop and a line break; the error report puts its own full stop.
    while (!message.empty() && (static_cast<unsigned char>(message.back()) <= ' ' || message.back() == '.'))
        message.pop_back();
    if (message.empty()) {
        char fallback[32];
        std::snprintf(fallback, sizeof fallback, "OLE error %08lX", static_cast<unsigned long>(code));
        message = fallback;
    }
    throw EVeskError(message);
}

RegistryKey OpenShellFoldersKey(HKEY parent, const std::string& path)
{
    RegistryKey key;
    if (parent && key.Open(parent, path, KEY_ALL_ACCESS) != ERROR_SUCCESS)
        key.Open(parent, path, KEY_READ);
    return key;
}

std::string ReadShellFolder(const RegistryKey& key, const std::string& valueName)
{
    if (!key.Get())
        return {};
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw EVeskError("Invalid data type for '" + valueName + "'");
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return {};
    // A stored text may or may not carry its closing null.
    std::string value(data.data(), size);
    value.erase(value.find_last_not_of('\0') + 1);
    return value;
}

TVesk_Shell::TVesk_Shell()
{
    // The Explorer key is opened for reading and writing and made when missing; the folders are read below it.
    HKEY opened = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kExplorerKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr) !=
        ERROR_SUCCESS)
        return;
    const CreatedKey explorer(opened);
    const RegistryKey folders = OpenShellFoldersKey(explorer.get(), kShellFoldersSubkey);
    ProgramsDir = ReadShellFolder(folders, "Programs");
    StartMenuDir = ReadShellFolder(folders, "Start Menu");
    DesktopDir = ReadShellFolder(folders, "Desktop");
    StartupDir = ReadShellFolder(folders, "Startup");
}

std::string TVesk_Shell::AddBackslash(const std::string& path)
{
    if (path.empty() || path.back() == '\\')
        return path;
    return path + '\\';
}

void TVesk_Shell::CreateProgramGroup(const std::string& baseFolder, const std::string& groupName)
{
    if (!DirectoryExists(baseFolder))
        return;
    const std::string group = AddBackslash(baseFolder) + groupName;
    // One level only, and silently: the group commands go on whether or not the folder could be made.
    if (!DirectoryExists(group))
        CreateDirectoryA(group.c_str(), nullptr);
}

void TVesk_Shell::SelectLinkDir(const std::string& folder, const std::string& subfolder)
{
    LinkDir = AddBackslash(folder) + subfolder;
}

void TVesk_Shell::CreateShortcut(const std::string& name, const std::string& target, const std::string& arguments)
{
    if (!IsExistingFile(target))
        return;
    ComPtr<IUnknown> object;
    const HRESULT created = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                             IID_IUnknown, object.PutVoid());
    if (FAILED(created))
        RaiseComError(created);
    SaveShellLink(*object.Get(), AddBackslash(LinkDir) + name + ".lnk", target, arguments, WorkingDir);
}

void SaveShellLink(IUnknown& linkObject, const std::string& fileName, const std::string& target,
                   const std::string& arguments, const std::string& workingDir)
{
    ComPtr<IShellLinkA> link;
    HRESULT result = linkObject.QueryInterface(IID_IShellLinkA, link.PutVoid());
    if (FAILED(result))
        RaiseComError(result);
    ComPtr<IPersistFile> file;
    result = linkObject.QueryInterface(IID_IPersistFile, file.PutVoid());
    if (FAILED(result))
        RaiseComError(result);

    // A shortcut that cannot be written (missing folder, refused name) is left out without a message.
    link->SetArguments(arguments.c_str());
    link->SetPath(target.c_str());
    link->SetWorkingDirectory(workingDir.c_str());
    file->Save(Widen(fileName).c_str(), FALSE);
}
