#include "graphics/CGraphicsObject.h"

#include "PictureState.h"

#include <gtest/gtest.h>

#include <memory>

using namespace graphicstest;

namespace {

// A raw 16-bit object of width x height with an alpha plane, made from the fixture planes.
std::unique_ptr<CGraphicsObject> rawObject(int width, int height)
{
    auto object = std::make_unique<CGraphicsObject>(nullptr, CXSize(width, height), 16);
    Bytes colour = colourPlane(width, height);
    Bytes alpha = alphaPlane(width, height);
    std::copy(colour.begin(), colour.end(), object->GetDataPtr());
    object->AlphaChannel() = new uint8_t[alpha.size()];
    std::copy(alpha.begin(), alpha.end(), object->GetChannelAlpha());
    return object;
}

} // namespace

TEST(PackingTest, RunLengthPackingKeepsThePlanesAsideWhileUnpacked)
{
    auto object = rawObject(10, 4);
    const PictureState raw = pictureOf(*object);
    object->Compress(COMPRESSION_RLE);
    ASSERT_EQ(object->GetCompression(), COMPRESSION_RLE);
    uint8_t* packedColour = object->GetDataPtr();
    uint8_t* packedAlpha = object->GetChannelAlpha();
    EXPECT_EQ(object->GetChannelSize(3), int(rlePackets(raw.alpha, 1).size()));

    object->unpack();
    uint8_t* unpackedColour = object->GetDataPtr();
    object->unpack();
    EXPECT_EQ(object->GetDataPtr(), unpackedColour) << "a second unpack does nothing";
    PictureState unpacked = pictureOf(*object);
    unpacked.code = COMPRESSION_NONE;
    EXPECT_EQ(unpacked, raw);
    EXPECT_EQ(object->GetChannelSize(3), 40);

    // The caller takes the unpacked planes; the object goes back to its packed ones.
    uint8_t* unpackedAlpha = object->GetChannelAlpha();
    object->pack(false);
    EXPECT_EQ(object->GetCompression(), COMPRESSION_RLE);
    EXPECT_EQ(object->GetDataPtr(), packedColour);
    EXPECT_EQ(object->GetChannelAlpha(), packedAlpha);
    delete[] unpackedColour;
    delete[] unpackedAlpha;
    object->pack(true);
    EXPECT_EQ(object->GetDataPtr(), packedColour) << "pack without unpack does nothing";

    ASSERT_TRUE(object->DeCompressRLE2());
    EXPECT_EQ(object->GetCompression(), COMPRESSION_NONE);
    object->bringBackCompressed();
    EXPECT_EQ(object->GetDataPtr(), packedColour);
    EXPECT_EQ(pictureOf(*object).colour, raw.colour);
}

TEST(PackingTest, CodesOtherThanRunLengthOnlyRecomputeTheSizes)
{
    auto object = rawObject(10, 4);
    uint8_t* colour = object->GetDataPtr();
    object->Compress(COMPRESSION_LZW);
    EXPECT_EQ(object->GetCompression(), COMPRESSION_NONE);
    EXPECT_EQ(object->GetDataPtr(), colour);
    EXPECT_EQ(object->packing().colourSize(), 80);
}

TEST(PackingTest, PackedObjectsFlipAndReadAlphaThroughUnpackedCopies)
{
    auto object = rawObject(10, 4);
    auto reference = rawObject(10, 4);
    reference->FlipH();
    reference->FlipV();
    object->Compress(COMPRESSION_RLE);
    object->FlipH();
    object->FlipV();
    EXPECT_EQ(object->GetCompression(), COMPRESSION_RLE);
    EXPECT_TRUE(object->isFlippedRows());
    PictureState flipped = pictureOf(*object);
    flipped.code = COMPRESSION_NONE;
    EXPECT_EQ(flipped, pictureOf(*reference));
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(object->GetPixel(CHANNEL_ALPHA, CXPoint(x, 1)), reference->GetPixel(CHANNEL_ALPHA, CXPoint(x, 1))) << x;
}

TEST(PackingTest, PackedPlanesAreDrawnUnpackedForTheDrawAndStayPacked)
{
    auto object = rawObject(10, 4);
    CGraphicsObject expected(nullptr, CXSize(10, 4), 16);
    CGraphicsObject target(nullptr, CXSize(10, 4), 16);
    std::fill(expected.GetDataPtr(), expected.GetDataPtr() + 80, 0);
    std::fill(target.GetDataPtr(), target.GetDataPtr() + 80, 0);
    object->redraw(&expected);
    object->Compress(COMPRESSION_RLE);
    uint8_t* packed = object->GetDataPtr();
    object->redraw(&target);
    EXPECT_EQ(pictureOf(target).colour, pictureOf(expected).colour);
    EXPECT_EQ(object->GetCompression(), COMPRESSION_RLE);
    EXPECT_EQ(object->GetDataPtr(), packed);
}
