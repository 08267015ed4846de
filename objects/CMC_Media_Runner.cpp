#include "objects/CMC_Media_Runner.h"

#include "graphics/CColor.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CTextFormatCode.h"
#include "graphics/CWindow.h"
#include "objects/CMC_GraphicsMedia.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Variable.h"
#include "script/CMC_VariableFactory.h"
#include "script/CValueList.h"

#include <cstdint>
#include <memory>

void CMC_Media_Runner::putMethods(std::span<const Method> methods)
{
    CMC_Runner::prepareMthHashSet();
    for (const Method& method : methods)
        putMethod(method.name, method.id);
}

CMC_Media_Runner::Shared CMC_Media_Runner::sharedOf(std::span<const Method> methods, int id)
{
    for (const Method& method : methods) {
        if (method.id == id)
            return method.shared;
    }
    return Shared::None;
}

bool CMC_Media_Runner::runShared(Shared method, CMC_GraphicsMedia* object, CMC_ObjectsContainer* container,
                                 CXVector* arguments, CMC_Variable*& result)
{
    result = nullptr;
    // An empty object (made by CREATE) can load its picture; nothing else works without one.
    if (method == Shared::Load) {
        object->load(stringArgument(arguments, 0), true);
        return true;
    }
    CGraphicsObject* picture = object->getGraphics();
    if (picture == nullptr)
        return false;
    switch (method) {
    case Shared::ClearClipping:
        picture->SetClippingRect(CXRect(0, 0, 0, 0));
        break;
    case Shared::SetClipping:
        setClipping(picture, container, arguments);
        break;
    case Shared::SetPosition:
        placeAt(picture, intArgument(arguments, 0), intArgument(arguments, 1));
        break;
    case Shared::Move:
        picture->Move(intArgument(arguments, 0), intArgument(arguments, 1));
        break;
    case Shared::IsNear:
        result = isNear(picture, container, arguments);
        break;
    case Shared::MonitorCollision:
        object->monitorCollisions(boolArgument(arguments, 0));
        picture->setMonitorCollisions(true);
        break;
    case Shared::RemoveMonitorCollision:
        object->removeCollisionsMonitoring();
        picture->setMonitorCollisions(false);
        break;
    case Shared::SetPriority:
        object->setScreenPriority(intArgument(arguments, 0));
        break;
    case Shared::GetPriority:
        result = CMC_VariableFactory::makeInteger(object->getScreenPriority());
        break;
    case Shared::MergeAlpha:
        mergeAlpha(picture, container, arguments);
        break;
    case Shared::Invalidate:
        picture->Invalidate();
        break;
    case Shared::IsVisible:
        result = CMC_VariableFactory::makeBool(picture->isVisible());
        break;
    case Shared::GetOpacity:
        result = CMC_VariableFactory::makeInteger(picture->GetOpacity());
        break;
    case Shared::SetAnchor:
        setAnchor(picture, arguments);
        break;
    case Shared::FlipH:
    case Shared::FlipV:
    case Shared::ResetFlips:
        flip(picture, method);
        break;
    default:
        return false;
    }
    return true;
}

CGraphicsObject* CMC_Media_Runner::pictureNamed(CMC_ObjectsContainer* container, const CXString& name)
{
    return container != nullptr ? container->getGraphicsObject(name) : nullptr;
}

bool CMC_Media_Runner::isNumber(CXVector* arguments, int index)
{
    CMC_Variable* argument = getParameter(arguments, index);
    return argument != nullptr && argument->getType() == script::TYPE_INTEGER;
}

void CMC_Media_Runner::placeAt(CGraphicsObject* picture, int x, int y)
{
    picture->Invalidate();
    picture->SetPosition(x, y);
    picture->Invalidate();
}

void CMC_Media_Runner::setClipping(CGraphicsObject* picture, CMC_ObjectsContainer* container, CXVector* arguments)
{
    CXRect clip;
    if (argumentCount(arguments) == 1) {
        CGraphicsObject* other = container != nullptr ? container->getGraphicsObject(stringArgument(arguments, 0)) : nullptr;
        clip = other != nullptr ? other->GetBoundingBox() : CXRect(0, 0, 0, 0);
    } else {
        clip = CXRect(intArgument(arguments, 0), intArgument(arguments, 1), intArgument(arguments, 2), intArgument(arguments, 3));
    }
    picture->SetClippingRect(clip);
}

CMC_Variable* CMC_Media_Runner::isNear(CGraphicsObject* picture, CMC_ObjectsContainer* container, CXVector* arguments)
{
    if (argumentCount(arguments) >= 5) {
        CXRect rect(intArgument(arguments, 0), intArgument(arguments, 1), intArgument(arguments, 2), intArgument(arguments, 3));
        return CMC_VariableFactory::makeBool(picture->isNear(rect, intArgument(arguments, 4)));
    }
    CGraphicsObject* other = container != nullptr ? container->getGraphicsObject(stringArgument(arguments, 0)) : nullptr;
    return CMC_VariableFactory::makeBool(other != nullptr && picture->isNear(other, intArgument(arguments, 1)));
}

void CMC_Media_Runner::setAnchor(CGraphicsObject* picture, CXVector* arguments)
{
    if (argumentCount(arguments) >= 2) {
        picture->setAnchor(intArgument(arguments, 0), intArgument(arguments, 1));
        return;
    }
    struct Point {
        const char* name;
        int x; // halves of the width from the left
        int y; // halves of the height from the top
    };
    static const Point kPoints[] = {
        {"CENTER", 1, 1},    {"LEFTUPPER", 0, 0}, {"RIGHTUPPER", 2, 0}, {"LEFTLOWER", 0, 2}, {"RIGHTLOWER", 2, 2},
        {"LEFT", 0, 1},      {"RIGHT", 2, 1},     {"TOP", 1, 0},        {"BOTTOM", 1, 2},
    };
    CXString word = stringArgument(arguments, 0);
    CXPoint at = picture->GetPosition();
    int width = picture->Width();
    int height = picture->Height();
    CXPoint anchor(0, 0);
    for (const Point& point : kPoints) {
        if (word == point.name) {
            // A whole width or height when the count is 2, a truncated half when it is 1.
            anchor = CXPoint(at.x + (point.x == 2 ? width : point.x * width / 2), at.y + (point.y == 2 ? height : point.y * height / 2));
            break;
        }
    }
    picture->setAnchor(anchor);
}

void CMC_Media_Runner::savePicture(CGraphicsObject* picture, CXVector* arguments, bool keepPicture)
{
    int count = argumentCount(arguments);
    CXString file = stringArgument(arguments, 0);
    double scaleX = count >= 2 ? doubleArgument(arguments, 1) : 1.0;
    double scaleY = count >= 3 ? doubleArgument(arguments, 2) : 1.0;
    CXRect part;
    if (count >= 7)
        part = CXRect(intArgument(arguments, 3), intArgument(arguments, 4), intArgument(arguments, 5), intArgument(arguments, 6));
    bool cut = part.left != part.right && part.top != part.bottom;
    std::unique_ptr<CGraphicsObject> copy;
    CGraphicsObject* saved = picture;
    if (cut || keepPicture) {
        copy = std::make_unique<CGraphicsObject>(picture->getWindow());
        copy->Copy(picture);
        if (cut)
            copy->crop(part);
        saved = copy.get();
    }
    if (scaleX != 1.0 || scaleY != 1.0)
        saved->Scale(scaleX, scaleY);
    saved->Save(file, COMPRESSION_NONE);
}

void CMC_Media_Runner::appendTo(CMC_ObjectsContainer* container, const CXString& name, CMC_Variable* value, int times)
{
    auto* list = dynamic_cast<CValueList*>(container != nullptr ? container->getObject(name) : nullptr);
    for (int i = 0; list != nullptr && i < times; ++i)
        list->add(value);
    CMC_Object::flush(value);
}

void CMC_Media_Runner::getAnchor(CGraphicsObject* picture, CMC_ObjectsContainer* container, CXVector* arguments)
{
    CXString name = stringArgument(arguments, 0);
    CXPoint anchor = picture->getAnchor();
    appendTo(container, name, CMC_VariableFactory::makeInteger(anchor.x));
    appendTo(container, name, CMC_VariableFactory::makeInteger(anchor.y));
}

void CMC_Media_Runner::drawOnto(CGraphicsObject* picture, CMC_ObjectsContainer* container, const CXString& name, int priority)
{
    CGraphicsObject* target = container != nullptr ? container->getGraphicsObject(name) : nullptr;
    if (target != nullptr && target != picture)
        target->addObject(picture, priority);
}

void CMC_Media_Runner::mergeAlpha(CGraphicsObject* picture, CMC_ObjectsContainer* container, CXVector* arguments)
{
    CXPoint at(intArgument(arguments, 0), intArgument(arguments, 1));
    CGraphicsObject* stamp = container != nullptr ? container->getGraphicsObject(stringArgument(arguments, 2)) : nullptr;
    // An animation stamps with the frame it shows.
    if (stamp != nullptr)
        picture->mergeAlpha(at, stamp->getDrawn());
}

void CMC_Media_Runner::mergeAlpha2(CGraphicsObject* picture, CMC_ObjectsContainer* container, CXVector* arguments)
{
    CXPoint at(intArgument(arguments, 0), intArgument(arguments, 1));
    CGraphicsObject* stamp = container != nullptr ? container->getGraphicsObject(stringArgument(arguments, 2)) : nullptr;
    bool reset = argumentCount(arguments) >= 4 && boolArgument(arguments, 3);
    if (stamp != nullptr)
        picture->mergeAlpha2(at, stamp->getDrawn(), reset);
}

namespace {

// The point of the arguments within the picture standing at `origin`; false outside it.
bool pointInPicture(CGraphicsObject* picture, CXPoint origin, CXPoint point, CXPoint& local)
{
    if (picture == nullptr)
        return false;
    local = CXPoint(int(int64_t(point.x) - origin.x), int(int64_t(point.y) - origin.y));
    return int64_t(point.x) >= origin.x && int64_t(point.y) >= origin.y && local.x < picture->Width() &&
           local.y < picture->Height();
}

} // namespace

CMC_Variable* CMC_Media_Runner::alphaAt(CGraphicsObject* picture, CXPoint origin, CXVector* arguments)
{
    CXPoint local;
    int alpha = 0;
    if (pointInPicture(picture, origin, CXPoint(intArgument(arguments, 0), intArgument(arguments, 1)), local))
        alpha = static_cast<int8_t>(picture->GetPixel(CHANNEL_ALPHA, local));
    return CMC_VariableFactory::makeInteger(alpha);
}

CMC_Variable* CMC_Media_Runner::pixelAt(CGraphicsObject* picture, CXPoint origin, CXVector* arguments)
{
    CXPoint local;
    int pixel = 0;
    if (pointInPicture(picture, origin, CXPoint(intArgument(arguments, 0), intArgument(arguments, 1)), local)) {
        CColor color = picture->GetPixel(local.x, local.y);
        // 16-bit pixels come sign-extended; other colours (a packed picture's black) read 0.
        if (color.getModel() == COLORMODEL_15 || color.getModel() == COLORMODEL_16)
            pixel = static_cast<int16_t>(color.getPixel());
    }
    return CMC_VariableFactory::makeInteger(pixel);
}

short CMC_Media_Runner::screenPixel(CWindow* window, int red, int green, int blue)
{
    CRefreshScreen* screen = window != nullptr ? window->GetRefreshScreenInterface() : nullptr;
    return static_cast<short>(CTextFormatCode::packColor(screen != nullptr && screen->GetBpp() == 15 ? 15 : 16, red, green, blue));
}

void CMC_Media_Runner::replaceColor(CGraphicsObject* picture, CXVector* arguments, int first)
{
    int channels[6];
    for (int i = 0; i < 6; ++i)
        channels[i] = intArgument(arguments, first + i);
    CWindow* window = picture->getWindow();
    picture->replace_color(screenPixel(window, channels[0], channels[1], channels[2]),
                           screenPixel(window, channels[3], channels[4], channels[5]));
}

void CMC_Media_Runner::flip(CGraphicsObject* picture, Shared how)
{
    if (how == Shared::FlipH)
        picture->FlipH();
    else if (how == Shared::FlipV)
        picture->FlipV();
    else
        picture->resetFlips();
    picture->Invalidate();
}
