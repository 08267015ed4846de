#include "network/CMC_NetPeer_Runner.h"

#include "foundation/CXArray.h"
#include "network/CMC_NetPeer.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_String.h"
#include "script/CMC_VariableFactory.h"

#include <vector>

void CMC_NetPeer_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("SENDCMD", SENDCMD);
    putMethod("SENDVARIABLE", SENDVARIABLE);
    putMethod("SENDTEXT", SENDTEXT);
    putMethod("SENDBEHAVIOUR", SENDBEHAVIOUR);
    putMethod("GETLATESTTEXT", GETLATESTTEXT);
}

CMC_Variable* CMC_NetPeer_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* peer = dynamic_cast<CMC_NetPeer*>(object);
    if (peer == nullptr || id < SENDCMD || id > GETLATESTTEXT)
        return CMC_Runner::run(id, object, container, arguments);
    int count = argumentCount(arguments);
    // The "[target,] name" forms: with one argument the target is everybody.
    CXString target = count > 1 ? stringArgument(arguments, 0) : CXString();
    CXString named = stringArgument(arguments, count > 1 ? 1 : 0);
    switch (id) {
    case SENDCMD: {
        std::vector<CXString> texts;
        for (int i = 1; i < count; ++i)
            texts.push_back(stringArgument(arguments, i));
        CXArray params;
        for (CXString& text : texts)
            params.add(&text);
        peer->sendCmd(CXString(), stringArgument(arguments, 0), texts.empty() ? nullptr : &params);
        break;
    }
    case SENDVARIABLE:
        if (CMC_Variable* variable = container != nullptr ? container->getVariable(named) : nullptr)
            peer->sendVar(target, variable);
        break;
    case SENDTEXT:
        peer->sendText(target, named);
        break;
    case SENDBEHAVIOUR: {
        CMC_Object* found = container != nullptr ? container->getObject(named) : nullptr;
        if (auto* behaviour = dynamic_cast<CMC_Behaviour*>(found))
            peer->sendBehaviour(target, behaviour);
        break;
    }
    case GETLATESTTEXT:
        return CMC_VariableFactory::makeString(peer->getLatestText());
    default:
        break;
    }
    return nullptr;
}
