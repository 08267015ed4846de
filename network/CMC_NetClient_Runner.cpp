#include "network/CMC_NetClient_Runner.h"

#include "network/CMC_NetClient.h"
#include "script/CMC_Bool.h"
#include "script/CMC_VariableFactory.h"

void CMC_NetClient_Runner::prepareMthHashSet()
{
    CMC_NetPeer_Runner::prepareMthHashSet();
    putMethod("CONNECT", CONNECT);
    putMethod("DISCONNECT", DISCONNECT);
    putMethod("ISCONNECTED", ISCONNECTED);
}

CMC_Variable* CMC_NetClient_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* client = dynamic_cast<CMC_NetClient*>(object);
    if (client == nullptr || id < CONNECT || id > ISCONNECTED)
        return CMC_NetPeer_Runner::run(id, object, container, arguments);
    switch (id) {
    case CONNECT:
        client->connect(stringArgument(arguments, 0));
        break;
    case DISCONNECT:
        client->disconnect();
        break;
    case ISCONNECTED:
        return CMC_VariableFactory::makeBool(client->isConnected());
    default:
        break;
    }
    return nullptr;
}
