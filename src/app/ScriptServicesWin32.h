// The script engine's file-system and program services on Win32: the real services.
#pragma once

#include "script/ScriptServices.h"
#include "services/MVesk_Shell.h"

class ScriptServicesWin32 final : public IScriptServices {
public:
    void CreateDirTree(const std::string& path, std::int32_t& resultCode, std::string& message) override;
    bool DirectoryExists(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool ProgramFileExists(const std::string& path) override;
    std::string WindowsDir() override;
    std::string SystemDir() override;
    void CopyIfNewer(const std::string& source, const std::string& target, std::int32_t& resultCode,
                     std::string& message) override;
    void RemoveFile(const std::string& path) override;
    void DelTree(const std::string& path, std::string& message) override;
    void OpenDocument(const std::string& path) override;
    void StartProgram(const std::string& commandLine) override;
    IVeskShell& Shell() override { return shell_; }

private:
    TVesk_Shell shell_;
};
