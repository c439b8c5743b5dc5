// Pumping the message queue: the application's main loop and the nested pump that every wait uses.
#pragma once

namespace ui {

// Handles every pending message and returns. A WM_QUIT is kept for the outer loop.
void ProcessMessages();

// The main loop: runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

} // namespace ui
