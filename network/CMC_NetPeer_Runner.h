#pragma once

#include "script/CMC_Runner.h"

// The script methods NETSERVER and NETCLIENT share (their runners derive from it; NETPEER has no
// runner of its own): sending commands, variables, texts and behaviours, and the latest text.
// Arguments are read as texts.
class CMC_NetPeer_Runner : public CMC_Runner {
public:
    enum Method {
        SENDCMD = 257,
        SENDVARIABLE = 258,
        SENDTEXT = 259,
        SENDBEHAVIOUR = 260,
        GETLATESTTEXT = 261,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
};
