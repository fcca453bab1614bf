#include "platform/windows/recorder_lock_windows.h"

#include <windows.h>

#include <cstdint>
#include <cwctype>
#include <string>

namespace pelimor {
namespace {

class MutexLock : public RecorderLock {
public:
    explicit MutexLock(HANDLE handle) : m_handle(handle) {}
    ~MutexLock() override { CloseHandle(m_handle); }
    MutexLock(const MutexLock &) = delete;
    MutexLock &operator=(const MutexLock &) = delete;

private:
    HANDLE m_handle;
};

// FNV-1a over the identifier, upper-cased (the system is not consistent in
// the case of device paths): every copy of the program computes it alike.
std::uint64_t stableHash(const std::string &text)
{
    std::uint64_t h = 1469598103934665603ull;
    for (const unsigned char c : text) {
        h ^= static_cast<unsigned char>(c < 0x80 ? std::towupper(c) : c);
        h *= 1099511628211ull;
    }
    return h;
}

} // namespace

std::wstring MutexRecorderLocks::objectName(const std::string &recorderId)
{
    wchar_t hex[17];
    swprintf(hex, 17, L"%016llx", static_cast<unsigned long long>(stableHash(recorderId)));
    return std::wstring(L"Local\\PelimorISOBurn.recorder.") + hex;
}

std::unique_ptr<RecorderLock> MutexRecorderLocks::tryLock(const std::string &recorderId)
{
    const HANDLE handle = CreateMutexW(nullptr, FALSE, objectName(recorderId).c_str());
    if (!handle)
        return std::make_unique<RecorderLock>(); // no lock to be had: the burn goes on without one
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(handle);
        return nullptr;
    }
    return std::make_unique<MutexLock>(handle);
}

std::unique_ptr<RecorderLocks> createDefaultRecorderLocks()
{
    return std::make_unique<MutexRecorderLocks>();
}

} // namespace pelimor
