#pragma once

#include "network/CMC_NetPeer.h"

class CNetworkClient;
class CWindow;

// The NETCLIENT (type 2012): a connection to a server, through which it sends to the server
// alone (the target is not looked at). "ONCONNECTED" follows a successful connect; a connection
// lost raises "ONCONNECTIONCLOSED" once.
class CMC_NetClient : public CMC_NetPeer {
public:
    CMC_NetClient(CWindow* window, CMC_Application* application);

    // "ONINIT", "ONDONE", "ONSIGNAL", "ONCONNECTED", "ONCOMMAND", "ONCONNECTIONCLOSED".
    CXString** getBehavioursList() override;
    bool canSendVariables() override { return isConnected(); }

    void onConnected(CXString address) override;
    void onConnectionClosed() override;

    // To the host on the object's port; whether it connected.
    bool connect(const CXString& host);
    void disconnect();
    bool isConnected() const;
    CNetworkClient* getClientIfc() const;

protected:
    void sendTo(const CXString& target, const Builder& build) override;
};
