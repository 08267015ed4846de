#include "objects/CMC_Text_Runner.h"

#include "foundation/IntegerWrap.h"
#include "graphics/CFontCollection.h"
#include "graphics/CMultilineText6.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "objects/CMC_Text.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_Integer.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"

#include <algorithm>

using foundation::wrapAdd;
using foundation::wrapSub;

namespace {

using S = CMC_Media_Runner::Shared;

const CMC_Media_Runner::Method kMethods[] = {
    {"SETTEXT", CMC_Text_Runner::SETTEXT, S::None},
    {"SETJUSTIFY", CMC_Text_Runner::SETJUSTIFY, S::None},
    {"SHOW", CMC_Text_Runner::SHOW, S::None},
    {"HIDE", CMC_Text_Runner::HIDE, S::None},
    {"SETPOSITION", CMC_Text_Runner::SETPOSITION, S::None},
    {"MOVE", CMC_Text_Runner::MOVE, S::None},
    {"LOAD", CMC_Text_Runner::LOAD, S::None},
    {"CLEARCLIPPING", CMC_Text_Runner::CLEARCLIPPING, S::None},
    {"SETCLIPPING", CMC_Text_Runner::SETCLIPPING, S::None},
    {"GETPOSITIONX", CMC_Text_Runner::GETPOSITIONX, S::None},
    {"GETPOSITIONY", CMC_Text_Runner::GETPOSITIONY, S::None},
    {"GETWIDTH", CMC_Text_Runner::GETWIDTH, S::None},
    {"GETHEIGHT", CMC_Text_Runner::GETHEIGHT, S::None},
    {"ISNEAR", CMC_Text_Runner::ISNEAR, S::None},
    {"SETPRIORITY", CMC_Text_Runner::SETPRIORITY, S::None},
    {"SETCOLOR", CMC_Text_Runner::SETCOLOR, S::None},
    {"DRAWONTO", CMC_Text_Runner::DRAWONTO, S::None},
    {"SETRECT", CMC_Text_Runner::SETRECT, S::None},
    {"SETTEXTDOUBLE", CMC_Text_Runner::SETTEXTDOUBLE, S::None},
    {"SETOPACITY", CMC_Text_Runner::SETOPACITY, S::None},
    {"SETFONT", CMC_Text_Runner::SETFONT, S::None},
    {"GETWORDAT", CMC_Text_Runner::GETWORDAT, S::None},
    {"GETWORDATXY", CMC_Text_Runner::GETWORDATXY, S::None},
    {"GETWORDPOSX", CMC_Text_Runner::GETWORDPOSX, S::None},
    {"GETWORDPOSY", CMC_Text_Runner::GETWORDPOSY, S::None},
    {"SEARCH", CMC_Text_Runner::SEARCH, S::None},
    {"SETWORDCOLOR", CMC_Text_Runner::SETWORDCOLOR, S::None},
    {"INVALIDATE", CMC_Text_Runner::INVALIDATE, S::None},
    {"GETWORDWIDTH", CMC_Text_Runner::GETWORDWIDTH, S::None},
    {"GETNUMWORDS", CMC_Text_Runner::GETNUMWORDS, S::None},
};

CMC_Variable* integer(int value)
{
    return CMC_VariableFactory::makeInteger(value);
}

} // namespace

void CMC_Text_Runner::prepareMthHashSet()
{
    putMethods(kMethods);
}

CMC_Variable* CMC_Text_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* textObject = dynamic_cast<CMC_Text*>(object);
    CMultilineText6* text = textObject != nullptr ? textObject->getText() : nullptr;
    if (text == nullptr || id < SETTEXT || id > GETNUMWORDS)
        return CMC_Runner::run(id, object, container, arguments);
    if (container == nullptr)
        container = textObject->getScene();
    bool done = false;
    CMC_Variable* result = runLayout(id, textObject, text, container, arguments, done);
    return done ? result : runWords(id, text, arguments);
}

CMC_Variable* CMC_Text_Runner::runLayout(int id, CMC_Text* object, CMultilineText6* text, CMC_ObjectsContainer* container,
                                         CXVector* arguments, bool& done)
{
    done = true;
    CRefreshScreen* screen = text->getWindow() != nullptr ? text->getWindow()->GetRefreshScreenInterface() : nullptr;
    switch (id) {
    case SETTEXT:
        text->setText(stringArgument(arguments, 0));
        return nullptr;
    case SETJUSTIFY:
        setJustify(text, container, arguments);
        return nullptr;
    case SHOW:
    case HIDE:
        text->Visible(id == SHOW);
        return nullptr;
    case SETPOSITION: {
        CXRect r = text->getjustifyRect();
        int x = intArgument(arguments, 0), y = intArgument(arguments, 1);
        CXRect placed(x, y, wrapAdd(r.right, wrapSub(x, r.left)), wrapAdd(r.bottom, wrapSub(y, r.top)));
        text->setJustify(placed, text->getHJustify(), text->getVJustify());
        return nullptr;
    }
    case MOVE:
        text->Move(intArgument(arguments, 0), intArgument(arguments, 1));
        return nullptr;
    case LOAD:
        text->Load(stringArgument(arguments, 0));
        return nullptr;
    case CLEARCLIPPING:
        text->SetClippingRect(CXRect(0, 0, 0, 0));
        text->Invalidate();
        return nullptr;
    case SETCLIPPING:
        text->Invalidate();
        setClipping(text, container, arguments);
        text->Invalidate();
        return nullptr;
    case GETPOSITIONX:
        return integer(text->GetPosition().x);
    case GETPOSITIONY:
        return integer(text->GetPosition().y);
    case GETWIDTH:
        return integer(text->Width());
    case GETHEIGHT:
        return integer(text->Height());
    case ISNEAR:
        return isNear(text, container, arguments);
    case SETPRIORITY:
        if (screen != nullptr)
            screen->SetPriority(text, intArgument(arguments, 0));
        return nullptr;
    case SETCOLOR:
        text->setColor(screenPixel(text->getWindow(), intArgument(arguments, 0), intArgument(arguments, 1), intArgument(arguments, 2)));
        return nullptr;
    case DRAWONTO:
        drawOnto(text, container, stringArgument(arguments, 0), argumentCount(arguments) == 2 ? intArgument(arguments, 1) : 0);
        return nullptr;
    case SETRECT:
        setRect(text, container, arguments);
        return nullptr;
    case SETTEXTDOUBLE:
        setTextDouble(text, arguments);
        return nullptr;
    case SETOPACITY:
        text->SetOpacity(static_cast<unsigned char>(intArgument(arguments, 0)));
        text->Invalidate();
        return nullptr;
    case SETFONT:
        // A name that is no FONT object leaves the font as it is.
        if (CFontCollection* fonts = object->fontNamed(stringArgument(arguments, 0)))
            text->setFont(fonts);
        return nullptr;
    case INVALIDATE:
        text->Invalidate();
        return nullptr;
    default:
        done = false;
        return nullptr;
    }
}

CMC_Variable* CMC_Text_Runner::runWords(int id, CMultilineText6* text, CXVector* arguments)
{
    switch (id) {
    case GETWORDAT:
        return CMC_VariableFactory::makeString(text->getWordAt(intArgument(arguments, 0)));
    case GETWORDATXY:
        return integer(text->getWordAtXY(CXPoint(intArgument(arguments, 0), intArgument(arguments, 1))));
    case GETWORDPOSX:
        return integer(text->getWordPosition(intArgument(arguments, 0)).x);
    case GETWORDPOSY:
        return integer(text->getWordPosition(intArgument(arguments, 0)).y);
    case SEARCH:
        return integer(text->search(stringArgument(arguments, 0), intArgument(arguments, 1)));
    case SETWORDCOLOR:
        text->setWordColor(intArgument(arguments, 0),
                           screenPixel(text->getWindow(), intArgument(arguments, 1), intArgument(arguments, 2), intArgument(arguments, 3)));
        return nullptr;
    case GETWORDWIDTH:
        return integer(text->getWordWidth(intArgument(arguments, 0)));
    case GETNUMWORDS:
        return integer(text->getNumWords());
    default:
        return nullptr;
    }
}

void CMC_Text_Runner::setJustify(CMultilineText6* text, CMC_ObjectsContainer* container, CXVector* arguments)
{
    CXRect rect;
    int words = 1;
    if (argumentCount(arguments) == 6) {
        rect = CXRect(intArgument(arguments, 0), intArgument(arguments, 1), intArgument(arguments, 2), intArgument(arguments, 3));
        words = 4;
    } else {
        CGraphicsObject* named = container != nullptr ? container->getGraphicsObject(stringArgument(arguments, 0)) : nullptr;
        rect = named != nullptr ? named->GetBoundingBox() : CXRect(0, 0, 0, 0);
    }
    text->setJustify(rect, CMC_Text::resolveJustify(stringArgument(arguments, words)),
                     CMC_Text::resolveJustify(stringArgument(arguments, words + 1)));
}

void CMC_Text_Runner::setRect(CMultilineText6* text, CMC_ObjectsContainer* container, CXVector* arguments)
{
    CXRect rect;
    if (argumentCount(arguments) == 4) {
        rect = CXRect(intArgument(arguments, 0), intArgument(arguments, 1), intArgument(arguments, 2), intArgument(arguments, 3));
    } else if (argumentCount(arguments) == 1) {
        CGraphicsObject* named = container != nullptr ? container->getGraphicsObject(stringArgument(arguments, 0)) : nullptr;
        // A name that finds no graphics object changes nothing.
        if (named == nullptr)
            return;
        rect = named->getRect();
    } else {
        return;
    }
    text->setJustify(rect, text->getHJustify(), text->getVJustify());
}

void CMC_Text_Runner::setTextDouble(CMultilineText6* text, CXVector* arguments)
{
    CXString number = stringArgument(arguments, 0);
    int decimals = intArgument(arguments, 1);
    int point = number.Find('.');
    if (decimals >= 0 && point >= 0) {
        number = number.Left(int(std::min<int64_t>(int64_t(point) + decimals + 1, number.getLength())));
        CMC_Variable* given = getParameter(arguments, 0);
        if (given != nullptr && given->getType() == script::TYPE_STRING)
            static_cast<CMC_String*>(given)->setValue(number);
    }
    text->setText(number);
}
