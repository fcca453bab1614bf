#include "platform/windows/imapi2_burn.h"

#include "platform/windows/com_support.h"
#include "platform/windows/imapi2_errors.h"

#include <ocidl.h>

namespace pelimor::imapi2 {
namespace {

using win::ComPtr;

template <typename T> ComPtr<T> create(const CLSID &clsid, const IID &iid, const char *what)
{
    ComPtr<T> object;
    const HRESULT hr =
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, iid, object.putVoid());
    if (FAILED(hr) || !object)
        throw ServiceError(describeFailure(what, FAILED(hr) ? hr : E_NOINTERFACE));
    return object;
}

// Connects the progress sink to the writer's or eraser's event source for
// one job.
class EventConnection {
public:
    EventConnection(IUnknown *source, const IID &events, ProgressSink *sink) : m_sink(sink)
    {
        ComPtr<IConnectionPointContainer> container;
        check(source->QueryInterface(IID_IConnectionPointContainer, container.putVoid()),
              "The progress reports could not be received");
        check(container->FindConnectionPoint(events, m_point.put()), "The progress reports could not be received");
        check(m_point->Advise(static_cast<DDiscFormat2DataEvents *>(sink), &m_cookie),
              "The progress reports could not be received");
    }
    EventConnection(const EventConnection &) = delete;
    EventConnection &operator=(const EventConnection &) = delete;
    ~EventConnection()
    {
        if (m_point)
            m_point->Unadvise(m_cookie);
        m_sink->disconnect();
    }

private:
    ProgressSink *m_sink;
    ComPtr<IConnectionPoint> m_point;
    DWORD m_cookie = 0;
};

// Keeps AutoPlay and Explorer away from the disc while it is written and
// read back; media change notifications come back on every way out (the
// driver would restore them only when the program ends).
class MediaChangeNotificationsOff {
public:
    explicit MediaChangeNotificationsOff(IDiscRecorder2 *recorder)
        : m_recorder(recorder), m_off(SUCCEEDED(recorder->DisableMcn()))
    {
    }
    MediaChangeNotificationsOff(const MediaChangeNotificationsOff &) = delete;
    MediaChangeNotificationsOff &operator=(const MediaChangeNotificationsOff &) = delete;
    ~MediaChangeNotificationsOff()
    {
        if (m_off)
            m_recorder->EnableMcn();
    }

private:
    IDiscRecorder2 *m_recorder;
    bool m_off;
};

bool heldByAnother(HRESULT hr)
{
    return hr == E_ACCESSDENIED || hr == static_cast<HRESULT>(0xC0AA0210L); // E_IMAPI_RECORDER_LOCKED
}

} // namespace

BurnThread::BurnThread(BurnOrder order) : m_order(std::move(order))
{
    m_thread = CreateThread(nullptr, 0, &BurnThread::main, this, 0, nullptr);
    if (!m_thread)
        m_outcome.setupError = describeFailure("The burn could not be started", HRESULT_FROM_WIN32(GetLastError()));
}

BurnThread::~BurnThread()
{
    if (m_thread) {
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
    }
}

bool BurnThread::finished() const
{
    return !m_thread || WaitForSingleObject(m_thread, 0) == WAIT_OBJECT_0;
}

DWORD WINAPI BurnThread::main(void *self)
{
    static_cast<BurnThread *>(self)->run();
    return 0;
}

void BurnThread::run()
{
    const HRESULT apartment = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    try {
        check(apartment, "The burn could not be started");
        auto recorder = create<IDiscRecorder2>(clsidDiscRecorder2, iidDiscRecorder2,
                                               "The disc recorder object could not be created");
        const win::Bstr id(m_order.recorderId);
        check(recorder->InitializeDiscRecorder(id.get()), "The recorder could not be opened");
        if (m_order.job == BurnOrder::Job::Erase)
            erase(recorder.get());
        else
            write(recorder.get());
        if (heldByAnother(m_outcome.writeResult)) {
            win::Bstr owner;
            if (SUCCEEDED(recorder->get_ExclusiveAccessOwner(owner.put())))
                m_outcome.lockOwner = owner.str();
        }
    } catch (const std::exception &error) {
        m_outcome.setupError = error.what();
    }
    if (SUCCEEDED(apartment))
        CoUninitialize();
}

void BurnThread::write(IDiscRecorder2 *recorder)
{
    auto format = create<IDiscFormat2Data>(clsidDiscFormat2Data, iidDiscFormat2Data,
                                           "The disc writer object could not be created");
    check(format->put_Recorder(recorder), "The recorder could not be chosen for the burn");
    const win::Bstr client(m_order.clientName);
    check(format->put_ClientName(client.get()), "The client name could not be set");
    // Read the disc back and compare it with the image after writing, so
    // a "complete" message means the disc holds the image (action 7).
    ComPtr<IBurnVerification> verification;
    if (SUCCEEDED(format->QueryInterface(iidBurnVerification, verification.putVoid())) && verification) {
        check(verification->put_BurnVerificationLevel(IMAPI_BURN_VERIFICATION_FULL),
              "Verification after the burn could not be switched on");
        m_outcome.verified = true;
    }
    // IMAPI2 leaves a disc open for more sessions unless told; an image
    // burner's disc is finished, as every other player expects it.
    check(format->put_ForceMediaToBeClosed(VARIANT_TRUE), "The disc could not be set to be closed after the burn");
    // Without it IMAPI2 would add the image behind the file system it
    // finds on a used DVD+RW instead of writing the disc from its start.
    if (m_order.forceOverwrite)
        check(format->put_ForceOverwrite(VARIANT_TRUE), "The disc could not be set to be written over");

    auto sink = ComPtr<ProgressSink>::adopt(ProgressSink::create(m_order.deliver, m_order.stop));
    const MediaChangeNotificationsOff quiet(recorder);
    const EventConnection events(format.get(), iidDiscFormat2DataEvents, sink.get());
    m_outcome.writeResult = format->Write(m_order.image);
}

void BurnThread::erase(IDiscRecorder2 *recorder)
{
    auto eraser = create<IDiscFormat2Erase>(clsidDiscFormat2Erase, iidDiscFormat2Erase,
                                            "The disc eraser object could not be created");
    check(eraser->put_Recorder(recorder), "The recorder could not be chosen for the erase");
    const win::Bstr client(m_order.clientName);
    check(eraser->put_ClientName(client.get()), "The client name could not be set");
    // The quick blank: the disc's data becomes unreadable in a minute or
    // two, where a full one writes the whole disc for as long as a burn.
    check(eraser->put_FullErase(VARIANT_FALSE), "The quick erase could not be chosen");

    // Blanking cannot be cancelled: the sink gets no stop request.
    auto sink = ComPtr<ProgressSink>::adopt(ProgressSink::create(m_order.deliver));
    const MediaChangeNotificationsOff quiet(recorder);
    const EventConnection events(eraser.get(), iidDiscFormat2EraseEvents, sink.get());
    m_outcome.writeResult = eraser->EraseMedia();
}

} // namespace pelimor::imapi2
