#include "graphics/CImageWriter.h"

#include "foundation/CByteWriter.h"
#include "foundation/CFile.h"
#include "foundation/CRLECompression.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CPixelFormat.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// The part of the picture the file holds: the clipping rectangle when the object has one, held
// to the picture.
CXRect writtenPart(CGraphicsObject& object)
{
    int width = object.Width();
    int height = object.Size().cy;
    CXRect clip = object.GetClippingRect();
    bool clipped = (clip.right != clip.left && clip.bottom != clip.top) || (clip.Width() > 0 && clip.Width() != width)
        || (clip.Height() > 0 && clip.Height() != height);
    if (!clipped)
        return CXRect(0, 0, width, height);
    CXRect part(std::clamp(clip.left, 0, width), std::clamp(clip.top, 0, height), std::clamp(clip.right, 0, width),
                std::clamp(clip.bottom, 0, height));
    part.right = std::max(part.right, part.left);
    part.bottom = std::max(part.bottom, part.top);
    return part;
}

// The rows of `part` of a plane `width` pixels wide.
Bytes rowsOf(const uint8_t* plane, int width, const CXRect& part, int pixelSize)
{
    Bytes rows;
    size_t rowBytes = size_t(part.Width()) * size_t(pixelSize);
    rows.reserve(rowBytes * size_t(part.Height()));
    for (int y = part.top; y < part.bottom; ++y) {
        const uint8_t* row = plane + (size_t(y) * size_t(width) + size_t(part.left)) * size_t(pixelSize);
        rows.insert(rows.end(), row, row + rowBytes);
    }
    return rows;
}

Bytes runLengthPacked(const Bytes& plane, bool sixteenBit)
{
    int length = 0;
    int size = int(plane.size());
    std::unique_ptr<uint8_t[]> packed(sixteenBit ? CRLECompression::__compress(plane.data(), size, length)
                                                 : CRLECompression::__compresschar(plane.data(), size, length));
    return packed != nullptr ? Bytes(packed.get(), packed.get() + length) : Bytes();
}

bool writePlanes(CGraphicsObject& object, CFile* file, int code)
{
    int pixelSize = CPixelFormat::__get_pixel_size(object.GetBpp());
    CXRect part = writtenPart(object);
    if (part.Width() > 0 && part.Height() > 0 && object.GetDataPtr() == nullptr)
        return false;
    CImageWriter::FilePlanes planes = CImageWriter::filePlanes(object, part, code);
    CXPoint at = object.GetPosition();
    CByteWriter image;
    image.bytes("PIK", 4);
    image.i32(part.Width());
    image.i32(part.Height());
    image.i32(object.GetBpp());
    image.i32(part.Width() * part.Height() * pixelSize);
    image.i32(0);
    image.i32(planes.code);
    image.i32(int(planes.alpha.size()));
    image.i32(at.x + part.left);
    image.i32(at.y + part.top);
    image.bytes(planes.colour.data(), planes.colour.size());
    image.bytes(planes.alpha.data(), planes.alpha.size());
    int length = int(image.size());
    return file->Write(image.data().data(), length) == length;
}

} // namespace

bool CImageWriter::write(CGraphicsObject& object, CFile* file, int code)
{
    CPackedPlanes::ReadScope raw(object.packing());
    return file != nullptr && raw.raw() && writePlanes(object, file, code);
}

CImageWriter::FilePlanes CImageWriter::filePlanes(CGraphicsObject& object, const CXRect& part, int code)
{
    FilePlanes planes;
    if (part.Width() <= 0 || part.Height() <= 0 || object.GetDataPtr() == nullptr)
        return planes;
    int pixelSize = CPixelFormat::__get_pixel_size(object.GetBpp());
    planes.colour = rowsOf(object.GetDataPtr(), object.Width(), part, pixelSize);
    if (object.GetChannelAlpha() != nullptr)
        planes.alpha = rowsOf(object.GetChannelAlpha(), object.Width(), part, 1);
    if (code == COMPRESSION_RLE) {
        planes.colour = runLengthPacked(planes.colour, true);
        planes.alpha = runLengthPacked(planes.alpha, false);
        planes.code = COMPRESSION_RLE;
    }
    return planes;
}
