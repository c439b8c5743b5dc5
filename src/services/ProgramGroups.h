// The program groups as the group dialogs see them: the user's Programs folder read afresh, the groups in it,
// and the old group-creation entry that only says it is no longer used.
#pragma once

#include <string>
#include <vector>

// The current user's "Programs" folder as stored under "Shell Folders", read on every call; "" when the key
// or the value is missing.
std::string GetProgramsDir();

// Empties the list, then fills it with the names of the Programs folder's subfolders in the order the file
// system gives them; hidden and system folders, plain files, "." and ".." are left out. No Programs folder
// gives an empty list.
void ListProgramGroups(std::vector<std::string>& list);

// Shows "obsolete function" with an OK button and returns when it is closed; makes no folder.
void AddProgramGroup(const std::string& name);
