#include "script/CMC_CodeText.h"

#include "foundation/CLogSink.h"
#include "foundation/CXArray.h"

#include <string>

void CMC_CodeText::reportDropped(const char* what)
{
    if (CLogSink* sink = CLogSink::installed())
        sink->toLog(CXString("Script text too long, dropped: ") + what, false);
}

std::vector<CXString> CMC_CodeText::splitLines(const CXString& code)
{
    std::vector<CXString> lines;
    std::string line;
    int depth = 0;
    bool tooLong = false;
    const char* text = code.c_str();
    for (int i = 0; i < code.getLength(); ++i) {
        char character = text[i];
        if (character == ' ')
            continue;
        if (character == ';' && depth == 0) {
            if (tooLong)
                reportDropped("code line");
            else
                lines.emplace_back(CXString(line.c_str()));
            line.clear();
            tooLong = false;
            continue;
        }
        if (character == '(')
            ++depth;
        else if (character == ')')
            --depth;
        if (static_cast<int>(line.size()) >= kMaxLineLength)
            tooLong = true;
        else
            line += character;
    }
    return lines;
}

std::vector<CXString> CMC_CodeText::splitArguments(const CXString& text)
{
    std::vector<CXString> pieces;
    const char* characters = text.c_str();
    int depth = 0;
    int start = 0;
    for (int i = 0; i < text.getLength(); ++i) {
        char character = characters[i];
        if (character == '(')
            ++depth;
        else if (character == ')')
            --depth;
        else if (character == ',' && depth == 0) {
            pieces.push_back(text.Mid(start, i));
            start = i + 1;
        }
    }
    pieces.push_back(text.Mid(start, text.getLength()));
    return pieces;
}

CXString CMC_CodeText::fillParams(const CXString& text, const CXArray* parameters)
{
    int count = parameters != nullptr ? parameters->getSize() : 0;
    std::string filled;
    const char* characters = text.c_str();
    int length = text.getLength();
    for (int i = 0; i < length; ++i) {
        char character = characters[i];
        int number = i + 1 < length ? characters[i + 1] - '0' : 0;
        if (character == '$' && number >= 1 && number <= 9 && number <= count) {
            const CXString* parameter = parameters->stringAt(number - 1);
            if (parameter != nullptr)
                filled.append(parameter->c_str(), static_cast<size_t>(parameter->getLength()));
            ++i;
        } else {
            filled += character;
        }
        if (static_cast<int>(filled.size()) > kMaxLineLength) {
            reportDropped("filled line");
            return CXString();
        }
    }
    return CXString(filled.c_str());
}

CXString CMC_CodeText::inner(const CXString& text)
{
    if (text.getLength() < 2)
        return CXString();
    return text.Mid(1, text.getLength() - 1);
}

CXString CMC_CodeText::trimmed(const CXString& text)
{
    CXString copy = text;
    copy.AllTrim(' ');
    return copy;
}
