#pragma once

#include "foundation/CXString.h"
#include "platform/Thread.h"

class CNetworkPeer;
class CXSocket;

// The receiver thread of one connection: it reads the stream, stamps every frame cut from it with
// the sender's name and queues it on its peer; when the connection ends it queues the end once and
// returns. It touches nothing else, so everything the frames cause happens in the peer's
// processing step on the main thread.
class CNetReceiver {
public:
    // Starts the thread at once.
    CNetReceiver(CNetworkPeer* peer, CXSocket* connection, const CXString& sender);
    // Stops the thread.
    ~CNetReceiver();
    CNetReceiver(const CNetReceiver&) = delete;
    CNetReceiver& operator=(const CNetReceiver&) = delete;

    // Wakes the thread (the connection is shut down both ways) and waits for it to end; a thread
    // stopped so reports no end of its connection.
    void stop();

private:
    void run(platform::Thread& self);

    CNetworkPeer* peer_;
    CXSocket* connection_;
    CXString sender_;
    platform::Thread thread_;
};
