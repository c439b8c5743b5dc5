#include "ui/Button.h"

namespace ui {

Button::Button(Window& parent, const ControlSpec& layout)
{
    CreateControl(parent, "BUTTON", BS_PUSHBUTTON, layout);
}

void Button::OnCommand(WORD code)
{
    if (code == BN_CLICKED && onClick_) {
        // A copy: the action may replace itself while it runs.
        const ClickAction action = onClick_;
        action();
    }
}

} // namespace ui
