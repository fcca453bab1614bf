// The data writer on libburn: checks the recorder and its disc, then writes
// the image as one data track and reads it back.
//
// Write runs libburn on its own threads and keeps the caller's event loop
// turning, polling the drive ten times a second, so the window repaints and
// every progress report arrives on the calling (user-interface) thread.
// While it runs the computer is kept from suspending.
#pragma once

#include "platform/discservice.h"
#include "platform/linux/libburn_media.h"
#include "platform/linux/libburn_verify.h"

#include <memory>
#include <string>

namespace pelimor::libburn {

struct WriterOptions {
    // Read the image back after writing and compare; on unless a caller
    // explicitly wants a write without the check.
    bool verify = true;
    // Sees the read-back data before it is compared (tests use it to play
    // a disc that reads back wrong).
    ReadBackFilter readBackFilter;
    // An overwritable disc that holds data is written over (the user agreed).
    bool forceOverwrite = false;
};

class Writer : public DataWriter {
public:
    explicit Writer(WriterOptions options);
    // Destroying the writer while its Write runs (from an event handled
    // during the burn, or at exit) cancels the burn; Write then ends with
    // an error and the drive is released by its recorder.
    ~Writer() override;

    bool IsRecorderSupported(DiscRecorder &recorder) override;
    bool IsCurrentMediaSupported(DiscRecorder &recorder) override;
    void put_Recorder(DiscRecorder &recorder) override;
    MediaStatus CurrentMediaStatus() override;
    int NextWritableAddress() override;
    void put_ClientName(const std::string &name) override { m_clientName = name; }
    std::int64_t FreeSectorsOnMedia() override;
    MediaKind CurrentMediaKind() override;
    void Write(ImageStream &stream) override;
    bool LastWriteSucceeded() const override { return m_succeeded; }
    bool LastWriteVerified() const override { return m_succeeded && m_options.verify; }
    void CancelWrite() override;
    MediaReuse CurrentMediaReuse() override;
    void EraseMedia() override;
    void put_ForceOverwrite(bool force) override { m_options.forceOverwrite = force; }

    struct Run;

private:
    Target boundTarget() const;

    WriterOptions m_options;
    bool m_bound = false;
    std::weak_ptr<Drive> m_drive;
    bool m_virtual = false;
    std::string m_path;
    std::string m_clientName;
    bool m_succeeded = false;
    std::shared_ptr<Run> m_run; // the Write in progress
};

} // namespace pelimor::libburn
