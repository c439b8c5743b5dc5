// The application-wide mouse pointer: the hourglass over every window of the application while it works
// through files, else each window's own pointer.
#pragma once

namespace ui {

void SetBusyCursor(bool busy);
bool IsBusyCursor();

} // namespace ui
