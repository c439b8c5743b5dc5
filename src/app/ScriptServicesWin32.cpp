#include "app/ScriptServicesWin32.h"

#include "services/VeskDirectories.h"
#include "services/VeskFileAndShellUtil.h"

void ScriptServicesWin32::CreateDirTree(const std::string& path, std::int32_t& resultCode, std::string& message)
{
    ::CreateDirTree(path, resultCode, message);
}

bool ScriptServicesWin32::DirectoryExists(const std::string& path)
{
    return ::DirectoryExists(path);
}
