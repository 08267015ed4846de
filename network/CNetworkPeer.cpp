#include "network/CNetworkPeer.h"

#include "foundation/CXArray.h"
#include "network/CNetFileRequestMessage.h"
#include "network/CNetListener.h"
#include "network/CNetMessage.h"
#include "network/CNetMessageProcessor.h"
#include "network/CNetworkPeers.h"
#include "network/CXSocket.h"

#include <algorithm>

CNetworkPeer::CNetworkPeer(CWindow* window)
    : window_(window), listeners_(std::make_unique<CXArray>(101, 0.75f)), alive_(std::make_shared<bool>(true))
{
    CNetworkPeers::add(this);
}

CNetworkPeer::~CNetworkPeer()
{
    *alive_ = false;
    CNetworkPeers::remove(this);
}

void CNetworkPeer::addNotifier(CNetListener* listener)
{
    listeners_->add(listener);
}

void CNetworkPeer::removeNotifier(CNetListener* listener)
{
    listeners_->remove(listener);
}

bool CNetworkPeer::send(CNetMessage* message)
{
    if (socket_ == nullptr) {
        delete message;
        return false;
    }
    return socket_->send(message);
}

void CNetworkPeer::addMessage(CNetMessage* message)
{
    CXSocket* connection = message->getHandle();
    queue(Entry{std::unique_ptr<CNetMessage>(message), connection});
}

void CNetworkPeer::connectionEnded(CXSocket* connection)
{
    queue(Entry{nullptr, connection});
}

void CNetworkPeer::queue(Entry entry)
{
    {
        platform::CriticalSection::Scoped hold(queueLock_);
        queue_.push_back(std::move(entry));
    }
    queued_.set();
}

bool CNetworkPeer::waitForQueue(uint32_t ms)
{
    return queued_.wait(ms);
}

bool CNetworkPeer::takeNext(Entry& entry)
{
    platform::CriticalSection::Scoped hold(queueLock_);
    if (queue_.empty())
        return false;
    entry = std::move(queue_.front());
    queue_.pop_front();
    return true;
}

void CNetworkPeer::tick()
{
    std::shared_ptr<bool> alive = alive_;
    beginStep();
    if (!*alive)
        return;
    size_t waiting;
    {
        platform::CriticalSection::Scoped hold(queueLock_);
        waiting = queue_.size();
    }
    // Only what was there when the step began: a peer that floods us cannot hold the turn.
    Entry entry;
    while (waiting-- > 0 && takeNext(entry)) {
        ++processing_;
        process(entry);
        entry.message.reset();
        if (!*alive)
            return;
        --processing_;
        releaseRetired();
    }
    sendFiles();
}

void CNetworkPeer::process(Entry& entry)
{
    if (entry.message == nullptr)
        onConnectionLost(entry.connection);
    else if (admits(entry.message.get()))
        CNetMessageProcessor::process(entry.message.get(), [this](CNetMessage* told) { deliver(told); });
}

void CNetworkPeer::deliver(CNetMessage* message)
{
    transferFiles(message);
    notify([message](CNetListener* listener) { listener->onMessage(message); });
}

bool CNetworkPeer::notify(const std::function<void(CNetListener*)>& tell)
{
    std::shared_ptr<bool> alive = alive_;
    std::vector<CNetListener*> listeners;
    for (int i = 0; i < listeners_->getSize(); ++i)
        listeners.push_back(static_cast<CNetListener*>((*listeners_)[i]));
    for (CNetListener* listener : listeners) {
        if (!*alive)
            return false;
        if (listeners_->indexOf(listener) >= 0)
            tell(listener);
    }
    return *alive;
}

void CNetworkPeer::transferFiles(CNetMessage* message)
{
    switch (message->getType()) {
    case CNetMessage::FILE_REQUEST:
        if (auto* request = dynamic_cast<CNetFileRequestMessage*>(message);
            request != nullptr && request->isWellFormed() && fileSender_.getCount() < MAX_FILES_SENT)
            fileSender_.add_file(message->getHandle(), request->getRequestId(), request->getFirstFolder(),
                                 request->getSecondFolder(), request->getFileName());
        break;
    case CNetMessage::FILE_RESPONSE:
    case CNetMessage::FILE_DATA:
        fileReceiver_.received(message);
        break;
    default:
        break;
    }
}

void CNetworkPeer::sendFiles()
{
    int sent = 0;
    while (fileSender_.getCount() > 0 && sent < FILE_BYTES_PER_TURN)
        sent += fileSender_.tick();
}

bool CNetworkPeer::downlnoad_file(const CXString& firstFolder, const CXString& secondFolder, const CXString& fileName)
{
    CXSocket* connection = socket_.get();
    if (connection == nullptr || connection->isClosed())
        return false;
    int id = fileReceiver_.add_file(connection, firstFolder, secondFolder, fileName);
    // A failed send closes the connection, whose end then drops the transfer.
    if (!connection->isClosed())
        return true;
    fileReceiver_.remove_file(id);
    return false;
}

void CNetworkPeer::retire(CXSocket* connection, std::unique_ptr<CXObject> owner)
{
    purge(connection);
    fileReceiver_.remove_connection(connection);
    fileSender_.remove_connection(connection);
    retired_.push_back(std::move(owner));
}

void CNetworkPeer::releaseRetired()
{
    if (processing_ == 0)
        retired_.clear();
}

void CNetworkPeer::purge(CXSocket* connection)
{
    platform::CriticalSection::Scoped hold(queueLock_);
    std::erase_if(queue_, [connection](const Entry& entry) { return entry.connection == connection; });
}
