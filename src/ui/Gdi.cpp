#include "ui/Gdi.h"

namespace ui {

Font CreateFontFromSpec(const FontSpec& font)
{
    return Font(CreateFontA(-font.pixelHeight, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE,
                            font.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, font.face.c_str()));
}

} // namespace ui
