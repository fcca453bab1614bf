// Test files made with the Win32 API, removed when the test ends.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace wintest {

// A file in the temporary folder that is deleted again on destruction.
class TempFile {
public:
    explicit TempFile(const std::wstring &name)
    {
        wchar_t folder[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH, folder);
        m_path = std::wstring(folder) + name;
        DeleteFileW(m_path.c_str());
    }
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;
    ~TempFile() { DeleteFileW(m_path.c_str()); }

    const std::wstring &path() const { return m_path; }
    std::string utf8() const
    {
        const int n = WideCharToMultiByte(CP_UTF8, 0, m_path.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string out(static_cast<std::size_t>(n > 0 ? n - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, m_path.c_str(), -1, out.data(), n, nullptr, nullptr);
        return out;
    }

    // Writes the bytes at the start of a new file of exactly that size.
    bool write(const std::vector<unsigned char> &bytes) const
    {
        HANDLE file = CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        DWORD written = 0;
        const BOOL ok =
            bytes.empty() || WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        return ok && written == bytes.size();
    }

    // A file of the given size whose only data are the given pieces at their
    // offsets; everything else is a hole that reads as zeros.
    bool writeSparse(std::int64_t size,
                     const std::vector<std::pair<std::int64_t, std::vector<unsigned char>>> &pieces) const
    {
        HANDLE file = CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        DWORD ignored = 0;
        // Best effort: on NTFS a file is only sparse when asked; on Linux
        // (under Wine) holes are the default.
        DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &ignored, nullptr);
        bool ok = true;
        LARGE_INTEGER at;
        at.QuadPart = size;
        ok = ok && SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && SetEndOfFile(file);
        for (const auto &[offset, bytes] : pieces) {
            at.QuadPart = offset;
            DWORD written = 0;
            ok = ok && SetFilePointerEx(file, at, nullptr, FILE_BEGIN) &&
                 WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                 written == bytes.size();
        }
        CloseHandle(file);
        return ok;
    }

private:
    std::wstring m_path;
};

// Bytes 1, 2, 3, ... (never 0) so a misplaced or missing byte shows.
inline std::vector<unsigned char> pattern(std::size_t count, unsigned seed)
{
    std::vector<unsigned char> bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<unsigned char>(1 + (i * 7 + seed) % 251);
    return bytes;
}

} // namespace wintest
