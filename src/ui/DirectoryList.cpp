#include "ui/DirectoryList.h"

#include "services/VeskErrors.h"
#include "ui/DriveAccess.h"
#include "ui/ErrorReport.h"
#include "ui/ItemDrawing.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <utility>

namespace ui {

namespace {

constexpr int kItemHeight = 16;
constexpr int kIndentStep = 8;

constexpr COLORREF kFolderEdge = RGB(128, 96, 0);
constexpr COLORREF kFolderBack = RGB(224, 176, 48);
constexpr COLORREF kFolderFront = RGB(255, 224, 112);

// The form a directory takes in the list: a full path, lower-case drive letter, no trailing backslash but a
// root's. Only paths on a drive letter can be listed.
std::string ListPath(const std::string& path)
{
    const DWORD needed = path.empty() ? 0 : GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    std::string full(needed, '\0');
    const DWORD length = needed ? GetFullPathNameA(path.c_str(), needed, full.data(), nullptr) : 0;
    if (length == 0 || length >= needed)
        throw EInOutError(ERROR_PATH_NOT_FOUND);
    full.resize(length);
    if (full.size() < 3 || !std::isalpha(static_cast<unsigned char>(full[0])) || full[1] != ':' || full[2] != '\\')
        throw EInOutError(ERROR_INVALID_DRIVE);
    full[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(full[0])));
    while (full.size() > 3 && full.back() == '\\')
        full.pop_back();
    return full;
}

bool LessIgnoringCase(const std::string& left, const std::string& right)
{
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) < std::tolower(static_cast<unsigned char>(b));
    });
}

// A folder in a 16-pixel cell: a closed one, or an open one with its front flap tilted towards the viewer.
void DrawFolder(HDC dc, int x, int y, bool open)
{
    const Pen edge(CreatePen(PS_SOLID, 1, kFolderEdge));
    const Brush back(CreateSolidBrush(open ? kFolderBack : kFolderFront));
    const Brush front(CreateSolidBrush(kFolderFront));
    const SavedDc saved(dc);
    SelectObject(dc, edge.Get());
    SelectObject(dc, back.Get());
    const POINT body[] = {{x + 1, y + 4}, {x + 2, y + 3}, {x + 6, y + 3}, {x + 7, y + 4},
                          {x + 14, y + 4}, {x + 14, y + 13}, {x + 1, y + 13}};
    Polygon(dc, body, static_cast<int>(std::size(body)));
    if (!open)
        return;
    SelectObject(dc, front.Get());
    const POINT flap[] = {{x + 4, y + 7}, {x + 15, y + 7}, {x + 13, y + 13}, {x + 1, y + 13}};
    Polygon(dc, flap, static_cast<int>(std::size(flap)));
}

// Enter is wanted only as a key down; the dialog manager asks about each key with its message in lParam.
bool AsksForEnter(LPARAM lParam)
{
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    return msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
}

} // namespace

DirectoryList::DirectoryList(Window& parent, const ControlSpec& layout)
{
    // LBS_HASSTRINGS: the items keep their names, so that screen readers can read the owner-drawn list.
    CreateControl(parent, "LISTBOX",
                  LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER,
                  layout);
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, kItemHeight);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DirectoryList::SubclassProc)));
}

DirectoryList::~DirectoryList()
{
    // The list box's own procedure handles its destruction and frees its items.
    if (original_ && IsWindow(Handle()) && FromHandle(Handle()) == this)
        SetWindowLongPtrA(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
}

void DirectoryList::SetDirectory(const std::string& path)
{
    const std::string directory = ListPath(path);
    DriveAccess& drives = CurrentDriveAccess();
    if (!drives.IsReady(directory.front()))
        throw EInOutError(ERROR_NOT_READY);
    std::vector<std::string> subdirectories = drives.Subdirectories(directory);
    const bool changed = directory != directory_;
    Fill(directory, std::move(subdirectories));
    if (changed && OnChange) {
        // A copy: the action may replace itself while it runs.
        const std::function<void()> action = OnChange;
        action();
    }
}

void DirectoryList::Refresh()
{
    if (!directory_.empty())
        Fill(directory_, CurrentDriveAccess().Subdirectories(directory_));
}

void DirectoryList::Fill(const std::string& directory, std::vector<std::string> subdirectories)
{
    std::vector<Entry> entries{{directory.substr(0, 3), directory.substr(0, 3), 0, true}};
    for (size_t start = 3; start < directory.size();) {
        const size_t end = std::min(directory.find('\\', start), directory.size());
        if (end > start)
            entries.push_back({directory.substr(start, end - start), directory.substr(0, end),
                               static_cast<int>(entries.size()), true});
        start = end + 1;
    }
    const int current = static_cast<int>(entries.size()) - 1;
    const std::string prefix = directory.size() == 3 ? directory : directory + '\\';
    std::sort(subdirectories.begin(), subdirectories.end(), LessIgnoringCase);
    for (std::string& name : subdirectories)
        entries.push_back({name, prefix + name, current + 1, false});

    entries_ = std::move(entries);
    directory_ = directory;
    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
    for (const Entry& entry : entries_)
        SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name.c_str()));
    SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(current), 0);
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void DirectoryList::Open(int index)
{
    if (index < 0 || index >= static_cast<int>(entries_.size()))
        return;
    // A copy: listing the directory replaces the entries.
    const std::string path = entries_[static_cast<size_t>(index)].path;
    SetDirectory(path);
}

void DirectoryList::OnCommand(WORD code)
{
    if (code == LBN_DBLCLK)
        Open(static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0)));
}

void DirectoryList::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    ClearItem(item);
    if (item.itemID >= entries_.size())
        return;
    const Entry& entry = entries_[item.itemID];
    const int glyphLeft = item.rcItem.left + kItemMargin + entry.depth * kIndentStep;
    DrawFolder(item.hDC, glyphLeft, ItemGlyphTop(item), entry.open);
    DrawItemName(item, Handle(), glyphLeft, entry.name);
}

LRESULT CALLBACK DirectoryList::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<DirectoryList*>(FromHandle(hwnd));
    const WNDPROC original = self ? self->original_ : reinterpret_cast<WNDPROC>(DefWindowProcA);
    if (message == WM_GETDLGCODE && AsksForEnter(lParam))
        return CallWindowProcA(original, hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
    if (message == WM_KEYDOWN && wParam == VK_RETURN && self) {
        // No C++ exception may cross into the system's code: errors go to the application's handler.
        try {
            self->Open(static_cast<int>(SendMessageA(hwnd, LB_GETCURSEL, 0, 0)));
        } catch (const std::exception& error) {
            HandleError(error);
        }
        return 0;
    }
    return CallWindowProcA(original, hwnd, message, wParam, lParam);
}

} // namespace ui
