// What a burn shows outside its own window, where the user looks while the
// disc is written: its progress on the taskbar entry or the dock's icon,
// and a notification when it ends while the user is elsewhere.
//
// Each system has its own (the launcher entry and the notification service
// over D-Bus on Linux, the taskbar button on Windows). Every call is a
// one-way message: a desktop that does not listen costs nothing and is
// never reported as an error.
#pragma once

#include <QString>

class QWidget;

namespace pelimor {

class Desktop {
public:
    enum class Progress {
        None,   // no progress shown
        Normal, // the burn's share, 0 to 1
        Error,  // the burn failed; cleared once the user has been told
    };

    virtual ~Desktop() = default;
    virtual void showProgress(QWidget &window, Progress state, double share) = 0;
    // Asks for the user's attention to the program's entry (or lets it go).
    virtual void setUrgent(QWidget &window, bool urgent) = 0;
    // A desktop notification beside the program's own message box.
    virtual void notify(QWidget &window, const QString &summary, const QString &body) = 0;
};

} // namespace pelimor
