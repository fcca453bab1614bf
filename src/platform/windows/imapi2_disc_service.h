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

namespace pelimor {

class Imapi2DiscService : public DiscService {
public:
    // Throws ServiceError when the service is not registered on this
    // computer (REGDB_E_CLASSNOTREG on Windows without IMAPI2, and on Wine).
    std::unique_ptr<DiscMaster> CreateDiscMaster() override;
    std::unique_ptr<DiscRecorder> CreateDiscRecorder() override;
    std::unique_ptr<DataWriter> CreateDataWriter() override;

private:
    win::ComApartment m_apartment;
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

private:
    win::ComPtr<IDiscRecorder2> m_recorder;
};

class Imapi2DataWriter : public DataWriter {
public:
    explicit Imapi2DataWriter(win::ComPtr<IDiscFormat2Data> format) : m_format(std::move(format)) {}

    bool IsRecorderSupported(DiscRecorder &recorder) override;
    bool IsCurrentMediaSupported(DiscRecorder &recorder) override;
    void put_Recorder(DiscRecorder &recorder) override;
    MediaStatus CurrentMediaStatus() override;
    int NextWritableAddress() override;
    void put_ClientName(const std::string &name) override;
    std::int64_t FreeSectorsOnMedia() override;
    // Writes with full verification (the disc is read back and compared),
    // keeps the computer from sleeping meanwhile, and raises Update on this
    // thread for every progress event. Throws ServiceError on any failure,
    // including a success reported before the whole image was read.
    void Write(ImageStream &stream) override;
    bool LastWriteSucceeded() const override { return m_lastWriteSucceeded; }
    // IMAPI2's own cancel; Write then fails with its "cancelled" result.
    void CancelWrite() override;

    // False when this system's IMAPI2 has no read-back verification
    // (IBurnVerification), so the last Write was not verified.
    bool LastWriteVerified() const override { return m_lastWriteSucceeded && m_lastWriteVerified; }

private:
    win::ComPtr<IDiscFormat2Data> m_format;
    bool m_writing = false;
    bool m_lastWriteSucceeded = false;
    bool m_lastWriteVerified = false;
};

} // namespace pelimor
