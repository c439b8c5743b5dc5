// A panel: a child window of our own class that groups controls, with a background colour, a raised
// bevel and a centred caption.
#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace ui {

class Panel final : public Window, public IPanel {
public:
    Panel(Window& parent, const ControlSpec& layout);

    void SetVisible(bool visible) override { Show(visible); }
    bool IsVisible() const override { return Visible(); }
    void BringToFront() override;
    // Whether the panel draws its raised edge; it does unless told otherwise.
    void SetRaisedBevel(bool raised)
    {
        raisedBevel_ = raised;
        InvalidateRect(Handle(), nullptr, TRUE);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    HFONT captionFont_ = nullptr;
    bool raisedBevel_ = true;
};

} // namespace ui
