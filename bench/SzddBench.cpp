// Expands SZDD-compressed text files of 16 and 64 MB with ExpandCopyFile (our streaming decoder) and with the
// platform's LZ32 (LZOpenFileA, LZCopy, LZClose) in the same process on the same files, and prints the
// throughput of each, their ratio, and the process's peak working set after each expansion: a peak that
// does not grow from 16 to 64 MB shows memory independent of the file's size. The two outputs are compared
// byte for byte. The compressed files are written first by the tests' encoder, 64 KiB at a time.
#include "services/VeskFileCopy.h"
#include "support/SzddTestEncoder.h"

#include <windows.h>
#include <lzexpand.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kMiB = 1024 * 1024;
constexpr std::size_t kBlock = 64 * 1024;
constexpr int kRounds = 3;

std::string TempDir()
{
    char buffer[MAX_PATH];
    GetTempPathA(MAX_PATH, buffer);
    return buffer;
}

double PeakWorkingSetMiB()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize) / kMiB;
}

// Lines of words, as in program documentation: it compresses to about a third, as text does.
class TextSource {
public:
    void Fill(std::vector<std::uint8_t>& block)
    {
        static const char* const words[] = {"setup", "copies", "the", "files", "of", "a", "program",
                                            "from", "installation", "disk", "to", "its", "directory",
                                            "and", "expands", "compressed", "ones", "while", "writing",
                                            "them", "Vesk-Install", "version", "2.9", "target"};
        for (auto& byte : block) {
            if (at_ == word_.size()) {
                word_ = words[random_() % std::size(words)];
                word_ += random_() % 11 == 0 ? "\r\n" : " ";
                at_ = 0;
            }
            byte = static_cast<std::uint8_t>(word_[at_++]);
        }
    }

private:
    std::mt19937 random_{1995};
    std::string word_;
    std::size_t at_ = 0;
};

// Writes a compressed text file of the given expanded size; false when it cannot be written.
bool WriteCompressedText(const std::string& path, std::size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool written = true;
    SzddTestEncoder encoder(static_cast<std::uint32_t>(size), [&](std::span<const std::uint8_t> bytes) {
        written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && written;
    });
    TextSource text;
    std::vector<std::uint8_t> block;
    for (std::size_t done = 0; done < size; done += block.size()) {
        block.resize(std::min(kBlock, size - done));
        text.Fill(block);
        encoder.Add(block);
    }
    encoder.Finish();
    return std::fclose(file) == 0 && written;
}

bool ExpandWithOurs(const std::string& source, const std::string& target)
{
    std::int32_t code = 0;
    std::string message;
    ExpandCopyFile(source, target, code, message);
    return code == 0;
}

bool ExpandWithLz32(const std::string& source, const std::string& target)
{
    OFSTRUCT sourceOpen = {};
    OFSTRUCT targetOpen = {};
    const INT input = LZOpenFileA(const_cast<char*>(source.c_str()), &sourceOpen, OF_READ);
    if (input < 0)
        return false;
    const INT output = LZOpenFileA(const_cast<char*>(target.c_str()), &targetOpen, OF_CREATE);
    if (output < 0) {
        LZClose(input);
        return false;
    }
    const LONG copied = LZCopy(input, output);
    LZClose(input);
    LZClose(output);
    return copied >= 0;
}

// The best of kRounds runs, in seconds; negative when a run fails.
template <typename Expand>
double BestTime(Expand expand, const std::string& source, const std::string& target)
{
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        DeleteFileA(target.c_str());
        const auto start = Clock::now();
        if (!expand(source, target))
            return -1;
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

bool SameContent(const std::string& left, const std::string& right)
{
    std::FILE* a = std::fopen(left.c_str(), "rb");
    std::FILE* b = std::fopen(right.c_str(), "rb");
    bool same = a && b;
    std::vector<char> x(kBlock), y(kBlock);
    while (same) {
        const std::size_t gotA = std::fread(x.data(), 1, x.size(), a);
        const std::size_t gotB = std::fread(y.data(), 1, y.size(), b);
        same = gotA == gotB && std::equal(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(gotA), y.begin());
        if (gotA == 0)
            break;
    }
    if (a)
        std::fclose(a);
    if (b)
        std::fclose(b);
    return same;
}

} // namespace

int main()
{
    const std::string dir = TempDir();
    const std::size_t sizes[] = {16 * kMiB, 64 * kMiB};
    std::vector<std::string> sources;
    for (std::size_t size : sizes) {
        sources.push_back(dir + "vesk-bench-" + std::to_string(size / kMiB) + "mb.tx_");
        if (!WriteCompressedText(sources.back(), size)) {
            std::printf("cannot write %s\n", sources.back().c_str());
            return 1;
        }
    }
    const std::string ours = dir + "vesk-bench-ours.txt";
    const std::string theirs = dir + "vesk-bench-lz32.txt";
    std::printf("peak working set after writing the files: %.1f MiB\n", PeakWorkingSetMiB());
    std::printf("%8s %12s %12s %8s %16s %16s\n", "MB", "ours MB/s", "LZ32 MB/s", "ratio", "peak ours MiB",
                "peak LZ32 MiB");
    int failures = 0;
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        const double megabytes = static_cast<double>(sizes[i]) / kMiB;
        const double ourTime = BestTime(ExpandWithOurs, sources[i], ours);
        const double ourPeak = PeakWorkingSetMiB();
        const double theirTime = BestTime(ExpandWithLz32, sources[i], theirs);
        const double theirPeak = PeakWorkingSetMiB();
        if (ourTime < 0 || theirTime < 0 || !SameContent(ours, theirs)) {
            std::printf("%8.0f expansion failed or the outputs differ\n", megabytes);
            ++failures;
            continue;
        }
        std::printf("%8.0f %12.1f %12.1f %8.1f %16.1f %16.1f\n", megabytes, megabytes / ourTime,
                    megabytes / theirTime, theirTime / ourTime, ourPeak, theirPeak);
    }
    for (const std::string& path : sources)
        DeleteFileA(path.c_str());
    DeleteFileA(ours.c_str());
    DeleteFileA(theirs.c_str());
    return failures == 0 ? 0 : 1;
}
