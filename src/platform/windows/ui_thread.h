// The window's thread as the burn thread reaches it.
//
// IMAPI2's Write blocks for the whole burn and is not documented to pump the
// caller's messages, so it runs on a thread of its own. What it reports must
// still reach the window on the window's thread, and that thread must keep
// turning its events (repaint, Close, the stop question) until the burn ends.
// The program hands in Qt's event loop (ui_thread_qt.cpp); without Qt (the
// backend's own tests) a plain Win32 message loop does the same.
#pragma once

#include <functional>
#include <memory>

namespace pelimor::win {

class UiThread {
public:
    virtual ~UiThread() = default;
    // Runs `task` on the window's thread soon. Callable from any thread.
    virtual void post(std::function<void()> task) = 0;
    // On the window's thread: keeps its events turning until done() holds,
    // looking at done() at least every few tens of milliseconds.
    virtual void runUntil(const std::function<bool()> &done) = 0;
};

// A message-only window and a Win32 message loop on the calling thread.
std::shared_ptr<UiThread> createMessageLoopUiThread();

} // namespace pelimor::win
