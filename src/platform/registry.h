// The three registry calls the system-information launcher needs, shaped
// like their Windows originals so the caller can follow the same steps on
// every platform. Plain C++: the Windows implementation is built without Qt.
#pragma once

#include <cstdint>
#include <string>

namespace pelimor {

using RegKey = std::uintptr_t;

inline constexpr std::uint32_t HKEY_LOCAL_MACHINE_VALUE = 0x80000002u;
inline constexpr std::uint32_t REG_SZ_TYPE = 1;
inline constexpr std::uint32_t REG_EXPAND_SZ_TYPE = 2;
inline constexpr std::uint32_t REG_DWORD_TYPE = 4;
inline constexpr long REG_SUCCESS = 0;

class Registry {
public:
    virtual ~Registry() = default;
    // Each returns 0 on success, a platform error code otherwise.
    virtual long RegOpenKeyExA(std::uint32_t root, const std::string &subKey, std::uint32_t options,
                               std::uint32_t access, RegKey *key) = 0;
    // size is in/out: the buffer's size going in, the data's size coming out.
    virtual long RegQueryValueExA(RegKey key, const std::string &valueName, std::uint32_t *type, unsigned char *data,
                                  std::uint32_t *size) = 0;
    virtual long RegCloseKey(RegKey key) = 0;
};

} // namespace pelimor
