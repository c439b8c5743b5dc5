// The Windows tests' own file helpers: listing a directory and removing a tree, independent of the
// services under test.
#pragma once

#include <string>
#include <vector>

namespace testfiles {

// The names in a directory, "." and ".." left out; empty for a missing directory.
std::vector<std::string> Entries(const std::string& dir);

// Removes a file or a directory with everything in it, clearing every attribute first. It never enters a
// link to a directory: the link goes, what it points to stays.
void RemoveAll(const std::string& path);

} // namespace testfiles
