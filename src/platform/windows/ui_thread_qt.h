// The program's window thread for the burn thread to report to (Qt).
#pragma once

#include "platform/windows/ui_thread.h"

namespace pelimor::win {

std::shared_ptr<UiThread> createQtUiThread();

} // namespace pelimor::win
