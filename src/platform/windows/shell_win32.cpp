#include "platform/windows/shell_win32.h"

#include <windows.h>

#include <shellapi.h>

namespace pelimor::win {

bool shellOpen(const std::wstring &address)
{
    if (address.empty())
        return false;
    // ShellExecute may start the handler through COM; it documents that the
    // calling thread should have COM initialised, which the GUI thread has.
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    // Values up to 32 are error codes.
    return result > 32;
}

bool startProgramByPath(const std::wstring &path)
{
    if (path.empty())
        return false;
    // The program gets its own path, quoted, as its command line (argv[0]),
    // the way a double-click starts it.
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace pelimor::win

namespace pelimor::win {

std::wstring commandLineAfterProgramName(const std::wstring &commandLine)
{
    // The program's name ends at its closing quotation mark when it starts
    // with one, otherwise at the first blank; the system does the same.
    std::size_t at = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        const std::size_t close = commandLine.find(L'"', 1);
        at = close == std::wstring::npos ? commandLine.size() : close + 1;
    } else {
        while (at < commandLine.size() && commandLine[at] != L' ' && commandLine[at] != L'\t')
            ++at;
    }
    while (at < commandLine.size() && (commandLine[at] == L' ' || commandLine[at] == L'\t'))
        ++at;
    return commandLine.substr(at);
}

} // namespace pelimor::win
