#include "script/CMC_ObjectStatements.h"

#include "foundation/CXArray.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_CreationChain.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_String.h"
#include "script/CMC_VariableFactory.h"

namespace {

// Numbers the timer-driven behaviours of the whole process. A number, unlike a random one, never
// names a behaviour that is still running, so a new one never takes the place of a live one.
unsigned timerBehaviourCounter = 0;

bool isCreatableType(const CXString& type)
{
    return type == "ANIMO" || type == "IMAGE" || type == "SOUND" || type == "BUTTON";
}

} // namespace

CXString CMC_ObjectStatements::timerCode(const CXString& code)
{
    CXString result = code;
    char* text = result.getBuffer();
    for (int i = 0; i + 1 < result.getLength(); ++i) {
        if (text[i] == '&' && text[i + 1] >= '1' && text[i + 1] <= '9')
            text[i] = '$';
    }
    return result;
}

CXString CMC_ObjectStatements::freeTimerName(CMC_ObjectsContainer* container)
{
    CXString name;
    do {
        name = CXString("timer_") + CXString::toString(static_cast<int>(timerBehaviourCounter++ & 0x7fffffffu));
    } while (container->getObject(name) != nullptr);
    return name;
}

CMC_Behaviour* CMC_ObjectStatements::addBehaviour(CMC_ObjectsContainer* container, const CXString& code)
{
    auto* behaviour = new CMC_Behaviour(container, freeTimerName(container), code);
    container->addObject(behaviour);
    CMC_ObjectRef made(behaviour);
    behaviour->init();
    return made.isAlive() ? behaviour : nullptr;
}

CXArray* CMC_ObjectStatements::timerParameters(CMC_Dummy_Runner::Call& call)
{
    auto* parameters = new CXArray(call.count() > 4 ? call.count() - 3 : 1, 0.75f);
    parameters->add(new CXString("0"));
    for (int i = 4; i < call.count(); ++i)
        parameters->add(new CXString(call.runner.stringArgument(call.arguments, i)));
    return parameters;
}

CMC_Variable* CMC_ObjectStatements::runOnTimerStatement(CMC_Dummy_Runner::Call& call)
{
    CMC_ObjectsContainer* container = call.container;
    if (container == nullptr)
        return nullptr;
    int period = call.runner.intArgument(call.arguments, 0);
    int count = call.runner.intArgument(call.arguments, 1);
    CXString codeArgument = call.runner.stringArgument(call.arguments, 2);
    CXString followUpArgument = call.runner.stringArgument(call.arguments, 3);

    CXString code = codeArgument;
    if (auto* named = dynamic_cast<CMC_Behaviour*>(container->getObject(codeArgument)))
        code = named->getCode();
    CMC_Object* followUp = container->getObject(followUpArgument);
    if (followUp == nullptr && followUpArgument.getLength() > 0)
        followUp = addBehaviour(container, timerCode(followUpArgument));
    CMC_Ref<CMC_Behaviour> followUpBehaviour(dynamic_cast<CMC_Behaviour*>(followUp));

    CMC_Behaviour* timed = addBehaviour(container, timerCode(code));
    if (timed == nullptr)
        return nullptr;
    CXString name = timed->getName();
    timed->runOnTimer(period, count, timerParameters(call), followUpBehaviour.get());
    return CMC_VariableFactory::makeString(name);
}

CMC_Variable* CMC_ObjectStatements::createStatement(CMC_Dummy_Runner::Call& call)
{
    CXString type = call.runner.stringArgument(call.arguments, 0);
    if (call.container == nullptr || !isCreatableType(type))
        return nullptr;
    CXString name = call.runner.stringArgument(call.arguments, 1);
    CMC_Object* made = CMC_CreationChain::createEmpty(type, call.container);
    if (made == nullptr)
        return nullptr;
    made->setName(name);
    call.container->addObject(made);
    return nullptr;
}
