// What the fuzz targets share: the libFuzzer entry point and the reading of an input's leading
// selector byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace qimbel::fuzz {

// The input without its first byte, as a text.
inline std::string Rest(const std::uint8_t *data, std::size_t size)
{
    return size == 0 ? std::string() : std::string(reinterpret_cast<const char *>(data) + 1, size - 1);
}

// The three detail levels the option boxes give.
inline int LevelOf(std::uint8_t selector)
{
    static const int levels[] = {5, 4, 1};
    return levels[selector % 3];
}

// Stops the run as a crash, with a reason libFuzzer prints beside the input.
[[noreturn]] void Fail(const char *reason);

} // namespace qimbel::fuzz
