// The program's Desktop on Windows: the taskbar button shows the burn's
// progress (taskbar_button_windows.h does the work). The button already
// flashes when a burn ends while the user is elsewhere, so there is no
// separate call for attention, and no notification beside the box.
#pragma once

#include "platform/desktop.h"
#include "platform/windows/taskbar_button_windows.h"

namespace pelimor {

class WindowsDesktop : public Desktop {
public:
    void showProgress(QWidget &window, Progress state, double share) override;
    void setUrgent(QWidget &, bool) override {}
    void notify(QWidget &, const QString &, const QString &) override {}

private:
    TaskbarButton m_button;
};

} // namespace pelimor
