#include "objects/CBlurEffect.h"

#include "graphics/CGraphicsObject.h"
#include "objects/CFilterPicture.h"

#include <algorithm>
#include <vector>

namespace {

// The three channels of a pixel format.
struct Channels {
    int redShift;
    int greenMask;

    int red(uint16_t p) const { return p >> redShift & 31; }
    int green(uint16_t p) const { return p >> 5 & greenMask; }
    static int blue(uint16_t p) { return p & 31; }
};

// Sums over the square around each inner pixel, kept as column sums over the square's rows that
// move down a row at a time, and a row sum over the square's columns that moves right.
template <typename Sum>
class BoxBlur {
public:
    BoxBlur(const uint16_t* from, uint16_t* to, int width, int height, int size, bool is565)
        : from_(from), to_(to), width_(width), height_(height), radius_(size / 2), divisor_(Sum(size) * size - 1),
          channels_{is565 ? 11 : 10, is565 ? 63 : 31}, columns_(size_t(width) * 3)
    {
        // The neighbours' sums are small for the usual sizes: their quotients are looked up.
        Sum largest = Sum(2 * radius_ + 1) * (2 * radius_ + 1) * 63;
        if (largest <= 65536) {
            quotients_.resize(size_t(largest) + 1);
            for (Sum sum = 0; sum <= largest; ++sum)
                quotients_[size_t(sum)] = int(sum / divisor_);
        }
    }

    void run()
    {
        for (int y = 0; y <= 2 * radius_; ++y)
            addRow(y, 1);
        for (int y = radius_; y < height_ - radius_; ++y) {
            blurRow(y);
            if (y + radius_ + 1 < height_) {
                addRow(y - radius_, -1);
                addRow(y + radius_ + 1, 1);
            }
        }
    }

private:
    void addRow(int y, int sign)
    {
        const uint16_t* row = from_ + size_t(y) * width_;
        Sum* sums = columns_.data();
        for (int x = 0; x < width_; ++x) {
            uint16_t p = row[x];
            sums[3 * x] += sign * channels_.red(p);
            sums[3 * x + 1] += sign * channels_.green(p);
            sums[3 * x + 2] += sign * Channels::blue(p);
        }
    }

    int quotient(Sum sum) const { return quotients_.empty() ? int(sum / divisor_) : quotients_[size_t(sum)]; }

    // The channel's mean with its neighbours' mean, kept within its field.
    int mixed(int centre, Sum square, int largest) const { return std::min((centre + quotient(square - centre)) / 2, largest); }

    void blurRow(int y)
    {
        const uint16_t* row = from_ + size_t(y) * width_;
        uint16_t* out = to_ + size_t(y) * width_;
        const Sum* sums = columns_.data();
        Sum red = 0, green = 0, blue = 0;
        for (int x = 0; x <= 2 * radius_; ++x) {
            red += sums[3 * x];
            green += sums[3 * x + 1];
            blue += sums[3 * x + 2];
        }
        for (int x = radius_; x < width_ - radius_; ++x) {
            uint16_t p = row[x];
            int r = mixed(channels_.red(p), red, 31);
            int g = mixed(channels_.green(p), green, channels_.greenMask);
            int b = mixed(Channels::blue(p), blue, 31);
            out[x] = uint16_t(r << channels_.redShift | g << 5 | b);
            int entering = x + radius_ + 1;
            if (entering < width_) {
                int leaving = x - radius_;
                red += sums[3 * entering] - sums[3 * leaving];
                green += sums[3 * entering + 1] - sums[3 * leaving + 1];
                blue += sums[3 * entering + 2] - sums[3 * leaving + 2];
            }
        }
    }

    const uint16_t* from_;
    uint16_t* to_;
    int width_;
    int height_;
    int radius_;
    Sum divisor_;
    Channels channels_;
    std::vector<Sum> columns_;
    std::vector<int> quotients_;
};

} // namespace

void CBlurEffect::Params::setProperty(const CXString& name, const CXString& value)
{
    if (!take(name, "SIZE", value, size))
        CStaticFilterParams::setProperty(name, value);
}

void CBlurEffect::blur(const uint16_t* from, uint16_t* to, int width, int height, int size, bool is565)
{
    // Without an inner pixel there is nothing to do.
    if (size < 2 || 2 * int64_t(size / 2) >= std::min(width, height))
        return;
    // A square of more than 2^31 / 63 pixels sums beyond 32 bits.
    int64_t side = 2 * int64_t(size / 2) + 1;
    if (side * side * 63 < INT32_MAX)
        BoxBlur<int32_t>(from, to, width, height, size, is565).run();
    else
        BoxBlur<int64_t>(from, to, width, height, size, is565).run();
}

void CBlurEffect::apply(CGraphicsObject* picture)
{
    auto* pixels = reinterpret_cast<uint16_t*>(picture->GetDataPtr());
    std::vector<uint16_t> unaltered(pixels, pixels + size_t(picture->Width()) * size_t(picture->Height()));
    blur(unaltered.data(), pixels, picture->Width(), picture->Height(), params_.size, CFilterPicture::is565(picture));
}
