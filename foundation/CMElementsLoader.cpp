#include "foundation/CMElementsLoader.h"

#include "foundation/ByteScan.h"
#include "foundation/CCommandLine6.h"
#include "foundation/CCommandLineSource.h"
#include "foundation/CMElement.h"
#include "foundation/CTextCoder.h"
#include "foundation/CTextFileReader.h"
#include "foundation/TextKeyIndex.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The reader drops zero bytes, and a line in place holds none.
CXString textOf(std::string_view text)
{
    return CXString::fromTextBytes(text.data(), static_cast<int>(text.size()));
}

std::string_view viewOf(const CXString& text)
{
    return std::string_view(text.c_str(), static_cast<size_t>(text.getLength()));
}

std::string_view trimmedView(std::string_view text)
{
    size_t first = 0;
    size_t end = text.size();
    while (first < end && text[first] == ' ')
        ++first;
    while (end > first && text[end - 1] == ' ')
        --end;
    return text.substr(first, end - first);
}

// Appends the coder's next physical line to the logical line being built: tabs removed, the
// coder's final line feed dropped unless it is all there is besides one character (then it stays
// as a token separator), blanks trimmed at both ends of the whole. True when the line held a '/'.
bool appendPhysicalLine(CTextCoder* coder, std::string& text)
{
    const size_t start = text.size();
    coder->appendLine(text);
    bool slashes = false;
    // Slashes and tabs are rare: one pass tells whether either is there.
    if (foundation::findFirstOf<'/', '\t'>(text.data(), start, text.size()) < text.size()) {
        const std::string_view added(text.data() + start, text.size() - start);
        slashes = added.find('/') != std::string_view::npos;
        if (added.find('\t') != std::string_view::npos)
            text.erase(std::remove(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), '\t'), text.end());
    }
    if (text.size() - start > 2)
        text.pop_back();
    const std::string_view trimmed = trimmedView(text);
    if (trimmed.size() != text.size()) {
        const size_t first = static_cast<size_t>(trimmed.data() - text.data());
        text.erase(first + trimmed.size());
        text.erase(0, first);
    }
    return slashes;
}

// Built in a std::string: one logical line may gather very many physical lines.
void readLogicalLine(CTextCoder* coder, std::string& text)
{
    text.clear();
    bool slashes = false;
    bool continued = true;
    while (continued) {
        continued = appendPhysicalLine(coder, text);
        slashes = slashes || continued;
        continued = continued && !coder->_eof();
    }
    if (slashes)
        std::erase(text, '/');
}

bool isTokenSeparator(char c)
{
    return c == ':' || c == '=' || c == '\n';
}

void splitTokens(std::string_view line, std::vector<std::string_view>& tokens)
{
    tokens.clear();
    size_t position = 0;
    const size_t size = line.size();
    while (position < size) {
        while (position < size && isTokenSeparator(line[position]))
            ++position;
        if (position == size)
            break;
        // Code values make long tokens.
        const size_t end = foundation::findFirstOf<':', '=', '\n'>(line.data(), position, size);
        tokens.push_back(line.substr(position, end - position));
        position = end;
    }
}

// Takes a plain text's next line in place when it needs no rework (no '/', zero byte, or tab
// after its leading blanks), splitting it into tokens in the same pass over its bytes. False,
// with nothing taken, for any other line. The built form keeps the line feed of a one-character
// line as a token separator, which has nothing to separate there.
bool takeLineInPlace(CTextFileReader* reader, std::string_view& line, std::vector<std::string_view>& tokens)
{
    const std::string_view text = reader->rest();
    // Leading tabs go with the leading blanks that trimming takes off.
    size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    tokens.clear();
    size_t tokenStart = start;
    size_t at = start;
    for (;; ++at) {
        // Searched to the end of the text, not of the line: the byte scan then stays wide.
        at = foundation::findFirstOf<'\n', ':', '=', '/', '\t', '\0'>(text.data(), at, text.size());
        if (at == text.size() || text[at] == '\n')
            break;
        if (text[at] != ':' && text[at] != '=')
            return false;
        tokens.push_back(text.substr(tokenStart, at - tokenStart));
        tokenStart = at + 1;
    }
    // Trimming the line takes the blanks off the end of its last token; splitting the trimmed
    // line makes no empty tokens.
    const std::string_view last = text.substr(tokenStart, at - tokenStart);
    tokens.push_back(last.substr(0, last.find_last_not_of(' ') + 1));
    std::erase_if(tokens, [](std::string_view token) { return token.empty(); });
    line = trimmedView(text.substr(start, at - start));
    reader->skip(at + 1);
    return true;
}

// The next logical line and its tokens: taken in place from a plain text when it can be, else
// built in `text`.
std::string_view nextLogicalLine(CTextCoder* coder, CTextFileReader* plainReader, std::string& text,
                                 std::vector<std::string_view>& tokens)
{
    std::string_view line;
    if (plainReader != nullptr && takeLineInPlace(plainReader, line, tokens))
        return line;
    readLogicalLine(coder, text);
    splitTokens(text, tokens);
    return text;
}

// Fills the list from logical lines. Lookups by name go through an index of the first element
// of each name, so a large scene does not parse in quadratic time.
class ElementsBuilder {
public:
    explicit ElementsBuilder(CMElements* elements) : elements_(elements) {}

    // The line and its tokens, split at ':', '=' and line feeds.
    void interpret(std::string_view line, const std::vector<std::string_view>& tokens)
    {
        size_t next = 0;
        while (next < tokens.size()) {
            const std::string_view word = tokens[next++];
            if (word == "DEF") {
                define(line);
                return;
            }
            if (word == "OBJECT") {
                if (next >= tokens.size() || find(tokens[next]) != nullptr)
                    return;
                append(tokens[next++]);
                continue;
            }
            if (word == "IMPORT") {
                if (next < tokens.size() && find(tokens[next]) == nullptr)
                    append(tokens[next])->addProperty("TYPE", "SEQUENCE");
                ++next;
                continue;
            }
            CMElement* element = find(word);
            if (element == nullptr)
                return;
            if (next >= tokens.size())
                continue;
            const std::string_view statement = tokens[next++];
            if (statement == "ADD" || statement == "APPLY") {
                if (next >= tokens.size())
                    continue;
                CMElement* other = find(tokens[next++]);
                if (other == nullptr)
                    return;
                if (statement == "ADD")
                    other->addChild(element);
                else
                    element->addChild(other);
                continue;
            }
            if (next >= tokens.size()) {
                element->addProperty(textOf(statement));
                continue;
            }
            if (next + 1 == tokens.size())
                element->addParsedProperty(statement, tokens[next]);
            else
                element->addParsedProperty(statement, joinedFrom(tokens, next));
            next = tokens.size();
        }
    }

private:
    // Lines about one element mostly follow each other: the last element found answers without
    // a lookup (a name, once found, always finds the same element).
    CMElement* find(std::string_view name)
    {
        if (last_ != nullptr && name == viewOf(last_->name()))
            return last_;
        auto* found = static_cast<CMElement*>(index_.find(name));
        if (found != nullptr)
            last_ = found;
        return found;
    }

    CMElement* append(std::string_view name)
    {
        auto* element = new CMElement(textOf(name));
        elements_->add(element);
        // Keyed by the element's own name: the element outlives the index and keeps its name.
        if (index_.addIfAbsent(viewOf(element->name()), element))
            last_ = element;
        return element;
    }

    static std::string joinedFrom(const std::vector<std::string_view>& tokens, size_t first)
    {
        std::string value;
        for (size_t i = first; i < tokens.size(); ++i) {
            if (i > first)
                value.push_back(' ');
            value.append(tokens[i]);
        }
        return value;
    }

    // DEF:NAME(KEY=VALUE|...), read from the line itself. A line without '(' and a later ')'
    // declares nothing, and a body piece without '=' is skipped.
    void define(std::string_view line)
    {
        const size_t open = line.find('(');
        const size_t close = line.rfind(')');
        if (open == std::string_view::npos || close == std::string_view::npos || close < open)
            return;
        const size_t nameStart = 4;
        CMElement* element = append(open > nameStart ? line.substr(nameStart, open - nameStart) : std::string_view());
        std::string_view body = line.substr(open + 1, close - open - 1);
        while (!body.empty()) {
            const size_t bar = body.find('|');
            const std::string_view piece = body.substr(0, bar);
            body = bar == std::string_view::npos ? std::string_view() : body.substr(bar + 1);
            const size_t equals = piece.find('=');
            if (equals == std::string_view::npos)
                continue;
            element->addParsedProperty(trimmedView(piece.substr(0, equals)), trimmedView(piece.substr(equals + 1)));
        }
    }

    CMElements* elements_;
    CMElement* last_ = nullptr;
    foundation::TextKeyIndex index_;
};

const int kCodeOptionCycle = 6;

void writeRequestedCopies(CWindow* window, const CXString& fileName)
{
    const CCommandLine6* commandLine = window != nullptr ? CCommandLineSource::current() : nullptr;
    if (commandLine == nullptr)
        return;
    if (commandLine->isToCode())
        CTextCoder::code(window, fileName, fileName + ".coded", kCodeOptionCycle);
    if (commandLine->isToDecode())
        CTextCoder::decode(window, fileName, fileName + ".decoded");
}

} // namespace

CMElements* CMElementsLoader::load(CWindow* window, const CXString& fileName)
{
    CTextCoder coder(window, fileName, false);
    writeRequestedCopies(window, fileName);
    return coder.LastError() != 0 ? nullptr : load(&coder);
}

CMElements* CMElementsLoader::load(CWindow* window, CTextFileReader* reader)
{
    if (reader == nullptr)
        return nullptr;
    CTextCoder coder(window, reader, true);
    return coder.LastError() != 0 ? nullptr : load(&coder);
}

CMElements* CMElementsLoader::load(CTextCoder* coder)
{
    auto* elements = new CMElements(true);
    if (coder == nullptr)
        return elements;
    ElementsBuilder builder(elements);
    bool ended = false;
    CTextFileReader* plainReader = coder->plainReader();
    std::string text;
    std::vector<std::string_view> tokens;
    while (!coder->_eof()) {
        const std::string_view line = nextLogicalLine(coder, plainReader, text, tokens);
        const char first = line.empty() ? '\0' : line.front();
        if (first == '!')
            ended = true;
        else if (first != '#' && !ended)
            builder.interpret(line, tokens);
    }
    return elements;
}

CXString CMElementsLoader::getLine(CTextCoder* coder)
{
    if (coder == nullptr)
        return CXString();
    std::string line;
    readLogicalLine(coder, line);
    return textOf(line);
}

bool CMElementsLoader::save(const CXString& fileName, CMElements* elements)
{
    return true;
}
