// The program's own directory and the existence tests, on the private prefix's real file system.
#include "services/VeskFileAndShellUtil.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

namespace {

std::string TempDir()
{
    char buffer[MAX_PATH];
    GetTempPathA(MAX_PATH, buffer);
    return buffer;
}

} // namespace

TEST(ProgramDir, IsTheDirectoryOfTheRunningProgramWithABackslash)
{
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string dir = GetProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '\\');
    EXPECT_EQ(std::string(module).rfind(dir, 0), 0u) << dir << " is not the start of " << module;
    EXPECT_EQ(std::string(module).find('\\', dir.size()), std::string::npos);
}

TEST(ProgramDir, RelativeNamesAreTakenFromItAndAbsoluteOnesStay)
{
    EXPECT_EQ(ExpandFromProgramDir("install.script"), GetProgramDir() + "install.script");
    EXPECT_EQ(ExpandFromProgramDir("d:\\other.script"), "d:\\other.script");
    EXPECT_EQ(ExpandFromProgramDir("\\\\srv\\share\\x.script"), "\\\\srv\\share\\x.script");
}

TEST(Existence, FilesAndDirectoriesAreToldApart)
{
    const std::string dir = TempDir() + "vesk-exists";
    const std::string file = dir + "\\file.txt";
    CreateDirectoryA(dir.c_str(), nullptr);
    std::ofstream(file) << "x";
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);

    EXPECT_TRUE(IsExistingDir(dir));
    EXPECT_FALSE(IsExistingFile(dir));
    EXPECT_TRUE(IsExistingFile(file)) << "hidden and read-only files exist too";
    EXPECT_FALSE(IsExistingDir(file));
    EXPECT_FALSE(IsExistingFile(dir + "\\missing.txt"));
    EXPECT_FALSE(IsExistingDir(dir + "\\missing"));
    EXPECT_FALSE(IsExistingFile(dir + "\\*.txt")) << "a wildcard names no single file";
    EXPECT_FALSE(IsExistingFile(""));

    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(file.c_str());
    RemoveDirectoryA(dir.c_str());
}

TEST(SystemDirs, EndWithABackslashAndExist)
{
    const std::string windows = GetWindowsDir();
    const std::string system = GetSystemDir();
    ASSERT_FALSE(windows.empty());
    EXPECT_EQ(windows.back(), '\\');
    EXPECT_EQ(system.back(), '\\');
    EXPECT_TRUE(IsExistingDir(windows.substr(0, windows.size() - 1)));
    EXPECT_EQ(system.rfind(windows, 0), 0u) << system << " lies in " << windows;
}
