// The Start-menu folders and the shortcut writer in memory: the shortcuts "written" are recorded.
#pragma once

#include "script/ScriptShell.h"

#include <set>
#include <string>
#include <vector>

namespace fakes {

class Shell : public IVeskShell {
public:
    struct Shortcut {
        std::string file;
        std::string target;
        std::string arguments;
        std::string workingDir;
        bool operator==(const Shortcut&) const = default;
    };

    std::string ProgramsFolder() const override { return programs; }
    std::string StartMenuFolder() const override { return startMenu; }
    std::string DesktopFolder() const override { return desktop; }
    std::string StartupFolder() const override { return startup; }

    void CreateProgramGroup(const std::string& baseFolder, const std::string& groupName) override
    {
        groups.push_back(baseFolder + "|" + groupName);
    }
    void SelectLinkDir(const std::string& folder, const std::string& subfolder) override
    {
        linkDir = (folder.empty() || folder.back() == '\\' ? folder : folder + "\\") + subfolder;
    }
    void SetWorkingDir(const std::string& dir) override { workingDir = dir; }
    // Writes only for targets that exist, as the real writer does.
    void CreateShortcut(const std::string& name, const std::string& target, const std::string& arguments) override
    {
        if (!existingTargets.count(target))
            return;
        const std::string dir = linkDir.empty() || linkDir.back() == '\\' ? linkDir : linkDir + "\\";
        shortcuts.push_back({dir + name + ".lnk", target, arguments, workingDir});
    }

    std::string programs = "c:\\Start Menu\\Programs";
    std::string startMenu = "c:\\Start Menu";
    std::string desktop = "c:\\Desktop";
    std::string startup = "c:\\Start Menu\\Programs\\Startup";
    std::string linkDir;
    std::string workingDir;
    std::set<std::string> existingTargets;
    std::vector<std::string> groups;
    std::vector<Shortcut> shortcuts;
};

} // namespace fakes
