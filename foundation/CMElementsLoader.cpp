#include "foundation/CMElementsLoader.h"

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
    CXString result(static_cast<int>(text.size()));
    text.copy(result.getBuffer(), text.size());
    result.getBuffer()[text.size()] = '\0';
    result.updateLength();
    return result;
}

void trimBlanks(std::string& text)
{
    const size_t last = text.find_last_not_of(' ');
    text.erase(last == std::string::npos ? 0 : last + 1);
    const size_t first = text.find_first_not_of(' ');
    text.erase(0, first == std::string::npos ? text.size() : first);
}

std::string_view trimmedView(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Built in a std::string: one logical line may gather very many physical lines.
std::string readLogicalLine(CTextCoder* coder)
{
    std::string text;
    for (;;) {
        const CXString physical = coder->getLine();
        const size_t start = text.size();
        bool continued = false;
        for (const char* c = physical.c_str(); *c != '\0'; ++c) {
            if (*c == '\t')
                continue;
            continued = continued || *c == '/';
            text.push_back(*c);
        }
        // Drops the line feed the coder ends each line with; a lone one stays as a separator.
        if (text.size() - start > 2)
            text.pop_back();
        trimBlanks(text);
        if (!continued || coder->_eof())
            break;
    }
    std::erase(text, '/');
    return text;
}

std::vector<std::string_view> splitTokens(std::string_view line)
{
    std::vector<std::string_view> tokens;
    size_t position = 0;
    while (position < line.size()) {
        const size_t start = line.find_first_not_of(":=\n", position);
        if (start == std::string_view::npos)
            break;
        size_t end = line.find_first_of(":=\n", start);
        if (end == std::string_view::npos)
            end = line.size();
        tokens.push_back(line.substr(start, end - start));
        position = end;
    }
    return tokens;
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
        const std::vector<std::string_view> tokens = splitTokens(line);
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
            element->addProperty(textOf(statement), textOf(joinedFrom(tokens, next)));
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
            element->addProperty(textOf(trimmedView(piece.substr(0, equals))), textOf(trimmedView(piece.substr(equals + 1))));
        }
    }

    CMElements* elements_;
    std::unordered_map<std::string, CMElement*, NameHash, std::equal_to<>> index_;
};

} // namespace

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
    while (!coder->_eof()) {
        const std::string line = readLogicalLine(coder);
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
    return coder != nullptr ? textOf(readLogicalLine(coder)) : CXString();
}

bool CMElementsLoader::save(const CXString& fileName, CMElements* elements)
{
    return true;
}
