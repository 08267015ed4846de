#pragma once

#include "network/CMC_NetPeer_Runner.h"

// The runner of NETCLIENT objects: connecting, disconnecting and whether connected, beside the
// shared network methods.
class CMC_NetClient_Runner : public CMC_NetPeer_Runner {
public:
    enum Method {
        CONNECT = 1,
        DISCONNECT = 2,
        ISCONNECTED = 3,
    };

    void prepareMthHashSet() override;
    using CMC_NetPeer_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
};
