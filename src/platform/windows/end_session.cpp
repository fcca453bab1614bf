#include "platform/windows/end_session.h"

#include <atomic>

namespace pelimor::win {
namespace {

std::atomic<int> burnsRunning{0};
constexpr wchar_t reason[] = L"Writing a disc";

BOOL CALLBACK setReason(HWND window, LPARAM create)
{
    if (!GetParent(window) && IsWindowVisible(window)) {
        if (create)
            ShutdownBlockReasonCreate(window, reason);
        else
            ShutdownBlockReasonDestroy(window);
    }
    return TRUE;
}

} // namespace

EndSessionBlock::EndSessionBlock()
{
    ++burnsRunning;
    EnumThreadWindows(GetCurrentThreadId(), setReason, TRUE);
}

EndSessionBlock::~EndSessionBlock()
{
    EnumThreadWindows(GetCurrentThreadId(), setReason, FALSE);
    --burnsRunning;
}

bool answerEndSession(UINT message, LRESULT *result)
{
    if (message != WM_QUERYENDSESSION || burnsRunning.load() == 0)
        return false;
    *result = FALSE;
    return true;
}

} // namespace pelimor::win
