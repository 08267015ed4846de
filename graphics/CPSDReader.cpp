#include "graphics/CPSDReader.h"

#include "foundation/CByteReader.h"
#include "foundation/CRLECompression2.h"
#include "graphics/CPixelFormat.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr uint16_t kVersion = 1;
constexpr uint16_t kDepth = 8;
constexpr uint16_t kRgbMode = 3;
constexpr uint16_t kRaw = 0;
constexpr uint16_t kRunLength = 1;
constexpr size_t kChannelEntry = 6;
// Signature, blend key, opacity, clipping, flags, filler.
constexpr size_t kBlendModeData = 12;

// The next section of the bytes: a 32-bit length and that many bytes.
CByteReader section(CByteReader& in)
{
    uint32_t length = in.u32BE();
    const uint8_t* bytes = in.take(size_t(length));
    return in.failed() ? CByteReader(nullptr, 0) : CByteReader(bytes, length);
}

bool skipSection(CByteReader& in)
{
    section(in);
    return !in.failed();
}

// Which of the layer's planes a channel fills: red, green, blue, alpha; -1 for none.
int planeOf(int16_t id)
{
    return id >= 0 && id <= 2 ? id : id == -1 ? 3 : -1;
}

} // namespace

int CPSDReader::read(const uint8_t* data, size_t size, CWindow* window, int bpp, std::vector<std::unique_ptr<CPSDLayer>>& layers)
{
    layers.clear();
    CByteReader in(data, size);
    bool signature = in.startsWith("8BPS", 4);
    in.skip(4);
    uint16_t version = in.u16BE();
    in.skip(6);
    in.skip(2 + 4 + 4);
    uint16_t depth = in.u16BE();
    uint16_t mode = in.u16BE();
    if (!signature || version != kVersion || depth != kDepth || mode != kRgbMode || !skipSection(in) || !skipSection(in))
        return DAMAGED;
    CByteReader layersAndMasks = section(in);
    if (in.failed())
        return DAMAGED;
    // A document without layer information has no layers; a negative count only says more of the
    // merged image.
    CByteReader info = layersAndMasks.size() > 0 ? section(layersAndMasks) : CByteReader(nullptr, 0);
    if (layersAndMasks.failed())
        return DAMAGED;
    int count = info.size() > 0 ? std::abs(int(info.s16BE())) : 0;
    std::vector<std::unique_ptr<CPSDLayer>> read;
    for (int i = 0; i < count; ++i) {
        read.push_back(std::make_unique<CPSDLayer>());
        if (!readRecord(info, *read.back()))
            return DAMAGED;
    }
    for (auto& layer : read) {
        if (!readPicture(info, *layer, window, bpp))
            return DAMAGED;
    }
    if (info.failed())
        return DAMAGED;
    layers = std::move(read);
    return 0;
}

bool CPSDReader::readRecord(CByteReader& in, CPSDLayer& layer)
{
    int top = in.i32BE();
    int left = in.i32BE();
    int bottom = in.i32BE();
    int right = in.i32BE();
    int channels = in.u16BE();
    if (in.failed() || size_t(channels) * kChannelEntry > in.remaining())
        return false;
    int64_t width = int64_t(right) - left;
    int64_t height = int64_t(bottom) - top;
    if (width < 0 || height < 0 || width > MAX_SIDE || height > MAX_SIDE)
        return false;
    layer.rect = CXRect(left, top, right, bottom);
    for (int i = 0; i < channels; ++i) {
        int16_t id = in.s16BE();
        uint32_t length = in.u32BE();
        layer.channels.push_back({id, length});
    }
    in.skip(kBlendModeData);
    // The extra data holds the mask data, the blending ranges, the name and any number of
    // additional blocks; its length steps over all of them.
    CByteReader extra = section(in);
    skipSection(extra);
    skipSection(extra);
    int nameLength = extra.u8();
    const uint8_t* name = extra.take(size_t(nameLength));
    if (in.failed() || extra.failed())
        return false;
    // The name stops at its first zero byte.
    layer.name = std::string(reinterpret_cast<const char*>(name), size_t(nameLength)).c_str();
    return true;
}

bool CPSDReader::readPicture(CByteReader& in, CPSDLayer& layer, CWindow* window, int bpp)
{
    int width = layer.rect.Width();
    int height = layer.rect.Height();
    std::unique_ptr<uint8_t[]> planes[4];
    for (const CPSDLayer::Channel& channel : layer.channels) {
        const uint8_t* bytes = channel.length <= INT32_MAX ? in.take(size_t(channel.length)) : nullptr;
        if (bytes == nullptr)
            return false;
        int plane = planeOf(channel.id);
        CByteReader data(bytes, channel.length);
        std::unique_ptr<uint8_t[]> read;
        if (plane >= 0 && !readChannel(data, width, height, read))
            return false;
        if (read != nullptr)
            planes[plane] = std::move(read);
    }
    // Pixels come only from channels that were read: a layer without any has none.
    bool pixels = planes[0] != nullptr || planes[1] != nullptr || planes[2] != nullptr || planes[3] != nullptr;
    layer.picture = pixels ? std::make_unique<CGraphicsObject>(window, CXSize(width, height), bpp) : std::make_unique<CGraphicsObject>(window);
    CGraphicsObject& picture = *layer.picture;
    picture.setFileName(layer.name);
    picture.SetPosition(layer.rect.left, layer.rect.top);
    if (!pixels)
        return true;
    if (picture.GetDataPtr() == nullptr || !joinRows(planes, width, height, bpp, picture.GetDataPtr()))
        return false;
    if (planes[3] != nullptr) {
        picture.AlphaChannel() = planes[3].release();
        picture.SetChannelSize(3, width * height);
    }
    return true;
}

bool CPSDReader::joinRows(const std::unique_ptr<uint8_t[]> (&planes)[4], int width, int height, int bpp, uint8_t* colour)
{
    // A row at a time through 24-bit pixels (blue, green, red); a missing colour channel reads 0.
    std::vector<uint8_t> row(size_t(width) * 3);
    for (int y = 0; y < height; ++y) {
        size_t first = size_t(y) * width;
        for (int channel = 0; channel < 3; ++channel) {
            const uint8_t* from = planes[2 - channel].get();
            for (int x = 0; x < width; ++x)
                row[size_t(x) * 3 + channel] = from != nullptr ? from[first + x] : 0;
        }
        std::unique_ptr<uint8_t[]> converted(CPixelFormat::_convertTo16(row.data(), width, 3, bpp));
        if (converted == nullptr)
            return false;
        std::memcpy(colour + first * 2, converted.get(), size_t(width) * 2);
    }
    return true;
}

bool CPSDReader::readChannel(CByteReader& in, int width, int height, std::unique_ptr<uint8_t[]>& plane)
{
    uint16_t compression = in.u16BE();
    if (in.failed())
        return false;
    size_t count = size_t(width) * size_t(height);
    // An empty layer's channels hold no pixels, however they say they are packed.
    if (count == 0)
        return true;
    if (compression == kRaw) {
        const uint8_t* bytes = in.take(count);
        if (bytes == nullptr)
            return false;
        plane.reset(new (std::nothrow) uint8_t[count]);
        if (plane != nullptr)
            std::memcpy(plane.get(), bytes, count);
        return plane != nullptr;
    }
    if (compression != kRunLength)
        return true;
    if (size_t(height) * 2 > in.remaining())
        return false;
    auto* rowCounts = new int16_t[size_t(height)];
    for (int row = 0; row < height; ++row)
        rowCounts[row] = in.s16BE();
    size_t packed = in.remaining();
    CRLECompression2 codec(CXSize(width, height), rowCounts, in.take(packed), int(packed));
    plane.reset(codec.Decompress());
    return plane != nullptr;
}
