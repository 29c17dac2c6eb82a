// SPDX-License-Identifier: GPL-3.0-or-later
// LZRW1/KH against zlib level 1 on the same data in the same run: text, repetitive records,
// random bytes and their mix. Prints MB/s (10^6 bytes of uncompressed data per second) for
// both directions and the compressed size. Each figure is the best of several timed rounds.
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tally/lzrw1kh.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kPartSize = 1 << 20;  // per kind; the mix is all of them
constexpr double kMinSeconds = 0.25;        // per measured operation

void append(Bytes& out, const std::string& s) { out.insert(out.end(), s.begin(), s.end()); }

Bytes makeText(std::size_t n, std::mt19937& gen) {
    static const char* const words[] = {
        "the",     "game",   "player", "rolled",  "a",        "five",   "and",    "entered", "his",
        "pawn",    "on",     "square", "twelve",  "which",    "is",     "safe",   "from",    "capture",
        "but",     "not",    "for",    "long",    "because",  "doubles", "give",  "another", "roll",
        "quadrino", "tally", "wins",   "neither", "won",      "session", "total", "opponent", "block"};
    Bytes out;
    while (out.size() < n) {
        append(out, words[gen() % (sizeof words / sizeof *words)]);
        out.push_back(gen() % 12 == 0 ? '\n' : ' ');
    }
    out.resize(n);
    return out;
}

Bytes makeRepetitive(std::size_t n, std::mt19937& gen) {
    Bytes out;
    while (out.size() < n) {
        switch (gen() % 3) {
        case 0: append(out, "CMD_movehim+" + std::to_string(gen() % 4 + 1) + "+" + std::to_string(gen() % 4 + 1) +
                                "+" + std::to_string(gen() % 100) + "+\r\n"); break;
        case 1: out.insert(out.end(), 16 + gen() % 200, static_cast<std::uint8_t>(' ')); break;
        default: append(out, "0\r\n0\r\n0\r\n0\r\n" + std::to_string(gen() % 1000) + "\r\n");
        }
    }
    out.resize(n);
    return out;
}

Bytes makeRandom(std::size_t n, std::mt19937& gen) {
    Bytes out(n);
    for (auto& b : out) b = static_cast<std::uint8_t>(gen());
    return out;
}

// Best time of repeated runs, each run long enough to time.
double bestSeconds(const std::function<void()>& op) {
    double best = 1e9;
    double spent = 0;
    int rounds = 0;
    while (spent < kMinSeconds || rounds < 3) {
        const auto start = Clock::now();
        op();
        const double s = std::chrono::duration<double>(Clock::now() - start).count();
        best = std::min(best, s);
        spent += s;
        ++rounds;
    }
    return best;
}

struct Figures {
    double packMBs = 0;
    double unpackMBs = 0;
    double ratio = 0;  // compressed / original
};

Figures benchLzrw1(const Bytes& data) {
    Bytes packed;
    Bytes back;
    Figures f;
    const double mb = static_cast<double>(data.size()) / 1e6;
    f.packMBs = mb / bestSeconds([&] { quadrino::lzrw1kh::compress(data, packed); });
    f.unpackMBs = mb / bestSeconds([&] { quadrino::lzrw1kh::decompress(packed, back); });
    if (back != data) {
        std::fprintf(stderr, "LZRW1/KH round trip failed\n");
        std::exit(1);
    }
    f.ratio = static_cast<double>(packed.size()) / static_cast<double>(data.size());
    return f;
}

Figures benchZlib(const Bytes& data) {
    Bytes packed(compressBound(static_cast<uLong>(data.size())));
    Bytes back(data.size());
    uLongf packedSize = 0;
    Figures f;
    const double mb = static_cast<double>(data.size()) / 1e6;
    f.packMBs = mb / bestSeconds([&] {
                    packedSize = static_cast<uLongf>(packed.size());
                    compress2(packed.data(), &packedSize, data.data(), static_cast<uLong>(data.size()), 1);
                });
    uLongf backSize = 0;
    f.unpackMBs = mb / bestSeconds([&] {
                      backSize = static_cast<uLongf>(back.size());
                      uncompress(back.data(), &backSize, packed.data(), packedSize);
                  });
    if (backSize != data.size() || back != data) {
        std::fprintf(stderr, "zlib round trip failed\n");
        std::exit(1);
    }
    f.ratio = static_cast<double>(packedSize) / static_cast<double>(data.size());
    return f;
}

} // namespace

int main() {
    std::mt19937 gen(1);
    const Bytes text = makeText(kPartSize, gen);
    const Bytes repetitive = makeRepetitive(kPartSize, gen);
    const Bytes random = makeRandom(kPartSize, gen);
    Bytes mixed;
    for (std::size_t at = 0; at < kPartSize; at += 64 * 1024)
        for (const Bytes* part : {&text, &repetitive, &random})
            mixed.insert(mixed.end(), part->begin() + static_cast<std::ptrdiff_t>(at),
                         part->begin() + static_cast<std::ptrdiff_t>(std::min(at + 64 * 1024, kPartSize)));

    std::printf("%-11s %8s | %-29s | %-29s | %s\n", "data", "MB", "LZRW1/KH pack/unpack MB/s size",
                "zlib -1 pack/unpack MB/s size", "LZRW1 speed / zlib");
    struct Row {
        const char* name;
        const Bytes* data;
    };
    for (const Row& row : {Row{"text", &text}, Row{"repetitive", &repetitive}, Row{"random", &random},
                           Row{"mixed", &mixed}}) {
        const Figures l = benchLzrw1(*row.data);
        const Figures z = benchZlib(*row.data);
        std::printf("%-11s %8.2f | %8.1f %8.1f %9.1f%% | %8.1f %8.1f %9.1f%% | pack %.2fx unpack %.2fx\n",
                    row.name, static_cast<double>(row.data->size()) / 1e6, l.packMBs, l.unpackMBs, l.ratio * 100,
                    z.packMBs, z.unpackMBs, z.ratio * 100, l.packMBs / z.packMBs, l.unpackMBs / z.unpackMBs);
    }
    return 0;
}
