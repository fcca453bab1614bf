// The licence shown in the About box: one paragraph in three parts, the
// freeware grant, the disclaimer and the GNU GPL notice, in that order.
#pragma once

#include <QString>

namespace pelimor::licence {

extern const char *const grant;
extern const char *const disclaimer;
extern const char *const gplNotice;

// The three parts joined, as the licence box shows it.
QString text();

} // namespace pelimor::licence
