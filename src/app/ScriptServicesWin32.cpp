#include "app/ScriptServicesWin32.h"

#include "services/VeskDirectories.h"
#include "services/VeskDocuments.h"
#include "services/VeskFileCopy.h"
#include "services/VeskFileAndShellUtil.h"

#include <windows.h>

void ScriptServicesWin32::CreateDirTree(const std::string& path, std::int32_t& resultCode, std::string& message)
{
    ::CreateDirTree(path, resultCode, message);
}

bool ScriptServicesWin32::DirectoryExists(const std::string& path)
{
    return ::DirectoryExists(path);
}

bool ScriptServicesWin32::FileExists(const std::string& path)
{
    return IsExistingFile(path);
}

bool ScriptServicesWin32::ProgramFileExists(const std::string& path)
{
    return ::ProgramFileExists(path);
}

std::string ScriptServicesWin32::WindowsDir()
{
    return GetWindowsDir();
}

std::string ScriptServicesWin32::SystemDir()
{
    return GetSystemDir();
}

void ScriptServicesWin32::CopyIfNewer(const std::string& source, const std::string& target, std::int32_t& resultCode,
                                      std::string& message)
{
    ::CopyIfNewer(source, target, resultCode, message);
}

void ScriptServicesWin32::RemoveFile(const std::string& path)
{
    DeleteFileA(path.c_str());
}

void ScriptServicesWin32::DelTree(const std::string& path, std::string& message)
{
    ::DelTree(path, message);
}

void ScriptServicesWin32::OpenDocument(const std::string& path)
{
    ::OpenDocument(path);
}

void ScriptServicesWin32::StartProgram(const std::string& commandLine)
{
    RunCommandLine(commandLine, kRunCommandMaxLength);
}
