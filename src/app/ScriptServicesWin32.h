// The script engine's file-system services on Win32: the real directory services.
#pragma once

#include "script/ScriptServices.h"

class ScriptServicesWin32 final : public IScriptServices {
public:
    void CreateDirTree(const std::string& path, std::int32_t& resultCode, std::string& message) override;
    bool DirectoryExists(const std::string& path) override;
};
