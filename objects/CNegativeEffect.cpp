#include "objects/CNegativeEffect.h"

#include "graphics/CGraphicsObject.h"
#include "objects/CFilterPicture.h"

void CNegativeEffect::apply(CGraphicsObject* picture)
{
    int width = picture->Width();
    CXRect whole(0, 0, width, picture->Height());
    CXRect clipping = picture->GetClippingRect();
    CXRect area = clipping.IsEmpty() ? whole : clipping.Common(whole);
    // Red and blue inverted whole, green without its lowest bit.
    uint16_t kept = CFilterPicture::is565(picture) ? 0xFFDF : 0x7FDF;
    auto* pixels = reinterpret_cast<uint16_t*>(picture->GetDataPtr());
    const uint8_t* alpha = picture->GetChannelAlpha();
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            size_t at = size_t(y) * width + x;
            if (alpha == nullptr || alpha[at] != 0)
                pixels[at] = uint16_t(~pixels[at] & kept);
        }
    }
}
