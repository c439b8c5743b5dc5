#include "ui/Modal.h"

#include "ui/MessageLoop.h"

namespace ui {

int ShowModal(Form& dialog)
{
    const HWND owner = GetActiveWindow();
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (owner && owner != dialog.Handle())
        EnableWindow(owner, FALSE);

    dialog.ModalResult = 0;
    dialog.modal_ = true;
    ShowWindow(dialog.Handle(), SW_SHOW);
    SetForegroundWindow(dialog.Handle());

    MSG msg;
    while (dialog.ModalResult == 0 && IsWindow(dialog.Handle())) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateAndDispatch(msg);
    }

    // The owner comes back before the dialog goes, so that activation returns to it.
    if (owner && ownerWasEnabled)
        EnableWindow(owner, TRUE);
    if (IsWindow(dialog.Handle()))
        ShowWindow(dialog.Handle(), SW_HIDE);
    dialog.modal_ = false;
    if (owner && IsWindow(owner))
        SetActiveWindow(owner);
    return dialog.ModalResult == 0 ? 2 : dialog.ModalResult;
}

} // namespace ui
