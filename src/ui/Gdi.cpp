#include "ui/Gdi.h"

namespace ui {

Font CreateFontFromSpec(const FontSpec& spec)
{
    return Font(CreateFontA(-spec.pixelHeight, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, spec.italic, FALSE, FALSE,
                            spec.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, spec.face.c_str()));
}

} // namespace ui
