// The data writer: the checks before a burn and the burn itself.
#include "platform/windows/imapi2_disc_service.h"

#include "platform/sleeplock.h"
#include "platform/windows/image_istream.h"
#include "platform/windows/imapi2_errors.h"
#include "platform/windows/imapi2_events.h"

#include <ocidl.h>

namespace pelimor {
namespace {

using imapi2::check;
using win::ComPtr;

IDiscRecorder2 *comRecorder(DiscRecorder &recorder)
{
    auto *ours = dynamic_cast<Imapi2DiscRecorder *>(&recorder);
    if (!ours || !ours->com())
        throw ServiceError("the recorder does not come from the Windows disc-burning service");
    return ours->com();
}

// Connects the progress sink to the writer's event source for one Write.
class EventConnection {
public:
    EventConnection(IDiscFormat2Data *format, imapi2::DataEventSink *sink) : m_sink(sink)
    {
        ComPtr<IConnectionPointContainer> container;
        check(format->QueryInterface(IID_IConnectionPointContainer, container.putVoid()),
              "The writer's progress reports could not be received");
        check(container->FindConnectionPoint(imapi2::iidDiscFormat2DataEvents, m_point.put()),
              "The writer's progress reports could not be received");
        check(m_point->Advise(static_cast<DDiscFormat2DataEvents *>(sink), &m_cookie),
              "The writer's progress reports could not be received");
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
    imapi2::DataEventSink *m_sink;
    ComPtr<IConnectionPoint> m_point;
    DWORD m_cookie = 0;
};

// Holds the Write flag up, and drops it on every way out.
class WritingFlag {
public:
    explicit WritingFlag(bool &flag) : m_flag(flag) { m_flag = true; }
    WritingFlag(const WritingFlag &) = delete;
    WritingFlag &operator=(const WritingFlag &) = delete;
    ~WritingFlag() { m_flag = false; }

private:
    bool &m_flag;
};

} // namespace

bool Imapi2DataWriter::IsRecorderSupported(DiscRecorder &recorder)
{
    VARIANT_BOOL supported = VARIANT_FALSE;
    check(m_format->IsRecorderSupported(comRecorder(recorder), &supported), "The recorder could not be checked");
    return supported != VARIANT_FALSE;
}

bool Imapi2DataWriter::IsCurrentMediaSupported(DiscRecorder &recorder)
{
    VARIANT_BOOL supported = VARIANT_FALSE;
    check(m_format->IsCurrentMediaSupported(comRecorder(recorder), &supported), "The disc could not be checked");
    return supported != VARIANT_FALSE;
}

void Imapi2DataWriter::put_Recorder(DiscRecorder &recorder)
{
    check(m_format->put_Recorder(comRecorder(recorder)), "The recorder could not be chosen for the burn");
}

MediaStatus Imapi2DataWriter::CurrentMediaStatus()
{
    IMAPI_FORMAT2_DATA_MEDIA_STATE state = IMAPI_FORMAT2_DATA_MEDIA_STATE_UNKNOWN;
    check(m_format->get_CurrentMediaStatus(&state), "The disc's state could not be read");
    return static_cast<MediaStatus>(state);
}

int Imapi2DataWriter::NextWritableAddress()
{
    LONG address = 0;
    check(m_format->get_NextWritableAddress(&address), "The disc's next writable address could not be read");
    return static_cast<int>(address);
}

void Imapi2DataWriter::put_ClientName(const std::string &name)
{
    const win::Bstr text(win::toWide(name));
    check(m_format->put_ClientName(text.get()), "The client name could not be set");
}

std::int64_t Imapi2DataWriter::FreeSectorsOnMedia()
{
    LONG sectors = 0;
    check(m_format->get_FreeSectorsOnMedia(&sectors), "The disc's free space could not be read");
    return sectors;
}

void Imapi2DataWriter::CancelWrite()
{
    if (m_writing)
        m_format->CancelWrite();
}

void Imapi2DataWriter::Write(ImageStream &stream)
{
    if (m_writing)
        throw ServiceError("a burn is already running with this writer");
    const WritingFlag writing(m_writing);
    m_lastWriteSucceeded = false;
    m_lastWriteVerified = false;

    // Read the disc back and compare it with the image after writing, so a
    // "complete" message means the disc holds the image (write action 7).
    ComPtr<IBurnVerification> verification;
    if (SUCCEEDED(m_format->QueryInterface(imapi2::iidBurnVerification, verification.putVoid())) && verification) {
        check(verification->put_BurnVerificationLevel(IMAPI_BURN_VERIFICATION_FULL),
              "Verification after the burn could not be switched on");
        m_lastWriteVerified = true;
    }

    auto image = ComPtr<win::ImageIStream>::adopt(win::ImageIStream::create(stream));
    auto sink = ComPtr<imapi2::DataEventSink>::adopt(
        imapi2::DataEventSink::create([this](const WriteProgress &progress) { raiseUpdate(progress); }));
    HRESULT hr = S_OK;
    {
        const EventConnection events(m_format.get(), sink.get());
        const auto awake = acquireSleepLock("Writing a disc");
        hr = m_format->Write(image.get());
    }
    // The service may keep its reference a little longer; it must not reach
    // the caller's stream once Write has returned.
    image->detach();

    if (FAILED(hr)) {
        if (!image->readError().empty())
            throw ServiceError("the image file could not be read: " + image->readError());
        throw ServiceError(imapi2::describeFailure("The burn failed", hr));
    }
    // A success reported before the recorder took every byte would be a
    // burn that silently dropped the end of the image.
    if (image->bytesDelivered() < stream.size())
        throw ServiceError("the burn stopped after " + std::to_string(image->bytesDelivered()) + " of " +
                           std::to_string(stream.size()) +
                           " bytes of the image, although the recorder reported "
                           "success");
    m_lastWriteSucceeded = true;
}

} // namespace pelimor
