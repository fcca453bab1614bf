#include "service_burn.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace fakes {
namespace {

constexpr HRESULT requestCancelled = static_cast<HRESULT>(0xC0AA0002L);
constexpr HRESULT verificationFailed = static_cast<HRESULT>(0xC0AA0007L);
constexpr LONG sectorBytes = 2048;
constexpr ULONG chunkBytes = 32 * sectorBytes;

using Clock = std::chrono::steady_clock;

class DiscFile {
public:
    explicit DiscFile(const std::wstring &path)
    {
        if (!path.empty())
            m_handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    DiscFile(const DiscFile &) = delete;
    DiscFile &operator=(const DiscFile &) = delete;
    ~DiscFile()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    bool failed(const std::wstring &path) const { return !path.empty() && m_handle == INVALID_HANDLE_VALUE; }
    bool write(const char *bytes, ULONG count)
    {
        DWORD done = 0;
        return m_handle == INVALID_HANDLE_VALUE || (WriteFile(m_handle, bytes, count, &done, nullptr) && done == count);
    }
    // Reads back what was written at `offset`; true when there is no file.
    bool same(std::uint64_t offset, const char *bytes, ULONG count)
    {
        if (m_handle == INVALID_HANDLE_VALUE)
            return true;
        std::vector<char> back(count);
        LARGE_INTEGER at;
        at.QuadPart = static_cast<LONGLONG>(offset);
        DWORD done = 0;
        return SetFilePointerEx(m_handle, at, nullptr, FILE_BEGIN) &&
               ReadFile(m_handle, back.data(), count, &done, nullptr) && done == count &&
               std::equal(back.begin(), back.end(), bytes);
    }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

// The service's worker: everything Write does once it has handed over.
class Burner {
public:
    Burner(const ServiceBurn &how, Format &format, IStream *image) : m_how(how), m_format(format), m_image(image) {}

    HRESULT run()
    {
        DiscFile disc(m_how.disc);
        if (disc.failed(m_how.disc))
            return HRESULT_FROM_WIN32(GetLastError());
        const std::uint64_t size = m_format.streamSize;
        m_args.sectors = static_cast<LONG>((size + sectorBytes - 1) / sectorBytes);
        m_args.start = m_format.nextWritable;
        m_args.total = static_cast<LONG>(m_how.writeMilliseconds / 1000 + 1);
        for (const LONG action : {0, 2, 3})
            if (update(action, 0))
                return requestCancelled;

        std::vector<char> chunk(chunkBytes);
        const auto began = Clock::now();
        auto lastReport = began;
        while (m_format.bytesRead < size) {
            const bool halfway = m_format.bytesRead >= size / 2;
            if (halfway && m_how.fault == ServiceBurn::Fault::StopHalfway)
                break;
            if (halfway && m_how.fault == ServiceBurn::Fault::WriteError)
                return m_how.writeError;
            ULONG got = 0;
            const HRESULT hr = m_image->Read(chunk.data(), chunkBytes, &got);
            if (FAILED(hr))
                return hr;
            if (got == 0)
                break;
            if (!disc.write(chunk.data(), got))
                return HRESULT_FROM_WIN32(GetLastError());
            m_format.bytesRead += got;
            // Paced like a recorder: the whole image in writeMilliseconds.
            const auto due = began + std::chrono::milliseconds(m_how.writeMilliseconds * m_format.bytesRead / size);
            std::this_thread::sleep_until(due);
            if (Clock::now() - lastReport >= std::chrono::milliseconds(250) || m_format.bytesRead >= size) {
                lastReport = Clock::now();
                if (update(4, static_cast<LONG>((m_format.bytesRead + sectorBytes - 1) / sectorBytes)))
                    return requestCancelled;
            }
        }
        const LONG written = static_cast<LONG>((m_format.bytesRead + sectorBytes - 1) / sectorBytes);
        if (update(5, written))
            return requestCancelled;
        if (m_format.verification != IMAPI_BURN_VERIFICATION_NONE && m_how.fault != ServiceBurn::Fault::StopHalfway) {
            if (update(7, written))
                return requestCancelled;
            const HRESULT hr = verify(disc, chunk);
            if (hr != S_OK)
                return hr;
        }
        update(6, written);
        return S_OK;
    }

private:
    // Reads the image again from its start, as the service's read-back does.
    HRESULT verify(DiscFile &disc, std::vector<char> &chunk)
    {
        LARGE_INTEGER start{};
        HRESULT hr = m_image->Seek(start, STREAM_SEEK_SET, nullptr);
        if (FAILED(hr))
            return hr;
        const auto began = Clock::now();
        for (std::uint64_t offset = 0; offset < m_format.bytesRead;) {
            std::this_thread::sleep_until(
                began + std::chrono::milliseconds(m_how.verifyMilliseconds * offset / m_format.bytesRead));
            ULONG got = 0;
            hr = m_image->Read(chunk.data(), chunkBytes, &got);
            if (FAILED(hr))
                return hr;
            if (got == 0 || !disc.same(offset, chunk.data(), got))
                return verificationFailed;
            offset += got;
        }
        return S_OK;
    }

    // Raises one Update; true when the handler asked to stop from inside it.
    bool update(LONG action, LONG written)
    {
        m_args.action = action;
        m_args.lastWritten = m_args.start + written;
        m_args.elapsed =
            static_cast<LONG>(std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - m_started).count());
        m_args.remaining = m_args.total > m_args.elapsed ? m_args.total - m_args.elapsed : 0;
        if (m_how.fault == ServiceBurn::Fault::DropUpdates)
            return false;
        m_format.raise(m_args);
        return m_format.cancelled;
    }

    const ServiceBurn &m_how;
    Format &m_format;
    IStream *m_image;
    EventArgs m_args;
    const Clock::time_point m_started = Clock::now();
};

} // namespace

HRESULT ServiceBurn::operator()(Format &format, IStream *image) const
{
    STATSTG stat{};
    if (!image || FAILED(image->Stat(&stat, STATFLAG_NONAME)))
        return E_INVALIDARG;
    format.streamSize = stat.cbSize.QuadPart;
    format.bytesRead = 0;
    format.cancelled = false;
    format.writeCaller = GetCurrentThreadId();
    HRESULT result = E_UNEXPECTED;
    std::thread worker([&] {
        const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        result = Burner(*this, format, image).run();
        if (SUCCEEDED(com))
            CoUninitialize();
    });
    // The caller waits without pumping its messages, as it does in the
    // service's Write.
    worker.join();
    return result;
}

} // namespace fakes
