// A list box of plain text items that keeps them sorted as they are added (case-insensitively, as the
// system sorts), with at most one selected item and a replaceable double-click action.
#pragma once

#include "ui/Window.h"

#include <functional>
#include <string>

namespace ui {

class ListBox final : public Window {
public:
    ListBox(Window& parent, const ControlSpec& layout);

    // The height of every item, in pixels.
    void SetItemHeight(int height) { SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, height); }
    int ItemHeight() const { return static_cast<int>(SendMessageA(Handle(), LB_GETITEMHEIGHT, 0, 0)); }

    void Clear() { SendMessageA(Handle(), LB_RESETCONTENT, 0, 0); }
    // Adds the item in its sorted place and returns that place.
    int Add(const std::string& item)
    {
        return static_cast<int>(SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())));
    }
    int Count() const { return static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0)); }
    // The text of the item at the place, counted from 0; empty for a place outside the list.
    std::string Item(int index) const;

    // The selected item's place, or -1 when none is selected.
    int ItemIndex() const { return static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0)); }
    // Selects the item at the place; -1, or a place outside the list, leaves no item selected.
    void SetItemIndex(int index) { SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }
    bool Selected(int index) const { return SendMessageA(Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0; }

    // Called when the user double-clicks the list.
    std::function<void()> OnDoubleClick;

    void OnCommand(WORD code) override;
};

} // namespace ui
