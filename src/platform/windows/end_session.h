// Logoff and shutdown wait while a disc is written.
//
// Windows asks every top-level window (WM_QUERYENDSESSION) before it ends
// the session; a burn cut off there leaves a ruined disc, so while one runs
// the answer is no, and the windows carry the reason Windows lists in its
// "these apps are preventing shutdown" screen. The window's thread must keep
// answering for this to work at all, which is why the burn runs elsewhere.
#pragma once

#include <windows.h>

namespace pelimor::win {

// Held on the window's thread for the length of a burn.
class EndSessionBlock {
public:
    EndSessionBlock();
    EndSessionBlock(const EndSessionBlock &) = delete;
    EndSessionBlock &operator=(const EndSessionBlock &) = delete;
    ~EndSessionBlock();
};

// True, with the answer in *result, when `message` asks to end the session
// while a burn runs; false when the message is none of our business.
bool answerEndSession(UINT message, LRESULT *result);

} // namespace pelimor::win
