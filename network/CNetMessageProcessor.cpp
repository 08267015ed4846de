#include "network/CNetMessageProcessor.h"

#include "foundation/CXArray.h"
#include "network/CNetBehaviourMessage.h"
#include "network/CNetCmdMessage.h"
#include "network/CNetFileDataMessage.h"
#include "network/CNetFileRequestMessage.h"
#include "network/CNetFileResponseMessage.h"
#include "network/CNetHelloMessage.h"
#include "network/CNetListener.h"
#include "network/CNetPingMessage.h"
#include "network/CNetTextMessage.h"
#include "network/CNetVariableMessage.h"
#include "network/CXSocket.h"

#include <memory>

namespace {

// Answers a request that came on a socket; an answer is never answered again.
void answerPing(const CNetPingMessage* ping)
{
    CXSocket* socket = ping->getHandle();
    if (socket != nullptr && ping->isWellFormed() && !ping->isResponse())
        socket->send(new CNetPingMessage(ping->getSenderName(), ping, true));
}

} // namespace

CNetMessage* CNetMessageProcessor::makeTyped(const CNetMessage* raw)
{
    const CXString& sender = raw->getSenderName();
    switch (raw->getType()) {
    case CNetMessage::CMD:
        return new CNetCmdMessage(sender, raw);
    case CNetMessage::VARIABLE:
        return new CNetVariableMessage(sender, raw);
    case CNetMessage::BEHAVIOUR:
        return new CNetBehaviourMessage(sender, raw);
    case CNetMessage::TEXT:
        return new CNetTextMessage(sender, raw);
    case CNetMessage::PING:
        return new CNetPingMessage(sender, raw);
    case CNetMessage::HELLO:
        return new CNetHelloMessage(sender, raw);
    case CNetMessage::FILE_REQUEST:
        return new CNetFileRequestMessage(sender, raw);
    case CNetMessage::FILE_RESPONSE:
        return new CNetFileResponseMessage(sender, raw);
    case CNetMessage::FILE_DATA:
        return new CNetFileDataMessage(sender, raw);
    default:
        return nullptr;
    }
}

void CNetMessageProcessor::process(CNetMessage* raw, CXArray* listeners)
{
    process(raw, [listeners](CNetMessage* told) {
        for (int i = 0; listeners != nullptr && i < listeners->getSize(); ++i)
            static_cast<CNetListener*>((*listeners)[i])->onMessage(told);
    });
}

void CNetMessageProcessor::process(CNetMessage* raw, const std::function<void(CNetMessage*)>& deliver)
{
    if (raw == nullptr)
        return;
    std::unique_ptr<CNetMessage> typed(makeTyped(raw));
    if (auto* ping = dynamic_cast<CNetPingMessage*>(typed.get()))
        answerPing(ping);
    deliver(typed != nullptr ? typed.get() : raw);
}
