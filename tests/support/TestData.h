// Made-up file contents for the tests: random bytes, and text that compresses as documents do.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace testdata {

using Bytes = std::vector<std::uint8_t>;

inline Bytes RandomBytes(std::size_t size, std::uint32_t seed)
{
    std::mt19937 random(seed);
    Bytes bytes(size);
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(random());
    return bytes;
}

// Lines of words from a small vocabulary, exactly size bytes long.
inline Bytes SomeText(std::size_t size, std::uint32_t seed)
{
    static const char* const words[] = {"setup", "file", "the", "directory", "copy", "window", "of", "install",
                                        "program", "a", "disk", "group", "to", "and", "expand", "message"};
    std::mt19937 random(seed);
    std::string text;
    while (text.size() < size) {
        text += words[random() % 16];
        text += random() % 9 == 0 ? "\r\n" : " ";
    }
    text.resize(size);
    return Bytes(text.begin(), text.end());
}

} // namespace testdata
