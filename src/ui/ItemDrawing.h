// What the owner-drawn drive and directory lists share in drawing an item: a glyph in a square cell, centred
// in the item's height, and the item's name right of it in the list's font, highlighted when the item is
// selected and framed when it has the focus.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// The side of the cell a glyph is drawn in, and the gap before and after a glyph and around a name.
constexpr int kItemGlyphSize = 16;
constexpr int kItemMargin = 2;

// Clears the item's cell to the window colour.
void ClearItem(const DRAWITEMSTRUCT& item);
// The top of the glyph cell, centred in the item's height.
int ItemGlyphTop(const DRAWITEMSTRUCT& item);
// Draws the name right of the glyph cell that starts at glyphLeft, in the font of the list.
void DrawItemName(const DRAWITEMSTRUCT& item, HWND list, int glyphLeft, const std::string& name);

} // namespace ui
