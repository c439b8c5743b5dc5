// A program that the tests start to see what command line a started program receives: it appends its
// command line and a line feed to ArgsEcho.out in its own directory, and exits. It opens no window and
// writes nothing else, so that a test reads exactly what the platform handed over, one line per start.
#include <windows.h>

#include <string>
#include <vector>

namespace {

// The directory of this program's file, with its trailing backslash.
std::string OwnDir()
{
    std::vector<char> buffer(MAX_PATH);
    DWORD length = 0;
    while ((length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()))) >= buffer.size())
        buffer.resize(buffer.size() * 2);
    std::string path(buffer.data(), length);
    path.erase(path.find_last_of('\\') + 1);
    return path;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::string line = std::string(GetCommandLineA()) + "\n";
    const std::string outPath = OwnDir() + "ArgsEcho.out";
    // Append-only access puts each start's line whole at the end, even when several run at once; the
    // sharing lets a test read the file while another start writes.
    const HANDLE file = CreateFileA(outPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == line.size() ? 0 : 1;
}
