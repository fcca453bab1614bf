#include "platform/windows/registry_windows.h"

#include <windows.h>

namespace pelimor {
namespace {

HKEY rootHandle(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(registryRootHandle(root));
}

// Opened keys round-trip through RegKey unchanged.
HKEY keyHandle(RegKey key)
{
    return reinterpret_cast<HKEY>(key);
}

} // namespace

std::uintptr_t registryRootHandle(std::uint32_t root)
{
    return static_cast<std::uintptr_t>(static_cast<std::intptr_t>(static_cast<std::int32_t>(root)));
}

long WindowsRegistry::RegOpenKeyExA(std::uint32_t root, const std::string &subKey, std::uint32_t options,
                                    std::uint32_t access, RegKey *key)
{
    HKEY opened = nullptr;
    const LONG result = ::RegOpenKeyExA(rootHandle(root), subKey.c_str(), options, access, &opened);
    if (key)
        *key = result == ERROR_SUCCESS ? reinterpret_cast<RegKey>(opened) : 0;
    return result;
}

long WindowsRegistry::RegQueryValueExA(RegKey key, const std::string &valueName, std::uint32_t *type,
                                       unsigned char *data, std::uint32_t *size)
{
    DWORD valueType = 0;
    DWORD byteCount = size ? *size : 0;
    const LONG result = ::RegQueryValueExA(keyHandle(key), valueName.c_str(), nullptr, type ? &valueType : nullptr,
                                           data, size ? &byteCount : nullptr);
    if (type)
        *type = valueType;
    if (size)
        *size = byteCount;
    return result;
}

long WindowsRegistry::RegCloseKey(RegKey key)
{
    return ::RegCloseKey(keyHandle(key));
}

} // namespace pelimor
