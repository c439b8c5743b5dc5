// File-system services in memory: a set of existing directories, and creation outcomes a test decides.
#pragma once

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

    std::set<std::string> directories;
    std::map<std::string, Outcome> failures;
    std::vector<std::string> created;
};

} // namespace fakes
