// The disc-mastering service on Windows: Image Mastering API v2 itself.
//
// Each object is the service's own COM object, created by class identifier
// when the window asks for it and released with it. Every failing call is
// turned into a ServiceError whose text says what went wrong in words (see
// imapi2_errors.h). Plain C++ and COM, no Qt: the layer is cross-built and
// tested under Wine.
#pragma once

#include "platform/discservice.h"
#include "platform/windows/com_support.h"
#include "platform/windows/imapi2_decl.h"
#include "platform/windows/ui_thread.h"

#include <memory>

namespace pelimor {

namespace imapi2 {
struct StopRequest;
struct BurnOrder;
struct BurnOutcome;
} // namespace imapi2

class Imapi2DiscService : public DiscService {
public:
    // `ui` carries the burn's reports to the window's thread; without one,
    // a Win32 message loop of the creating thread does.
    explicit Imapi2DiscService(std::shared_ptr<win::UiThread> ui = nullptr);

    // Throws ServiceError when the service is not registered on this
    // computer (REGDB_E_CLASSNOTREG on Windows without IMAPI2, and on Wine).
    std::unique_ptr<DiscMaster> CreateDiscMaster() override;
    std::unique_ptr<DiscRecorder> CreateDiscRecorder() override;
    std::unique_ptr<DataWriter> CreateDataWriter() override;

private:
    win::ComApartment m_apartment;
    std::shared_ptr<win::UiThread> m_ui;
};

class Imapi2DiscMaster : public DiscMaster {
public:
    explicit Imapi2DiscMaster(win::ComPtr<IDiscMaster2> master) : m_master(std::move(master)) {}
    std::vector<std::string> RecorderIds() override;

private:
    win::ComPtr<IDiscMaster2> m_master;
};

class Imapi2DiscRecorder : public DiscRecorder {
public:
    explicit Imapi2DiscRecorder(win::ComPtr<IDiscRecorder2> recorder) : m_recorder(std::move(recorder)) {}

    void InitializeDiscRecorder(const std::string &recorderId) override;
    std::vector<int> SupportedProfiles() override;
    std::string VendorId() override;
    std::string ProductId() override;
    std::string ProductRevision() override;
    std::vector<std::string> VolumePathNames() override;
    void EjectMedia() override;
    // IMAPI2's Write takes the drive and gives it back by itself; this
    // recorder never holds it between calls, so there is nothing to let go.
    void ReleaseExclusiveAccess() override {}

    IDiscRecorder2 *com() const { return m_recorder.get(); }
    // What InitializeDiscRecorder opened: the burn thread opens it again.
    const std::wstring &id() const { return m_id; }

private:
    win::ComPtr<IDiscRecorder2> m_recorder;
    std::wstring m_id;
};

class Imapi2DataWriter : public DataWriter {
public:
    explicit Imapi2DataWriter(win::ComPtr<IDiscFormat2Data> format, std::shared_ptr<win::UiThread> ui = nullptr);
    ~Imapi2DataWriter() override;

    bool IsRecorderSupported(DiscRecorder &recorder) override;
    // An empty tray counts as unsupported media, as it did before Windows 7
    // (which reports it as an error instead).
    bool IsCurrentMediaSupported(DiscRecorder &recorder) override;
    void put_Recorder(DiscRecorder &recorder) override;
    // IMAPI2's bit set read as the windows expect it: Blank (2) or Blank |
    // Appendable (6) for a writable blank disc, never for one with data.
    // A disc still becoming ready is asked again for a few seconds.
    MediaStatus CurrentMediaStatus() override;
    int NextWritableAddress() override;
    void put_ClientName(const std::string &name) override;
    std::int64_t FreeSectorsOnMedia() override;
    MediaKind CurrentMediaKind() override;
    // Writes on a thread of its own with full verification, closing the
    // disc, keeping the computer awake and AutoPlay away meanwhile; the
    // calling (window's) thread keeps turning its events and receives
    // Update. Throws ServiceError on any failure, including a success
    // reported before the whole image was read.
    void Write(ImageStream &stream) override;
    bool LastWriteSucceeded() const override { return m_lastWriteSucceeded; }
    // Asks the next Update to call IMAPI2's CancelWrite; Write then fails
    // with "the burn was cancelled", or ends normally when it came too late.
    void CancelWrite() override;

    // False when this system's IMAPI2 has no read-back verification
    // (IBurnVerification), so the last Write was not verified.
    bool LastWriteVerified() const override { return m_lastWriteSucceeded && m_lastWriteVerified; }

    // Erase for a CD-RW or sequential DVD-RW with data that IMAPI2's eraser
    // takes, Overwrite for an overwrite-only disc (DVD+RW, DVD-RAM, BD-RE,
    // restricted-overwrite DVD-RW) the drive reports as written.
    MediaReuse CurrentMediaReuse() override;
    // A quick blank with IMAPI2's eraser, on a thread of its own as Write
    // is; its progress arrives as FormattingMedia.
    void EraseMedia() override;
    // Makes the used overwrite-only disc count as blank and has Write
    // start at its first sector.
    void put_ForceOverwrite(bool force) override;

private:
    HRESULT whileBecomingReady(const std::function<HRESULT()> &call);
    // Runs a burn or a blank on its thread while this thread turns its
    // events, keeping the computer awake and the session from ending.
    imapi2::BurnOutcome runOnServiceThread(imapi2::BurnOrder order, const char *why);

    win::ComPtr<IDiscFormat2Data> m_format;
    std::shared_ptr<win::UiThread> m_ui;
    win::ComPtr<IDiscRecorder2> m_recorder;
    std::wstring m_recorderId;
    std::wstring m_clientName;
    std::shared_ptr<imapi2::StopRequest> m_stop; // set while a Write runs
    bool m_lastWriteSucceeded = false;
    bool m_lastWriteVerified = false;
    bool m_forceOverwrite = false;
};

} // namespace pelimor
