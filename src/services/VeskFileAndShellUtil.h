// The program's own directory, names taken relative to it, and the file-system existence tests.
#pragma once

#include <string>

// The directory of the running program's file, with a trailing backslash.
std::string GetProgramDir();

// An absolute path unchanged; a relative one prefixed with the program's directory.
std::string ExpandFromProgramDir(const std::string& path);

// The attributes of the path can be read and carry the directory bit; a trailing backslash is accepted.
bool DirectoryExists(const std::string& path);

// A directory entry of that path exists and is a directory.
bool IsExistingDir(const std::string& path);
// An entry of that path exists and is neither a directory nor a volume label.
bool IsExistingFile(const std::string& path);

// The Windows and the system directory, each with a trailing backslash.
std::string GetWindowsDir();
std::string GetSystemDir();
