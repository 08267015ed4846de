#include "PdfFile.h"
#include "TempFolder.h"
#include "platform/DocumentsFolder.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/PaperSize.h"
#include "platform/PdfDocument.h"
#include "platform/PdfPrintDevice.h"
#include "platform/PdfPrinter.h"
#include "platform/WindowSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sys/stat.h>

namespace {

using platform::PaperSize;
using platform::RgbPicture;

RgbPicture pictureOf(int width, int height)
{
    RgbPicture picture{width, height, {}};
    for (int i = 0; i < width * height * 3; ++i)
        picture.pixels.push_back(uint8_t(i * 7 + i / 3));
    return picture;
}

std::vector<std::string> filesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(PaperSizeTest, NamesSizesAndSettings)
{
    struct Case {
        const char* name;
        std::optional<PaperSize> paper;
    };
    const Case names[] = {
        {"A4", PaperSize{210, 297}},   {"letter", PaperSize{215.9, 279.4}}, {"LeGaL", PaperSize{215.9, 355.6}},
        {"a3", PaperSize{297, 420}},   {"210x297", PaperSize{210, 297}},    {"100.5X80", PaperSize{100.5, 80}},
        {"5x5", std::nullopt},         {"10x6000", std::nullopt},           {"210x", std::nullopt},
        {"x297", std::nullopt},        {"A6", std::nullopt},                {"210x297mm", std::nullopt},
        {"nanxnan", std::nullopt},     {"", std::nullopt},
    };
    for (const Case& c : names)
        EXPECT_EQ(PaperSize::named(c.name), c.paper) << c.name;

    struct Settings {
        const char* text;
        PaperSize paper;
    };
    const Settings settings[] = {
        {"", PaperSize{}},
        {"# paper Letter\n", PaperSize{}},
        {"paper Letter\r\n", PaperSize{215.9, 279.4}},
        // The last paper it understands counts.
        {"paper A5\npaper\tlegal\npaper B7\npaper 5x5\n", PaperSize{215.9, 355.6}},
        {"paper A5 extra\npapers A3\n", PaperSize{}},
    };
    for (const Settings& s : settings)
        EXPECT_EQ(PaperSize::fromSettings(s.text), s.paper) << s.text;
}

TEST(DocumentsFolderTest, UserDirsNameTheFolder)
{
    struct Case {
        const char* text;
        const char* folder;
    };
    const Case cases[] = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n", "/home/ala/Dokumenty"},
        {"# comment\nXDG_MUSIC_DIR=\"$HOME/Muzyka\"\n  XDG_DOCUMENTS_DIR = \"/srv/docs/\"  \n", "/srv/docs"},
        {"XDG_DOCUMENTS_DIR=\"$HOME\"\n", "/home/ala"},
        {"XDG_DOCUMENTS_DIR=\"$HOMEWORK/x\"\n", ""},
        {"XDG_DOCUMENTS_DIR=\"relative\"\n", ""},
        {"XDG_DOCUMENTS_DIR=$HOME/unquoted\n", ""},
        {"XDG_DOCUMENTS_DIR=\"$HOME/a\\\"b\"\n", ""},
        {"XDG_DOCUMENTS_DIR=\"/first\"\nXDG_DOCUMENTS_DIR=\"/second\"\n", "/second"},
        {"XDG_DOCUMENTS_DIR=\"/kept\"\nXDG_DOCUMENTS_DIR=\"bad\"\n", "/kept"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::DocumentsFolder::fromUserDirs(c.text, "/home/ala"), c.folder) << c.text;
}

// A document written and read back: the page box, where each picture lies, its pixels, and the
// cross-reference table of the file.
TEST(PdfDocumentTest, PagesOfPicturesReadBack)
{
    platform::PdfDocument document("Druk (\xB3\xF3" "dka)\\");
    document.addPage(841.92, 595.2);
    const RgbPicture wide = pictureOf(40, 3);
    const RgbPicture tall = pictureOf(2, 50);
    ASSERT_TRUE(document.drawPicture(wide, 12, 20.5, 400, 30));
    ASSERT_TRUE(document.drawPicture(tall, 500, 0, 20, 500));
    EXPECT_FALSE(document.drawPicture(RgbPicture{}, 0, 0, 10, 10));
    document.addPage(100, 200);

    pdftest::PdfFile file(document.bytes());
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.info("/Title"), "(Druk \\(\\263\\363dka\\)\\\\)");
    ASSERT_EQ(file.pages().size(), 2u);
    const pdftest::Page& page = file.pages()[0];
    EXPECT_DOUBLE_EQ(page.width, 841.92);
    EXPECT_DOUBLE_EQ(page.height, 595.2);
    ASSERT_EQ(page.images.size(), 2u);
    const pdftest::PlacedImage& first = page.images[0];
    EXPECT_EQ(first.colourSpace, "/DeviceRGB");
    EXPECT_EQ(first.bitsPerComponent, 8);
    EXPECT_EQ(first.pixelWidth, 40);
    EXPECT_EQ(first.pixelHeight, 3);
    EXPECT_DOUBLE_EQ(first.left, 12);
    // Measured from the bottom: 595.2 - 20.5 - 30.
    EXPECT_DOUBLE_EQ(first.bottom, 544.7);
    EXPECT_DOUBLE_EQ(first.width, 400);
    EXPECT_DOUBLE_EQ(first.height, 30);
    EXPECT_EQ(first.pixels, wide.pixels);
    EXPECT_EQ(page.images[1].pixels, tall.pixels);
    EXPECT_DOUBLE_EQ(page.images[1].bottom, 95.2);
    EXPECT_TRUE(file.pages()[1].images.empty());

    platform::PdfDocument pageless("x");
    EXPECT_FALSE(pageless.drawPicture(wide, 0, 0, 1, 1));
}

class PdfPrinterTest : public ::testing::Test {
protected:
    void SetUp() override { platform::setWindowSystem(&windows); }
    void TearDown() override { platform::setWindowSystem(nullptr); }

    // A spooler that notes its arguments and ends with the status given.
    std::string spooler(int status)
    {
        const std::string path = folder / "spool.sh";
        folder.write("spool.sh", "#!/bin/sh\nfor a in \"$@\"; do printf '%s;' \"$a\"; done > \"" + folder.path() +
                                     "/spooled\"\nexit " + std::to_string(status) + "\n");
        chmod(path.c_str(), 0755);
        return path;
    }

    // One landscape page with a picture, through a printer of that paper and spooler; whether it
    // printed.
    bool printPage(platform::PdfPrinter& printer)
    {
        windows.answerQuestions({true});
        std::unique_ptr<platform::PrintDevice> device = printer.choose(nullptr);
        if (device == nullptr)
            return false;
        device->setLandscape(true);
        const platform::ScreenSize area = device->pageArea();
        return device->startDocument("DocPrint") && device->startPage() &&
               device->drawPicture(pictureOf(8, 6), platform::ScreenRect{0, 0, area.width, area.height}) && device->endPage() &&
               device->endDocument();
    }

    platform::HeadlessWindowSystem windows;
    TempFolder folder;
    std::string documents = folder / "Dokumenty";
};

TEST_F(PdfPrinterTest, PagesBecomeFilesKeptOrHandedToTheSpooler)
{
    platform::PdfPrinter printer(documents, PaperSize{});
    ASSERT_TRUE(printPage(printer));
    ASSERT_TRUE(printPage(printer));
    EXPECT_EQ(filesIn(documents), (std::vector<std::string>{"DocPrint-2.pdf", "DocPrint.pdf"}));
    EXPECT_EQ(printer.keptFiles(), (std::vector<std::string>{documents + "/DocPrint.pdf", documents + "/DocPrint-2.pdf"}));
    // A landscape A4 sheet at 300 dots an inch, a 5 mm margin round the picture.
    pdftest::PdfFile file(folder.read("Dokumenty/DocPrint.pdf"));
    ASSERT_TRUE(file.ok());
    ASSERT_EQ(file.pages().size(), 1u);
    EXPECT_DOUBLE_EQ(file.pages()[0].width, 841.92);
    EXPECT_DOUBLE_EQ(file.pages()[0].height, 595.2);
    ASSERT_EQ(file.pages()[0].images.size(), 1u);
    EXPECT_DOUBLE_EQ(file.pages()[0].images[0].left, 14.16);
    EXPECT_DOUBLE_EQ(file.pages()[0].images[0].bottom, 14.16);
    EXPECT_NEAR(file.pages()[0].images[0].width, 841.92 - 2 * 14.16, 0.005);
    EXPECT_EQ(file.info("/Title"), "(DocPrint)");
    EXPECT_EQ(windows.questions().size(), 2u);

    // A spooler that takes the file gets it by name, and the file goes.
    platform::PdfPrinter spooled(documents, PaperSize{215.9, 279.4}, spooler(0));
    ASSERT_TRUE(printPage(spooled));
    EXPECT_EQ(folder.read("spooled"), "-t;DocPrint;--;" + documents + "/DocPrint-3.pdf;");
    EXPECT_TRUE(spooled.keptFiles().empty());
    EXPECT_EQ(filesIn(documents).size(), 2u);

    // One that refuses it, or none that runs, leaves the file with the user.
    platform::PdfPrinter refused(documents, PaperSize{}, spooler(1));
    ASSERT_TRUE(printPage(refused));
    platform::PdfPrinter missing(documents, PaperSize{}, folder / "no-such-lp");
    ASSERT_TRUE(printPage(missing));
    EXPECT_EQ(refused.keptFiles(), (std::vector<std::string>{documents + "/DocPrint-3.pdf"}));
    EXPECT_EQ(missing.keptFiles(), (std::vector<std::string>{documents + "/DocPrint-4.pdf"}));
}

TEST_F(PdfPrinterTest, CancelOrAnEmptyDocumentWritesNothing)
{
    platform::PdfPrinter printer(documents, PaperSize{});
    EXPECT_EQ(printer.choose(nullptr), nullptr);
    ASSERT_EQ(windows.questions().size(), 1u);

    windows.answerQuestions({true});
    std::unique_ptr<platform::PrintDevice> device = printer.choose(nullptr);
    ASSERT_NE(device, nullptr);
    EXPECT_FALSE(device->startPage());
    ASSERT_TRUE(device->startDocument("Empty"));
    EXPECT_FALSE(device->startDocument("Again"));
    EXPECT_TRUE(device->endDocument());
    EXPECT_TRUE(filesIn(documents).empty());
    EXPECT_TRUE(printer.keptFiles().empty());
}

TEST_F(PdfPrinterTest, PageAreasFollowThePaperAndItsTurn)
{
    struct Case {
        PaperSize paper;
        bool landscape;
        platform::ScreenSize area;
    };
    const Case cases[] = {
        {PaperSize{210, 297}, false, {2480 - 118, 3508 - 118}},
        {PaperSize{210, 297}, true, {3508 - 118, 2480 - 118}},
        // A sheet given wider than tall is the same paper.
        {PaperSize{297, 210}, false, {2480 - 118, 3508 - 118}},
        {PaperSize{215.9, 279.4}, true, {3300 - 118, 2550 - 118}},
    };
    for (const Case& c : cases) {
        platform::PdfPrintDevice device(documents, c.paper, "", nullptr);
        device.setLandscape(c.landscape);
        EXPECT_EQ(device.pageArea().width, c.area.width);
        EXPECT_EQ(device.pageArea().height, c.area.height);
    }
}

TEST_F(PdfPrinterTest, FileNamesAreMadeSafeAndFree)
{
    struct Case {
        const char* name;
        const char* file;
    };
    const Case cases[] = {
        {"DocPrint", "DocPrint.pdf"},
        {"a/b\n", "a_b_.pdf"},
        {"..", "_...pdf"},
        {"", "_.pdf"},
        {"Wydruk \xB3\xF3" "dki", "Wydruk \xC5\x82\xC3\xB3" "dki.pdf"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::PdfPrintDevice::freeFileName(folder.path(), c.name), folder / c.file) << c.name;
    folder.write("Taken.pdf", "");
    folder.write("Taken-2.pdf", "");
    EXPECT_EQ(platform::PdfPrintDevice::freeFileName(folder.path(), "Taken"), folder / "Taken-3.pdf");
}
