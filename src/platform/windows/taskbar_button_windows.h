// The program's taskbar button as a progress bar: ITaskbarList3 draws the
// burn's share under the button (green while writing, red on a failure),
// as Rufus and Etcher do. Plain Win32 and COM; the Qt side hands in the
// window's handle.
#pragma once

#include <windows.h>

#include <shobjidl.h>

namespace pelimor {

class TaskbarButton {
public:
    enum class State { None, Normal, Error };

    // Uses the shell's own taskbar list, made when first needed: before the
    // window's button exists there is nothing to draw on.
    TaskbarButton() = default;
    // Uses `list` instead (a stand-in in tests); holds a reference to it.
    explicit TaskbarButton(ITaskbarList3 *list);
    ~TaskbarButton();
    TaskbarButton(const TaskbarButton &) = delete;
    TaskbarButton &operator=(const TaskbarButton &) = delete;

    // `share` from 0 to 1; kept with the error state, so the red bar stops
    // where the burn did. Without a taskbar (no shell, an old system)
    // nothing happens.
    void show(HWND window, State state, double share);

private:
    ITaskbarList3 *list();

    ITaskbarList3 *m_list = nullptr;
    bool m_tried = false;
};

} // namespace pelimor
