#pragma once

#include <cstdint>

class CDataBuffer;
class CFile;

// A whole file in memory, read bit by bit (most significant bit first) or as little-endian
// numbers. Reads past the end give zero bits and zero bytes and leave the cursor at the end.
class CMemStream {
public:
    // Reads the file from its start to its end; an unopened file (or null) gives an empty stream.
    explicit CMemStream(CFile* file);
    virtual ~CMemStream();
    CMemStream(const CMemStream&) = delete;
    CMemStream& operator=(const CMemStream&) = delete;

    // The bit at the bit position of the current byte; after the eighth bit the next byte.
    int get_bit();
    // n bits, the first one most significant; n above 32 keeps the last 32.
    unsigned get_bits(int n);
    // n bits as an n-bit two's-complement number; 0 for n below 1.
    int get_signed_bits(int n);
    // Whole-byte reads: a partly read byte is skipped first.
    char get_char();
    short get_shortint();
    int get_int();
    // Copies length bytes from the cursor (zeros past the end) and advances; the bit position
    // stays.
    void get_bytes(void* target, int length);
    // Skips a partly read byte, then moves the cursor by n bytes (negative goes back), held to
    // the stream.
    void move(int n);

    // The file's length in bytes.
    int getSize() const { return size_; }

private:
    // Moves to the next whole byte when a byte was partly read.
    void alignToByte();
    // The next count bytes little-endian, missing ones as zeros.
    uint32_t readLittleEndian(int count);
    int remaining() const;

    int size_;
    CDataBuffer* buffer_;
    const uint8_t* cursor_;
    int bitPosition_;
};
