#include "graphics/CAnimo.h"
#include "graphics/CColor.h"
#include "graphics/CFont5.h"
#include "graphics/CFontCollection.h"
#include "graphics/CFrame.h"
#include "graphics/CImageReader.h"
#include "graphics/CSimpleFont6.h"

#include "AnimoFixture.h"
#include "FontBytes.h"
#include "GraphicsTestSupport.h"
#include "script/GameFolder.h"

#include "foundation/CFile.h"
#include "foundation/CMElement.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace graphicstest;

namespace {

constexpr uint16_t kBackground = 0x0841;
constexpr uint16_t kInk = 0xF800;

// A 16-bit picture of one colour that letters are drawn onto.
struct Target {
    Target(int width, int height) : picture(nullptr, CXSize(width, height), 16)
    {
        std::fill_n(pixelsOf(picture), width * height, kBackground);
    }
    uint16_t at(int x, int y) { return pixelsOf(picture)[y * picture.Width() + x]; }
    // Every pixel as text rows: '#' the ink colour, '.' the background, '?' anything else.
    std::vector<std::string> rows()
    {
        std::vector<std::string> out;
        for (int y = 0; y < picture.Height(); ++y) {
            std::string row;
            for (int x = 0; x < picture.Width(); ++x)
                row += at(x, y) == kInk ? '#' : at(x, y) == kBackground ? '.' : '?';
            out.push_back(row);
        }
        return out;
    }

    CGraphicsObject picture;
};

// What the target shows when the letter's inked columns are drawn with their first column at x.
std::vector<std::string> expectedRows(const FontFile& file, int width, int height, char letter, int x, int y)
{
    std::vector<std::string> rows(size_t(height), std::string(size_t(width), '.'));
    for (const FontLetter& l : file.letters) {
        if (l.letter != letter)
            continue;
        for (int r = 0; r < file.height; ++r) {
            for (int c = l.left; c < file.cellWidth - l.right; ++c) {
                int tx = x + c - l.left, ty = y + r;
                if (tx >= 0 && ty >= 0 && tx < width && ty < height && l.rows[size_t(r)][size_t(c)] == '#')
                    rows[size_t(ty)][size_t(tx)] = '#';
            }
        }
    }
    return rows;
}

class FontTest : public ::testing::Test {
protected:
    CXString put(const std::string& name, const Bytes& bytes)
    {
        folder.temp.write(name, std::string(bytes.begin(), bytes.end()));
        return GameFolder::gamePath(name).c_str();
    }

    // A font loaded from the sample file, drawn in the ink colour.
    std::unique_ptr<CSimpleFont6> sample()
    {
        auto font = std::make_unique<CSimpleFont6>(nullptr, put("sample.fnt", file.bytes()));
        font->setColor(kInk);
        return font;
    }

    GameFolder folder;
    FontFile file = sampleFont();
};

} // namespace

TEST_F(FontTest, LettersDrawAndMeasureAtThePenWithKerning)
{
    struct Case {
        const char* name;
        char before;
        char letter;
        int advance;
        int width;
        int realWidth;
        // The letter whose ink shows, and where its first column lands (pen at 8).
        char shown;
        int inkAt;
    };
    const Case cases[] = {
        {"blank: the width of l", 0, ' ', 4, 2, 2, 0, 0},
        {"tilde", 0, '~', 3, 1, 1, 0, 0},
        {"letter not in the font", 0, 'x', 2, 0, 0, 0, 0},
        {"no letter", 0, 0, 2, 0, 0, 0, 0},
        {"first letter of a run: no kerning", 0, '<', 5, 3, 3, '<', 8},
        {"kerning pulls the letter left", '<', 'l', 3, 1, 2, 'l', 7},
        {"@ before stands for <", '@', 'l', 3, 1, 2, 'l', 7},
        {"negative kerning pushes it right", 'l', 'l', 6, 4, 2, 'l', 10},
        {"@ draws the < cell", 0, '@', 5, 3, 3, '<', 8},
        {"$ draws the > cell", 0, '$', 5, 3, 3, '>', 8},
        {"a Polish letter, unsigned", '>', '\xB3', 2, 0, 3, '\xB3', 5},
        {"before not in the font", 'x', 'l', 4, 2, 2, 'l', 8},
    };
    auto font = sample();
    for (const Case& c : cases) {
        Target target(24, 9);
        font->SetDestiny(&target.picture);
        EXPECT_EQ(font->drawLetter(8, 2, c.before, c.letter), c.advance) << c.name;
        EXPECT_EQ(font->getLetterWidth(c.before, c.letter), c.width) << c.name;
        EXPECT_EQ(font->getRealLetterWidth(c.letter), c.realWidth) << c.name;
        EXPECT_EQ(target.rows(), expectedRows(file, 24, 9, c.shown, c.inkAt, 2)) << c.name;
    }
}

TEST_F(FontTest, ClippingRectangleCutsEachLetterExactlyAndStays)
{
    auto font = sample();
    // In the letter's own inked columns: its first column, rows 1 to 3. Of those only row 2 is
    // ink; the next column has ink in rows 1 and 3, which must stay out.
    font->SetClippingRect('<', CXRect(0, 1, 1, 4));
    CXRect set = font->GetClippingRect();
    Target target(12, 7);
    font->SetDestiny(&target.picture);
    font->drawLetter(4, 1, 0, '<');
    std::vector<std::string> expected(7, std::string(12, '.'));
    expected[3][4] = '#';
    EXPECT_EQ(target.rows(), expected);
    EXPECT_EQ(font->GetClippingRect(), set);
}

TEST_F(FontTest, LettersAtTheTargetsEdgesStayInside)
{
    auto font = sample();
    for (CXPoint at : {CXPoint(-2, 1), CXPoint(6, -3), CXPoint(7, 4), CXPoint(-40, -40), CXPoint(500, 2)}) {
        Target target(8, 6);
        font->SetDestiny(&target.picture);
        font->drawLetter(at.x, at.y, 0, '\xB3');
        EXPECT_EQ(target.rows(), expectedRows(file, 8, 6, '\xB3', at.x, at.y)) << at.x << "," << at.y;
    }
}

TEST_F(FontTest, SetColorPaintsEveryLetterAndLoadingGivesTheFilesColours)
{
    auto font = std::make_unique<CSimpleFont6>(nullptr, put("sample.fnt", file.bytes()));
    Target target(12, 7);
    font->SetDestiny(&target.picture);
    font->drawLetter(2, 1, 0, 'l');
    EXPECT_EQ(target.at(2, 1), FontFile::cellColour(2));
    font->setColor(0x07E0);
    font->drawLetter(2, 1, 0, '>');
    EXPECT_EQ(target.at(2, 1), 0x07E0);
    EXPECT_EQ(font->getColor(), 0x07E0);
    EXPECT_EQ(font->getDefColor(), 0xFFFF);
    font->setColor(0);
    EXPECT_EQ(font->GetPixel(0, 0).getPixel() & 0xFFFF, 0);
}

TEST_F(FontTest, FilesThatAreNotWholeFontsLeaveNoLetters)
{
    Bytes good = file.bytes();
    std::map<std::string, Bytes> cases;
    FontFile magic = file;
    magic.magic = std::string("FNX", 4);
    cases["magic"] = magic.bytes();
    FontFile wide = file;
    wide.bpp = 24;
    cases["24 bits"] = wide.bytes();
    Bytes noLetters = good;
    noLetters[16] = 0;
    cases["no letters"] = noLetters;
    Bytes negative = good;
    negative[19] = 0x80;
    cases["negative count"] = negative;
    Bytes narrow = good;
    narrow[4] = 3;
    cases["narrower than its letters"] = narrow;
    // Every section cut short: head, letters, kerning, margins, colour plane, alpha plane.
    for (size_t cut : {size_t(10), size_t(22), size_t(30), size_t(42), size_t(100), good.size() - 1})
        cases["cut at " + std::to_string(cut)] = Bytes(good.begin(), good.begin() + long(cut));
    for (const auto& [name, bytes] : cases) {
        CSimpleFont6 font(nullptr);
        EXPECT_EQ(font.Load(put("bad.fnt", bytes)), CImageReader::DAMAGED) << name;
        EXPECT_EQ(font.getLetterCount(), 0) << name;
        EXPECT_EQ(font.getLetterWidth(0, 'l'), 0) << name;
        EXPECT_EQ(font.drawLetter(0, 0, 0, 'l'), 2) << name;
        EXPECT_EQ(font.Load(put("good.fnt", good)), 0) << name << ": a good file loads after it";
    }
    CSimpleFont6 missing(nullptr, "T:\\missing.fnt");
    EXPECT_EQ(missing.LastError(), CFile::NOT_FOUND);
    EXPECT_EQ(missing.getRealLetterWidth('<'), 0);
}

TEST_F(FontTest, DefinitionElementGivesFileFamilyStyleAndSize)
{
    CXString path = put("sample.fnt", file.bytes());
    CMElement element("FONT");
    element.addProperty("FILENAME", path);
    element.addProperty("FAMILY", "ARIAL");
    element.addProperty("STYLE", "BOLD");
    element.addProperty("SIZE", "12");
    CSimpleFont6 font(nullptr, &element);
    EXPECT_EQ(font.getLetterCount(), 4);
    EXPECT_EQ(font.getFamily(), "ARIAL");
    EXPECT_EQ(font.getStyle(), "BOLD");
    EXPECT_EQ(font.getSize(), 12);
}

TEST_F(FontTest, CollectionChoosesByFamilyStyleSizeAndDrawsWithItsBaseFont)
{
    CFontCollection empty(nullptr);
    EXPECT_TRUE(empty.isMultifont());
    EXPECT_EQ(empty.Height(), 0);
    EXPECT_EQ(empty.getLetterWidth(0, 'l'), 0);
    EXPECT_EQ(empty.drawLetter(0, 0, 0, 'l'), 0);

    auto plain = sample();
    auto bold = sample();
    plain->setFamily("Arial");
    plain->setStyle("STANDARD");
    plain->setSize(12);
    bold->setFamily("Arial");
    bold->setStyle("BOLD");
    bold->setSize(12);
    CFontCollection fonts(nullptr);
    fonts.addFont(plain.get());
    fonts.addFont(bold.get());
    fonts.addFont(plain.get());
    EXPECT_EQ(fonts.getFontCount(), 2);
    EXPECT_EQ(fonts.getBaseFont(), plain.get());
    EXPECT_EQ(fonts.get("ARIAL", "bold", 12), bold.get());
    EXPECT_EQ(fonts.get("arial", "Standard", 12), plain.get());
    EXPECT_EQ(fonts.get("Arial", "BOLD", 14), nullptr);
    EXPECT_EQ(fonts.Height(), 5);
    EXPECT_EQ(fonts.getLetterWidth('<', 'l'), 1);

    fonts.setColor(0x001F);
    EXPECT_EQ(plain->getColor(), 0x001F);
    EXPECT_EQ(bold->getColor(), 0x001F);
    fonts.SetOpacity(100);
    EXPECT_EQ(bold->GetOpacity(), 100);
    fonts.SetOpacity(255);

    Target target(12, 7);
    fonts.SetDestiny(&target.picture);
    EXPECT_EQ(fonts.drawLetter(3, 1, 0, 'l'), 4);
    EXPECT_EQ(target.at(3, 1), 0x001F);
}

namespace {

// Frames of 6 x 5 (the outer border is cleared when the font is made), each with a name.
struct LetterFrame {
    char letter;
    std::vector<std::string> rows;
};

CFrame* frameOf(const LetterFrame& art, uint16_t colour)
{
    CFrame* frame = animotest::solidFrame(6, 5, colour);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x)
            frame->GetChannelAlpha()[y * 6 + x] = art.rows[size_t(y)][size_t(x)] == '#' ? 255 : 0;
    }
    return frame;
}

} // namespace

TEST_F(FontTest, CreateBuildsTheFontFileFromALetterAnimation)
{
    // The border of each frame is ink too, so only what lies inside must survive.
    const std::vector<LetterFrame> arts = {
        {'l', {"######", "#.#..#", "#.#..#", "#.#..#", "######"}},
        {'o', {"#.....", ".###..", ".#.#..", ".###..", "......"}},
        {'-', {"......", "......", "..##..", "......", "......"}},
        {' ', {"......", "......", "......", "......", "......"}},
    };
    CAnimo animo(nullptr);
    _annEventInfo3 event = animotest::event("letters", {0, 1, 2, 3});
    animo.AddEvent(event);
    for (size_t f = 0; f < arts.size(); ++f) {
        animo.appendFrame(frameOf(arts[f], uint16_t(0x0100 * (f + 1))));
        animo.GetFrameInfo(0, int(f))->name = CXString(std::string(1, arts[f].letter).c_str());
    }
    CXString animation = GameFolder::gamePath("letters.ann").c_str();
    animo.Save(animation, COMPRESSION_NONE);

    CSimpleFont6 font(nullptr);
    CXString made = GameFolder::gamePath("letters.fnt").c_str();
    font.create(animation, made);

    // Margins: l inks column 2, o columns 1-3, - columns 2-3, the blank cell nothing.
    FontFile expected;
    expected.cellWidth = 6;
    expected.height = 5;
    expected.letters = {
        {'l', {"......", "..#...", "..#...", "..#...", "......"}, 2, 3},
        {'o', {"......", ".###..", ".#.#..", ".###..", "......"}, 1, 2},
        {'-', {"......", "......", "..##..", "......", "......"}, 2, 2},
        {' ', {"......", "......", "......", "......", "......"}, 6, 0},
    };
    // Worked by hand from the last inked column of the letter before against the first of the
    // next: rows meeting in one column give 1; ink above or below the other's ink one more
    // column free; nothing met at all, 1 less the columns scanned.
    expected.kerning = {
        {{'l', 'l'}, 1},  {{'l', 'o'}, 1},  {{'l', '-'}, 1},  {{'l', ' '}, 0},
        {{'o', 'l'}, 1},  {{'o', 'o'}, 1},  {{'o', '-'}, 1},  {{'o', ' '}, -2},
        {{'-', 'l'}, 1},  {{'-', 'o'}, 1},  {{'-', '-'}, 1},  {{'-', ' '}, -1},
        {{' ', 'l'}, 1},  {{' ', 'o'}, 1},  {{' ', '-'}, 1},  {{' ', ' '}, 1},
    };
    Bytes bytes = expected.bytes();
    std::string written = folder.temp.read("letters.fnt");
    ASSERT_EQ(written.size(), bytes.size());
    // Head, letters and tables as worked out; the planes as the frames gave them.
    size_t tables = 20 + 4 + 16 + 8;
    EXPECT_EQ(Bytes(written.begin(), written.begin() + long(tables)), Bytes(bytes.begin(), bytes.begin() + long(tables)));
    CSimpleFont6 reloaded(nullptr, made);
    EXPECT_EQ(reloaded.LastError(), 0);
    EXPECT_EQ(reloaded.getLetterCount(), 4);
    for (int cell = 0; cell < 4; ++cell) {
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 6; ++x) {
                int at = y * 24 + cell * 6 + x;
                EXPECT_EQ(reloaded.GetChannelAlpha()[at], FontFile::alphaOf(expected.letters[size_t(cell)].rows[size_t(y)][size_t(x)]));
            }
        }
    }
    EXPECT_EQ(font.getKerning('o', ' '), -2);
    EXPECT_EQ(font.getLetterWidth(0, 'o'), 3);
}

TEST_F(FontTest, AnimationFontDrawsFramesAsLetters)
{
    CAnimo animo(nullptr);
    animo.AddEvent(animotest::event("letters", {0, 1, 2}));
    const char* names[] = {"A", "B", ""};
    const int widths[] = {3, 2, 4};
    for (int f = 0; f < 3; ++f) {
        animo.appendFrame(animotest::solidFrame(widths[f], 4, uint16_t(0x0101 * (f + 1))));
        animo.GetFrameInfo(0, f)->name = names[f];
    }
    CXString file = GameFolder::gamePath("old.ann").c_str();
    animo.Save(file, COMPRESSION_NONE);

    CFont5 font(nullptr, file);
    EXPECT_EQ(font.getLetterSize('A').cx, 3);
    EXPECT_EQ(font.getLetterSize('A').cy, 4);
    EXPECT_EQ(font.getLetterWidth('B'), 2);
    EXPECT_EQ(font.getLetterHeight('C'), 0);
    EXPECT_EQ(font.getLetterWidth(0), 0) << "a frame without a name is no letter";
    EXPECT_EQ(font.getAlphabetHeight(), 4);
    EXPECT_EQ(font.getLengthInPixels("AB A", 1), 4 + 3 + 3 + 4);

    Target target(12, 8);
    font.setDestiny(&target.picture);
    EXPECT_EQ(font.drawLetter(CXPoint(5, 2), 'A'), 3);
    EXPECT_EQ(font.drawLetter(0, 0, 'C'), 0);
    // The frame's corners are cleared; the rest is its colour.
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 12; ++x) {
            bool inside = x >= 5 && x < 8 && y >= 2 && y < 6;
            bool corner = (x == 5 || x == 7) && (y == 2 || y == 5);
            EXPECT_EQ(target.at(x, y), inside && !corner ? 0x0101 : kBackground) << x << "," << y;
        }
    }
    CFont5 missing(nullptr);
    EXPECT_FALSE(missing.load("T:\\missing.ann"));
    EXPECT_EQ(missing.drawLetter(0, 0, 'A'), 0);
}
