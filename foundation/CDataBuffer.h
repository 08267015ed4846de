#pragma once

#include "foundation/CXObject.h"

#include <cstdint>

// A block of `count` elements of a fixed size with a cursor and a one-level backup copy.
//
// The cursor stays inside the block: every move stops at the first element or just past the
// last one (offset count), so a caller that walks off the end finds getCursor() == getEnd().
// A block that cannot be allocated (negative or huge sizes) is empty, with error code 1.
class CDataBuffer : public CXObject {
public:
    static constexpr int NO_MEMORY = 1;

    CDataBuffer(int count, int elementSize);
    // As above, then copies count times elementSize bytes from source (zeros for null).
    CDataBuffer(const void* source, int count, int elementSize);
    CDataBuffer(const CDataBuffer&) = delete;
    CDataBuffer& operator=(const CDataBuffer&) = delete;
    ~CDataBuffer() override;

    // Frees the data and the backup; the buffer is empty afterwards.
    virtual void flush();
    // The backup becomes a copy of the data.
    virtual void backup();
    // Copies the backup over the data when there is one; drop deletes the backup afterwards.
    virtual void restore(bool drop);
    // A new buffer with copies of the data and the backup, its cursor at the same element.
    CDataBuffer* clone() const override;

    void zero();
    // The data's size in bytes (the backup not counted).
    int getMemoryUsage() const;

    void start();
    CDataBuffer& operator++();
    CDataBuffer& operator--();
    CDataBuffer& operator+=(int n);
    CDataBuffer& operator-=(int n);

    uint8_t* getData() const { return data_; }
    uint8_t* getBackup() const { return backup_; }
    uint8_t* getCursor() const { return cursor_; }
    // Just past the last element.
    uint8_t* getEnd() const { return data_ + byteSize(); }
    int getCount() const { return count_; }
    int getElementSize() const { return elementSize_; }

protected:
    // The cursor to element offset `index`, held to [0, count].
    void moveTo(int64_t index);
    int64_t cursorIndex() const;
    // Copies data, backup and cursor of `source` into this buffer, made with the same sizes; a
    // source without data leaves this buffer empty too.
    void copyFrom(const CDataBuffer& source);

private:
    size_t byteSize() const { return size_t(count_) * size_t(elementSize_); }
    void allocate(int count, int elementSize);

    uint8_t* data_;
    uint8_t* backup_;
    uint8_t* cursor_;
    int count_;
    int elementSize_;
};
