#pragma once

#include "foundation/CXObject.h"

#include <string>

class CTextFileReader;
class CWindow;

// Hands out the plain lines of a script text whether it is stored plain or coded, and writes
// coded and decoded copies.
//
// A coded text starts with "{<C:N>}" (or "{<D:N>}", which also asks for a decoded copy on every
// parse); each later physical line holds up to N coded lines, each ended by "<E>". Character i
// of the whole coded text, counted over all its lines from 0, is the plain character plus
// getOffset(i mod N), modulo 256: +1, -1, +2, -2, ...
class CTextCoder : public CXObject {
public:
    // Error code of a coded header whose cycle length is not a number of at least 1.
    static constexpr int ErrorBadCycle = 2001;

    // Over the named file. A coded file headed "{<D:" also gets its decoded copy written to the
    // file name followed by ".decoded", unless that is suppressed.
    CTextCoder(CWindow* window, const CXString& fileName, bool decodeCopySuppressed);
    // Over a given reader, which the coder owns from now on (null reads as an empty text). There
    // is no file name, so no decoded copy.
    CTextCoder(CWindow* window, CTextFileReader* reader, bool decodeCopySuppressed);
    ~CTextCoder() override;
    CTextCoder(const CTextCoder&) = delete;
    CTextCoder& operator=(const CTextCoder&) = delete;

    virtual int getOffset(int k) const;
    // No line is left to hand out.
    virtual bool _eof() const;
    // The next plain line followed by one line feed.
    virtual CXString getLine();
    // The same line appended to `out`; a plain text's lines go over without a text of their own.
    void appendLine(std::string& out);
    // The reader of a plain text, for callers that take its lines in place; null for a coded one.
    CTextFileReader* plainReader() const { return coded_ ? nullptr : reader_; }
    // For a plain text: the next physical line of its coded form (up to N lines, each ended by
    // "<E>"), followed by a line feed; just a line feed for a coded text.
    virtual CXString codeLine();
    virtual bool isCoded() const { return coded_; }

    int getCycle() const { return cycle_; }

    // The coded form of a plain text as `code` writes it: the header line, then every physical
    // line. Empty when the text is coded already, the cycle is below 1, or a coded line would
    // hold a character the coded form cannot carry (a zero byte, a line feed, or an "<E>"
    // inside the line), so that it would not read back as the plain text.
    static CXString codeText(const char* text, int size, int cycle);
    // Writes the coded form of a plain file (see codeText) to the target; false, with nothing
    // written, when the source does not open or is coded already, the coded form cannot carry
    // it, or the target cannot be made.
    static bool code(CWindow* window, const CXString& source, const CXString& target, int cycle);
    // Writes the plain lines of a coded file to the target, one per line, with one empty line
    // at the end; false, with nothing written, when the source does not open or is not coded,
    // or the target cannot be made.
    static bool decode(CWindow* window, const CXString& source, const CXString& target);

protected:
    // Only used to code with another cycle; a cycle below 1 is refused.
    void setCycle(int cycle);

private:
    void initialize(CWindow* window, bool decodeCopySuppressed);
    static bool writeText(CWindow* window, const CXString& target, const std::string& text);
    bool readHeader(const CXString& firstLine);
    // What is left of a plain text, coded with the given cycle (see codeText).
    bool codeRemaining(int cycle, std::string& coded);
    void codeLineInto(std::string& out);
    // Appends the text shifted by the cycling offsets (`direction` +1 codes, -1 decodes). Zero
    // results are dropped; false when there was one.
    bool shiftInto(const char* text, int length, int direction, std::string& out);

    CXString fileName_;
    CTextFileReader* reader_;
    bool coded_ = false;
    int cycle_ = 1;
    int offsetIndex_ = 0;
    bool codedEnd_ = true;
    int linePosition_ = 0;
    int lineCount_ = 0;
    CXString physicalLine_;
    // A coded line came out that the coded form cannot carry.
    bool codingFailed_ = false;
};
