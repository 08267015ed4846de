#include "script/CMC_Runner.h"

#include "foundation/CHashtable.h"
#include "foundation/CInteger.h"
#include "foundation/CStringHashCode.h"
#include "foundation/CXArray.h"
#include "script/CComputedValue.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Cast.h"
#include "script/CMC_Double.h"
#include "script/CMC_Expression.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "script/CMemberList.h"
#include "script/CValueList.h"

namespace {

struct CommonName {
    const char* name;
    int id;
};

const CommonName kCommonMethods[] = {
    {"SEND", CMC_Runner::SEND},
    {"ADDTOGROUP", CMC_Runner::ADDTOGROUP},
    {"ADDTOARRAY", CMC_Runner::ADDTOARRAY},
    {"GETNAME", CMC_Runner::GETNAME},
    {"CLONE", CMC_Runner::CLONE},
    {"ADDBEHAVIOUR", CMC_Runner::ADDBEHAVIOUR},
    {"GETCLONEINDEX", CMC_Runner::GETCLONEINDEX},
    {"MSGBOX", CMC_Runner::MSGBOX},
    {"RESETCLONES", CMC_Runner::RESETCLONES},
    {"REMOVEBEHAVIOUR", CMC_Runner::REMOVEBEHAVIOUR},
    {"GETCLONESNO", CMC_Runner::GETCLONESNO},
    {"REMOVEALLBEHAVIOURS", CMC_Runner::REMOVEALLBEHAVIOURS},
    {"REMOVEBEHAVIOURFORCE", CMC_Runner::REMOVEBEHAVIOURFORCE},
    {"OVERIDESIGNALS", CMC_Runner::OVERIDESIGNALS},
};

} // namespace

CMC_Runner::CMC_Runner() : methods_(nullptr), lookupKey_(new CStringHashCode(CXString("temp")))
{
}

CMC_Runner::~CMC_Runner()
{
    delete lookupKey_;
    if (methods_ != nullptr) {
        CXVector* ids = methods_->getElements();
        for (int i = 0; i < ids->getSize(); ++i)
            delete ids->at(i);
        delete methods_;
    }
}

void CMC_Runner::prepareMthHashSet()
{
    if (methods_ == nullptr)
        methods_ = new CHashtable(101, 0.75, true);
    for (const CommonName& method : kCommonMethods)
        putMethod(method.name, method.id);
}

void CMC_Runner::putMethod(const char* name, int id)
{
    if (methods_ == nullptr)
        methods_ = new CHashtable(101, 0.75, true);
    // The table keeps an earlier entry of the same name in front, so the first registration wins;
    // a later one would only be dead weight.
    if (resolveMethod(name) != -1)
        return;
    methods_->put(new CStringHashCode(name), new CInteger(id));
}

int CMC_Runner::resolveMethod(const CXString& name)
{
    if (methods_ == nullptr)
        return -1;
    lookupKey_->set(name.c_str());
    auto* id = static_cast<CInteger*>(methods_->get(lookupKey_));
    return id != nullptr ? id->toInt() : -1;
}

void CMC_Runner::toDebug(const CXString&, CXVector*)
{
}

// ---- arguments --------------------------------------------------------------------------------

int CMC_Runner::argumentCount(const CXVector* arguments)
{
    return arguments != nullptr ? arguments->getSize() : 0;
}

CMC_Variable* CMC_Runner::getParameter(CXVector* arguments, int index)
{
    if (index < 0 || index >= argumentCount(arguments))
        return nullptr;
    // A line passes objects it found by name as they are; only values are values.
    CMC_Variable* argument = CMC_Variable::fromArgument(arguments->at(index));
    if (argument != nullptr && argument->getType() == script::TYPE_EXPRESSION) {
        if (auto* computed = script::castUsually<CComputedValue, CMC_Expression>(argument))
            return computed->computeValue();
    }
    return argument;
}

CMC_Variable* CMC_Runner::convertedParameter(CXVector* arguments, int index, int type)
{
    CMC_Variable* argument = getParameter(arguments, index);
    if (argument == nullptr)
        return nullptr;
    CMC_Variable* converted = argument->convert(type);
    if (converted != nullptr && converted != argument)
        CMC_Object::flush(converted);
    return converted;
}

CMC_Variable* CMC_Runner::getParameterBool(CXVector* arguments, int index)
{
    return convertedParameter(arguments, index, script::TYPE_BOOL);
}

CMC_Variable* CMC_Runner::getParameterDouble(CXVector* arguments, int index)
{
    return convertedParameter(arguments, index, script::TYPE_DOUBLE);
}

CMC_Variable* CMC_Runner::getParameterInteger(CXVector* arguments, int index)
{
    return convertedParameter(arguments, index, script::TYPE_INTEGER);
}

CMC_Variable* CMC_Runner::getParameterString(CXVector* arguments, int index)
{
    return convertedParameter(arguments, index, script::TYPE_STRING);
}

bool CMC_Runner::boolArgument(CXVector* arguments, int index, bool fallback)
{
    CMC_Variable* value = getParameterBool(arguments, index);
    return value != nullptr && value->getType() == script::TYPE_BOOL ? static_cast<CMC_Bool*>(value)->getValue() : fallback;
}

double CMC_Runner::doubleArgument(CXVector* arguments, int index, double fallback)
{
    CMC_Variable* value = getParameterDouble(arguments, index);
    return value != nullptr && value->getType() == script::TYPE_DOUBLE ? static_cast<CMC_Double*>(value)->getValue() : fallback;
}

int CMC_Runner::intArgument(CXVector* arguments, int index, int fallback)
{
    CMC_Variable* value = getParameterInteger(arguments, index);
    return value != nullptr && value->getType() == script::TYPE_INTEGER ? static_cast<CMC_Integer*>(value)->getValue() : fallback;
}

CXString CMC_Runner::stringArgument(CXVector* arguments, int index, const CXString& fallback)
{
    CMC_String* value = stringParameter(arguments, index);
    return value != nullptr ? value->getValue() : fallback;
}

CXString CMC_Runner::stringArgument(CXVector* arguments, int index)
{
    CMC_String* value = stringParameter(arguments, index);
    return value != nullptr ? value->getValue() : CXString();
}

CMC_String* CMC_Runner::stringParameter(CXVector* arguments, int index)
{
    CMC_Variable* value = getParameterString(arguments, index);
    return value != nullptr && value->getType() == script::TYPE_STRING ? static_cast<CMC_String*>(value) : nullptr;
}

CMC_Object* CMC_Runner::objectArgument(CXVector* arguments, int index, CMC_ObjectsContainer* container)
{
    if (index < 0 || index >= argumentCount(arguments) || arguments->at(index) == nullptr)
        return nullptr;
    CXObject* argument = arguments->at(index);
    if (dynamic_cast<CMC_Variable*>(argument) == nullptr)
        return dynamic_cast<CMC_Object*>(argument);
    return container != nullptr ? container->getObject(stringArgument(arguments, index)) : nullptr;
}

CXString CMC_Runner::signalKey(const CXString& text)
{
    CXString key = text;
    key.Replace('$', '^');
    return key;
}

void CMC_Runner::releaseArgument(CXVector* arguments, int index)
{
    if (index < argumentCount(arguments))
        CMC_Object::flush(dynamic_cast<CMC_Variable*>(arguments->at(index)));
}

// ---- running ----------------------------------------------------------------------------------

CMC_Variable* CMC_Runner::run(const CXString& name, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    return run(resolveMethod(name), object, container, arguments);
}

CMC_Variable* CMC_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    if (object == nullptr || id < SEND || id > OVERIDESIGNALS)
        return nullptr;
    return runCommon(id, object, container, arguments);
}

CMC_Variable* CMC_Runner::runForEffect(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    return run(id, object, container, arguments);
}

CMC_Variable* CMC_Runner::runCommon(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    int count = argumentCount(arguments);
    switch (id) {
    case SEND:
        if (count > 0) {
            CXString text = stringArgument(arguments, 0);
            object->onSignal(text.startsWith("@") ? text : CXString("ONSIGNAL^") + text);
        }
        return nullptr;
    case ADDTOGROUP:
    case ADDTOARRAY: {
        if (count < 1 || container == nullptr)
            return nullptr;
        CMC_Object* target = objectArgument(arguments, 0, container);
        releaseArgument(arguments, 0);
        if (id == ADDTOGROUP) {
            if (auto* group = dynamic_cast<CMemberList*>(target))
                group->add(object);
        } else if (auto* array = dynamic_cast<CValueList*>(target)) {
            // Arrays hold values: only a variable can be added.
            if (auto* value = dynamic_cast<CMC_Variable*>(object))
                array->add(value);
        }
        return nullptr;
    }
    case GETNAME:
        return CMC_VariableFactory::makeString(object->getName());
    case CLONE:
        object->clone(count > 0 ? intArgument(arguments, 0, 1) : 1);
        return nullptr;
    case ADDBEHAVIOUR:
        addBehaviourByName(object, container, arguments);
        return nullptr;
    case GETCLONEINDEX:
        return CMC_VariableFactory::makeInteger(object->getCloneIdx());
    case MSGBOX:
        return nullptr;
    case RESETCLONES:
        object->resetClones();
        return nullptr;
    case REMOVEBEHAVIOUR:
        if (count > 0)
            object->removeBehaviour(signalKey(stringArgument(arguments, 0)), container);
        return nullptr;
    case GETCLONESNO:
        return CMC_VariableFactory::makeInteger(object->getClonesNo());
    case REMOVEALLBEHAVIOURS:
        object->removeAllBehaviours();
        return nullptr;
    case REMOVEBEHAVIOURFORCE:
        if (count > 0)
            object->removeBehaviourForce(signalKey(stringArgument(arguments, 0)));
        return nullptr;
    case OVERIDESIGNALS:
        if (count > 0)
            object->overideSignals(boolArgument(arguments, 0));
        return nullptr;
    default:
        return nullptr;
    }
}

void CMC_Runner::addBehaviourByName(CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    int count = argumentCount(arguments);
    if (count < 2 || container == nullptr)
        return;
    CXString key = signalKey(stringArgument(arguments, 0));
    CMC_Object* behaviour = container->getObject(stringArgument(arguments, 1));
    releaseArgument(arguments, 0);
    releaseArgument(arguments, 1);
    if (behaviour == nullptr)
        return;
    // Further arguments become the handler's own argument texts ($1, $2 ... of its behaviour).
    CXArray* handlerArguments = nullptr;
    if (count > 2) {
        handlerArguments = new CXArray(count, 0.75f);
        for (int i = 2; i < count; ++i)
            handlerArguments->add(new CXString(stringArgument(arguments, i)));
    }
    object->attachOrRelease(key, behaviour, handlerArguments, container);
}
