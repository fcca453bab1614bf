// Starting a program by its path and opening addresses with the shell.
#include "check.h"
#include "winfiles.h"

#include "platform/windows/shell_win32.h"

#include <windows.h>

namespace {

std::wstring besideThisProgram(const std::wstring &name)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return folder + name;
}

bool exists(const std::wstring &path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

TEST_CASE("shell: a program starts by its exact path, spaces and all, without waiting for it")
{
    // The helper sleeps a second, then leaves a marker file beside itself
    // named after its own file name.
    const std::wstring helper = besideThisProgram(L"start marker.exe");
    REQUIRE(exists(helper));
    const std::wstring marker = helper + L".started";
    DeleteFileW(marker.c_str());

    const DWORD before = GetTickCount();
    CHECK(pelimor::win::startProgramByPath(helper));
    const DWORD took = GetTickCount() - before;
    CHECK(took < 900);      // returned while the program still runs
    CHECK(!exists(marker)); // ... and before it did its work
    for (int i = 0; i < 100 && !exists(marker); ++i)
        Sleep(100);
    CHECK(exists(marker)); // it did run, from that path
    DeleteFileW(marker.c_str());

    // A stale path fails instead of starting something else.
    CHECK(!pelimor::win::startProgramByPath(besideThisProgram(L"no such tool.exe")));
    CHECK(!pelimor::win::startProgramByPath(L""));
    // A path that names a folder is no program.
    CHECK(!pelimor::win::startProgramByPath(besideThisProgram(L"")));
}

TEST_CASE("shell: opening something that does not exist is reported, not ignored")
{
    CHECK(!pelimor::win::shellOpen(besideThisProgram(L"no such document.xyz")));
    CHECK(!pelimor::win::shellOpen(L""));
}

TEST_CASE("shell: the command line after the program's name keeps the user's quotation marks and commas")
{
    using pelimor::win::commandLineAfterProgramName;
    CHECK_EQ(commandLineAfterProgramName(L"PelimorISOBurn.exe") == L"", true);
    CHECK_EQ(commandLineAfterProgramName(L"PelimorISOBurn.exe   ") == L"", true);
    CHECK_EQ(commandLineAfterProgramName(L"PelimorISOBurn.exe C:\\a.iso") == L"C:\\a.iso", true);
    CHECK_EQ(commandLineAfterProgramName(L"\"C:\\Program Files\\Pelimor\\PelimorISOBurn.exe\" \"D:\\my disc.iso\"") ==
                 L"\"D:\\my disc.iso\"",
             true);
    CHECK_EQ(commandLineAfterProgramName(L"\"C:\\P F\\x.exe\"\tD:\\a.iso,D:\\b.iso  ") == L"D:\\a.iso,D:\\b.iso  ",
             true);
    CHECK_EQ(commandLineAfterProgramName(L"x.exe a  b") == L"a  b", true);
}
