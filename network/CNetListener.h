#pragma once

#include "foundation/CXString.h"

class CNetMessage;
class CNetPlayerInfo;

// What a network peer reports to those who listen to it. Every operation does nothing unless a
// listener overrides it.
class CNetListener {
public:
    virtual ~CNetListener() = default;

    // A received message, of its typed class where its type is known. Valid during the call only.
    virtual void onMessage(CNetMessage* message) {}
    virtual void onConnected(CXString address) {}
    virtual void onConnectionClosed() {}
    // A player introduced itself (server only).
    virtual void onNewPlayer(CNetPlayerInfo* player) {}
    // A player left (server only).
    virtual void onDestroyPlayer(CNetPlayerInfo* player) {}
};
