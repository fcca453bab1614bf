#include "simulated_disc_service.h"

#include <QCoreApplication>

#include <algorithm>

namespace pelimor {
namespace {

class SimMaster : public DiscMaster {
public:
    explicit SimMaster(SimulatedDiscService &s) : m_s(s) {}
    std::vector<std::string> RecorderIds() override
    {
        m_s.record("RecorderIds");
        std::vector<std::string> ids;
        for (const auto &r : m_s.recorders)
            ids.push_back(r.id);
        return ids;
    }

private:
    SimulatedDiscService &m_s;
};

class SimRecorder : public DiscRecorder {
public:
    explicit SimRecorder(SimulatedDiscService &s) : m_s(s) {}

    void InitializeDiscRecorder(const std::string &recorderId) override
    {
        m_s.record("InitializeDiscRecorder");
        m_s.recorderById(recorderId); // throws for an unknown identifier
        m_id = recorderId;
    }
    std::vector<int> SupportedProfiles() override { return bound("SupportedProfiles").profiles; }
    std::string VendorId() override { return bound("VendorId").vendor; }
    std::string ProductId() override { return bound("ProductId").product; }
    std::string ProductRevision() override { return bound("ProductRevision").revision; }
    std::vector<std::string> VolumePathNames() override { return bound("VolumePathNames").volumePaths; }
    void EjectMedia() override
    {
        bound("EjectMedia");
        m_s.ejected.push_back(m_id);
    }
    void ReleaseExclusiveAccess() override { m_s.record("ReleaseExclusiveAccess"); }

    SimulatedRecorder &bound(const std::string &call)
    {
        m_s.record(call);
        if (m_id.empty())
            throw ServiceError("the recorder has not been initialized");
        auto &r = m_s.recorderById(m_id);
        if (auto it = r.failures.find(call); it != r.failures.end())
            throw ServiceError(it->second);
        return r;
    }
    const std::string &id() const { return m_id; }

private:
    SimulatedDiscService &m_s;
    std::string m_id;
};

class SimWriter : public DataWriter {
public:
    explicit SimWriter(SimulatedDiscService &s) : m_s(s) {}

    bool IsRecorderSupported(DiscRecorder &recorder) override
    {
        return asSim(recorder, "IsRecorderSupported").recorderSupported;
    }
    bool IsCurrentMediaSupported(DiscRecorder &recorder) override
    {
        return asSim(recorder, "IsCurrentMediaSupported").mediaSupported;
    }
    void put_Recorder(DiscRecorder &recorder) override
    {
        asSim(recorder, "put_Recorder");
        m_recorder = &static_cast<SimRecorder &>(recorder);
    }
    MediaStatus CurrentMediaStatus() override
    {
        auto &r = current("CurrentMediaStatus");
        const int status = r.mediaStatus.front();
        if (r.mediaStatus.size() > 1)
            r.mediaStatus.pop_front();
        if (m_forceOverwrite && r.reuse == MediaReuse::Overwrite)
            return MediaStatus::Blank;
        return static_cast<MediaStatus>(status);
    }
    MediaReuse CurrentMediaReuse() override { return current("CurrentMediaReuse").reuse; }
    void put_ForceOverwrite(bool force) override
    {
        m_s.record("put_ForceOverwrite");
        m_forceOverwrite = force;
    }
    // A blank of a few steps; it runs to its end whatever is asked.
    void EraseMedia() override
    {
        auto &r = current("EraseMedia");
        if (r.reuse != MediaReuse::Erase)
            throw ServiceError("the disc cannot be erased");
        m_cancelled = false;
        for (int second = 0; second <= 3; ++second) {
            const WriteProgress progress{WriteAction::FormattingMedia, second, 3, 0, 0, 0};
            raiseUpdate(progress);
            QCoreApplication::processEvents();
            if (m_s.duringWrite)
                m_s.duringWrite(progress);
        }
        r.mediaStatus = {static_cast<int>(MediaStatus::Blank)};
        r.reuse = MediaReuse::None;
        throwIfCancelled();
    }
    int NextWritableAddress() override { return current("NextWritableAddress").nextWritableAddress; }
    void put_ClientName(const std::string &name) override
    {
        m_s.record("put_ClientName");
        m_s.clientName = name;
    }
    std::int64_t FreeSectorsOnMedia() override { return current("FreeSectorsOnMedia").freeSectors; }
    // Not recorded: it only picks the unit of the speed shown.
    MediaKind CurrentMediaKind() override
    {
        return m_recorder ? m_s.recorderById(m_recorder->id()).mediaKind : MediaKind::Unknown;
    }

    void Write(ImageStream &stream) override
    {
        auto &r = current("Write");
        m_succeeded = false;
        m_cancelled = false;
        m_s.writtenTo = r.id;
        m_s.bytesWritten = 0;
        m_s.writtenBytes.clear();
        QCryptographicHash hash(QCryptographicHash::Sha256);
        std::vector<char> chunk(1 << 20);
        for (;;) {
            const auto n = stream.read(chunk.data(), static_cast<std::int64_t>(chunk.size()));
            if (n <= 0)
                break;
            hash.addData(QByteArrayView(chunk.data(), static_cast<qsizetype>(n)));
            if (m_s.keepWrittenBytes)
                m_s.writtenBytes.append(chunk.data(), static_cast<qsizetype>(n));
            m_s.bytesWritten += n;
            QCoreApplication::processEvents();
            throwIfCancelled();
        }
        m_s.writtenSha256 = hash.result();

        auto script = m_s.progressScript;
        if (script.empty())
            script = defaultScript(static_cast<int>(m_s.bytesWritten / sectorSize));
        for (const auto &progress : script) {
            raiseUpdate(progress);
            QCoreApplication::processEvents();
            if (m_s.duringWrite)
                m_s.duringWrite(progress);
            throwIfCancelled();
        }
        if (!m_s.mediaRequest.empty() && !requestMedia(m_s.mediaRequest))
            throw ServiceError("the disc was not put back, so it could not be verified");
        m_succeeded = m_s.writeSucceeds;
    }
    bool LastWriteSucceeded() const override { return m_succeeded; }
    bool LastWriteVerified() const override { return m_succeeded && m_s.writeVerified; }
    void CancelWrite() override
    {
        m_s.record("CancelWrite");
        m_cancelled = true;
    }

private:
    void throwIfCancelled() const
    {
        if (m_cancelled && m_s.cancelTakesEffect)
            throw ServiceError("the burn was cancelled");
    }

    static std::vector<WriteProgress> defaultScript(int sectors)
    {
        std::vector<WriteProgress> s;
        s.push_back({WriteAction::InitializingHardware, 0, 0, 0, 0, 0});
        s.push_back({WriteAction::CalibratingPower, 1, 0, 0, 0, 0});
        for (int step = 0; step <= 4; ++step)
            s.push_back({WriteAction::WritingData, 2 + step, 6, sectors, 0, sectors * step / 4});
        s.push_back({WriteAction::Finalization, 7, 8, 0, 0, 0});
        s.push_back({WriteAction::Completed, 8, 8, 0, 0, 0});
        return s;
    }

    SimulatedRecorder &asSim(DiscRecorder &recorder, const std::string &call)
    {
        m_s.record(call);
        auto *sim = dynamic_cast<SimRecorder *>(&recorder);
        if (!sim)
            throw ServiceError("the recorder belongs to another service");
        return m_s.recorderById(sim->id());
    }
    SimulatedRecorder &current(const std::string &call)
    {
        m_s.record(call);
        if (!m_recorder)
            throw ServiceError("no recorder has been set on the writer");
        return m_s.recorderById(m_recorder->id());
    }

    SimulatedDiscService &m_s;
    SimRecorder *m_recorder = nullptr;
    bool m_succeeded = false;
    bool m_cancelled = false;
    bool m_forceOverwrite = false;
};

} // namespace

int SimulatedDiscService::count(const std::string &call) const
{
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

void SimulatedDiscService::record(const std::string &call)
{
    calls.push_back(call);
    if (onCall)
        onCall(call);
    if (auto it = failures.find(call); it != failures.end())
        throw ServiceError(it->second);
}

SimulatedRecorder &SimulatedDiscService::recorderById(const std::string &id)
{
    for (auto &r : recorders)
        if (r.id == id)
            return r;
    throw ServiceError("no recorder is known by the identifier '" + id + "'");
}

std::unique_ptr<DiscMaster> SimulatedDiscService::CreateDiscMaster()
{
    record("CreateDiscMaster");
    return std::make_unique<SimMaster>(*this);
}

std::unique_ptr<DiscRecorder> SimulatedDiscService::CreateDiscRecorder()
{
    record("CreateDiscRecorder");
    return std::make_unique<SimRecorder>(*this);
}

std::unique_ptr<DataWriter> SimulatedDiscService::CreateDataWriter()
{
    record("CreateDataWriter");
    ++writersCreated;
    return std::make_unique<SimWriter>(*this);
}

} // namespace pelimor
