#include "ui/Label.h"

namespace ui {

Label::Label(Window& parent, ControlSpec layout)
{
    layout.tabStop = false;
    // SS_NOPREFIX: an ampersand in a script's text is shown as it is. Labels do not wrap.
    transparent_ = layout.transparent;
    fitToText_ = !layout.wordWrap;
    layout.transparent = false;
    CreateControl(parent, "STATIC", (layout.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP) | SS_NOPREFIX, layout);
    // Labels take no part in Tab order; a later label lies above an earlier one where they overlap.
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    FitToText();
}

void Label::SetCaption(const std::string& caption)
{
    // A transparent label leaves its old text on the parent unless the parent repaints beneath it.
    InvalidateParentBeneath();
    SetText(caption);
    FitToText();
    InvalidateParentBeneath();
}

void Label::FitToText()
{
    if (!fitToText_)
        return;
    const std::string caption = Text();
    const HDC dc = GetDC(Handle());
    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, oldFont);
    ReleaseDC(Handle(), dc);
    // Italic glyphs lean past their advance width; the last glyph of upright text may overhang by a pixel.
    const int width = extent.cx + metrics.tmOverhang + (metrics.tmItalic ? metrics.tmHeight / 8 : 2);
    SetWindowPos(Handle(), nullptr, 0, 0, width, metrics.tmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (transparent_)
        ShapeToText(caption);
}

void Label::ShapeToText(const std::string& caption)
{
    // The window becomes the outline of its glyphs: siblings beneath show between the letters, whatever
    // order the windows are painted in.
    const HDC dc = GetDC(Handle());
    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    BeginPath(dc);
    TextOutA(dc, 0, 0, caption.c_str(), static_cast<int>(caption.size()));
    EndPath(dc);
    const HRGN glyphs = PathToRegion(dc);
    SelectObject(dc, oldFont);
    ReleaseDC(Handle(), dc);
    if (glyphs && !SetWindowRgn(Handle(), glyphs, TRUE))
        DeleteObject(glyphs);
}

void Label::InvalidateParentBeneath()
{
    RECT area;
    GetWindowRect(Handle(), &area);
    MapWindowPoints(nullptr, GetParent(Handle()), reinterpret_cast<POINT*>(&area), 2);
    InvalidateRect(GetParent(Handle()), &area, TRUE);
}

} // namespace ui
