#pragma once

#include "network/CNetListener.h"
#include "script/CMC_Object.h"
#include "script/CVariableSender.h"

#include <functional>
#include <memory>

class CMC_Application;
class CMC_Behaviour;
class CMC_ObjectsContainer;
class CNetBehaviourMessage;
class CNetCmdMessage;
class CNetTextMessage;
class CNetVariableMessage;
class CNetworkPeer;
class CXArray;
class CXSocket;

// What NETSERVER and NETCLIENT share (NETPEER is a base only): each owns one network peer and
// listens to it, and turns what it receives into script effects in the peer's step on the main
// thread: a command raises "ONCOMMAND^<command>" with its arguments, a variable sets the variable
// of its name in the live scene ("ONNETCHANGE", never sent back), behaviour code runs once there,
// and a text becomes the latest text and raises "ONTEXT".
//
// The live scene is the application's current scene; an object made without an application
// (tools, tests) uses its own container.
class CMC_NetPeer : public CMC_Object, public CNetListener, public CVariableSender {
public:
    // The port NETSERVER listens on and NETCLIENT connects to.
    static constexpr int DEFAULT_PORT = 4661;

    // Listens to the peer, which it owns; the type binds its handlers then.
    CMC_NetPeer(const CXString& name, int type, CMC_Application* application, std::unique_ptr<CNetworkPeer> peer);
    // The peer goes (a client disconnects with a leave, a server stops with one to every player).
    ~CMC_NetPeer() override;

    // An empty target means every connected party. Nothing is sent while there is no connection.
    // arguments: CXString*, copied; null sends the command alone.
    virtual void sendCmd(const CXString& target, const CXString& command, CXArray* arguments);
    void sendVar(const CXString& target, CMC_Variable* variable) override;
    virtual void sendText(const CXString& target, const CXString& text);
    // The behaviour's code.
    virtual void sendBehaviour(const CXString& target, CMC_Behaviour* behaviour);

    void onMessage(CNetMessage* message) override;

    const CXString& getLatestText() const { return latestText_; }
    int getPort() const { return port_; }
    void setPort(int port) { port_ = port; }

protected:
    CNetworkPeer* getPeer() const { return peer_.get(); }
    using Builder = std::function<CNetMessage*(CXSocket* connection)>;
    // Sends a message built for each connection the target names.
    virtual void sendTo(const CXString& target, const Builder& build) = 0;
    // Where received variables and behaviours go; null when there is none.
    CMC_ObjectsContainer* liveScene();

private:
    void receiveCommand(CNetCmdMessage* message);
    void receiveVariable(CNetVariableMessage* message);
    void receiveBehaviour(CNetBehaviourMessage* message);
    void receiveText(CNetTextMessage* message);

    std::unique_ptr<CNetworkPeer> peer_;
    CMC_Application* application_;
    CXString latestText_;
    int port_ = DEFAULT_PORT;
};
