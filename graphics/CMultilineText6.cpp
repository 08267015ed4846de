#include "graphics/CMultilineText6.h"

#include "foundation/CStringTokenizer.h"
#include "foundation/CTextFileReader.h"
#include "graphics/CEditBoxUnit.h"
#include "graphics/CFontCollection.h"
#include "graphics/CTextFormatCode.h"

#include <algorithm>

using foundation::wrapAdd;
using foundation::wrapMul;
using foundation::wrapSub;

namespace {

// Lines overlap by this much.
constexpr int kLineOverlap = 4;
// Fields longer than a screen line are never needed.
constexpr int kLongestField = 1000;

bool hasArea(const CXRect& r)
{
    return r.Width() > 0 && r.Height() > 0;
}

// The words of a run, each with the blanks that stood before it; blanks after the last word go.
std::vector<CXString> wordsWithBlanks(const CXString& run)
{
    std::vector<CXString> words;
    CXString word;
    bool inWord = false;
    for (int i = 0; i < run.getLength(); ++i) {
        char c = run.GetAt(i);
        if (c == ' ' && inWord) {
            words.push_back(word);
            word = "";
            inWord = false;
        }
        inWord = inWord || c != ' ';
        word += c;
    }
    if (inWord)
        words.push_back(word);
    return words;
}

} // namespace

CMultilineText6::CMultilineText6(CWindow* window, bool hypertext, CEditBoxUnit* unit)
    : CText6(window, hypertext, unit), hypertext_(hypertext)
{
}

CMultilineText6::~CMultilineText6()
{
    flush();
}

void CMultilineText6::flush()
{
    lines_.clear();
    for (CEditBox6* box : editBoxes())
        getUnit()->releaseEditBox(box);
    editBoxes().clear();
    Flush();
}

CText6* CMultilineText6::getLine(int index) const
{
    return index >= 0 && index < getLineCount() ? lines_[size_t(index)].get() : nullptr;
}

void CMultilineText6::setText(const CXString& text)
{
    if (getFont() != nullptr)
        Invalidate();
    setStoredText(convTab(text.replace("&NBSP;", " ")));
    parseText();
    if (getFont() == nullptr)
        return;
    split();
    setSize(CXSize(getLength(), getHeight()));
    justify();
    Invalidate();
}

void CMultilineText6::setFont(CSimpleFont6* font)
{
    if (storedText().IsString())
        Invalidate();
    setFontOnly(font);
    parseText();
    if (font == nullptr)
        return;
    split();
    setSize(CXSize(getLength(), getHeight()));
    justify();
    Invalidate();
}

void CMultilineText6::Move(int dx, int dy)
{
    Invalidate();
    setJustify(getjustifyRect() + CXPoint(dx, dy), getHJustify(), getVJustify());
    Invalidate();
}

int CMultilineText6::Load(const CXString& file)
{
    CTextFileReader reader(getWindow(), file);
    CXString text;
    while (!reader.eof())
        text += reader.getLine() + "\n";
    setText(text);
    return 0;
}

void CMultilineText6::split()
{
    flush();
    if (collection() != nullptr)
        splitMultiText();
    else
        splitText();
    numberWords();
}

void CMultilineText6::addLine(const CXString& markup)
{
    auto line = std::make_unique<CText6>(getWindow(), hypertext_, nullptr);
    line->setFont(getFont());
    line->setText(markup);
    line->setColor(getColor());
    lines_.push_back(std::move(line));
}

int CMultilineText6::madeLines() const
{
    return int(std::count_if(lines_.begin(), lines_.end(), [](const auto& line) { return line != nullptr; }));
}

void CMultilineText6::splitText()
{
    int room = getjustifyRect().Width();
    CStringTokenizer words(storedText(), " ");
    CXString candidate;
    while (words.hasMoreTokens()) {
        CXString word = words.nextToken();
        CXString longer = candidate.IsString() ? candidate + " " + word : word;
        if (getLength(getFont(), longer) > room) {
            addLine(candidate);
            candidate = word;
        } else {
            candidate = longer;
        }
    }
    addLine(candidate);
}

void CMultilineText6::splitMultiText()
{
    int room = getjustifyRect().Width();
    CSimpleFont6* measuring = collection()->getBaseFont();
    // The style in force, written as its code, starts every line.
    CXString prefix;
    CXString markup;
    CXString plain;
    int width = 0;
    auto startLine = [&](bool withBreak) {
        addLine(markup);
        if (withBreak)
            addBreak();
        width = 0;
        plain = "";
        markup = prefix;
    };
    for (int i = 0; i < getCodeCount(); ++i) {
        CTextFormatCode* code = getCode(i);
        switch (code->getMode()) {
        case CTextFormatCode::STYLE:
            // A second style code ends the style in force.
            prefix = prefix.IsString() ? CXString() : code->getText();
            markup += code->getText();
            measuring = code->getFont();
            break;
        case CTextFormatCode::TEXT:
            for (CXString word : wordsWithBlanks(code->getText())) {
                plain += word;
                width = wrapAdd(width, getLength(measuring, word));
                if (width > room) {
                    addLine(markup);
                    width = getLength(measuring, word);
                    if (word.GetAt(0) == ' ')
                        word = word.Right(1);
                    plain = word;
                    markup = prefix + word;
                } else {
                    markup += word;
                }
            }
            break;
        case CTextFormatCode::LINE_BREAK:
            startLine(true);
            break;
        case CTextFormatCode::EDIT_BOX: {
            int boxWidth = code->getWidth();
            if (wrapAdd(width, boxWidth) > room)
                startLine(false);
            int blank = measuring != nullptr ? measuring->getLetterWidth(-1, ' ') : 0;
            int height = measuring != nullptr ? measuring->Height() : 0;
            int count = blank + 2 > 0 ? std::min(boxWidth / (blank + 2), kLongestField) : 0;
            CXString field = " ";
            for (int n = 2; n < count; ++n)
                field += '_';
            plain += field;
            markup += field;
            if (getUnit() != nullptr) {
                CXPoint at = GetPosition();
                int left = wrapAdd(wrapAdd(at.x, width), blank);
                int top = wrapAdd(at.y, wrapMul(madeLines(), height - kLineOverlap));
                CXRect box(left, top, wrapAdd(left, boxWidth), wrapAdd(top, height));
                if (CEditBox6* made = getUnit()->addEditBox(getFont(), box, 0, code->getText()))
                    editBoxes().push_back(made);
            }
            width = wrapAdd(width, wrapAdd(boxWidth, wrapMul(3, blank)));
            break;
        }
        case CTextFormatCode::COLOR: {
            CXString colour = "<COLOR";
            colour += code->getColor();
            markup += colour + ">";
            break;
        }
        default:
            break;
        }
    }
    if (plain.IsString())
        addLine(markup);
}

void CMultilineText6::numberWords()
{
    int first = 0;
    for (const auto& line : lines_) {
        if (line == nullptr)
            continue;
        line->get_ht_lines_info(0)->firstWord = first;
        first = wrapAdd(first, line->getNumWords());
    }
}

void CMultilineText6::placeLine(CText6& line, int x, int y)
{
    if (line.GetPosition() == CXPoint(x, y))
        return;
    line.SetPosition(x, y);
    line.layoutWords();
}

void CMultilineText6::layoutWords()
{
    CXPoint at = GetPosition();
    int y = at.y;
    for (const auto& line : lines_) {
        if (line == nullptr)
            continue;
        placeLine(*line, at.x, y);
        y = wrapAdd(y, line->Height() - kLineOverlap);
    }
}

void CMultilineText6::Redraw()
{
    CXPoint at = GetPosition();
    CXRect clip = GetClippingRect();
    int y = at.y;
    for (const auto& line : lines_) {
        if (line == nullptr)
            continue;
        line->SetOpacity(GetOpacity());
        line->SetClippingRect(CXRect());
        placeLine(*line, at.x, y);
        y = wrapAdd(y, line->Height() - kLineOverlap);
        // The destiny is lent for the drawing only: it may be deleted before the line.
        line->SetDestiny(GetDestiny());
        drawLine(*line, at, clip);
        line->SetDestiny(nullptr);
    }
}

void CMultilineText6::drawLine(CText6& line, CXPoint at, CXRect clip)
{
    if (clip.IsEmpty()) {
        line.Redraw();
        return;
    }
    CXRect part = (line.GetBoundingBox() - at).Common(clip);
    if (!hasArea(part))
        return;
    line.SetClippingRect(part - (line.GetPosition() - at));
    line.Redraw();
}

int CMultilineText6::getHeight()
{
    int height = 0;
    for (const auto& line : lines_) {
        if (line != nullptr)
            height = wrapAdd(height, line->Height());
    }
    return lines_.size() > 1 ? wrapSub(height, wrapMul(2, int(lines_.size()) - 1)) : height;
}

int CMultilineText6::getLength()
{
    int length = 0;
    for (const auto& line : lines_) {
        if (line != nullptr)
            length = std::max(length, line->getLength());
    }
    return length;
}

int CMultilineText6::getNumWords()
{
    int count = 0;
    for (const auto& line : lines_) {
        if (line != nullptr)
            count = wrapAdd(count, line->getNumWords());
    }
    return count;
}

CText6* CMultilineText6::lineOf(int index, int& first) const
{
    for (const auto& line : lines_) {
        if (line == nullptr)
            continue;
        first = line->get_ht_lines_info(0)->firstWord;
        if (index >= first && index - first < line->getNumWords())
            return line.get();
    }
    return nullptr;
}

int CMultilineText6::getWordAtXY(CXPoint point)
{
    int found = -1;
    for (const auto& line : lines_) {
        ht_Line* words = line != nullptr ? line->get_ht_lines_info(0) : nullptr;
        if (words == nullptr || words->count() == 0 || point.y < words->top || point.y > words->bottom)
            continue;
        int hit = line->getWordAtXY(point);
        if (hit != -1)
            found = wrapAdd(hit, words->firstWord);
    }
    return found;
}

CXString CMultilineText6::getWordAt(int index)
{
    int first = 0;
    CText6* line = lineOf(index, first);
    return line != nullptr ? line->getWordAt(index - first) : CXString();
}

CXPoint CMultilineText6::getWordPosition(int index)
{
    int first = 0;
    CText6* line = lineOf(index, first);
    if (line == nullptr)
        return CXPoint(-1, -1);
    return CXPoint(line->getWordPosition(index - first).x, line->get_ht_lines_info(0)->top);
}

int CMultilineText6::getWordWidth(int index)
{
    int first = 0;
    CText6* line = lineOf(index, first);
    return line != nullptr ? line->getWordWidth(index - first) : 0;
}

int CMultilineText6::search(const CXString& word, int from)
{
    for (const auto& line : lines_) {
        int found = line != nullptr ? line->search(word, from) : -1;
        if (found != -1)
            return found;
    }
    return -1;
}

void CMultilineText6::setWordColor(int index, int color)
{
    int first = 0;
    CText6* line = lineOf(index, first);
    if (line == nullptr)
        return;
    line->setWordColor(index - first, color);
    Invalidate();
}

ht_Line* CMultilineText6::get_ht_lines_info(int line)
{
    CText6* entry = getLine(line);
    return entry != nullptr ? entry->get_ht_lines_info(0) : nullptr;
}
