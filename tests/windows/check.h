// A tiny test framework for the Windows platform layer, which is built and
// run without Qt (under Wine on Linux). A test is a function registered with
// TEST_CASE; CHECK records a failure and carries on, so one run reports every
// broken expectation of a group, and REQUIRE stops the test at the first.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace wintest {

struct TestCase {
    const char *name;
    void (*run)();
};

std::vector<TestCase> &allTests();
void recordFailure(const char *file, int line, const std::string &what);
// Prints an informational line under the running test (for facts about the
// platform, such as a Wine limit, that are not failures of our code).
void note(const std::string &text);

struct Registrar {
    Registrar(const char *name, void (*run)()) { allTests().push_back({name, run}); }
};

// Thrown by REQUIRE to abandon the current test.
struct Abort {};

template <typename A, typename B> std::string describeMismatch(const A &actual, const B &expected)
{
    std::ostringstream out;
    out << "got [" << actual << "], expected [" << expected << "]";
    return out.str();
}

} // namespace wintest

#define WT_CONCAT2(a, b) a##b
#define WT_CONCAT(a, b) WT_CONCAT2(a, b)

#define TEST_CASE(name)                                                                                                \
    static void WT_CONCAT(wt_test_, __LINE__)();                                                                       \
    static const wintest::Registrar WT_CONCAT(wt_registrar_, __LINE__)(name, &WT_CONCAT(wt_test_, __LINE__));          \
    static void WT_CONCAT(wt_test_, __LINE__)()

#define CHECK(condition)                                                                                               \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            wintest::recordFailure(__FILE__, __LINE__, "CHECK(" #condition ")");                                       \
    } while (0)

#define CHECK_EQ(actual, expected)                                                                                     \
    do {                                                                                                               \
        const auto &wt_a = (actual);                                                                                   \
        const auto &wt_e = (expected);                                                                                 \
        if (!(wt_a == wt_e))                                                                                           \
            wintest::recordFailure(__FILE__, __LINE__,                                                                 \
                                   #actual " == " #expected ": " + wintest::describeMismatch(wt_a, wt_e));             \
    } while (0)

#define REQUIRE(condition)                                                                                             \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            wintest::recordFailure(__FILE__, __LINE__, "REQUIRE(" #condition ")");                                     \
            throw wintest::Abort{};                                                                                    \
        }                                                                                                              \
    } while (0)
