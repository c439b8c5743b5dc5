#include "driver/Driver.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <vector>

namespace drive {

namespace {

// Calls visit(HWND) for each window EnumWindows or EnumChildWindows reports; visit returns false to stop.
template <class Visit>
BOOL CALLBACK VisitOne(HWND window, LPARAM visit)
{
    return (*reinterpret_cast<Visit*>(visit))(window) ? TRUE : FALSE;
}

template <class Visit>
void ForEachTop(Visit visit)
{
    EnumWindows(VisitOne<Visit>, reinterpret_cast<LPARAM>(&visit));
}

// Every descendant, not only the direct children: wizard pages put their controls in child dialogs.
template <class Visit>
void ForEachDescendant(HWND top, Visit visit)
{
    EnumChildWindows(top, VisitOne<Visit>, reinterpret_cast<LPARAM>(&visit));
}

// Polls until done() holds or the time is up.
template <class Done>
bool WaitUntil(DWORD timeoutMs, Done done, DWORD pollMs = kPollMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (done())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(pollMs);
    }
}

// The caption the window manager keeps. It is read without sending a message, so it never waits on a
// busy target; an edit control's typed contents are not in it (Text gives those).
std::string Caption(HWND window)
{
    char buffer[1024] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

// "&Next >" reads "Next >" on screen; "&&" shows one ampersand.
std::string WithoutMnemonics(const std::string& text)
{
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

bool CaptionMatches(HWND window, const std::string& wanted)
{
    const std::string caption = Caption(window);
    return caption == wanted || WithoutMnemonics(caption) == wanted;
}

bool ClassMatches(HWND window, const char* className)
{
    return className == nullptr || lstrcmpiA(ClassName(window).c_str(), className) == 0;
}

DWORD ProcessOf(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

// The first visible top-level window that matches, in Z order; an enabled one wins over a disabled one.
HWND FindTop(const std::string& caption, DWORD processId, const char* className)
{
    HWND first = nullptr;
    HWND enabled = nullptr;
    ForEachTop([&](HWND window) {
        if (IsWindowVisible(window) && CaptionMatches(window, caption) && ClassMatches(window, className)
            && (processId == 0 || ProcessOf(window) == processId)) {
            first = first ? first : window;
            enabled = IsWindowEnabled(window) ? window : nullptr;
        }
        return enabled == nullptr;
    });
    return enabled ? enabled : first;
}

bool Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PostMessageA(window, message, wParam, lParam) != FALSE;
}

// The lParam of a key message: repeat count 1 and the key's scan code; releases set bits 30 and 31.
LPARAM KeyData(WORD vk, bool release)
{
    LPARAM data = 1 | static_cast<LPARAM>(MapVirtualKeyA(vk, 0) << 16);
    return release ? data | (1L << 30) | static_cast<LPARAM>(1UL << 31) : data;
}

struct DcRelease { void operator()(HDC dc) const { ReleaseDC(nullptr, dc); } };
struct DcDelete { void operator()(HDC dc) const { DeleteDC(dc); } };
struct ObjectDelete { void operator()(HBITMAP object) const { DeleteObject(object); } };

// Puts an object into a device context and puts the old one back when done.
class Selection
{
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// True when neither the window nor any control in it waits to be painted.
bool Painted(HWND window)
{
    bool painted = !GetUpdateRect(window, nullptr, FALSE);
    ForEachDescendant(window, [&](HWND child) {
        return painted = painted && !GetUpdateRect(child, nullptr, FALSE);
    });
    return painted;
}

// What the screen shows in rect, as the header and rows of a 24-bit bottom-up DIB; no rows on failure.
struct Picture
{
    BITMAPINFOHEADER header = {};
    std::vector<BYTE> rows;
};

Picture Grab(const RECT& rect)
{
    BITMAPINFO info = {};
    BITMAPINFOHEADER& header = info.bmiHeader;
    header.biSize = sizeof header;
    header.biWidth = rect.right - rect.left;
    header.biHeight = rect.bottom - rect.top; // positive: rows bottom-up, as BMP files keep them
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = ((header.biWidth * 3 + 3) & ~3u) * header.biHeight;

    std::unique_ptr<HDC__, DcRelease> screen(GetDC(nullptr));
    std::unique_ptr<HDC__, DcDelete> memory(screen ? CreateCompatibleDC(screen.get()) : nullptr);
    void* bits = nullptr;
    std::unique_ptr<HBITMAP__, ObjectDelete> bitmap(
        memory ? CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr);
    if (!bitmap)
        return {};
    Selection selected(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, header.biWidth, header.biHeight, screen.get(), rect.left, rect.top,
                SRCCOPY | CAPTUREBLT))
        return {};
    GdiFlush();
    const BYTE* first = static_cast<const BYTE*>(bits);
    return {header, std::vector<BYTE>(first, first + header.biSizeImage)};
}

bool WriteBmp(const std::string& path, const Picture& picture)
{
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof picture.header;
    file.bfSize = file.bfOffBits + picture.rows.size();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&picture.header), sizeof picture.header);
    out.write(reinterpret_cast<const char*>(picture.rows.data()), picture.rows.size());
    return static_cast<bool>(out.flush());
}

} // namespace

Handle& Handle::operator=(Handle&& other) noexcept
{
    if (this != &other)
        Reset(std::exchange(other.handle_, nullptr));
    return *this;
}

void Handle::Reset(HANDLE handle)
{
    if (*this)
        CloseHandle(handle_);
    handle_ = handle;
}

bool Process::Start(const std::string& commandLine, const std::string& workDir)
{
    Terminate();
    std::string line = commandLine; // CreateProcessA may write into the command line
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workDir.empty() ? nullptr : workDir.c_str(), &startup, &info))
        return false;
    Handle thread(info.hThread);
    process_.Reset(info.hProcess);
    id_ = info.dwProcessId;
    return true;
}

bool Process::Running() const
{
    return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

bool Process::WaitExit(DWORD timeoutMs, DWORD* exitCode) const
{
    if (!process_ || WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (exitCode != nullptr)
        GetExitCodeProcess(process_.Get(), exitCode);
    return true;
}

void Process::Terminate()
{
    if (Running()) {
        TerminateProcess(process_.Get(), 1);
        WaitForSingleObject(process_.Get(), kReplyMs);
    }
}

HWND WaitWindow(const std::string& caption, DWORD timeoutMs, DWORD processId, const char* className)
{
    HWND found = nullptr;
    WaitUntil(timeoutMs, [&] { return (found = FindTop(caption, processId, className)) != nullptr; });
    return found;
}

bool WaitGone(HWND window, DWORD timeoutMs)
{
    return WaitUntil(timeoutMs, [&] { return !IsVisible(window); });
}

HWND FindControl(HWND top, const std::string& caption, const char* className, int index, bool includeHidden)
{
    HWND found = nullptr;
    ForEachDescendant(top, [&](HWND window) {
        if ((!includeHidden && !IsWindowVisible(window)) || !ClassMatches(window, className)
            || (!caption.empty() && !CaptionMatches(window, caption)) || index-- > 0)
            return true;
        found = window;
        return false;
    });
    return found;
}

HWND WaitControl(HWND top, const std::string& caption, DWORD timeoutMs, const char* className, int index)
{
    HWND found = nullptr;
    WaitUntil(timeoutMs, [&] { return (found = FindControl(top, caption, className, index)) != nullptr; });
    return found;
}

// BM_CLICK is posted, not sent: the button's own code presses and releases it and notifies its parent,
// as a mouse click does, while the driver goes on at once even when the click opens a modal box (a sent
// message would not return until the box closed). Posted button-down and button-up messages at the
// button's centre work as well under Wine, but BM_CLICK needs no coordinates. Settle then waits for the
// click to be handled, which ends when the box's own message loop runs.
bool Click(HWND button)
{
    if (!IsVisible(button) || !IsEnabled(button) || !Post(button, BM_CLICK, 0, 0))
        return false;
    Settle(button); // fails harmlessly when the click closes the window
    return true;
}

bool TypeChars(HWND edit, const std::string& text)
{
    for (char c : text) {
        const WORD vk = LOBYTE(VkKeyScanA(c));
        if (!Post(edit, WM_CHAR, static_cast<unsigned char>(c), KeyData(vk, false)) || !Settle(edit))
            return false;
    }
    return true;
}

// The key messages go straight to target and bypass the system's keyboard state: the target's message
// loop still translates and dispatches them (so dialog keys like Enter and Escape work when target is
// the focused control), but GetKeyState there does not see the key down.
bool PressKey(HWND target, WORD vk)
{
    if (!Post(target, WM_KEYDOWN, vk, KeyData(vk, false)))
        return false;
    Settle(target);
    if (Post(target, WM_KEYUP, vk, KeyData(vk, true))) // the key down may have closed the window
        Settle(target);
    return true;
}

HWND Focused(HWND top)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

// A thread reads the messages sent to it before those posted to it, so a sent message alone can be
// answered before an earlier post is handled. WM_PAINT comes last: a thread gets it only when no sent,
// posted or input message waits. So a round marks one pixel of the window for repainting, watches through
// GetUpdateRect for the mark to go, then sends a message, answered once that painting is over. One round
// can be fooled by a paint the thread had taken just before the mark was made; the second round is not,
// since after the first the thread is back in its loop and takes no WM_PAINT while a post waits.
bool Settle(HWND window)
{
    const RECT spot = {0, 0, 1, 1};
    for (int round = 0; round < 2; ++round) {
        if (!IsWindow(window))
            return true; // the window went away, which handled the messages as far as they matter
        const auto repainted = [&] { return !IsWindow(window) || !GetUpdateRect(window, nullptr, FALSE); };
        if (!IsVisible(window) || !InvalidateRect(window, &spot, FALSE) || !WaitUntil(kReplyMs, repainted, 1))
            return false;
        DWORD_PTR result = 0;
        if (IsWindow(window) && !SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kReplyMs, &result))
            return false;
    }
    return true;
}

// WM_GETTEXT is sent, not read from the window manager: only the control knows an edit's contents.
// The system copies the text across the process boundary.
std::string Text(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReplyMs, &length))
        return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kReplyMs, &copied))
        return {};
    text.resize(std::min<size_t>(copied, length));
    return text;
}

std::string ClassName(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HWND WaitMessageBox(const std::string& caption, DWORD timeoutMs, DWORD processId)
{
    return WaitWindow(caption, timeoutMs, processId, "#32770");
}

// The system message box shows its message in a static control with id 0xFFFF; when a box lacks it,
// the longest static text is the message (the others are icons or empty).
std::string MessageBoxText(HWND box)
{
    if (HWND message = GetDlgItem(box, 0xFFFF); message != nullptr && ClassMatches(message, "Static"))
        return Text(message);
    std::string longest;
    ForEachDescendant(box, [&](HWND window) {
        if (ClassMatches(window, "Static")) {
            std::string text = Text(window);
            if (text.size() > longest.size())
                longest = std::move(text);
        }
        return true;
    });
    return longest;
}

// Copies from the screen rather than asking the window to paint itself (PrintWindow): the picture is what
// a person sees, with any box on top of the window included. A window just shown or changed may not be
// on the screen yet, so the copy waits until the program has painted and the screen has stopped changing.
bool SaveScreenshot(HWND window, const std::string& bmpPath)
{
    RECT rect = {};
    if (!IsVisible(window) || !GetWindowRect(window, &rect) || rect.right <= rect.left || rect.bottom <= rect.top)
        return false;
    Settle(window); // handles what was posted, then the paint of the window itself
    WaitUntil(kReplyMs, [&] { return Painted(window); });
    Settle(window); // the controls' painting is over too
    Picture picture = Grab(rect);
    for (int look = 0; look < 20 && !picture.rows.empty(); ++look) {
        Sleep(2 * kPollMs);
        Picture again = Grab(rect);
        if (again.rows == picture.rows)
            break;
        picture = std::move(again);
    }
    return !picture.rows.empty() && WriteBmp(bmpPath, picture);
}

bool IsVisible(HWND window)
{
    return IsWindow(window) && IsWindowVisible(window);
}

bool IsEnabled(HWND window)
{
    return IsWindow(window) && IsWindowEnabled(window);
}

RECT ClientRectOnScreen(HWND window)
{
    RECT rect = {};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace drive
