// The disc-mastering service as the windows see it.
//
// Three objects do all the disc work: a disc master that lists the
// recorders, a disc recorder bound to one of them, and a data writer that
// checks the disc and writes an image stream to it. The windows only ever
// talk to these interfaces; a DiscService creates them, so a window never
// names a backend (libburn on Linux, IMAPI2 on Windows, a scripted simulator
// in the tests).
//
// Names: every operation, property and progress field keeps the name the
// disc-mastering design gives it, in PascalCase (IsRecorderSupported,
// CurrentMediaStatus, WriteProgress::LastWrittenLba); a property the caller
// sets is put_Name (put_Recorder, put_ClientName), as in the COM interfaces
// the design comes from. What this program adds follows the same rule.
//
// This header is plain C++ on purpose: the Windows backend and its tests are
// built without Qt. Texts are UTF-8.
#pragma once

#include "platform/imagestream.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace pelimor {

// Every failure of a service call. what() is a sentence a user can read in
// the "Burn failed" box, so backends translate their own codes before they
// throw.
class ServiceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The values the windows test for. Backends must map their own notions of
// "blank" and of write phases onto exactly these numbers.
namespace profile {
inline constexpr int cdR = 9;
}

// The state of the disc in a recorder: a set of bits. The burn command
// accepts exactly Blank (2) and Blank | Appendable (6), compared as whole
// values; any other value is shown to the user as a number.
enum class MediaStatus : int {
    None = 0,
    Blank = 0x2,
    Appendable = 0x4,
    FinalSession = 0x8,
    Damaged = 0x400,
    EraseRequired = 0x800,
    NonEmptySession = 0x1000,
    WriteProtected = 0x2000,
    Finalized = 0x4000,
    Unsupported = 0x8000,
};
constexpr MediaStatus operator|(MediaStatus a, MediaStatus b)
{
    return static_cast<MediaStatus>(static_cast<int>(a) | static_cast<int>(b));
}

// The phase a burn is in, as its progress events report it.
enum class WriteAction : int {
    ValidatingMedia = 0,
    FormattingMedia = 1,
    InitializingHardware = 2,
    CalibratingPower = 3,
    WritingData = 4,
    Finalization = 5,
    Completed = 6,
    Verifying = 7,
};

inline constexpr std::int64_t sectorSize = 2048;

// The family of the disc in the recorder. Drive speeds are told in "x",
// and 1x is a different rate on each family.
enum class MediaKind { Unknown, CD, DVD, BD };
// What makes a used rewritable disc take an image, once the user has
// agreed that what it holds may go.
enum class MediaReuse : int {
    None,      // not a rewritable disc that holds data (write-once, blank, no disc)
    Erase,     // blanked first: CD-RW, sequential DVD-RW (EraseMedia)
    Overwrite, // written over in place: DVD+RW, formatted DVD-RW, DVD-RAM, BD-RE (put_ForceOverwrite)
};

struct WriteProgress {
    WriteAction CurrentAction = WriteAction::ValidatingMedia;
    int ElapsedTime = 0; // seconds
    int TotalTime = 0;   // seconds, estimated
    int SectorCount = 0;
    int StartLba = 0;
    int LastWrittenLba = 0;
};

class DiscMaster {
public:
    virtual ~DiscMaster() = default;
    // One identifier per recorder on the computer, in the service's order.
    virtual std::vector<std::string> RecorderIds() = 0;
};

class DiscRecorder {
public:
    virtual ~DiscRecorder() = default;
    virtual void InitializeDiscRecorder(const std::string &recorderId) = 0;
    virtual std::vector<int> SupportedProfiles() = 0;
    virtual std::string VendorId() = 0;
    virtual std::string ProductId() = 0;
    virtual std::string ProductRevision() = 0;
    virtual std::vector<std::string> VolumePathNames() = 0;
    virtual void EjectMedia() = 0;
    // Lets go of the drive without ejecting: its tray unlocks and other
    // programs may use it. Does nothing when the recorder holds nothing.
    virtual void ReleaseExclusiveAccess() = 0;
};

class DataWriter {
public:
    using UpdateHandler = std::function<void(DataWriter &writer, const WriteProgress &progress)>;

    virtual ~DataWriter() = default;
    virtual bool IsRecorderSupported(DiscRecorder &recorder) = 0;
    virtual bool IsCurrentMediaSupported(DiscRecorder &recorder) = 0;
    virtual void put_Recorder(DiscRecorder &recorder) = 0;
    virtual MediaStatus CurrentMediaStatus() = 0;
    virtual int NextWritableAddress() = 0;
    virtual void put_ClientName(const std::string &name) = 0;
    // Sectors still free on the disc in the recorder.
    virtual std::int64_t FreeSectorsOnMedia() = 0;
    // The family of the disc in the recorder; Unknown where the service
    // cannot tell (an image file standing in for a disc).
    virtual MediaKind CurrentMediaKind() { return MediaKind::Unknown; }
    // Blocks until the burn has ended. Keeps the caller's event loop
    // running, so windows repaint and Update arrives on the calling thread.
    virtual void Write(ImageStream &stream) = 0;
    // True only when the last Write completed and the disc holds the image.
    virtual bool LastWriteSucceeded() const = 0;
    // True when the last Write also read the disc back and found the image
    // on it; false where the service cannot read back.
    virtual bool LastWriteVerified() const { return LastWriteSucceeded(); }
    // Asks the running Write to stop writing or verifying as soon as it
    // can, even while the image cannot be read; Write then throws
    // ServiceError. Called from an event handled during Write; does nothing
    // when no Write runs.
    virtual void CancelWrite() = 0;

    // A used rewritable disc: how it could take the image. Asked while the
    // recorder is held, before the refusal is shown.
    virtual MediaReuse CurrentMediaReuse() { return MediaReuse::None; }
    // Blanks the disc quickly (its data becomes unreadable), blocking as
    // Write does and raising Update with FormattingMedia meanwhile. A
    // blank cannot be stopped halfway: CancelWrite makes it throw once it
    // has ended. Throws ServiceError when the disc was not blanked.
    virtual void EraseMedia() { throw ServiceError("this computer's disc-burning service cannot erase discs"); }
    // From now on an overwritable disc that holds data counts as blank
    // for the media checks and Write: the user agreed to lose it.
    virtual void put_ForceOverwrite(bool force) { (void)force; }

    void put_UpdateHandler(UpdateHandler handler) { m_update = std::move(handler); }

    // Asks the user, during Write, to do something with the disc (put it
    // back into a recorder that cannot pull its tray in) and answers true
    // once they have (OK), false when they give up (Cancel). Without one
    // the writer cannot ask and gives up itself.
    using MediaRequestHandler = std::function<bool(DataWriter &writer, const std::string &prompt)>;
    void put_MediaRequestHandler(MediaRequestHandler handler) { m_mediaRequest = std::move(handler); }

protected:
    void raiseUpdate(const WriteProgress &progress)
    {
        if (m_update)
            m_update(*this, progress);
    }
    bool requestMedia(const std::string &prompt) { return m_mediaRequest && m_mediaRequest(*this, prompt); }

private:
    UpdateHandler m_update;
    MediaRequestHandler m_mediaRequest;
};

class DiscService {
public:
    virtual ~DiscService() = default;
    // Throws ServiceError when the service is not available on this computer.
    virtual std::unique_ptr<DiscMaster> CreateDiscMaster() = 0;
    virtual std::unique_ptr<DiscRecorder> CreateDiscRecorder() = 0;
    virtual std::unique_ptr<DataWriter> CreateDataWriter() = 0;
    // One sentence that helps a user whose recorder was not listed (for
    // example because they may not open the device), or empty.
    virtual std::string RecorderAccessHint() { return {}; }
};

} // namespace pelimor
