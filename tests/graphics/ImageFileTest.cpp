#include "graphics/CImage.h"
#include "graphics/CImageFile.h"
#include "graphics/CImageReader.h"

#include "ImageBytes.h"
#include "PictureState.h"
#include "script/GameFolder.h"

#include "foundation/CFile.h"
#include "foundation/CMElement.h"

#include <gtest/gtest.h>

#include <memory>

using namespace graphicstest;

namespace {

CXString gamePath(const std::string& name)
{
    return GameFolder::gamePath(name).c_str();
}

class ImageFileTest : public ::testing::Test {
protected:
    // Writes the bytes as a game file; its game path.
    std::string put(const std::string& name, const Bytes& bytes)
    {
        folder.temp.write(name, std::string(bytes.begin(), bytes.end()));
        return GameFolder::gamePath(name);
    }

    Bytes fileBytes(const std::string& name)
    {
        std::string text = folder.temp.read(name);
        return Bytes(text.begin(), text.end());
    }

    // The bytes read as an image file, and what the image holds then.
    int read(CImage& image, const Bytes& bytes) { return CImageReader::read(image, bytes.data(), bytes.size()); }

    GameFolder folder;
    const Bytes colour = colourPlane(10, 4);
    const Bytes alpha = alphaPlane(10, 4);
};

StillImage pik(int code, const PackedPlanes& planes, int x = 3, int y = -2)
{
    StillImage image(10, 4, planes.colour, planes.alpha);
    image.code = code;
    image.x = x;
    image.y = y;
    return image;
}

Bytes legacy(const Bytes& colour, const Bytes& alpha)
{
    StillImage image(10, 4, colour, alpha);
    image.bpp = 4;
    return image.legacy();
}

} // namespace

TEST_F(ImageFileTest, EveryHeadAndCodeLoadsToItsPlanes)
{
    const Bytes jpeg = jpegPicture(10, 4);
    StillImage flagged(10, 4, colour);
    flagged.bpp = 4;
    StillImage nvi(10, 4, colour, alpha);
    nvi.x = 5;
    nvi.y = 6;
    StillImage nviLzw(10, 4, lzwBlock(colour), lzwBlock(alpha));
    nviLzw.code = 2;
    const struct {
        const char* what;
        Bytes file;
        PictureState expected;
    } cases[] = {
        {"PIK raw", pik(0, packPlanes(0, colour, alpha)).pik(), picture(10, 4, 3, -2, 0, colour, alpha)},
        {"PIK LZO", pik(2, packPlanes(2, colour, alpha)).pik(), picture(10, 4, 3, -2, 0, colour, alpha)},
        {"PIK LZO over run-length, kept packed", pik(3, packPlanes(3, colour, alpha)).pik(), picture(10, 4, 3, -2, 4, colour, alpha)},
        {"PIK run-length, kept packed", pik(4, packPlanes(4, colour, alpha)).pik(), picture(10, 4, 3, -2, 4, colour, alpha)},
        {"PIK JPEG", pik(5, packPlanes(5, jpeg, alpha)).pik(), picture(10, 4, 3, -2, 0, jpegAs16Bit(jpeg, 16), alpha)},
        {"PIK bpp flag 4", flagged.pik(), picture(10, 4, 0, 0, 0, colour, {})},
        {"PIK code 0 over packed data", StillImage(10, 4, lzoBlock(colour)).pik(), picture(10, 4, 0, 0, 0, colour, {})},
        {"NVI raw", nvi.nvi(), picture(10, 4, 5, 6, 0, colour, alpha)},
        {"NVI LZW", nviLzw.nvi(), picture(10, 4, 0, 0, 0, colour, alpha)},
        {"legacy with alpha", legacy(colour, alpha), picture(10, 4, 0, 0, 0, colour, alpha)},
        {"legacy packed", legacy(lzoBlock(colour), {}), picture(10, 4, 0, 0, 0, colour, {})},
    };
    for (const auto& c : cases) {
        CImage image(nullptr);
        EXPECT_EQ(read(image, c.file), 0) << c.what;
        EXPECT_EQ(pictureOf(image), c.expected) << c.what;
    }
}

TEST_F(ImageFileTest, ALzoOverRunLengthAlphaStaysPackedWithThePictureSizeAsItsSize)
{
    CImage image(nullptr);
    ASSERT_EQ(read(image, pik(3, packPlanes(3, colour, alpha)).pik()), 0);
    EXPECT_EQ(image.GetCompression(), COMPRESSION_RLE);
    EXPECT_EQ(image.GetChannelSize(3), 40);
    const Bytes packedAlpha = rlePackets(alpha, 1);
    EXPECT_EQ(Bytes(image.GetChannelAlpha(), image.GetChannelAlpha() + packedAlpha.size()), packedAlpha);
}

TEST_F(ImageFileTest, DamagedFilesGiveAnErrorAndNoPlanes)
{
    const Bytes raw = pik(0, packPlanes(0, colour, alpha)).pik();
    auto cut = [](const Bytes& bytes, size_t length) { return Bytes(bytes.begin(), bytes.begin() + long(length)); };
    auto withAlphaSize = [&](int size) {
        StillImage image = pik(0, packPlanes(0, colour, alpha));
        image.alphaSizeField = size;
        return image.pik();
    };
    StillImage wrongCode = pik(7, packPlanes(0, colour, alpha));
    StillImage huge(0x7FFFFFFF, 0x7FFFFFFF, lzoBlock(colour));
    StillImage huge32 = huge;
    huge32.bpp = 32;
    StillImage negative(-10, 4, colour);
    StillImage jpegTooLong = pik(5, packPlanes(5, jpegPicture(10, 4), alpha));
    jpegTooLong.colourSizeField = 100000;
    StillImage jpegOtherSize = pik(5, packPlanes(5, jpegPicture(12, 4), alpha));
    StillImage lzoOtherSize = pik(2, packPlanes(2, colourPlane(10, 5), alpha));
    StillImage rleShort = pik(4, {rlePackets(colourPlane(10, 3), 2), rlePackets(alpha, 1)});
    StillImage nviLonger(10, 4, colour, alpha);
    nviLonger.colourSizeField = 100000;
    StillImage nviNegative(10, 4, colour, alpha);
    nviNegative.alphaSizeField = -5;
    // An LZW stream that makes more than the plane: it must not spill over.
    StillImage nviLzwLonger(10, 4, lzwBlock(colourPlane(10, 8)), {});
    nviLzwLonger.code = 2;
    StillImage nviShortRaw(10, 4, cut(colour, 60), {});
    const struct {
        const char* what;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"PIK head cut", cut(raw, 30)},
        {"PIK colour cut", cut(raw, 100)},
        {"PIK alpha cut", cut(raw, 150)},
        {"PIK alpha size beyond the file", withAlphaSize(1000)},
        {"PIK negative alpha size", withAlphaSize(-40)},
        {"PIK alpha size not the picture's", withAlphaSize(39)},
        {"PIK unknown code", wrongCode.pik()},
        {"PIK huge size", huge.pik()},
        {"PIK huge size of 32 bits", huge32.pik()},
        {"PIK negative width", negative.pik()},
        {"PIK JPEG length beyond the data", jpegTooLong.pik()},
        {"PIK JPEG of another size", jpegOtherSize.pik()},
        {"PIK LZO of another size", lzoOtherSize.pik()},
        {"PIK run-length short of the picture", rleShort.pik()},
        {"NVI colour size beyond the file", nviLonger.nvi()},
        {"NVI negative alpha size", nviNegative.nvi()},
        {"NVI LZW longer than the plane", nviLzwLonger.nvi()},
        {"NVI raw colour short", nviShortRaw.nvi()},
        {"legacy cut in its record", cut(legacy(colour, {}), 85)},
        {"legacy alpha bigger than the file", StillImage(100, 100, {}, Bytes(10, 1)).legacy()},
    };
    for (const auto& c : cases) {
        CImage image(nullptr);
        EXPECT_EQ(read(image, c.file), CImageReader::DAMAGED) << c.what;
        EXPECT_EQ(image.GetDataPtr(), nullptr) << c.what;
        EXPECT_EQ(image.GetChannelAlpha(), nullptr) << c.what;
    }
}

TEST_F(ImageFileTest, SaveWritesTheHeadAndPlanesByteForByte)
{
    CGraphicsObject object(nullptr, CXSize(10, 4), 16);
    std::copy(colour.begin(), colour.end(), object.GetDataPtr());
    object.AlphaChannel() = new uint8_t[40];
    std::copy(alpha.begin(), alpha.end(), object.GetChannelAlpha());
    object.SetPosition(7, 9);
    object.Save(gamePath("whole.img"), COMPRESSION_NONE);
    StillImage whole(10, 4, colour, alpha);
    whole.x = 7;
    whole.y = 9;
    EXPECT_EQ(fileBytes("whole.img"), whole.pik());
    EXPECT_EQ(fileBytes("whole.img").size(), 160u);

    object.SetClippingRect(CXRect(2, 1, 6, 3));
    object.Save(gamePath("part.img"), COMPRESSION_NONE);
    Bytes partColour, partAlpha;
    for (int row = 1; row < 3; ++row) {
        partColour.insert(partColour.end(), colour.begin() + (row * 10 + 2) * 2, colour.begin() + (row * 10 + 6) * 2);
        partAlpha.insert(partAlpha.end(), alpha.begin() + row * 10 + 2, alpha.begin() + row * 10 + 6);
    }
    StillImage part(4, 2, partColour, partAlpha);
    part.x = 9;
    part.y = 10;
    EXPECT_EQ(fileBytes("part.img"), part.pik());
}

TEST_F(ImageFileTest, EverySavedCodeReadsBackEqual)
{
    const PictureState original = picture(10, 4, 3, -2, 0, colour, alpha);
    for (int held : {0, 4}) {
        for (int code : {0, 2, 3, 4, 5}) {
            CImage source(nullptr);
            ASSERT_EQ(read(source, pik(0, packPlanes(0, colour, alpha)).pik()), 0);
            source.Compress(_compression(held));
            std::string name = "saved" + std::to_string(held) + std::to_string(code) + ".img";
            source.Save(gamePath(name), _compression(code));
            EXPECT_EQ(source.GetCompression(), held) << "the object stays as it was held";
            CImage reloaded(nullptr);
            EXPECT_EQ(read(reloaded, fileBytes(name)), 0) << name;
            PictureState expected = original;
            expected.code = code == 4 ? 4 : 0;
            EXPECT_EQ(pictureOf(reloaded), expected) << name;
        }
    }
}

TEST_F(ImageFileTest, ImagesLoadByNameWithTheirErrorCodes)
{
    const Bytes jpeg = jpegPicture(10, 4);
    put("lower.img", pik(0, packPlanes(0, colour, alpha)).pik());
    put("photo.jpg", jpeg);
    put("broken.jpg", Bytes(100, 7));
    put("broken.img", Bytes(30, 7));
    CImage image(nullptr);
    EXPECT_EQ(image.Load(gamePath("lower.img"), true), 0) << "any letter case of the extension is an image file";
    EXPECT_EQ(pictureOf(image), picture(10, 4, 3, -2, 0, colour, alpha));
    EXPECT_TRUE(image.isLoaded());
    EXPECT_EQ(image.CFileResolver::getFileName(), gamePath("lower.img"));
    CImage photo(nullptr);
    EXPECT_EQ(photo.Load(gamePath("photo.jpg"), true), 0);
    EXPECT_EQ(pictureOf(photo), picture(10, 4, 0, 0, 0, jpegAs16Bit(jpeg, 16), {}));
    EXPECT_TRUE(photo.isLoaded());
    const struct {
        const char* name;
        int error;
    } failures[] = {
        {"missing.img", CFile::NOT_FOUND},
        {"missing.jpg", CFile::NOT_FOUND},
        {"broken.jpg", CImageReader::DAMAGED},
        {"broken.img", CImageReader::DAMAGED},
    };
    for (const auto& f : failures) {
        EXPECT_EQ(image.Load(gamePath(f.name), true), f.error) << f.name;
        EXPECT_EQ(image.GetDataPtr(), nullptr) << f.name;
        EXPECT_FALSE(image.isLoaded()) << f.name;
    }
    CImage made(nullptr, gamePath("missing.img"));
    EXPECT_EQ(made.LastError(), CFile::NOT_FOUND);
}

TEST_F(ImageFileTest, AnImageReleasedAfterUseFreesItsPixelsWhenHiddenAndReloadsWhenShown)
{
    std::string name = put("a.img", pik(0, packPlanes(0, colour, alpha)).pik());
    CMElement element("IMAGE");
    element.addProperty("FILENAME", name.c_str());
    element.addProperty("RELEASEAFTERUSE", "TRUE");
    element.addProperty("VISIBLE", "TRUE");
    CImage image(nullptr, &element);
    EXPECT_TRUE(image.isLoaded());
    image.hide();
    EXPECT_EQ(image.GetDataPtr(), nullptr);
    EXPECT_FALSE(image.isLoaded());
    image.show();
    EXPECT_EQ(pictureOf(image).colour, colour);

    CMElement later("IMAGE");
    later.addProperty("FILENAME", name.c_str());
    later.addProperty("PRELOAD", "FALSE");
    CImage notYet(nullptr, &later);
    EXPECT_FALSE(notYet.isLoaded());
}

TEST_F(ImageFileTest, ImageFilesPickTheirClassByExtension)
{
    put("a.JPG", jpegPicture(10, 4));
    CImageFile files(nullptr);
    EXPECT_EQ(files.Load(gamePath("a.JPG")), FILETYPE_IMAGE);
    std::unique_ptr<CGraphicsObject> made(files.GetGraphicsObject());
    ASSERT_NE(dynamic_cast<CImage*>(made.get()), nullptr);
    EXPECT_EQ(made->Width(), 10);
    CImageFile other(nullptr);
    EXPECT_EQ(other.Load(gamePath("a.bmp")), FILETYPE_NONE);
    EXPECT_EQ(other.GetGraphicsObject(), nullptr);

    CGraphicsObject object(nullptr, CXSize(10, 4), 16);
    std::copy(colour.begin(), colour.end(), object.GetDataPtr());
    EXPECT_EQ(other.Save(&object, gamePath("b.img"), COMPRESSION_NONE), FILETYPE_IMAGE);
    std::unique_ptr<CGraphicsObject> view(other.GetGraphicsObject());
    EXPECT_EQ(fileBytes("b.img"), StillImage(10, 4, colour).pik());
    EXPECT_EQ(other.Save(&object, gamePath("b.bmp"), COMPRESSION_NONE), FILETYPE_NONE);
}
