#pragma once

#include "network/CNetMessage.h"

class CMC_Behaviour;

// The code text of a behaviour.
class CNetBehaviourMessage : public CNetMessage {
public:
    CNetBehaviourMessage(CXSocket* socket, const CXString& code);
    CNetBehaviourMessage(CXSocket* socket, CMC_Behaviour* behaviour);
    CNetBehaviourMessage(const CXString& sender, const CNetMessage* raw) : CNetMessage(sender, raw) {}

    const char* getCode() const { return textAt(HEAD_LENGTH); }
};
