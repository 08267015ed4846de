#pragma once

#include "network/CNetMessage.h"

// The first frame of a client's connection: the player's name.
class CNetHelloMessage : public CNetMessage {
public:
    CNetHelloMessage(CXSocket* socket, const CXString& name) : CNetMessage(socket, HELLO, name) {}
    CNetHelloMessage(const CXString& sender, const CNetMessage* raw) : CNetMessage(sender, raw) {}

    const char* getName() const { return textAt(HEAD_LENGTH); }
};
