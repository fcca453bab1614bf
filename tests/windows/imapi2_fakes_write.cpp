// The stand-ins' Write, CancelWrite and class registration.
#include "imapi2_fakes.h"

#include <cstring>

namespace fakes {
namespace {

constexpr HRESULT requestCancelled = static_cast<HRESULT>(0xC0AA0002L);
constexpr HRESULT verificationFailed = static_cast<HRESULT>(0xC0AA0007L);

struct WriteCall {
    Format *format;
    IStream *data;
    HRESULT result = E_FAIL;
};

DWORD WINAPI serviceThread(void *parameter)
{
    auto *call = static_cast<WriteCall *>(parameter);
    call->result = call->format->writeOnServiceThread(call->data);
    return 0;
}

// FNV-1a over what a pass read, to compare the verifying pass with the first.
void mix(std::uint64_t &hash, const char *bytes, ULONG count)
{
    for (ULONG i = 0; i < count; ++i)
        hash = (hash ^ static_cast<unsigned char>(bytes[i])) * 1099511628211ull;
}

HRESULT seekTo(IStream *data, std::uint64_t offset)
{
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(offset);
    return data->Seek(to, STREAM_SEEK_SET, nullptr);
}

} // namespace

HRESULT Format::Write(IStream *data)
{
    if (writeWith)
        return writeWith(*this, data);
    // Synchronous, and nothing more: the caller's thread sits in a wait
    // that lets none of its window messages through.
    writeCaller = GetCurrentThreadId();
    WriteCall call{this, data};
    HANDLE thread = CreateThread(nullptr, 0, serviceThread, &call, 0, nullptr);
    if (!thread)
        return E_OUTOFMEMORY;
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return call.result;
}

HRESULT Format::writeOnServiceThread(IStream *data)
{
    writeThread = GetCurrentThreadId();
    cancelled = false;
    STATSTG stat{};
    if (FAILED(data->Stat(&stat, STATFLAG_NONAME)))
        return E_INVALIDARG;
    streamSize = stat.cbSize.QuadPart;
    std::vector<char> chunk(64 * 1024);
    std::uint64_t written = 14695981039346656037ull;
    bool duringDone = false;
    while (bytesRead < readLimit) {
        ULONG got = 0;
        const HRESULT hr = data->Read(chunk.data(), static_cast<ULONG>(chunk.size()), &got);
        if (FAILED(hr))
            return hr;
        bytesRead += got;
        mix(written, chunk.data(), got);
        if (!duringDone && during) {
            duringDone = true;
            during(*this);
        }
        if (cancelled)
            return requestCancelled;
        if (got < chunk.size())
            break;
    }
    if (FAILED(writeResult) || verification != IMAPI_BURN_VERIFICATION_FULL || bytesRead < streamSize)
        return writeResult;
    // Sampled sectors first, from the end backwards, then the whole image.
    for (std::uint64_t sector = streamSize / 2048; sector-- > 0 && verifySeeks < 3; sector /= 2) {
        ULONG got = 0;
        if (FAILED(seekTo(data, sector * 2048)) || FAILED(data->Read(chunk.data(), 2048, &got)) || got != 2048)
            return verificationFailed;
        ++verifySeeks;
    }
    if (FAILED(seekTo(data, 0)))
        return verificationFailed;
    std::uint64_t reread = 14695981039346656037ull, total = 0;
    for (;;) {
        ULONG got = 0;
        if (FAILED(data->Read(chunk.data(), static_cast<ULONG>(chunk.size()), &got)))
            return verificationFailed;
        mix(reread, chunk.data(), got);
        total += got;
        if (got < chunk.size())
            break;
    }
    return total == streamSize && reread == written ? writeResult : verificationFailed;
}

HRESULT Format::CancelWrite()
{
    if (GetCurrentThreadId() != updateThread) {
        // Outside the Update handler IMAPI2 does not promise anything.
        ++ignoredCancels;
        return S_OK;
    }
    ++cancels;
    if (cancelTakesEffect)
        cancelled = true;
    return S_OK;
}

Registration::Registration(const CLSID &clsid, IUnknown *object) : m_clsid(clsid), m_object(object)
{
    if (FAILED(CoRegisterClassObject(clsid, static_cast<IClassFactory *>(this), CLSCTX_INPROC_SERVER,
                                     REGCLS_MULTIPLEUSE, &m_cookie)))
        m_cookie = 0;
    m_mtaReady = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_mtaStop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_mtaThread = CreateThread(nullptr, 0, inMultithreadedApartment, this, 0, nullptr);
    if (m_mtaThread)
        WaitForSingleObject(m_mtaReady, 5000);
}

DWORD WINAPI Registration::inMultithreadedApartment(void *self)
{
    auto *r = static_cast<Registration *>(self);
    const HRESULT apartment = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (FAILED(CoRegisterClassObject(r->m_clsid, static_cast<IClassFactory *>(r), CLSCTX_INPROC_SERVER,
                                     REGCLS_MULTIPLEUSE, &r->m_mtaCookie)))
        r->m_mtaCookie = 0;
    SetEvent(r->m_mtaReady);
    WaitForSingleObject(r->m_mtaStop, INFINITE);
    if (r->m_mtaCookie)
        CoRevokeClassObject(r->m_mtaCookie);
    if (SUCCEEDED(apartment))
        CoUninitialize();
    return 0;
}

Registration::~Registration()
{
    if (m_cookie)
        CoRevokeClassObject(m_cookie);
    if (m_mtaThread) {
        SetEvent(m_mtaStop);
        WaitForSingleObject(m_mtaThread, INFINITE);
        CloseHandle(m_mtaThread);
    }
    CloseHandle(m_mtaReady);
    CloseHandle(m_mtaStop);
}

void *Registration::find(REFIID iid)
{
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory))
        return static_cast<IClassFactory *>(this);
    return nullptr;
}

HRESULT Registration::CreateInstance(IUnknown *outer, REFIID iid, void **object)
{
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    return m_object->QueryInterface(iid, object);
}

} // namespace fakes
