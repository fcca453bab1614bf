#include "platform/log.h"

namespace pelimor {

// Off by default: nothing here is meant for a user's terminal. The program
// itself logs at debug, info and warning level only, so these thresholds
// keep every line back until a rule turns the category on.
Q_LOGGING_CATEGORY(lcDisc, "pelimor.disc", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcWindow, "pelimor.window", QtCriticalMsg)

} // namespace pelimor
