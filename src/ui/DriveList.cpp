#include "ui/DriveList.h"

#include "services/VeskErrors.h"
#include "ui/DirectoryList.h"
#include "ui/ItemDrawing.h"

#include <algorithm>
#include <cctype>

namespace ui {

namespace {

constexpr int kItemHeight = 16;
constexpr int kDroppedItems = 8;

constexpr COLORREF kDiskCase = RGB(64, 64, 64);
constexpr COLORREF kLight = RGB(0, 192, 0);
constexpr COLORREF kChip = RGB(0, 128, 0);

void Fill(HDC dc, const RECT& rect, COLORREF color)
{
    const Brush brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.Get());
}

void FillFramed(HDC dc, const RECT& rect, COLORREF color)
{
    Fill(dc, rect, color);
    const Brush edge(CreateSolidBrush(colors::Black));
    FrameRect(dc, &rect, edge.Get());
}

void DrawDisc(HDC dc, int x, int y)
{
    const Pen edge(CreatePen(PS_SOLID, 1, colors::Grey));
    const Brush silver(CreateSolidBrush(colors::Silver));
    const SavedDc saved(dc);
    SelectObject(dc, edge.Get());
    SelectObject(dc, silver.Get());
    Ellipse(dc, x + 1, y + 1, x + 15, y + 15);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Ellipse(dc, x + 6, y + 6, x + 10, y + 10);
}

// A glyph for the drive's kind in a 16-pixel cell, drawn from the kind alone.
void DrawDriveGlyph(HDC dc, int x, int y, DriveKind kind)
{
    switch (kind) {
    case DriveKind::Removable: // a diskette: dark case, metal shutter, white label
        FillFramed(dc, {x + 2, y + 2, x + 14, y + 14}, kDiskCase);
        FillFramed(dc, {x + 5, y + 2, x + 11, y + 7}, colors::Silver);
        FillFramed(dc, {x + 4, y + 9, x + 12, y + 14}, colors::White);
        break;
    case DriveKind::Fixed: // a flat drive box with its light
        FillFramed(dc, {x + 1, y + 5, x + 15, y + 12}, colors::Silver);
        Fill(dc, {x + 11, y + 8, x + 13, y + 10}, kLight);
        break;
    case DriveKind::Network: // a drive box on a cable
        FillFramed(dc, {x + 1, y + 2, x + 15, y + 9}, colors::Silver);
        Fill(dc, {x + 11, y + 5, x + 13, y + 7}, kLight);
        Fill(dc, {x + 7, y + 9, x + 9, y + 13}, colors::Black);
        Fill(dc, {x + 2, y + 13, x + 14, y + 15}, colors::Black);
        break;
    case DriveKind::CdRom:
        DrawDisc(dc, x, y);
        break;
    case DriveKind::RamDisk: // a memory chip with its pins
        FillFramed(dc, {x + 2, y + 4, x + 14, y + 12}, kChip);
        for (int pin = 3; pin < 14; pin += 3) {
            Fill(dc, {x + pin, y + 2, x + pin + 1, y + 4}, colors::Grey);
            Fill(dc, {x + pin, y + 12, x + pin + 1, y + 14}, colors::Grey);
        }
        break;
    default:
        FillFramed(dc, {x + 2, y + 4, x + 14, y + 12}, colors::White);
        break;
    }
}

std::string RootOf(char drive)
{
    return {drive, ':', '\\'};
}

} // namespace

DriveList::DriveList(Window& parent, const ControlSpec& layout) : drives_(CurrentDriveAccess().Drives())
{
    // A drop-down list is created with the room of its dropped list; it then shows closed at its field's height.
    ControlSpec created = layout;
    created.height = layout.height + kDroppedItems * kItemHeight + 2;
    CreateControl(parent, "COMBOBOX", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL, created);
    for (const DriveEntry& drive : drives_) {
        // CBS_HASSTRINGS: the items keep their names, so that screen readers can read the owner-drawn list.
        const char name[] = {drive.letter, ':', '\0'};
        SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, kItemHeight);
    FitHeights(layout.height);
}

void DriveList::FitHeights(int closedHeight)
{
    // The closed box is its selection field inside a frame. Systems differ in what the field's height
    // counts, so the frame's share is measured after a first guess and the field corrected by the difference.
    const int guess = closedHeight - 6;
    SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), guess);
    RECT box{};
    GetWindowRect(Handle(), &box);
    SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), guess + closedHeight - (box.bottom - box.top));
}

char DriveList::Drive() const
{
    const LRESULT index = SendMessageA(Handle(), CB_GETCURSEL, 0, 0);
    return index >= 0 && static_cast<size_t>(index) < drives_.size() ? drives_[static_cast<size_t>(index)].letter : 0;
}

void DriveList::SetDrive(char letter)
{
    const char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    const auto found = std::find_if(drives_.begin(), drives_.end(),
                                    [wanted](const DriveEntry& drive) { return drive.letter == wanted; });
    if (found == drives_.end())
        throw EInOutError(ERROR_INVALID_DRIVE);
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(found - drives_.begin()), 0);
    FollowDrive();
}

void DriveList::FollowDrive()
{
    const char drive = Drive();
    if (!dirList_ || !drive)
        return;
    const std::string current = CurrentDriveAccess().CurrentDir(drive);
    try {
        dirList_->SetDirectory(current);
    } catch (const EInOutError& error) {
        // A current directory that is gone leaves the root; a drive that cannot be read is the caller's.
        if (error.ErrorCode == ERROR_NOT_READY || current.size() <= 3)
            throw;
        dirList_->SetDirectory(RootOf(drive));
    }
}

void DriveList::OnCommand(WORD code)
{
    if (code == CBN_SELCHANGE)
        FollowDrive();
}

void DriveList::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    ClearItem(item);
    if (item.itemID >= drives_.size())
        return;
    const DriveEntry& drive = drives_[item.itemID];
    const int glyphLeft = item.rcItem.left + kItemMargin;
    DrawDriveGlyph(item.hDC, glyphLeft, ItemGlyphTop(item), drive.kind);
    DrawItemName(item, Handle(), glyphLeft, {drive.letter, ':'});
}

} // namespace ui
