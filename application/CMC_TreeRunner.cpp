#include "application/CMC_TreeRunner.h"

#include "application/CMC_Scene.h"
#include "foundation/CXArray.h"
#include "foundation/CXVector.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_TypeIds.h"
#include "script/CRunnableBehaviour.h"

#include <memory>

namespace {

enum BehaviourRun { PLAIN_CALL = 0, RUN_BEHAVIOUR = 1, RUN_WITH_CONDITION = 2 };

} // namespace

void CMC_TreeRunner::putMethods(std::span<const MethodName> methods)
{
    CMC_Runner::prepareMthHashSet();
    for (const MethodName& method : methods)
        putMethod(method.name, method.id);
}

bool CMC_TreeRunner::isOwnMethod(std::span<const MethodName> methods, int id)
{
    for (const MethodName& method : methods) {
        if (method.id == id)
            return true;
    }
    return false;
}

CMC_Variable* CMC_TreeRunner::gotoChild(CMC_Object* object, CXVector* arguments)
{
    auto* container = dynamic_cast<CMC_Scene*>(object);
    if (container != nullptr && argumentCount(arguments) > 0)
        container->_goto(stringArgument(arguments, 0));
    releaseArgument(arguments, 0);
    return nullptr;
}

int CMC_TreeRunner::behaviourRunOf(const CXString& method, bool ignoreCase)
{
    auto same = [&](const char* name) { return ignoreCase ? method.equalsIgnoreCase(name) : method == name; };
    if (same("RUN"))
        return RUN_BEHAVIOUR;
    return same("RUNC") ? RUN_WITH_CONDITION : PLAIN_CALL;
}

CMC_Variable* CMC_TreeRunner::runNamed(CMC_Object* caller, CMC_ObjectsContainer* names, CXVector* arguments, bool ignoreCase)
{
    if (names == nullptr || argumentCount(arguments) < 2)
        return nullptr;
    CMC_Object* called = names->getObject(stringArgument(arguments, 0));
    CXString method = stringArgument(arguments, 1);
    releaseArgument(arguments, 0);
    releaseArgument(arguments, 1);
    CMC_Runner* runner = CMC_RunnerFactory::getRunnerFor(called);
    if (called == nullptr || runner == nullptr)
        return nullptr;
    auto* behaviour = dynamic_cast<CRunnableBehaviour*>(called);
    int behaviourRun = behaviourRunOf(method, ignoreCase);
    if (behaviour != nullptr && called->getType() == script::TYPE_BEHAVIOUR && behaviourRun != PLAIN_CALL) {
        CXArray* parameters = parameterList(nullptr, argumentTexts(arguments, 2));
        behaviour->run(caller, parameters, behaviourRun == RUN_WITH_CONDITION);
        CXString::releaseToVector(parameters);
        return nullptr;
    }
    // The callee reads (and may release) the arguments themselves.
    auto passed = std::make_unique<CXVector>(argumentCount(arguments) + 1, 0.75f);
    for (int i = 2; i < argumentCount(arguments); ++i)
        passed->add(arguments->at(i));
    return runner->run(method, called, names, passed.get());
}

std::vector<CXString> CMC_TreeRunner::argumentTexts(CXVector* arguments, int first)
{
    std::vector<CXString> texts;
    for (int i = first; i < argumentCount(arguments); ++i) {
        texts.push_back(stringArgument(arguments, i));
        releaseArgument(arguments, i);
    }
    return texts;
}

CXArray* CMC_TreeRunner::parameterList(const CXString* leading, const std::vector<CXString>& texts)
{
    auto* list = new CXArray(static_cast<int>(texts.size()) + 2, 0.75f);
    if (leading != nullptr)
        list->add(new CXString(*leading));
    for (const CXString& text : texts)
        list->add(new CXString(text));
    return list;
}
