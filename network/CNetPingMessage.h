#pragma once

#include "network/CNetMessage.h"

// A time word and a response flag in a frame of a fixed 1024 bytes.
class CNetPingMessage : public CNetMessage {
public:
    static constexpr int LENGTH = 1024;

    // A request: the time, the flag 0 and zeroed padding.
    CNetPingMessage(CXSocket* socket, long time);
    CNetPingMessage(const CXString& sender, const CNetMessage* raw) : CNetMessage(sender, raw) {}
    // The answer to a received ping: its frame with the flag set to 1 (response) or 0.
    CNetPingMessage(const CXString& sender, const CNetMessage* raw, bool response);

    int getTime() const { return wordAt(8); }
    bool isResponse() const { return wordAt(12) == 1; }
    // A frame of a ping's length: the only kind that is answered.
    bool isWellFormed() const { return getBufferLen() == LENGTH; }
};
