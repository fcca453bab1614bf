#include "platform/windows/image_istream.h"

#include "platform/windows/com_support.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace pelimor::win {
namespace {

constexpr std::int64_t copyChunk = 1 << 20;

} // namespace

struct ImageIStream::Shared {
    explicit Shared(ImageStream *s) : stream(s) { InitializeCriticalSection(&lock); }
    Shared(const Shared &) = delete;
    Shared &operator=(const Shared &) = delete;
    ~Shared() { DeleteCriticalSection(&lock); }

    CRITICAL_SECTION lock;
    ImageStream *stream;          // null once detached
    std::int64_t underlying = -1; // where the stream actually is; unknown at first
    std::int64_t highWater = 0;
    std::string readError;
};

namespace {

class Locked {
public:
    explicit Locked(CRITICAL_SECTION &lock) : m_lock(lock) { EnterCriticalSection(&m_lock); }
    Locked(const Locked &) = delete;
    Locked &operator=(const Locked &) = delete;
    ~Locked() { LeaveCriticalSection(&m_lock); }

private:
    CRITICAL_SECTION &m_lock;
};

} // namespace

ImageIStream *ImageIStream::create(ImageStream &stream)
{
    return new ImageIStream(std::make_shared<Shared>(&stream));
}

ImageIStream::ImageIStream(std::shared_ptr<Shared> shared) : m_shared(std::move(shared))
{
    // Without the marshaler the object still works, only through proxies.
    if (FAILED(CoCreateFreeThreadedMarshaler(static_cast<IStream *>(this), &m_marshaler)))
        m_marshaler = nullptr;
}

ImageIStream::~ImageIStream()
{
    if (m_marshaler)
        m_marshaler->Release();
}

void ImageIStream::detach()
{
    const Locked locked(m_shared->lock);
    m_shared->stream = nullptr;
}

std::int64_t ImageIStream::bytesDelivered() const
{
    const Locked locked(m_shared->lock);
    return m_shared->highWater;
}

std::string ImageIStream::readError() const
{
    const Locked locked(m_shared->lock);
    return m_shared->readError;
}

HRESULT ImageIStream::QueryInterface(REFIID iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IStream) || IsEqualIID(iid, IID_ISequentialStream)) {
        *object = static_cast<IStream *>(this);
        AddRef();
        return S_OK;
    }
    if (IsEqualIID(iid, IID_IMarshal) && m_marshaler)
        return m_marshaler->QueryInterface(iid, object);
    return E_NOINTERFACE;
}

ULONG ImageIStream::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_refs));
}

ULONG ImageIStream::Release()
{
    const LONG left = InterlockedDecrement(&m_refs);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT ImageIStream::Read(void *buffer, ULONG count, ULONG *read)
{
    if (read)
        *read = 0;
    if (!buffer)
        return STG_E_INVALIDPOINTER;
    Shared &s = *m_shared;
    const Locked locked(s.lock);
    if (!s.stream)
        return E_UNEXPECTED;
    ULONG done = 0;
    try {
        if (m_position < s.stream->size()) {
            if (s.underlying != m_position) {
                s.stream->seek(m_position);
                s.underlying = m_position;
            }
            auto *bytes = static_cast<char *>(buffer);
            while (done < count) {
                const std::int64_t got = s.stream->read(bytes + done, static_cast<std::int64_t>(count - done));
                if (got <= 0)
                    break;
                done += static_cast<ULONG>(got);
                s.underlying += got;
            }
            m_position = s.underlying;
            s.highWater = std::max(s.highWater, m_position);
        }
    } catch (const std::exception &error) {
        // Nothing may leave a COM method by exception: keep the reason for
        // the writer's message and report a read fault.
        s.readError = error.what();
        s.underlying = -1; // unknown: the next read seeks first
        if (read)
            *read = done;
        return STG_E_READFAULT;
    }
    if (read)
        *read = done;
    // Fewer bytes than asked for is how a stream says it has ended.
    return done < count ? S_FALSE : S_OK;
}

HRESULT ImageIStream::Write(const void *, ULONG, ULONG *written)
{
    if (written)
        *written = 0;
    return STG_E_ACCESSDENIED;
}

HRESULT ImageIStream::Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER *newPosition)
{
    const Locked locked(m_shared->lock);
    if (!m_shared->stream)
        return E_UNEXPECTED;
    std::int64_t base = 0;
    switch (origin) {
    case STREAM_SEEK_SET:
        break;
    case STREAM_SEEK_CUR:
        base = m_position;
        break;
    case STREAM_SEEK_END:
        base = m_shared->stream->size();
        break;
    default:
        return STG_E_INVALIDFUNCTION;
    }
    const std::int64_t target = base + move.QuadPart;
    if (target < 0)
        return STG_E_INVALIDFUNCTION;
    // Only the position moves here; the file follows on the next Read, so a
    // Seek(0, END) to learn the size costs nothing.
    m_position = target;
    if (newPosition)
        newPosition->QuadPart = static_cast<ULONGLONG>(target);
    return S_OK;
}

HRESULT ImageIStream::SetSize(ULARGE_INTEGER)
{
    return STG_E_ACCESSDENIED;
}

HRESULT ImageIStream::CopyTo(IStream *target, ULARGE_INTEGER count, ULARGE_INTEGER *read, ULARGE_INTEGER *written)
{
    if (!target)
        return STG_E_INVALIDPOINTER;
    std::vector<char> chunk(static_cast<std::size_t>(copyChunk));
    ULONGLONG totalRead = 0;
    ULONGLONG totalWritten = 0;
    HRESULT hr = S_OK;
    while (totalRead < count.QuadPart) {
        const ULONG want = static_cast<ULONG>(std::min<ULONGLONG>(chunk.size(), count.QuadPart - totalRead));
        ULONG got = 0;
        hr = Read(chunk.data(), want, &got);
        if (FAILED(hr) || got == 0)
            break;
        totalRead += got;
        ULONG put = 0;
        hr = target->Write(chunk.data(), got, &put);
        totalWritten += put;
        if (FAILED(hr))
            break;
    }
    if (read)
        read->QuadPart = totalRead;
    if (written)
        written->QuadPart = totalWritten;
    return FAILED(hr) ? hr : S_OK;
}

HRESULT ImageIStream::Commit(DWORD)
{
    return S_OK; // nothing is ever written
}

HRESULT ImageIStream::Revert()
{
    return S_OK;
}

HRESULT ImageIStream::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD)
{
    return STG_E_INVALIDFUNCTION;
}

HRESULT ImageIStream::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD)
{
    return STG_E_INVALIDFUNCTION;
}

HRESULT ImageIStream::Stat(STATSTG *stat, DWORD flags)
{
    if (!stat)
        return STG_E_INVALIDPOINTER;
    const Locked locked(m_shared->lock);
    ImageStream *stream = m_shared->stream;
    if (!stream)
        return E_UNEXPECTED;
    std::memset(stat, 0, sizeof *stat);
    stat->type = STGTY_STREAM;
    stat->cbSize.QuadPart = static_cast<ULONGLONG>(stream->size());
    stat->grfMode = STGM_READ | STGM_SHARE_DENY_WRITE;
    if (!(flags & STATFLAG_NONAME)) {
        const std::wstring name = toWide(stream->path());
        auto *copy = static_cast<wchar_t *>(CoTaskMemAlloc((name.size() + 1) * sizeof(wchar_t)));
        if (!copy)
            return STG_E_INSUFFICIENTMEMORY;
        std::memcpy(copy, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
        stat->pwcsName = copy;
    }
    return S_OK;
}

HRESULT ImageIStream::Clone(IStream **clone)
{
    if (!clone)
        return STG_E_INVALIDPOINTER;
    *clone = nullptr;
    {
        const Locked locked(m_shared->lock);
        if (!m_shared->stream)
            return E_UNEXPECTED;
    }
    // Its own position over the same image: each read seeks to it.
    auto *copy = new ImageIStream(m_shared);
    copy->m_position = m_position;
    *clone = copy;
    return S_OK;
}

} // namespace pelimor::win
