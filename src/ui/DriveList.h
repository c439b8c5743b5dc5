// A drive list: a drop-down list of the logical drives ("a:", "c:", ...), each drawn with a glyph for its
// kind (removable, hard disk, network, CD-ROM, RAM disk). Choosing a drive moves the linked directory list
// to that drive's current directory. Drawing the list never touches a medium; the drives are found through
// the DriveAccess seam.
#pragma once

#include "ui/DriveAccess.h"
#include "ui/Window.h"

#include <vector>

namespace ui {

class DirectoryList;

class DriveList final : public Window {
public:
    // The layout's height is the height of the closed box; the list drops down below it.
    DriveList(Window& parent, const ControlSpec& layout);

    // The chosen drive's letter in lower case, or 0 while none is chosen.
    char Drive() const;
    // Chooses the drive (either case) and moves the linked directory list to its current directory, also
    // when it was chosen already. Throws EInOutError when that cannot be read (21 when the drive is not
    // ready), the drive staying chosen; 15 for a letter that names no drive, the choice left as it was.
    void SetDrive(char letter);
    // The directory list that follows the chosen drive.
    void LinkTo(DirectoryList& list) { dirList_ = &list; }

    // A drive chosen by the user: an error moving the directory list leaves the event being processed, so
    // that it reaches the application's error handler.
    void OnCommand(WORD code) override;
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;

private:
    void FitHeights(int closedHeight);
    void FollowDrive();

    std::vector<DriveEntry> drives_;
    DirectoryList* dirList_ = nullptr;
};

} // namespace ui
