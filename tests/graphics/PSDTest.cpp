#include "graphics/CImageFile.h"
#include "graphics/CPSD.h"
#include "graphics/CPSDReader.h"

#include "GraphicsTestSupport.h"
#include "PsdBytes.h"
#include "script/GameFolder.h"

#include "foundation/CFile.h"

#include <gtest/gtest.h>

#include <memory>

using namespace graphicstest;

namespace {

std::vector<uint16_t> pixelsOfPicture(CGraphicsObject& picture)
{
    const uint16_t* pixels = pixelsOf(picture);
    return pixels == nullptr ? std::vector<uint16_t>() : std::vector<uint16_t>(pixels, pixels + picture.Width() * picture.Height());
}

Bytes alphaOf(CGraphicsObject& picture)
{
    const uint8_t* alpha = picture.GetChannelAlpha();
    return alpha == nullptr ? Bytes() : Bytes(alpha, alpha + picture.Width() * picture.Height());
}

int load(CPSD& document, const Bytes& bytes)
{
    return document.Load(bytes.data(), bytes.size());
}

TEST(CPSD, LayersLoadWithTheirNamesRectanglesPixelsAndAlpha)
{
    const PsdDocument sample = sampleDocument();
    CPSD document(nullptr);
    ASSERT_EQ(load(document, sample.bytes()), 0);
    ASSERT_EQ(document.GetLayerNo(), 2);
    EXPECT_EQ(document.GetSelLayer(), 0);
    EXPECT_EQ(document.GetLayerName(0), "A");
    EXPECT_EQ(document.GetLayerName(1), "B");
    EXPECT_EQ(document.GetLayerName(2), "");

    CGraphicsObject* a = document.GetCurrentLayer();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(document.GetLayerRect(), CXRect(10, 20, 42, 36));
    EXPECT_EQ(a->Width(), 32);
    EXPECT_EQ(a->Height(), 16);
    EXPECT_EQ(a->GetPosition(), CXPoint(10, 20));
    EXPECT_EQ(a->GetBpp(), 16);
    EXPECT_EQ(a->getFileName(), "A");
    EXPECT_EQ(pixelsOfPicture(*a), layerPixels(sample.layers[0]));
    EXPECT_EQ(alphaOf(*a), sample.layers[0].channels[0].plane) << "the transparency channel is the alpha plane";
    EXPECT_EQ(a->GetChannelSize(3), 512);

    document.SelectLayer(CXString("B"));
    EXPECT_EQ(document.GetSelLayer(), 1);
    EXPECT_EQ(document.GetLayerName(-1), "B");
    CGraphicsObject* b = document.GetCurrentLayer();
    EXPECT_EQ(b->Width(), 30);
    EXPECT_EQ(b->Height(), 8);
    EXPECT_EQ(pixelsOfPicture(*b), layerPixels(sample.layers[1])) << "run-length channels";
    EXPECT_EQ(b->GetChannelAlpha(), nullptr);

    for (int index : {-1, 2, 99})
        document.SelectLayer(index);
    document.SelectLayer(CXString("a"));
    EXPECT_EQ(document.GetSelLayer(), 1) << "names match exactly; bad indexes and names change nothing";
    document.SelectLayer(0);
    EXPECT_EQ(document.GetCurrentLayer(), a);
}

TEST(CPSD, SettingThePositionMovesTheDocumentTheLayerAndItsRectangle)
{
    CPSD document(nullptr);
    ASSERT_EQ(load(document, sampleDocument().bytes()), 0);
    document.SetPosition(CXPoint(5, -1));
    EXPECT_EQ(document.GetPosition(), CXPoint(5, -1));
    EXPECT_EQ(document.GetCurrentLayer()->GetPosition(), CXPoint(5, -1));
    EXPECT_EQ(document.GetLayerRect(), CXRect(5, 20, 37, 36)) << "a negative coordinate leaves its edges";
    document.setPosition(7, 9);
    EXPECT_EQ(document.GetLayerRect(), CXRect(7, 9, 39, 25));
    document.SelectLayer(1);
    EXPECT_EQ(document.GetLayerRect(), CXRect(0, 0, 30, 8)) << "only the selected layer moved";
}

TEST(CPSD, ALayerDrawsOntoTheScreenFormatAsItIs)
{
    const PsdDocument sample = sampleDocument();
    CPSD document(nullptr);
    ASSERT_EQ(load(document, sample.bytes()), 0);
    document.SelectLayer(1);
    CGraphicsObject screen(nullptr, CXSize(40, 10), 16);
    std::fill_n(pixelsOf(screen), 400, uint16_t(0x1234));
    document.GetCurrentLayer()->redraw(&screen);
    std::vector<uint16_t> expected = layerPixels(sample.layers[1]);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(pixelsOf(screen)[y * 40 + x], expected[size_t(y * 30 + x)]) << x << "," << y;
    }
    EXPECT_EQ(pixelsOf(screen)[30], 0x1234);
}

TEST(CPSD, StoredFormsAndOptionalPartsReadAlike)
{
    const PsdLayer plain = sampleDocument().layers[1];
    auto withChannels = [&](int compression) {
        PsdLayer layer = plain;
        for (PsdChannel& channel : layer.channels)
            channel.compression = compression;
        return layer;
    };
    PsdLayer zipped = withChannels(0);
    // A channel packed some other way is stepped over by its length, so the next ones still read.
    zipped.channels.insert(zipped.channels.begin(), PsdChannel{1, Bytes(17, 0xAB), 2});
    PsdLayer masked = withChannels(1);
    masked.maskLength = 20;
    masked.blendingRanges = 0;
    masked.extraBlocks = 4;
    PsdLayer unknownIds = withChannels(0);
    unknownIds.channels.push_back({-2, Bytes(5, 1)});
    unknownIds.channels.push_back({7, channelPlane(30, 8, 1)});
    const struct {
        const char* what;
        PsdLayer layer;
        std::vector<uint16_t> pixels;
    } cases[] = {
        {"raw", withChannels(0), layerPixels(plain)},
        {"run-length", withChannels(1), layerPixels(plain)},
        {"an unknown compression", zipped, layerPixels(plain)},
        {"a 20-byte mask, no blending ranges, four extra blocks", masked, layerPixels(plain)},
        {"channels of other ids", unknownIds, layerPixels(plain)},
    };
    for (const auto& c : cases) {
        PsdDocument file;
        file.layers = {c.layer, sampleDocument().layers[0]};
        file.colourModeData = Bytes(768, 3);
        file.negativeCount = true;
        CPSD document(nullptr);
        ASSERT_EQ(load(document, file.bytes()), 0) << c.what;
        ASSERT_EQ(document.GetLayerNo(), 2) << c.what;
        EXPECT_EQ(pixelsOfPicture(*document.GetCurrentLayer()), c.pixels) << c.what;
        document.SelectLayer(1);
        EXPECT_EQ(document.GetLayerName(-1), "A") << c.what << ": the next layer still reads";
        EXPECT_EQ(pixelsOfPicture(*document.GetCurrentLayer()), layerPixels(file.layers[1])) << c.what;
    }
}

TEST(CPSD, EmptyLayersAndDocumentsWithoutLayersRead)
{
    PsdDocument file;
    PsdLayer empty;
    empty.left = empty.right = 4;
    empty.top = empty.bottom = 6;
    empty.name = "folder end";
    empty.channels = {{-1, {}}, {0, {}, 1}, {1, {}}, {2, {}}};
    PsdLayer onlyRed;
    onlyRed.right = 2, onlyRed.bottom = 2;
    onlyRed.channels = {{0, Bytes{255, 0, 8, 248}}};
    file.layers = {empty, onlyRed};
    CPSD document(nullptr);
    ASSERT_EQ(load(document, file.bytes()), 0);
    EXPECT_EQ(document.GetCurrentLayer()->GetDataPtr(), nullptr);
    EXPECT_EQ(document.GetCurrentLayer()->GetPosition(), CXPoint(4, 6));
    document.SelectLayer(1);
    EXPECT_EQ(pixelsOfPicture(*document.GetCurrentLayer()), (std::vector<uint16_t>{0xF800, 0, 0x0800, 0xF800}));
    EXPECT_EQ(document.GetLayerName(-1), "");

    PsdDocument flat;
    CPSD noLayers(nullptr);
    EXPECT_EQ(load(noLayers, flat.bytes()), 0);
    EXPECT_EQ(noLayers.GetLayerNo(), 0);
    EXPECT_EQ(noLayers.GetCurrentLayer(), nullptr);
    EXPECT_EQ(noLayers.GetLayerName(-1), "");
    EXPECT_EQ(noLayers.GetLayerRect(), CXRect());
    noLayers.SetPosition(3, 3);
    noLayers.SelectLayer(0);
}

TEST(CPSD, DamagedDocumentsGiveAnErrorAndNoLayers)
{
    const PsdDocument sample = sampleDocument();
    const Bytes good = sample.bytes();
    auto cut = [&](size_t length) { return Bytes(good.begin(), good.begin() + long(length)); };
    auto changed = [&](auto change) {
        PsdDocument file = sample;
        change(file);
        return file.bytes();
    };
    auto onChannel = [&](auto change) { return changed([&](PsdDocument& f) { change(f.layers[1].channels[0]); }); };
    // Run-length rows of one packet each, `control` giving its count of copies, under the row
    // counts given. 0xE3 gives the 30 bytes of a row of layer B.
    auto rows = [](std::vector<unsigned> counts, uint8_t control) {
        BigEndianBuilder stored;
        for (unsigned count : counts)
            stored.u16(count);
        for (size_t row = 0; row < counts.size(); ++row)
            stored.u8(control).u8(9);
        return stored.bytes;
    };
    const std::vector<unsigned> whole(8, 2);
    std::vector<unsigned> longFirst = whole;
    longFirst[0] = 3;
    CPSD fixture(nullptr);
    ASSERT_EQ(load(fixture, onChannel([&](PsdChannel& c) { c.stored = rows(whole, 0xE3); })), 0) << "the rows as they should be";
    const struct {
        const char* what;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"cut in the header", cut(20)},
        {"cut in the layer records", cut(200)},
        {"cut in the channel data", cut(1500)},
        {"another signature", changed([](PsdDocument& f) { f.signature = "8BPX"; })},
        {"version 2", changed([](PsdDocument& f) { f.version = 2; })},
        {"16-bit channels", changed([](PsdDocument& f) { f.depth = 16; })},
        {"greyscale", changed([](PsdDocument& f) { f.mode = 1; })},
        {"layer information longer than its section", changed([](PsdDocument& f) { f.layerInfoLengthField = 0x7FFFFFF0; })},
        {"more layers than records", changed([](PsdDocument& f) { f.layerCountField = 3; })},
        {"a layer of negative width", changed([](PsdDocument& f) { f.layers[0].left = 200; })},
        {"a layer too wide", changed([](PsdDocument& f) { f.layers[0].right = 40010; })},
        {"a channel longer than the data", onChannel([](PsdChannel& c) { c.lengthField = 0x7FFFFFFF; })},
        {"a channel length beyond 2 GB", onChannel([](PsdChannel& c) { c.lengthField = 0xFFFFFFF0; })},
        {"a channel too short for its compression word", onChannel([](PsdChannel& c) { c.lengthField = 1; })},
        {"a raw channel short of the layer", onChannel([](PsdChannel& c) { c.compression = 0, c.plane.resize(100); })},
        {"run-length rows short of the layer", onChannel([&](PsdChannel& c) { c.stored = rows(whole, 0xF7); })},
        {"a row count past its row", onChannel([&](PsdChannel& c) { c.stored = rows(longFirst, 0xE3); })},
    };
    for (const auto& c : cases) {
        CPSD document(nullptr);
        EXPECT_EQ(load(document, c.file), CPSDReader::DAMAGED) << c.what;
        EXPECT_EQ(document.GetLayerNo(), 0) << c.what;
        EXPECT_EQ(document.GetCurrentLayer(), nullptr) << c.what;
    }
}

TEST(CPSD, DocumentsLoadByNameAndThroughImageFiles)
{
    GameFolder folder;
    const Bytes bytes = sampleDocument().bytes();
    folder.temp.write("scene.PSD", std::string(bytes.begin(), bytes.end()));
    folder.temp.write("broken.psd", "8BPS");

    CImageFile files(nullptr);
    EXPECT_EQ(files.Load(GameFolder::gamePath("scene.PSD").c_str()), FILETYPE_PSD);
    std::unique_ptr<CGraphicsObject> made(files.GetGraphicsObject());
    auto* document = dynamic_cast<CPSD*>(made.get());
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->LastError(), 0);
    EXPECT_EQ(document->GetLayerNo(), 2);

    CPSD missing(nullptr, GameFolder::gamePath("missing.psd").c_str());
    EXPECT_EQ(missing.LastError(), CFile::NOT_FOUND);
    CPSD reloaded(nullptr, GameFolder::gamePath("scene.PSD").c_str());
    EXPECT_EQ(reloaded.GetLayerNo(), 2);
    EXPECT_EQ(reloaded.Load(GameFolder::gamePath("broken.psd").c_str()), CPSDReader::DAMAGED);
    EXPECT_EQ(reloaded.GetLayerNo(), 0) << "the layers of the last document went";
}

} // namespace
