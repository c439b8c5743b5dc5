// File-system services in memory: sets of existing files and directories, outcomes a test decides, and a
// record of what was copied, deleted, opened and started.
#pragma once

#include "fakes/FakeShell.h"
#include "script/ScriptServices.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace fakes {

class Services : public IScriptServices {
public:
    struct Outcome {
        std::int32_t code;
        std::string message;
    };

    // Creation succeeds (code 0) and the directory exists afterwards, unless a failure was set for the path.
    void CreateDirTree(const std::string& path, std::int32_t& resultCode, std::string& message) override
    {
        created.push_back(path);
        if (const auto failure = failures.find(path); failure != failures.end()) {
            resultCode = failure->second.code;
            message = failure->second.message;
            return;
        }
        resultCode = 0;
        message.clear();
        directories.insert(path);
    }
    bool DirectoryExists(const std::string& path) override { return directories.count(path) != 0; }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    bool ProgramFileExists(const std::string& path) override
    {
        for (const char* extension : {"", ".exe", ".com", ".bat"})
            if (files.count(path + extension))
                return true;
        return false;
    }
    std::string WindowsDir() override { return "c:\\windows\\"; }
    std::string SystemDir() override { return "c:\\windows\\system32\\"; }

    // Copies succeed unless a failure was set for the target; the target then exists.
    void CopyIfNewer(const std::string& source, const std::string& target, std::int32_t& resultCode,
                     std::string& message) override
    {
        copies.push_back(source + " -> " + target);
        if (const auto failure = failures.find(target); failure != failures.end()) {
            resultCode = failure->second.code;
            message = failure->second.message;
            return;
        }
        resultCode = 0;
        message.clear();
        files.insert(target);
    }
    void RemoveFile(const std::string& path) override
    {
        deleted.push_back(path);
        files.erase(path);
    }
    void DelTree(const std::string& path, std::string& message) override
    {
        removedTrees.push_back(path);
        directories.erase(path);
        message.clear();
    }
    void OpenDocument(const std::string& path) override { opened.push_back(path); }
    void StartProgram(const std::string& commandLine) override { started.push_back(commandLine); }
    IVeskShell& Shell() override { return shell; }

    fakes::Shell shell;

    std::set<std::string> directories;
    std::set<std::string> files;
    std::map<std::string, Outcome> failures;
    std::vector<std::string> created;
    std::vector<std::string> copies;
    std::vector<std::string> deleted;
    std::vector<std::string> removedTrees;
    std::vector<std::string> opened;
    std::vector<std::string> started;
};

} // namespace fakes
