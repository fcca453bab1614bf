// The registry of Windows itself, through advapi32's ANSI functions. Every
// argument is handed over exactly as the caller gave it: the launcher's
// access mask (0x2003F) and its 1024-byte buffer reach the system unchanged.
#pragma once

#include "platform/registry.h"

namespace pelimor {

// The handle the system means by a 32-bit root key value such as
// HKEY_LOCAL_MACHINE (0x80000002): sign-extended on 64-bit Windows, where the
// zero-extended value names no key.
std::uintptr_t registryRootHandle(std::uint32_t root);

class WindowsRegistry : public Registry {
public:
    long RegOpenKeyExA(std::uint32_t root, const std::string &subKey, std::uint32_t options, std::uint32_t access,
                       RegKey *key) override;
    long RegQueryValueExA(RegKey key, const std::string &valueName, std::uint32_t *type, unsigned char *data,
                          std::uint32_t *size) override;
    long RegCloseKey(RegKey key) override;
};

} // namespace pelimor
