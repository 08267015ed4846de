#pragma once

#include "foundation/ByteScan.h"
#include "foundation/CXObject.h"

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
    // The same line as a view of the text, when it holds no zero byte nor any of `Refused`: the
    // position then moves past it. False, with the position kept, for a line that does (or none).
    template <char... Refused>
    bool takeLineWithout(std::string_view& line);
    void reset() { position_ = 0; }
    int getSize() const { return size_; }

private:
    int position_;
    int size_;
    const char* text_;
    bool ownsText_;
};

template <char... Refused>
bool CTextFileReader::takeLineWithout(std::string_view& line)
{
    if (eof())
        return false;
    const char* start = text_ + position_;
    const auto left = static_cast<size_t>(size_ - position_);
    const size_t stop = foundation::findFirstOf<'\n', '\0', Refused...>(start, 0, left);
    if (stop < left && start[stop] != '\n')
        return false;
    line = std::string_view(start, stop);
    position_ += static_cast<int>(stop < left ? stop + 1 : stop);
    return true;
}
