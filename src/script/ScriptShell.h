// The user's Start-menu folders and the shortcut writer, as the script engine sees them: the program group
// commands reach the shell through this interface; the application passes the real shell-folder object.
#pragma once

#include <string>

class IVeskShell {
public:
    virtual ~IVeskShell() = default;

    // The folders as the user's shell-folder settings give them (no backslash added; empty when unset).
    virtual std::string ProgramsFolder() const = 0;
    virtual std::string StartMenuFolder() const = 0;
    virtual std::string DesktopFolder() const = 0;
    virtual std::string StartupFolder() const = 0;

    // Makes the group's folder (one level) below an existing base folder; reports nothing.
    virtual void CreateProgramGroup(const std::string& baseFolder, const std::string& groupName) = 0;
    // The folder that receives the next shortcuts: the folder with a backslash, then the subfolder.
    virtual void SelectLinkDir(const std::string& folder, const std::string& subfolder) = 0;
    // The working directory the next shortcut gets.
    virtual void SetWorkingDir(const std::string& dir) = 0;
    // Writes "<link dir><name>.lnk" pointing at the target with the arguments, when the target file exists.
    virtual void CreateShortcut(const std::string& name, const std::string& target, const std::string& arguments) = 0;
};
