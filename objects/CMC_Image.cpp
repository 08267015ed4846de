#include "objects/CMC_Image.h"

#include "foundation/CMElement.h"
#include "graphics/CImage.h"
#include "objects/CMediaRelease.h"
#include "objects/CPlanesLink.h"
#include "objects/CSceneResources.h"
#include "script/CMC_TypeIds.h"

const CSignalList& CMC_Image::signalList()
{
    static const CSignalList list{"ONINIT",    "ONDONE",     "ONSIGNAL", "ONCOLLISION", "ONCOLLISIONFINISHED",
                                  "ONFOCUSON", "ONFOCUSOFF", "ONCLICK",  "ONRELEASE"};
    return list;
}

CMC_Image::CMC_Image(CMC_ObjectsContainer* container) : CMC_GraphicsMedia(container, "", script::TYPE_IMAGE, PointerRules{})
{
}

CMC_Image::CMC_Image(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_GraphicsMedia(container, element, script::TYPE_IMAGE, PointerRules{})
{
    Definition definition = readDefinition(element);
    load(definition.file, definition.loadNow);
    if (CImage* image = getImage()) {
        image->toRelease(definition.flushAfterPlayed);
        image->Visible(definition.visible);
        CXPoint at = image->GetPosition();
        SetStartingPosition(at.x, at.y);
        monitorCollisionsAsAsked();
        if (definition.toCanvas)
            putOnScreen(priority_);
    }
    asButton_ = element->getPropertyBoolValue("ASBUTTON");
    initializeBehaviours(container, element);
}

CMC_Image::CMC_Image(CMC_ObjectsContainer* container, CImage* copy)
    : CMC_GraphicsMedia(container, "clone", script::TYPE_IMAGE, PointerRules{})
{
    setEngine(copy);
}

CMC_Image::~CMC_Image()
{
    beginDestruction();
    releaseEngine();
}

CXObject* CMC_Image::clone() const
{
    CImage* image = getImage();
    if (image == nullptr)
        return nullptr;
    auto* copy = static_cast<CImage*>(image->clone());
    CPlanesLink::link(copy, image);
    auto* made = new CMC_Image(const_cast<CMC_Image*>(this)->getScene(), copy);
    made->holdSourceUse(image);
    int priority = getScreenPriority();
    if (priority >= 0)
        made->putOnScreen(priority);
    return made;
}

void CMC_Image::holdSourceUse(CImage* source)
{
    // One more use of the very entry the source holds; a picture the manager does not hold is
    // the source's own and is not counted.
    CResourcesManager* manager = CSceneResources::managerFor(this);
    if (manager == nullptr || !manager->contains(source))
        return;
    manager->add(source);
    heldSource_ = source;
    heldSourceLife_ = source->lifetime();
}

CImage* CMC_Image::getImage() const
{
    return static_cast<CImage*>(getGraphics());
}

void CMC_Image::setAsButton(bool asButton, bool switchCursor)
{
    asButton_ = asButton;
    switchCursor_ = switchCursor;
}

CColor CMC_Image::GetPixel(int x, int y)
{
    CImage* image = getImage();
    return image != nullptr ? image->GetPixel(x, y) : CColor(0, 0, 0);
}

void CMC_Image::link(CMC_Image* source)
{
    CImage* image = getImage();
    CImage* other = source != nullptr ? source->getImage() : nullptr;
    if (image != nullptr && other != nullptr)
        CPlanesLink::link(image, other);
}

bool CMC_Image::isShown()
{
    return getImage() != nullptr && getImage()->CGraphicsObject::isVisible();
}

bool CMC_Image::takeShared(CResourcesManager* manager, const CXString& file)
{
    return takeSharedAs<CImage>(manager, file);
}

void CMC_Image::makeEngine()
{
    setEngine(new CImage(window()));
}

void CMC_Image::readFile(const CXString& file)
{
    getImage()->Load(file, true);
}

void CMC_Image::letGo()
{
    if (heldSource_ != nullptr && !heldSourceLife_.expired())
        CMediaRelease::release(heldSource_, true);
    heldSource_ = nullptr;
    heldSourceLife_.reset();
}
