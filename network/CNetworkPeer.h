#pragma once

#include "foundation/CXObject.h"
#include "network/CFileReceiver_Manager.h"
#include "network/CFileSender_Manager.h"
#include "platform/CriticalSection.h"
#include "platform/Event.h"

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class CNetListener;
class CNetMessage;
class CWindow;
class CXArray;
class CXSocket;

// One side of a networked game: its connections, the queue their receiver threads fill, and the
// listeners the processing step hands each queued message to, on the main thread, once per engine
// turn (every live peer is stepped by the engine host's turn; tests and tools call tick).
//
// The step also drives file transfer: a peer answers file requests that reach it (up to
// MAX_FILES_SENT at once: each file is held whole while it goes; more requests are passed over),
// collects the files it asked for (downlnoad_file), and sends at most FILE_BYTES_PER_TURN of file
// data a step.
//
// Listeners may do anything in their calls, also delete the peer: the step then ends at once. A
// connection that goes is retired: its receiver is stopped, what it queued and its transfers are
// dropped, and it is deleted once the message being processed is done.
class CNetworkPeer : public CXObject {
public:
    static constexpr int FILE_BYTES_PER_TURN = 256 * 1024;
    static constexpr int MAX_FILES_SENT = 4;

    explicit CNetworkPeer(CWindow* window);
    // Drops what is still queued; the listeners are not deleted.
    ~CNetworkPeer() override;
    CNetworkPeer(const CNetworkPeer&) = delete;
    CNetworkPeer& operator=(const CNetworkPeer&) = delete;

    void addNotifier(CNetListener* listener);
    void removeNotifier(CNetListener* listener);
    // On the peer's socket (a client's connection; a server's listening socket sends nothing);
    // the message is gone either way.
    bool send(CNetMessage* message);
    // Any thread: the queue takes the message over.
    virtual void addMessage(CNetMessage* message);
    // Any thread: the receiver's last word, the connection has ended.
    void connectionEnded(CXSocket* connection);
    // The processing step (main thread): what was queued when it began, in arrival order, then
    // the file data of the turn.
    virtual void tick();
    // Asks the other side of the peer's connection for the file, to be saved as file name below
    // second folder below first folder; false when the request could not go out.
    virtual bool downlnoad_file(const CXString& firstFolder, const CXString& secondFolder, const CXString& fileName);

    CWindow* getWindow() const { return window_; }
    CXSocket* getHandle() const { return socket_.get(); }
    // CNetListener*, in the order they were added.
    CXArray* getNotifiers() const { return listeners_.get(); }
    // Waits up to ms milliseconds of real time for something to be queued; true when it was.
    bool waitForQueue(uint32_t ms);
    CFileReceiver_Manager& getFileReceiver() { return fileReceiver_; }
    CFileSender_Manager& getFileSender() { return fileSender_; }

protected:
    // The step's hooks: before the queue; whether a message is taken (a server's players are
    // known by their connection, and name what they send); a connection that ended.
    virtual void beginStep() {}
    virtual bool admits(CNetMessage* message) { return true; }
    virtual void onConnectionLost(CXSocket* connection) {}
    // Tells every listener, in order, skipping those removed meanwhile; false when the peer was
    // deleted by one of them (the caller must then return at once).
    bool notify(const std::function<void(CNetListener*)>& tell);
    // The connection's receiver has stopped: its entries and transfers go, and its owner (the
    // socket itself, or the player holding it) is kept until releaseRetired.
    void retire(CXSocket* connection, std::unique_ptr<CXObject> owner);
    // Deletes what was retired, unless a message is being processed (the step does it after).
    void releaseRetired();

    // A client's connection or a server's listening socket; null when none.
    std::unique_ptr<CXSocket> socket_;

private:
    struct Entry {
        std::unique_ptr<CNetMessage> message; // null: the connection ended
        CXSocket* connection;
    };

    void queue(Entry entry);
    bool takeNext(Entry& entry);
    void process(Entry& entry);
    void deliver(CNetMessage* message);
    void transferFiles(CNetMessage* message);
    void sendFiles();
    void purge(CXSocket* connection);

    CWindow* window_;
    std::unique_ptr<CXArray> listeners_;
    platform::CriticalSection queueLock_;
    std::deque<Entry> queue_;
    platform::Event queued_;
    CFileReceiver_Manager fileReceiver_;
    CFileSender_Manager fileSender_;
    std::vector<std::unique_ptr<CXObject>> retired_;
    // Messages being processed: what they came on is not deleted under them.
    int processing_ = 0;
    // Lowered by the destructor: a step under way learns that its peer is gone.
    std::shared_ptr<bool> alive_;
};
