#include "network/CMC_NetServer_Runner.h"

#include "network/CMC_NetServer.h"
#include "network/CNetPlayerInfo.h"
#include "network/CNetworkServer.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Integer.h"
#include "script/CMC_String.h"
#include "script/CMC_VariableFactory.h"

void CMC_NetServer_Runner::prepareMthHashSet()
{
    CMC_NetPeer_Runner::prepareMthHashSet();
    putMethod("START", START);
    putMethod("STOP", STOP);
    putMethod("ISSTARTED", ISSTARTED);
    putMethod("GETLOGGEDPLAYERNAME", GETLOGGEDPLAYERNAME);
    putMethod("GETPLAYERSNO", GETPLAYERSNO);
    putMethod("GETPLAYERNAME", GETPLAYERNAME);
}

CMC_Variable* CMC_NetServer_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* server = dynamic_cast<CMC_NetServer*>(object);
    if (server == nullptr || id < START || id > GETPLAYERNAME)
        return CMC_NetPeer_Runner::run(id, object, container, arguments);
    switch (id) {
    case START:
        server->start();
        break;
    case STOP:
        server->stop();
        break;
    case ISSTARTED:
        return CMC_VariableFactory::makeBool(server->getServerIfc()->isStarted());
    case GETLOGGEDPLAYERNAME:
        return CMC_VariableFactory::makeString(server->getLoggedPlayerName());
    case GETPLAYERSNO:
        return CMC_VariableFactory::makeInteger(server->getPlayersNo());
    case GETPLAYERNAME: {
        CNetPlayerInfo* player = server->getPlayer(intArgument(arguments, 0));
        return CMC_VariableFactory::makeString(player != nullptr ? player->getName() : CXString());
    }
    default:
        break;
    }
    return nullptr;
}
