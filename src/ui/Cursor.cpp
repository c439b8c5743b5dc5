#include "ui/Cursor.h"

#include <windows.h>

namespace ui {

namespace {
bool g_busy = false;
} // namespace

void SetBusyCursor(bool busy)
{
    g_busy = busy;
    // Shows at once; windows keep it through WM_SETCURSOR until it is put back.
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(busy ? IDC_WAIT : IDC_ARROW)));
}

bool IsBusyCursor()
{
    return g_busy;
}

} // namespace ui
