// SPDX-License-Identifier: GPL-3.0-or-later
// The LZRW1/KH codec: exact bytes of known files, round trips, and every refusal.
#include <QByteArray>
#include <QTest>

#include <cstring>
#include <random>

#include "tally/lzrw1kh.h"

using namespace quadrino::lzrw1kh;

namespace {

Bytes fromHex(const char* hex) {
    const QByteArray raw = QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
    return Bytes(raw.begin(), raw.end());
}

Bytes fromText(const QByteArray& text) { return Bytes(text.begin(), text.end()); }

QByteArray toHex(const Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()))
        .toHex(' ')
        .toUpper();
}

Bytes randomBytes(std::size_t n, std::uint32_t seed) {
    std::mt19937 gen(seed);
    Bytes out(n);
    for (auto& b : out) b = static_cast<std::uint8_t>(gen() & 0xFFu);
    return out;
}

// Words, runs, repeats at the edge of the copy window and noise, so that every item kind
// and the group boundaries are exercised.
Bytes mixedBytes(std::size_t n, std::uint32_t seed) {
    std::mt19937 gen(seed);
    static const char* const words[] = {"tally ", "games ", "wins ", "Neither Won: ", "\r\n", "0\r\n", "quadrino "};
    Bytes out;
    out.reserve(n);
    while (out.size() < n) {
        switch (gen() % 5) {
        case 0: {
            const char* w = words[gen() % 7];
            out.insert(out.end(), w, w + std::strlen(w));
            break;
        }
        case 1: out.insert(out.end(), gen() % 5000, static_cast<std::uint8_t>(gen())); break;
        case 2:
            if (out.size() > 4100) {
                const std::size_t back = 4090 + gen() % 10;
                const std::size_t len = gen() % 40;
                for (std::size_t i = 0; i < len; ++i) out.push_back(out[out.size() - back]);
            }
            break;
        default:
            for (auto i = gen() % 50; i > 0; --i) out.push_back(static_cast<std::uint8_t>(gen()));
        }
    }
    out.resize(n);
    return out;
}

struct Block {
    std::size_t length;
    std::uint8_t flag;
};

std::vector<Block> blocksOf(const Bytes& file) {
    std::vector<Block> blocks;
    std::size_t pos = kHeaderSize;
    while (pos + 2 <= file.size()) {
        const std::size_t len = file[pos] | (std::size_t{file[pos + 1]} << 8);
        blocks.push_back({len, len ? file[pos + 2] : std::uint8_t{0}});
        pos += 2 + len;
    }
    return blocks;
}

QByteArray asQBytes(const Bytes& b) {
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

} // namespace

class TestLzrw1kh : public QObject {
    Q_OBJECT

private slots:
    void knownFiles_data();
    void knownFiles();
    void chunkBoundaries_data();
    void chunkBoundaries();
    void randomDataIsStored();
    void roundTrip_data();
    void roundTrip();
    void refusesMalformed_data();
    void refusesMalformed();
    void refusesLargerThanAllowed();
    void malformedBlocksNeverOverrun_data();
    void malformedBlocksNeverOverrun();
    void randomizedCorruption();
};

void TestLzrw1kh::knownFiles_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("abc stored") << QByteArray("abc") << QByteArray("57 52 5A 4C 03 00 00 00 04 00 80 61 62 63");
    QTest::newRow("twenty a: one run") << QByteArray(20, 'a')
                                       << QByteArray("57 52 5A 4C 14 00 00 00 07 00 40 80 00 00 00 04 61");
    QTest::newRow("abc four times: copy")
        << QByteArray("abcabcabcabc") << QByteArray("57 52 5A 4C 0C 00 00 00 08 00 40 10 00 61 62 63 00 36");
    QTest::newRow("empty") << QByteArray() << QByteArray("57 52 5A 4C 00 00 00 00 01 00 80");
    QTest::newRow("5000 x: two runs")
        << QByteArray(5000, 'x') << QByteArray("57 52 5A 4C 88 13 00 00 0B 00 40 C0 00 00 0F EF 78 00 03 79 78");
    // The table is not updated inside a copy: the second "cde" matches the first (offset 8),
    // not the one inside the copy (offset 3).
    QTest::newRow("table skips copied positions")
        << QByteArray("abcdeabcdecde")
        << QByteArray("57 52 5A 4C 0D 00 00 00 0C 00 40 06 00 61 62 63 64 65 00 52 00 80");
    // Nor inside a run: "sst" after the run is three literals, not a copy from the run's end.
    QTest::newRow("table skips run positions")
        << (QByteArray("ab") + QByteArray(20, 's') + "tsst")
        << QByteArray("57 52 5A 4C 1A 00 00 00 0D 00 40 20 00 61 62 00 00 04 73 74 73 73 74");
    // 32 items: the second control word sits between items, high byte first.
    QTest::newRow("two groups")
        << QByteArray("abcdefghij").repeated(40)
        << QByteArray("57 52 5A 4C 90 01 00 00 3B 00 40 00 3F 61 62 63 64 65 66 67 68 69 6A 00 AF 01 4F 02 8F 03 "
                      "CF 05 0F 05 AF FF FF 05 AF 05 AF 05 AF 05 AF 05 AF 05 AF 05 AF 05 AF 05 AF 05 AF 05 AF 05 "
                      "AF 05 AF 05 AF 05 AF 05 A9");
}

void TestLzrw1kh::knownFiles() {
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, file);
    const Bytes expected = fromHex(file.constData());

    Bytes written;
    QVERIFY(compress(fromText(data), written).ok());
    QCOMPARE(toHex(written), toHex(expected));

    Bytes read;
    const Result r = decompress(expected, read);
    QVERIFY(r.ok());
    QCOMPARE(asQBytes(read), data);
}

void TestLzrw1kh::chunkBoundaries_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("blocks");
    QTest::newRow("one short of a chunk") << 32767 << 1;
    QTest::newRow("exactly one chunk: empty last block") << 32768 << 2;
    QTest::newRow("one past a chunk") << 32769 << 2;
    QTest::newRow("exactly two chunks") << 65536 << 3;
}

void TestLzrw1kh::chunkBoundaries() {
    QFETCH(int, size);
    QFETCH(int, blocks);
    const Bytes data = mixedBytes(static_cast<std::size_t>(size), 7);
    Bytes file;
    QVERIFY(compress(data, file).ok());
    const auto found = blocksOf(file);
    QCOMPARE(int(found.size()), blocks);
    std::size_t total = kHeaderSize;
    for (const Block& b : found) total += 2 + b.length;
    QCOMPARE(total, file.size());
    if (size % 32768 == 0) {
        QCOMPARE(found.back().length, std::size_t{1});
        QCOMPARE(found.back().flag, kFlagStored);
    }
    Bytes back;
    QVERIFY(decompress(file, back).ok());
    QVERIFY(back == data);
}

void TestLzrw1kh::randomDataIsStored() {
    const Bytes data = randomBytes(40000, 1);
    Bytes file;
    QVERIFY(compress(data, file).ok());
    const auto found = blocksOf(file);
    QCOMPARE(found.size(), std::size_t{2});
    QCOMPARE(found[0].flag, kFlagStored);
    QCOMPARE(found[0].length, kChunkSize + 1);
    QCOMPARE(found[1].flag, kFlagStored);
    QCOMPARE(found[1].length, 40000 - kChunkSize + 1);
    QVERIFY(std::equal(data.begin(), data.begin() + 100, file.begin() + kHeaderSize + 3));
}

void TestLzrw1kh::roundTrip_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("kind");
    const int sizes[] = {1, 2, 3, 15, 16, 17, 18, 19, 4095, 4096, 4097, 4111, 4112, 32766, 32768, 100003};
    const char* kinds[] = {"mixed", "random", "zeros", "period 4095", "period 4096"};
    for (int size : sizes)
        for (int kind = 0; kind < 5; ++kind)
            QTest::addRow("%s %d", kinds[kind], size) << size << kind;
}

void TestLzrw1kh::roundTrip() {
    QFETCH(int, size);
    QFETCH(int, kind);
    const auto n = static_cast<std::size_t>(size);
    Bytes data;
    switch (kind) {
    case 0: data = mixedBytes(n, static_cast<std::uint32_t>(size)); break;
    case 1: data = randomBytes(n, static_cast<std::uint32_t>(size)); break;
    case 2: data.assign(n, 0); break;
    default: {
        const std::size_t period = kind == 3 ? 4095 : 4096;
        const Bytes seed = randomBytes(period, 3);
        for (std::size_t i = 0; i < n; ++i) data.push_back(seed[i % period]);
    }
    }
    Bytes file;
    QVERIFY(compress(data, file).ok());
    for (const Block& b : blocksOf(file)) {
        QVERIFY(b.length <= kChunkSize + 1);
        QVERIFY(b.flag == kFlagStored || b.flag == kFlagCompressed);
    }
    Bytes back;
    const Result r = decompress(file, back);
    QCOMPARE(int(r.error), int(Error::None));
    QVERIFY(back == data);
}

void TestLzrw1kh::refusesMalformed_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("text");
    const QString readErr = "Lzrw1 : Error reading from input file : F";
    const QString mismatch = "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
    const QString cut = "Lzrw1 (decompression LZRW1/KH) : a block ends inside an item in : F";
    const QString tooLong = "Lzrw1 (decompression LZRW1/KH) : a block yields more than 32768 bytes in : F";
    const int readShort = int(Error::ReadShort);

    QTest::newRow("empty file") << QByteArray() << readShort << readErr;
    QTest::newRow("identifier cut") << QByteArray("57 52 5A") << readShort << readErr;
    QTest::newRow("size field cut") << QByteArray("57 52 5A 4C 03 00") << readShort << readErr;
    QTest::newRow("no block") << QByteArray("57 52 5A 4C 03 00 00 00") << readShort << readErr;
    QTest::newRow("block length cut") << QByteArray("57 52 5A 4C 03 00 00 00 04") << readShort << readErr;
    QTest::newRow("block data cut") << QByteArray("57 52 5A 4C 03 00 00 00 04 00 80 61 62") << readShort
                                    << readErr;
    // A full chunk promises another block; here the file ends instead.
    Bytes full;
    compress(Bytes(kChunkSize, 'z'), full);
    full.resize(full.size() - 3);
    QTest::newRow("missing block after a full one") << toHex(full) << readShort << readErr;
    QTest::newRow("unknown identifier") << QByteArray("57 52 5A 4D 00 00 00 00 01 00 80") << int(Error::BadHeader)
                                        << "F : Lzrw1 decompression : this file has no valid header !";
    QTest::newRow("LZHUF identifier") << QByteArray("21 48 5A 4C 00 00 00 00") << int(Error::LzhufUnsupported)
                                      << "F : Lzrw1 decompression : LZHUF-compressed files are not supported !";
    QTest::newRow("size field too large") << QByteArray("57 52 5A 4C 04 00 00 00 04 00 80 61 62 63")
                                          << int(Error::SizeMismatch) << mismatch;
    QTest::newRow("size field too small") << QByteArray("57 52 5A 4C 02 00 00 00 04 00 80 61 62 63")
                                          << int(Error::SizeMismatch) << mismatch;
    QTest::newRow("negative size field") << QByteArray("57 52 5A 4C FF FF FF FF 01 00 80") << int(Error::SizeMismatch)
                                         << mismatch;
    QTest::newRow("copy before block start")
        << QByteArray("57 52 5A 4C 06 00 00 00 05 00 40 80 00 00 13") << int(Error::CopyBeforeStart)
        << "Lzrw1 (decompression LZRW1/KH) : a copy reaches before the start of its block in : F";
    QTest::newRow("copy one past the output")
        << QByteArray("57 52 5A 4C 05 00 00 00 06 00 40 40 00 61 00 20") << int(Error::CopyBeforeStart)
        << "Lzrw1 (decompression LZRW1/KH) : a copy reaches before the start of its block in : F";
    // Copies never reach into the previous block, even when its bytes would match.
    QTest::newRow("copy into the previous block")
        << (toHex(full).replace("57 52 5A 4C 00 80", "57 52 5A 4C 03 80") + " 05 00 40 80 00 00 10")
        << int(Error::CopyBeforeStart)
        << "Lzrw1 (decompression LZRW1/KH) : a copy reaches before the start of its block in : F";
    QTest::newRow("stored block too long")
        << (QByteArray("57 52 5A 4C 01 80 00 00 02 80 80") + QByteArray(32769 * 2, '0')) << int(Error::BlockTooLong)
        << tooLong;
    QTest::newRow("runs too long")
        << (QByteArray("57 52 5A 4C 00 90 00 00 27 00 40 FF 80") + QByteArray(" 00 0F EF 61").repeated(9))
        << int(Error::BlockTooLong) << tooLong;
    QTest::newRow("copy item cut") << QByteArray("57 52 5A 4C 03 00 00 00 04 00 40 80 00 05") << int(Error::ItemCutShort)
                                   << cut;
    QTest::newRow("run item cut") << QByteArray("57 52 5A 4C 14 00 00 00 06 00 40 80 00 00 00 04")
                                  << int(Error::ItemCutShort) << cut;
    QTest::newRow("control word cut") << QByteArray("57 52 5A 4C 00 00 00 00 02 00 40 80") << int(Error::ItemCutShort)
                                      << cut;
    QTest::newRow("control word with no item")
        << (QByteArray("57 52 5A 4C 10 00 00 00 15 00 40 00 00") + QByteArray(" 61").repeated(16) + " 00 00")
        << int(Error::ItemCutShort) << cut;
}

void TestLzrw1kh::refusesMalformed() {
    QFETCH(QByteArray, file);
    QFETCH(int, error);
    QFETCH(QString, text);
    Bytes data{1, 2, 3};
    const Result r = decompress(fromHex(file.constData()), data);
    QCOMPARE(int(r.error), error);
    QVERIFY(data.empty());
    QCOMPARE(QString::fromStdString(errorText(r.error, "F")), text);
}

void TestLzrw1kh::refusesLargerThanAllowed() {
    Bytes file;
    QVERIFY(compress(Bytes(5000, 'x'), file).ok());
    Bytes data;
    QCOMPARE(int(decompress(file, data, 4999).error), int(Error::TooLarge));
    QVERIFY(decompress(file, data, 5000).ok());
    QCOMPARE(data.size(), std::size_t{5000});
}

void TestLzrw1kh::malformedBlocksNeverOverrun_data() {
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("yield");
    QTest::newRow("no bytes") << QByteArray() << int(Error::None) << 0;
    QTest::newRow("flag only") << QByteArray("40") << int(Error::None) << 0;
    QTest::newRow("unknown flag, literals") << QByteArray("00 00 00 61 62") << int(Error::None) << 2;
    QTest::newRow("trailing set bits without items") << QByteArray("40 7F FF 61") << int(Error::None) << 1;
    QTest::newRow("longest run a decoder can meet") << QByteArray("40 80 00 00 0F FF 7A") << int(Error::None) << 4111;
    QTest::newRow("overlapping copy") << QByteArray("40 40 00 61 00 1F") << int(Error::None) << 19;
}

void TestLzrw1kh::malformedBlocksNeverOverrun() {
    QFETCH(QByteArray, block);
    QFETCH(int, error);
    QFETCH(int, yield);
    const Bytes in = fromHex(block.constData());
    Bytes out{9};
    QCOMPARE(int(decompressBlock(in, out)), error);
    QCOMPARE(int(out.size()), 1 + yield);
    QCOMPARE(out[0], std::uint8_t{9});
}

// Whatever a damaged file holds, the reader answers with data or an error and nothing else;
// ASan builds turn any stray access into a failure here.
void TestLzrw1kh::randomizedCorruption() {
    std::mt19937 gen(20240501);
    std::vector<Bytes> originals;
    for (std::size_t size : {0u, 40u, 700u, 5000u, 33000u}) {
        Bytes file;
        compress(mixedBytes(size, static_cast<std::uint32_t>(size)), file);
        originals.push_back(file);
    }
    int refused = 0;
    for (int round = 0; round < 4000; ++round) {
        Bytes file = originals[gen() % originals.size()];
        const unsigned edits = 1 + gen() % 4;
        for (unsigned e = 0; e < edits; ++e) {
            const std::size_t at = kHeaderSize + gen() % (file.size() - kHeaderSize + 1);
            switch (gen() % 4) {
            case 0: if (at < file.size()) file[at] = static_cast<std::uint8_t>(gen()); break;
            case 1: file.resize(at); break;
            case 2: file.insert(file.begin() + static_cast<std::ptrdiff_t>(at), static_cast<std::uint8_t>(gen())); break;
            default: if (at < file.size()) file[at] ^= static_cast<std::uint8_t>(1u << (gen() % 8));
            }
        }
        Bytes data;
        const Result r = decompress(file, data);
        if (r.ok()) {
            const std::uint32_t declared = std::uint32_t{file[4]} | (std::uint32_t{file[5]} << 8) |
                                           (std::uint32_t{file[6]} << 16) | (std::uint32_t{file[7]} << 24);
            QCOMPARE(data.size(), std::size_t{declared});
        } else {
            ++refused;
            QVERIFY(data.empty());
        }
    }
    QVERIFY(refused > 0);

    // Plain noise behind a valid header.
    for (int round = 0; round < 2000; ++round) {
        Bytes file = fromHex("57 52 5A 4C");
        const std::uint32_t size = static_cast<std::uint32_t>(gen() % 70000);
        for (unsigned s = 0; s < 32; s += 8) file.push_back(static_cast<std::uint8_t>(size >> s));
        const Bytes noise = randomBytes(gen() % 600, static_cast<std::uint32_t>(round));
        file.insert(file.end(), noise.begin(), noise.end());
        Bytes data;
        if (!decompress(file, data).ok()) QVERIFY(data.empty());
    }
}

QTEST_APPLESS_MAIN(TestLzrw1kh)
#include "test_lzrw1kh.moc"
