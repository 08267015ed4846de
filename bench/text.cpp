// A paragraph of 2,000 letters in two styles (standard and bold, switched every few words) drawn
// by a multi-line text onto an 800 × 600 16-bit target, beside pixman compositing the same letter
// cells at the same places: one a8 glyph per letter and style in a glyph cache, OVER the r5g6b5
// target with a solid white source (pixman_composite_glyphs with an a8 mask).
//
// The engine runs twice, with fonts of 40 and of 250 cells: the letters drawn are the same, only
// the strips are wider, and a letter's cost should follow its own area. The fonts already have
// the text's colour, as a FONT object's SETCOLOR gives them, so no strip is refilled.
#include "bench/RatioReporter.h"
#include "foundation/CByteWriter.h"
#include "graphics/CFontCollection.h"
#include "graphics/CMultilineText6.h"

#include <benchmark/benchmark.h>
#include <pixman.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kFontHeight = 16;
constexpr int kLetters = 2000;
constexpr uint16_t kWhite = 0xFFFF;
const std::string kAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN";

// One cell's antialiased letter: a stem and a bar of `stroke` pixels, soft at their edges,
// placed by the letter so every letter differs. The ink spans columns 1 to width - 2.
std::vector<uint8_t> glyph(int width, int stroke, int seed)
{
    std::vector<uint8_t> alpha(size_t(width) * kFontHeight, 0);
    double stem = 1.5 + seed % (width - 3);
    double bar = 3.0 + seed * 7 % (kFontHeight - 6);
    for (int y = 2; y < kFontHeight - 2; ++y) {
        for (int x = 1; x < width - 1; ++x) {
            double d = std::min(std::fabs(x - stem), std::fabs(y - bar));
            double a = std::clamp((stroke / 2.0 - d + 0.5) * 255.0, 0.0, 255.0);
            alpha[size_t(y) * width + x] = uint8_t(a);
        }
    }
    return alpha;
}

struct FontBytes {
    int cellWidth;
    int cells;
    std::vector<uint8_t> letters;
    std::vector<std::vector<uint8_t>> glyphs;

    std::vector<uint8_t> bytes() const
    {
        CByteWriter out;
        out.bytes("FNT", 4);
        out.i32(cellWidth * cells);
        out.i32(kFontHeight);
        out.i32(16);
        out.i32(cells);
        out.bytes(letters.data(), letters.size());
        out.zeros(size_t(cells) * cells);
        for (int i = 0; i < cells; ++i)
            out.u8(1);
        for (int i = 0; i < cells; ++i)
            out.u8(1);
        for (int i = 0; i < cells * cellWidth * kFontHeight; ++i)
            out.u16(kWhite);
        for (int y = 0; y < kFontHeight; ++y) {
            for (int c = 0; c < cells; ++c)
                out.bytes(glyphs[size_t(c)].data() + size_t(y) * cellWidth, size_t(cellWidth));
        }
        return out.data();
    }
};

// The alphabet's letters first, then filler cells that the text never uses.
FontBytes fontBytes(int cells, int cellWidth, int stroke)
{
    FontBytes font{cellWidth, cells, {}, {}};
    for (int c = 0; c < cells; ++c) {
        font.letters.push_back(c < int(kAlphabet.size()) ? uint8_t(kAlphabet[size_t(c)]) : uint8_t(0xC0 + c % 60));
        font.glyphs.push_back(glyph(cellWidth, stroke, c));
    }
    return font;
}

// Words of 3 to 8 letters; every fourth to sixth word toggles bold.
std::string paragraph()
{
    std::mt19937 random(32);
    std::string text;
    int letters = 0;
    int word = 0;
    while (letters < kLetters) {
        if (word++ % 5 == 4)
            text += "<B>";
        int length = 3 + int(random() % 6);
        for (int i = 0; i < length && letters < kLetters; ++i, ++letters)
            text += kAlphabet[random() % kAlphabet.size()];
        text += ' ';
    }
    return text;
}

// A font that notes every letter it draws: where its ink starts and which cell it is.
class NotingFont : public CSimpleFont6 {
public:
    struct Drawn {
        int x;
        int y;
        bool bold;
        char letter;
    };

    NotingFont(bool bold, std::vector<Drawn>* notes) : CSimpleFont6(nullptr), bold_(bold), notes_(notes) {}

    int drawLetter(int x, int y, char before, char letter) override
    {
        if (notes_ != nullptr && letter != ' ')
            notes_->push_back({x, y, bold_, letter});
        return CSimpleFont6::drawLetter(x, y, before, letter);
    }

private:
    bool bold_;
    std::vector<Drawn>* notes_;
};

// Standard and bold fonts of `cells` cells in a collection, and the paragraph laid out in them.
struct Paragraph {
    explicit Paragraph(int cells, std::vector<NotingFont::Drawn>* notes = nullptr)
        : plain(false, notes), bold(true, notes), target(nullptr, CXSize(kWidth, kHeight), 16), text(nullptr, false, nullptr)
    {
        std::vector<uint8_t> plainBytes = fontBytes(cells, 12, 2).bytes();
        std::vector<uint8_t> boldBytes = fontBytes(cells, 14, 4).bytes();
        plain.read(plainBytes.data(), plainBytes.size());
        bold.read(boldBytes.data(), boldBytes.size());
        plain.setFamily("Bench");
        plain.setStyle("STANDARD");
        bold.setFamily("Bench");
        bold.setStyle("BOLD");
        fonts.addFont(&plain);
        fonts.addFont(&bold);
        fonts.setColor(kWhite);
        std::fill_n(reinterpret_cast<uint16_t*>(target.GetDataPtr()), kWidth * kHeight, uint16_t(0x1082));
        text.setJustify(CXRect(0, 0, kWidth, kHeight), JUSTIFY_LEFT, JUSTIFY_TOP);
        text.setFont(&fonts);
        text.setText(paragraph().c_str());
        text.SetDestiny(&target);
    }

    NotingFont plain;
    NotingFont bold;
    CFontCollection fonts{nullptr};
    CGraphicsObject target;
    CMultilineText6 text;
};

void paragraphOurs(benchmark::State& state)
{
    Paragraph paragraph(int(state.range(0)));
    for (auto _ : state) {
        paragraph.text.Redraw();
        benchmark::DoNotOptimize(paragraph.target.GetDataPtr());
    }
}

// The same letters at the same places, from the engine's own layout.
void paragraphPixman(benchmark::State& state)
{
    std::vector<NotingFont::Drawn> drawn;
    {
        Paragraph layout(40, &drawn);
        layout.text.Redraw();
    }
    std::vector<uint16_t> pixels(kWidth * kHeight, 0x1082);
    pixman_image_t* target = pixman_image_create_bits(PIXMAN_r5g6b5, kWidth, kHeight, reinterpret_cast<uint32_t*>(pixels.data()), kWidth * 2);
    pixman_color_t white = {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
    pixman_image_t* source = pixman_image_create_solid_fill(&white);
    pixman_glyph_cache_t* cache = pixman_glyph_cache_create();
    std::map<std::pair<bool, char>, const void*> glyphs;
    std::vector<std::vector<uint8_t>> inks;
    pixman_glyph_cache_freeze(cache);
    for (bool bold : {false, true}) {
        FontBytes font = fontBytes(40, bold ? 14 : 12, bold ? 4 : 2);
        int ink = font.cellWidth - 2;
        // pixman wants rows of a multiple of 4 bytes.
        int stride = (ink + 3) & ~3;
        for (int c = 0; c < int(kAlphabet.size()); ++c) {
            inks.emplace_back(size_t(stride) * kFontHeight, 0);
            for (int y = 0; y < kFontHeight; ++y)
                std::copy_n(font.glyphs[size_t(c)].data() + size_t(y) * font.cellWidth + 1, ink, inks.back().data() + size_t(y) * stride);
            pixman_image_t* image = pixman_image_create_bits(PIXMAN_a8, ink, kFontHeight, reinterpret_cast<uint32_t*>(inks.back().data()), stride);
            auto* fontKey = reinterpret_cast<void*>(uintptr_t(bold ? 2 : 1));
            auto* glyphKey = reinterpret_cast<void*>(uintptr_t(uint8_t(kAlphabet[size_t(c)])));
            glyphs[{bold, kAlphabet[size_t(c)]}] = pixman_glyph_cache_insert(cache, fontKey, glyphKey, 0, 0, image);
            pixman_image_unref(image);
        }
    }
    pixman_glyph_cache_thaw(cache);
    std::vector<pixman_glyph_t> placed;
    for (const NotingFont::Drawn& d : drawn)
        placed.push_back({d.x, d.y, glyphs[{d.bold, d.letter}]});
    for (auto _ : state) {
        pixman_composite_glyphs(PIXMAN_OP_OVER, source, target, PIXMAN_a8, 0, 0, 0, 0, 0, 0, kWidth, kHeight, cache, int(placed.size()),
                                placed.data());
        benchmark::DoNotOptimize(pixels.data());
    }
    state.counters["letters"] = double(placed.size());
    pixman_glyph_cache_destroy(cache);
    pixman_image_unref(source);
    pixman_image_unref(target);
}

BENCHMARK(paragraphOurs)->Name("paragraph/engine")->Arg(40)->Arg(250);
BENCHMARK(paragraphPixman)->Name("paragraph/pixman");

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        double forty = reporter.ratio("paragraph/engine/40", "paragraph/pixman");
        double wide = reporter.ratio("paragraph/engine/250", "paragraph/pixman");
        if (forty > 0.0 && wide > 0.0) {
            std::printf("\nTime ratios of one paragraph (below 1: the engine is faster):\n");
            std::printf("engine (40 cells) / pixman = %.2f, engine (250 cells) / pixman = %.2f, 250 / 40 cells = %.2f\n", forty, wide,
                        reporter.ratio("paragraph/engine/250", "paragraph/engine/40"));
        }
    });
}
