// The user's Start-menu folders, program group folders and shortcuts: the shell-folder object that the
// script engine holds for the whole run, and the registry reading it shares with the program group list.
#pragma once

#include "script/ScriptShell.h"
#include "services/RegistryKey.h"

#include <windows.h>

#include <string>

struct IUnknown;

class TVesk_Shell final : public IVeskShell {
public:
    // Reads the four folders once from the current user's "Shell Folders"; a missing key or value leaves
    // its folder empty.
    TVesk_Shell();

    std::string ProgramsDir;  // "Programs", as stored: no backslash added, nothing expanded
    std::string StartMenuDir; // "Start Menu"
    std::string DesktopDir;   // "Desktop"
    std::string StartupDir;   // "Startup"
    std::string WorkingDir;   // the working directory of the next shortcut; empty at first
    std::string LinkDir;      // the folder that receives the next shortcuts; empty at first

    // The empty text stays empty; a text ending in a backslash is kept; any other gets one. Nothing trimmed.
    static std::string AddBackslash(const std::string& path);

    // When the base is an existing directory, makes base\group as one level if it is missing. The outcome is
    // not checked: a refused name or a missing parent level leaves no folder and no message.
    void CreateProgramGroup(const std::string& baseFolder, const std::string& groupName) override;
    // LinkDir = AddBackslash(folder) + subfolder; nothing is checked or created.
    void SelectLinkDir(const std::string& folder, const std::string& subfolder) override;
    // Writes AddBackslash(LinkDir) + name + ".lnk" through the shell's link object when the target is an
    // existing file (not a directory); otherwise returns at once. A shortcut that cannot be saved is left out
    // silently; a link object that cannot be created or lacks an interface raises EVeskError.
    void CreateShortcut(const std::string& name, const std::string& target, const std::string& arguments) override;

    std::string ProgramsFolder() const override { return ProgramsDir; }
    std::string StartMenuFolder() const override { return StartMenuDir; }
    std::string DesktopFolder() const override { return DesktopDir; }
    std::string StartupFolder() const override { return StartupDir; }
    void SetWorkingDir(const std::string& dir) override { WorkingDir = dir; }
};

// Gives a link object already created its arguments, target path and working directory, in this order and
// nothing else, and saves it as the file (an ANSI name, converted to UTF-16); the results of these calls are
// not checked. An object without IShellLinkA or IPersistFile raises EVeskError with the system's text for the
// failure, after releasing what was obtained. Apart from the object's creation, this is CreateShortcut; the
// tests hand it stand-in objects.
void SaveShellLink(IUnknown& linkObject, const std::string& fileName, const std::string& target,
                   const std::string& arguments, const std::string& workingDir);

// The error raised for a failed component-library call: the system's text for the code, without its closing
// blanks and full stops ("OLE error" and the code's eight hex digits when the system has no text).
[[noreturn]] void RaiseComError(HRESULT code);

// The current user's "Shell Folders" key below the opened parent: all access asked first, reading alone if
// that is refused. The key is never created; the result holds no key when it cannot be opened.
RegistryKey OpenShellFoldersKey(HKEY parent, const std::string& path);

// A folder value of the key as stored, expandable values unexpanded; "" for no key or no value. A value that
// is not text raises EVeskError ("Invalid data type for '<name>'"), as every registry text read does.
std::string ReadShellFolder(const RegistryKey& key, const std::string& valueName);
