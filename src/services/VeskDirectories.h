// Creating directory trees, removing them, the four DOS attribute flags of a file and the look-up of a
// program by name with or without its extension. The Windows calls for directories live here.
#pragma once

#include <cstdint>
#include <string>

// Result codes of directory creation. Callers treat kDirExists as success.
constexpr std::int32_t kDirCreated = 0;     // created, or nothing to create; the message is empty
constexpr std::int32_t kDirNotCreated = -2; // "Unable to create directory <path>"
constexpr std::int32_t kDirExists = -3;     // "Directory already exists" (a directory or a file)

// Creates every missing level of a path, from the existing one nearest to it down to the path itself. The
// result is that of the path itself; a path with no existing level anywhere gives kDirNotCreated.
void CreateDirTree(const std::string& path, std::int32_t& resultCode, std::string& message);

// Creates one directory whose parent exists; kDirExists when any entry of that name is there already.
void CreateOneDir(const std::string& path, std::int32_t& resultCode, std::string& message);

// Removes a directory with everything in it, whatever the files' attributes. A link to a directory inside
// it (a junction or a symbolic link) is removed itself; what it points to is never touched. False with
// "Directory does not exist" when there is no such directory; raises EInOutError when the directory
// itself cannot be removed.
bool DelTree(const std::string& dir, std::string& message);

// Sets or clears the archive, hidden, read-only and system flags, keeping every other attribute; writes
// nothing when the entry is missing or nothing changes.
void SetFileAttrFlags(const std::string& path, bool archive, bool hidden, bool readOnly, bool system);

// A program file exists under this name; a name without an extension is also tried with .exe, .com and
// .bat, in this order.
bool ProgramFileExists(const std::string& path);
