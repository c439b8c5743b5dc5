#include "script/CommandTable.h"

#include "script/CoreCommands.h"
#include "script/DirectoryCommands.h"
#include "script/FileCommands.h"
#include "script/GroupCommands.h"
#include "script/ScreenCommands.h"
#include "services/VeskStringUtil.h"

#include <array>

namespace {

using enum MatchKind;

// Containment rows can carry options after their word; they come before several equality rows, so a
// text holding "run" anywhere (and no earlier containment word) is the "run" command.
constexpr std::array kCommands{
    CommandRow{"set message", Equality, CmdSetMessage},                    // fill the message area
    CommandRow{"wait message", Equality, CmdWaitMessage},                  // fill the message area, wait for "&Next >>"
    CommandRow{"wait openingtext", Equality, CmdWaitOpeningText},          // introduction text, wait for its "&Next >>"
    CommandRow{"wait button", Equality, CmdWaitButton},                    // wait for "&Next >>", optional caption
    CommandRow{"create directory", Containment, CmdCreateDirectory},       // ask for and create the install directory
    CommandRow{"create subdirectory", Containment, CmdCreateSubdirectory}, // a directory under the target root
    CommandRow{"create program group", Containment, DoCreateProgramGroup}, // ask for and create the program group
    CommandRow{"create program items", Containment, DoCreateProgramItems}, // shortcuts in the program group
    CommandRow{"copy files", Containment, CmdCopyFiles},                   // copy (and expand) files
    CommandRow{"delete files", Containment, CmdDeleteFiles},               // delete files
    CommandRow{"open file", Containment, CmdOpenFile},                     // open a document with its program
    CommandRow{"set target directory", Equality, CmdSetTargetDirectory},   // target directory under the root
    CommandRow{"set target root directory", Equality, CmdSetTargetRootDirectory}, // the target root directory
    CommandRow{"deltree", Containment, CmdDelTree},                               // remove a directory tree
    CommandRow{"set source directory", Equality, CmdSetSourceDirectory}, // source directory under the program's
    CommandRow{"run", Containment, CmdRun},                              // start a program
    CommandRow{"set label", Equality, CmdSetLabel},                      // the small label
    CommandRow{"set title", Equality, CmdSetTitle},                      // the title
    CommandRow{"set editbox", Equality, CmdSetEditBox},                  // set and show the edit box
    CommandRow{"readonly editbox", Equality, CmdReadOnlyEditBox},        // the edit box's read-only state
    CommandRow{"hide editbox", Equality, CmdHideEditBox},                // hide the edit box
    CommandRow{"hide label", Equality, CmdHideLabel},                    // hide the small label
    CommandRow{"hide title", Equality, CmdHideTitle},                    // hide the title
    CommandRow{"hide quitbutton", Equality, CmdHideQuitButton},          // hide "&Quit"
    CommandRow{"hide button", Equality, CmdHideButton},                  // hide "&Next >>"
    CommandRow{"show quitbutton", Equality, CmdShowQuitButton},          // show "&Quit"
    CommandRow{"sleep", Equality, CmdSleep},                             // pause
    CommandRow{"end", Equality, CmdEnd},                                 // end the run
    CommandRow{"remark", Equality, CmdSkip},                             // skip
    CommandRow{"rem", Equality, CmdSkip},                                // skip
};

// Every other non-empty text.
constexpr CommandRow kUnknown{"", Equality, CmdSkip};

bool Matches(const CommandRow& row, std::string_view commandText)
{
    return row.match == Equality ? commandText == row.word : ContainsNoCase(row.word, commandText);
}

} // namespace

std::span<const CommandRow> CommandTable()
{
    return kCommands;
}

const CommandRow* FindCommand(std::string_view commandText)
{
    if (commandText.empty())
        return nullptr;
    for (const CommandRow& row : kCommands)
        if (Matches(row, commandText))
            return &row;
    return &kUnknown;
}
