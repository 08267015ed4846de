#include "foundation/CTextCoder.h"

#include "foundation/CFile.h"
#include "foundation/CTextFileReader.h"
#include "foundation/NumberText.h"

#include <string_view>

namespace {

const char kCodedEnd[] = "<E>";
const int kCodedEndLength = 3;
// "w+t": copies are text files, as the system writes them (each line feed becomes CR LF).
const int kWriteTextFlags = 2 | CFile::UPDATE | CFile::TEXT;

bool isCodedHeader(const CXString& line)
{
    return line.startsWith("{<C:") || line.startsWith("{<D:");
}

std::string codedHeader(int cycle)
{
    return "{<C:" + std::to_string(cycle) + ">}\n";
}

} // namespace

CTextCoder::CTextCoder(CWindow* window, const CXString& fileName, bool decodeCopySuppressed)
    : fileName_(fileName), reader_(new CTextFileReader(window, fileName))
{
    initialize(window, decodeCopySuppressed);
}

CTextCoder::CTextCoder(CWindow* window, CTextFileReader* reader, bool decodeCopySuppressed)
    : reader_(reader != nullptr ? reader : new CTextFileReader(window, nullptr, 0))
{
    initialize(window, decodeCopySuppressed);
}

CTextCoder::~CTextCoder()
{
    delete reader_;
}

void CTextCoder::initialize(CWindow* window, bool decodeCopySuppressed)
{
    setErrorCode(reader_->LastError());
    if (LastError() != 0)
        return;
    codedEnd_ = false;
    CXString firstLine = reader_->getLine();
    if (isCodedHeader(firstLine)) {
        const bool decodedCopyAsked = firstLine.startsWith("{<D:");
        if (readHeader(firstLine) && decodedCopyAsked && !decodeCopySuppressed && fileName_.IsString())
            decode(window, fileName_, fileName_ + ".decoded");
        return;
    }
    coded_ = false;
    reader_->reset();
}

// A cycle length below 1 cannot drive the offsets: such a text is refused as a whole.
bool CTextCoder::readHeader(const CXString& firstLine)
{
    coded_ = true;
    cycle_ = foundation::parseDecimalInt(firstLine.c_str() + 4);
    if (cycle_ >= 1)
        return true;
    cycle_ = 1;
    codedEnd_ = true;
    setErrorCode(ErrorBadCycle);
    return false;
}

int CTextCoder::getOffset(int k) const
{
    const int64_t magnitude = (static_cast<int64_t>(k) + 2) / 2;
    return static_cast<int>(k % 2 == 0 ? magnitude : -magnitude);
}

bool CTextCoder::_eof() const
{
    return coded_ ? codedEnd_ : reader_->eof();
}

CXString CTextCoder::getLine()
{
    if (!coded_) {
        CXString line = reader_->getLine();
        line += '\n';
        return line;
    }
    CXString result;
    if (lineCount_ % cycle_ == 0) {
        linePosition_ = 0;
        physicalLine_ = reader_->getLine();
        result = physicalLine_;
    }
    if (!codedEnd_) {
        const int end = physicalLine_.FindSubString(kCodedEnd, linePosition_);
        if (end < 0) {
            codedEnd_ = true;
        } else {
            std::string plain;
            shiftInto(physicalLine_.c_str() + linePosition_, end - linePosition_, -1, plain);
            result = plain.c_str();
            linePosition_ = end + kCodedEndLength;
            ++lineCount_;
        }
    }
    result += '\n';
    return result;
}

void CTextCoder::appendLine(std::string& out)
{
    if (coded_) {
        const CXString line = getLine();
        out.append(line.c_str(), static_cast<size_t>(line.getLength()));
        return;
    }
    reader_->appendLine(out);
    out.push_back('\n');
}

CXString CTextCoder::codeLine()
{
    std::string coded;
    codeLineInto(coded);
    return CXString(coded.c_str());
}

void CTextCoder::codeLineInto(std::string& out)
{
    for (int lines = 0; !coded_ && lines < cycle_ && !reader_->eof(); ++lines) {
        CXString line = reader_->getLine();
        line.AllTrim(' ');
        line = line.replace("\t", "");
        if (line.lastChar() == '\n')
            line.left(line.getLength() - 1);
        const size_t start = out.size();
        const bool complete = shiftInto(line.c_str(), line.getLength(), +1, out);
        const std::string_view coded(out.data() + start, out.size() - start);
        if (!complete || coded.find('\n') != std::string_view::npos || coded.find(kCodedEnd) != std::string_view::npos)
            codingFailed_ = true;
        out += kCodedEnd;
        ++lineCount_;
    }
    out.push_back('\n');
}

bool CTextCoder::codeRemaining(int cycle, std::string& coded)
{
    if (LastError() != 0 || coded_ || cycle < 1)
        return false;
    setCycle(cycle);
    coded = codedHeader(cycle);
    while (!_eof() && !codingFailed_)
        codeLineInto(coded);
    return !codingFailed_;
}

CXString CTextCoder::codeText(const char* text, int size, int cycle)
{
    CTextCoder coder(nullptr, new CTextFileReader(nullptr, text, size), true);
    std::string coded;
    return coder.codeRemaining(cycle, coded) ? CXString(coded.c_str()) : CXString();
}

bool CTextCoder::code(CWindow* window, const CXString& source, const CXString& target, int cycle)
{
    CTextCoder coder(window, source, false);
    std::string coded;
    return coder.codeRemaining(cycle, coded) && writeText(window, target, coded);
}

bool CTextCoder::decode(CWindow* window, const CXString& source, const CXString& target)
{
    CTextCoder coder(window, source, true);
    if (coder.LastError() != 0 || !coder.isCoded())
        return false;
    std::string plain;
    while (!coder._eof())
        plain += coder.getLine().c_str();
    return writeText(window, target, plain);
}

bool CTextCoder::writeText(CWindow* window, const CXString& target, const std::string& text)
{
    CFile file(window, target, kWriteTextFlags);
    if (file.LastError() != 0)
        return false;
    const int size = static_cast<int>(text.size());
    const bool written = file.Write(text.data(), size) == size;
    return file.Close() == 0 && written;
}

void CTextCoder::setCycle(int cycle)
{
    if (cycle >= 1)
        cycle_ = cycle;
}

bool CTextCoder::shiftInto(const char* text, int length, int direction, std::string& out)
{
    bool complete = true;
    out.reserve(out.size() + static_cast<size_t>(length));
    for (int i = 0; i < length; ++i) {
        const int offset = getOffset(offsetIndex_) * direction;
        offsetIndex_ = offsetIndex_ + 1 >= cycle_ ? 0 : offsetIndex_ + 1;
        const char character = static_cast<char>(static_cast<unsigned char>(text[i]) + offset);
        if (character != '\0')
            out.push_back(character);
        else
            complete = false;
    }
    return complete;
}
