// The pixel operations of CGraphicsObject: flood fill, colour filters and replacement, outlines,
// scaling, centring, deep copies, displacement and alpha stamping.
#include "graphics/CAlphaStamp.h"
#include "graphics/CColor.h"
#include "graphics/CGraphicsObject.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

bool hasArea(const CXRect& r)
{
    return r.Width() > 0 && r.Height() > 0;
}

// The explicit stack of a scan-line flood fill: one entry a recorded span, with how far its scans
// of the row ahead and of the row behind have come. Walking it visits spans in the order a
// recursive fill would, with no recursion depth to run out of.
class FloodSearch {
public:
    FloodSearch(const uint16_t* pixels, uint16_t* mark, int width, int height, uint16_t fill, _floodfill* spans, int capacity)
        : pixels_(pixels), mark_(mark), width_(width), height_(height), fill_(fill), spans_(spans), capacity_(capacity)
    {
    }

    // The number of spans recorded from the seed.
    int run(CXPoint seed)
    {
        record(seed.x, seed.y, 1, seed.x, seed.x);
        while (!stack_.empty() && count_ < capacity_) {
            Frame& frame = stack_.back();
            int x = 0, y = 0, direction = 0;
            if (!nextSeed(frame, x, y, direction)) {
                stack_.pop_back();
                continue;
            }
            record(x, y, direction, frame.left, frame.right);
        }
        return count_;
    }

    CXRect bounds() const { return bounds_; }

private:
    struct Frame {
        int left;
        int right;
        int row;
        int direction;
        int parentLeft;
        int parentRight;
        // 0 the row ahead, 1 and 2 the row behind left and right of the parent, 3 done.
        int phase;
        int cursor;
    };

    bool qualifies(int x, int y) const
    {
        size_t at = size_t(y) * width_ + x;
        return pixels_[at] != 0 && mark_[at] != fill_;
    }

    // Grows the span through (x, y) along its row, records and marks it, and stacks it.
    void record(int x, int y, int direction, int parentLeft, int parentRight)
    {
        int left = x, right = x;
        while (left > 0 && qualifies(left - 1, y))
            --left;
        while (right < width_ - 1 && qualifies(right + 1, y))
            ++right;
        spans_[count_++] = _floodfill{int16_t(left), int16_t(y), int16_t(right - left + 1)};
        std::fill(mark_ + size_t(y) * width_ + left, mark_ + size_t(y) * width_ + right + 1, fill_);
        CXRect span(left, y, right + 1, y);
        bounds_ = count_ == 1 ? span
                              : CXRect(std::min(bounds_.left, left), std::min(bounds_.top, y), std::max(bounds_.right, right + 1),
                                       std::max(bounds_.bottom, y));
        stack_.push_back(Frame{left, right, y, direction, parentLeft, parentRight, 0, left});
    }

    // The next pixel next to the span that starts a span of its own, and the way that span goes.
    // Behind the span only the columns beyond its parent are looked at: the parent lies there.
    bool nextSeed(Frame& frame, int& x, int& y, int& direction)
    {
        while (frame.phase < 3) {
            int row = frame.phase == 0 ? frame.row + frame.direction : frame.row - frame.direction;
            int last = frame.phase == 1 ? std::min(frame.parentLeft - 1, frame.right) : frame.right;
            if (row >= 0 && row < height_) {
                for (; frame.cursor <= last; ++frame.cursor) {
                    if (qualifies(frame.cursor, row)) {
                        x = frame.cursor++;
                        y = row;
                        direction = frame.phase == 0 ? frame.direction : -frame.direction;
                        return true;
                    }
                }
            }
            ++frame.phase;
            frame.cursor = frame.phase == 1 ? frame.left : std::max(frame.parentRight, frame.left);
        }
        return false;
    }

    const uint16_t* pixels_;
    uint16_t* mark_;
    int width_;
    int height_;
    uint16_t fill_;
    _floodfill* spans_;
    int capacity_;
    int count_ = 0;
    CXRect bounds_;
    std::vector<Frame> stack_;
};

// The picture's own part of a rectangle; nothing when they do not overlap.
CXRect partWithin(const CXRect& rect, int width, int height)
{
    CXRect part = rect.Common(CXRect(0, 0, width, height));
    return part.Width() > 0 && part.Height() > 0 ? part : CXRect();
}

// Each new index (0 to count − 1) scaled back to an old one, kept below the old extent.
std::vector<int> nearest(int count, double factor, int extent)
{
    std::vector<int> map(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        map[size_t(i)] = std::min(int(i / factor), extent - 1);
    return map;
}

std::vector<int> everySecond(int count)
{
    std::vector<int> map(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        map[size_t(i)] = 2 * i;
    return map;
}

template <typename Pixel>
void resamplePlane(const Pixel* from, int fromWidth, Pixel* to, const int* columns, int width, const int* rows, int height)
{
    for (int i = 0; i < height; ++i) {
        const Pixel* row = from + size_t(rows[i]) * fromWidth;
        Pixel* out = to + size_t(i) * width;
        for (int j = 0; j < width; ++j)
            out[j] = row[columns[j]];
    }
}

} // namespace

CXRect CGraphicsObject::PrepareFloodFill(CXPoint start, CColor color, char* mark, _floodfill* spans, int capacity)
{
    ffArray_ = spans;
    ffCount_ = 0;
    bool fits = width_ > 0 && height_ > 0 && width_ <= INT16_MAX && height_ <= INT16_MAX;
    if (!hasRaw16BitPlane() || !fits || mark == nullptr || spans == nullptr || capacity <= 0)
        return CXRect();
    CXPoint seed(std::clamp(start.x, 0, width_ - 1), std::clamp(start.y, 0, height_ - 1));
    FloodSearch search(reinterpret_cast<const uint16_t*>(data_), reinterpret_cast<uint16_t*>(mark), width_, height_,
                       uint16_t(color.GetInBPP(bpp_)), spans, capacity);
    ffCount_ = search.run(seed);
    return search.bounds();
}

int CGraphicsObject::FloodFill(CColor color, char* plane)
{
    if (plane == nullptr || ffArray_ == nullptr || (bpp_ != 15 && bpp_ != 16))
        return 0;
    auto value = uint16_t(color.GetInBPP(bpp_));
    auto* pixels = reinterpret_cast<uint16_t*>(plane);
    int written = 0;
    for (int i = 0; i < ffCount_; ++i) {
        const _floodfill& span = ffArray_[i];
        // The picture may have changed its size since the spans were found.
        if (span.row < 0 || span.row >= height_ || span.left < 0 || span.length <= 0 || span.left + span.length > width_)
            continue;
        std::fill_n(pixels + size_t(span.row) * width_ + span.left, span.length, value);
        ++written;
    }
    return written;
}

void CGraphicsObject::InvertColors()
{
    if (!hasRawPlane() || bpp_ != 15)
        return;
    auto* pixels = reinterpret_cast<uint16_t*>(data_);
    int count = pixelCount();
    for (int i = 0; i < count; ++i)
        pixels[i] = uint16_t(~pixels[i] & 0x7FFF);
}

void CGraphicsObject::outline(unsigned short color, int thickness)
{
    if (!hasRaw16BitPlane())
        return;
    auto* pixels = reinterpret_cast<uint16_t*>(data_);
    auto paint = [&](int x, int y) {
        size_t at = size_t(y) * width_ + x;
        pixels[at] = color;
        if (alpha_ != nullptr)
            alpha_[at] = 255;
    };
    int rows = std::clamp(thickness, 0, height_);
    int columns = std::clamp(thickness, 0, width_);
    for (int i = 0; i < rows; ++i) {
        for (int x = 0; x < width_; ++x) {
            paint(x, i);
            paint(x, height_ - 1 - i);
        }
    }
    for (int i = 0; i < columns; ++i) {
        for (int y = 0; y < height_; ++y) {
            paint(i, y);
            paint(width_ - 1 - i, y);
        }
    }
}

void CGraphicsObject::Scale(double sx, double sy)
{
    // Written so that NaN fails too.
    if (!(sx > 0.0) || !(sy > 0.0))
        return;
    double width = std::trunc(width_ * sx);
    double height = std::trunc(height_ * sy);
    if (width > INT32_MAX || height > INT32_MAX || width * height * 2 > INT32_MAX)
        return;
    bool empty = width == 0 || height == 0;
    std::vector<int> columns = nearest(empty ? 0 : int(width), sx, width_);
    std::vector<int> rows = nearest(empty ? 0 : int(height), sy, height_);
    resample(columns.data(), int(width), rows.data(), int(height));
}

void CGraphicsObject::Scale2x()
{
    std::vector<int> columns = everySecond(width_ / 2);
    std::vector<int> rows = everySecond(height_ / 2);
    resample(columns.data(), width_ / 2, rows.data(), height_ / 2);
}

void CGraphicsObject::resample(const int* columns, int width, const int* rows, int height)
{
    // A view may change the pixels it shows but cannot take new planes.
    if (!hasRaw16BitPlane() || !ownsData_ || width_ <= 0 || height_ <= 0)
        return;
    int64_t pixels = int64_t(width) * height;
    uint8_t* colour = newPlane(pixels * 2);
    uint8_t* alpha = alpha_ != nullptr ? newPlane(pixels) : nullptr;
    if (colour == nullptr || (alpha_ != nullptr && alpha == nullptr)) {
        delete[] colour;
        delete[] alpha;
        return;
    }
    if (pixels > 0) {
        resamplePlane(reinterpret_cast<const uint16_t*>(data_), width_, reinterpret_cast<uint16_t*>(colour), columns, width, rows, height);
        if (alpha != nullptr)
            resamplePlane(alpha_, width_, alpha, columns, width, rows, height);
    }
    freePlane(data_);
    freePlane(alpha_);
    data_ = colour;
    alpha_ = alpha;
    setGeometry(CXSize(width, height), bpp_);
    channelSize_[3] = alpha != nullptr ? int(pixels) : 0;
}

void CGraphicsObject::FitRect(CXRect rect)
{
    // The stored position is the centred one, whatever the anchor.
    SetPosition(rect.GetCenteredPosition(this) + getAnchor());
}

void CGraphicsObject::FitObject(CGraphicsObject* object)
{
    if (object != nullptr)
        FitRect(object->GetBoundingBox());
}

void CGraphicsObject::Copy(CGraphicsObject* source)
{
    if (source == nullptr || source == this)
        return;
    CPackedPlanes::RawScope raw(source->packing_);
    CXRect clip = source->clip_;
    copyPartOf(*source, clip.IsEmpty() ? CXRect(0, 0, source->width_, source->height_) : clip);
    CXPoint at = source->GetPosition();
    x_ = at.x;
    y_ = at.y;
    if (clip.IsEmpty()) {
        clip_ = source->clip_;
        viewport_ = source->viewport_;
        std::copy(std::begin(source->channelSize_), std::end(source->channelSize_), channelSize_);
    }
}

void CGraphicsObject::Copy(CGraphicsObject* source, CXRect rect)
{
    if (rect.IsEmpty()) {
        Copy(source);
        return;
    }
    if (source == nullptr || source == this)
        return;
    CPackedPlanes::RawScope raw(source->packing_);
    CXRect part = copyPartOf(*source, rect);
    x_ = part.left;
    y_ = part.top;
}

CXRect CGraphicsObject::copyPartOf(CGraphicsObject& source, const CXRect& rect)
{
    CGraphicsObject::Flush();
    // A view lets go of the planes it showed: the copy's planes are its own.
    data_ = alpha_ = red_ = green_ = blue_ = nullptr;
    ownsData_ = true;
    visible_ = true;
    fileName_ = source.fileName_ + "copy";
    window_ = source.window_;
    destiny_ = source.destiny_;
    autoClip_ = source.autoClip_;
    compression_ = COMPRESSION_NONE;
    clip_ = viewport_ = CXRect();
    bool readable = source.data_ != nullptr && (source.compression_ == COMPRESSION_NONE || source.compression_ == COMPRESSION_OLD);
    CXRect part = readable ? partWithin(rect, source.width_, source.height_) : CXRect();
    data_ = copyPart(source.data_, source.width_, part, source.GetPixelSize());
    alpha_ = source.alpha_ != nullptr ? copyPart(source.alpha_, source.width_, part, 1) : nullptr;
    setGeometry(CXSize(part.Width(), part.Height()), source.bpp_);
    std::fill(std::begin(channelSize_), std::end(channelSize_), 0);
    channelSize_[3] = alpha_ != nullptr ? pixelCount() : 0;
    return part;
}

void CGraphicsObject::displacementFilter(CXPoint* offsets, bool withAlpha, bool freeOld)
{
    // A view may change the pixels it shows but cannot take new planes.
    if (!hasRaw16BitPlane() || !ownsData_ || offsets == nullptr)
        return;
    int count = pixelCount();
    bool displaceAlpha = withAlpha && alpha_ != nullptr;
    uint8_t* colour = newPlane(int64_t(count) * 2);
    uint8_t* alpha = displaceAlpha ? newPlane(count) : nullptr;
    if (colour == nullptr || (displaceAlpha && alpha == nullptr)) {
        delete[] colour;
        delete[] alpha;
        return;
    }
    const auto* oldPixels = reinterpret_cast<const uint16_t*>(data_);
    auto* pixels = reinterpret_cast<uint16_t*>(colour);
    // Offsets move the index in the plane: one past the row's end is the next row's start.
    for (int64_t at = 0; at < count; ++at) {
        int64_t from = at + int64_t(offsets[at].y) * width_ + offsets[at].x;
        int64_t source = uint64_t(from) < uint64_t(count) ? from : at;
        pixels[at] = oldPixels[source];
        if (alpha != nullptr)
            alpha[at] = alpha_[source];
    }
    if (freeOld) {
        freePlane(data_);
        if (alpha != nullptr)
            freePlane(alpha_);
    }
    data_ = colour;
    if (alpha != nullptr)
        alpha_ = alpha;
}

bool CGraphicsObject::takePlanes(uint8_t* colour, uint8_t* alpha, CXSize size)
{
    if (!ownsData_ || (bpp_ != 15 && bpp_ != 16) || size.cx < 0 || size.cy < 0)
        return false;
    // Packed planes kept aside would bring the old picture back.
    packing_.release();
    freePlane(data_);
    freePlane(alpha_);
    data_ = colour;
    alpha_ = alpha;
    compression_ = COMPRESSION_NONE;
    setGeometry(size, bpp_);
    std::fill(std::begin(channelSize_), std::end(channelSize_), 0);
    channelSize_[3] = alpha != nullptr ? pixelCount() : 0;
    return true;
}

// ---- colour replacement and alpha stamping ---------------------------------------------------

void CGraphicsObject::replace_color(short from, short to)
{
    CPackedPlanes::RawScope raw(packing_);
    if (!hasRawPlane() || (bpp_ != 15 && bpp_ != 16))
        return;
    auto* pixels = reinterpret_cast<uint16_t*>(data_);
    std::replace(pixels, pixels + pixelCount(), static_cast<uint16_t>(from), static_cast<uint16_t>(to));
}

const uint8_t* CGraphicsObject::stampAlpha(CGraphicsObject* stamp, std::unique_ptr<uint8_t[]>& copy)
{
    if (alpha_ == nullptr || compression_ != COMPRESSION_NONE)
        return nullptr;
    copy = stamp->packing_.unpackedAlpha();
    if (copy != nullptr)
        return copy.get();
    if (stamp->compression_ != COMPRESSION_NONE || stamp->alpha_ == nullptr)
        return nullptr;
    // A picture stamped into itself reads what it had before the copy.
    if (stamp->alpha_ == alpha_) {
        copy = std::make_unique<uint8_t[]>(size_t(pixelCount()));
        std::copy(alpha_, alpha_ + pixelCount(), copy.get());
        return copy.get();
    }
    return stamp->alpha_;
}

void CGraphicsObject::invalidatePart(const CXRect& part)
{
    if (hasArea(part)) {
        CXRect moved = part + GetPosition();
        Invalidate(&moved);
    }
}

void CGraphicsObject::restoreAlpha(CGraphicsObject* stamp)
{
    if (stamp == nullptr || stamp->alphaStamp_ == nullptr)
        return;
    CPackedPlanes::RawScope raw(packing_);
    if (alpha_ != nullptr && compression_ == COMPRESSION_NONE)
        invalidatePart(stamp->alphaStamp_->restore(alpha_, width_, height_));
}

void CGraphicsObject::mergeAlpha(CXPoint at, CGraphicsObject* stamp)
{
    if (stamp == nullptr)
        return;
    restoreAlpha(stamp);
    if (at.x >= width_ || at.y >= height_)
        return;
    CPackedPlanes::RawScope raw(packing_);
    std::unique_ptr<uint8_t[]> copy;
    const uint8_t* from = stampAlpha(stamp, copy);
    if (from == nullptr)
        return;
    int stampWidth = stamp->width_;
    CXRect part(std::max(at.x, 0), std::max(at.y, 0), int(std::min<int64_t>(int64_t(at.x) + stampWidth, width_)),
                int(std::min<int64_t>(int64_t(at.y) + stamp->height_, height_)));
    if (!hasArea(part))
        return;
    if (stamp->alphaStamp_ == nullptr)
        stamp->alphaStamp_ = std::make_unique<CAlphaStamp>();
    stamp->alphaStamp_->save(alpha_, width_, part);
    for (int row = part.top; row < part.bottom; ++row) {
        const uint8_t* source = from + size_t(row - at.y) * stampWidth + (part.left - at.x);
        std::copy(source, source + part.Width(), alpha_ + size_t(row) * width_ + part.left);
    }
    invalidatePart(part);
}

void CGraphicsObject::mergeAlpha2(CXPoint at, CGraphicsObject* stamp, bool reset)
{
    if (stamp == nullptr)
        return;
    CPackedPlanes::RawScope raw(packing_);
    std::unique_ptr<uint8_t[]> copy;
    const uint8_t* from = stampAlpha(stamp, copy);
    if (from == nullptr)
        return;
    if (reset)
        std::fill_n(alpha_, pixelCount(), uint8_t(255));
    // The stamp's box gives the extent; rows and columns are the stamp's own from its corner. Only
    // what falls inside this picture is written.
    CXRect box = stamp->GetBoundingBox();
    int rows = std::min(box.Height(), stamp->height_);
    int columns = std::min(box.Width(), stamp->width_);
    CXRect part(std::max(at.x, 0), std::max(at.y, 0), int(std::min<int64_t>(int64_t(at.x) + std::max(columns, 0), width_)),
                int(std::min<int64_t>(int64_t(at.y) + std::max(rows, 0), height_)));
    for (int row = part.top; row < part.bottom; ++row) {
        const uint8_t* source = from + size_t(row - at.y) * stamp->width_;
        uint8_t* target = alpha_ + size_t(row) * width_;
        for (int column = part.left; column < part.right; ++column) {
            if (target[column] != 0)
                target[column] = source[column - at.x];
        }
    }
    if (reset)
        Invalidate();
    else
        invalidatePart(part);
}
