// A scripted disc-mastering service for tests and demonstrations.
//
// A test describes the recorders, the discs in them and how a burn should
// go; every call the windows make is recorded, and every byte written is
// counted and hashed (and kept, when asked), so a test can prove that the
// image reached the recorder unchanged.
#pragma once

#include "platform/discservice.h"

#include <QByteArray>
#include <QCryptographicHash>

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace pelimor {

struct SimulatedRecorder {
    std::string id;
    std::vector<int> profiles{profile::cdR};
    std::string vendor;
    std::string product;
    std::string revision;
    std::vector<std::string> volumePaths;
    bool recorderSupported = true;
    bool mediaSupported = true;
    // Successive CurrentMediaStatus answers; the last one repeats.
    std::deque<int> mediaStatus{static_cast<int>(MediaStatus::Blank)};
    int nextWritableAddress = 0;
    std::int64_t freeSectors = 359'844; // an empty 700 MB CD-R
    MediaKind mediaKind = MediaKind::CD;
    // A used rewritable disc: EraseMedia makes it blank, put_ForceOverwrite
    // lets it pass as blank.
    MediaReuse reuse = MediaReuse::None;
    // Failures of this recorder only: call name -> reason.
    std::map<std::string, std::string> failures;
};

class SimulatedDiscService : public DiscService {
public:
    // --- the script ---
    std::vector<SimulatedRecorder> recorders;
    // Raised in order once the image has been consumed; when empty, Write
    // raises a plausible sequence of its own (initializing, writing in
    // steps, finalizing, completed).
    std::vector<WriteProgress> progressScript;
    // Call name (e.g. "InitializeDiscRecorder", "Write", "CreateDiscMaster")
    // -> reason of the ServiceError it throws.
    std::map<std::string, std::string> failures;
    bool writeSucceeds = true;
    // False: a stop comes too late (as IMAPI2's may on a CD): CancelWrite is
    // recorded, and the burn runs on to its end.
    bool cancelTakesEffect = true;
    // A service that cannot read the disc back after writing.
    bool writeVerified = true;
    // Asked of the user during Write (OK goes on, Cancel fails the burn),
    // as a writer does when the disc must be put back for verification.
    std::string mediaRequest;
    bool keepWrittenBytes = false;
    // Runs inside Write and EraseMedia after every progress event, with the
    // event loop alive: lets a test look at (or poke) the windows mid-burn.
    std::function<void(const WriteProgress &)> duringWrite;
    // Runs as each call is made, before it answers (a test may keep the
    // event loop turning there to play a slow service).
    std::function<void(const std::string &call)> onCall;

    // --- the record ---
    std::vector<std::string> calls;
    int writersCreated = 0;
    std::vector<std::string> ejected;
    std::string clientName;
    std::string writtenTo;
    std::int64_t bytesWritten = 0;
    QByteArray writtenBytes;
    QByteArray writtenSha256;

    int count(const std::string &call) const;

    std::unique_ptr<DiscMaster> CreateDiscMaster() override;
    std::unique_ptr<DiscRecorder> CreateDiscRecorder() override;
    std::unique_ptr<DataWriter> CreateDataWriter() override;

    // For the simulated objects themselves.
    void record(const std::string &call);
    SimulatedRecorder &recorderById(const std::string &id);
};

} // namespace pelimor
