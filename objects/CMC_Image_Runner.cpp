#include "objects/CMC_Image_Runner.h"

#include "foundation/IntegerWrap.h"
#include "graphics/CImage.h"
#include "objects/CMC_Image.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_VariableFactory.h"

#include <cmath>

namespace {

using S = CMC_Media_Runner::Shared;

const CMC_Media_Runner::Method kMethods[] = {
    {"SHOW", CMC_Image_Runner::SHOW, S::None},
    {"HIDE", CMC_Image_Runner::HIDE, S::None},
    {"SETPOSITION", CMC_Image_Runner::SETPOSITION, S::SetPosition},
    {"MOVE", CMC_Image_Runner::MOVE, S::Move},
    {"LOAD", CMC_Image_Runner::LOAD, S::Load},
    {"CLEARCLIPPING", CMC_Image_Runner::CLEARCLIPPING, S::ClearClipping},
    {"SETCLIPPING", CMC_Image_Runner::SETCLIPPING, S::SetClipping},
    {"GETPOSITIONX", CMC_Image_Runner::GETPOSITIONX, S::None},
    {"GETPOSITIONY", CMC_Image_Runner::GETPOSITIONY, S::None},
    {"GETWIDTH", CMC_Image_Runner::GETWIDTH, S::None},
    {"GETHEIGHT", CMC_Image_Runner::GETHEIGHT, S::None},
    {"ISNEAR", CMC_Image_Runner::ISNEAR, S::IsNear},
    {"ISINSIDE", CMC_Image_Runner::ISINSIDE, S::None},
    {"MONITORCOLLISION", CMC_Image_Runner::MONITORCOLLISION, S::MonitorCollision},
    {"REMOVEMONITORCOLLISION", CMC_Image_Runner::REMOVEMONITORCOLLISION, S::RemoveMonitorCollision},
    {"SETSCALEFACTOR", CMC_Image_Runner::SETSCALEFACTOR, S::None},
    {"SETPRIORITY", CMC_Image_Runner::SETPRIORITY, S::SetPriority},
    {"GETALPHA", CMC_Image_Runner::GETALPHA, S::None},
    {"GETPIXEL", CMC_Image_Runner::GETPIXEL, S::None},
    {"MERGEALPHA", CMC_Image_Runner::MERGEALPHA, S::MergeAlpha},
    {"INVALIDATE", CMC_Image_Runner::INVALIDATE, S::Invalidate},
    {"GETCENTERX", CMC_Image_Runner::GETCENTERX, S::None},
    {"GETCENTERY", CMC_Image_Runner::GETCENTERY, S::None},
    {"ISVISIBLE", CMC_Image_Runner::ISVISIBLE, S::IsVisible},
    {"LINK", CMC_Image_Runner::LINK, S::None},
    {"SETASBUTTON", CMC_Image_Runner::SETASBUTTON, S::None},
    {"SETOPACITY", CMC_Image_Runner::SETOPACITY, S::None},
    {"SAVE", CMC_Image_Runner::SAVE, S::None},
    {"SETANCHOR", CMC_Image_Runner::SETANCHOR, S::SetAnchor},
    {"FLIPH", CMC_Image_Runner::FLIPH, S::FlipH},
    {"FLIPV", CMC_Image_Runner::FLIPV, S::FlipV},
    {"RESETFLIPS", CMC_Image_Runner::RESETFLIPS, S::ResetFlips},
    {"DRAWONTO", CMC_Image_Runner::DRAWONTO, S::None},
    {"RESETPOSITION", CMC_Image_Runner::RESETPOSITION, S::None},
    {"SETRESETPOSITION", CMC_Image_Runner::SETRESETPOSITION, S::None},
    {"ISAT", CMC_Image_Runner::ISAT, S::None},
    {"GETOPACITY", CMC_Image_Runner::GETOPACITY, S::GetOpacity},
    {"GETSLIDECOMPS", CMC_Image_Runner::GETSLIDECOMPS, S::None},
    {"GETCOLORAT", CMC_Image_Runner::GETCOLORAT, S::None},
    {"GETCOLORRAT", CMC_Image_Runner::GETCOLORRAT, S::None},
    {"GETCOLORGAT", CMC_Image_Runner::GETCOLORGAT, S::None},
    {"GETCOLORBAT", CMC_Image_Runner::GETCOLORBAT, S::None},
    {"MERGEALPHA2", CMC_Image_Runner::MERGEALPHA2, S::None},
    {"REPLACECOLOR", CMC_Image_Runner::REPLACECOLOR, S::None},
    {"GETPRIORITY", CMC_Image_Runner::GETPRIORITY, S::GetPriority},
};

CMC_Variable* integer(int value)
{
    return CMC_VariableFactory::makeInteger(value);
}

// The turn of GETSLIDECOMPS: that many radians (not one degree), and the shrink of each try.
constexpr double kSlideAngle = 57.29577951307855;
constexpr double kSlideShrink = 0.8333333333333334;
constexpr int kSlideTries = 90;

CMC_Image_Runner::Direction turned(CMC_Image_Runner::Direction v, double angle)
{
    double c = std::cos(angle);
    double s = std::sin(angle);
    return {(v.x * c - v.y * s) * kSlideShrink, (v.x * s + v.y * c) * kSlideShrink};
}

// Whether the image shows the point the vector reaches from (x, y); coordinates beyond the int
// range show nothing.
bool blocked(CImage* image, CMC_Image_Runner::Direction v, int x, int y)
{
    double px = std::trunc(x + v.x);
    double py = std::trunc(y + v.y);
    if (!(std::fabs(px) < 2147483647.0 && std::fabs(py) < 2147483647.0))
        return false;
    return image->isAt(CXPoint(static_cast<int>(px), static_cast<int>(py)), true);
}

} // namespace

void CMC_Image_Runner::prepareMthHashSet()
{
    putMethods(kMethods);
}

CMC_Variable* CMC_Image_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* imageObject = dynamic_cast<CMC_Image*>(object);
    if (imageObject == nullptr)
        return CMC_Runner::run(id, object, container, arguments);
    if (container == nullptr)
        container = imageObject->getScene();
    CMC_Variable* result = nullptr;
    Shared shared = sharedOf(kMethods, id);
    if (shared != Shared::None)
        return runShared(shared, imageObject, container, arguments, result) ? result : nullptr;
    CImage* image = imageObject->getImage();
    if (image == nullptr || id < SHOW || id > GETPRIORITY)
        return CMC_Runner::run(id, object, container, arguments);
    bool done = false;
    result = runPicture(id, imageObject, image, container, arguments, done);
    if (!done)
        result = runGeometry(id, imageObject, image, container, arguments, done);
    return result;
}

CMC_Variable* CMC_Image_Runner::runPicture(int id, CMC_Image* object, CImage* image, CMC_ObjectsContainer* container,
                                           CXVector* arguments, bool& done)
{
    done = true;
    switch (id) {
    case SHOW:
    case HIDE:
        image->Visible(id == SHOW);
        return nullptr;
    case SETSCALEFACTOR:
        return nullptr;
    case GETALPHA:
        return alphaAt(image, image->GetPosition(), arguments);
    case GETPIXEL:
        return pixelAt(image, image->GetPosition(), arguments);
    case MERGEALPHA2:
        mergeAlpha2(image, container, arguments);
        return nullptr;
    case LINK:
        linkTo(object, container, arguments);
        return nullptr;
    case SETASBUTTON:
        object->setAsButton(boolArgument(arguments, 0), boolArgument(arguments, 1));
        return nullptr;
    case SETOPACITY:
        // The value as it comes, unlike ANIMO's.
        image->SetOpacity(static_cast<unsigned char>(intArgument(arguments, 0)));
        return nullptr;
    case SAVE:
        image->Save(stringArgument(arguments, 0), COMPRESSION_NONE);
        return nullptr;
    case DRAWONTO:
        drawOnto(image, container, stringArgument(arguments, 0), argumentCount(arguments) == 2 ? intArgument(arguments, 1) : 0);
        return nullptr;
    case REPLACECOLOR:
        // The first argument is not used.
        replaceColor(image, arguments, 1);
        return nullptr;
    case GETCOLORAT:
        // No colour is read: four zeros.
        appendTo(container, stringArgument(arguments, 2), integer(0), 4);
        return nullptr;
    case GETCOLORRAT:
    case GETCOLORGAT:
    case GETCOLORBAT:
        // These compute nothing; their answer is 0.
        return integer(0);
    default:
        done = false;
        return nullptr;
    }
}

CMC_Variable* CMC_Image_Runner::runGeometry(int id, CMC_Image* object, CImage* image, CMC_ObjectsContainer* container,
                                            CXVector* arguments, bool& done)
{
    done = true;
    CXPoint at = image->GetPosition();
    switch (id) {
    case GETPOSITIONX:
        return integer(at.x);
    case GETPOSITIONY:
        return integer(at.y);
    case GETWIDTH:
        return integer(image->Width());
    case GETHEIGHT:
        return integer(image->Height());
    case GETCENTERX:
        // Kept as the scripts know it: (left + width) / 2, not left + width / 2.
        return integer(foundation::wrapAdd(at.x, image->Width()) / 2);
    case GETCENTERY:
        return integer(foundation::wrapAdd(at.y, image->Height()) / 2);
    case ISINSIDE:
        return CMC_VariableFactory::makeBool(
            image->isInside(intArgument(arguments, 0), intArgument(arguments, 1), boolArgument(arguments, 2)));
    case ISAT:
        return CMC_VariableFactory::makeBool(
            image->isAt(CXPoint(intArgument(arguments, 0), intArgument(arguments, 1)), boolArgument(arguments, 2)));
    case RESETPOSITION: {
        CXPoint start = object->GetStartingPosition();
        placeAt(image, start.x, start.y);
        return nullptr;
    }
    case SETRESETPOSITION:
        object->SetStartingPosition(intArgument(arguments, 0), intArgument(arguments, 1));
        return nullptr;
    case GETSLIDECOMPS:
        slideComponents(image, container, arguments);
        return nullptr;
    default:
        done = false;
        return nullptr;
    }
}

void CMC_Image_Runner::linkTo(CMC_Image* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* source = dynamic_cast<CMC_Image*>(container != nullptr ? container->getObject(stringArgument(arguments, 0)) : nullptr);
    object->link(source);
}

CMC_Image_Runner::Direction CMC_Image_Runner::slideDirection(CImage* image, Direction vector, int x, int y)
{
    Direction a = vector;
    Direction b = vector;
    for (int k = 1; k <= kSlideTries; ++k) {
        a = turned(a, kSlideAngle);
        if (!blocked(image, a, x, y))
            return a;
        b = turned(b, -kSlideAngle);
        if (!blocked(image, b, x, y))
            return b;
    }
    return vector;
}

void CMC_Image_Runner::slideComponents(CImage* image, CMC_ObjectsContainer* container, CXVector* arguments)
{
    Direction vector{doubleArgument(arguments, 0), doubleArgument(arguments, 1)};
    Direction found = slideDirection(image, vector, intArgument(arguments, 2), intArgument(arguments, 3));
    CXString name = stringArgument(arguments, 4);
    appendTo(container, name, CMC_VariableFactory::makeDouble(found.x));
    appendTo(container, name, CMC_VariableFactory::makeDouble(found.y));
}
