#include "graphics/CStamp.h"

#include "graphics/CGraphicsObject.h"

void CStamp::draw(CGraphicsObject* picture, CGraphicsObject* target, CXPoint position, const CXRect& clip)
{
    if (picture == nullptr || target == nullptr)
        return;
    CXPoint standing = picture->GetPosition();
    CXRect ownClip = picture->GetClippingRect();
    CGraphicsObject* destiny = picture->GetDestiny();
    place(picture, position);
    picture->SetClippingRect(clip);
    picture->SetDestiny(target);
    picture->Redraw();
    picture->SetDestiny(destiny);
    picture->SetClippingRect(ownClip);
    place(picture, standing);
}

void CStamp::place(CGraphicsObject* picture, CXPoint position)
{
    picture->SetPosition(position + picture->getAnchor());
}
