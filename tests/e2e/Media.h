// Installation media for the end-to-end tests: a fresh folder in the prefix's temp directory holding a
// copy of the real setup.exe and whatever scripts and files a test writes into it.
#pragma once

#include "driver/Driver.h"

#include <windows.h>

#include <string>

namespace e2e {

// The captions the tests look for.
inline constexpr char kMainWindow[] = "FormMain";
inline constexpr char kAppTitle[] = "Vesk-Install";
inline constexpr DWORD kStartMs = 20000;
inline constexpr DWORD kStepMs = 10000;

class Media {
public:
    // An empty folder named after the test, with setup.exe copied in.
    explicit Media(const std::string& name);
    ~Media();
    Media(const Media&) = delete;
    Media& operator=(const Media&) = delete;

    const std::string& Dir() const { return dir_; }
    std::string Path(const std::string& relative) const { return dir_ + "\\" + relative; }
    // Writes a file below the folder (its directories are made), bytes as given.
    void Write(const std::string& relative, const std::string& bytes) const;
    // Starts setup.exe with the arguments, in the given working directory (the media folder when empty).
    bool Start(drive::Process& process, const std::string& arguments = {}, const std::string& workDir = {}) const;
    // A screenshot of a window saved as a test artefact in the build tree's e2e/artefacts folder.
    static bool SaveArtefact(HWND window, const std::string& name);

private:
    std::string dir_;
};

// Removes a directory with everything in it (the tests' own clean-up).
void RemoveTree(const std::string& dir);

// Message box texts with their line breaks as plain "\n".
std::string Lines(const std::string& text);

} // namespace e2e
