#include "sound/CMElementCreator.h"

#include "foundation/CMElement.h"
#include "graphics/CAnimo6.h"
#include "graphics/CImage.h"
#include "sound/CSequencedPlayable.h"

CXObject* CMElementCreator::createObject(CWindow* window, CMElement* element)
{
    const CXString file = element->getPropertyValue("FILENAME");
    if (!element->getPropertyValue("TYPE").equals("IMAGE") || !file.IsString())
        return nullptr;
    auto* image = new CImage(window, file);
    image->Visible(element->getPropertyBoolValue("VISIBLE"));
    return image;
}

CPlayable* CMElementCreator::createPlayable(CWindow* window, CMElement* element)
{
    const CXString type = element->getPropertyValue("TYPE");
    const CXString file = element->getPropertyValue("FILENAME");
    if (type.equals("ANIMO") && file.IsString()) {
        auto* animation = new CAnimo6(window, file);
        animation->setVisibility(element->getPropertyBoolValue("VISIBLE"));
        return animation;
    }
    if (type.equals("SEQUENCE"))
        return new CSequencedPlayable(window, element);
    return nullptr;
}
