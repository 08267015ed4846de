#pragma once

#include "network/CConnectionAcceptor.h"
#include "network/CNetworkPeer.h"

#include <memory>
#include <vector>

class CNetPlayerInfo;

// The server side: a listening socket whose accept thread adds a player for every connection, and
// the players in connection order. A player is known by its connection: what it sends is named
// after it in the step, its hello (handled by the listener) renames it, and a leave or the end of
// its connection removes it.
class CNetworkServer : public CNetworkPeer, public CConnectionAcceptor {
public:
    explicit CNetworkServer(CWindow* window);
    // stop(true).
    ~CNetworkServer() override;

    // Listens on the port of every local address (0: a free one, see getPort); true when it
    // listens, also when it already did.
    bool start(int port);
    // Stops listening and drops every player, after a leave message to each when asked; the
    // listeners are not told.
    void stop(bool sendLeave);
    bool isStarted() const { return started_; }
    // The port listened on; 0 when not started.
    int getPort() const;

    int getPlayersNo();
    // Null outside 0 .. getPlayersNo() - 1.
    CNetPlayerInfo* getPlayer(int index);
    // The players now, in connection order.
    std::vector<CNetPlayerInfo*> getClients();
    // The first player in connection order bearing exactly that name; null when none.
    CNetPlayerInfo* find(const CXString& name);
    // The player of the connection; null when none.
    CNetPlayerInfo* findByConnection(const CXSocket* connection);
    using CNetworkPeer::send;
    // To the player find gives; false, and the message deleted, when there is none.
    bool send(const CXString& name, CNetMessage* message);
    // Tells the listeners that the player introduced itself.
    void newPlayer(CNetPlayerInfo* player);
    // Takes the player out of the list, stops its receiver and tells the listeners that it left;
    // it is deleted once the message being processed is done.
    void removePlayer(CNetPlayerInfo* player);

    // Accept thread: the new player, whose receiver starts at once.
    void onConnected(CXSocket* socket, const CXString& address) override;

protected:
    bool admits(CNetMessage* message) override;
    void onConnectionLost(CXSocket* connection) override;

private:
    std::unique_ptr<CNetPlayerInfo> take(CNetPlayerInfo* player);
    void retirePlayer(std::unique_ptr<CNetPlayerInfo> player);

    platform::CriticalSection playersLock_;
    std::vector<std::unique_ptr<CNetPlayerInfo>> players_;
    bool started_ = false;
};
