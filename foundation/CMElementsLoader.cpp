#include "foundation/CMElementsLoader.h"

#include "foundation/CCommandLine6.h"
#include "foundation/CCommandLineSource.h"
#include "foundation/CMElement.h"
#include "foundation/CTextCoder.h"
#include "foundation/CTextFileReader.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

CXString textOf(std::string_view text)
{
    return CXString::fromBytes(text.data(), static_cast<int>(text.size()));
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

// Appends one physical line to the logical line being built: tabs removed, the coder's final
// line feed dropped unless it is all there is besides one character (then it stays as a token
// separator), blanks trimmed at both ends of the whole. True when the line held a '/'.
bool appendPhysicalLine(std::string_view physical, std::string& text)
{
    const size_t start = text.size();
    bool continued = physical.find('/') != std::string_view::npos;
    if (physical.find('\t') == std::string_view::npos) {
        text.append(physical);
    } else {
        for (char c : physical) {
            if (c != '\t')
                text.push_back(c);
        }
    }
    if (text.size() - start > 2)
        text.pop_back();
    const std::string_view trimmed = trimmedView(text);
    if (trimmed.size() != text.size()) {
        const size_t first = static_cast<size_t>(trimmed.data() - text.data());
        text.erase(first + trimmed.size());
        text.erase(0, first);
    }
    return continued;
}

// Built in a std::string: one logical line may gather very many physical lines. `physical` is
// scratch room for one physical line.
void readLogicalLine(CTextCoder* coder, std::string& text, std::string& physical)
{
    text.clear();
    bool continued = true;
    while (continued) {
        physical.clear();
        coder->appendLine(physical);
        continued = appendPhysicalLine(physical, text) && !coder->_eof();
    }
    if (text.find('/') != std::string::npos)
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
        const size_t start = position;
        while (position < size && !isTokenSeparator(line[position]))
            ++position;
        if (position > start)
            tokens.push_back(line.substr(start, position - start));
    }
}

struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const { return std::hash<std::string_view>()(name); }
};

// Fills the list from logical lines. Lookups by name go through an index of the first element
// of each name, so a large scene does not parse in quadratic time.
class ElementsBuilder {
public:
    explicit ElementsBuilder(CMElements* elements) : elements_(elements) {}

    void interpret(std::string_view line)
    {
        splitTokens(line, tokens_);
        const std::vector<std::string_view>& tokens = tokens_;
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
    CMElement* find(std::string_view name) const
    {
        const auto found = index_.find(name);
        return found != index_.end() ? found->second : nullptr;
    }

    CMElement* append(std::string_view name)
    {
        auto* element = new CMElement(textOf(name));
        elements_->add(element);
        index_.try_emplace(std::string(name), element);
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
    std::vector<std::string_view> tokens_;
    std::unordered_map<std::string, CMElement*, NameHash, std::equal_to<>> index_;
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
    std::string line;
    std::string physical;
    while (!coder->_eof()) {
        readLogicalLine(coder, line, physical);
        const char first = line.empty() ? '\0' : line.front();
        if (first == '!')
            ended = true;
        else if (first != '#' && !ended)
            builder.interpret(line);
    }
    return elements;
}

CXString CMElementsLoader::getLine(CTextCoder* coder)
{
    if (coder == nullptr)
        return CXString();
    std::string line;
    std::string physical;
    readLogicalLine(coder, line, physical);
    return textOf(line);
}

bool CMElementsLoader::save(const CXString& fileName, CMElements* elements)
{
    return true;
}
