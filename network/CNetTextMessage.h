#pragma once

#include "network/CNetMessage.h"

// A text.
class CNetTextMessage : public CNetMessage {
public:
    CNetTextMessage(CXSocket* socket, const CXString& text) : CNetMessage(socket, TEXT, text) {}
    CNetTextMessage(const CXString& sender, const CNetMessage* raw) : CNetMessage(sender, raw) {}

    const char* getText() const { return textAt(HEAD_LENGTH); }
};
