#include "script/CMC_ValueStatements.h"

#include "script/CMC_Behaviour.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "script/CWindowServices.h"

using namespace script;

namespace {

int typeOfConvName(const CXString& name)
{
    if (name == "STRING")
        return TYPE_STRING;
    if (name == "INTEGER")
        return TYPE_INTEGER;
    if (name == "BOOL")
        return TYPE_BOOL;
    if (name == "DOUBLE")
        return TYPE_DOUBLE;
    return TYPE_NONE;
}

} // namespace

CMC_Variable* CMC_ValueStatements::makeVariable(int type, const CXString& name)
{
    switch (type) {
    case TYPE_STRING:
        return new CMC_String(name);
    case TYPE_INTEGER:
        return new CMC_Integer(name);
    case TYPE_BOOL:
        return new CMC_Bool(name);
    case TYPE_DOUBLE:
        return new CMC_Double(name);
    default:
        return nullptr;
    }
}

bool CMC_ValueStatements::isDeclaredVariable(CMC_ObjectsContainer* container, CMC_Variable* value)
{
    return container != nullptr && value != nullptr && value->getId() < 0 && container->getObject(value->getName()) == value;
}

CMC_Variable* CMC_ValueStatements::returnVariableIn(CMC_ObjectsContainer* container)
{
    return container != nullptr ? dynamic_cast<CMC_Variable*>(container->getObject(kReturnName)) : nullptr;
}

CMC_Variable* CMC_ValueStatements::returnStatement(CMC_Dummy_Runner::Call& call)
{
    CMC_ObjectsContainer* scene = call.container != nullptr ? call.container->getScene() : nullptr;
    if (scene == nullptr)
        return nullptr;
    // Read first: the value may be the old "__RETURN__" itself.
    CXString value = call.runner.stringArgument(call.arguments, 0);
    CMC_Object* old = scene->getObject(kReturnName);
    if (old != nullptr && scene->removeObject(old))
        CMC_Object::destroy(old);
    auto* returned = new CMC_String(CXString(kReturnName));
    returned->setValue(value);
    returned->setScene(scene);
    scene->addObject(returned);
    return CMC_VariableFactory::copyVariable(returned);
}

CMC_Variable* CMC_ValueStatements::declare(CMC_Dummy_Runner::Call& call, int type)
{
    CMC_Behaviour* behaviour = call.behaviour();
    if (call.container == nullptr || behaviour == nullptr ||
        isDeclaredVariable(call.container, call.runner.getParameter(call.arguments, 0)))
        return nullptr;
    CXString name = call.runner.stringArgument(call.arguments, 0);
    if (call.container->getObject(name) != nullptr)
        return nullptr;
    CMC_Variable* variable = makeVariable(type, name);
    if (CMC_Variable* value = call.runner.getParameter(call.arguments, 1))
        variable->set(value);
    variable->setAsTemporary();
    variable->setScene(call.container);
    call.container->addObject(variable);
    behaviour->addTempObject(variable);
    return CMC_VariableFactory::copyVariable(variable);
}

CMC_Variable* CMC_ValueStatements::convStatement(CMC_Dummy_Runner::Call& call)
{
    CMC_Variable* converted = CMC_VariableFactory::makeEmpty(typeOfConvName(call.runner.stringArgument(call.arguments, 1)));
    if (converted == nullptr)
        return nullptr;
    if (CMC_Variable* value = call.runner.getParameter(call.arguments, 0))
        converted->set(value);
    return converted;
}

CMC_Variable* CMC_ValueStatements::valueStatement(CMC_Dummy_Runner::Call& call)
{
    if (call.container == nullptr)
        return nullptr;
    return dynamic_cast<CMC_Variable*>(call.container->getObject(call.runner.stringArgument(call.arguments, 0)));
}

CMC_Variable* CMC_ValueStatements::applicationNameStatement(CMC_Dummy_Runner::Call& call)
{
    CMC_Object* application = call.container != nullptr ? CWindowServices::applicationOf(call.container->getWindow()) : nullptr;
    return application != nullptr ? CMC_VariableFactory::makeString(application->getName()) : nullptr;
}

CMC_Variable* CMC_ValueStatements::currentSceneStatement(CMC_Dummy_Runner::Call& call)
{
    CMC_ObjectsContainer* scene = call.container != nullptr ? call.container->getScene() : nullptr;
    return scene != nullptr ? CMC_VariableFactory::makeString(scene->getName()) : nullptr;
}

CMC_Variable* CMC_ValueStatements::msgboxStatement(CMC_Dummy_Runner::Call&)
{
    return nullptr;
}
