#include "foundation/CLZWCompression.h"
#include "foundation/CLZWCompression2.h"
#include "foundation/CRLECompression.h"
#include "foundation/CRLECompression2.h"

#include <gtest/gtest.h>
#include <lzo/lzo1x.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// A codec result taken over; ok is false for null.
struct Result {
    bool ok;
    Bytes bytes;
};

Result take(uint8_t* buffer, size_t size)
{
    std::unique_ptr<uint8_t[]> owned(buffer);
    if (buffer == nullptr)
        return {false, {}};
    return {true, Bytes(buffer, buffer + size)};
}

Bytes repeat(size_t count, uint8_t value)
{
    return Bytes(count, value);
}

Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

void appendLE32(Bytes& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// An LZW block written here, independently of the engine's packer: codes packed least
// significant bit first at the widths given.
Bytes lzwBlock(uint32_t rawSize, const std::vector<std::pair<uint32_t, int>>& codes)
{
    Bytes stream;
    uint64_t bits = 0;
    int pending = 0;
    for (auto [code, width] : codes) {
        bits |= uint64_t(code) << pending;
        pending += width;
        for (; pending >= 8; pending -= 8, bits >>= 8)
            stream.push_back(static_cast<uint8_t>(bits));
    }
    if (pending > 0)
        stream.push_back(static_cast<uint8_t>(bits));
    Bytes block;
    appendLE32(block, rawSize);
    appendLE32(block, static_cast<uint32_t>(stream.size()));
    appendLE32(block, static_cast<uint32_t>(codes.size()));
    block.insert(block.end(), stream.begin(), stream.end());
    return block;
}

std::vector<std::pair<uint32_t, int>> nineBit(std::initializer_list<uint32_t> codes)
{
    std::vector<std::pair<uint32_t, int>> widths;
    for (uint32_t code : codes)
        widths.emplace_back(code, 9);
    return widths;
}

Bytes bytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

Result packRle8(const Bytes& raw)
{
    int length = -1;
    uint8_t* packed = CRLECompression::__compresschar(raw.data(), int(raw.size()), length);
    return take(packed, size_t(length));
}

Result packRle16(const Bytes& raw)
{
    int length = -1;
    uint8_t* packed = CRLECompression::__compress(raw.data(), int(raw.size()), length);
    return take(packed, size_t(length));
}

Result unpackRle8(const Bytes& packed, int rawSize)
{
    return take(CRLECompression::__decompresschar(packed.data(), int(packed.size()), rawSize), size_t(rawSize));
}

Result unpackRle16(const Bytes& packed, int rawSize)
{
    return take(CRLECompression::__decompress(packed.data(), int(packed.size()), rawSize), size_t(rawSize));
}

// Rows given as their packed bytes; the row table is made from their lengths.
Result unpackRows(int width, const std::vector<Bytes>& rows)
{
    Bytes packed;
    auto* counts = new int16_t[rows.size()];
    for (size_t i = 0; i < rows.size(); ++i) {
        counts[i] = static_cast<int16_t>(rows[i].size());
        packed.insert(packed.end(), rows[i].begin(), rows[i].end());
    }
    CRLECompression2 codec(CXSize(width, int(rows.size())), counts, packed.data(), int(packed.size()));
    return take(codec.Decompress(0), size_t(width) * rows.size());
}

Result unpackLzw(const Bytes& block, int expected = 0)
{
    CLZWCompression codec(block.data(), int(block.size()));
    uint8_t* out = codec.decompress(expected);
    return take(out, out != nullptr ? size_t(codec.GetSize()) : 0);
}

Result packLzw(const Bytes& raw)
{
    CLZWCompression codec(raw.data(), int(raw.size()));
    int length = -1;
    uint8_t* packed = codec.compress(length);
    return take(packed, size_t(length));
}

Result unpackLzo(const Bytes& block)
{
    CLZWCompression2 codec(block.data(), int(block.size()));
    uint8_t* out = codec.decompress();
    return take(out, out != nullptr ? size_t(codec.GetSize()) : 0);
}

Result packLzo(const Bytes& raw)
{
    CLZWCompression2 codec(raw.data(), int(raw.size()));
    int length = -1;
    uint8_t* packed = codec.compress(length);
    return take(packed, size_t(length));
}

// ---------------------------------------------------------------------------------------------
// The formats' reference vectors.

struct Vector {
    const char* name;
    std::function<Result()> code;
    Bytes expected;
};

TEST(Compression, ReferenceVectors)
{
    const std::vector<Vector> vectors = {
        {"8-bit run of five", [] { return packRle8({5, 5, 5, 5, 5}); }, {0x85, 5}},
        {"8-bit literal of three", [] { return packRle8({1, 2, 3}); }, {0x03, 1, 2, 3}},
        {"8-bit pair is a literal", [] { return packRle8({7, 7}); }, {0x02, 7, 7}},
        {"8-bit run of 200", [] { return packRle8(repeat(200, 0x42)); }, {0xFF, 0x42, 0xC9, 0x42}},
        {"8-bit unpack", [] { return unpackRle8({0x85, 5, 0x02, 7, 8}, 7); }, {5, 5, 5, 5, 5, 7, 8}},
        {"16-bit run", [] { return unpackRle16({0x82, 0x34, 0x12}, 4); }, {0x34, 0x12, 0x34, 0x12}},
        {"16-bit literal", [] { return unpackRle16({0x02, 1, 2, 3, 4}, 4); }, {1, 2, 3, 4}},
        {"16-bit pack", [] { return packRle16({0x34, 0x12, 0x34, 0x12, 0x34, 0x12, 0x34, 0x12, 9, 8}); },
            {0x84, 0x34, 0x12, 0x01, 9, 8}},
        {"row run", [] { return unpackRows(3, {{0xFE, 9}}); }, {9, 9, 9}},
        {"row literal", [] { return unpackRows(2, {{0x01, 4, 5}}); }, {4, 5}},
        {"row -128 repeats 129 times", [] { return unpackRows(129, {{0x80, 1}}); }, repeat(129, 1)},
        {"rows one after another", [] { return unpackRows(2, {{0xFF, 3}, {0x01, 4, 5}}); }, {3, 3, 4, 5}},
        {"LZW ABAB", [] { return unpackLzw(lzwBlock(4, nineBit({256, 65, 66, 257}))); }, bytesOf("ABAB")},
        {"LZW code equal to the next free one", [] { return unpackLzw(lzwBlock(3, nineBit({256, 65, 257}))); },
            bytesOf("AAA")},
    };
    for (const Vector& vector : vectors) {
        Result result = vector.code();
        ASSERT_TRUE(result.ok) << vector.name;
        EXPECT_EQ(result.bytes, vector.expected) << vector.name;
    }
}

TEST(Compression, LzwWidthGrowsWhenTheNextFreeCodePassesTheWidth)
{
    // The literal after the clear adds nothing; the 255 codes after it fill 257..511.
    std::vector<std::pair<uint32_t, int>> codes = {{256, 9}, {0, 9}};
    Bytes expected = {0};
    for (uint32_t i = 1; i <= 255; ++i) {
        codes.emplace_back(i, 9);
        expected.push_back(uint8_t(i));
    }
    // The code for 255 added entry 511: the next free code is 512 and codes are 10 bits wide.
    codes.emplace_back(257, 10); // 0, 1
    expected.insert(expected.end(), {0, 1});
    Result result = unpackLzw(lzwBlock(uint32_t(expected.size()), codes));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.bytes, expected);
}

// After a literal packet full of 127 elements the packer must count the next run, not assume one.
TEST(Compression, RunAfterAFullLiteralPacketIsCounted)
{
    Bytes raw;
    for (int i = 0; i < 127; ++i)
        raw.push_back(uint8_t(i));
    raw.insert(raw.end(), {200, 201, 200, 200, 200});
    Result packed = packRle8(raw);
    ASSERT_TRUE(packed.ok);
    Bytes expected = {127};
    expected.insert(expected.end(), raw.begin(), raw.begin() + 127);
    expected.insert(expected.end(), {0x01, 200, 0x01, 201, 0x03, 200, 200, 200});
    EXPECT_EQ(packed.bytes, expected);
    EXPECT_EQ(unpackRle8(packed.bytes, int(raw.size())).bytes, raw);

    Bytes wide;
    for (int i = 0; i < 127; ++i)
        wide.insert(wide.end(), {uint8_t(i), 0});
    wide.insert(wide.end(), {200, 0, 201, 0, 200, 0, 200, 0, 200, 0, 200, 0});
    Result packedWide = packRle16(wide);
    ASSERT_TRUE(packedWide.ok);
    EXPECT_EQ(unpackRle16(packedWide.bytes, int(wide.size())).bytes, wide);
}

// ---------------------------------------------------------------------------------------------
// Round trips.

// Samples from incompressible to very redundant, the sizes around the packet and width limits.
std::vector<Bytes> samples()
{
    std::mt19937 random(1234);
    auto noise = [&](size_t size, int alphabet) {
        Bytes bytes(size);
        for (auto& b : bytes)
            b = uint8_t(random() % unsigned(alphabet));
        return bytes;
    };
    auto runs = [&](size_t size) {
        Bytes bytes;
        while (bytes.size() < size) {
            Bytes run(1 + random() % 300, uint8_t(random() % 4));
            bytes.insert(bytes.end(), run.begin(), run.end());
        }
        bytes.resize(size);
        return bytes;
    };
    std::vector<Bytes> all = {{}, {1}, {1, 1}, {1, 2}, repeat(127, 9), repeat(128, 9), repeat(255, 9),
        noise(127, 256), noise(128, 256), noise(129, 256), noise(1001, 256), noise(5000, 2), runs(20000),
        noise(70000, 256), noise(300000, 3)};
    // Text that packs well and then noise that does not: the LZW packer starts afresh.
    Bytes text;
    while (text.size() < 150000)
        for (char c : std::string("the quick brown fox jumps over the lazy dog "))
            text.push_back(uint8_t(c));
    all.push_back(concat({text, noise(150000, 256), text}));
    return all;
}

TEST(Compression, RoundTripsOfEveryCodec)
{
    for (const Bytes& raw : samples()) {
        SCOPED_TRACE(raw.size());
        int size = int(raw.size());
        EXPECT_EQ(unpackRle8(packRle8(raw).bytes, size).bytes, raw);
        EXPECT_EQ(unpackRle16(packRle16(raw).bytes, size).bytes, raw);
        Result lzw = packLzw(raw);
        ASSERT_TRUE(lzw.ok);
        EXPECT_EQ(unpackLzw(lzw.bytes, size).bytes, raw);
        Result lzo = packLzo(raw);
        ASSERT_TRUE(lzo.ok);
        EXPECT_EQ(unpackLzo(lzo.bytes).bytes, raw);
    }
}

TEST(Compression, LzwPackerStartsAfreshWhenPackingWorsens)
{
    Bytes raw = samples().back();
    Result packed = packLzw(raw);
    ASSERT_TRUE(packed.ok);
    // Walk the codes the way the reader does and count the clear codes.
    const Bytes& block = packed.bytes;
    uint32_t codes = uint32_t(block[8] | block[9] << 8 | block[10] << 16 | block[11] << 24);
    size_t bit = 12 * 8;
    auto read = [&](int width) {
        uint32_t code = 0;
        for (int k = 0; k < width; ++k, ++bit)
            code |= uint32_t((block[bit / 8] >> (bit % 8)) & 1) << k;
        return code;
    };
    int clears = 0;
    uint32_t next = 257;
    int width = 9;
    bool afterClear = false;
    for (uint32_t i = 0; i < codes; ++i) {
        uint32_t code = read(afterClear ? 9 : width);
        if (afterClear) {
            afterClear = false;
            continue;
        }
        if (code == 256) {
            ++clears;
            afterClear = true;
            next = 257;
            width = 9;
            continue;
        }
        if (next < 65536 && ++next > (1u << width) - 1 && width < 16)
            ++width;
    }
    EXPECT_GT(clears, 1);
}

// ---------------------------------------------------------------------------------------------
// LZO against liblzo2 itself.

Bytes lzoBlockByLibrary(const Bytes& raw, bool best)
{
    EXPECT_EQ(lzo_init(), LZO_E_OK);
    Bytes stream(raw.size() + raw.size() / 16 + 64 + 3);
    std::vector<uint8_t> work(best ? LZO1X_999_MEM_COMPRESS : LZO1X_1_MEM_COMPRESS);
    lzo_uint length = 0;
    int result = best ? lzo1x_999_compress(raw.data(), raw.size(), stream.data(), &length, work.data())
                      : lzo1x_1_compress(raw.data(), raw.size(), stream.data(), &length, work.data());
    EXPECT_EQ(result, LZO_E_OK);
    stream.resize(length);
    Bytes block;
    appendLE32(block, uint32_t(raw.size()));
    appendLE32(block, uint32_t(length));
    block.insert(block.end(), stream.begin(), stream.end());
    return block;
}

TEST(Compression, LzoReadsStreamsOfTheLibrary)
{
    for (const Bytes& raw : samples()) {
        for (bool best : {false, true}) {
            if (best && raw.size() > 100000)
                continue;
            Result result = unpackLzo(lzoBlockByLibrary(raw, best));
            ASSERT_TRUE(result.ok) << raw.size();
            EXPECT_EQ(result.bytes, raw);
        }
    }
}

TEST(Compression, LzoPackedLengthHoldsTheHeaderAndTheLibraryReadsIt)
{
    Bytes raw = samples()[12];
    Result packed = packLzo(raw);
    ASSERT_TRUE(packed.ok);
    uint32_t streamSize = uint32_t(packed.bytes[4] | packed.bytes[5] << 8 | packed.bytes[6] << 16 | packed.bytes[7] << 24);
    EXPECT_EQ(packed.bytes.size(), 8 + size_t(streamSize));
    Bytes out(raw.size());
    lzo_uint length = out.size();
    ASSERT_EQ(lzo1x_decompress_safe(packed.bytes.data() + 8, streamSize, out.data(), &length, nullptr), LZO_E_OK);
    EXPECT_EQ(out, raw);
}

TEST(Compression, LzoHighestRatioStaysWithinTheDecoderLimit)
{
    // A long run of one byte is LZO's best case; the decoder's plausibility bound must admit it.
    Bytes raw = repeat(4 << 20, 0);
    Bytes block = lzoBlockByLibrary(raw, true);
    Result result = unpackLzo(block);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.bytes.size(), raw.size());
}

// ---------------------------------------------------------------------------------------------
// Hostile input: never a crash, never a buffer past the raw size, failures are null.

TEST(Compression, TruncatedStreamsAreRefused)
{
    Bytes raw = samples()[12];
    int size = int(raw.size());
    Bytes rle8 = packRle8(raw).bytes, rle16 = packRle16(raw).bytes, lzw = packLzw(raw).bytes, lzo = packLzo(raw).bytes;
    for (size_t cut : {size_t(0), size_t(1), size_t(5), size_t(11), size_t(12), size_t(40)}) {
        EXPECT_FALSE(unpackRle8(Bytes(rle8.begin(), rle8.end() - std::ptrdiff_t(cut + 1)), size).ok) << cut;
        EXPECT_FALSE(unpackRle16(Bytes(rle16.begin(), rle16.end() - std::ptrdiff_t(cut + 1)), size).ok) << cut;
        EXPECT_FALSE(unpackLzw(Bytes(lzw.begin(), lzw.begin() + std::ptrdiff_t(std::min(cut, lzw.size() - 1)))).ok) << cut;
        EXPECT_FALSE(unpackLzw(Bytes(lzw.begin(), lzw.end() - std::ptrdiff_t(cut + 1))).ok) << cut;
        EXPECT_FALSE(unpackLzo(Bytes(lzo.begin(), lzo.end() - std::ptrdiff_t(cut + 1))).ok) << cut;
    }
}

TEST(Compression, MalformedStreamsAreRefused)
{
    struct Case {
        const char* name;
        std::function<Result()> code;
    };
    Bytes lzoBlock = packLzo(bytesOf("abcabcabcabcabcabcabc")).bytes;
    Bytes lzoClaimsMore = lzoBlock;
    lzoClaimsMore[0] += 1;
    Bytes lzoClaimsHuge = lzoBlock;
    lzoClaimsHuge[3] = 0x7F;
    Bytes lzoGarbage = lzoBlock;
    for (size_t i = 8; i < lzoGarbage.size(); ++i)
        lzoGarbage[i] = 0xFF;
    const std::vector<Case> cases = {
        {"8-bit data shorter than the raw size", [] { return unpackRle8({0x83, 1}, 4); }},
        {"8-bit raw size beyond what the data can give", [] { return unpackRle8({0xFF, 1}, 1 << 30); }},
        {"8-bit negative raw size", [] { return unpackRle8({0x83, 1}, -1); }},
        {"8-bit run without its element", [] { return unpackRle8({0x85}, 5); }},
        {"16-bit run with half an element", [] { return unpackRle16({0x85, 1}, 10); }},
        {"16-bit literal past the data", [] { return unpackRle16({0x03, 1, 2, 3, 4}, 6); }},
        {"row literal past its row", [] { return unpackRows(3, {{0x02, 1, 2}, {3}}); }},
        {"row run past the plane", [] { return unpackRows(2, {{0xFE, 1}}); }},
        {"rows short of the plane", [] { return unpackRows(3, {{0x01, 1, 2}}); }},
        {"an empty row shifts the plane short", [] { return unpackRows(2, {{0xFF, 3}, {}, {0x01, 4, 5}}); }},
        {"LZW header only, raw size claimed", [] { return unpackLzw(lzwBlock(10, {})); }},
        {"LZW code above the next free one", [] { return unpackLzw(lzwBlock(3, nineBit({256, 65, 258}))); }},
        {"LZW clear code as the last code", [] { return unpackLzw(lzwBlock(1, nineBit({256}))); }},
        {"LZW more output than the raw size", [] { return unpackLzw(lzwBlock(3, nineBit({256, 65, 66, 257}))); }},
        {"LZW less output than the raw size", [] { return unpackLzw(lzwBlock(5, nineBit({256, 65, 66, 257}))); }},
        {"LZW code count beyond the stream", [] {
             Bytes block = lzwBlock(4, nineBit({256, 65, 66, 257}));
             block[8] = 200;
             return unpackLzw(block);
         }},
        {"LZW raw size other than the caller's", [] { return unpackLzw(lzwBlock(4, nineBit({256, 65, 66, 257})), 5); }},
        {"LZW shorter than its header", [] { return unpackLzw({1, 0, 0, 0, 0}); }},
        {"LZO shorter than its header", [] { return unpackLzo({1, 0, 0}); }},
        {"LZO raw size one more than the stream", [=] { return unpackLzo(lzoClaimsMore); }},
        {"LZO raw size far beyond the stream", [=] { return unpackLzo(lzoClaimsHuge); }},
        {"LZO corrupt stream", [=] { return unpackLzo(lzoGarbage); }},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(c.code().ok) << c.name;
}

TEST(Compression, NegativeRowCountIsRefused)
{
    Bytes packed = {0xFE, 9};
    CRLECompression2 codec(CXSize(3, 1), new int16_t[1]{-2}, packed.data(), int(packed.size()));
    EXPECT_EQ(codec.Decompress(0), nullptr);
}

// Flipped bytes anywhere in valid streams: each decoder either refuses or gives the raw size.
TEST(Compression, MutatedStreamsNeverMisbehave)
{
    Bytes raw = samples()[12];
    int size = int(raw.size());
    std::mt19937 random(99);
    const std::vector<std::pair<Bytes, std::function<Result(const Bytes&)>>> codecs = {
        {packRle8(raw).bytes, [=](const Bytes& b) { return unpackRle8(b, size); }},
        {packRle16(raw).bytes, [=](const Bytes& b) { return unpackRle16(b, size); }},
        {packLzw(raw).bytes, [](const Bytes& b) { return unpackLzw(b); }},
        {packLzo(raw).bytes, [](const Bytes& b) { return unpackLzo(b); }},
    };
    int refused = 0;
    for (const auto& [stream, unpack] : codecs) {
        for (int round = 0; round < 200; ++round) {
            Bytes mutated = stream;
            for (int flips = 0; flips < 3; ++flips)
                mutated[random() % mutated.size()] ^= uint8_t(1 + random() % 255);
            // Sizes are checked by the sanitizers: a result is exactly what the decoder claims.
            refused += unpack(mutated).ok ? 0 : 1;
        }
    }
    EXPECT_GT(refused, 0);
}

// The dictionary belongs to each call: decoders on several threads at once all succeed.
TEST(Compression, LzwDecodersRunOnSeveralThreadsAtOnce)
{
    std::vector<Bytes> raws = {samples()[11], samples()[12], samples()[14], samples()[15]};
    std::vector<Bytes> blocks;
    for (const Bytes& raw : raws)
        blocks.push_back(packLzw(raw).bytes);
    std::vector<int> matches(raws.size(), 0);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < raws.size(); ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 5; ++round)
                matches[t] += unpackLzw(blocks[t]).bytes == raws[t] ? 1 : 0;
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(matches, std::vector<int>(raws.size(), 5));
}

} // namespace
