#pragma once

// Block fonts for text tests (see blockFont): 2 columns of ink in the standard and italic fonts
// and 3 in the bold one, so a letter advances by its ink plus 2 and a blank by the ink of "l"
// plus 2. A drawn line reads back as a row of '#' and '.'.

#include "FontBytes.h"
#include "GraphicsTestSupport.h"
#include "script/GameFolder.h"

#include "graphics/CFontCollection.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace graphicstest {

// A text drawn onto this shows its letters as '#' (any colour but the background), '.' else.
struct TextTarget {
    static constexpr uint16_t kBackground = 0x0841;

    TextTarget(int width, int height) : picture(nullptr, CXSize(width, height), 16) { clear(); }
    void clear() { std::fill_n(pixelsOf(picture), picture.Width() * picture.Height(), kBackground); }
    uint16_t at(int x, int y) { return pixelsOf(picture)[y * picture.Width() + x]; }
    std::string row(int y)
    {
        std::string out;
        for (int x = 0; x < picture.Width(); ++x)
            out += at(x, y) == kBackground ? '.' : '#';
        return out;
    }

    CGraphicsObject picture;
};

// A row of `width` columns with ink over each [from, to) span.
inline std::string inkRow(int width, std::initializer_list<std::pair<int, int>> spans)
{
    std::string row(size_t(width), '.');
    for (auto [from, to] : spans)
        std::fill(row.begin() + from, row.begin() + to, '#');
    return row;
}

// The family "Block" at size 10 in three styles, gathered in a collection (standard first).
class TextFonts {
public:
    explicit TextFonts(int height = 3, int inkRows = 3)
    {
        plain = make(folder, "plain.fnt", blockFont(2, height, inkRows), "STANDARD");
        bold = make(folder, "bold.fnt", blockFont(3, height, inkRows), "BOLD");
        italic = make(folder, "italic.fnt", blockFont(2, height, inkRows), "ITALIC");
        for (CSimpleFont6* font : {plain.get(), bold.get(), italic.get()})
            fonts.addFont(font);
    }

    static std::unique_ptr<CSimpleFont6> make(GameFolder& folder, const std::string& name, const FontFile& file, const char* style)
    {
        Bytes bytes = file.bytes();
        folder.temp.write(name, std::string(bytes.begin(), bytes.end()));
        auto font = std::make_unique<CSimpleFont6>(nullptr, GameFolder::gamePath(name).c_str());
        font->setFamily("Block");
        font->setStyle(style);
        font->setSize(10);
        return font;
    }

    GameFolder folder;
    std::unique_ptr<CSimpleFont6> plain;
    std::unique_ptr<CSimpleFont6> bold;
    std::unique_ptr<CSimpleFont6> italic;
    CFontCollection fonts{nullptr};
};

} // namespace graphicstest
