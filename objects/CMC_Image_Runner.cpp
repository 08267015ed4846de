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

struct MethodName {
    const char* name;
    int id;
};

const MethodName kMethods[] = {
    {"SHOW", CMC_Image_Runner::SHOW},
    {"HIDE", CMC_Image_Runner::HIDE},
    {"SETPOSITION", CMC_Image_Runner::SETPOSITION},
    {"MOVE", CMC_Image_Runner::MOVE},
    {"LOAD", CMC_Image_Runner::LOAD},
    {"CLEARCLIPPING", CMC_Image_Runner::CLEARCLIPPING},
    {"SETCLIPPING", CMC_Image_Runner::SETCLIPPING},
    {"GETPOSITIONX", CMC_Image_Runner::GETPOSITIONX},
    {"GETPOSITIONY", CMC_Image_Runner::GETPOSITIONY},
    {"GETWIDTH", CMC_Image_Runner::GETWIDTH},
    {"GETHEIGHT", CMC_Image_Runner::GETHEIGHT},
    {"ISNEAR", CMC_Image_Runner::ISNEAR},
    {"ISINSIDE", CMC_Image_Runner::ISINSIDE},
    {"MONITORCOLLISION", CMC_Image_Runner::MONITORCOLLISION},
    {"REMOVEMONITORCOLLISION", CMC_Image_Runner::REMOVEMONITORCOLLISION},
    {"SETSCALEFACTOR", CMC_Image_Runner::SETSCALEFACTOR},
    {"SETPRIORITY", CMC_Image_Runner::SETPRIORITY},
    {"GETALPHA", CMC_Image_Runner::GETALPHA},
    {"GETPIXEL", CMC_Image_Runner::GETPIXEL},
    {"MERGEALPHA", CMC_Image_Runner::MERGEALPHA},
    {"INVALIDATE", CMC_Image_Runner::INVALIDATE},
    {"GETCENTERX", CMC_Image_Runner::GETCENTERX},
    {"GETCENTERY", CMC_Image_Runner::GETCENTERY},
    {"ISVISIBLE", CMC_Image_Runner::ISVISIBLE},
    {"LINK", CMC_Image_Runner::LINK},
    {"SETASBUTTON", CMC_Image_Runner::SETASBUTTON},
    {"SETOPACITY", CMC_Image_Runner::SETOPACITY},
    {"SAVE", CMC_Image_Runner::SAVE},
    {"SETANCHOR", CMC_Image_Runner::SETANCHOR},
    {"FLIPH", CMC_Image_Runner::FLIPH},
    {"FLIPV", CMC_Image_Runner::FLIPV},
    {"RESETFLIPS", CMC_Image_Runner::RESETFLIPS},
    {"DRAWONTO", CMC_Image_Runner::DRAWONTO},
    {"RESETPOSITION", CMC_Image_Runner::RESETPOSITION},
    {"SETRESETPOSITION", CMC_Image_Runner::SETRESETPOSITION},
    {"ISAT", CMC_Image_Runner::ISAT},
    {"GETOPACITY", CMC_Image_Runner::GETOPACITY},
    {"GETSLIDECOMPS", CMC_Image_Runner::GETSLIDECOMPS},
    {"GETCOLORAT", CMC_Image_Runner::GETCOLORAT},
    {"GETCOLORRAT", CMC_Image_Runner::GETCOLORRAT},
    {"GETCOLORGAT", CMC_Image_Runner::GETCOLORGAT},
    {"GETCOLORBAT", CMC_Image_Runner::GETCOLORBAT},
    {"MERGEALPHA2", CMC_Image_Runner::MERGEALPHA2},
    {"REPLACECOLOR", CMC_Image_Runner::REPLACECOLOR},
    {"GETPRIORITY", CMC_Image_Runner::GETPRIORITY},
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
    CMC_Runner::prepareMthHashSet();
    for (const MethodName& method : kMethods)
        putMethod(method.name, method.id);
}

CMC_Variable* CMC_Image_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* imageObject = dynamic_cast<CMC_Image*>(object);
    CImage* image = imageObject != nullptr ? imageObject->getImage() : nullptr;
    // An empty object (made by CREATE) can load its picture.
    if (imageObject != nullptr && id == LOAD) {
        imageObject->load(stringArgument(arguments, 0), true);
        return nullptr;
    }
    if (image == nullptr || id < SHOW || id > GETPRIORITY)
        return CMC_Runner::run(id, object, container, arguments);
    if (container == nullptr)
        container = imageObject->getScene();
    bool done = false;
    CMC_Variable* result = runPicture(id, imageObject, image, container, arguments, done);
    if (!done)
        result = runGeometry(id, imageObject, image, container, arguments, done);
    return done ? result : CMC_Runner::run(id, object, container, arguments);
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
    case CLEARCLIPPING:
        image->SetClippingRect(CXRect(0, 0, 0, 0));
        return nullptr;
    case SETCLIPPING:
        setClipping(image, container, arguments);
        return nullptr;
    case MONITORCOLLISION:
        monitorCollision(object, arguments);
        return nullptr;
    case REMOVEMONITORCOLLISION:
        removeMonitorCollision(object);
        return nullptr;
    case SETSCALEFACTOR:
        return nullptr;
    case SETPRIORITY:
        object->setScreenPriority(intArgument(arguments, 0));
        return nullptr;
    case GETPRIORITY:
        return integer(object->getScreenPriority());
    case GETALPHA:
        return alphaAt(image, image->GetPosition(), arguments);
    case GETPIXEL:
        return pixelAt(image, image->GetPosition(), arguments);
    case MERGEALPHA:
        mergeAlpha(image, container, arguments);
        return nullptr;
    case MERGEALPHA2:
        mergeAlpha2(image, container, arguments);
        return nullptr;
    case INVALIDATE:
        image->Invalidate();
        return nullptr;
    case ISVISIBLE:
        return CMC_VariableFactory::makeBool(image->CGraphicsObject::isVisible());
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
    case GETOPACITY:
        return integer(image->GetOpacity());
    case SAVE:
        image->Save(stringArgument(arguments, 0), COMPRESSION_NONE);
        return nullptr;
    case FLIPH:
        flip(image, Flip::Horizontal);
        return nullptr;
    case FLIPV:
        flip(image, Flip::Vertical);
        return nullptr;
    case RESETFLIPS:
        flip(image, Flip::Reset);
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
    case SETPOSITION:
        placeAt(image, intArgument(arguments, 0), intArgument(arguments, 1));
        return nullptr;
    case MOVE:
        image->Move(intArgument(arguments, 0), intArgument(arguments, 1));
        return nullptr;
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
    case ISNEAR:
        return isNear(image, container, arguments);
    case ISINSIDE:
        return CMC_VariableFactory::makeBool(
            image->isInside(intArgument(arguments, 0), intArgument(arguments, 1), boolArgument(arguments, 2)));
    case ISAT:
        return CMC_VariableFactory::makeBool(
            image->isAt(CXPoint(intArgument(arguments, 0), intArgument(arguments, 1)), boolArgument(arguments, 2)));
    case SETANCHOR:
        setAnchor(image, arguments);
        return nullptr;
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
