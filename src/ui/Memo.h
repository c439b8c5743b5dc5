// A multi-line read-only text area with a vertical scroll bar, handled as a list of lines: each line
// of the control's text ends with CR LF.
#pragma once

#include "ui/Controls.h"
#include "ui/Window.h"

namespace ui {

class Memo final : public Window, public IMemo {
public:
    Memo(Window& parent, const ControlSpec& layout);

    void SetVisible(bool visible) override { Show(visible); }
    bool IsVisible() const override { return Visible(); }
    void BeginUpdate() override;
    void EndUpdate() override;
    void Clear() override { SetText(""); }
    void AddLine(const std::string& line) override;
    void InsertLine(int index, const std::string& line) override;
    void DeleteLine(int index) override;
    int LineCount() const override;
    std::string Line(int index) const override;

private:
    int LineStart(int index) const;
    void ReplaceRange(int start, int end, const std::string& text);
};

} // namespace ui
