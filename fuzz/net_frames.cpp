// The byte stream of a connection from hostile bytes: the first byte seeds how the rest is split
// into pushes; every frame cut goes through the dispatcher to a listener that reads every field
// of its typed form. The frames cut must be the stream's own bytes, in order, whole.
#include "foundation/CXArray.h"
#include "network/CMessageStack.h"
#include "network/CNetCmdMessage.h"
#include "network/CNetFileDataMessage.h"
#include "network/CNetFileRequestMessage.h"
#include "network/CNetListener.h"
#include "network/CNetMessageProcessor.h"
#include "network/CNetPingMessage.h"
#include "network/CNetTextMessage.h"
#include "network/CNetVariableMessage.h"
#include "network/CXSocket.h"
#include "fuzz/ScriptPools.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Touches every field a listener may read, so the sanitizers see any read outside the frame.
struct FieldReader : CNetListener {
    void onMessage(CNetMessage* message) override
    {
        if (auto* cmd = dynamic_cast<CNetCmdMessage*>(message)) {
            for (int i = 0; cmd->getParams() != nullptr && i < cmd->getParams()->getSize(); ++i)
                sum += cmd->getParams()->stringAt(i)->getLength();
        } else if (auto* variable = dynamic_cast<CNetVariableMessage*>(message)) {
            sum += std::strlen(variable->getVariableName()) + static_cast<size_t>(variable->getVariableType());
            CMC_VariableFactory::free(variable->getVariable());
        } else if (auto* text = dynamic_cast<CNetTextMessage*>(message)) {
            sum += std::strlen(text->getText());
        } else if (auto* ping = dynamic_cast<CNetPingMessage*>(message)) {
            sum += static_cast<size_t>(ping->getTime()) + ping->isResponse();
        } else if (auto* request = dynamic_cast<CNetFileRequestMessage*>(message)) {
            sum += request->getFileName().getLength() + request->isWellFormed();
        } else if (auto* data = dynamic_cast<CNetFileDataMessage*>(message)) {
            for (int i = 0; data->getData() != nullptr && i < data->getChunkLength(); ++i)
                sum += data->getData()[i];
        }
    }
    size_t sum = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    makeScriptPoolsOnce();
    // Never connected: ping answers are built and their send fails.
    static CXSocket socket(nullptr);
    FieldReader reader;
    CXArray listeners;
    listeners.add(static_cast<CNetListener*>(&reader));
    // Frames past a few hundred bytes take the large-frame path, which short inputs reach so.
    CMessageStack stack(&socket, 200);

    uint32_t split = data[0] * 2654435761u + 1;
    const uint8_t* stream = data + 1;
    size_t length = size - 1;
    size_t cut = 0;
    for (size_t at = 0; at < length;) {
        split = split * 1103515245u + 12345u;
        size_t piece = std::min<size_t>(1 + (split >> 16) % 700, length - at);
        stack.push(stream + at, static_cast<int>(piece));
        at += piece;
        while (CNetMessage* raw = stack.get()) {
            std::unique_ptr<CNetMessage> message(raw);
            if (message->getBufferLen() < 8 || cut + static_cast<size_t>(message->getBufferLen()) > at
                || std::memcmp(message->getBuffer(), stream + cut, static_cast<size_t>(message->getBufferLen())) != 0)
                std::abort();
            cut += static_cast<size_t>(message->getBufferLen());
            CNetMessageProcessor::process(message.get(), &listeners);
        }
    }
    CMC_VariableFactory::clearPool();
    return 0;
}
