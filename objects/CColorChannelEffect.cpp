#include "objects/CColorChannelEffect.h"

#include "graphics/CGraphicsObject.h"
#include "objects/CFilterPicture.h"

void CColorChannelEffect::Params::setProperty(const CXString& name, const CXString& value)
{
    if (!take(name, "CHANNELS", value, channels))
        CStaticFilterParams::setProperty(name, value);
}

void CColorChannelEffect::apply(CGraphicsObject* picture)
{
    bool is565 = CFilterPicture::is565(picture);
    const CXString& channels = params_.channels;
    uint16_t mask = 0;
    if (channels.Find('R') >= 0)
        mask |= is565 ? 0xF800 : 0x7C00;
    if (channels.Find('G') >= 0)
        mask |= is565 ? 0x07C0 : 0x03C0;
    if (channels.Find('B') >= 0)
        mask |= 0x001F;
    auto* pixels = reinterpret_cast<uint16_t*>(picture->GetDataPtr());
    size_t count = size_t(picture->Width()) * size_t(picture->Height());
    for (size_t i = 0; i < count; ++i)
        pixels[i] &= mask;
}
