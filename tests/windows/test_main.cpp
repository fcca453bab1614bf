// Runs every registered test and ends with the "N passed, N failed" line.
#include "check.h"

#include <windows.h>

#include <objbase.h>

#include <cstdio>
#include <exception>

namespace wintest {
namespace {

int failuresInTest = 0;

} // namespace

std::vector<TestCase> &allTests()
{
    static std::vector<TestCase> tests;
    return tests;
}

void recordFailure(const char *file, int line, const std::string &what)
{
    ++failuresInTest;
    std::printf("    FAIL %s:%d: %s\n", file, line, what.c_str());
}

void note(const std::string &text)
{
    std::printf("    note: %s\n", text.c_str());
}

} // namespace wintest

int main()
{
    // The program's GUI thread is a single-threaded apartment (Qt calls
    // OleInitialize); the tests run in the same kind of thread.
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 2;
    int passed = 0;
    int failed = 0;
    for (const auto &test : wintest::allTests()) {
        wintest::failuresInTest = 0;
        std::printf("%s\n", test.name);
        std::fflush(stdout);
        try {
            test.run();
        } catch (const wintest::Abort &) {
        } catch (const std::exception &error) {
            wintest::recordFailure(__FILE__, __LINE__, std::string("unexpected exception: ") + error.what());
        }
        if (wintest::failuresInTest == 0) {
            ++passed;
            std::printf("    ok\n");
        } else {
            ++failed;
        }
        std::fflush(stdout);
    }
    CoUninitialize();
    std::printf("windows: %d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
