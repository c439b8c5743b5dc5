// Loads and runs scripts of 250,000 to 1,000,000 lines (unknown commands with argument lines) and prints
// the time per line beside a peer measured in the same run: reading the same file and counting its line
// ends, the least any loader must do. A flat time per line across sizes shows loading and running are linear.
#include "script/VeskScript3.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

class NullHost : public IScriptHost {
public:
    void ProcessMessages() override {}
    void Sleep(unsigned) override {}
    void ShowMessage(const std::string&) override {}
    void Beep(unsigned) override {}
    bool ChooseDirectory(std::string&) override { return false; }
    std::string ChooseProgramGroup() override { return {}; }
    bool AskForNextDisk(std::string&, const std::string&) override { return false; }
    MissingItemAnswer AskMissingItem(const std::string&) override { return MissingItemAnswer::Ignore; }
    void SetBusyCursor(bool) override {}
};

class NullServices : public IScriptServices {
public:
    void CreateDirTree(const std::string&, std::int32_t& resultCode, std::string&) override { resultCode = 0; }
    bool DirectoryExists(const std::string&) override { return false; }
    bool FileExists(const std::string&) override { return false; }
    bool ProgramFileExists(const std::string&) override { return false; }
    std::string WindowsDir() override { return {}; }
    std::string SystemDir() override { return {}; }
    void CopyIfNewer(const std::string&, const std::string&, std::int32_t& resultCode, std::string&) override
    {
        resultCode = 0;
    }
    void RemoveFile(const std::string&) override {}
    void DelTree(const std::string&, std::string&) override {}
    void OpenDocument(const std::string&) override {}
    void StartProgram(const std::string&) override {}
    IVeskShell& Shell() override { return shell; }

private:
    class NullShell : public IVeskShell {
    public:
        std::string ProgramsFolder() const override { return {}; }
        std::string StartMenuFolder() const override { return {}; }
        std::string DesktopFolder() const override { return {}; }
        std::string StartupFolder() const override { return {}; }
        void CreateProgramGroup(const std::string&, const std::string&) override {}
        void SelectLinkDir(const std::string&, const std::string&) override {}
        void SetWorkingDir(const std::string&) override {}
        void CreateShortcut(const std::string&, const std::string&, const std::string&) override {}
    } shell;
};

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// Every fourth line a command, each followed by three argument lines.
std::string WriteScript(long lines)
{
    const std::string path = (std::filesystem::temp_directory_path() / "vesk-bench.script").string();
    std::ofstream out(path, std::ios::binary);
    for (long i = 0; i < lines; i += 4)
        out << "<unknown command " << i << ">\r\n  first argument, with fields\r\nsecond\r\n\r\n";
    return path;
}

// The peer: read the file in the same chunks and count its carriage returns.
long CountLineEnds(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    char chunk[64 * 1024];
    long count = 0;
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        for (std::size_t i = 0; i < got; ++i)
            count += chunk[i] == '\r';
    std::fclose(file);
    return count;
}

} // namespace

int main()
{
    std::printf("%10s %14s %14s %8s\n", "lines", "ns/line", "peer ns/line", "ratio");
    for (long lines : {250'000L, 500'000L, 1'000'000L}) {
        const std::string path = WriteScript(lines);
        NullHost host;
        NullServices services;
        TVeskScript script(host, services, "c:\\setup\\");

        auto start = Clock::now();
        std::int32_t code = 0;
        std::string error;
        script.OpenScript(path, code, error);
        if (code == 0)
            script.Run(code);
        const double ours = Seconds(start);
        if (code != 1) {
            std::printf("run ended with code %d\n", static_cast<int>(code));
            return 1;
        }

        start = Clock::now();
        const long counted = CountLineEnds(path);
        const double peer = Seconds(start);
        if (counted != lines) {
            std::printf("peer counted %ld lines\n", counted);
            return 1;
        }
        std::printf("%10ld %14.1f %14.1f %8.1f\n", lines, ours * 1e9 / lines, peer * 1e9 / lines, ours / peer);
        std::filesystem::remove(path);
    }
    return 0;
}
