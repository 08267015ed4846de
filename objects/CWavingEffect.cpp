#include "objects/CWavingEffect.h"

#include "graphics/CGraphicsObject.h"
#include "objects/CFilterPicture.h"
#include "script/CMC_Double.h"

#include <algorithm>
#include <cmath>

void CWavingEffect::Params::setProperty(const CXString& name, const CXString& value)
{
    if (!take(name, "AMPLITUDE", value, amplitude) && !take(name, "DENSITY", value, density))
        CFilterParams::setProperty(name, value);
}

std::unique_ptr<CFilterLink::State> CWavingEffect::createState(CGraphicsObject*)
{
    return std::make_unique<State>();
}

bool CWavingEffect::step(CFilterLink& link, CGraphicsObject* graphics)
{
    auto& state = static_cast<State&>(*link.getState());
    if (state.phase % 10 == 0) {
        if (CGraphicsObject* picture = unaltered(state, graphics)) {
            wave(state, picture);
            CFilterPicture::showChanged(graphics);
            graphics->Invalidate();
        }
    }
    state.phase = state.phase == 100 ? 0 : state.phase + 1;
    return false;
}

CGraphicsObject* CWavingEffect::unaltered(State& state, CGraphicsObject* graphics)
{
    if (state.picture == nullptr) {
        CGraphicsObject* picture = CFilterPicture::rawDrawn(graphics);
        if (picture == nullptr)
            return nullptr;
        size_t count = size_t(picture->Width()) * size_t(picture->Height());
        const auto* pixels = reinterpret_cast<const uint16_t*>(picture->GetDataPtr());
        state.colour.assign(pixels, pixels + count);
        if (const uint8_t* alpha = picture->GetChannelAlpha())
            state.alpha.assign(alpha, alpha + count);
        state.picture = picture;
        state.width = picture->Width();
        state.height = picture->Height();
        return picture;
    }
    CGraphicsObject* picture = graphics->getDrawn();
    bool same = picture == state.picture && CFilterPicture::isRaw(picture) && picture->Width() == state.width &&
                picture->Height() == state.height && (picture->GetChannelAlpha() != nullptr) == !state.alpha.empty();
    if (!same)
        return nullptr;
    std::copy(state.colour.begin(), state.colour.end(), reinterpret_cast<uint16_t*>(picture->GetDataPtr()));
    std::copy(state.alpha.begin(), state.alpha.end(), picture->GetChannelAlpha());
    return picture;
}

void CWavingEffect::wave(State& state, CGraphicsObject* picture) const
{
    int width = state.width;
    double phase = double(state.phase / 10);
    state.offsets.resize(size_t(width) * size_t(state.height));
    for (int x = 0; x < width; ++x)
        state.offsets[size_t(x)] = CXPoint(0, CMC_Double::truncate(std::sin(phase + x * params_.density) * params_.amplitude));
    for (int y = 1; y < state.height; ++y)
        std::copy_n(state.offsets.begin(), width, state.offsets.begin() + ptrdiff_t(y) * width);
    // The wave's planes replace the ones of the step before, which go.
    picture->displacementFilter(state.offsets.data(), true, true);
}
