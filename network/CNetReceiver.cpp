#include "network/CNetReceiver.h"

#include "foundation/CXArray.h"
#include "network/CNetMessage.h"
#include "network/CNetworkPeer.h"
#include "network/CXSocket.h"

CNetReceiver::CNetReceiver(CNetworkPeer* peer, CXSocket* connection, const CXString& sender)
    : peer_(peer), connection_(connection), sender_(sender)
{
    thread_.start([this](platform::Thread& self) { run(self); });
}

CNetReceiver::~CNetReceiver()
{
    stop();
}

void CNetReceiver::stop()
{
    if (!thread_.joinable())
        return;
    thread_.requestStop();
    connection_->shutdown();
    thread_.join();
}

void CNetReceiver::run(platform::Thread& self)
{
    while (!self.stopRequested()) {
        CXArray* received = connection_->receive();
        for (int i = 0; i < received->getSize(); ++i) {
            auto* message = static_cast<CNetMessage*>((*received)[i]);
            message->setSender(sender_);
            peer_->addMessage(message);
        }
        if (connection_->isClosed()) {
            if (!self.stopRequested())
                peer_->connectionEnded(connection_);
            return;
        }
    }
}
