#include "services/SzddDecoder.h"

#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr std::uint8_t kModeA = 'A';
constexpr std::size_t kModeAt = 8;        // the mode byte's offset in the header
constexpr std::size_t kLengthAt = 10;     // the expanded length's offset in the header
constexpr std::size_t kWholeGroup = 17;   // a flag byte and 8 matches: the most input one group can take
constexpr unsigned kMinMatch = 3;
constexpr unsigned kMaxMatch = 18;
constexpr std::size_t kWindowMask = SzddDecoder::kWindowSize - 1;
constexpr std::size_t kReadSize = 64 * 1024;

} // namespace

const char* SzddStatusName(SzddStatus status)
{
    switch (status) {
    case SzddStatus::Expanded: return "expanded";
    case SzddStatus::Copied: return "copied";
    case SzddStatus::BadMode: return "bad mode byte";
    case SzddStatus::ShortHeader: return "header cut short";
    case SzddStatus::CutMatch: return "input ends inside a match";
    case SzddStatus::LengthMismatch: return "length differs from the header's";
    case SzddStatus::ReadFailed: return "read failed";
    case SzddStatus::WriteFailed: return "write failed";
    }
    return "unknown";
}

SzddDecoder::SzddDecoder(SzddWriter writer)
    : writer_(std::move(writer)), history_(std::make_unique<std::uint8_t[]>(kCapacity))
{
    std::memset(history_.get(), ' ', kWindowSize);
}

bool SzddDecoder::Feed(std::span<const std::uint8_t> input)
{
    const std::uint8_t* in = input.data();
    const std::uint8_t* const end = in + input.size();
    while (in != end && phase_ != Phase::Done) {
        switch (phase_) {
        case Phase::Signature:
            in = ReadSignature(in, end);
            break;
        case Phase::Header:
            in = ReadHeader(in, end);
            break;
        case Phase::Data:
            in = Expand(in, end);
            break;
        case Phase::Plain:
            if (!Write({in, end}))
                Stop(SzddStatus::WriteFailed);
            in = end;
            break;
        case Phase::Done:
            break;
        }
    }
    return phase_ != Phase::Done;
}

SzddStatus SzddDecoder::Finish()
{
    switch (phase_) {
    case Phase::Signature:
        // Shorter than the signature, or empty: an ordinary file.
        phase_ = Phase::Plain;
        if (!Write({header_, headerFill_}))
            Stop(SzddStatus::WriteFailed);
        break;
    case Phase::Header:
        Stop(SzddStatus::ShortHeader);
        break;
    case Phase::Data:
        if (haveFirst_)
            Stop(SzddStatus::CutMatch);
        else if (Flush() && produced_ != expectedLength_)
            Stop(SzddStatus::LengthMismatch);
        break;
    case Phase::Plain:
    case Phase::Done:
        break;
    }
    if (phase_ != Phase::Done)
        Stop(phase_ == Phase::Plain ? SzddStatus::Copied : SzddStatus::Expanded);
    return status_;
}

// Each byte is checked as it comes, so that an ordinary file is recognised at its first differing byte
// and passed through from there without being held back.
const std::uint8_t* SzddDecoder::ReadSignature(const std::uint8_t* in, const std::uint8_t* end)
{
    while (in != end && headerFill_ < sizeof kSignature) {
        if (*in != kSignature[headerFill_]) {
            phase_ = Phase::Plain;
            if (!Write({header_, headerFill_}))
                Stop(SzddStatus::WriteFailed);
            return in;
        }
        header_[headerFill_++] = *in++;
    }
    if (headerFill_ == sizeof kSignature)
        phase_ = Phase::Header;
    return in;
}

const std::uint8_t* SzddDecoder::ReadHeader(const std::uint8_t* in, const std::uint8_t* end)
{
    while (in != end && headerFill_ < kHeaderSize)
        header_[headerFill_++] = *in++;
    if (headerFill_ > kModeAt && header_[kModeAt] != kModeA) {
        Stop(SzddStatus::BadMode);
        return end;
    }
    if (headerFill_ == kHeaderSize) {
        expectedLength_ = static_cast<std::uint32_t>(header_[kLengthAt]) |
                          static_cast<std::uint32_t>(header_[kLengthAt + 1]) << 8 |
                          static_cast<std::uint32_t>(header_[kLengthAt + 2]) << 16 |
                          static_cast<std::uint32_t>(header_[kLengthAt + 3]) << 24;
        phase_ = Phase::Data;
    }
    return in;
}

// Token by token, so that input may end anywhere; whole groups take the fast path when the input holds one.
const std::uint8_t* SzddDecoder::Expand(const std::uint8_t* in, const std::uint8_t* end)
{
    while (in != end) {
        if (flags_ == 1) {
            // A group boundary: the only place where the buffer is flushed, so that a group always fits.
            if (writeAt_ >= kFlushAt && !Flush())
                return end;
            if (static_cast<std::size_t>(end - in) >= kWholeGroup) {
                in = ExpandWholeGroup(in);
                continue;
            }
            flags_ = *in++ | 0x100u;
        } else if (flags_ & 1) {
            history_[writeAt_++] = *in++;
            flags_ >>= 1;
        } else if (!haveFirst_) {
            first_ = *in++;
            haveFirst_ = true;
        } else {
            writeAt_ = static_cast<std::size_t>(CopyMatch(&history_[writeAt_], first_, *in++) - history_.get());
            haveFirst_ = false;
            flags_ >>= 1;
        }
    }
    return in;
}

// A whole group with no check of the input's end: the caller made sure that 17 bytes are there.
const std::uint8_t* SzddDecoder::ExpandWholeGroup(const std::uint8_t* in)
{
    unsigned flags = *in++;
    std::uint8_t* out = &history_[writeAt_];
    for (int token = 0; token < 8; ++token, flags >>= 1) {
        if (flags & 1) {
            *out++ = *in++;
        } else {
            out = CopyMatch(out, in[0], in[1]);
            in += 2;
        }
    }
    writeAt_ = static_cast<std::size_t>(out - history_.get());
    return in;
}

// Copies a match to out and returns the end of the copy. The window position of history index i is
// (i - 16) mod 4096, so the match's source is the latest index before out with that position: 1 to 4096
// bytes back. Copying forward a byte at a time repeats the bytes of a source that overlaps the copy, as
// the window does.
std::uint8_t* SzddDecoder::CopyMatch(std::uint8_t* out, std::uint8_t first, std::uint8_t second)
{
    const std::size_t position = first | static_cast<std::size_t>(second & 0xF0) << 4;
    const unsigned length = (second & 0x0F) + kMinMatch;
    const std::size_t index = static_cast<std::size_t>(out - history_.get());
    const std::size_t writePosition = (index - (kWindowSize - kWindowStart)) & kWindowMask;
    const std::size_t distance = ((writePosition - position - 1) & kWindowMask) + 1;
    const std::uint8_t* from = out - distance;
    if (distance >= kMaxMatch) {
        // No overlap: copy the longest match at once; the bytes past this one are overwritten later.
        std::memcpy(out, from, kMaxMatch);
        return out + length;
    }
    for (unsigned i = 0; i < length; ++i)
        out[i] = from[i];
    return out + length;
}

// Writes the produced bytes out and, past the chunk, slides the buffer back by kChunk. Fails, writing
// nothing, when the bytes would pass the header's length.
bool SzddDecoder::Flush()
{
    const std::size_t pending = writeAt_ - flushedTo_;
    if (produced_ + pending > expectedLength_) {
        Stop(SzddStatus::LengthMismatch);
        return false;
    }
    if (!Write({&history_[flushedTo_], pending})) {
        Stop(SzddStatus::WriteFailed);
        return false;
    }
    produced_ += pending;
    if (writeAt_ >= kFlushAt) {
        std::memmove(history_.get(), &history_[kChunk], writeAt_ - kChunk);
        writeAt_ -= kChunk;
    }
    flushedTo_ = writeAt_;
    return true;
}

bool SzddDecoder::Write(std::span<const std::uint8_t> bytes)
{
    return bytes.empty() || writer_(bytes);
}

void SzddDecoder::Stop(SzddStatus status)
{
    phase_ = Phase::Done;
    status_ = status;
}

SzddStatus ExpandStream(const SzddReader& read, const SzddWriter& write)
{
    SzddDecoder decoder(write);
    std::vector<std::uint8_t> buffer(kReadSize);
    for (;;) {
        const std::ptrdiff_t got = read(buffer);
        if (got < 0)
            return SzddStatus::ReadFailed;
        if (got == 0)
            return decoder.Finish();
        if (!decoder.Feed({buffer.data(), static_cast<std::size_t>(got)}))
            return decoder.Finish();
    }
}
