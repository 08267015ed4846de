#pragma once

#include "foundation/CFile.h"

// A read-only file over the caller's bytes (not copied, not owned).
class CFile_Stream : public CFile {
public:
    CFile_Stream(char* data, int size);

    int Length() override { return size_; }
    int Tell() override { return position_; }
    platform::FileHandle* GetHandle() override { return nullptr; }
    // whence 0 from the start, 1 from the position, 2 the end (offset ignored); any other whence
    // changes nothing. The position stays within [0, size]. Returns the new position.
    int Seek(int offset, int whence) override;
    // A memory stream has no file to open: nothing happens and the error code is returned.
    int Open(CWindow* window, const CXString& name, int flags) override;
    // Copies what remains of n bytes from the position on and advances past them.
    int Read(void* buffer, int n) override;
    bool GetLine(char* buffer, int size) override;
    CXString getLine() override;
    bool eof() override { return position_ == size_; }

private:
    const char* data_;
    int size_;
    int position_;
};
