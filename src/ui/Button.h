// A push button whose click action is a replaceable field.
#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace ui {

class Button final : public Window, public IButton {
public:
    Button(Window& parent, const ControlSpec& layout);

    void SetVisible(bool visible) override { Show(visible); }
    bool IsVisible() const override { return Visible(); }
    void SetCaption(const std::string& caption) override { SetText(caption); }
    std::string Caption() const override { return Text(); }
    void SetEnabled(bool enabled) override { Enable(enabled); }
    bool IsEnabled() const override { return Enabled(); }
    ClickAction& OnClick() override { return onClick_; }
    IPanel* ParentPanel() override { return dynamic_cast<IPanel*>(FromHandle(GetParent(Handle()))); }

    void OnCommand(WORD code) override;
    HBRUSH OnCtlColor(HDC) override { return nullptr; }

private:
    ClickAction onClick_;
};

} // namespace ui
