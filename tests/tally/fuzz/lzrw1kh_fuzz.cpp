// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the tally file reader. Any input must either decode or be refused;
// whatever decodes must survive a round trip, and so must any input taken as plain data.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

#include "tally/grid_text.h"
#include "tally/lzrw1kh.h"

using namespace quadrino;
using namespace quadrino::lzrw1kh;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);

    // As a tally file.
    Bytes text;
    const Result read = decompress(input, text, std::size_t{1} << 22);
    if (read.ok()) {
        Bytes again;
        Bytes back;
        require(compress(text, again).ok());
        require(decompress(again, back).ok() && back == text);
        const GridParse grid =
            tallyGridFromText(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
        if (grid.ok()) require(tallyGridFromText(gridToText(grid.grid)).grid == grid.grid);
    } else {
        require(text.empty());
    }

    // As one block.
    Bytes block;
    if (decompressBlock(input, block) == Error::None) require(block.size() <= kChunkSize);
    else require(block.empty());

    // As data to store.
    Bytes packed;
    Bytes plain;
    require(compress(input, packed).ok());
    require(decompress(packed, plain).ok());
    require(plain.size() == size && std::equal(plain.begin(), plain.end(), data));
    return 0;
}
