#pragma once

#include "network/CNetMessage.h"

class CXArray;

// A command with text arguments: the command, then each argument, every one terminated.
class CNetCmdMessage : public CNetMessage {
public:
    // params: CXString* arguments, copied; null sends the command alone.
    CNetCmdMessage(CXSocket* socket, const CXString& command, CXArray* params);
    CNetCmdMessage(const CXString& sender, const CNetMessage* raw);
    ~CNetCmdMessage() override;

    const CXString& getCommand() const { return command_; }
    // The arguments (CXString*, owned by the message), in frame order; null when there are none.
    CXArray* getParams() const { return params_; }

private:
    void addParam(const CXString& param);

    CXString command_;
    CXArray* params_ = nullptr;
};
