// "copy files" of 2,000 small files through the real services, against xcopy of the same files under the
// same Wine, in one run; prints both times and the ratio.
#include "app/ScriptServicesWin32.h"
#include "script/ScriptFormat.h"
#include "script/VeskScript3.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr int kFiles = 2000;

class QuietHost : public IScriptHost {
public:
    void ProcessMessages() override {}
    void Sleep(unsigned) override {}
    void ShowMessage(const std::string& text) override { std::printf("message: %s\n", text.c_str()); }
    void Beep(unsigned) override {}
    bool ChooseDirectory(std::string&) override { return false; }
    std::string ChooseProgramGroup() override { return {}; }
    bool AskForNextDisk(std::string&, const std::string& neededFile) override
    {
        std::printf("missing: %s\n", neededFile.c_str());
        return false;
    }
    MissingItemAnswer AskMissingItem(const std::string&) override { return MissingItemAnswer::Ignore; }
    void SetBusyCursor(bool) override {}
};

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void RemoveFiles(const std::string& dir)
{
    for (int i = 0; i < kFiles; ++i)
        DeleteFileA((dir + "\\file" + std::to_string(i) + ".txt").c_str());
    RemoveDirectoryA(dir.c_str());
}

// Runs a command line and waits for it; false when it could not be started.
bool RunAndWait(std::string commandLine)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process))
        return false;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace

int main()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string source = std::string(temp) + "vesk-copybench-src";
    const std::string ours = std::string(temp) + "vesk-copybench-ours";
    const std::string peer = std::string(temp) + "vesk-copybench-xcopy";
    CreateDirectoryA(source.c_str(), nullptr);
    CreateDirectoryA(ours.c_str(), nullptr);
    CreateDirectoryA(peer.c_str(), nullptr);

    std::string script = "<copy files>\r\n";
    for (int i = 0; i < kFiles; ++i) {
        const std::string name = "file" + std::to_string(i) + ".txt";
        std::ofstream(source + "\\" + name, std::ios::binary) << "small file number " << i << "\r\n";
        script += name + ", " + name + "\r\n";
    }

    QuietHost host;
    ScriptServicesWin32 services;
    TVeskScript vesk(host, services, source);
    vesk.TargetDir = ours + "\\";
    vesk.Lines = SplitScriptLines(script);
    std::int32_t code = 0;
    auto start = Clock::now();
    vesk.Run(code);
    const double oursSeconds = SecondsSince(start);

    start = Clock::now();
    const bool peerRan = RunAndWait("cmd /c xcopy \"" + source + "\\*.txt\" \"" + peer + "\\\" /Q /Y >nul");
    const double peerSeconds = SecondsSince(start);

    const bool copied = GetFileAttributesA((ours + "\\file1999.txt").c_str()) != INVALID_FILE_ATTRIBUTES;
    const bool peerCopied = GetFileAttributesA((peer + "\\file1999.txt").c_str()) != INVALID_FILE_ATTRIBUTES;
    std::printf("copy files: %d small files in %.3f s (%.0f files/s)\n", kFiles, oursSeconds, kFiles / oursSeconds);
    std::printf("xcopy:      %d small files in %.3f s (%.0f files/s)\n", kFiles, peerSeconds, kFiles / peerSeconds);
    std::printf("ratio (xcopy time / copy files time): %.2f\n", peerSeconds / oursSeconds);
    RemoveFiles(source);
    RemoveFiles(ours);
    RemoveFiles(peer);
    if (!copied || !peerRan || !peerCopied) {
        std::printf("a copy did not complete (ours %d, xcopy started %d, xcopy %d)\n", copied, peerRan, peerCopied);
        return 1;
    }
    return 0;
}
