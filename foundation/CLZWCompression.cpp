#include "foundation/CLZWCompression.h"

#include "foundation/LittleEndian.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr uint32_t kClearCode = 256;
constexpr uint32_t kFirstFreeCode = 257;
constexpr uint32_t kCodeLimit = 65536;
constexpr int kFirstWidth = 9;
constexpr int kLastWidth = 16;
constexpr size_t kHeaderSize = 12;

// The code width and next free code that the decoder holds, which the encoder mirrors so both
// change width at the same code.
class CodeSpace {
public:
    void reset()
    {
        width_ = kFirstWidth;
        next_ = kFirstFreeCode;
    }
    int width() const { return width_; }
    uint32_t next() const { return next_; }
    bool full() const { return next_ >= kCodeLimit; }
    // One dictionary entry added; true when the width grew.
    bool advance()
    {
        if (full())
            return false;
        ++next_;
        if (next_ > (1u << width_) - 1 && width_ < kLastWidth) {
            ++width_;
            return true;
        }
        return false;
    }

private:
    int width_ = kFirstWidth;
    uint32_t next_ = kFirstFreeCode;
};

class CodeReader {
public:
    CodeReader(const uint8_t* bytes, size_t size) : bytes_(bytes), size_(size) {}

    // False when the code would pass the end of the stream.
    bool read(int width, uint32_t& code)
    {
        if (bitPos_ + size_t(width) > size_ * 8)
            return false;
        size_t byte = bitPos_ >> 3;
        unsigned shift = bitPos_ & 7;
        uint32_t window = 0;
        for (size_t k = 0; k < 3 && byte + k < size_; ++k)
            window |= uint32_t(bytes_[byte + k]) << (8 * k);
        code = (window >> shift) & ((1u << width) - 1);
        bitPos_ += size_t(width);
        return true;
    }

private:
    const uint8_t* bytes_;
    size_t size_;
    size_t bitPos_ = 0;
};

class CodeWriter {
public:
    void write(uint32_t code, int width)
    {
        accumulator_ |= uint64_t(code) << pending_;
        pending_ += width;
        while (pending_ >= 8) {
            bytes_.push_back(static_cast<uint8_t>(accumulator_));
            accumulator_ >>= 8;
            pending_ -= 8;
        }
        ++codes_;
        bitsWritten_ += uint64_t(width);
    }
    void finish()
    {
        if (pending_ > 0)
            bytes_.push_back(static_cast<uint8_t>(accumulator_));
        pending_ = 0;
        accumulator_ = 0;
    }
    const std::vector<uint8_t>& bytes() const { return bytes_; }
    uint32_t codes() const { return codes_; }
    uint64_t bitsWritten() const { return bitsWritten_; }

private:
    std::vector<uint8_t> bytes_;
    uint64_t accumulator_ = 0;
    int pending_ = 0;
    uint32_t codes_ = 0;
    uint64_t bitsWritten_ = 0;
};

// One decoded dictionary entry: the string of `prefix` followed by `last`.
struct Entry {
    uint16_t prefix;
    uint8_t last;
    uint8_t first;
    uint32_t length;
};

class Decoder {
public:
    Decoder(uint8_t* out, size_t rawSize)
        : entries_(std::make_unique_for_overwrite<Entry[]>(kCodeLimit)), out_(out), raw_(rawSize)
    {
        for (uint32_t c = 0; c < 256; ++c)
            entries_[c] = Entry{0, uint8_t(c), uint8_t(c), 1};
    }

    // False on a code the dictionary does not hold, on output past the raw size, or on a code
    // stream that ends early.
    bool run(CodeReader& reader, uint32_t codeCount)
    {
        uint32_t previous = 0;
        for (uint32_t left = codeCount; left > 0; --left) {
            uint32_t code;
            if (!reader.read(space_.width(), code))
                return false;
            if (code == kClearCode) {
                // The clear code and the literal after it count as two codes.
                if (left < 2 || !reader.read(kFirstWidth, code))
                    return false;
                --left;
                space_.reset();
                previous = code & 0xFF;
                if (!put(previous))
                    return false;
                continue;
            }
            uint8_t first;
            if (code < space_.next()) {
                if (!put(code))
                    return false;
                first = entries_[code].first;
            } else if (code == space_.next()) {
                // The string being defined right now: the previous one and its own first byte.
                first = entries_[previous].first;
                if (!put(previous) || !putByte(first))
                    return false;
            } else {
                return false;
            }
            if (!space_.full()) {
                const Entry& prefix = entries_[previous];
                entries_[space_.next()] = Entry{uint16_t(previous), first, prefix.first, prefix.length + 1};
            }
            space_.advance();
            previous = code;
        }
        return produced_ == raw_;
    }

private:
    bool put(uint32_t code)
    {
        const Entry* entry = &entries_[code];
        size_t length = entry->length;
        if (raw_ - produced_ < length)
            return false;
        size_t at = produced_ + length;
        while (code >= 256) {
            out_[--at] = entries_[code].last;
            code = entries_[code].prefix;
        }
        out_[--at] = uint8_t(code);
        produced_ += length;
        return true;
    }
    bool putByte(uint8_t value)
    {
        if (produced_ >= raw_)
            return false;
        out_[produced_++] = value;
        return true;
    }

    std::unique_ptr<Entry[]> entries_;
    CodeSpace space_;
    uint8_t* out_;
    size_t raw_;
    size_t produced_ = 0;
};

// Greedy longest match over (prefix code, byte) pairs, in a hash table that a generation stamp
// empties at once when the dictionary is cleared.
class Dictionary {
public:
    Dictionary() : slots_(std::make_unique<Slot[]>(kSlots)) {}

    void clear()
    {
        ++generation_;
        next_ = kFirstFreeCode;
    }
    // The code of the string `prefix` + `byte`, or kCodeLimit when it has none.
    uint32_t find(uint32_t prefix, uint8_t byte) const
    {
        uint32_t key = prefix << 8 | byte;
        for (uint32_t at = hash(key);; at = (at + 1) & (kSlots - 1)) {
            const Slot& slot = slots_[at];
            if (slot.generation != generation_)
                return kCodeLimit;
            if (slot.key == key)
                return slot.code;
        }
    }
    void add(uint32_t prefix, uint8_t byte)
    {
        if (next_ >= kCodeLimit)
            return;
        uint32_t key = prefix << 8 | byte;
        uint32_t at = hash(key);
        while (slots_[at].generation == generation_)
            at = (at + 1) & (kSlots - 1);
        slots_[at] = Slot{generation_, key, next_++};
    }

private:
    struct Slot {
        uint32_t generation;
        uint32_t key;
        uint32_t code;
    };
    static constexpr uint32_t kSlots = 1u << 17;
    static uint32_t hash(uint32_t key) { return (key * 2654435761u) >> 15; }

    std::unique_ptr<Slot[]> slots_;
    uint32_t generation_ = 1;
    uint32_t next_ = kFirstFreeCode;
};

class Encoder {
public:
    Encoder(const uint8_t* in, size_t size) : in_(in), size_(size) {}

    // The code stream of the whole input.
    const CodeWriter& run()
    {
        if (size_ == 0)
            return writer_;
        emitClear();
        size_t next = 0;
        uint32_t match = in_[next++];
        while (next < size_) {
            uint8_t byte = in_[next++];
            uint32_t longer = dictionary_.find(match, byte);
            if (longer != kCodeLimit) {
                match = longer;
                continue;
            }
            emit(match);
            dictionary_.add(match, byte);
            match = byte;
            if (checkDue() && compressionDropped(next - 1) && next < size_) {
                // Start afresh: the byte in hand goes out as a literal, then the clear code.
                emit(match);
                emitClear();
                dictionary_.clear();
                markReset(next);
                match = in_[next++];
            }
        }
        emit(match);
        writer_.finish();
        return writer_;
    }

private:
    void emit(uint32_t code)
    {
        writer_.write(code, space_.width());
        if (literalAfterClear_)
            literalAfterClear_ = false;
        else
            space_.advance();
    }
    void emitClear()
    {
        writer_.write(kClearCode, space_.width());
        space_.reset();
        literalAfterClear_ = true;
        checkedWidth_ = 0;
    }
    // Once per width, two codes before it grows; every 2048 codes at the widest.
    bool checkDue()
    {
        if (space_.width() < kLastWidth) {
            if (checkedWidth_ == space_.width() || space_.next() + 2 != (1u << space_.width()))
                return false;
            checkedWidth_ = space_.width();
            return true;
        }
        return writer_.codes() - codesAtCheck_ >= 2048;
    }
    // Compares bits in per bit out since the last check with the same since the last reset.
    bool compressionDropped(size_t consumed)
    {
        uint64_t recent = ratio(consumed - consumedAtCheck_, writer_.bitsWritten() - bitsAtCheck_);
        uint64_t overall = ratio(consumed - consumedAtReset_, writer_.bitsWritten() - bitsAtReset_);
        consumedAtCheck_ = consumed;
        bitsAtCheck_ = writer_.bitsWritten();
        codesAtCheck_ = writer_.codes();
        return recent < overall && space_.width() > 11;
    }
    static uint64_t ratio(uint64_t bytesIn, uint64_t bitsOut)
    {
        return bitsOut == 0 ? 0 : bytesIn * 8 * 100 / bitsOut;
    }
    void markReset(size_t consumed)
    {
        consumedAtReset_ = consumedAtCheck_ = consumed;
        bitsAtReset_ = bitsAtCheck_ = writer_.bitsWritten();
        codesAtCheck_ = writer_.codes();
    }

    const uint8_t* in_;
    size_t size_;
    CodeWriter writer_;
    CodeSpace space_;
    Dictionary dictionary_;
    bool literalAfterClear_ = false;
    int checkedWidth_ = 0;
    size_t consumedAtCheck_ = 0;
    size_t consumedAtReset_ = 0;
    uint64_t bitsAtCheck_ = 0;
    uint64_t bitsAtReset_ = 0;
    uint32_t codesAtCheck_ = 0;
};

// Upper bound of the bytes `codes` codes can produce: a string grows by at most one byte per
// code, and no string is longer than the dictionary.
uint64_t maxOutput(uint64_t codes)
{
    uint64_t quadratic = codes * (codes + 1) / 2;
    return std::min(quadratic, codes * kCodeLimit);
}

} // namespace

CLZWCompression::CLZWCompression(const void* data, int size) : CCompression(data, size)
{
}

uint8_t* CLZWCompression::decompress(int rawSize)
{
    return __decompress(rawSize);
}

uint8_t* CLZWCompression::compress(int& packedLength)
{
    return __compress(packedLength);
}

uint8_t* CLZWCompression::__decompress(int expectedRawSize)
{
    size_t available = usableSize();
    if (available < kHeaderSize)
        return nullptr;
    uint32_t raw = foundation::loadLE32(bytes());
    uint32_t codeCount = foundation::loadLE32(bytes() + 8);
    // The stream-size field is not needed: the codes are read up to the end of the data given.
    size_t streamSize = available - kHeaderSize;
    uint64_t codesThatFit = uint64_t(streamSize) * 8 / kFirstWidth;
    if (raw > uint32_t(INT32_MAX) || (expectedRawSize > 0 && raw != uint32_t(expectedRawSize))
        || codeCount > codesThatFit || raw > maxOutput(codeCount))
        return nullptr;
    uint8_t* out = newBuffer(raw);
    if (out == nullptr)
        return nullptr;
    CodeReader reader(bytes() + kHeaderSize, streamSize);
    Decoder decoder(out, raw);
    if (!decoder.run(reader, codeCount)) {
        delete[] out;
        return nullptr;
    }
    size_ = static_cast<int>(raw);
    return out;
}

uint8_t* CLZWCompression::__compress(int& packedLength) const
{
    packedLength = 0;
    if (size_ < 0 || (data_ == nullptr && size_ > 0))
        return nullptr;
    Encoder encoder(bytes(), usableSize());
    const CodeWriter& codes = encoder.run();
    size_t total = kHeaderSize + codes.bytes().size();
    if (total > size_t(INT32_MAX))
        return nullptr;
    uint8_t* out = newBuffer(total);
    if (out == nullptr)
        return nullptr;
    foundation::storeLE32(out, uint32_t(usableSize()));
    foundation::storeLE32(out + 4, uint32_t(codes.bytes().size()));
    foundation::storeLE32(out + 8, codes.codes());
    if (!codes.bytes().empty())
        std::memcpy(out + kHeaderSize, codes.bytes().data(), codes.bytes().size());
    packedLength = static_cast<int>(total);
    return out;
}
