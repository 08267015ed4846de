#include "ScreenHarness.h"
#include "graphics/CPrinter.h"
#include "graphics/CSurface.h"
#include "platform/PdfPrinter.h"
#include "platform/Printer.h"
#include "tests/platform/PdfFile.h"
#include "tests/platform/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace graphicstest {

TEST(PrinterPlacementTest, FillsThePageKeepingProportionsCentred)
{
    struct Case {
        CXSize picture;
        CXSize page;
        CXRect placed;
    };
    const Case cases[] = {
        // 800 by 600 on a portrait page area: the full width, centred vertically.
        {CXSize(800, 600), CXSize(2362, 3390), CXRect(0, 809, 2362, 809 + 1771)},
        // On a landscape one: the full height, centred across.
        {CXSize(800, 600), CXSize(3390, 2362), CXRect(120, 0, 120 + 3149, 2362)},
        {CXSize(800, 600), CXSize(800, 600), CXRect(0, 0, 800, 600)},
        // Tall and wide rectangles.
        {CXSize(100, 600), CXSize(3390, 2362), CXRect(1498, 0, 1498 + 393, 2362)},
        {CXSize(800, 20), CXSize(3390, 2362), CXRect(0, 1139, 3390, 1139 + 84)},
        {CXSize(1, 1), CXSize(3390, 2362), CXRect(514, 0, 514 + 2362, 2362)},
        // Nothing to place, or nowhere to place it.
        {CXSize(0, 600), CXSize(3390, 2362), CXRect()},
        {CXSize(800, 600), CXSize(0, 0), CXRect()},
    };
    for (const Case& c : cases) {
        const CXRect placed = CPrinter::placeOnPage(c.picture, c.page);
        EXPECT_EQ(placed, c.placed) << c.picture.cx << "x" << c.picture.cy << " on " << c.page.cx << "x" << c.page.cy;
    }
}

// The screen printed through the PDF printer over a folder of the test, the dialog answered as the
// test says.
class PrinterTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        platform::setPrinter(&printer);
        pictures.clear();
        picture(300, 200, false, 50, 40);
        picture(120, 90, false, 600, 450);
    }
    void TearDown() override
    {
        platform::setPrinter(nullptr);
        ScreenTest::TearDown();
    }

    // The screen's pixel at (x, y) as the page's red, green and blue: 5-6-5 bits widened to 8.
    std::vector<uint8_t> rgbOf(const CXRect& rect)
    {
        std::vector<uint8_t> rgb;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                const uint16_t pixel = x >= 0 && y >= 0 && x < 800 && y < 600 ? shown(x, y) : 0;
                const int red = pixel >> 11;
                const int green = (pixel >> 5) & 0x3F;
                const int blue = pixel & 0x1F;
                rgb.push_back(uint8_t(red << 3 | red >> 2));
                rgb.push_back(uint8_t(green << 2 | green >> 4));
                rgb.push_back(uint8_t(blue << 3 | blue >> 2));
            }
        }
        return rgb;
    }

    TempFolder folder;
    platform::PdfPrinter printer{folder.path(), platform::PaperSize{}};
};

TEST_F(PrinterTest, PrintsTheRectangleOnALandscapePageAsTheScreenShowsIt)
{
    struct Case {
        CXRect rect;
        // The picture's place on the page, in points from the bottom-left corner.
        double left;
        double bottom;
        double width;
        double height;
    };
    // The page area is 3390 by 2362 dots of 1/300 inch inside a 59-dot margin (14.16 points).
    const Case cases[] = {
        {CXRect(0, 0, 800, 600), 14.16 + 120 * 0.24, 14.16, 3149 * 0.24, 2362 * 0.24},
        {CXRect(40, 30, 440, 630), 14.16 + 908 * 0.24, 14.16, 1574 * 0.24, 2362 * 0.24},
        {CXRect(560, 440, 760, 460), 14.16, 14.16 + 1012 * 0.24, 3390 * 0.24, 339 * 0.24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rect.left << "," << c.rect.top << "," << c.rect.right << "," << c.rect.bottom);
        windowSystem.answerQuestions({true});
        CPrinter printing(window.get(), c.rect);
        ASSERT_FALSE(printer.keptFiles().empty());
        const std::string path = printer.keptFiles().back();
        pdftest::PdfFile file(folder.read(std::filesystem::path(path).filename().string()));
        ASSERT_TRUE(file.ok());
        EXPECT_EQ(file.info("/Title"), "(DocPrint)");
        ASSERT_EQ(file.pages().size(), 1u);
        const pdftest::Page& page = file.pages()[0];
        EXPECT_DOUBLE_EQ(page.width, 841.92);
        EXPECT_DOUBLE_EQ(page.height, 595.2);
        ASSERT_EQ(page.images.size(), 1u);
        const pdftest::PlacedImage& image = page.images[0];
        EXPECT_EQ(image.pixelWidth, c.rect.Width());
        EXPECT_EQ(image.pixelHeight, c.rect.Height());
        EXPECT_NEAR(image.left, c.left, 0.005);
        EXPECT_NEAR(image.bottom, c.bottom, 0.005);
        EXPECT_NEAR(image.width, c.width, 0.005);
        EXPECT_NEAR(image.height, c.height, 0.005);
        // Black where the rectangle leaves the screen.
        EXPECT_EQ(image.pixels, rgbOf(c.rect));
    }
    EXPECT_EQ(windowSystem.questions().size(), 3u);
}

TEST_F(PrinterTest, CancelOrNothingToPrintLeavesNoDocument)
{
    CPrinter cancelled(window.get(), CXRect(0, 0, 800, 600));
    EXPECT_EQ(windowSystem.questions().size(), 1u);
    windowSystem.answerQuestions({true, true});
    CPrinter empty(window.get(), CXRect(10, 10, 10, 300));
    CPrinter huge(window.get(), CXRect(0, 0, 800, 5000));
    EXPECT_TRUE(printer.keptFiles().empty());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

} // namespace graphicstest
