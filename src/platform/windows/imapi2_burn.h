// The burn itself, or the blank before it, on a thread of its own.
//
// IDiscFormat2Data::Write blocks until the disc is written and read back,
// minutes on a CD and far longer on a DVD or BD, and nothing documents it to
// pump the caller's messages; IDiscFormat2Erase::EraseMedia blocks in the
// same way for a minute or more. So each runs here, on a thread that joins
// the multithreaded apartment and creates its own writer or eraser and
// recorder (COM objects may not be used raw outside the apartment that made
// them); the window's thread only waits, turning its events. IMAPI2 raises
// Update on its own threads, where the sink hands the values on and, when
// the user asked to stop a burn, calls CancelWrite as IMAPI2 requires.
#pragma once

#include "platform/windows/imapi2_events.h"

#include <windows.h>

#include <objidl.h>

#include <string>

namespace pelimor::imapi2 {

struct BurnOrder {
    enum class Job { Write, Erase };
    Job job = Job::Write;
    std::wstring recorderId;
    std::wstring clientName;
    IStream *image = nullptr;    // Write: free-threaded, so usable from any apartment
    bool forceOverwrite = false; // Write: an overwritable disc is written over whatever it holds
    ProgressSink::Deliver deliver;
    std::shared_ptr<StopRequest> stop;
};

struct BurnOutcome {
    HRESULT writeResult = E_FAIL; // of Write or EraseMedia
    bool verified = false;        // full read-back verification was switched on
    std::string setupError;       // a sentence, when the burn could not even start
    std::wstring lockOwner;       // the program holding the drive, when it was held
};

class BurnThread {
public:
    // Starts at once. The order's image and callbacks must stay valid
    // until finished() holds.
    explicit BurnThread(BurnOrder order);
    BurnThread(const BurnThread &) = delete;
    BurnThread &operator=(const BurnThread &) = delete;
    // Waits for the thread: it uses the order until its very end.
    ~BurnThread();

    bool finished() const;
    // Valid once finished() holds.
    const BurnOutcome &outcome() const { return m_outcome; }

private:
    static DWORD WINAPI main(void *self);
    void run();
    void write(IDiscRecorder2 *recorder);
    void erase(IDiscRecorder2 *recorder);

    BurnOrder m_order;
    BurnOutcome m_outcome;
    HANDLE m_thread = nullptr;
};

} // namespace pelimor::imapi2
