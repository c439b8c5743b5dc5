// The owner of a file-search handle: FindClose on every path.
#pragma once

#include <windows.h>

#include <string>

class FindHandle {
public:
    FindHandle(const std::string& pattern, WIN32_FIND_DATAA& found) : handle_(FindFirstFileA(pattern.c_str(), &found)) {}
    ~FindHandle()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;

    bool Found() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAA& found) { return FindNextFileA(handle_, &found) != FALSE; }

private:
    HANDLE handle_;
};
