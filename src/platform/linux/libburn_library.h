// The process-wide side of libburn: start-up, its message queue, and the
// addresses of the drives this process holds.
//
// libburn is started once per process and shut down at exit, never in
// between: drives stay addressable from one burn to the next. Its own signal
// handlers are never installed (every mode of burn_set_signal_handling
// replaces the handlers Qt relies on); quitting during a burn is handled by
// the objects that hold a drive, which cancel and release it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pelimor::libburn {

// The variable that adds an image-file recorder to the drive list, so the
// program can be tried without hardware: PELIMOR_ISO_BURN_VIRTUAL_RECORDER=
// /path/to/target.iso.
inline constexpr const char *virtualRecorderVariable = "PELIMOR_ISO_BURN_VIRTUAL_RECORDER";
// libburn's prefix for a pseudo-drive backed by a file.
inline constexpr const char *stdioPrefix = "stdio:";

// Starts libburn on first use. Throws ServiceError when it cannot start.
void ensureStarted();

// "1.5.4": the version of the libburn the program runs with.
std::string versionText();

struct Message {
    std::string severity;
    std::string text;
    int code = 0;
    int osErrno = 0;
    // SORRY or worse: something failed.
    bool serious = false;
};

// Takes every message libburn has queued (DEBUG and above are queued; the
// DEBUG ones are kept here only for what they tell about libburn's threads).
std::vector<Message> takeMessages();

// How many of libburn's write threads have ended so far in this process.
// A cancelled write reports the drive idle well before its thread is done
// with the track (half a second and more); only the thread's own farewell
// message tells when the track may be freed and the drive used again.
std::uint64_t writeThreadsEnded();

// The most severe serious message (the first of equal ones) as a sentence
// for the "Burn failed" box, with the system's reason when libburn gives
// one; empty when none is serious. A harmless SORRY that libburn recovered
// from often comes before the FATAL that really ended an operation.
std::string worstProblem(const std::vector<Message> &messages);

// libburn lets the same file be grabbed twice as a pseudo-drive, so the
// addresses this process holds are kept here. claimAddress is false when
// the address is already held.
bool claimAddress(const std::string &address);
void releaseAddress(const std::string &address);
bool holdsAnyAddress();

// "stdio:/abs/path" for the path named by the variable, or empty when it
// is not set.
std::string virtualRecorderId();
bool isVirtualId(const std::string &id);
// The file behind a virtual recorder's identifier.
std::string virtualPathOf(const std::string &id);

} // namespace pelimor::libburn
