// A bevel: a sunken line or frame that separates parts of a form.
#pragma once

#include "ui/Window.h"

namespace ui {

class Bevel final : public Window {
public:
    Bevel(Window& parent, ControlSpec layout);
};

} // namespace ui
