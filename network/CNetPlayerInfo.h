#pragma once

#include "foundation/CXObject.h"

#include <memory>

class CNetReceiver;
class CNetworkPeer;
class CXSocket;

// One connected player of a server: its connection (owned), the name it goes by (its address
// until its hello names it) and the receiver that queues what it sends on the server.
class CNetPlayerInfo : public CXObject {
public:
    // Takes the connection over and starts its receiver at once.
    CNetPlayerInfo(CXSocket* socket, const CXString& address, CNetworkPeer* server);
    // Stops the receiver, then closes the connection.
    ~CNetPlayerInfo() override;

    const CXString& getName() const { return name_; }
    void setName(const CXString& name) { name_ = name; }
    const CXString& getIPAddress() const { return address_; }
    CXSocket* getHandle() const { return socket_.get(); }
    void stopReceiver();

private:
    std::unique_ptr<CXSocket> socket_;
    CXString name_;
    CXString address_;
    std::unique_ptr<CNetReceiver> receiver_;
};
