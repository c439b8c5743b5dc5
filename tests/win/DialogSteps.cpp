// What the Win32 tests use to work modal dialogs in this process: steps run from inside the dialogs' own
// message loops, posted clicks and keys, looks at the windows, and pictures of them saved as artefacts.
#include "win/DialogSteps.h"
#include "win/TestFiles.h"

#include "services/FindHandle.h"
#include "ui/Gdi.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>

namespace dialogtest {

namespace {

std::string ArtefactsDir()
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string dir(module);
    dir = dir.substr(0, dir.find_last_of('\\') + 1) + "artefacts\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
};

struct MemoryDc {
    HDC dc;
    ~MemoryDc() { DeleteDC(dc); }
};

void WriteBmp(const std::string& path, const BITMAPINFOHEADER& header, const void* bits)
{
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(static_cast<const char*>(bits), header.biSizeImage);
}

constexpr UINT kTickMs = 30;
constexpr DWORD kTimeLimitMs = 20000;

BOOL CALLBACK CloseOne(HWND window, LPARAM)
{
    if (IsWindowVisible(window))
        PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

LPARAM KeyData(WORD vk, bool release)
{
    const LPARAM data = 1 | static_cast<LPARAM>(MapVirtualKeyA(vk, 0) << 16);
    return release ? data | (1L << 30) | static_cast<LPARAM>(1UL << 31) : data;
}

BOOL CALLBACK KeepMessageBox(HWND window, LPARAM found)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (!IsWindowVisible(window) || lstrcmpA(className, "#32770") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

} // namespace

// ---- Pictures for the test's artefacts

bool SavePicture(HWND window, const std::string& name)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    BITMAPINFO info{};
    BITMAPINFOHEADER& header = info.bmiHeader;
    header.biSize = sizeof header;
    header.biWidth = rect.right - rect.left;
    header.biHeight = rect.bottom - rect.top; // bottom-up rows, as BMP files keep them
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(((header.biWidth * 3 + 3) & ~3) * header.biHeight);

    const ScreenDc screen;
    const MemoryDc memory{CreateCompatibleDC(screen.dc)};
    void* bits = nullptr;
    const ui::GdiObject<HBITMAP> bitmap(CreateDIBSection(screen.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap.Get())
        return false;
    const HGDIOBJ old = SelectObject(memory.dc, bitmap.Get());
    const bool copied =
        BitBlt(memory.dc, 0, 0, header.biWidth, header.biHeight, screen.dc, rect.left, rect.top, SRCCOPY) != FALSE;
    GdiFlush();
    SelectObject(memory.dc, old);
    if (copied)
        WriteBmp(ArtefactsDir() + name, header, bits);
    return copied;
}

// ---- Working modal dialogs from inside their loops

Steps* Steps::current_ = nullptr;

Steps::Steps() : start_(GetTickCount()), timer_(SetTimer(nullptr, 0, kTickMs, &Steps::Tick))
{
    current_ = this;
}

Steps::~Steps()
{
    KillTimer(nullptr, timer_);
    current_ = nullptr;
}

void Steps::Do(std::function<void()> action)
{
    steps_.push_back([action = std::move(action)] {
        action();
        return true;
    });
}

void Steps::Pause(DWORD ms)
{
    steps_.push_back([ms, started = false, start = DWORD{0}]() mutable {
        if (!started)
            start = GetTickCount();
        started = true;
        return GetTickCount() - start >= ms;
    });
}

void Steps::Picture(std::function<HWND()> window, const char* name)
{
    Do([window] {
        RedrawWindow(window(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    });
    Pause(400);
    Do([window, name] { EXPECT_TRUE(SavePicture(window(), name)) << name; });
}

void CALLBACK Steps::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (current_)
        current_->Run();
}

void Steps::Run()
{
    if (running_)
        return;
    running_ = true;
    if (GetTickCount() - start_ > kTimeLimitMs)
        EnumThreadWindows(GetCurrentThreadId(), &CloseOne, 0);
    else if (next_ < steps_.size() && steps_[next_]())
        ++next_;
    running_ = false;
}

void PressKey(HWND target, WORD vk)
{
    PostMessageA(target, WM_KEYDOWN, vk, KeyData(vk, false));
    PostMessageA(target, WM_KEYUP, vk, KeyData(vk, true));
}

void TypeChars(HWND edit, const std::string& text)
{
    for (const char c : text)
        PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), KeyData(LOBYTE(VkKeyScanA(c)), false));
}

void Click(const ui::Window& button)
{
    PostMessageA(button.Handle(), BM_CLICK, 0, 0);
}

void ClickListItem(HWND list, int index, bool twice)
{
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
    if (!twice)
        return;
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
}

void ClickItem(const ui::DirectoryList& list, const std::string& name, bool twice)
{
    ClickListItem(list.Handle(), IndexOf(list, name), twice);
}

void TabThrough(Steps& steps, int presses, std::vector<HWND>& visited)
{
    for (int press = 0; press < presses; ++press) {
        steps.Do([&visited] {
            visited.push_back(GetFocus());
            PressKey(GetFocus(), VK_TAB);
        });
        steps.Pause(60);
    }
}

int IndexOf(const ui::DirectoryList& list, const std::string& name)
{
    return static_cast<int>(SendMessageA(list.Handle(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(name.c_str())));
}

HWND ThreadMessageBox()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &KeepMessageBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string BoxMessage(HWND box)
{
    std::string longest;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        char text[1024] = {};
        if (lstrcmpiA(className, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0 &&
            std::string(text).size() > longest.size())
            longest = text;
    }
    return longest;
}

std::function<bool()> FormShown(const std::string& title, HWND& found)
{
    return [title, &found] {
        found = FindWindowA("VeskForm", title.c_str());
        return found && IsWindowVisible(found) && GetActiveWindow() == found;
    };
}

HWND EditOf(HWND form)
{
    return FindWindowExA(form, nullptr, "Edit", nullptr);
}

RECT PlaceInParent(const ui::Window& control)
{
    RECT rect{};
    GetWindowRect(control.Handle(), &rect);
    MapWindowPoints(nullptr, GetParent(control.Handle()), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE ClientSize(const ui::Window& window)
{
    RECT rect{};
    GetClientRect(window.Handle(), &rect);
    return {rect.right, rect.bottom};
}

void ExpectPlace(const ui::Window& control, int left, int top, int width, int height, const char* name)
{
    const RECT place = PlaceInParent(control);
    EXPECT_EQ(place.left, left) << name;
    EXPECT_EQ(place.top, top) << name;
    if (width > 0) {
        EXPECT_EQ(place.right - place.left, width) << name;
        EXPECT_EQ(place.bottom - place.top, height) << name;
    }
}

LOGFONTA FontOf(const ui::Window& control)
{
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control.Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

// ---- Directories

void RemoveTree(const std::string& dir)
{
    testfiles::RemoveAll(dir);
}

std::string TempTestDir(const std::string& name)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string dir = std::string(temp) + name;
    dir[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(dir[0])));
    return dir;
}

} // namespace dialogtest
