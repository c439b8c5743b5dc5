// Modal showing: the one way a dialog is shown and waited for.
#pragma once

#include "ui/Form.h"

namespace ui {

// Shows the dialog where it was placed, disables the window that was active, and runs a message loop
// until the dialog's ModalResult is set (closing it by its frame sets Cancel) or the window is gone. A
// WM_QUIT is kept for the outer loop. The dialog is hidden again and the owner re-enabled and activated.
// Returns the modal result: 1 for OK, 2 for Cancel.
int ShowModal(Form& dialog);

} // namespace ui
