// The SZDD expander: valid streams built by hand and by the tests' encoder, ordinary files passed through,
// every kind of corrupt stream reported, and the same outcome whatever the sizes of the pieces fed.
#include "services/SzddDecoder.h"
#include "support/SzddTestEncoder.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

using testdata::Bytes;
using testdata::RandomBytes;
using testdata::SomeText;

void PrintTo(SzddStatus status, std::ostream* out)
{
    *out << SzddStatusName(status);
}

namespace {

Bytes ToBytes(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

// A compressed file token by token, with its header's length given or taken from what the tokens produce
// by the window rules (so that a test can state its expected text separately).
class StreamBuilder {
public:
    StreamBuilder& Literal(std::uint8_t byte)
    {
        Token(true);
        data_.push_back(byte);
        return *this;
    }
    StreamBuilder& Literals(std::string_view text)
    {
        for (char c : text)
            Literal(static_cast<std::uint8_t>(c));
        return *this;
    }
    StreamBuilder& Match(unsigned position, unsigned length)
    {
        Token(false);
        data_.push_back(static_cast<std::uint8_t>(position));
        data_.push_back(static_cast<std::uint8_t>((position >> 4 & 0xF0) | (length - 3)));
        return *this;
    }
    // The file, its header giving this expanded length.
    Bytes File(std::uint32_t length, std::uint8_t mode = 'A') const
    {
        Bytes file = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, mode, 'x'};
        for (int shift = 0; shift < 32; shift += 8)
            file.push_back(static_cast<std::uint8_t>(length >> shift));
        file.insert(file.end(), data_.begin(), data_.end());
        return file;
    }

private:
    void Token(bool literal)
    {
        if (tokens_ % 8 == 0) {
            flagAt_ = data_.size();
            data_.push_back(0);
        }
        if (literal)
            data_[flagAt_] |= static_cast<std::uint8_t>(1u << (tokens_ % 8));
        ++tokens_;
    }

    Bytes data_;
    std::size_t flagAt_ = 0;
    unsigned tokens_ = 0;
};

// The window rules written out plainly, one byte at a time in a 4096-byte ring: the reference against
// which streams of random tokens are checked. Returns the bytes produced; input that ends inside a match
// ends the output there.
Bytes ReferenceExpand(const Bytes& data)
{
    std::uint8_t window[4096];
    std::fill(std::begin(window), std::end(window), ' ');
    unsigned write = 4096 - 16;
    Bytes out;
    std::size_t at = 0;
    while (at < data.size()) {
        const unsigned flags = data[at++];
        for (int bit = 0; bit < 8 && at < data.size(); ++bit) {
            if (flags >> bit & 1) {
                out.push_back(window[write] = data[at++]);
                write = (write + 1) % 4096;
            } else {
                if (at + 1 >= data.size())
                    return out;
                unsigned position = data[at] | (data[at + 1] & 0xF0) << 4;
                const unsigned length = (data[at + 1] & 0x0F) + 3;
                at += 2;
                for (unsigned i = 0; i < length; ++i) {
                    out.push_back(window[write] = window[position]);
                    write = (write + 1) % 4096;
                    position = (position + 1) % 4096;
                }
            }
        }
    }
    return out;
}

struct Outcome {
    SzddStatus status;
    Bytes output;
    bool fedAll; // Feed never reported a stop
};

// Feeds the input in pieces of the given size (0: all at once).
Outcome Expand(const Bytes& input, std::size_t piece = 0)
{
    Outcome outcome{SzddStatus::Expanded, {}, true};
    SzddDecoder decoder([&](std::span<const std::uint8_t> bytes) {
        outcome.output.insert(outcome.output.end(), bytes.begin(), bytes.end());
        return true;
    });
    const std::size_t step = piece == 0 ? std::max<std::size_t>(input.size(), 1) : piece;
    for (std::size_t at = 0; at < input.size(); at += step) {
        const std::size_t size = std::min(step, input.size() - at);
        outcome.fedAll = decoder.Feed({input.data() + at, size}) && outcome.fedAll;
    }
    outcome.status = decoder.Finish();
    return outcome;
}

// The first bytes of a file.
Bytes Prefix(const Bytes& file, std::size_t size)
{
    return Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
}

Bytes Compress(const Bytes& data)
{
    return SzddTestEncoder::Encode(data);
}

} // namespace

TEST(SzddExpand, LiteralsAreCopiedInFlagBitOrder)
{
    const Bytes file = StreamBuilder().Literals("Setup 2.9").File(9);
    const Outcome outcome = Expand(file);
    EXPECT_EQ(outcome.status, SzddStatus::Expanded);
    EXPECT_EQ(outcome.output, ToBytes("Setup 2.9"));
}

TEST(SzddExpand, AFileOfTheClassicCompressorExpands)
{
    // "hello hello hello world\n" as the classic compressor writes it: six literals, a 12-byte match at
    // window position 4080 (where the first byte went), then seven literals.
    const Bytes file = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A', 0, 24, 0, 0, 0,
                        0xBF, 'h', 'e', 'l', 'l', 'o', ' ', 0xF0, 0xF9, 'w',
                        0x1F, 'o', 'r', 'l', 'd', '\n'};
    const Outcome outcome = Expand(file);
    EXPECT_EQ(outcome.status, SzddStatus::Expanded);
    EXPECT_EQ(outcome.output, ToBytes("hello hello hello world\n"));
}

TEST(SzddExpand, AnOverlappingMatchRepeatsWhatItJustWrote)
{
    // "ab" went to positions 4080 and 4081; a 16-byte match from 4080 starts two bytes back.
    const Bytes file = StreamBuilder().Literals("ab").Match(4080, 16).Literals("!").File(19);
    const Outcome outcome = Expand(file);
    EXPECT_EQ(outcome.status, SzddStatus::Expanded);
    EXPECT_EQ(outcome.output, ToBytes("ababababababababab!"));

    // A match at the write position itself copies the byte written 4096 bytes earlier: here a space.
    EXPECT_EQ(Expand(StreamBuilder().Literals("x").Match(4081, 3).File(4)).output, ToBytes("x   "));
}

TEST(SzddExpand, MatchesReachIntoTheSpacesTheWindowStartsWith)
{
    EXPECT_EQ(Expand(StreamBuilder().Match(0, 5).File(5)).output, ToBytes("     "));
    // From 4078: two initial spaces, the "xy" just written, then the two spaces the match itself wrote.
    EXPECT_EQ(Expand(StreamBuilder().Literals("xy").Match(4078, 6).File(8)).output, ToBytes("xy  xy  "));
}

TEST(SzddExpand, TheWindowWrapsAt4096)
{
    // Sixteen literals fill positions 4080 to 4095, the next four go to 0 to 3; a match from 4090 reads
    // across the wrap.
    const Bytes file = StreamBuilder().Literals("0123456789ABCDEF").Literals("ghij").Match(4090, 10).File(30);
    EXPECT_EQ(Expand(file).output, ToBytes("0123456789ABCDEFghijABCDEFghij"));
}

TEST(SzddExpand, RandomTokensMatchThePlainWindowRules)
{
    // Random literals and matches from random positions reach every window position, before and after
    // the window has wrapped many times.
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        StreamBuilder builder;
        for (std::uint32_t token = 0; token < seed * 300; ++token) {
            if (random() % 3 == 0)
                builder.Literal(static_cast<std::uint8_t>(random()));
            else
                builder.Match(random() % 4096, 3 + random() % 16);
        }
        const Bytes data = builder.File(0);
        const Bytes expected = ReferenceExpand(Bytes(data.begin() + 14, data.end()));
        const Outcome outcome = Expand(builder.File(static_cast<std::uint32_t>(expected.size())));
        EXPECT_EQ(outcome.status, SzddStatus::Expanded) << "seed " << seed;
        EXPECT_TRUE(outcome.output == expected) << "seed " << seed;
    }
}

TEST(SzddExpand, EncodedFilesRoundTripAcrossManyChunks)
{
    const Bytes samples[] = {SomeText(300'000, 1), RandomBytes(200'000, 2), Bytes(100'000, 'a'),
                             Bytes(70'000, ' '), SomeText(4097, 3)};
    for (const Bytes& original : samples) {
        const Bytes file = Compress(original);
        const Outcome outcome = Expand(file);
        EXPECT_EQ(outcome.status, SzddStatus::Expanded);
        EXPECT_TRUE(outcome.output == original) << "size " << original.size();
    }
}

TEST(SzddExpand, SmallFilesOfEverySizeRoundTrip)
{
    for (std::size_t size = 0; size <= 40; ++size) {
        const Bytes original = SomeText(size, 7);
        const Outcome outcome = Expand(Compress(original));
        EXPECT_EQ(outcome.status, SzddStatus::Expanded) << size;
        EXPECT_EQ(outcome.output, original) << size;
    }
}

TEST(SzddExpand, AHeaderAloneIsAnEmptyFile)
{
    const Outcome outcome = Expand(StreamBuilder().File(0));
    EXPECT_EQ(outcome.status, SzddStatus::Expanded);
    EXPECT_TRUE(outcome.output.empty());
}

TEST(SzddExpand, AFlagByteWithNoTokensAfterItEndsCleanly)
{
    // Eight literals fill a group; a flag byte follows and the input ends.
    Bytes file = StreamBuilder().Literals("abcdefgh").File(8);
    file.push_back(0x00);
    EXPECT_EQ(Expand(file).status, SzddStatus::Expanded);
}

TEST(SzddPlain, AFileWithoutTheSignatureIsPassedThroughUnchanged)
{
    const Bytes samples[] = {
        {},
        ToBytes("x"),
        ToBytes("SZDD"),
        {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27},       // the signature but its last byte
        {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x34, 'A', 0, 1, 0, 0, 0, 1, 'z'},
        {'s', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33}, // the signature is case-sensitive
        ToBytes("MZ\x90 a program file"),
        RandomBytes(300'000, 9),
    };
    for (const Bytes& original : samples) {
        for (std::size_t piece : {0, 1, 3}) {
            const Outcome outcome = Expand(original, piece);
            EXPECT_EQ(outcome.status, SzddStatus::Copied) << original.size();
            EXPECT_TRUE(outcome.output == original) << original.size() << " in pieces of " << piece;
        }
    }
}

TEST(SzddCorrupt, EveryKindIsReportedAndNothingIsCopiedRaw)
{
    const Bytes valid = StreamBuilder().Literals("abcd").Match(4080, 8).Literals("e").File(13);
    ASSERT_EQ(Expand(valid).status, SzddStatus::Expanded);

    const Bytes signature(valid.begin(), valid.begin() + 8);
    EXPECT_EQ(Expand(signature).status, SzddStatus::ShortHeader);
    EXPECT_EQ(Expand(Bytes(valid.begin(), valid.begin() + 13)).status, SzddStatus::ShortHeader);
    EXPECT_EQ(Expand(StreamBuilder().Literals("abc").File(3, 'B')).status, SzddStatus::BadMode);
    EXPECT_EQ(Expand(StreamBuilder().Literals("abc").File(3, 0)).status, SzddStatus::BadMode);
    Bytes badModeOnly = signature;
    badModeOnly.push_back('a');
    EXPECT_EQ(Expand(badModeOnly).status, SzddStatus::BadMode);

    // Cut after the first byte of the match.
    Bytes cut = StreamBuilder().Literals("abcd").Match(4080, 8).File(12);
    cut.pop_back();
    EXPECT_EQ(Expand(cut).status, SzddStatus::CutMatch);

    EXPECT_EQ(Expand(StreamBuilder().Literals("abcd").Match(4080, 8).File(13)).status, SzddStatus::LengthMismatch)
        << "fewer bytes than the header gives";
    EXPECT_EQ(Expand(StreamBuilder().Literals("abcd").Match(4080, 8).File(11)).status, SzddStatus::LengthMismatch)
        << "more bytes than the header gives";
    EXPECT_EQ(Expand(StreamBuilder().File(1)).status, SzddStatus::LengthMismatch);
}

TEST(SzddCorrupt, ALongerStreamStopsBeforeWritingPastTheHeadersLength)
{
    const Bytes original = SomeText(500'000, 4);
    Bytes file = Compress(original);
    const std::uint32_t claimed = 1000;
    file[10] = claimed & 0xFF;
    file[11] = claimed >> 8;
    file[12] = file[13] = 0;
    ASSERT_LT(claimed, original.size());
    const Outcome outcome = Expand(file);
    EXPECT_EQ(outcome.status, SzddStatus::LengthMismatch);
    EXPECT_LE(outcome.output.size(), claimed);
    EXPECT_FALSE(outcome.fedAll) << "the decoder stops taking input once the length is passed";
}

TEST(SzddPieces, OneByteAtATimeGivesTheSameOutcomeAsOnePiece)
{
    Bytes cut = Compress(SomeText(5000, 5));
    cut.pop_back();
    const Bytes samples[] = {
        Compress(SomeText(150'000, 6)), Compress(RandomBytes(5000, 7)), StreamBuilder().File(0),
        StreamBuilder().Literals("0123456789ABCDEF").Literals("ghij").Match(4090, 10).File(30),
        StreamBuilder().Literals("abc").File(3, 'B'), Prefix(StreamBuilder().File(5), 11),
        cut, ToBytes("plain"), StreamBuilder().Literals("abcd").File(9),
    };
    for (const Bytes& input : samples) {
        const Outcome whole = Expand(input);
        for (std::size_t piece : {1, 2, 7, 16, 17, 18, 4096}) {
            const Outcome pieces = Expand(input, piece);
            EXPECT_EQ(pieces.status, whole.status) << "pieces of " << piece;
            EXPECT_TRUE(pieces.output == whole.output) << "pieces of " << piece;
        }
    }
}

TEST(SzddStream, ReadAndWriteFailuresAreReported)
{
    const Bytes file = Compress(SomeText(200'000, 8));
    std::size_t at = 0;
    auto reader = [&](std::span<std::uint8_t> buffer) -> std::ptrdiff_t {
        const std::size_t size = std::min(buffer.size(), file.size() - at);
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(at), size, buffer.begin());
        at += size;
        return static_cast<std::ptrdiff_t>(size);
    };
    Bytes output;
    auto writer = [&](std::span<const std::uint8_t> bytes) {
        output.insert(output.end(), bytes.begin(), bytes.end());
        return true;
    };
    EXPECT_EQ(ExpandStream(reader, writer), SzddStatus::Expanded);
    EXPECT_TRUE(output == SomeText(200'000, 8));

    EXPECT_EQ(ExpandStream([](std::span<std::uint8_t>) -> std::ptrdiff_t { return -1; }, writer),
              SzddStatus::ReadFailed);

    at = 0;
    int writes = 0;
    EXPECT_EQ(ExpandStream(reader, [&](std::span<const std::uint8_t>) { return ++writes < 2; }),
              SzddStatus::WriteFailed);
    EXPECT_EQ(writes, 2) << "nothing is written after the refusal";

    SzddDecoder plain([](std::span<const std::uint8_t>) { return false; });
    EXPECT_FALSE(plain.Feed(ToBytes("plain text")));
    EXPECT_EQ(plain.Finish(), SzddStatus::WriteFailed);
    EXPECT_EQ(plain.Finish(), SzddStatus::WriteFailed) << "a second Finish gives the same outcome";
}

#ifdef VESK_SZDD_CORPUS_DIR
// The fuzzing corpus run once through the decoder: files named ok-* expand or pass through, bad-* are
// reported; none may crash the decoder or read or write out of bounds (the host build runs under ASan).
TEST(SzddCorpus, EveryFileIsClassified)
{
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VESK_SZDD_CORPUS_DIR)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const Bytes input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::string name = entry.path().filename().string();
        const SzddStatus status = Expand(input).status;
        if (name.rfind("ok-", 0) == 0) {
            EXPECT_TRUE(SzddSucceeded(status)) << name << ": " << SzddStatusName(status);
        } else if (name.rfind("bad-", 0) == 0) {
            EXPECT_FALSE(SzddSucceeded(status)) << name;
        }
        EXPECT_EQ(Expand(input, 1).status, status) << name;
        ++files;
    }
    EXPECT_GT(files, 0);
}
#endif
