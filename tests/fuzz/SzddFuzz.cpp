// libFuzzer target of the SZDD expander: any input, fed whole and in pieces whose sizes come from the
// input itself, must give the same outcome and bytes; a success must mean what it says. Out-of-bounds
// reads and writes are caught by the sanitizers the target is built with.
#include "services/SzddDecoder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct Outcome {
    SzddStatus status;
    std::vector<std::uint8_t> output;
};

Outcome Expand(const std::uint8_t* data, std::size_t size, std::size_t piece)
{
    Outcome outcome{SzddStatus::Expanded, {}};
    SzddDecoder decoder([&](std::span<const std::uint8_t> bytes) {
        outcome.output.insert(outcome.output.end(), bytes.begin(), bytes.end());
        return true;
    });
    for (std::size_t at = 0; at < size; at += piece)
        decoder.Feed({data + at, std::min(piece, size - at)});
    outcome.status = decoder.Finish();
    return outcome;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Outcome whole = Expand(data, size, std::max<std::size_t>(size, 1));
    const std::size_t piece = size > 0 ? 1 + data[size - 1] % 32 : 1;
    const Outcome pieces = Expand(data, size, piece);
    Check(whole.status == pieces.status);
    Check(whole.output == pieces.output);

    const bool compressed = size >= sizeof SzddDecoder::kSignature &&
                         std::memcmp(data, SzddDecoder::kSignature, sizeof SzddDecoder::kSignature) == 0;
    if (!compressed) {
        // No signature: always a byte-for-byte copy.
        Check(whole.status == SzddStatus::Copied);
        Check(whole.output.size() == size && std::equal(whole.output.begin(), whole.output.end(), data));
        return 0;
    }
    Check(whole.status != SzddStatus::Copied);
    if (size >= SzddDecoder::kHeaderSize) {
        // Never more bytes written than the header gives; exactly that many on success.
        const std::uint32_t length =
            data[10] | data[11] << 8 | data[12] << 16 | static_cast<std::uint32_t>(data[13]) << 24;
        Check(whole.output.size() <= length);
        if (whole.status == SzddStatus::Expanded)
            Check(whole.output.size() == length);
    } else {
        Check(whole.status == SzddStatus::ShortHeader || whole.status == SzddStatus::BadMode);
    }
    return 0;
}
