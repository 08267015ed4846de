#include "graphics/CPackedPlanes.h"

#include "foundation/CLZWCompression2.h"
#include "foundation/CRLECompression.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CPixelFormat.h"
#include "graphics/JPEG.h"

#include <algorithm>
#include <utility>

namespace {

// An LZO block unpacked; its raw length in rawLength. Null when it is damaged.
uint8_t* unpackLzo(const uint8_t* block, int length, int& rawLength)
{
    CLZWCompression2 codec(block, length);
    uint8_t* raw = codec.decompress();
    rawLength = raw != nullptr ? codec.GetSize() : 0;
    return raw;
}

} // namespace

int CPackedPlanes::pixelCount() const
{
    return std::max(CPixelFormat::__get_data_size(owner_.width_, owner_.height_, 8), 0);
}

void CPackedPlanes::setAlphaSize(int alphaSize)
{
    owner_.channelSize_[3] = alphaSize;
}

void CPackedPlanes::receive(CXSize size, int bpp, int code, uint8_t* colour, int colourLength, uint8_t* alpha, int alphaLength)
{
    owner_.CGraphicsObject::Flush();
    owner_.ownsData_ = true;
    owner_.setGeometry(size, bpp);
    owner_.data_ = colour;
    owner_.alpha_ = alpha;
    owner_.compression_ = static_cast<_compression>(code);
    colourSize_ = colourLength;
    alphaLength_ = alpha != nullptr ? alphaLength : 0;
    setAlphaSize(alphaLength_);
}

void CPackedPlanes::dropPlanes()
{
    owner_.freePlane(owner_.data_);
    owner_.freePlane(owner_.alpha_);
    release();
    owner_.compression_ = COMPRESSION_NONE;
    colourSize_ = alphaLength_ = 0;
    setAlphaSize(0);
}

bool CPackedPlanes::deCompress()
{
    int code = owner_.compression_;
    if (code != COMPRESSION_LZW && code != COMPRESSION_LZW_RLE && code != COMPRESSION_JPEG)
        return true;
    bool hasAlpha = owner_.alpha_ != nullptr && owner_.channelSize_[3] > 0;
    return unpackFrom(owner_.data_, colourSize_, hasAlpha ? owner_.alpha_ : nullptr, alphaLength_);
}

bool CPackedPlanes::unpackFrom(const uint8_t* packedColour, int colourLength, const uint8_t* packedAlpha, int alphaLength)
{
    int code = owner_.compression_;
    // A view cannot put new planes in place of the ones it shows.
    if (!owner_.ownsData_)
        return false;
    int rawLength = 0;
    std::unique_ptr<uint8_t[]> colour;
    if (code == COMPRESSION_JPEG) {
        JPEG jpeg(packedColour, size_t(std::max(colourLength, 0)));
        int bpp = owner_.bpp_ == 15 ? 15 : 16;
        if (jpeg.getWidth() == owner_.width_ && jpeg.getHeight() == owner_.height_)
            colour.reset(jpeg.decompress(bpp));
        owner_.setGeometry(CXSize(owner_.width_, owner_.height_), bpp);
        rawLength = owner_.dataSize_;
    } else {
        colour.reset(unpackLzo(packedColour, colourLength, rawLength));
    }
    std::unique_ptr<uint8_t[]> alpha;
    int alphaRawLength = 0;
    if (packedAlpha != nullptr)
        alpha.reset(unpackLzo(packedAlpha, alphaLength, alphaRawLength));
    bool runLength = code == COMPRESSION_LZW_RLE;
    bool sizesFit = runLength || (rawLength == owner_.dataSize_ && (alpha == nullptr || alphaRawLength == pixelCount()));
    if (colour == nullptr || (packedAlpha != nullptr && alpha == nullptr) || !sizesFit) {
        dropPlanes();
        return false;
    }
    owner_.freePlane(owner_.data_);
    owner_.freePlane(owner_.alpha_);
    owner_.data_ = colour.release();
    owner_.alpha_ = alpha.release();
    colourSize_ = code == COMPRESSION_JPEG ? 0 : rawLength;
    alphaLength_ = alphaRawLength;
    setAlphaSize(owner_.alpha_ != nullptr ? pixelCount() : 0);
    owner_.compression_ = runLength ? COMPRESSION_RLE : COMPRESSION_NONE;
    if (runLength && !unpacksWhole()) {
        dropPlanes();
        return false;
    }
    return true;
}

bool CPackedPlanes::unpacksWhole() const
{
    int raw = CPixelFormat::__get_data_size(owner_.width_, owner_.height_, owner_.bpp_);
    std::unique_ptr<uint8_t[]> colour(CRLECompression::__decompress(owner_.data_, colourSize_, raw));
    return colour != nullptr && (owner_.alpha_ == nullptr || unpackedAlpha() != nullptr);
}

std::unique_ptr<uint8_t[]> CPackedPlanes::unpackedAlpha() const
{
    if (owner_.compression_ != COMPRESSION_RLE || owner_.alpha_ == nullptr)
        return nullptr;
    return std::unique_ptr<uint8_t[]>(CRLECompression::__decompresschar(owner_.alpha_, alphaLength_, pixelCount()));
}

bool CPackedPlanes::deCompressRLE2()
{
    if (owner_.compression_ != COMPRESSION_RLE)
        return true;
    if (!owner_.ownsData_)
        return false;
    int raw = CPixelFormat::__get_data_size(owner_.width_, owner_.height_, owner_.bpp_);
    std::unique_ptr<uint8_t[]> colour(CRLECompression::__decompress(owner_.data_, colourSize_, raw));
    std::unique_ptr<uint8_t[]> alpha = unpackedAlpha();
    if (colour == nullptr || (owner_.alpha_ != nullptr && alpha == nullptr))
        return false;
    release();
    keptColour_ = std::exchange(owner_.data_, colour.release());
    keptAlpha_ = owner_.alpha_;
    owner_.alpha_ = alpha.release();
    keptBpp_ = owner_.bpp_;
    owner_.dataSize_ = raw;
    setAlphaSize(owner_.alpha_ != nullptr ? pixelCount() : 0);
    owner_.compression_ = COMPRESSION_NONE;
    return true;
}

void CPackedPlanes::bringBackCompressed()
{
    if (!unpacked_)
        pack(true);
}

void CPackedPlanes::unpack()
{
    if (unpacked_)
        return;
    deCompressRLE2();
    unpacked_ = true;
}

void CPackedPlanes::pack(bool freeUnpacked)
{
    if (keptColour_ == nullptr) {
        unpacked_ = false;
        return;
    }
    auto restore = [this, freeUnpacked](uint8_t*& plane, uint8_t*& kept) {
        if (freeUnpacked)
            owner_.freePlane(plane);
        plane = std::exchange(kept, nullptr);
    };
    owner_.bpp_ = keptBpp_;
    restore(owner_.data_, keptColour_);
    if (keptAlpha_ != nullptr)
        restore(owner_.alpha_, keptAlpha_);
    owner_.compression_ = COMPRESSION_RLE;
    unpacked_ = false;
}

void CPackedPlanes::compress(int code)
{
    if (owner_.compression_ == COMPRESSION_NONE) {
        owner_.dataSize_ = CPixelFormat::__get_data_size(owner_.width_, owner_.height_, owner_.bpp_);
        colourSize_ = owner_.dataSize_;
    }
    // Old unpacked frames pack as raw ones do. A view cannot put packed planes in place of the
    // ones it shows.
    bool raw = owner_.compression_ == COMPRESSION_NONE || owner_.compression_ == COMPRESSION_OLD;
    if (!raw || code != COMPRESSION_RLE || !owner_.ownsData_ || owner_.data_ == nullptr)
        return;
    int colourLength = 0;
    int alphaLength = 0;
    std::unique_ptr<uint8_t[]> colour(CRLECompression::__compress(owner_.data_, owner_.dataSize_, colourLength));
    std::unique_ptr<uint8_t[]> alpha;
    if (owner_.alpha_ != nullptr)
        alpha.reset(CRLECompression::__compresschar(owner_.alpha_, pixelCount(), alphaLength));
    if (colour == nullptr || (owner_.alpha_ != nullptr && alpha == nullptr))
        return;
    release();
    owner_.freePlane(owner_.data_);
    owner_.data_ = colour.release();
    colourSize_ = colourLength;
    if (alpha != nullptr) {
        owner_.freePlane(owner_.alpha_);
        owner_.alpha_ = alpha.release();
        alphaLength_ = alphaLength;
        setAlphaSize(alphaLength);
    }
    owner_.compression_ = COMPRESSION_RLE;
}

void CPackedPlanes::release()
{
    owner_.freePlane(keptColour_);
    owner_.freePlane(keptAlpha_);
    unpacked_ = false;
}

void CPackedPlanes::viewOf(const CPackedPlanes& other)
{
    colourSize_ = other.colourSize_;
    alphaLength_ = other.alphaLength_;
}

CPackedPlanes::RawScope::RawScope(CPackedPlanes& planes)
    : planes_(planes), unpacked_(planes.owner_.compression_ == COMPRESSION_RLE && planes.deCompressRLE2())
{
    if (unpacked_)
        planes_.release();
}

CPackedPlanes::RawScope::~RawScope()
{
    if (unpacked_)
        planes_.compress(COMPRESSION_RLE);
}

CPackedPlanes::ReadScope::ReadScope(CPackedPlanes& planes)
    : planes_(planes), heldPacked_(false), raw_(planes.deCompress())
{
    if (raw_ && planes.owner_.compression_ == COMPRESSION_RLE) {
        raw_ = planes.deCompressRLE2();
        heldPacked_ = raw_;
    }
}

CPackedPlanes::ReadScope::~ReadScope()
{
    if (heldPacked_)
        planes_.bringBackCompressed();
}
