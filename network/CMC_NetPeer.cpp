#include "network/CMC_NetPeer.h"

#include "application/CMC_Application.h"
#include "network/CNetBehaviourMessage.h"
#include "network/CNetCmdMessage.h"
#include "network/CNetTextMessage.h"
#include "network/CNetVariableMessage.h"
#include "network/CNetworkPeer.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_Variable.h"

#include <memory>

CMC_NetPeer::CMC_NetPeer(const CXString& name, int type, CMC_Application* application, std::unique_ptr<CNetworkPeer> peer)
    : CMC_Object(name, type), peer_(std::move(peer)), application_(application)
{
    peer_->addNotifier(this);
}

CMC_NetPeer::~CMC_NetPeer()
{
    beginDestruction();
    peer_.reset();
}

void CMC_NetPeer::sendCmd(const CXString& target, const CXString& command, CXArray* arguments)
{
    sendTo(target, [&](CXSocket* connection) { return new CNetCmdMessage(connection, command, arguments); });
}

void CMC_NetPeer::sendVar(const CXString& target, CMC_Variable* variable)
{
    sendTo(target, [&](CXSocket* connection) { return new CNetVariableMessage(connection, variable); });
}

void CMC_NetPeer::sendText(const CXString& target, const CXString& text)
{
    sendTo(target, [&](CXSocket* connection) { return new CNetTextMessage(connection, text); });
}

void CMC_NetPeer::sendBehaviour(const CXString& target, CMC_Behaviour* behaviour)
{
    sendTo(target, [&](CXSocket* connection) { return new CNetBehaviourMessage(connection, behaviour); });
}

CMC_ObjectsContainer* CMC_NetPeer::liveScene()
{
    if (application_ == nullptr)
        return getScene();
    CMC_Scene* scene = application_;
    while (scene->getCurrentScene() != nullptr)
        scene = scene->getCurrentScene();
    return scene;
}

void CMC_NetPeer::onMessage(CNetMessage* message)
{
    if (auto* command = dynamic_cast<CNetCmdMessage*>(message))
        receiveCommand(command);
    else if (auto* variable = dynamic_cast<CNetVariableMessage*>(message))
        receiveVariable(variable);
    else if (auto* behaviour = dynamic_cast<CNetBehaviourMessage*>(message))
        receiveBehaviour(behaviour);
    else if (auto* text = dynamic_cast<CNetTextMessage*>(message))
        receiveText(text);
}

void CMC_NetPeer::receiveCommand(CNetCmdMessage* message)
{
    onSignal(CXString("ONCOMMAND^") + message->getCommand(), message->getParams());
}

void CMC_NetPeer::receiveVariable(CNetVariableMessage* message)
{
    CMC_ObjectsContainer* scene = liveScene();
    CMC_Variable* variable = scene != nullptr ? scene->getVariable(message->getVariableName()) : nullptr;
    if (variable == nullptr)
        return;
    CMC_Variable* value = message->getVariable();
    if (value == nullptr)
        return;
    variable->onNetChange(value);
    flush(value, false);
}

void CMC_NetPeer::receiveBehaviour(CNetBehaviourMessage* message)
{
    CMC_ObjectsContainer* scene = liveScene();
    if (scene == nullptr)
        return;
    // Received code runs like any behaviour: the interpreter's loop and nesting caps hold it.
    auto behaviour = std::make_unique<CMC_Behaviour>(scene, CXString("temp"), CXString(message->getCode()));
    behaviour->init();
    behaviour->run(this, nullptr, false);
}

void CMC_NetPeer::receiveText(CNetTextMessage* message)
{
    latestText_ = CXString("Received text message: '") + message->getText() + "' from " + message->getSenderName() + ".\n";
    onSignal("ONTEXT");
}
