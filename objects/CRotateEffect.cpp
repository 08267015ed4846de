#include "objects/CRotateEffect.h"

#include "graphics/CGraphicsObject.h"
#include "script/CMC_Double.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>

namespace {

// Degrees to radians as the games have it: slightly less than a degree, and turning the other
// way.
constexpr double kRadiansPerDegree = -0.017453233333333335;

} // namespace

void CRotateEffect::Params::setProperty(const CXString& name, const CXString& value)
{
    if (!take(name, "ANGLE", value, angle))
        CStaticFilterParams::setProperty(name, value);
}

void CRotateEffect::apply(CGraphicsObject* picture)
{
    double radians = params_.angle * kRadiansPerDegree;
    double cosine = std::cos(radians);
    double sine = std::sin(radians);
    int width = picture->Width();
    int height = picture->Height();
    int turnedWidth = CMC_Double::truncate(std::max(std::fabs(width * cosine - height * sine), std::fabs(width * cosine + height * sine)));
    int turnedHeight = CMC_Double::truncate(std::max(std::fabs(width * sine + height * cosine), std::fabs(width * sine - height * cosine)));
    int64_t count = int64_t(turnedWidth) * turnedHeight;
    if (turnedWidth < 1 || turnedHeight < 1 || count * 2 > INT32_MAX)
        return;
    const uint8_t* oldAlpha = picture->GetChannelAlpha();
    // Planes are byte arrays, as every picture frees them.
    std::unique_ptr<uint8_t[]> colour(new (std::nothrow) uint8_t[size_t(count) * 2]());
    std::unique_ptr<uint8_t[]> alpha(oldAlpha != nullptr ? new (std::nothrow) uint8_t[size_t(count)]() : nullptr);
    if (colour == nullptr || (oldAlpha != nullptr && alpha == nullptr))
        return;
    const auto* oldColour = reinterpret_cast<const uint16_t*>(picture->GetDataPtr());
    auto* pixels = reinterpret_cast<uint16_t*>(colour.get());
    for (int j = 0; j < turnedHeight; ++j) {
        int dy = j - turnedHeight / 2;
        for (int i = 0; i < turnedWidth; ++i) {
            int dx = i - turnedWidth / 2;
            auto x = int64_t(cosine * dx - sine * dy + width / 2);
            auto y = int64_t(sine * dx + cosine * dy + height / 2);
            if (x < 0 || y < 0 || x >= width || y >= height)
                continue;
            size_t from = size_t(y) * width + size_t(x);
            if (oldAlpha != nullptr && oldAlpha[from] == 0)
                continue;
            size_t to = size_t(j) * turnedWidth + i;
            pixels[to] = oldColour[from];
            if (alpha != nullptr)
                alpha[to] = oldAlpha[from];
        }
    }
    CXPoint centre = picture->getCenterPoint();
    if (!picture->takePlanes(colour.get(), alpha.get(), CXSize(turnedWidth, turnedHeight)))
        return;
    colour.release();
    alpha.release();
    picture->Move(centre.x - turnedWidth / 2, centre.y - turnedHeight / 2);
}
