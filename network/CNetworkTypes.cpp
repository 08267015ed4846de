#include "network/CNetworkTypes.h"

#include "network/CMC_NetClient_Runner.h"
#include "network/CMC_NetServer_Runner.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_TypeIds.h"

void CNetworkTypes::registerAll()
{
    CMC_RunnerFactory::registerRunner(script::TYPE_NETSERVER, [] { return new CMC_NetServer_Runner(); });
    CMC_RunnerFactory::registerRunner(script::TYPE_NETCLIENT, [] { return new CMC_NetClient_Runner(); });
}
