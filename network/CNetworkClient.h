#pragma once

#include "network/CNetworkPeer.h"

#include <memory>

class CNetReceiver;

// The client side: one connection to a server. It says hello (the player's name) first; the step
// after a successful connect tells the listeners onConnected, and a connection that ends without
// a disconnect tells them onConnectionClosed once and leaves the client disconnected.
class CNetworkClient : public CNetworkPeer {
public:
    explicit CNetworkClient(CWindow* window);
    // disconnect(true).
    ~CNetworkClient() override;

    // True at once when connected. Otherwise connects to the host (a dotted address or a name)
    // and, when that works, starts the receiver and sends the hello.
    bool connect(const CXString& host, int port);
    // When connected: a leave message when asked, then the connection is dropped. The listeners
    // are not told.
    void disconnect(bool sendLeave);
    bool isConnected() const { return connected_; }
    // The host of the connection; empty when not connected.
    const CXString& getHostName() const { return hostName_; }

    // The player's name: [PLAYER] NAME of the game's INI file when a window is given and it is
    // set, else this machine's name.
    static CXString getPlayerName(CWindow* window);

protected:
    void beginStep() override;
    void onConnectionLost(CXSocket* connection) override;

private:
    void start_receiver();
    void stop_receiver();
    // The connection goes without a word.
    void drop();

    CXString hostName_;
    bool connected_ = false;
    // The listeners are yet to hear of the connection.
    bool announce_ = false;
    std::unique_ptr<CNetReceiver> receiver_;
};
