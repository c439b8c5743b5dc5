#include "ui/ItemDrawing.h"

#include "ui/Gdi.h"

namespace ui {

void ClearItem(const DRAWITEMSTRUCT& item)
{
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
}

int ItemGlyphTop(const DRAWITEMSTRUCT& item)
{
    return item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - kItemGlyphSize) / 2;
}

void DrawItemName(const DRAWITEMSTRUCT& item, HWND list, int glyphLeft, const std::string& name)
{
    const HDC dc = item.hDC;
    const SavedDc saved(dc);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, name.c_str(), static_cast<int>(name.size()), &extent);
    const int textLeft = glyphLeft + kItemGlyphSize + kItemMargin;
    const RECT text{textLeft, item.rcItem.top, textLeft + extent.cx + 2 * kItemMargin, item.rcItem.bottom};
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    if (selected)
        FillRect(dc, &text, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT inner{text.left + kItemMargin, text.top, text.right, text.bottom};
    DrawTextA(dc, name.c_str(), static_cast<int>(name.size()), &inner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &text);
}

} // namespace ui
