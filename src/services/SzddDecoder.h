// The streaming expander of SZDD-compressed files, the compressed form of files on installation media.
// Pure code over buffers: it runs on the host too, where it is tested and fuzzed. Memory stays bounded
// (the 4096-byte window and one output chunk) whatever the file's size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

// The outcome of one expansion. Only Expanded and Copied are successes.
enum class SzddStatus {
    Expanded,       // a compressed file, expanded to exactly the length its header gives
    Copied,         // a file without the SZDD signature, passed through unchanged
    BadMode,        // the signature is there but the mode byte after it is not 'A'
    ShortHeader,    // the input ended inside the 14-byte header, after the whole signature
    CutMatch,       // the input ended after the first of the two bytes of a match
    LengthMismatch, // the data expands to more or fewer bytes than the header gives
    ReadFailed,     // the reader reported an error (ExpandStream only)
    WriteFailed,    // the writer refused bytes
};

constexpr bool SzddSucceeded(SzddStatus status)
{
    return status == SzddStatus::Expanded || status == SzddStatus::Copied;
}

// A short English name of a status, for test and diagnostic output.
const char* SzddStatusName(SzddStatus status);

// Receives produced bytes in order; false stops the expansion with WriteFailed.
using SzddWriter = std::function<bool(std::span<const std::uint8_t>)>;
// Fills the buffer's beginning and gives the number of bytes read: 0 at the end of input, negative on error.
using SzddReader = std::function<std::ptrdiff_t(std::span<std::uint8_t>)>;

// The file format. A compressed file starts with a 14-byte header: the 8-byte signature, the mode byte 'A',
// the original name's last character (which the compressed name replaced) and the expanded length, 32-bit
// little-endian. Groups follow: a flag byte, read from its low bit up, then up to 8 tokens; a 1 bit is a
// literal byte, a 0 bit a 2-byte match b0 b1 that copies (b1 & 0x0F) + 3 bytes from window position
// b0 | (b1 & 0xF0) << 4. The window holds the last 4096 bytes produced, starts as spaces, and its write
// position starts at 4096 - 16. Input may end after any whole token.
class SzddDecoder {
public:
    static constexpr std::uint8_t kSignature[8] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33};
    static constexpr std::size_t kHeaderSize = 14;
    static constexpr std::size_t kWindowSize = 4096;
    static constexpr std::size_t kWindowStart = kWindowSize - 16;

    explicit SzddDecoder(SzddWriter writer);
    SzddDecoder(const SzddDecoder&) = delete;
    SzddDecoder& operator=(const SzddDecoder&) = delete;

    // Takes the next piece of input, of any size. False once the decoder has stopped (corrupt input or a
    // refused write); further input is then ignored and Finish gives the reason.
    bool Feed(std::span<const std::uint8_t> input);

    // Called once the input has ended: hands out the last bytes and gives the outcome. A second call gives
    // the same outcome and writes nothing.
    SzddStatus Finish();

private:
    enum class Phase {
        Signature, // reading the first 8 bytes, each one checked against the signature
        Header,    // reading the rest of the header
        Data,      // expanding groups
        Plain,     // no signature: passing input through
        Done,      // finished or stopped; status_ holds the outcome
    };

    // Produced bytes live in history_: the 4096 bytes before writeAt_ are the window (initially spaces),
    // the bytes from flushedTo_ to writeAt_ are produced but not yet written out. Past the chunk the buffer
    // slides back by kChunk, a whole number of windows, so that an index keeps its window position.
    static constexpr std::size_t kChunk = 64 * 1024;
    static constexpr std::size_t kFlushAt = kWindowSize + kChunk;
    static constexpr std::size_t kCapacity = kFlushAt + 256; // room for one group (8 x 18) and a wide copy

    const std::uint8_t* ReadSignature(const std::uint8_t* in, const std::uint8_t* end);
    const std::uint8_t* ReadHeader(const std::uint8_t* in, const std::uint8_t* end);
    const std::uint8_t* Expand(const std::uint8_t* in, const std::uint8_t* end);
    const std::uint8_t* ExpandWholeGroup(const std::uint8_t* in);
    std::uint8_t* CopyMatch(std::uint8_t* out, std::uint8_t first, std::uint8_t second);
    bool Flush();
    bool Write(std::span<const std::uint8_t> bytes);
    void Stop(SzddStatus status);

    SzddWriter writer_;                        // where produced bytes go
    Phase phase_ = Phase::Signature;           // what the next input byte is
    SzddStatus status_ = SzddStatus::Expanded; // the outcome, once phase_ is Done
    std::uint8_t header_[kHeaderSize] = {};    // the header bytes read so far
    std::size_t headerFill_ = 0;               // how many of header_ are read
    std::uint32_t expectedLength_ = 0;         // the expanded length the header gives
    std::uint64_t produced_ = 0;               // bytes handed to the writer so far in Data
    unsigned flags_ = 1;                       // the group's unused flag bits under a 1 bit; 1 alone: group over
    bool haveFirst_ = false;                   // the first byte of a match has been read, its second has not
    std::uint8_t first_ = 0;                   // that first byte
    std::size_t writeAt_ = kWindowSize;        // index in history_ of the next byte to produce
    std::size_t flushedTo_ = kWindowSize;      // index in history_ up to which bytes are written out
    std::unique_ptr<std::uint8_t[]> history_;  // the window followed by the produced, unwritten bytes
};

// Expands (or copies) a whole stream with 64 KiB reads. Stops at the first read or write failure.
SzddStatus ExpandStream(const SzddReader& read, const SzddWriter& write);
