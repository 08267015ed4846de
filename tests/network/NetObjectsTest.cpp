#include "application/GameHost.h"
#include "network/CMC_NetClient.h"
#include "network/CMC_NetServer.h"
#include "network/CNetworkClient.h"
#include "network/CNetworkServer.h"
#include "tests/network/PeerHarness.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

using namespace nettest;
using apptest::behaviour;
using apptest::declared;

namespace {

// A game whose live scene holds NETSERVER and NETCLIENT objects made here, with handlers that
// write what they saw into the scene's LOG; turns run the peers' steps through the engine host.
class NetObjects : public apptest::GameHost {
protected:
    // The scene: LOG, a behaviour "on<Signal>" that adds "<signal>;" to it for each signal, and
    // the rest of the script.
    bool startGame(const std::string& script)
    {
        std::string text = declared("LOG", "STRING", {"VALUE="});
        for (const char* signal : {"NEWPLAYER", "DESTROYPLAYER", "TEXT", "CONNECTED", "CONNECTIONCLOSED", "NETCHANGE"})
            text += behaviour(std::string("on") + signal, "LOG^ADD(\"" + std::string(signal) + ";\");");
        text += behaviour("onJUMP", "LOG^ADD(\"JUMP$1$2;\");");
        return startScene(text + script);
    }
    // A NETSERVER on a free port in the live scene, its handlers bound.
    CMC_NetServer* addServer()
    {
        auto* server = new CMC_NetServer(window(), application());
        server->setPort(0);
        liveScene()->addObject(server);
        bind(server, {"ONNEWPLAYER", "ONDESTROYPLAYER", "ONTEXT"});
        return server;
    }
    CMC_NetClient* addClient()
    {
        auto* client = new CMC_NetClient(window(), application());
        liveScene()->addObject(client);
        bind(client, {"ONCONNECTED", "ONCONNECTIONCLOSED"});
        client->addBehaviour("ONCOMMAND^JUMP", object("onJUMP"), nullptr, liveScene());
        return client;
    }
    void bind(CMC_Object* target, std::initializer_list<std::string> signals)
    {
        for (const std::string& signal : signals)
            target->addBehaviour(signal.c_str(), object("on" + signal.substr(2)), nullptr, liveScene());
    }
    // Engine turns until done() holds, waiting for the peer's queue between them; false when it
    // does not within ten seconds.
    bool turnsUntil(const std::function<bool()>& done, CNetworkPeer* waitingOn)
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        for (;;) {
            turn(1);
            if (done())
                return true;
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            waitingOn->waitForQueue(5);
        }
    }
    bool logHas(const std::string& entry) { return value("LOG").find(entry) != std::string::npos; }
};

Bytes hello(const std::string& name)
{
    return Payload().text(name).frame(CNetMessage::HELLO);
}

Bytes text(const std::string& words)
{
    return Payload().text(words).frame(CNetMessage::TEXT);
}

Bytes integer(const std::string& name, int32_t number)
{
    return Payload().text(name).word(1).word(number).frame(CNetMessage::VARIABLE);
}

TEST_F(NetObjects, APlayerIsNamedByItsHelloSpeaksAndLeaves)
{
    ASSERT_TRUE(startGame(""));
    CMC_NetServer* server = addServer();
    EXPECT_EQ(run("NETSERVER^ISSTARTED()"), "FALSE");
    run("NETSERVER^START()");
    EXPECT_EQ(run("NETSERVER^ISSTARTED()"), "TRUE");
    CNetworkServer* peer = server->getServerIfc();

    RawClient ala(peer->getPort());
    ASSERT_TRUE(turnsUntil([&] { return run("NETSERVER^GETPLAYERSNO()") == "1"; }, peer));
    EXPECT_EQ(run("NETSERVER^GETPLAYERNAME(0)"), "127.0.0.1");
    for (const char* outside : {"NETSERVER^GETPLAYERNAME(1)", "NETSERVER^GETPLAYERNAME(-1)"})
        EXPECT_EQ(run(outside), "") << outside;

    ala.write(joined({hello("Ala"), text("hi")}));
    ASSERT_TRUE(turnsUntil([&] { return logHas("TEXT;"); }, peer));
    EXPECT_EQ(value("LOG"), "NEWPLAYER;TEXT;");
    EXPECT_EQ(run("NETSERVER^GETPLAYERNAME(0)"), "Ala");
    EXPECT_EQ(run("NETSERVER^GETLOGGEDPLAYERNAME()"), "Ala");
    EXPECT_EQ(run("NETSERVER^GETLATESTTEXT()"), "Received text message: 'hi' from Ala.\n");

    ala.write(Payload().frame(CNetMessage::LEAVE));
    ASSERT_TRUE(turnsUntil([&] { return logHas("DESTROYPLAYER;"); }, peer));
    EXPECT_EQ(run("NETSERVER^GETPLAYERSNO()"), "0");
    EXPECT_TRUE(ala.seesClose());
    run("NETSERVER^STOP()");
    EXPECT_EQ(run("NETSERVER^ISSTARTED()"), "FALSE");
}

TEST_F(NetObjects, EverySendReachesEachPlayerOnceThoughTwoShareAName)
{
    ASSERT_TRUE(startGame(declared("V", "INTEGER", {"VALUE=5"}) + behaviour("B", "V^INC();")));
    CMC_NetServer* server = addServer();
    run("NETSERVER^START()");
    CNetworkServer* peer = server->getServerIfc();
    RawClient first(peer->getPort()), second(peer->getPort());
    first.write(hello("Ala"));
    ASSERT_TRUE(turnsUntil([&] { return run("NETSERVER^GETPLAYERNAME(0)") == "Ala"; }, peer));
    second.write(hello("Ala"));
    ASSERT_TRUE(turnsUntil([&] { return run("NETSERVER^GETPLAYERNAME(1)") == "Ala"; }, peer));

    for (const char* line : {"NETSERVER^SENDCMD(JUMP,3,4)", "NETSERVER^SENDCMD(GO)", "NETSERVER^SENDVARIABLE(\"V\")",
                             "NETSERVER^SENDVARIABLE(\"B\")", "NETSERVER^SENDTEXT(\"hej\")",
                             "NETSERVER^SENDBEHAVIOUR(\"B\")", "NETSERVER^SENDBEHAVIOUR(\"V\")",
                             "NETSERVER^SENDTEXT(Ala,\"first\")", "NETSERVER^SENDTEXT(Ola,\"nobody\")",
                             "NETSERVER^SENDTEXT(\"end\")"})
        run(line);
    const Bytes everybody[] = {Payload().text("JUMP").text("3").text("4").frame(CNetMessage::CMD),
                               Payload().text("GO").frame(CNetMessage::CMD), integer("V", 5), text("hej"),
                               Payload().text("V^INC();").frame(CNetMessage::BEHAVIOUR)};
    for (RawClient* client : {&first, &second}) {
        SCOPED_TRACE(client == &first ? "first" : "second");
        for (const Bytes& frame : everybody)
            EXPECT_EQ(client->readFrame(), frame);
        if (client == &first) {
            EXPECT_EQ(client->readFrame(), text("first"));
        }
        EXPECT_EQ(client->readFrame(), text("end"));
    }
}

TEST_F(NetObjects, VariablesTravelBothWaysAndAreNotSentBack)
{
    ASSERT_TRUE(startGame(declared("V", "INTEGER", {"VALUE=0", "NETNOTIFY=TRUE", "ONNETCHANGE=onNETCHANGE"})));
    CMC_NetServer* server = addServer();
    run("NETSERVER^START()");
    CNetworkServer* peer = server->getServerIfc();
    RawClient other(peer->getPort());
    ASSERT_TRUE(turnsUntil([&] { return run("NETSERVER^GETPLAYERSNO()") == "1"; }, peer));

    run("V^SET(5)");
    EXPECT_EQ(other.readFrame(), integer("V", 5));

    // Names of no variable are passed over; the value that comes is announced and kept.
    other.write(joined({integer("onNETCHANGE", 1), integer("NOBODY", 2), integer("V", 9), text("done")}));
    ASSERT_TRUE(turnsUntil([&] { return logHas("TEXT;"); }, peer));
    EXPECT_EQ(value("V"), "9");
    EXPECT_EQ(value("LOG"), "NETCHANGE;TEXT;");
    run("NETSERVER^SENDTEXT(\"next\")");
    EXPECT_EQ(other.readFrame(), text("next"));
}

TEST_F(NetObjects, TheClientObjectConnectsTalksAndHearsOnlyALostConnection)
{
    writeFile(kIniName, "[PLAYER]\nNAME=Ala\n");
    ASSERT_TRUE(startGame(declared("N", "INTEGER", {"VALUE=0"}) + declared("AFTER", "INTEGER", {"VALUE=0"}) +
                          behaviour("ENDLESS", "@WHILE(1,_,1,{N^INC();});AFTER^SET(1);")));
    CMC_NetServer* server = addServer();
    CMC_NetClient* client = addClient();
    CNetworkServer* serverPeer = server->getServerIfc();
    CNetworkPeer* clientPeer = client->getClientIfc();

    // Not connected, and no connection to a port nobody listens on: nothing goes out, nothing is
    // raised.
    uint16_t closedPort;
    {
        platform::TcpSocket bound;
        ASSERT_TRUE(bound.bindAny(0));
        closedPort = bound.localPort();
    }
    client->setPort(closedPort);
    run("NETCLIENT^SENDTEXT(\"lost\")");
    run("NETCLIENT^CONNECT(\"127.0.0.1\")");
    turns(3);
    EXPECT_EQ(run("NETCLIENT^ISCONNECTED()"), "FALSE");
    EXPECT_EQ(value("LOG"), "");

    run("NETSERVER^START()");
    client->setPort(serverPeer->getPort());
    run("NETCLIENT^CONNECT(\"127.0.0.1\")");
    EXPECT_EQ(run("NETCLIENT^ISCONNECTED()"), "TRUE");
    ASSERT_TRUE(turnsUntil([&] { return logHas("NEWPLAYER;") && logHas("CONNECTED;"); }, serverPeer));
    EXPECT_EQ(run("NETSERVER^GETLOGGEDPLAYERNAME()"), "Ala");

    run("NETSERVER^SENDCMD(JUMP,3,4)");
    run("NETCLIENT^SENDBEHAVIOUR(\"ENDLESS\")");
    ASSERT_TRUE(turnsUntil([&] { return logHas("JUMP34;") && value("AFTER") == "1"; }, serverPeer));

    // A disconnect of its own is no loss to the client; the server sees the player go.
    run("NETCLIENT^DISCONNECT()");
    EXPECT_EQ(run("NETCLIENT^ISCONNECTED()"), "FALSE");
    ASSERT_TRUE(turnsUntil([&] { return logHas("DESTROYPLAYER;"); }, serverPeer));
    EXPECT_EQ(run("NETSERVER^GETPLAYERSNO()"), "0");

    run("NETCLIENT^CONNECT(\"127.0.0.1\")");
    ASSERT_TRUE(turnsUntil([&] { return run("NETSERVER^GETPLAYERSNO()") == "1"; }, serverPeer));
    run("NETSERVER^STOP()");
    ASSERT_TRUE(turnsUntil([&] { return logHas("CONNECTIONCLOSED;"); }, clientPeer));
    turns(3);
    EXPECT_EQ(run("NETCLIENT^ISCONNECTED()"), "FALSE");
    const std::string log = value("LOG");
    EXPECT_EQ(log.find("CONNECTIONCLOSED;"), log.rfind("CONNECTIONCLOSED;"));
    EXPECT_EQ(log.substr(log.size() - std::string("CONNECTIONCLOSED;").size()), "CONNECTIONCLOSED;");
}

} // namespace
