#include "platform/linux/libburn_erase.h"

#include "platform/linux/libburn_event_pump.h"
#include "platform/linux/libburn_library.h"
#include "platform/linux/libburn_progress.h"

#include <algorithm>

namespace pelimor::libburn {

void eraseDisc(const std::shared_ptr<Drive> &drive, const std::function<void(const WriteProgress &)> &report)
{
    burn::burn_drive *d = drive->get();
    takeMessages();
    RunClock clock;
    TotalTimeEstimate estimate;
    const auto progress = [&] {
        burn::burn_progress p{};
        burn::burn_drive_get_status(d, &p);
        WriteProgress out;
        out.CurrentAction = WriteAction::FormattingMedia;
        out.ElapsedTime = clock.wholeSeconds();
        // libburn counts a blank's progress in 1/65536 of the whole.
        out.TotalTime = estimate.update(clock.seconds(), std::clamp(p.sector, 0, 0x10000), 0x10000);
        report(out);
    };
    progress();
    const int fast = 1;
    burn::burn_disc_erase(d, fast);
    // A blank cannot be cancelled: it is waited for even when the program
    // is closing.
    pumpUntil([&] { return burn::burn_drive_get_status(d, nullptr) == burn::BURN_DRIVE_IDLE; }, progress);
    const auto messages = takeMessages();
    // libburn has looked at the disc again once the blank has ended; only
    // the disc itself tells that it is blank now.
    const bool blank = burn::burn_drive_wrote_well(d) == 1 && burn::burn_disc_get_status(d) == burn::BURN_DISC_BLANK;
    if (!blank) {
        const std::string problem = worstProblem(messages);
        throw ServiceError("the disc could not be erased" + (problem.empty() ? std::string() : ": " + problem));
    }
    progress();
}

} // namespace pelimor::libburn
