#pragma once

#include "foundation/CXString.h"

class CXSocket;

// The owner of a listening socket: it is handed every connection the socket accepts.
class CConnectionAcceptor {
public:
    virtual ~CConnectionAcceptor() = default;

    // Called on the socket's accept thread; the acceptor takes the connected socket over.
    // address is the peer's dotted address.
    virtual void onConnected(CXSocket* socket, const CXString& address) = 0;
};
