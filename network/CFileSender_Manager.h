#pragma once

#include "network/CFileSender_Entry.h"
#include "network/CTransferTable.h"

class CXSocket;

// The answering side of file transfers: each tick sends the next message of every transfer (its
// response first, then one chunk), and a transfer with nothing left ends. Driven from one thread.
class CFileSender_Manager {
public:
    // The longest file name a peer may ask for.
    static constexpr int MAX_NAME_LENGTH = 259;

    // The transfers still running when the manager goes are dropped.
    CFileSender_Manager() = default;
    CFileSender_Manager(const CFileSender_Manager&) = delete;
    CFileSender_Manager& operator=(const CFileSender_Manager&) = delete;

    // Answers a request for the file name, which must stay below the working folder (no absolute
    // name, drive, "..", path marker or wildcard) and name a file that opens and fits a transfer.
    // The folders only travel with the transfer. The new transfer's id, or 0 when refused.
    int add_file(CXSocket* socket, int requestId, const CXString& firstFolder, const CXString& secondFolder,
                 const CXString& fileName);
    // The bytes of file data it sent.
    int tick();
    // Ends a transfer; an unknown id does nothing.
    void remove_file(int id);
    // Ends every transfer on the socket (a connection that is going).
    void remove_connection(CXSocket* socket);

    CFileSender_Entry* find(int id) const { return entries_.find(id); }
    int getCount() const { return entries_.getCount(); }

    // The last id handed out, by any sender manager of the process.
    static int unique_id;

private:
    CTransferTable<CFileSender_Entry> entries_;
};
