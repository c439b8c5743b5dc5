// The owner of one open registry key: closed on every path. Methods return the Win32 error code.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() { Close(); }
    RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    RegistryKey& operator=(RegistryKey&& other) noexcept
    {
        if (this != &other) {
            Close();
            key_ = std::exchange(other.key_, nullptr);
        }
        return *this;
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Opens an existing key; never creates one.
    LONG Open(HKEY parent, const std::string& path, REGSAM access)
    {
        Close();
        return RegOpenKeyExA(parent, path.c_str(), 0, access, &key_);
    }
    void Close()
    {
        if (key_)
            RegCloseKey(key_);
        key_ = nullptr;
    }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};
