#include "network/CNetworkTypes.h"

#include "network/CMC_Internet.h"
#include "network/CMC_Internet_Runner.h"
#include "network/CMC_NetClient_Runner.h"
#include "network/CMC_NetServer_Runner.h"
#include "script/CMC_CreationChain.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_TypeIds.h"

void CNetworkTypes::registerAll()
{
    CMC_RunnerFactory::registerRunner(script::TYPE_NETSERVER, [] { return new CMC_NetServer_Runner(); });
    CMC_RunnerFactory::registerRunner(script::TYPE_NETCLIENT, [] { return new CMC_NetClient_Runner(); });
    // Made from definitions only: it has no stored record.
    CMC_CreationChain::registerCreator("INTERNET", [](CMC_ObjectsContainer* container, CMElement* element) -> CMC_Object* {
        return new CMC_Internet(container, element);
    });
    CMC_RunnerFactory::registerRunner(script::TYPE_INTERNET, [] { return new CMC_Internet_Runner(); });
}
