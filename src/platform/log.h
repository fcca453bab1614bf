// The program's own log, silent unless asked for:
//   QT_LOGGING_RULES="pelimor.*=true" pelimor-iso-burn
// It tells what the user cannot see: libburn's messages of every severity,
// errors that were handled without a word (a recorder left out of the
// list), and how long the drive scan and the drive grab took.
#pragma once

#include <QLoggingCategory>

namespace pelimor {

// "pelimor.disc": the disc service and the drives.
Q_DECLARE_LOGGING_CATEGORY(lcDisc)
// "pelimor.window": what the windows handled on their own.
Q_DECLARE_LOGGING_CATEGORY(lcWindow)

} // namespace pelimor
