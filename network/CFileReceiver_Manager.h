#pragma once

#include "network/CFileReceiver_Entry.h"
#include "network/CTransferTable.h"

class CFileReceiver_Listener;
class CNetMessage;
class CXSocket;

// The asking side of file transfers: sends requests and collects the answers. A completed file
// goes to the listener, or is saved when the listener leaves it (or there is none); then the
// transfer ends. Driven from one thread.
class CFileReceiver_Manager {
public:
    // The transfers still running when the manager goes are dropped.
    explicit CFileReceiver_Manager(CFileReceiver_Listener* listener = nullptr);
    CFileReceiver_Manager(const CFileReceiver_Manager&) = delete;
    CFileReceiver_Manager& operator=(const CFileReceiver_Manager&) = delete;

    // Asks for the file on the socket; the transfer's id, which its messages carry as request id.
    int add_file(CXSocket* socket, const CXString& firstFolder, const CXString& secondFolder,
                 const CXString& fileName);
    // A file response or file data message (typed); anything else, and messages for no running
    // transfer, are ignored. A response refusing the size limit ends its transfer.
    void received(CNetMessage* message);
    // Ends a transfer; an unknown id does nothing.
    void remove_file(int id);
    // Ends every transfer on the socket (a connection that is going).
    void remove_connection(CXSocket* socket);

    CFileReceiver_Entry* find(int id) const { return entries_.find(id); }
    int getCount() const { return entries_.getCount(); }

    // The last id handed out, by any receiver manager of the process.
    static int unique_id;

private:
    void finish(CFileReceiver_Entry* entry);

    CTransferTable<CFileReceiver_Entry> entries_;
    CFileReceiver_Listener* listener_;
};
