#include "ui/Bevel.h"

namespace ui {

Bevel::Bevel(Window& parent, ControlSpec layout)
{
    // SS_SUNKEN: a shadow on the top and left edges and a highlight on the others, as a lowered line.
    layout.tabStop = false;
    layout.caption.clear();
    CreateControl(parent, "STATIC", SS_SUNKEN, layout);
}

} // namespace ui
