// The data writer: the checks before a burn and the burn itself.
#include "platform/windows/imapi2_disc_service.h"

#include "platform/sleeplock.h"
#include "platform/windows/end_session.h"
#include "platform/windows/image_istream.h"
#include "platform/windows/imapi2_burn.h"
#include "platform/windows/imapi2_errors.h"

namespace pelimor {
namespace {

using imapi2::check;
using win::ComPtr;

constexpr HRESULT becomingReady = static_cast<HRESULT>(0xC0AA0205L); // E_IMAPI_RECORDER_MEDIA_BECOMING_READY
constexpr HRESULT noMedia = static_cast<HRESULT>(0xC0AA0202L);       // E_IMAPI_RECORDER_MEDIA_NO_MEDIA
constexpr DWORD becomingReadyPatienceMs = 6000;

// The bits that make a disc unusable for this burn whatever else is set.
constexpr long unsupportedBits = 0xFC00;
constexpr long overwriteOnly = IMAPI_FORMAT2_DATA_MEDIA_STATE_OVERWRITE_ONLY;

Imapi2DiscRecorder &ourRecorder(DiscRecorder &recorder)
{
    auto *ours = dynamic_cast<Imapi2DiscRecorder *>(&recorder);
    if (!ours || !ours->com())
        throw ServiceError("the recorder does not come from the Windows disc-burning service");
    return *ours;
}

// Holds the Write flag up, and drops it on every way out.
class RunningWrite {
public:
    RunningWrite(std::shared_ptr<imapi2::StopRequest> &slot) : m_slot(slot)
    {
        m_slot = std::make_shared<imapi2::StopRequest>();
    }
    RunningWrite(const RunningWrite &) = delete;
    RunningWrite &operator=(const RunningWrite &) = delete;
    ~RunningWrite() { m_slot.reset(); }
    const std::shared_ptr<imapi2::StopRequest> &stop() const { return m_slot; }

private:
    std::shared_ptr<imapi2::StopRequest> &m_slot;
};

} // namespace

Imapi2DataWriter::Imapi2DataWriter(ComPtr<IDiscFormat2Data> format, std::shared_ptr<win::UiThread> ui)
    : m_format(std::move(format)), m_ui(ui ? std::move(ui) : win::createMessageLoopUiThread())
{
}

Imapi2DataWriter::~Imapi2DataWriter() = default;

HRESULT Imapi2DataWriter::whileBecomingReady(const std::function<HRESULT()> &call)
{
    const DWORD start = GetTickCount();
    HRESULT hr = call();
    while (hr == becomingReady && GetTickCount() - start < becomingReadyPatienceMs) {
        // A tray just closed: the drive is still spinning the disc up. The
        // window stays alive meanwhile.
        const DWORD until = GetTickCount() + 250;
        m_ui->runUntil([until] { return static_cast<LONG>(GetTickCount() - until) >= 0; });
        hr = call();
    }
    return hr;
}

bool Imapi2DataWriter::IsRecorderSupported(DiscRecorder &recorder)
{
    VARIANT_BOOL supported = VARIANT_FALSE;
    check(m_format->IsRecorderSupported(ourRecorder(recorder).com(), &supported), "The recorder could not be checked");
    return supported != VARIANT_FALSE;
}

bool Imapi2DataWriter::IsCurrentMediaSupported(DiscRecorder &recorder)
{
    IDiscRecorder2 *com = ourRecorder(recorder).com();
    VARIANT_BOOL supported = VARIANT_FALSE;
    const HRESULT hr = whileBecomingReady([&] { return m_format->IsCurrentMediaSupported(com, &supported); });
    if (hr == noMedia)
        return false;
    check(hr, "The disc could not be checked");
    return supported != VARIANT_FALSE;
}

void Imapi2DataWriter::put_Recorder(DiscRecorder &recorder)
{
    Imapi2DiscRecorder &ours = ourRecorder(recorder);
    check(m_format->put_Recorder(ours.com()), "The recorder could not be chosen for the burn");
    ours.com()->AddRef();
    m_recorder = ComPtr<IDiscRecorder2>::adopt(ours.com());
    m_recorderId = ours.id();
}

MediaStatus Imapi2DataWriter::CurrentMediaStatus()
{
    IMAPI_FORMAT2_DATA_MEDIA_STATE state = IMAPI_FORMAT2_DATA_MEDIA_STATE_UNKNOWN;
    check(whileBecomingReady([&] { return m_format->get_CurrentMediaStatus(&state); }),
          "The disc's state could not be read");
    const long bits = static_cast<long>(state);
    // Damaged, erase required, write-protected, closed, unsupported: passed
    // on as they are, so the user sees the same refusal as ever.
    if (bits & unsupportedBits)
        return static_cast<MediaStatus>(bits & ~overwriteOnly);
    if (bits & overwriteOnly) {
        // The user agreed to lose what it holds.
        if (m_forceOverwrite)
            return MediaStatus::Blank;
        // A rewritable disc written in place (DVD+RW, DVD-RAM, BD-RE,
        // restricted-overwrite DVD-RW) always says "blank" and offers its
        // whole capacity, used or not. IMAPI2's own blank test only looks
        // for zeros at the start and the end, so it alone would let a used
        // disc be overwritten: only a disc the drive itself reports as
        // never written counts as blank.
        VARIANT_BOOL physicallyBlank = VARIANT_FALSE;
        const HRESULT hr = whileBecomingReady([&] { return m_format->get_MediaPhysicallyBlank(&physicallyBlank); });
        if (SUCCEEDED(hr) && physicallyBlank != VARIANT_FALSE)
            return MediaStatus::Blank;
        return MediaStatus::NonEmptySession;
    }
    // Blank write-once discs (and erased CD-RWs): only the two bits the
    // windows look for, so a "final session" remark does not refuse a
    // blank disc. A disc with data keeps its other bits and is refused.
    if (bits & IMAPI_FORMAT2_DATA_MEDIA_STATE_BLANK)
        return static_cast<MediaStatus>(
            bits & (IMAPI_FORMAT2_DATA_MEDIA_STATE_BLANK | IMAPI_FORMAT2_DATA_MEDIA_STATE_APPENDABLE));
    return static_cast<MediaStatus>(bits);
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
    m_clientName = win::toWide(name);
}

std::int64_t Imapi2DataWriter::FreeSectorsOnMedia()
{
    LONG sectors = 0;
    check(m_format->get_FreeSectorsOnMedia(&sectors), "The disc's free space could not be read");
    return sectors;
}

MediaKind Imapi2DataWriter::CurrentMediaKind()
{
    // Only the unit of the speed shown depends on it: a service that cannot
    // tell costs nothing but the "x".
    IMAPI_MEDIA_PHYSICAL_TYPE type = IMAPI_MEDIA_TYPE_UNKNOWN;
    if (FAILED(m_format->get_CurrentPhysicalMediaType(&type)))
        return MediaKind::Unknown;
    // IMAPI_MEDIA_TYPE_*: 1-3 CD, 4-11 and 13 DVD (12 is a disk), 17-19 BD;
    // HD DVD (14-16) has a 1x of its own.
    const int value = static_cast<int>(type);
    if (value >= 1 && value <= 3)
        return MediaKind::CD;
    if ((value >= 4 && value <= 11) || value == 13)
        return MediaKind::DVD;
    if (value >= 17 && value <= 19)
        return MediaKind::BD;
    return MediaKind::Unknown;
}

void Imapi2DataWriter::CancelWrite()
{
    if (m_stop)
        m_stop->wanted = true;
}

imapi2::BurnOutcome Imapi2DataWriter::runOnServiceThread(imapi2::BurnOrder order, const char *why)
{
    order.recorderId = m_recorderId;
    order.clientName = m_clientName.empty() ? std::wstring(L"Pelimor ISO Burn") : m_clientName;
    // Reports queued for the window but not yet delivered when the job
    // returns are dropped: the window has moved on by then.
    auto open = std::make_shared<bool>(true);
    order.deliver = [this, ui = m_ui, open](const WriteProgress &progress) {
        ui->post([this, open, progress] {
            if (*open)
                raiseUpdate(progress);
        });
    };
    imapi2::BurnOutcome outcome;
    {
        const win::EndSessionBlock noLogoff;
        // Held by the window's thread, which outlives the job's thread and
        // gets the computer's state back as it found it.
        const auto awake = acquireSleepLock(why);
        const imapi2::BurnThread job(std::move(order));
        m_ui->runUntil([&] { return job.finished(); });
        outcome = job.outcome();
    }
    *open = false;
    return outcome;
}

MediaReuse Imapi2DataWriter::CurrentMediaReuse()
{
    IMAPI_FORMAT2_DATA_MEDIA_STATE state = IMAPI_FORMAT2_DATA_MEDIA_STATE_UNKNOWN;
    if (FAILED(whileBecomingReady([&] { return m_format->get_CurrentMediaStatus(&state); })))
        return MediaReuse::None;
    const long bits = static_cast<long>(state);
    // A damaged, write-protected or unknown disc is not offered for reuse.
    constexpr long unusable = IMAPI_FORMAT2_DATA_MEDIA_STATE_DAMAGED | IMAPI_FORMAT2_DATA_MEDIA_STATE_WRITE_PROTECTED |
                              IMAPI_FORMAT2_DATA_MEDIA_STATE_UNSUPPORTED_MEDIA;
    if (bits & unusable)
        return MediaReuse::None;
    if (bits & overwriteOnly) {
        VARIANT_BOOL physicallyBlank = VARIANT_FALSE;
        const HRESULT hr = whileBecomingReady([&] { return m_format->get_MediaPhysicallyBlank(&physicallyBlank); });
        return SUCCEEDED(hr) && physicallyBlank != VARIANT_FALSE ? MediaReuse::None : MediaReuse::Overwrite;
    }
    if (bits & IMAPI_FORMAT2_DATA_MEDIA_STATE_BLANK)
        return MediaReuse::None;
    // Only a rewritable disc: a CD-R or DVD-R with data is never offered,
    // whatever an eraser would claim.
    IMAPI_MEDIA_PHYSICAL_TYPE type = IMAPI_MEDIA_TYPE_UNKNOWN;
    if (FAILED(m_format->get_CurrentPhysicalMediaType(&type)))
        return MediaReuse::None;
    if (static_cast<int>(type) != imapi2::mediaTypeCdRw && static_cast<int>(type) != imapi2::mediaTypeDvdDashRw)
        return MediaReuse::None;
    // And only when this recorder's eraser takes the disc.
    ComPtr<IDiscFormat2Erase> eraser;
    if (!m_recorder ||
        FAILED(CoCreateInstance(imapi2::clsidDiscFormat2Erase, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                imapi2::iidDiscFormat2Erase, eraser.putVoid())) ||
        !eraser)
        return MediaReuse::None;
    VARIANT_BOOL supported = VARIANT_FALSE;
    if (FAILED(eraser->IsCurrentMediaSupported(m_recorder.get(), &supported)) || supported == VARIANT_FALSE)
        return MediaReuse::None;
    return MediaReuse::Erase;
}

void Imapi2DataWriter::EraseMedia()
{
    if (m_stop)
        throw ServiceError("a burn is already running with this writer");
    if (m_recorderId.empty())
        throw ServiceError("The disc could not be erased: " +
                           imapi2::describeHresult(static_cast<HRESULT>(0xC0AA0003L)));
    imapi2::BurnOrder order;
    order.job = imapi2::BurnOrder::Job::Erase;
    const imapi2::BurnOutcome outcome = runOnServiceThread(std::move(order), "Erasing a disc");
    if (!outcome.setupError.empty())
        throw ServiceError(outcome.setupError);
    if (FAILED(outcome.writeResult))
        throw ServiceError(imapi2::describeFailure("The disc could not be erased", outcome.writeResult));
}

void Imapi2DataWriter::put_ForceOverwrite(bool force)
{
    check(m_format->put_ForceOverwrite(force ? VARIANT_TRUE : VARIANT_FALSE),
          "The disc could not be set to be written over");
    m_forceOverwrite = force;
}

void Imapi2DataWriter::Write(ImageStream &stream)
{
    if (m_stop)
        throw ServiceError("a burn is already running with this writer");
    if (m_recorderId.empty())
        throw ServiceError("The burn failed: " + imapi2::describeHresult(static_cast<HRESULT>(0xC0AA0003L)));
    const RunningWrite running(m_stop);
    m_lastWriteSucceeded = false;
    m_lastWriteVerified = false;

    auto image = ComPtr<win::ImageIStream>::adopt(win::ImageIStream::create(stream));
    imapi2::BurnOrder order;
    order.image = image.get();
    order.forceOverwrite = m_forceOverwrite;
    order.stop = running.stop();
    const imapi2::BurnOutcome outcome = runOnServiceThread(std::move(order), "Writing a disc");
    // The service may keep its reference a little longer; it must not reach
    // the caller's stream once Write has returned.
    image->detach();

    if (!outcome.setupError.empty())
        throw ServiceError(outcome.setupError);
    if (FAILED(outcome.writeResult)) {
        if (!image->readError().empty())
            throw ServiceError("the image file could not be read: " + image->readError());
        throw ServiceError(imapi2::describeBurnFailure(outcome.writeResult, win::toUtf8(outcome.lockOwner)));
    }
    // A success reported before the recorder took every byte would be a
    // burn that silently dropped the end of the image.
    if (image->bytesDelivered() < stream.size())
        throw ServiceError("the burn stopped after " + std::to_string(image->bytesDelivered()) + " of " +
                           std::to_string(stream.size()) +
                           " bytes of the image, although the recorder reported "
                           "success");
    m_lastWriteSucceeded = true;
    m_lastWriteVerified = outcome.verified;
}

} // namespace pelimor
