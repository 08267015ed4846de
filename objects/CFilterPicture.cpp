#include "objects/CFilterPicture.h"

#include "graphics/CAnimo.h"
#include "graphics/CGraphicsObject.h"

CGraphicsObject* CFilterPicture::rawDrawn(CGraphicsObject* graphics)
{
    CGraphicsObject* picture = graphics != nullptr ? graphics->getDrawn() : nullptr;
    if (picture == nullptr)
        return nullptr;
    bool raw = makeRaw(picture);
    showChanged(graphics);
    return raw ? picture : nullptr;
}

bool CFilterPicture::makeRaw(CGraphicsObject* picture)
{
    if (!picture->ownsData() || (picture->GetBpp() != 15 && picture->GetBpp() != 16))
        return false;
    if (picture->GetCompression() != COMPRESSION_NONE && !picture->DeCompress())
        return false;
    if (picture->GetCompression() == COMPRESSION_RLE) {
        if (!picture->DeCompressRLE2())
            return false;
        // The packed planes kept aside would bring the unchanged picture back.
        picture->packing().release();
    }
    return isRaw(picture);
}

bool CFilterPicture::isRaw(CGraphicsObject* picture)
{
    return picture->ownsData() && (picture->GetBpp() == 15 || picture->GetBpp() == 16) &&
           picture->GetCompression() == COMPRESSION_NONE && picture->GetDataPtr() != nullptr && picture->Width() > 0 &&
           picture->Height() > 0;
}

void CFilterPicture::showChanged(CGraphicsObject* graphics)
{
    if (auto* animation = dynamic_cast<CAnimo*>(graphics))
        animation->updateWithCurrentFrame();
}

bool CFilterPicture::is565(CGraphicsObject* picture)
{
    return picture->GetBpp() == 16;
}
