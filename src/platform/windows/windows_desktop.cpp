#include "platform/windows/windows_desktop.h"

#include "platform/defaults.h"

#include <QWidget>

namespace pelimor {

void WindowsDesktop::showProgress(QWidget &window, Progress state, double share)
{
    const auto button = state == Progress::Normal  ? TaskbarButton::State::Normal
                        : state == Progress::Error ? TaskbarButton::State::Error
                                                   : TaskbarButton::State::None;
    m_button.show(reinterpret_cast<HWND>(window.winId()), button, share);
}

std::unique_ptr<Desktop> createDefaultDesktop(const std::string &)
{
    return std::make_unique<WindowsDesktop>();
}

} // namespace pelimor
