#include "network/CNetBehaviourMessage.h"

#include "script/CMC_Behaviour.h"

CNetBehaviourMessage::CNetBehaviourMessage(CXSocket* socket, const CXString& code) : CNetMessage(socket, BEHAVIOUR, code) {}

CNetBehaviourMessage::CNetBehaviourMessage(CXSocket* socket, CMC_Behaviour* behaviour)
    : CNetMessage(socket, BEHAVIOUR, behaviour->getCode())
{
}
