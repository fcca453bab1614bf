// The stand-in service's disc world, read from the environment once per
// process, so a test script sets up each run of the unmodified program:
//   PELIMOR_STANDIN_RECORDERS   recorders separated by ";", each
//                               "vendor|product|revision|volume|profiles"
//                               with the profiles separated by ","
//                               (default one DVD writer at E:\ with CD-R)
//   PELIMOR_STANDIN_MEDIA_STATE        the writer's media state (2)
//   PELIMOR_STANDIN_MEDIA_TYPE         its physical media type (none)
//   PELIMOR_STANDIN_PHYSICALLY_BLANK   0: the drive reports the disc as written (1)
//   PELIMOR_STANDIN_ERASE_MS           how long a blank takes (2000); a blank
//                                      empties the disc file and makes the
//                                      disc blank for every later writer
//   PELIMOR_STANDIN_ERASE_RESULT       what the blank returns (0)
//   PELIMOR_STANDIN_RECORDER_SUPPORTED 0 refuses the recorder (1)
//   PELIMOR_STANDIN_MEDIA_SUPPORTED    0 refuses the disc (1)
//   PELIMOR_STANDIN_MEDIA_PRESENT      0 empties the tray (1)
//   PELIMOR_STANDIN_NEXT_WRITABLE      the next writable address (0)
//   PELIMOR_STANDIN_DISC               the file that plays the disc
//   PELIMOR_STANDIN_BURN_MS            how long writing the image takes (3000);
//                                      reading it back takes half as long
//   PELIMOR_STANDIN_FAULT   none, write-error, drop-updates or stop-halfway
//   PELIMOR_STANDIN_LOG     a file that gets a line as each Write starts and ends
#pragma once

#include "imapi2_fakes.h"
#include "service_burn.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace standin {

struct RecorderInfo {
    std::wstring id, vendor, product, revision, volume;
    std::vector<LONG> profiles;
};

struct Config {
    std::vector<RecorderInfo> recorders;
    LONG mediaState = 2, nextWritable = 0, mediaType = -1;
    bool recorderSupported = true, mediaSupported = true, mediaPresent = true, physicallyBlank = true;
    unsigned eraseMilliseconds = 2000;
    HRESULT eraseResult = S_OK;
    fakes::ServiceBurn burn;
    std::wstring log;
};

// Parses the variables above; an unreadable value keeps its default.
Config configFromEnvironment();

// The objects one process creates, kept until it ends: the fakes never free
// themselves on their last Release.
class World {
public:
    static World &get();
    IUnknown *newDiscMaster();
    IUnknown *newRecorder();
    IUnknown *newWriter();
    IUnknown *newEraser();

private:
    World();
    void note(const std::wstring &line);

    Config m_config;
    std::mutex m_lock;
    std::vector<std::unique_ptr<fakes::DiscMaster>> m_masters;
    std::vector<std::unique_ptr<fakes::Recorder>> m_recorders;
    std::vector<std::unique_ptr<fakes::Format>> m_writers;
    std::vector<std::unique_ptr<fakes::Eraser>> m_erasers;
};

} // namespace standin
