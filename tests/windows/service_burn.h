// A burn the way the disc-burning service runs one, for the stand-in service
// the whole program meets under Wine: Write blocks its caller without
// pumping the caller's messages, while a thread of the service's own reads
// the image, writes its bytes to a file that plays the disc and raises the
// Update events on the raw sink pointer. A stop takes effect only when
// CancelWrite is called from inside an Update, as the service documents it
// (Format::CancelWrite). Format::Write does the same for the in-process
// tests without a disc file, pacing or the whole row of phases; this one is
// what a person watching the window sees.
#pragma once

#include "imapi2_fakes.h"

#include <string>

namespace fakes {

struct ServiceBurn {
    enum class Fault {
        None,
        WriteError,  // the recorder fails halfway through the image
        DropUpdates, // no Update event is raised at all
        StopHalfway, // stops reading halfway and reports success all the same
    };

    std::wstring disc;               // the file that receives the image's bytes; none when empty
    unsigned writeMilliseconds = 0;  // how long writing the whole image takes
    unsigned verifyMilliseconds = 0; // and how long reading it back
    Fault fault = Fault::None;
    HRESULT writeError = static_cast<HRESULT>(0xC0AA0300L); // loss of streaming

    // Runs one burn; what Write returns.
    HRESULT operator()(Format &format, IStream *image) const;
};

} // namespace fakes
