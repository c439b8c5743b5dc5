#include "services/VeskRegistry.h"

#include "services/RegistryKey.h"
#include "services/VeskErrors.h"

#include <vector>

HKEY RegistryRootKey = HKEY_CURRENT_USER;

bool ReadRegString(TRegistryAccess& registry, const std::string& keyPath, const std::string& valueName,
                   std::string& value)
{
    registry.RootKey = RegistryRootKey;
    const std::string relative = keyPath.starts_with('\\') ? keyPath.substr(1) : keyPath;
    RegistryKey key;
    if (key.Open(registry.RootKey, relative, KEY_READ) != ERROR_SUCCESS)
        return false;

    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw EVeskError("Invalid data type for '" + valueName + "'");

    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return false;
    // Stored strings may or may not carry their closing null.
    value.assign(data.data(), size);
    value.erase(value.find_last_not_of('\0') + 1);
    return true;
}
