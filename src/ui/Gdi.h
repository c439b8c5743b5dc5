// RAII owners of the GDI objects and device context settings the controls use, and the colours of the forms.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

namespace colors {
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Olive = RGB(128, 128, 0);
constexpr COLORREF Aqua = RGB(0, 255, 255);
constexpr COLORREF Silver = RGB(192, 192, 192);
constexpr COLORREF Purple = RGB(128, 0, 128);
constexpr COLORREF Yellow = RGB(255, 255, 0);
constexpr COLORREF Grey = RGB(128, 128, 128);
} // namespace colors

struct FontSpec {
    std::string face = "MS Sans Serif";
    int pixelHeight = 11; // character height, as a negative lfHeight
    bool bold = false;
    bool italic = false;
    BYTE charset = DEFAULT_CHARSET;
};

template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other) {
            Reset();
            handle_ = other.handle_;
            other.handle_ = nullptr;
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    void Reset()
    {
        if (handle_)
            DeleteObject(handle_);
        handle_ = nullptr;
    }

private:
    Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;

// Puts back every object and setting of a device context that the drawing changed.
class SavedDc {
public:
    explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDc() { RestoreDC(dc_, saved_); }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC dc_;
    int saved_;
};

Font CreateFontFromSpec(const FontSpec& layout);

} // namespace ui
