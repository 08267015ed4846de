#include "graphics/CText6.h"

#include "foundation/CXVector.h"
#include "graphics/CFontCollection.h"
#include "graphics/CTextFormatCode.h"
#include "graphics/CWindow.h"

#include <algorithm>
#include <utility>

using foundation::wrapAdd;
using foundation::wrapSub;

namespace {

const CXString kColorEnd = "<COLOR>";

bool hasArea(const CXRect& r)
{
    return r.Width() > 0 && r.Height() > 0;
}

// The style a code switches to, or "" for no style code.
const char* styleOf(const CXString& code)
{
    static const char* const styles[][2] = {
        {"I", "ITALIC"}, {"B", "BOLD"}, {"LS", "LSTRIKE"}, {"US", "USTRIKE"}, {"U", "UNDERLINE"},
    };
    for (const auto& entry : styles) {
        if (code.equalsIgnoreCase(entry[0]))
            return entry[1];
    }
    return "";
}

} // namespace

// One pass over the text's runs, as drawing goes: the pen moves letter by letter with the font
// of each run, and every word's left and right x are recorded. Drawing also paints the letters,
// with the colours of the codes and of the words.
class CText6::Walk {
public:
    Walk(CText6& text, bool draw) : text_(text), draw_(draw), pen_(text.GetPosition().x), y_(text.GetPosition().y) {}

    void codes(CSimpleFont6* base)
    {
        font_ = base;
        ht_Line& line = text_.line_;
        line.top = y_;
        line.bottom = wrapAdd(y_, text_.getFont()->Height());
        for (int i = 0; i < text_.getCodeCount(); ++i) {
            CTextFormatCode* code = text_.getCode(i);
            if (code->getMode() == CTextFormatCode::STYLE && code->getFont() != nullptr)
                font_ = code->getFont();
            else if (code->getMode() == CTextFormatCode::COLOR && draw_ && code->getColor() != 0)
                font_->setColor(code->getColor());
            else if (code->getMode() == CTextFormatCode::TEXT)
                run(code->getText());
        }
        setRight(pen_);
    }

    // A single font: every character as it stands, no words.
    void plain(CSimpleFont6* font, const CXString& text)
    {
        font_ = font;
        font_->SetDestiny(text_.GetDestiny());
        char before = 0;
        for (int i = 0; i < text.getLength(); ++i) {
            char letter = text.GetAt(i);
            pen_ = wrapAdd(pen_, advance(before, letter));
            before = letter;
        }
    }

private:
    void run(const CXString& text)
    {
        if (draw_) {
            colourWord();
            font_->SetDestiny(text_.GetDestiny());
        }
        if (!open_) {
            setLeft(pen_);
            open_ = true;
        }
        char before = 0;
        for (int i = 0; i < text.getLength(); ++i) {
            char letter = text.GetAt(i);
            if (letter == ' ') {
                setRight(wrapSub(pen_, 1));
                ++word_;
                setLeft(pen_);
                if (draw_)
                    colourWord();
            }
            pen_ = wrapAdd(pen_, advance(before, letter));
            before = letter;
        }
        setRight(wrapSub(pen_, 1));
    }

    // A word with a colour of its own shows it; the colour the font had comes back after it.
    void colourWord()
    {
        ht_Line& line = text_.line_;
        int own = line.holds(word_) ? line.words[size_t(word_)].color : ht_Line::NO_COLOR;
        if (own != ht_Line::NO_COLOR) {
            if (!saved_)
                savedColor_ = font_->getColor();
            saved_ = true;
            font_->setColor(own);
        } else if (saved_) {
            font_->setColor(savedColor_);
            saved_ = false;
        }
    }

    // The pen advance of a letter; drawing paints the part of it inside the text's clipping
    // rectangle, letters wholly outside it are skipped.
    int advance(char before, char letter)
    {
        int width = font_->getLetterWidth(before, letter);
        if (!draw_)
            return width + 2;
        CXRect clip = text_.GetClippingRect();
        if (clip.IsEmpty())
            return font_->drawLetter(pen_, y_, before, letter);
        // The letter's ink in the text's own coordinates: kerning moves it left of the pen.
        int real = font_->getRealLetterWidth(letter);
        int inkLeft = wrapSub(wrapSub(pen_, text_.GetPosition().x), real - width);
        CXRect ink(inkLeft, 0, wrapAdd(inkLeft, real), font_->Height());
        CXRect part = ink.Common(clip);
        if (!hasArea(part))
            return width + 2;
        bool cut = part != ink;
        if (cut)
            font_->SetClippingRect(letter, part - CXPoint(inkLeft, 0));
        int moved = font_->drawLetter(pen_, y_, before, letter);
        if (cut)
            font_->SetClippingRect(CXRect());
        return moved;
    }

    void setLeft(int x)
    {
        if (text_.line_.holds(word_))
            text_.line_.words[size_t(word_)].left = x;
    }

    void setRight(int x)
    {
        if (text_.line_.holds(word_))
            text_.line_.words[size_t(word_)].right = x;
    }

    CText6& text_;
    bool draw_;
    int pen_;
    int y_;
    CSimpleFont6* font_ = nullptr;
    int word_ = 0;
    // The current word has its left x.
    bool open_ = false;
    bool saved_ = false;
    int savedColor_ = 0;
};

CText6::CText6(CWindow* window, bool, CEditBoxUnit* unit) : CGraphicsObject(window), codes_(new CXVector(101, 0.75f)), unit_(unit)
{
}

CText6::~CText6()
{
    flush_ht_info();
    flushCodes();
    delete codes_;
}

void CText6::flush_ht_info()
{
    line_.words.clear();
}

CSimpleFont6* CText6::getFont() const
{
    return static_cast<CSimpleFont6*>(font_.get());
}

void CText6::setFontOnly(CSimpleFont6* font)
{
    font_.reset(font);
}

CFontCollection* CText6::collection() const
{
    CSimpleFont6* font = getFont();
    return font != nullptr && font->isMultifont() ? static_cast<CFontCollection*>(font) : nullptr;
}

int CText6::screenBpp() const
{
    int bpp = getWindow() != nullptr ? getWindow()->GetBpp() : 0;
    return bpp != 0 ? bpp : 16;
}

int CText6::getCodeCount() const
{
    return codes_->getSize();
}

CTextFormatCode* CText6::getCode(int index) const
{
    return static_cast<CTextFormatCode*>((*codes_)[index]);
}

void CText6::flushCodes()
{
    for (int i = 0; i < codes_->getSize(); ++i)
        delete getCode(i);
    codes_->removeAll();
}

bool CText6::checkCode(const CXString& code)
{
    return *styleOf(code) != 0;
}

CXString CText6::convTab(const CXString& text)
{
    return text.replace("\t", "        ");
}

CXString CText6::getColoruredText(const CXString& text, int color)
{
    // Only the wrapping comes off: colour codes inside the text stay.
    CXString plain = text;
    int close = text.Find('>');
    int inner = text.getLength() - kColorEnd.getLength();
    if (text.startsWith("<COLOR") && text.endsWith(kColorEnd) && close >= 0 && close < inner)
        plain = text.Mid(close + 1, inner);
    if (color == 0)
        return plain;
    CXString wrapped = "<COLOR";
    wrapped += color;
    return wrapped + ">" + plain + kColorEnd;
}

void CText6::addRun(const CXString& run)
{
    addCode(CTextFormatCode::TEXT, run, nullptr);
}

CSimpleFont6* CText6::addCode(int mode, const CXString& text, CSimpleFont6* font)
{
    if (mode == CTextFormatCode::TEXT) {
        if (text.IsString())
            codes_->add(new CTextFormatCode(text));
        return font;
    }
    if (mode != CTextFormatCode::STYLE) {
        codes_->add(new CTextFormatCode(screenBpp(), mode, text));
        return font;
    }
    CFontCollection* fonts = collection();
    if (fonts == nullptr || font == nullptr)
        return font;
    CXString style = styleOf(text);
    CXString wanted = font->getStyle().equalsIgnoreCase(style) ? CXString("STANDARD") : style;
    CSimpleFont6* switched = fonts->get(font->getFamily(), wanted, font->getSize());
    // Without a font of that style the code is dropped and the current font stays.
    if (switched == nullptr)
        return font;
    codes_->add(new CTextFormatCode(switched, "<" + text + ">"));
    return switched;
}

void CText6::parseText()
{
    flushCodes();
    CFontCollection* fonts = collection();
    if (fonts == nullptr)
        return;
    CSimpleFont6* current = fonts->getBaseFont();
    const CXString& text = text_;
    int length = text.getLength();
    CXString pending;
    int i = 0;
    while (i < length) {
        char c = text.GetAt(i);
        if (c == '\n') {
            ++i;
        } else if (c == '\r' || c == '|') {
            addRun(pending);
            addCode(CTextFormatCode::LINE_BREAK, "", current);
            pending = "";
            ++i;
        } else if (c != '<') {
            pending += c;
            ++i;
        } else {
            int end = i + 1;
            while (end < length && text.GetAt(end) != '>' && text.GetAt(end) != '<')
                ++end;
            if (end == length) {
                addRun(pending + text.Right(i));
                pending = "";
                i = length;
            } else if (text.GetAt(end) == '<') {
                addRun(pending + text.Mid(i, end));
                pending = "";
                i = end + 1;
            } else {
                CXString code = text.Mid(i + 1, end);
                int mode = checkCode(code)              ? CTextFormatCode::STYLE
                           : code.startsWith("E,")      ? CTextFormatCode::EDIT_BOX
                           : code.startsWith("COLOR")   ? CTextFormatCode::COLOR
                                                        : 0;
                if (mode == 0) {
                    // No code: the "<" is dropped and the rest is read as text.
                    ++i;
                    continue;
                }
                addRun(pending);
                pending = "";
                current = addCode(mode, mode == CTextFormatCode::COLOR ? code.Right(5) : code, current);
                i = end + 1;
            }
        }
    }
    addRun(pending);
}

std::vector<CXString> CText6::wordTexts() const
{
    std::vector<CXString> words;
    for (int i = 0; i < getCodeCount(); ++i) {
        CTextFormatCode* code = getCode(i);
        if (code->getMode() != CTextFormatCode::TEXT)
            continue;
        if (words.empty())
            words.emplace_back();
        const CXString& run = code->getText();
        for (int c = 0; c < run.getLength(); ++c) {
            if (run.GetAt(c) == ' ')
                words.emplace_back();
            else
                words.back() += run.GetAt(c);
        }
    }
    return words;
}

void CText6::resetWords()
{
    line_.words.resize(wordTexts().size());
}

int CText6::getLength(CSimpleFont6* font, const CXString& text)
{
    int length = 0;
    char before = 0;
    for (int i = 0; font != nullptr && i < text.getLength(); ++i) {
        length = wrapAdd(length, font->getLetterWidth(before, text.GetAt(i)) + 2);
        before = text.GetAt(i);
    }
    return length;
}

int CText6::getLength()
{
    CFontCollection* fonts = collection();
    if (fonts == nullptr)
        return getLength(getFont(), text_);
    CSimpleFont6* current = fonts->getBaseFont();
    int length = 0;
    for (int i = 0; i < getCodeCount(); ++i) {
        CTextFormatCode* code = getCode(i);
        if (code->getMode() == CTextFormatCode::STYLE && code->getFont() != nullptr)
            current = code->getFont();
        else if (code->getMode() == CTextFormatCode::TEXT)
            length = wrapAdd(length, getLength(current, code->getText()));
    }
    return length;
}

void CText6::setFont(CSimpleFont6* font)
{
    bool hasText = text_.IsString();
    if (hasText)
        Invalidate();
    setFontOnly(font);
    if (font != nullptr)
        color_ = font->getDefColor();
    parseText();
    resetWords();
    if (hasText && font != nullptr) {
        setSize(CXSize(getLength(), font->Height()));
        justify();
        Invalidate();
    }
}

void CText6::loseFont()
{
    setFont(nullptr);
    setSize(CXSize());
}

void CText6::setText(const CXString& text)
{
    CSimpleFont6* font = getFont();
    if (font != nullptr)
        Invalidate();
    // A single font would show a colour code as letters.
    bool markup = font == nullptr || font->isMultifont();
    text_ = markup ? getColoruredText(convTab(text), color_) : convTab(text);
    parseText();
    flush_ht_info();
    resetWords();
    if (font != nullptr) {
        setSize(CXSize(getLength(), font->Height()));
        justify();
        Invalidate();
    }
}

void CText6::setColor(int color)
{
    if (color == color_)
        return;
    color_ = color;
    setText(getColoruredText(text_, color));
}

void CText6::setJustify(CXRect rect, _justify horizontal, _justify vertical)
{
    justifyRect_ = rect;
    hJustify_ = horizontal;
    vJustify_ = vertical;
    justify();
}

void CText6::justify()
{
    const CXRect& r = justifyRect_;
    CXPoint at = GetPosition();
    if (hJustify_ == JUSTIFY_LEFT)
        at.x = r.left;
    else if (hJustify_ == JUSTIFY_RIGHT)
        at.x = wrapSub(r.right, Width());
    else if (hJustify_ == JUSTIFY_CENTER)
        at.x = wrapAdd(r.left, wrapSub(r.Width(), Width()) / 2);
    if (vJustify_ == JUSTIFY_CENTER)
        at.y = wrapAdd(r.top, wrapSub(r.Height(), Height()) / 2);
    else if (vJustify_ == JUSTIFY_TOP)
        at.y = r.top;
    else if (vJustify_ == JUSTIFY_BOTTOM)
        at.y = wrapSub(r.bottom, Height());
    if (at != GetPosition()) {
        Invalidate();
        SetPosition(at.x, at.y);
        Invalidate();
    }
    layoutWords();
}

void CText6::Move(int dx, int dy)
{
    if (justifyRect_.IsEmpty()) {
        CGraphicsObject::Move(dx, dy);
        layoutWords();
        return;
    }
    Invalidate();
    justifyRect_ += CXPoint(dx, dy);
    justify();
    Invalidate();
}

void CText6::layoutWords()
{
    CFontCollection* fonts = collection();
    if (fonts != nullptr && fonts->getBaseFont() != nullptr)
        Walk(*this, false).codes(fonts->getBaseFont());
}

void CText6::Redraw()
{
    CSimpleFont6* font = getFont();
    if (font == nullptr)
        return;
    CFontCollection* fonts = collection();
    // Each font gets back the colour it had, whatever the codes and words gave it.
    std::vector<std::pair<CSimpleFont6*, int>> colours;
    for (int i = 0; fonts != nullptr && i < fonts->getFontCount(); ++i)
        colours.emplace_back(fonts->getFontAt(i), fonts->getFontAt(i)->getColor());
    font->SetOpacity(GetOpacity());
    if (fonts == nullptr)
        Walk(*this, true).plain(font, text_);
    else if (fonts->getBaseFont() != nullptr)
        Walk(*this, true).codes(fonts->getBaseFont());
    font->SetOpacity(255);
    for (auto& [member, colour] : colours) {
        if (member->getColor() != colour)
            member->setColor(colour);
    }
}

void CText6::redraw(CGraphicsObject* target)
{
    if (!isVisible())
        return;
    CGraphicsObject* destiny = GetDestiny();
    SetDestiny(target);
    Redraw();
    SetDestiny(destiny);
}

int CText6::getNumWords()
{
    return line_.count();
}

ht_Line* CText6::get_ht_lines_info(int line)
{
    return line == 0 ? &line_ : nullptr;
}

int CText6::getWordAtXY(CXPoint point)
{
    for (int i = 0; i < line_.count(); ++i) {
        const ht_Line::Word& word = line_.words[size_t(i)];
        if (word.left <= point.x && point.x <= word.right)
            return i;
    }
    return -1;
}

CXString CText6::getWordAt(int index)
{
    std::vector<CXString> words = wordTexts();
    return index >= 0 && index < int(words.size()) ? words[size_t(index)] : CXString();
}

CXPoint CText6::getWordPosition(int index)
{
    return line_.holds(index) ? CXPoint(line_.words[size_t(index)].left, -1) : CXPoint(-1, -1);
}

int CText6::getWordWidth(int index)
{
    return line_.holds(index) ? wrapSub(line_.words[size_t(index)].right, line_.words[size_t(index)].left) : 0;
}

int CText6::search(const CXString& word, int from)
{
    std::vector<CXString> words = wordTexts();
    for (int i = 0; i < int(words.size()); ++i) {
        int index = wrapAdd(line_.firstWord, i);
        if (index >= from && words[size_t(i)] == word)
            return index;
    }
    return -1;
}

void CText6::setWordColor(int index, int color)
{
    if (!line_.holds(index))
        return;
    line_.words[size_t(index)].color = color;
    Invalidate();
}
