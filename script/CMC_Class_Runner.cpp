#include "script/CMC_Class_Runner.h"

#include "foundation/CXArray.h"
#include "script/CMC_Class.h"
#include "script/CMC_ValueStatements.h"
#include "script/CMC_Variable.h"
#include "script/CMC_VariableFactory.h"
#include "script/CRunnableBehaviour.h"

void CMC_Class_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("NEW", NEW);
    putMethod("DELETE", DELETE);
}

CMC_Variable* CMC_Class_Runner::run(const CXString& name, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    int id = resolveMethod(name);
    if (id != -1)
        return run(id, object, container, arguments);
    return runClass(object, container, arguments, name);
}

CMC_Variable* CMC_Class_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    CMC_Class* classObject = CMC_Class::from(object);
    if (classObject == nullptr || container == nullptr || argumentCount(arguments) < 1)
        return nullptr;
    switch (id) {
    case NEW:
        return newInstance(classObject, container, arguments);
    case DELETE:
        return deleteInstance(container, arguments);
    default:
        return nullptr;
    }
}

CMC_Variable* CMC_Class_Runner::newInstance(CMC_Class* classObject, CMC_ObjectsContainer* container, CXVector* arguments)
{
    CMC_ObjectRef target(container);
    CMC_Class* instance = classObject->newInstance(stringArgument(arguments, 0));
    if (!target.isAlive()) {
        CMC_Object::destroy(instance);
        return nullptr;
    }
    CMC_ObjectRef made(instance);
    container->addObject(instance);
    if (!made.isAlive())
        return nullptr;
    return runClass(instance, container, arguments, CXString("CONSTRUCTOR"));
}

CMC_Variable* CMC_Class_Runner::deleteInstance(CMC_ObjectsContainer* container, CXVector* arguments)
{
    CMC_Class* instance = CMC_Class::from(container->getObject(stringArgument(arguments, 0)));
    if (instance == nullptr)
        return nullptr;
    CMC_ObjectRef target(instance);
    CMC_Variable* result = runClass(instance, container, arguments, CXString("DESTRUCTOR"));
    if (target.isAlive()) {
        container->removeObject(instance);
        // Its objects go with it, told they are done as in any unload.
        instance->unload();
        CMC_Object::destroy(target.get());
    }
    return result;
}

CXArray* CMC_Class_Runner::parameterTexts(CXVector* arguments)
{
    int count = argumentCount(arguments);
    if (count == 0)
        return nullptr;
    auto* texts = new CXArray(count, 0.75f);
    for (int i = 0; i < count; ++i)
        texts->add(new CXString(stringArgument(arguments, i)));
    return texts;
}

CMC_Variable* CMC_Class_Runner::runClass(CMC_Object* object, CMC_ObjectsContainer*, CXVector* arguments, const CXString& method)
{
    CMC_Class* instance = CMC_Class::from(object);
    CMC_Object* found = instance != nullptr ? instance->getObject(method) : nullptr;
    auto* behaviour = dynamic_cast<CRunnableBehaviour*>(found);
    if (behaviour == nullptr)
        return nullptr;

    // RETURN writes "__RETURN__" into the scene of the container its line runs in: for an
    // instance's behaviour that is the instance's scene, not the instance. Whatever the run
    // (re)made, there or in the instance, is its result.
    CMC_Ref<CMC_ObjectsContainer> instanceRef(instance);
    CMC_Ref<CMC_ObjectsContainer> sceneRef(instance->getScene());
    CMC_ObjectRef ownBefore(CMC_ValueStatements::returnVariableIn(instance));
    CMC_ObjectRef sceneBefore(CMC_ValueStatements::returnVariableIn(sceneRef.get()));

    CXArray* parameters = parameterTexts(arguments);
    found->setScene(instance);
    behaviour->run(instance, parameters, false);
    CXString::releaseToVector(parameters);

    CMC_Variable* own = CMC_ValueStatements::returnVariableIn(instanceRef.get());
    CMC_Variable* inScene = CMC_ValueStatements::returnVariableIn(sceneRef.get());
    CMC_Variable* result = own;
    if (own == nullptr || ownBefore.refersTo(own))
        result = inScene != nullptr && !sceneBefore.refersTo(inScene) ? inScene : own;
    return CMC_VariableFactory::copyVariable(result);
}
