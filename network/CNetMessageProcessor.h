#pragma once

#include <functional>

class CNetMessage;
class CXArray;

// Hands a received frame to the listeners in its typed form, answering ping requests first.
class CNetMessageProcessor {
public:
    // listeners: CNetListener*, told in list order. Frames of type 4 and of unknown types reach
    // them as the raw message, which stays the caller's.
    static void process(CNetMessage* raw, CXArray* listeners);
    // The same with one delivery in place of the listener list: it is given the message the
    // listeners would be told of.
    static void process(CNetMessage* raw, const std::function<void(CNetMessage*)>& deliver);
    // A new message of the raw frame's typed class, with the raw frame's sender; null for the
    // types that have none.
    static CNetMessage* makeTyped(const CNetMessage* raw);
};
