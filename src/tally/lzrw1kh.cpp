// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally/lzrw1kh.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace quadrino::lzrw1kh {
namespace {

constexpr std::array<std::uint8_t, 4> kIdLzrw1 = {0x57, 0x52, 0x5A, 0x4C};  // "WRZL"
constexpr std::array<std::uint8_t, 4> kIdLzhuf = {0x21, 0x48, 0x5A, 0x4C};  // "!HZL"

constexpr std::size_t kHashSize = 4096;
constexpr std::uint16_t kEmpty = 0xFFFF;
constexpr std::size_t kMaxOffset = 4095;
constexpr std::size_t kMinCopy = 3;
constexpr std::size_t kMaxCopy = 18;
constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMaxRun = 4095;
constexpr unsigned kGroupItems = 16;
// A block may end at most one control word and one run item past the chunk's size
// before the compressor notices it has stopped shrinking.
constexpr std::size_t kBlockSlack = 16;

std::uint8_t lowByte(std::size_t v) { return static_cast<std::uint8_t>(v & 0xFFu); }

void putHighFirst(Bytes& out, std::size_t at, std::size_t value) {
    out[at] = lowByte(value >> 8);
    out[at + 1] = lowByte(value);
}

void appendLe16(Bytes& out, std::size_t v) {
    out.push_back(lowByte(v));
    out.push_back(lowByte(v >> 8));
}

void appendLe32(Bytes& out, std::uint32_t v) {
    for (unsigned shift = 0; shift < 32; shift += 8) out.push_back(lowByte(v >> shift));
}

std::int32_t readLe32(const std::uint8_t* p) {
    const std::uint32_t u = std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
                            (std::uint32_t{p[3]} << 24);
    return static_cast<std::int32_t>(u);
}

std::size_t hashAt(std::span<const std::uint8_t> src, std::size_t p) {
    // Bytes past the end hash as 0: a copy needs three bytes inside the chunk, so whatever
    // lands in the table there can never produce one.
    const std::uint32_t b0 = src[p];
    const std::uint32_t b1 = p + 1 < src.size() ? src[p + 1] : 0u;
    const std::uint32_t b2 = p + 2 < src.size() ? src[p + 2] : 0u;
    const std::uint32_t x = (b0 << 8) ^ (b1 << 4) ^ b2;
    return ((x * 40543u) >> 4) & (kHashSize - 1);
}

Error checkId(const std::uint8_t* id) {
    if (std::equal(kIdLzrw1.begin(), kIdLzrw1.end(), id)) return Error::None;
    if (std::equal(kIdLzhuf.begin(), kIdLzhuf.end(), id)) return Error::LzhufUnsupported;
    return Error::BadHeader;
}

// The block loop of the reader. `read(n, buffer)` must fill
// n bytes or return false; `write(bytes)` returns false when the sink refused them.
template <typename Read, typename Write>
Error decodeStream(Read&& read, Write&& write, std::size_t maxSize, std::uint64_t& total) {
    total = 0;
    std::array<std::uint8_t, kHeaderSize> header{};
    if (!read(4, header.data())) return Error::ReadShort;
    if (Error e = checkId(header.data()); e != Error::None) return e;
    if (!read(4, header.data() + 4)) return Error::ReadShort;
    const std::int64_t declared = readLe32(header.data() + 4);
    if (declared > 0 && static_cast<std::uint64_t>(declared) > maxSize) return Error::TooLarge;

    Bytes block;
    Bytes chunk;
    chunk.reserve(kChunkSize);
    for (;;) {
        std::array<std::uint8_t, 2> len{};
        if (!read(2, len.data())) return Error::ReadShort;
        block.resize(std::size_t{len[0]} | (std::size_t{len[1]} << 8));
        if (!block.empty() && !read(block.size(), block.data())) return Error::ReadShort;
        chunk.clear();
        if (Error e = decompressBlock(block, chunk); e != Error::None) return e;
        total += chunk.size();
        // Stopping as soon as the data outgrows its declared size keeps memory and output
        // bounded by the header, whatever the blocks claim.
        if (declared < 0 || total > static_cast<std::uint64_t>(declared)) return Error::SizeMismatch;
        if (!write(chunk)) return Error::WriteShort;
        if (chunk.size() < kChunkSize) break;
    }
    if (total != static_cast<std::uint64_t>(declared)) return Error::SizeMismatch;
    return Error::None;
}

} // namespace

std::string errorText(Error error, const std::string& file) {
    switch (error) {
    case Error::None: return {};
    case Error::NoBufferMemory: return "Lzrw1 (de)compression : Failed to get memory for I/O buffers !";
    case Error::NoHashMemory: return "LZRW1KH : no memory for HASH table";
    case Error::SizeUnavailable: return "Lzrw1 compression : Failed to obtain the size of : " + file;
    case Error::OpenInput: return "Lzrw1 (de)compression : Failed to open input file : " + file;
    case Error::OpenOutput: return "Lzrw1 (de)compression : Failed to open output file : " + file;
    case Error::WriteShort: return "Lzrw1 : Error writing to output file : " + file;
    case Error::ReadShort: return "Lzrw1 : Error reading from input file : " + file;
    case Error::ReadFailed: return "Lzrw1 : Error reading from input file : " + file + " (LZRW1/KH)";
    case Error::BadHeader: return file + " : Lzrw1 decompression : this file has no valid header !";
    case Error::SizeMismatch:
        return "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
    case Error::CopyBeforeStart:
        return "Lzrw1 (decompression LZRW1/KH) : a copy reaches before the start of its block in : " + file;
    case Error::BlockTooLong:
        return "Lzrw1 (decompression LZRW1/KH) : a block yields more than 32768 bytes in : " + file;
    case Error::ItemCutShort:
        return "Lzrw1 (decompression LZRW1/KH) : a block ends inside an item in : " + file;
    case Error::LzhufUnsupported:
        return file + " : Lzrw1 decompression : LZHUF-compressed files are not supported !";
    case Error::TooLarge: return "Lzrw1 (de)compression : the data is too large in : " + file;
    }
    return {};
}

Bytes compressBlock(std::span<const std::uint8_t> src) {
    const std::size_t n = std::min(src.size(), kChunkSize);
    src = src.first(n);
    Bytes out(n + kBlockSlack);
    std::array<std::uint16_t, kHashSize> table;
    table.fill(kEmpty);

    out[0] = kFlagCompressed;
    std::size_t controlAt = 1;
    std::size_t dst = 3;
    std::uint32_t control = 0;
    unsigned items = 0;
    std::size_t p = 0;

    while (p < n && dst <= n) {
        if (items == kGroupItems) {
            putHighFirst(out, controlAt, control);
            controlAt = dst;
            dst += 2;
            items = 0;
        }
        std::uint32_t bit = 1;
        const std::size_t runEnd = std::min(n, p + kMaxRun);
        std::size_t run = 1;
        while (p + run < runEnd && src[p + run] == src[p]) ++run;

        if (run >= kMinRun) {
            out[dst] = 0;
            putHighFirst(out, dst + 1, run - kMinRun);
            out[dst + 3] = src[p];
            dst += 4;
            p += run;
        } else {
            const std::size_t h = hashAt(src, p);
            const std::size_t candidate = table[h];
            table[h] = static_cast<std::uint16_t>(p);
            std::size_t length = 0;
            if (candidate != kEmpty && p - candidate <= kMaxOffset) {
                while (length < kMaxCopy && p + length < n && src[candidate + length] == src[p + length])
                    ++length;
            }
            if (length >= kMinCopy) {
                putHighFirst(out, dst, (p - candidate) * 16 + (length - kMinCopy));
                dst += 2;
                p += length;
            } else {
                out[dst++] = src[p++];
                bit = 0;
            }
        }
        control = ((control << 1) | bit) & 0xFFFFu;
        ++items;
    }
    control = (control << (kGroupItems - items)) & 0xFFFFu;
    putHighFirst(out, controlAt, control);

    if (dst > n) {
        Bytes stored;
        stored.reserve(n + 1);
        stored.push_back(kFlagStored);
        stored.insert(stored.end(), src.begin(), src.end());
        return stored;
    }
    out.resize(dst);
    return out;
}

Error decompressBlock(std::span<const std::uint8_t> block, Bytes& out) {
    const std::size_t size = block.size();
    if (size < 2) return Error::None;
    if (block[0] == kFlagStored) {
        if (size - 1 > kChunkSize) return Error::BlockTooLong;
        out.insert(out.end(), block.begin() + 1, block.end());
        return Error::None;
    }
    if (size < 3) return Error::ItemCutShort;

    const std::size_t start = out.size();
    auto refuse = [&](Error e) {
        out.resize(start);
        return e;
    };
    std::uint32_t control = (std::uint32_t{block[1]} << 8) | block[2];
    unsigned bitsLeft = kGroupItems;
    std::size_t pos = 3;
    while (pos < size) {
        if (bitsLeft == 0) {
            // A control word always has at least one item after it.
            if (pos + 3 > size) return refuse(Error::ItemCutShort);
            control = (std::uint32_t{block[pos]} << 8) | block[pos + 1];
            pos += 2;
            bitsLeft = kGroupItems;
        }
        const std::size_t produced = out.size() - start;
        if (control & 0x8000u) {
            if (pos + 2 > size) return refuse(Error::ItemCutShort);
            const std::size_t offset = (std::size_t{block[pos]} << 4) | (std::size_t{block[pos + 1]} >> 4);
            if (offset == 0) {
                if (pos + 4 > size) return refuse(Error::ItemCutShort);
                const std::size_t count = ((std::size_t{block[pos + 1]} << 8) | block[pos + 2]) + kMinRun;
                if (produced + count > kChunkSize) return refuse(Error::BlockTooLong);
                out.insert(out.end(), count, block[pos + 3]);
                pos += 4;
            } else {
                const std::size_t length = (block[pos + 1] & 0x0Fu) + kMinCopy;
                if (offset > produced) return refuse(Error::CopyBeforeStart);
                if (produced + length > kChunkSize) return refuse(Error::BlockTooLong);
                // Byte by byte on purpose: a copy may overlap the bytes it is writing.
                for (std::size_t i = 0; i < length; ++i) out.push_back(out[out.size() - offset]);
                pos += 2;
            }
        } else {
            if (produced + 1 > kChunkSize) return refuse(Error::BlockTooLong);
            out.push_back(block[pos]);
            pos += 1;
        }
        control = (control << 1) & 0xFFFFu;
        --bitsLeft;
    }
    return Error::None;
}

Result compress(std::span<const std::uint8_t> data, Bytes& file) {
    file.clear();
    if (data.size() > kMaxDataSize) return {Error::TooLarge};
    file.reserve(kHeaderSize + data.size() + (data.size() / kChunkSize + 1) * 3);
    file.insert(file.end(), kIdLzrw1.begin(), kIdLzrw1.end());
    appendLe32(file, static_cast<std::uint32_t>(data.size()));
    std::size_t offset = 0;
    for (;;) {
        const std::size_t n = std::min(kChunkSize, data.size() - offset);
        const Bytes block = compressBlock(data.subspan(offset, n));
        appendLe16(file, block.size());
        file.insert(file.end(), block.begin(), block.end());
        offset += n;
        if (n < kChunkSize) break;
    }
    return {};
}

Result decompress(std::span<const std::uint8_t> file, Bytes& data, std::size_t maxSize) {
    data.clear();
    std::size_t pos = 0;
    auto read = [&](std::size_t n, std::uint8_t* to) {
        if (file.size() - pos < n) return false;
        std::memcpy(to, file.data() + pos, n);
        pos += n;
        return true;
    };
    auto write = [&](const Bytes& chunk) {
        data.insert(data.end(), chunk.begin(), chunk.end());
        return true;
    };
    std::uint64_t total = 0;
    const Error e = decodeStream(read, write, maxSize, total);
    if (e != Error::None) data.clear();
    return {e};
}

} // namespace quadrino::lzrw1kh
