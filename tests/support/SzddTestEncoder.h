// A small SZDD compressor for the tests and the benchmark: greedy matching over hash chains, fed in blocks
// so that its memory stays small whatever the file's size. It writes what the decoder reads: the 14-byte
// header, then groups of a flag byte (low bit first, 1 for a literal) and up to 8 tokens, a match being
// the window position of its first byte and its length, 3 to 18.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

class SzddTestEncoder {
public:
    using Output = std::function<void(std::span<const std::uint8_t>)>;

    // Writes the header at once: the whole input must add up to expandedLength bytes.
    SzddTestEncoder(std::uint32_t expandedLength, Output output, std::uint8_t lastChar = 0)
        : output_(std::move(output)), history_(kWindow, ' ')
    {
        const std::uint8_t header[14] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A', lastChar,
                                         static_cast<std::uint8_t>(expandedLength),
                                         static_cast<std::uint8_t>(expandedLength >> 8),
                                         static_cast<std::uint8_t>(expandedLength >> 16),
                                         static_cast<std::uint8_t>(expandedLength >> 24)};
        output_(header);
    }

    // Encodes one block; its matches reach back into the 4096 bytes before it (the spaces at the start).
    void Add(std::span<const std::uint8_t> block)
    {
        std::vector<std::uint8_t> buffer(history_);
        buffer.insert(buffer.end(), block.begin(), block.end());
        const std::size_t start = history_.size();
        const std::uint64_t blockStart = total_; // bytes encoded before this block
        std::vector<std::int32_t> head(kHashSize, -1);
        std::vector<std::int32_t> previous(buffer.size(), -1);
        auto insert = [&](std::size_t at) {
            if (at + 2 >= buffer.size())
                return;
            const std::size_t hash = Hash(&buffer[at]);
            previous[at] = head[hash];
            head[hash] = static_cast<std::int32_t>(at);
        };
        for (std::size_t at = 0; at < start; ++at)
            insert(at);
        for (std::size_t at = start; at < buffer.size();) {
            const std::size_t room = std::min<std::size_t>(kMaxMatch, buffer.size() - at);
            std::size_t bestLength = 0;
            std::size_t bestFrom = 0;
            if (room >= kMinMatch) {
                int chain = kChainDepth;
                for (std::int32_t from = head[Hash(&buffer[at])]; from >= 0 && chain-- > 0;
                     from = previous[static_cast<std::size_t>(from)]) {
                    const std::size_t candidate = static_cast<std::size_t>(from);
                    if (at - candidate > kWindow)
                        break;
                    std::size_t length = 0;
                    while (length < room && buffer[candidate + length] == buffer[at + length])
                        ++length;
                    if (length > bestLength) {
                        bestLength = length;
                        bestFrom = candidate;
                    }
                }
            }
            if (bestLength >= kMinMatch) {
                // The window position of a byte produced as the n-th (from 0) is (4096 - 16 + n) mod 4096.
                const std::uint64_t produced = blockStart + bestFrom - start;
                Match(static_cast<unsigned>((produced + kWindow - 16) & (kWindow - 1)), bestLength);
            } else {
                bestLength = 1;
                Literal(buffer[at]);
            }
            for (std::size_t i = 0; i < bestLength; ++i)
                insert(at + i);
            at += bestLength;
            total_ += bestLength;
        }
        const std::size_t keep = std::min(kWindow, buffer.size());
        history_.assign(buffer.end() - static_cast<std::ptrdiff_t>(keep), buffer.end());
    }

    // Writes the last group, which may be short.
    void Finish()
    {
        if (tokens_ > 0)
            output_({group_, groupFill_});
        tokens_ = 0;
        groupFill_ = 0;
    }

    // A whole file at once.
    static std::vector<std::uint8_t> Encode(std::span<const std::uint8_t> data, std::uint8_t lastChar = 0)
    {
        std::vector<std::uint8_t> file;
        const auto append = [&](std::span<const std::uint8_t> bytes) {
            file.insert(file.end(), bytes.begin(), bytes.end());
        };
        SzddTestEncoder encoder(static_cast<std::uint32_t>(data.size()), append, lastChar);
        encoder.Add(data);
        encoder.Finish();
        return file;
    }

private:
    static constexpr std::size_t kWindow = 4096;
    static constexpr std::size_t kMinMatch = 3;
    static constexpr std::size_t kMaxMatch = 18;
    static constexpr std::size_t kHashSize = 1 << 14;
    static constexpr int kChainDepth = 16;

    static std::size_t Hash(const std::uint8_t* at)
    {
        return ((at[0] << 8 ^ at[1] << 4 ^ at[2]) * 2654435761u >> 10) & (kHashSize - 1);
    }

    void Literal(std::uint8_t byte)
    {
        StartToken();
        group_[0] |= static_cast<std::uint8_t>(1u << tokens_);
        group_[groupFill_++] = byte;
        EndToken();
    }

    void Match(unsigned position, std::size_t length)
    {
        StartToken();
        group_[groupFill_++] = static_cast<std::uint8_t>(position);
        group_[groupFill_++] = static_cast<std::uint8_t>((position >> 4 & 0xF0) | (length - kMinMatch));
        EndToken();
    }

    void StartToken()
    {
        if (tokens_ == 0) {
            group_[0] = 0;
            groupFill_ = 1;
        }
    }

    void EndToken()
    {
        if (++tokens_ == 8) {
            output_({group_, groupFill_});
            tokens_ = 0;
        }
    }

    Output output_;
    std::vector<std::uint8_t> history_; // the last 4096 bytes encoded (spaces before the first)
    std::uint64_t total_ = 0;           // bytes encoded so far
    std::uint8_t group_[17] = {};       // the group being built: its flag byte and tokens
    std::size_t groupFill_ = 0;         // bytes of group_ in use
    unsigned tokens_ = 0;               // tokens in the group so far
};
