// Opening web pages and starting programs. Neither waits for what it starts.
#pragma once

#include <QString>

namespace pelimor {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a web address in the user's browser. False when nothing could
    // be asked to open it.
    virtual bool run(const QString &address) = 0;
    // Starts a program by its full path, with no arguments and no shell in
    // between, detached from this process.
    virtual bool startProgram(const QString &path) = 0;
};

// The desktop's own: QDesktopServices for addresses, QProcess for programs.
class DesktopShell : public Shell {
public:
    bool run(const QString &address) override;
    bool startProgram(const QString &path) override;
};

} // namespace pelimor
