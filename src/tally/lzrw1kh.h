// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// LZRW1/KH: LZRW1 with run-length items, in the "WRZL" file form the tally file uses.
// Files written here must read with any other LZRW1/KH reader and the other way round,
// so the block layout, the hash and the table updates are fixed down to the byte.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quadrino::lzrw1kh {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::size_t kChunkSize = 32768;
inline constexpr std::uint8_t kFlagCompressed = 0x40;
inline constexpr std::uint8_t kFlagStored = 0x80;
inline constexpr std::size_t kHeaderSize = 8;
// The size field is a signed 32-bit number, so nothing larger can be described.
inline constexpr std::size_t kMaxDataSize = 0x7FFFFFFF;

enum class Error {
    None,
    NoBufferMemory,     // buffers cannot be allocated
    NoHashMemory,       // hash table cannot be allocated
    SizeUnavailable,    // input size cannot be read (compressing)
    OpenInput,          // input cannot be opened
    OpenOutput,         // output cannot be created
    WriteShort,         // a write wrote fewer bytes than asked
    ReadShort,          // a read returned fewer bytes than asked (decompressing)
    ReadFailed,         // a read fails (compressing)
    BadHeader,          // an identifier other than the two known ones
    SizeMismatch,       // total does not equal the size field
    // Refusals of malformed compressed data; no correct compressor writes these.
    CopyBeforeStart,    // a copy reaches before the start of its block's output
    BlockTooLong,       // a block yields more than one chunk
    ItemCutShort,       // a control word or an item runs past the end of its block
    LzhufUnsupported,   // "!HZL" files: the other method of the codec, never written by us
    TooLarge,           // the data is larger than the caller allows (or than the size field can hold)
};

// The error's text as the user sees it; `file` is the path the error is about.
std::string errorText(Error error, const std::string& file);

// One chunk (at most kChunkSize bytes) to one block's data (flag byte included, length
// prefix excluded). Falls back to a stored block when compressing does not shrink it.
Bytes compressBlock(std::span<const std::uint8_t> chunk);

// Decodes one block's data and appends what it yields to `out`. Never reads outside
// `block`, never yields more than kChunkSize bytes.
Error decompressBlock(std::span<const std::uint8_t> block, Bytes& out);

struct Result {
    Error error = Error::None;
    bool ok() const { return error == Error::None; }
};

// Whole data to a whole "WRZL" file image. Fails only with TooLarge.
Result compress(std::span<const std::uint8_t> data, Bytes& file);

// Whole "WRZL" file image to the data. Refuses files declaring more than `maxSize`
// bytes before decoding anything, so a small hostile file cannot demand a large buffer.
Result decompress(std::span<const std::uint8_t> file, Bytes& data, std::size_t maxSize = kMaxDataSize);

} // namespace quadrino::lzrw1kh
