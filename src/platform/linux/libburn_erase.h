// Blanking a used CD-RW or sequential DVD-RW, so a burn can write it as a
// new disc.
//
// libburn blanks on its own thread; the caller's event loop keeps turning
// meanwhile and progress arrives on the caller's thread. A fast blank
// makes the disc's data unreadable in about a minute on a real drive; it
// cannot be stopped once started.
#pragma once

#include "platform/discservice.h"
#include "platform/linux/libburn_drive.h"

#include <functional>
#include <memory>

namespace pelimor::libburn {

// Blanks the disc in `drive` quickly, reporting FormattingMedia with the
// elapsed and estimated total time. Throws ServiceError when the disc is
// not blank afterwards.
void eraseDisc(const std::shared_ptr<Drive> &drive, const std::function<void(const WriteProgress &)> &report);

} // namespace pelimor::libburn
