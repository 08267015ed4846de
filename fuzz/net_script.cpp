// Frames from hostile bytes dispatched to a NETSERVER in a scene, as its peer's step hands them
// to it: the first byte seeds how the rest is split into pushes; every frame cut goes through the
// dispatcher to the server object, whose commands raise handlers, variables set the scene's
// variables, behaviour code runs (under the interpreter's caps) and texts are taken; hellos and
// leaves name no player of it. Then the scene is unloaded; whatever the bytes, everything made is
// deleted.
#include "fuzz/ScriptWorld.h"
#include "network/CMC_NetServer.h"
#include "network/CMessageStack.h"
#include "network/CNetMessage.h"
#include "network/CNetMessageProcessor.h"
#include "network/CNetworkTypes.h"
#include "network/CXSocket.h"

#include <algorithm>
#include <cstdint>
#include <memory>

using namespace fuzzing;

namespace {

// What the frames act on: values of every type (one sent back to the network when it changes),
// and handlers for the server's signals.
const char kScript[] = "OBJECT=LOG\nLOG:TYPE=STRING\n"
                       "OBJECT=N\nN:TYPE=INTEGER\nN:VALUE=1\nN:NETNOTIFY=TRUE\nN:ONNETCHANGE=onChange\n"
                       "OBJECT=D\nD:TYPE=DOUBLE\n"
                       "OBJECT=B\nB:TYPE=BOOL\n"
                       "OBJECT=onChange\nonChange:TYPE=BEHAVIOUR\nonChange:CODE={LOG^ADD(\"n\");}\n"
                       "OBJECT=onCommand\nonCommand:TYPE=BEHAVIOUR\nonCommand:CODE={N^ADD($2);LOG^ADD(\"$1\");}\n"
                       "OBJECT=onText\nonText:TYPE=BEHAVIOUR\nonText:CODE={LOG^SET(NETSERVER^GETLATESTTEXT());}\n"
                       "OBJECT=onPlayer\nonPlayer:TYPE=BEHAVIOUR\nonPlayer:CODE={LOG^ADD(NETSERVER^GETPLAYERSNO());}\n";

// The script world with the network's runners.
struct World : ScriptWorld {
    World()
    {
        CNetworkTypes::registerAll();
        CMC_RunnerFactory::initialize();
    }

    // Never connected: the answers to pings fail to go out.
    CXSocket socket{nullptr};
};

CMC_NetServer* addServer(CMC_ObjectsContainer* scene)
{
    auto* server = new CMC_NetServer(nullptr, nullptr);
    server->setPort(0);
    server->setScene(scene);
    scene->addObject(server);
    const char* const bindings[][2] = {{"ONCOMMAND^GO", "onCommand"}, {"ONCOMMAND^SET", "onCommand"}, {"ONTEXT", "onText"},
                                       {"ONNEWPLAYER", "onPlayer"},   {"ONDESTROYPLAYER", "onPlayer"}};
    for (const auto& binding : bindings)
        server->addBehaviour(binding[0], scene->getObject(binding[1]), nullptr, scene);
    return server;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static World world;
    if (size == 0)
        return 0;
    CMC_ObjectRef alive = loadScene(kScript);
    auto* scene = static_cast<CMC_ObjectsContainer*>(alive.get());
    CMC_ObjectRef server(addServer(scene));

    CMessageStack stack(&world.socket, 200);
    uint32_t split = data[0] * 2654435761u + 1;
    for (size_t at = 1; at < size && server.isAlive();) {
        split = split * 1103515245u + 12345u;
        size_t piece = std::min<size_t>(1 + (split >> 16) % 700, size - at);
        stack.push(data + at, static_cast<int>(piece));
        at += piece;
        while (server.isAlive()) {
            std::unique_ptr<CNetMessage> raw(stack.get());
            if (raw == nullptr)
                break;
            // The server object is its peer's one listener; code it runs may delete it.
            CNetMessageProcessor::process(raw.get(), [&server](CNetMessage* told) {
                if (auto* listener = dynamic_cast<CMC_NetServer*>(server.get()))
                    listener->onMessage(told);
            });
            world.turn();
        }
    }
    world.finish(alive);
    return 0;
}
