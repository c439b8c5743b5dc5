// Reading one text value from the registry, under a root that the caller sets once for its look-ups.
#pragma once

#include <windows.h>

#include <string>

// The predefined root under which ReadRegString looks: HKEY_CURRENT_USER until a caller changes it.
extern HKEY RegistryRootKey;

// The registry access object: the root and the key opened last, kept by the caller for several look-ups.
struct TRegistryAccess {
    HKEY RootKey = HKEY_CURRENT_USER;
};

// Reads a text value. False, with value untouched, when the key or the value is missing; the empty name
// is the key's default value. A value of a non-text type raises EVeskError. Key paths are taken from the
// root (a leading backslash is allowed).
bool ReadRegString(TRegistryAccess& registry, const std::string& keyPath, const std::string& valueName,
                   std::string& value);
