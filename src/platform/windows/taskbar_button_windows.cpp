#include "platform/windows/taskbar_button_windows.h"

#include <algorithm>
#include <cmath>

namespace pelimor {
namespace {

// Steps of the bar: finer than any taskbar draws.
constexpr ULONGLONG steps = 1000;

} // namespace

TaskbarButton::TaskbarButton(ITaskbarList3 *list) : m_list(list), m_tried(true)
{
    if (m_list)
        m_list->AddRef();
}

TaskbarButton::~TaskbarButton()
{
    if (m_list)
        m_list->Release();
}

ITaskbarList3 *TaskbarButton::list()
{
    if (m_tried)
        return m_list;
    m_tried = true;
    ITaskbarList3 *list = nullptr;
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                                reinterpret_cast<void **>(&list))) ||
        !list)
        return nullptr;
    if (FAILED(list->HrInit())) {
        list->Release();
        return nullptr;
    }
    m_list = list;
    return m_list;
}

void TaskbarButton::show(HWND window, State state, double share)
{
    ITaskbarList3 *taskbar = list();
    if (!taskbar || !window)
        return;
    if (state == State::None) {
        taskbar->SetProgressState(window, TBPF_NOPROGRESS);
        return;
    }
    // The state first: setting a value on a button without progress would
    // show the normal (green) bar for a moment.
    taskbar->SetProgressState(window, state == State::Error ? TBPF_ERROR : TBPF_NORMAL);
    const double clamped = std::isfinite(share) ? std::clamp(share, 0.0, 1.0) : 0.0;
    taskbar->SetProgressValue(window, static_cast<ULONGLONG>(std::llround(clamped * steps)), steps);
}

} // namespace pelimor
