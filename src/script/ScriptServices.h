// The file-system and program services the commands use, as the script engine sees them. The application
// passes the real services; tests pass fakes. The services report through result codes and messages and
// show nothing: messages and prompts belong to the commands.
#pragma once

#include "script/ScriptShell.h"

#include <cstdint>
#include <string>

class IScriptServices {
public:
    virtual ~IScriptServices() = default;

    // Creates a directory with its missing parents. 0 created, -2 not creatable, -3 already there.
    virtual void CreateDirTree(const std::string& path, std::int32_t& resultCode, std::string& message) = 0;
    // A directory of that path exists; a trailing backslash is accepted.
    virtual bool DirectoryExists(const std::string& path) = 0;
    // A single file of that path exists (not a directory; wildcards name nothing).
    virtual bool FileExists(const std::string& path) = 0;
    // The file exists as named, or, without an extension, with .exe, .com or .bat appended.
    virtual bool ProgramFileExists(const std::string& path) = 0;

    // The Windows and the system directory, with a trailing backslash.
    virtual std::string WindowsDir() = 0;
    virtual std::string SystemDir() = 0;

    // Copies (expanding a compressed source) when the source is newer than the target: 0 copied or
    // skipped; negative with a message when it failed.
    virtual void CopyIfNewer(const std::string& source, const std::string& target, std::int32_t& resultCode,
                             std::string& message) = 0;
    // Deletes one file; a failure is not reported.
    virtual void RemoveFile(const std::string& path) = 0;
    // Removes a directory with everything in it; raises an I/O error when it cannot be removed.
    virtual void DelTree(const std::string& path, std::string& message) = 0;
    // Opens a document with its associated program, or starts it; raises an error for a command line too long.
    virtual void OpenDocument(const std::string& path) = 0;
    // Starts a program's command line without waiting; raises an error for a command line too long.
    virtual void StartProgram(const std::string& commandLine) = 0;

    // The user's Start-menu folders and the shortcut writer, read once and kept for the whole run.
    virtual IVeskShell& Shell() = 0;
};
