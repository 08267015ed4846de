#include "GraphicsTestSupport.h"
#include "graphics/CColor.h"
#include "graphics/CGraphicsObject.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <queue>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace graphicstest;

namespace {

using Pixels = std::vector<uint16_t>;

std::unique_ptr<CGraphicsObject> pictureOf(int width, int height, int bpp, const Pixels& pixels, const std::vector<uint8_t>& alpha = {})
{
    auto picture = std::make_unique<CGraphicsObject>(nullptr, CXSize(width, height), bpp);
    std::copy(pixels.begin(), pixels.end(), pixelsOf(*picture));
    if (!alpha.empty()) {
        picture->AlphaChannel() = new uint8_t[alpha.size()];
        std::copy(alpha.begin(), alpha.end(), picture->AlphaChannel());
    }
    return picture;
}

Pixels pixelsIn(CGraphicsObject& picture)
{
    return Pixels(pixelsOf(picture), pixelsOf(picture) + picture.Width() * picture.Height());
}

std::vector<uint8_t> alphaIn(CGraphicsObject& picture)
{
    return std::vector<uint8_t>(picture.GetChannelAlpha(), picture.GetChannelAlpha() + picture.Width() * picture.Height());
}

// 1, 2, 3 ... row after row.
Pixels counting(int count)
{
    Pixels pixels;
    for (int i = 1; i <= count; ++i)
        pixels.push_back(uint16_t(i));
    return pixels;
}

TEST(PixelOperations, EachOperationGivesItsPixels)
{
    CColor white(255, 255, 255);
    const struct {
        const char* what;
        int width, height, bpp;
        Pixels before;
        std::function<void(CGraphicsObject&)> operation;
        int widthAfter, heightAfter;
        Pixels after;
    } cases[] = {
        {"fill with white", 2, 2, 16, {1, 2, 3, 4}, [&](CGraphicsObject& p) { p.Fill(&white); }, 2, 2, {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}},
        {"fill a rectangle beyond the picture", 3, 2, 16, counting(6), [&](CGraphicsObject& p) { p.Fill(CXRect(1, -5, 9, 1), &white); }, 3, 2,
         {1, 0xFFFF, 0xFFFF, 4, 5, 6}},
        {"grey of pure red, 16 bits", 1, 1, 16, {0xF800}, [](CGraphicsObject& p) { p.ToGrayScale(); }, 1, 1, {21130}},
        {"grey, 15 bits", 2, 1, 15, {0x7C00, 0x7FFF}, [](CGraphicsObject& p) { p.ToGrayScale(); }, 2, 1, {10 * 1057, 0x7FFF}},
        {"invert 15-bit black", 2, 2, 15, {0, 0, 0, 0}, [](CGraphicsObject& p) { p.InvertColors(); }, 2, 2, {0x7FFF, 0x7FFF, 0x7FFF, 0x7FFF}},
        {"invert drops bit 15", 2, 1, 15, {0x8000 | 0x7C00, 0x001F}, [](CGraphicsObject& p) { p.InvertColors(); }, 2, 1, {0x03FF, 0x7FE0}},
        {"invert leaves 16 bits alone", 1, 1, 16, {0x1234}, [](CGraphicsObject& p) { p.InvertColors(); }, 1, 1, {0x1234}},
        {"scale 5 x 5 by a half", 5, 5, 16, counting(25), [](CGraphicsObject& p) { p.Scale(0.5, 0.5); }, 2, 2, {1, 3, 11, 13}},
        {"scale 2 x 1 by 1.5 and 3", 2, 1, 16, {7, 9}, [](CGraphicsObject& p) { p.Scale(1.5, 3); }, 3, 3, {7, 7, 9, 7, 7, 9, 7, 7, 9}},
        {"scale by 0 changes nothing", 2, 1, 16, {7, 9}, [](CGraphicsObject& p) { p.Scale(0, 1); }, 2, 1, {7, 9}},
        {"halve 5 x 3", 5, 3, 16, counting(15), [](CGraphicsObject& p) { p.Scale2x(); }, 2, 1, {1, 3}},
        {"outline 1 wide", 4, 3, 16, Pixels(12, 0), [](CGraphicsObject& p) { p.outline(5, 1); }, 4, 3, {5, 5, 5, 5, 5, 0, 0, 5, 5, 5, 5, 5}},
        {"outline thicker than the picture", 3, 2, 16, Pixels(6, 0), [](CGraphicsObject& p) { p.outline(5, 7); }, 3, 2, Pixels(6, 5)},
    };
    for (const auto& c : cases) {
        auto picture = pictureOf(c.width, c.height, c.bpp, c.before);
        c.operation(*picture);
        ASSERT_EQ(picture->Width(), c.widthAfter) << c.what;
        ASSERT_EQ(picture->Height(), c.heightAfter) << c.what;
        EXPECT_EQ(picture->GetPitch(), c.widthAfter) << c.what;
        EXPECT_EQ(pixelsIn(*picture), c.after) << c.what;
    }
}

TEST(PixelOperations, ScalingAndOutliningTakeTheAlphaPlaneAlong)
{
    auto picture = pictureOf(4, 2, 16, counting(8), {1, 2, 3, 4, 5, 6, 7, 8});
    picture->Scale(0.5, 1);
    EXPECT_EQ(alphaIn(*picture), (std::vector<uint8_t>{1, 3, 5, 7}));
    EXPECT_EQ(picture->GetChannelSize(3), 4);
    picture->Scale2x();
    EXPECT_EQ(alphaIn(*picture), (std::vector<uint8_t>{1}));
    auto framed = pictureOf(3, 3, 16, Pixels(9, 0), std::vector<uint8_t>(9, 0));
    framed->outline(1, 1);
    EXPECT_EQ(alphaIn(*framed), (std::vector<uint8_t>{255, 255, 255, 255, 0, 255, 255, 255, 255}));
}

TEST(PixelOperations, FitRectAndFitObjectCentre)
{
    auto picture = pictureOf(20, 10, 16, Pixels(200, 0));
    picture->FitRect(CXRect(0, 0, 100, 50));
    EXPECT_EQ(picture->GetPosition(), CXPoint(40, 20));
    picture->setAnchor(3, 3);
    picture->FitRect(CXRect(10, 10, 31, 21));
    EXPECT_EQ(picture->GetPosition(), CXPoint(10, 10)) << "centred whatever the anchor; odd leftovers go down";
    auto frame = pictureOf(30, 30, 16, Pixels(900, 0));
    frame->SetPosition(100, 200);
    picture->FitObject(frame.get());
    EXPECT_EQ(picture->GetPosition(), CXPoint(105, 210));
}

// A plane of 0 (walls) and 1 (region) from rows of '#' and '.'.
struct Maze {
    explicit Maze(std::vector<std::string> rows) : width(int(rows[0].size())), height(int(rows.size()))
    {
        for (const std::string& row : rows) {
            for (char c : row)
                pixels.push_back(c == '.' ? 1 : 0);
        }
    }

    // The pixels 4-connected to the seed through non-zero ones.
    std::set<std::pair<int, int>> regionFrom(int x, int y) const
    {
        std::set<std::pair<int, int>> found;
        std::queue<std::pair<int, int>> next;
        next.push({x, y});
        while (!next.empty()) {
            auto [px, py] = next.front();
            next.pop();
            if (px < 0 || py < 0 || px >= width || py >= height || pixels[size_t(py * width + px)] == 0 || !found.insert({px, py}).second)
                continue;
            next.push({px - 1, py});
            next.push({px + 1, py});
            next.push({px, py - 1});
            next.push({px, py + 1});
        }
        return found;
    }

    int width;
    int height;
    Pixels pixels;
};

// Every pixel the spans cover, failing on a pixel covered twice.
std::set<std::pair<int, int>> covered(const _floodfill* spans, int count)
{
    std::set<std::pair<int, int>> pixels;
    for (int i = 0; i < count; ++i) {
        for (int x = spans[i].left; x < spans[i].left + spans[i].length; ++x)
            EXPECT_TRUE(pixels.insert({x, spans[i].row}).second) << "pixel " << x << "," << spans[i].row << " twice";
    }
    return pixels;
}

TEST(PixelOperations, FloodFillRecordsTheRegionTurningBackRoundWallsAndRefillsIt)
{
    // From the seed the fill goes down the left arm, along the bottom and must turn back up the
    // right arm and into the pocket above the middle wall.
    const Maze maze({
        ".#...#.",
        ".#.#.#.",
        ".#.#...",
        ".......",
        "####.##",
        "...#...",
    });
    auto picture = pictureOf(maze.width, maze.height, 16, maze.pixels);
    Pixels mark(maze.pixels.size(), 0);
    _floodfill spans[64];
    CColor red(255, 0, 0);
    CXRect box = picture->PrepareFloodFill(CXPoint(0, 0), red, reinterpret_cast<char*>(mark.data()), spans, 64);
    std::set<std::pair<int, int>> region = maze.regionFrom(0, 0);
    EXPECT_EQ(covered(spans, picture->getFFCount()), region);
    EXPECT_EQ(box, CXRect(0, 0, 7, 5)) << "right edge past the widest span, bottom the last row";
    for (int y = 0; y < maze.height; ++y) {
        for (int x = 0; x < maze.width; ++x)
            EXPECT_EQ(mark[size_t(y * maze.width + x)], region.count({x, y}) ? 0xF800 : 0) << x << "," << y;
    }
    EXPECT_EQ(picture->getFFArray(), spans);

    Pixels canvas(maze.pixels.size(), 7);
    int spanCount = picture->getFFCount();
    EXPECT_EQ(picture->FloodFill(CColor(0, 0, 255), reinterpret_cast<char*>(canvas.data())), spanCount);
    for (int y = 0; y < maze.height; ++y) {
        for (int x = 0; x < maze.width; ++x)
            EXPECT_EQ(canvas[size_t(y * maze.width + x)], region.count({x, y}) ? 0x001F : 7) << x << "," << y;
    }

    box = picture->PrepareFloodFill(CXPoint(0, 0), red, reinterpret_cast<char*>(mark.data()), spans, 64);
    ASSERT_EQ(picture->getFFCount(), 1) << "a marked region gives the seed's span only";
    EXPECT_EQ((std::vector<int>{spans[0].left, spans[0].row, spans[0].length}), (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(box, CXRect(0, 0, 1, 0));
}

TEST(PixelOperations, FloodFillMatchesABreadthFirstSearchOnRandomPictures)
{
    std::mt19937 random(37);
    for (int round = 0; round < 40; ++round) {
        int width = 1 + int(random() % 40), height = 1 + int(random() % 30);
        Pixels pixels(size_t(width * height));
        for (uint16_t& p : pixels)
            p = random() % 3 == 0 ? 0 : uint16_t(1 + random() % 50);
        Maze maze({std::string(size_t(width), '.')});
        maze.height = height;
        maze.pixels = pixels;
        auto picture = pictureOf(width, height, 16, pixels);
        Pixels mark(pixels.size(), 0);
        // A seed outside the picture starts at its nearest pixel.
        int x = int(random() % (width + 4)) - 2, y = int(random() % (height + 4)) - 2;
        std::vector<_floodfill> spans(size_t(width * height));
        picture->PrepareFloodFill(CXPoint(x, y), CColor(0, 255, 0), reinterpret_cast<char*>(mark.data()), spans.data(), int(spans.size()));
        // The seed's span is recorded even on a pixel of 0: the region grows from it as from any.
        int seedX = std::clamp(x, 0, width - 1), seedY = std::clamp(y, 0, height - 1);
        maze.pixels[size_t(seedY * width + seedX)] = 1;
        std::set<std::pair<int, int>> expected = maze.regionFrom(seedX, seedY);
        EXPECT_EQ(covered(spans.data(), picture->getFFCount()), expected) << "round " << round;
    }
}

TEST(PixelOperations, FloodFillStopsAtItsCapacityAndNeedsNoRecursion)
{
    // One-pixel corridors up and down the columns: every span is one pixel, all chained.
    const int side = 401;
    Pixels pixels(size_t(side * side), 1);
    for (int x = 1; x < side; x += 2) {
        int gap = (x / 2) % 2 == 0 ? side - 1 : 0;
        for (int y = 0; y < side; ++y)
            pixels[size_t(y * side + x)] = y == gap ? 1 : 0;
    }
    auto picture = pictureOf(side, side, 16, pixels);
    Pixels mark(pixels.size(), 0);
    std::vector<_floodfill> spans(size_t(side * side));
    picture->PrepareFloodFill(CXPoint(0, 0), CColor(255, 255, 255), reinterpret_cast<char*>(mark.data()), spans.data(), int(spans.size()));
    EXPECT_GT(picture->getFFCount(), 80000);

    std::fill(mark.begin(), mark.end(), 0);
    std::vector<_floodfill> few(4, _floodfill{-1, -1, -1});
    picture->PrepareFloodFill(CXPoint(0, 0), CColor(255, 255, 255), reinterpret_cast<char*>(mark.data()), few.data(), 3);
    EXPECT_EQ(picture->getFFCount(), 3);
    EXPECT_EQ(few[3].length, -1) << "nothing written past the capacity";
}

TEST(PixelOperations, ScaledAndCopiedPicturesDrawAndTakePixelsWithinTheirPlanes)
{
    std::mt19937 random(5);
    CGraphicsObject screen(nullptr, CXSize(64, 48), 16);
    auto source = std::make_unique<CGraphicsObject>(nullptr, CXSize(20, 12), 16);
    randomize(*source, random, true);
    const Pixels original = pixelsIn(*source);

    for (double factor : {0.5, 2.0, 2.7}) {
        auto scaled = pictureOf(20, 12, 16, original, alphaIn(*source));
        scaled->Scale(factor, factor);
        int last = scaled->Width() * scaled->Height() - 1;
        // The pitch follows the new width, so the last pixel is where putPixel puts it.
        scaled->putPixel(scaled->Width() - 1, scaled->Height() - 1, 0x1F, 255, true);
        EXPECT_EQ(pixelsOf(*scaled)[last], 0x1E) << factor;
        scaled->redraw(&screen);
    }

    source->SetPosition(3, 4);
    source->SetClippingRect(CXRect(2, 1, 30, 5));
    source->setFileName("pic");
    CGraphicsObject copy(nullptr);
    copy.Copy(source.get());
    EXPECT_EQ(copy.getFileName(), "piccopy");
    ASSERT_EQ(copy.Width(), 18) << "the clipping rectangle is kept within the picture";
    ASSERT_EQ(copy.Height(), 4);
    EXPECT_EQ(copy.GetPitch(), 18);
    EXPECT_EQ(copy.GetPosition(), CXPoint(3, 4));
    EXPECT_TRUE(copy.GetClippingRect().IsEmpty());
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 18; ++x) {
            ASSERT_EQ(pixelsOf(copy)[y * 18 + x], original[size_t((y + 1) * 20 + x + 2)]);
            ASSERT_EQ(copy.GetChannelAlpha()[y * 18 + x], source->GetChannelAlpha()[(y + 1) * 20 + x + 2]);
        }
    }
    copy.putPixel(17, 3, 0x1F, 255, true);
    copy.redraw(&screen);

    CGraphicsObject part(nullptr);
    part.Copy(source.get(), CXRect(15, 10, 40, 40));
    EXPECT_EQ(part.GetPosition(), CXPoint(15, 10));
    ASSERT_EQ(part.Width(), 5);
    ASSERT_EQ(part.Height(), 2);
    EXPECT_EQ(pixelsOf(part)[9], original[size_t(11 * 20 + 19)]);
    part.redraw(&screen);

    source->SetClippingRect(CXRect());
    CGraphicsObject whole(nullptr);
    whole.Copy(source.get(), CXRect());
    EXPECT_EQ(pixelsIn(whole), original);
    EXPECT_EQ(alphaIn(whole), alphaIn(*source));
    EXPECT_EQ(whole.GetChannelSize(3), source->GetChannelSize(3));
    whole.Copy(source.get(), CXRect(50, 50, 60, 60));
    EXPECT_EQ(whole.Width() * whole.Height(), 0) << "a part outside the picture copies nothing";
    whole.redraw(&screen);
}

TEST(PixelOperations, CopiesOfPackedPicturesAndViewsOwnTheirPlanes)
{
    std::mt19937 random(6);
    CGraphicsObject source(nullptr, CXSize(16, 8), 16);
    randomize(source, random, true);
    const Pixels original = pixelsIn(source);
    const std::vector<uint8_t> originalAlpha = alphaIn(source);
    source.Compress(COMPRESSION_RLE);
    ASSERT_EQ(source.GetCompression(), COMPRESSION_RLE);

    CGraphicsObject copy(nullptr);
    copy.Copy(&source);
    EXPECT_EQ(source.GetCompression(), COMPRESSION_RLE) << "the source is packed again";
    EXPECT_EQ(copy.GetCompression(), COMPRESSION_NONE);
    EXPECT_EQ(pixelsIn(copy), original);
    EXPECT_EQ(alphaIn(copy), originalAlpha);

    // A view that copies another picture lets go of the planes it showed, and frees only its own.
    auto shown = std::make_unique<CGraphicsObject>(nullptr, copy);
    shown->Copy(&copy, CXRect(0, 0, 4, 4));
    EXPECT_TRUE(shown->ownsData());
    EXPECT_NE(shown->GetDataPtr(), copy.GetDataPtr());
    shown.reset();
    EXPECT_EQ(pixelsIn(copy), original);
}

TEST(PixelOperations, DisplacementTakesPixelsByIndexAndLeavesTheOldPlanesToTheCaller)
{
    auto picture = pictureOf(3, 2, 16, counting(6), {10, 20, 30, 40, 50, 60});
    // One to the right everywhere, except the first pixel, which looks one row down.
    std::vector<CXPoint> offsets(6, CXPoint(1, 0));
    offsets[0] = CXPoint(0, 1);
    offsets[3] = CXPoint(-1, -1);
    uint8_t* oldColour = picture->GetDataPtr();
    uint8_t* oldAlpha = picture->GetChannelAlpha();
    picture->displacementFilter(offsets.data(), true, false);
    // Pixel 2 reads index 3 (the next row); pixel 5 would read past the end and keeps its own;
    // pixel 3 reads index -1 and keeps its own.
    EXPECT_EQ(pixelsIn(*picture), (Pixels{4, 3, 4, 4, 6, 6}));
    EXPECT_EQ(alphaIn(*picture), (std::vector<uint8_t>{40, 30, 40, 40, 60, 60}));
    EXPECT_EQ(Pixels(reinterpret_cast<uint16_t*>(oldColour), reinterpret_cast<uint16_t*>(oldColour) + 6), counting(6));
    delete[] oldColour;
    delete[] oldAlpha;

    std::vector<CXPoint> left(6, CXPoint(-1, 0));
    picture->displacementFilter(left.data(), false, true);
    EXPECT_EQ(pixelsIn(*picture), (Pixels{4, 4, 3, 4, 4, 6}));
    EXPECT_EQ(alphaIn(*picture), (std::vector<uint8_t>{40, 30, 40, 40, 60, 60})) << "alpha stays without withAlpha";
}

} // namespace

namespace {


// A picture of one pixel value with an alpha plane of one value (none for alpha -1).
std::unique_ptr<CGraphicsObject> filled(int width, int height, uint16_t pixel, int alpha)
{
    auto made = std::make_unique<CGraphicsObject>(nullptr, CXSize(width, height), 16);
    std::fill_n(pixelsOf(*made), width * height, pixel);
    if (alpha >= 0) {
        made->AlphaChannel() = new uint8_t[size_t(width) * height];
        std::fill_n(made->AlphaChannel(), width * height, uint8_t(alpha));
    }
    return made;
}

// The alpha plane row by row, one digit per byte: 0 for 0, 9 for 255, the stamp's 5 for 50.
std::string alphaRows(CGraphicsObject& object)
{
    std::string text;
    for (int y = 0; y < object.Height(); ++y) {
        for (int x = 0; x < object.Width(); ++x) {
            int alpha = object.GetChannelAlpha()[y * object.Width() + x];
            text += alpha == 255 ? '9' : char('0' + alpha / 10);
        }
        text += y + 1 < object.Height() ? "/" : "";
    }
    return text;
}

TEST(PixelOperations, ReplaceColorChangesEveryEqualPixel)
{
    auto target = filled(2, 2, 0x1234, -1);
    pixelsOf(*target)[3] = 0x0001;
    target->replace_color(0x1234, static_cast<short>(0xFFFF));
    EXPECT_EQ(pixelsOf(*target)[0], 0xFFFF);
    EXPECT_EQ(pixelsOf(*target)[2], 0xFFFF);
    EXPECT_EQ(pixelsOf(*target)[3], 0x0001);
}

TEST(PixelOperations, AStampPutsBackWhatItCoveredBeforeItStampsAgain)
{
    auto target = filled(4, 3, 0, 255);
    auto stamp = filled(2, 2, 0, 50);
    struct Step {
        CXPoint at;
        const char* alpha;
    };
    const Step steps[] = {
        {CXPoint(1, 0), "9559/9559/9999"},
        {CXPoint(2, 1), "9999/9955/9955"},
        // Partly outside on every side: only the part inside is stamped and kept.
        {CXPoint(-1, -1), "5999/9999/9999"},
        {CXPoint(3, 2), "9999/9999/9995"},
        // At the edge: only put back.
        {CXPoint(4, 0), "9999/9999/9999"},
        {CXPoint(0, 3), "9999/9999/9999"},
    };
    for (const Step& step : steps) {
        target->mergeAlpha(step.at, stamp.get());
        EXPECT_EQ(alphaRows(*target), step.alpha) << step.at.x << "," << step.at.y;
    }
}

TEST(PixelOperations, MergeAlpha2StampsOnlyWhatIsNotTransparentAndStaysInside)
{
    auto target = filled(4, 3, 0, 255);
    target->AlphaChannel()[0] = 0;
    auto stamp = filled(3, 3, 0, 50);
    // The stamp reaches past the right and bottom edges: nothing is written outside.
    target->mergeAlpha2(CXPoint(2, 1), stamp.get(), false);
    EXPECT_EQ(alphaRows(*target), "0999/9955/9955");
    target->mergeAlpha2(CXPoint(-2, -2), stamp.get(), true);
    EXPECT_EQ(alphaRows(*target), "5999/9999/9999");
    // A picture without an alpha plane takes nothing.
    auto opaque = filled(2, 2, 0, -1);
    opaque->mergeAlpha2(CXPoint(0, 0), stamp.get(), true);
    opaque->mergeAlpha(CXPoint(0, 0), stamp.get());
    EXPECT_EQ(opaque->GetChannelAlpha(), nullptr);
}

TEST(PixelOperations, AViewOfAnotherPictureTakesItsPlanesAndKeepsItsPlace)
{
    auto source = filled(3, 2, 0x0F0F, 7);
    auto view = filled(5, 5, 0, 255);
    view->SetPosition(40, 50);
    view->viewPlanesOf(*source);
    EXPECT_EQ(view->GetDataPtr(), source->GetDataPtr());
    EXPECT_EQ(view->GetChannelAlpha(), source->GetChannelAlpha());
    EXPECT_EQ(view->Width(), 3);
    EXPECT_EQ(view->GetPosition().x, 40);
    EXPECT_FALSE(view->ownsData());
    // It never frees what it shows.
    view.reset();
    EXPECT_EQ(pixelsOf(*source)[5], 0x0F0F);
}

} // namespace
