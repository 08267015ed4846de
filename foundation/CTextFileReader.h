#pragma once

#include "foundation/CXObject.h"

#include <algorithm>
#include <string>
#include <string_view>

class CWindow;

// A whole text held in memory and handed out line by line. The error code is the file's when
// the reader read a file that did not open.
class CTextFileReader : public CXObject {
public:
    // Reads the whole file (text mode: CR LF reads as LF) through the engine's file search. The
    // error code is the file's; an empty file leaves no text.
    CTextFileReader(CWindow* window, const CXString& fileName);
    // Wraps text that the caller keeps owning; the window is not used.
    CTextFileReader(CWindow* window, const char* text, int size);
    ~CTextFileReader() override;
    CTextFileReader(const CTextFileReader&) = delete;
    CTextFileReader& operator=(const CTextFileReader&) = delete;

    bool eof() const { return position_ >= size_; }
    // The characters up to the next line feed (not included), after which the position moves.
    // The last line needs no line feed. Zero bytes are dropped: the engine's texts cannot
    // hold them.
    CXString getLine();
    // The same line appended to `out`, without a text of its own.
    void appendLine(std::string& out);
    // The bytes not handed out yet (zero bytes included), for a caller that finds the next line
    // itself and then moves past it with skip.
    std::string_view rest() const { return std::string_view(text_ + position_, static_cast<size_t>(size_ - position_)); }
    void skip(size_t count) { position_ += static_cast<int>(std::min(count, static_cast<size_t>(size_ - position_))); }
    void reset() { position_ = 0; }
    int getSize() const { return size_; }

private:
    int position_;
    int size_;
    const char* text_;
    bool ownsText_;
};
