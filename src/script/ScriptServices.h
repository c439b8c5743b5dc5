// The file-system services the commands use, as the script engine sees them. The application passes the
// real services; tests pass fakes. The services report through result codes and messages and show nothing:
// messages and prompts belong to the commands.
#pragma once

#include <cstdint>
#include <string>

class IScriptServices {
public:
    virtual ~IScriptServices() = default;

    // Creates a directory with its missing parents. 0 created, -2 not creatable, -3 already there.
    virtual void CreateDirTree(const std::string& path, std::int32_t& resultCode, std::string& message) = 0;
    // A directory of that path exists; a trailing backslash is accepted.
    virtual bool DirectoryExists(const std::string& path) = 0;
};
