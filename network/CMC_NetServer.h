#pragma once

#include "network/CMC_NetPeer.h"

class CNetPlayerInfo;
class CNetworkServer;
class CWindow;

// The NETSERVER (type 2011): a server that players connect to. A player's hello names it
// ("ONNEWPLAYER", the logged player name); its leave, or its connection lost, removes it
// ("ONDESTROYPLAYER"). Sends go to every player once, in connection order, or to the first player
// bearing the target's name.
class CMC_NetServer : public CMC_NetPeer {
public:
    CMC_NetServer(CWindow* window, CMC_Application* application);
    ~CMC_NetServer() override;

    // "ONINIT", "ONDONE", "ONSIGNAL", "ONNEWPLAYER", "ONDESTROYPLAYER", "ONCOMMAND", "ONTEXT".
    CXString** getBehavioursList() override;
    bool canSendVariables() override;

    // A hello or leave changes the players; anything else is received as both objects do.
    void onMessage(CNetMessage* message) override;
    void onNewPlayer(CNetPlayerInfo* player) override;
    void onDestroyPlayer(CNetPlayerInfo* player) override;

    // Listens on the object's port; whether it does.
    bool start();
    void stop();
    int getPlayersNo();
    // Null outside the player list.
    CNetPlayerInfo* getPlayer(int index);
    CNetworkServer* getServerIfc() const;
    // The name of the player whose hello came last.
    const CXString& getLoggedPlayerName() const { return loggedPlayerName_; }

protected:
    void sendTo(const CXString& target, const Builder& build) override;

private:
    CXString loggedPlayerName_;
};
