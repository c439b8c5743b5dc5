#include "Media.h"

#include <fstream>
#include <stdexcept>

namespace e2e {

namespace {

std::string ModuleDir()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, length);
    return dir.substr(0, dir.find_last_of('\\'));
}

} // namespace

void RemoveTree(const std::string& dir)
{
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = dir + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(dir.c_str());
}

namespace {

void MakeParents(const std::string& path)
{
    for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
}

} // namespace

Media::Media(const std::string& name)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    dir_ = std::string(temp) + "vesk-e2e\\" + name;
    RemoveTree(dir_);
    MakeParents(dir_ + "\\");
    // The tests live in e2e\ beside the build's setup.exe.
    const std::string setup = ModuleDir() + "\\..\\setup.exe";
    if (!CopyFileA(setup.c_str(), Path("setup.exe").c_str(), FALSE))
        throw std::runtime_error("cannot copy " + setup);
}

Media::~Media()
{
    RemoveTree(dir_);
}

void Media::Write(const std::string& relative, const std::string& bytes) const
{
    MakeParents(Path(relative));
    std::ofstream(Path(relative), std::ios::binary) << bytes;
}

bool Media::Start(drive::Process& process, const std::string& arguments, const std::string& workDir) const
{
    std::string commandLine = "\"" + Path("setup.exe") + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    return process.Start(commandLine, workDir.empty() ? dir_ : workDir);
}

bool Media::SaveArtefact(HWND window, const std::string& name)
{
    const std::string dir = ModuleDir() + "\\artefacts";
    CreateDirectoryA(dir.c_str(), nullptr);
    return drive::SaveScreenshot(window, dir + "\\" + name + ".bmp");
}

std::string Lines(const std::string& text)
{
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            plain += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            plain += text[i];
        }
    }
    return plain;
}

} // namespace e2e
