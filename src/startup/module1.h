// Start-up: make sure the disc-mastering service exists, hand a path from
// the command line to the main window and show it.
#pragma once

#include "platform/platform.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace pelimor {

class Form1;

namespace Module1 {

// The command line after the program's name, as one text: the arguments
// (with Qt's own options already removed) joined by single spaces.
QString commandLineFrom(const QStringList &arguments);

// Returns the shown main window, or nothing when the service is missing:
// then the user has been told which update to install, the browser has been
// sent to it, and the program should end with exit code 1.
std::unique_ptr<Form1> Main(const Platform &platform, const QString &commandLine);

// The whole run: Main, then the event loop until the last window closes.
// Returns the process's exit code (1 when the service is missing).
int Run(const Platform &platform, const QString &commandLine);

} // namespace Module1
} // namespace pelimor
