#include "platform/linux/libburn_progress.h"

#include "platform/discservice.h"

#include <algorithm>
#include <cmath>

namespace pelimor::libburn {
namespace {

// The span the rate is measured over.
constexpr double windowSeconds = 15.0;
// Below this the rate is noise (libburn fills its buffer in bursts).
constexpr double minimumSpanSeconds = 0.5;

} // namespace

WriteAction writeActionFor(burn::burn_drive_status status)
{
    switch (status) {
    case burn::BURN_DRIVE_WRITING_LEADIN:
    case burn::BURN_DRIVE_WRITING_PREGAP:
        return WriteAction::CalibratingPower;
    case burn::BURN_DRIVE_WRITING:
        return WriteAction::WritingData;
    case burn::BURN_DRIVE_WRITING_LEADOUT:
    case burn::BURN_DRIVE_CLOSING_TRACK:
    case burn::BURN_DRIVE_CLOSING_SESSION:
    case burn::BURN_DRIVE_WRITING_SYNC:
        return WriteAction::Finalization;
    case burn::BURN_DRIVE_FORMATTING:
        return WriteAction::FormattingMedia;
    default:
        // Spawning, grabbing and anything else before the data flows.
        return WriteAction::InitializingHardware;
    }
}

int TotalTimeEstimate::update(double elapsedSeconds, std::int64_t done, std::int64_t total)
{
    m_window.push_back({elapsedSeconds, done});
    while (m_window.size() > 2 && elapsedSeconds - m_window[1].seconds >= windowSeconds)
        m_window.pop_front();

    const int elapsedWhole = static_cast<int>(elapsedSeconds);
    const Sample &oldest = m_window.front();
    const double span = elapsedSeconds - oldest.seconds;
    if (done >= total)
        m_last = elapsedWhole;
    else if (span >= minimumSpanSeconds && done > oldest.done) {
        const double rate = static_cast<double>(done - oldest.done) / span;
        const double estimate = elapsedSeconds + static_cast<double>(total - done) / rate;
        m_last = static_cast<int>(std::lround(std::min(estimate, 1e9)));
    }
    // Without a rate (at the start, or in a long stall) the last estimate
    // stands.
    return std::max(elapsedWhole, m_last);
}

} // namespace pelimor::libburn
