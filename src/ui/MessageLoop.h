// Pumping the message queue: the application's main loop and the nested pump that every wait uses.
#pragma once

#include <windows.h>

namespace ui {

// Handles every pending message and returns. A WM_QUIT is kept for the outer loop.
void ProcessMessages();

// The main loop: runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

// One message through keyboard navigation (Tab, Enter, Alt with the underlined letter), else dispatched.
void TranslateAndDispatch(MSG& msg);

} // namespace ui
