// The program's Shell on Windows: ShellExecuteW for web addresses and a
// direct process start for programs (shell_win32.h does the work).
#pragma once

#include "platform/shell.h"

namespace pelimor {

class WindowsShell : public Shell {
public:
    bool run(const QString &address) override;
    bool startProgram(const QString &path) override;
};

} // namespace pelimor
