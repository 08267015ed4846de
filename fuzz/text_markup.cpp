// Hostile texts with mark-up: the first byte chooses the rectangle's width, the justification
// and whether a unit takes edit boxes; the rest is the text. It is parsed, split into lines,
// drawn whole and clipped, recoloured, moved, and asked about every word and beyond.
#include "graphics/CEditBoxUnit.h"
#include "graphics/CFontCollection.h"
#include "graphics/CMultilineText6.h"
#include "tests/graphics/FontBytes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

struct Fonts {
    Fonts()
    {
        const char* styles[] = {"STANDARD", "BOLD", "ITALIC", "UNDERLINE"};
        for (int i = 0; i < 4; ++i) {
            graphicstest::Bytes bytes = graphicstest::blockFont(2 + i % 2, 8 + i, 5).bytes();
            fonts[i] = std::make_unique<CSimpleFont6>(nullptr);
            fonts[i]->read(bytes.data(), bytes.size());
            fonts[i]->setFamily("Block");
            fonts[i]->setStyle(styles[i]);
            collection.addFont(fonts[i].get());
        }
    }

    std::unique_ptr<CSimpleFont6> fonts[4];
    CFontCollection collection{nullptr};
};

// Boxes are only counted; each must come back once.
struct CountingUnit : CEditBoxUnit {
    CEditBox6* addEditBox(CSimpleFont6*, CXRect, int, const CXString&) override { return reinterpret_cast<CEditBox6*>(++made); }
    void releaseEditBox(CEditBox6*) override { ++released; }
    void activateEditBox(CEditBox6*) override {}
    CScreenUnit* getScreenUnit() override { return nullptr; }
    intptr_t made = 0;
    intptr_t released = 0;
};

void askEveryWord(CText6& text)
{
    int count = text.getNumWords();
    for (int i = -2; i < count + 2; ++i) {
        CXString word = text.getWordAt(i);
        text.getWordPosition(i);
        text.getWordWidth(i);
        text.setWordColor(i, i % 2 == 0 ? 0x1234 : ht_Line::NO_COLOR);
        text.search(word, i);
    }
    for (int y = -4; y < 48; y += 3) {
        for (int x = -4; x < 64; x += 5)
            text.getWordAtXY(CXPoint(x, y));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Fonts fonts;
    if (size == 0)
        return 0;
    std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    bytes.erase(std::remove(bytes.begin(), bytes.end(), '\0'), bytes.end());
    int choice = data[0];
    CountingUnit unit;
    CGraphicsObject target(nullptr, CXSize(64, 48), 16);
    std::fill_n(target.GetDataPtr(), 64 * 48 * 2, uint8_t(0));
    {
        CMultilineText6 block(nullptr, false, choice & 1 ? &unit : nullptr);
        block.setJustify(CXRect(2, 3, 2 + (choice >> 2) * 2, 40), _justify(choice % 5), _justify(choice % 3 + 2));
        block.setFont(&fonts.collection);
        block.setText(bytes.c_str());
        block.SetDestiny(&target);
        block.Redraw();
        block.SetClippingRect(CXRect(3, 2, 30, 17));
        block.Redraw();
        askEveryWord(block);
        block.setColor(choice);
        block.Move(-3, 5);
        block.Redraw();
        askEveryWord(block);
        block.setFont(fonts.fonts[1].get());
        block.Redraw();
    }
    if (unit.made != unit.released)
        std::abort();
    CText6 line(nullptr, false, nullptr);
    line.setFont(&fonts.collection);
    line.setText(bytes.c_str());
    line.SetDestiny(&target);
    line.SetClippingRect(CXRect(1, 0, 40, 6));
    line.Redraw();
    askEveryWord(line);
    return 0;
}
