#include "platform/windows/ui_thread.h"

#include <windows.h>

#include <deque>

namespace pelimor::win {
namespace {

constexpr UINT runTasksMessage = WM_APP + 0x201;
constexpr wchar_t windowClassName[] = L"PelimorUiThreadTasks";

class MessageLoopUiThread final : public UiThread {
public:
    MessageLoopUiThread()
    {
        InitializeCriticalSection(&m_lock);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = windowClassName;
        RegisterClassExW(&windowClass); // fails harmlessly once registered
        m_window = CreateWindowExW(0, windowClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance,
                                   nullptr);
        if (m_window)
            SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    MessageLoopUiThread(const MessageLoopUiThread &) = delete;
    MessageLoopUiThread &operator=(const MessageLoopUiThread &) = delete;
    ~MessageLoopUiThread() override
    {
        if (m_window) {
            SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
            DestroyWindow(m_window);
        }
        DeleteCriticalSection(&m_lock);
    }

    void post(std::function<void()> task) override
    {
        EnterCriticalSection(&m_lock);
        m_tasks.push_back(std::move(task));
        LeaveCriticalSection(&m_lock);
        PostMessageW(m_window, runTasksMessage, 0, 0);
    }

    void runUntil(const std::function<bool()> &done) override
    {
        bool quit = false;
        int exitCode = 0;
        while (!done()) {
            MsgWaitForMultipleObjectsEx(0, nullptr, 20, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
            MSG message;
            while (!quit && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT) {
                    // The program is ending; the burn still has to end
                    // first, and the outer loop gets its quit afterwards.
                    quit = true;
                    exitCode = static_cast<int>(message.wParam);
                    break;
                }
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            runTasks();
        }
        runTasks();
        if (quit)
            PostQuitMessage(exitCode);
    }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == runTasksMessage) {
            if (auto *self = reinterpret_cast<MessageLoopUiThread *>(GetWindowLongPtrW(window, GWLP_USERDATA)))
                self->runTasks();
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    void runTasks()
    {
        for (;;) {
            EnterCriticalSection(&m_lock);
            if (m_tasks.empty()) {
                LeaveCriticalSection(&m_lock);
                return;
            }
            std::function<void()> task = std::move(m_tasks.front());
            m_tasks.pop_front();
            LeaveCriticalSection(&m_lock);
            task();
        }
    }

    CRITICAL_SECTION m_lock;
    std::deque<std::function<void()>> m_tasks;
    HWND m_window = nullptr;
};

} // namespace

std::shared_ptr<UiThread> createMessageLoopUiThread()
{
    return std::make_shared<MessageLoopUiThread>();
}

} // namespace pelimor::win
