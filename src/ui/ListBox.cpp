#include "ui/ListBox.h"

#include <vector>

namespace ui {

ListBox::ListBox(Window& parent, const ControlSpec& layout)
{
    // LBS_NOTIFY: the parent hears of double-clicks. LBS_NOINTEGRALHEIGHT: the list keeps the layout's height
    // instead of shrinking to whole items.
    CreateControl(parent, "LISTBOX", LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER, layout);
}

std::string ListBox::Item(int index) const
{
    const LRESULT length = SendMessageA(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR)
        return {};
    std::vector<char> text(static_cast<size_t>(length) + 1);
    const LRESULT copied =
        SendMessageA(Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return copied == LB_ERR ? std::string() : std::string(text.data(), static_cast<size_t>(copied));
}

void ListBox::OnCommand(WORD code)
{
    if (code == LBN_DBLCLK && OnDoubleClick) {
        // A copy: the action may replace itself while it runs.
        const std::function<void()> action = OnDoubleClick;
        action();
    }
}

} // namespace ui
