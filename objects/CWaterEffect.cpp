#include "objects/CWaterEffect.h"

#include "graphics/CGraphicsObject.h"
#include "objects/CFilterPicture.h"

#include <cmath>

void CWaterEffect::Params::setProperty(const CXString& name, const CXString& value)
{
    if (!take(name, "FACTOR", value, factor))
        CFilterParams::setProperty(name, value);
}

CWaterEffect::CWaterEffect(CWindow* window) : CFilterEffect(window)
{
    for (int i = 0; i < kPhases; ++i) {
        sinPhase_[i] = float(std::sin(double(i)));
        cosPhase_[i] = float(std::cos(double(i)));
    }
}

std::unique_ptr<CFilterLink::State> CWaterEffect::createState(CGraphicsObject* graphics)
{
    auto state = std::make_unique<State>();
    CGraphicsObject* picture = CFilterPicture::rawDrawn(graphics);
    if (picture == nullptr)
        return state;
    state->picture = picture;
    state->ripple = std::make_unique<CWaterRipple>(picture->Width(), picture->Height());
    const auto* pixels = reinterpret_cast<const uint16_t*>(picture->GetDataPtr());
    state->unaltered.assign(pixels, pixels + size_t(picture->Width()) * size_t(picture->Height()));
    return state;
}

bool CWaterEffect::step(CFilterLink& link, CGraphicsObject* graphics)
{
    auto& state = static_cast<State&>(*link.getState());
    CGraphicsObject* picture = graphics->getDrawn();
    if (state.picture == nullptr || picture != state.picture || !CFilterPicture::isRaw(picture) ||
        picture->Width() != state.ripple->getWidth() || picture->Height() != state.ripple->getHeight())
        return false;
    uint32_t phase = link.getSteps() % kPhases;
    state.ripple->ripple(state.unaltered.data(), reinterpret_cast<uint16_t*>(picture->GetDataPtr()), picture->GetChannelAlpha(),
                         sinPhase_[phase], cosPhase_[phase], params_.factor);
    graphics->Invalidate();
    return false;
}
