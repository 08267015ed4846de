#include "network/CFileReceiver_Manager.h"

#include "network/CFileReceiver_Listener.h"
#include "network/CNetFileDataMessage.h"
#include "network/CNetFileRequestMessage.h"
#include "network/CNetFileResponseMessage.h"
#include "network/CXSocket.h"

#include <memory>

namespace {

// The transfer a response or data message belongs to; 0 (no transfer has it) for other messages.
int requestIdOf(const CNetMessage* message)
{
    if (auto* response = dynamic_cast<const CNetFileResponseMessage*>(message))
        return response->getRequestId();
    if (auto* data = dynamic_cast<const CNetFileDataMessage*>(message))
        return data->getRequestId();
    return 0;
}

} // namespace

int CFileReceiver_Manager::unique_id = 0;

CFileReceiver_Manager::CFileReceiver_Manager(CFileReceiver_Listener* listener) : listener_(listener) {}

int CFileReceiver_Manager::add_file(CXSocket* socket, const CXString& firstFolder, const CXString& secondFolder,
                                    const CXString& fileName)
{
    int id = ++unique_id;
    entries_.add(id, new CFileReceiver_Entry(socket, id, firstFolder, secondFolder, fileName));
    if (socket != nullptr)
        socket->send(new CNetFileRequestMessage(socket, id, firstFolder, secondFolder, fileName));
    return id;
}

void CFileReceiver_Manager::received(CNetMessage* message)
{
    CFileReceiver_Entry* entry = find(requestIdOf(message));
    if (entry == nullptr || entry->received(message))
        return;
    if (entry->isRefused())
        remove_file(entry->getId());
    else
        finish(entry);
}

void CFileReceiver_Manager::finish(CFileReceiver_Entry* entry)
{
    // Out of the table first: a listener that ends the transfer itself finds nothing to end.
    std::unique_ptr<CFileReceiver_Entry> done(entries_.take(entry->getId()));
    if (listener_ == nullptr || !listener_->onFileReceived(entry))
        entry->save_file();
}

void CFileReceiver_Manager::remove_file(int id)
{
    entries_.remove(id);
}

void CFileReceiver_Manager::remove_connection(CXSocket* socket)
{
    entries_.removeOn(socket);
}
