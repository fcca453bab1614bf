// Opening web pages and starting programs with the Windows shell itself.
// Plain C++ (no Qt), so it is built and tested under Wine; WindowsShell
// (windows_shell.h) puts it behind the program's Shell interface.
#pragma once

#include <string>

namespace pelimor::win {

// Asks the shell to open the address (ShellExecuteW "open"), as the user's
// browser does for a web address. Does not wait. False when the shell
// reports that nothing could open it.
bool shellOpen(const std::wstring &address);

// Starts the program at exactly this path, with no arguments, in a normal
// window that takes the focus, and returns at once without waiting for it
// (its handles are closed). The path is never parsed as a command line, so
// spaces in it need no quoting. False when the program could not be started.
bool startProgramByPath(const std::wstring &path);

// The command line as the user typed it, after the program's name and the
// blanks that follow it. Windows hands a program its command line as one
// text; splitting it into arguments would drop the quotation marks the user
// typed, and the path box shows the text exactly as given.
std::wstring commandLineAfterProgramName(const std::wstring &commandLine);

} // namespace pelimor::win
