// A label: a STATIC control with its caption, font and colours. Like the labels of most GUI toolkits it
// sizes itself to its one line of text, so that a long caption is never cut; a word-wrapping label keeps
// its layout's rectangle and breaks its caption between words instead.
#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace ui {

class Label final : public Window, public ILabel {
public:
    Label(Window& parent, ControlSpec layout);

    void SetVisible(bool visible) override { Show(visible); }
    bool IsVisible() const override { return Visible(); }
    void SetCaption(const std::string& caption) override;
    std::string Caption() const override { return Text(); }

private:
    void FitToText();
    void ShapeToText(const std::string& caption);
    void InvalidateParentBeneath();

    bool transparent_ = false;
    bool fitToText_ = true;
};

} // namespace ui
