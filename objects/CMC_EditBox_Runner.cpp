#include "objects/CMC_EditBox_Runner.h"

#include "graphics/CEditBox6.h"
#include "graphics/CEditBoxUnit.h"
#include "graphics/CMultilineText6.h"
#include "objects/CMC_EditBox.h"
#include "objects/CMC_Media_Runner.h"
#include "script/CMC_String.h"
#include "script/CMC_VariableFactory.h"

namespace {

struct Name {
    const char* name;
    int id;
};

const Name kMethods[] = {
    {"SETTEXT", CMC_EditBox_Runner::SETTEXT},         {"GETTEXT", CMC_EditBox_Runner::GETTEXT},
    {"ACTIVE", CMC_EditBox_Runner::ACTIVE},           {"DEACTIVE", CMC_EditBox_Runner::DEACTIVE},
    {"ENABLE", CMC_EditBox_Runner::ENABLE},           {"DISABLE", CMC_EditBox_Runner::DISABLE},
    {"ADDTEXT", CMC_EditBox_Runner::ADDTEXT},         {"MOVE", CMC_EditBox_Runner::MOVE},
    {"SETPOSITION", CMC_EditBox_Runner::SETPOSITION}, {"SETPRIORITY", CMC_EditBox_Runner::SETPRIORITY},
    {"SETCURSORPOS", CMC_EditBox_Runner::SETCURSORPOS}, {"SETRECT", CMC_EditBox_Runner::SETRECT},
    {"SETCOLOR", CMC_EditBox_Runner::SETCOLOR},       {"SETREADONLY", CMC_EditBox_Runner::SETREADONLY},
    {"ENABLENL", CMC_EditBox_Runner::ENABLENL},
};

} // namespace

void CMC_EditBox_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    for (const Name& method : kMethods)
        putMethod(method.name, method.id);
}

CMC_Variable* CMC_EditBox_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* field = dynamic_cast<CMC_EditBox*>(object);
    CEditBox6* box = field != nullptr ? field->getEditBox() : nullptr;
    if (box == nullptr || id < SETTEXT || id > ENABLENL)
        return CMC_Runner::run(id, object, container, arguments);
    bool done = true;
    CMC_Variable* result = runText(id, box, arguments, done);
    if (done)
        return result;
    switch (id) {
    case ACTIVE:
        box->getUnit()->activateEditBox(box);
        break;
    case DEACTIVE:
        box->activate(false);
        break;
    case ENABLE:
    case DISABLE:
        box->enable(id == ENABLE);
        break;
    case MOVE:
        box->move(CXPoint(intArgument(arguments, 0), intArgument(arguments, 1)));
        break;
    case SETPOSITION:
        box->setPosition(CXPoint(intArgument(arguments, 0), intArgument(arguments, 1)));
        break;
    case SETPRIORITY:
        box->setPriority(intArgument(arguments, 0));
        break;
    case SETRECT:
        box->setRect(CXRect(intArgument(arguments, 0), intArgument(arguments, 1), intArgument(arguments, 2), intArgument(arguments, 3)));
        break;
    case SETCOLOR:
        box->setColor(CMC_Media_Runner::screenPixel(box->getTextObject()->getWindow(), intArgument(arguments, 0),
                                                    intArgument(arguments, 1), intArgument(arguments, 2)));
        break;
    case SETREADONLY:
        box->setReadOnly(boolArgument(arguments, 0));
        break;
    case ENABLENL:
        box->setNewLineDisabled(!boolArgument(arguments, 0));
        break;
    default:
        break;
    }
    return nullptr;
}

CMC_Variable* CMC_EditBox_Runner::runText(int id, CEditBox6* box, CXVector* arguments, bool& done)
{
    switch (id) {
    case SETTEXT:
        box->setText(stringArgument(arguments, 0));
        return nullptr;
    case GETTEXT:
        return CMC_VariableFactory::makeString(box->getText());
    case ADDTEXT:
        box->setText(box->getText() + stringArgument(arguments, 0));
        return nullptr;
    case SETCURSORPOS:
        box->setCursorPos(intArgument(arguments, 0));
        return nullptr;
    default:
        done = false;
        return nullptr;
    }
}
