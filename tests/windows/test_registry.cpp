// The registry layer against real keys that the test writes itself, read the
// way the system-information launcher reads them: open with options 0 and
// access 0x2003F, query into a zero-filled 1024-byte buffer, trim the
// terminating zero by the returned size.
#include "check.h"

#include "platform/windows/registry_windows.h"

#include <windows.h>

#include <cstring>
#include <string>

namespace {

using pelimor::RegKey;

constexpr char testKey[] = "SOFTWARE\\PelimorTest\\Launcher";
constexpr std::uint32_t launcherAccess = 0x2003F;

struct LauncherRead {
    long open = -1;
    long query = -1;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    unsigned char buffer[1024] = {};
    std::string kept; // the characters the launcher keeps after trimming
};

LauncherRead readLikeLauncher(pelimor::Registry &registry, std::uint32_t root, const std::string &key,
                              const std::string &value)
{
    LauncherRead read;
    RegKey handle = 0;
    read.open = registry.RegOpenKeyExA(root, key, 0, launcherAccess, &handle);
    if (read.open != 0)
        return read;
    read.size = sizeof read.buffer;
    read.query = registry.RegQueryValueExA(handle, value, &read.type, read.buffer, &read.size);
    if (read.query == 0 && read.size > 0 && read.size <= sizeof read.buffer) {
        const std::size_t n = read.size;
        const std::size_t keep = read.buffer[n - 1] == 0 ? n - 1 : n;
        read.kept.assign(reinterpret_cast<const char *>(read.buffer), keep);
    }
    registry.RegCloseKey(handle);
    return read;
}

// Writes one value under HKLM\SOFTWARE\PelimorTest\Launcher with exactly the
// bytes given (so a text can be stored with or without its zero).
void setValue(const char *name, DWORD type, const void *data, DWORD size)
{
    HKEY key = nullptr;
    REQUIRE(RegCreateKeyExA(HKEY_LOCAL_MACHINE, testKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ==
            ERROR_SUCCESS);
    const LONG result = RegSetValueExA(key, name, 0, type, static_cast<const BYTE *>(data), size);
    RegCloseKey(key);
    REQUIRE(result == ERROR_SUCCESS);
}

void setText(const char *name, DWORD type, const std::string &text, bool withZero)
{
    setValue(name, type, text.c_str(), static_cast<DWORD>(text.size() + (withZero ? 1 : 0)));
}

} // namespace

TEST_CASE("registry: a text value reads back whole, with or without its terminating zero")
{
    pelimor::WindowsRegistry registry;
    const std::string path = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";

    setText("WithZero", REG_SZ, path, true);
    auto read = readLikeLauncher(registry, pelimor::HKEY_LOCAL_MACHINE_VALUE, testKey, "WithZero");
    CHECK_EQ(read.open, 0L);
    CHECK_EQ(read.query, 0L);
    CHECK_EQ(read.type, pelimor::REG_SZ_TYPE);
    CHECK_EQ(read.size, static_cast<std::uint32_t>(path.size() + 1));
    CHECK_EQ(read.kept, path);

    setText("WithoutZero", REG_SZ, path, false);
    read = readLikeLauncher(registry, pelimor::HKEY_LOCAL_MACHINE_VALUE, testKey, "WithoutZero");
    CHECK_EQ(read.query, 0L);
    CHECK_EQ(read.type, pelimor::REG_SZ_TYPE);
    // Either the size counts only the stored characters, or the system adds
    // a zero after them and counts it (the ANSI call does so where the buffer
    // has room); the launcher's trim keeps exactly the text both ways.
    CHECK(read.size == path.size() || (read.size == path.size() + 1 && read.buffer[path.size()] == 0));
    CHECK_EQ(read.kept, path);
    wintest::note(read.size == path.size() ? "a text stored without its zero reads back without one"
                                           : "a text stored without its zero reads back with one added");

    // A folder value, as the second place to look holds it.
    setText("Folder", REG_SZ, "C:\\Windows\\System32", true);
    read = readLikeLauncher(registry, pelimor::HKEY_LOCAL_MACHINE_VALUE, testKey, "Folder");
    CHECK_EQ(read.kept, std::string("C:\\Windows\\System32"));
}

TEST_CASE("registry: number, expandable and empty values keep their type and size")
{
    pelimor::WindowsRegistry registry;

    const DWORD ten = 10;
    setValue("Number", REG_DWORD, &ten, sizeof ten);
    auto read = readLikeLauncher(registry, pelimor::HKEY_LOCAL_MACHINE_VALUE, testKey, "Number");
    CHECK_EQ(read.query, 0L);
    CHECK_EQ(read.type, pelimor::REG_DWORD_TYPE);
    CHECK_EQ(read.size, 4u);
    // Least significant byte first: 0A 00 00 00.
    CHECK(read.buffer[0] == 0x0A && read.buffer[1] == 0 && read.buffer[2] == 0 && read.buffer[3] == 0);

    setText("Expandable", REG_EXPAND_SZ, "%SystemRoot%\\System32\\msinfo32.exe", true);
    read = readLikeLauncher(registry, pelimor::HKEY_LOCAL_MACHINE_VALUE, testKey, "Expandable");
    CHECK_EQ(read.query, 0L); // found, whatever its type
    CHECK_EQ(read.type, pelimor::REG_EXPAND_SZ_TYPE);
    // Not expanded on the way: the launcher sees the stored text.
    CHECK_EQ(read.kept, std::string("%SystemRoot%\\System32\\msinfo32.exe"));

    setValue("Empty", REG_SZ, "", 0);
    read = readLikeLauncher(registry, pelimor::HKEY_LOCAL_MACHINE_VALUE, testKey, "Empty");
    CHECK_EQ(read.query, 0L);
    CHECK_EQ(read.size, 0u); // the launcher's "zero-length value" case
}

TEST_CASE("registry: a value longer than the 1024-byte buffer is refused with ERROR_MORE_DATA")
{
    pelimor::WindowsRegistry registry;

    const std::string fits(1023, 'a'); // 1023 characters and the zero: exactly 1024 bytes
    setText("Fits", REG_SZ, fits, true);
    auto read = readLikeLauncher(registry, pelimor::HKEY_LOCAL_MACHINE_VALUE, testKey, "Fits");
    CHECK_EQ(read.query, 0L);
    CHECK_EQ(read.size, 1024u);
    CHECK_EQ(read.kept, fits);

    const std::string tooLong(1500, 'b');
    setText("TooLong", REG_SZ, tooLong, true);
    read = readLikeLauncher(registry, pelimor::HKEY_LOCAL_MACHINE_VALUE, testKey, "TooLong");
    CHECK_EQ(read.query, static_cast<long>(ERROR_MORE_DATA));
    CHECK_EQ(read.size, 1501u); // the size it would need
    CHECK(read.kept.empty());
}

TEST_CASE("registry: missing keys and values fail, and the root handle is the system's own")
{
    pelimor::WindowsRegistry registry;

    RegKey handle = 12345;
    CHECK_EQ(registry.RegOpenKeyExA(pelimor::HKEY_LOCAL_MACHINE_VALUE, "SOFTWARE\\PelimorTest\\NoSuchKey", 0,
                                    launcherAccess, &handle),
             static_cast<long>(ERROR_FILE_NOT_FOUND));
    CHECK_EQ(handle, RegKey{0});

    setText("Present", REG_SZ, "x", true);
    const auto read = readLikeLauncher(registry, pelimor::HKEY_LOCAL_MACHINE_VALUE, testKey, "NoSuchValue");
    CHECK_EQ(read.open, 0L);
    CHECK_EQ(read.query, static_cast<long>(ERROR_FILE_NOT_FOUND));

    // The 32-bit root value reaches the same key as the system's
    // HKEY_LOCAL_MACHINE handle (sign-extended on 64-bit Windows).
    CHECK_EQ(pelimor::registryRootHandle(0x80000002u), reinterpret_cast<std::uintptr_t>(HKEY_LOCAL_MACHINE));
    CHECK_EQ(pelimor::registryRootHandle(0x80000001u), reinterpret_cast<std::uintptr_t>(HKEY_CURRENT_USER));
    const auto viaRoot = readLikeLauncher(registry, 0x80000002u, testKey, "Present");
    CHECK_EQ(viaRoot.kept, std::string("x"));

    // Null type and size pointers are passed on as null, as the API allows.
    RegKey key = 0;
    REQUIRE(registry.RegOpenKeyExA(pelimor::HKEY_LOCAL_MACHINE_VALUE, testKey, 0, launcherAccess, &key) == 0);
    CHECK_EQ(registry.RegQueryValueExA(key, "Present", nullptr, nullptr, nullptr), 0L);
    CHECK_EQ(registry.RegCloseKey(key), 0L);
}
